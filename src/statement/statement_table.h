#ifndef QX_STATEMENT_STATEMENT_TABLE_H
#define QX_STATEMENT_STATEMENT_TABLE_H

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace qx {

// A statement file split into its comma-separated records, each with the file's row
// number, and the columns of a header row found by name.
class StatementTable {
  public:
    // Splits text (an optional byte-order mark first); Damaged() tells a quote that does
    // not pair up, at which the table ends.
    explicit StatementTable(std::string_view text);

    int Size() const { return static_cast<int>(records.size()); }
    const std::vector<std::string>& Fields(int index) const { return records[index]; }
    // The file's row number of record index, counted from 1.
    int RowNumber(int index) const { return rowNumbers[index]; }
    bool Damaged() const { return damaged; }

    // The first record at or after index whose fields include every name given (any
    // case, spaces around ignored), or -1.
    int FindHeader(std::initializer_list<std::string_view> names, int from = 0) const;

  private:
    std::vector<std::vector<std::string>> records;
    std::vector<int> rowNumbers;
    bool damaged = false;
};

// The columns of one header row, looked up by name (any case, spaces around ignored).
class StatementColumns {
  public:
    explicit StatementColumns(const std::vector<std::string>& header);

    // Whether the header has a column of that name.
    bool Has(std::string_view name) const { return Place(name) >= 0; }
    // The field under the column of that name, trimmed; empty when the column or the
    // field is missing.
    std::string Get(const std::vector<std::string>& fields, std::string_view name) const;
    // The field of the first of the names the header has.
    std::string GetAny(const std::vector<std::string>& fields,
                       std::initializer_list<std::string_view> names) const;
    int Width() const { return static_cast<int>(names.size()); }

  private:
    int Place(std::string_view name) const;
    std::vector<std::string> names;  // trimmed, lower case
};

// Whether two names are the same word, in any case.
bool SameName(std::string_view a, std::string_view b);

// text without the spaces around it.
std::string Trim(std::string_view text);

// Whether every field is empty or spaces.
bool IsBlankRecord(const std::vector<std::string>& fields);

}  // namespace qx

#endif  // QX_STATEMENT_STATEMENT_TABLE_H
