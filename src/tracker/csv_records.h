#ifndef QX_TRACKER_CSV_RECORDS_H
#define QX_TRACKER_CSV_RECORDS_H

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace qx {

// Splits comma-separated text (RFC 4180) into records, one at a time. CR LF, LF or a
// lone CR end a record; a quoted field may hold any of them, commas, and quotes
// doubled. The text must outlive the reader.
class CsvRecords {
  public:
    explicit CsvRecords(std::string_view text) : text(text) {}

    // The next record's fields; false at the end of the text, or at a quote that does
    // not pair up (an open quote at the end, text right after a closing quote), which
    // Damaged() then tells.
    bool Next(std::vector<std::string>& fields);

    // Whether the last Next stopped at a quote that does not pair up.
    bool Damaged() const { return damaged; }

  private:
    std::string_view text;
    std::size_t at = 0;  // the first character not read yet
    bool damaged = false;
};

}  // namespace qx

#endif  // QX_TRACKER_CSV_RECORDS_H
