#ifndef QX_TRACKER_TRAN_CSV_H
#define QX_TRACKER_TRAN_CSV_H

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/outcome.h"
#include "tracker/tran_list.h"

namespace qx {

// The book of transactions as a spreadsheet keeps it: comma-separated values (RFC 4180,
// UTF-8) under one header row, numbers with a "." whatever the process locale. A text
// cell a spreadsheet would run as a formula is written with a leading apostrophe.

// The outcome of reading a spreadsheet of transactions into a copy of a book.
struct TranCsvImport {
    // True when every row was read and accepted by the book.
    bool accepted = false;
    // Why the file was refused, for the user ("Row 7: ..."); empty when accepted.
    std::string message;
    // The book with the file's transactions added; meaningful only when accepted.
    TranList list;
    // The number of transactions added, and of rows the book already held.
    int added = 0;
    int alreadyInBook = 0;
};

// The header row and every transaction of list in list order, CR LF after each row.
// Dates are local "YYYY-MM-DD HH:MM:SS" followed by their offset from UTC ("-04:00"),
// and a trade's date is always written; prices, fees and strikes in the shortest form
// that reads back to the same number; Amount, Total and Cash Balance with
// significantDigits decimals, as the tracker's list shows them.
std::string WriteTranCsv(const TranList& list, int significantDigits);

// The rows of a spreadsheet in the form WriteTranCsv writes, each read through the
// records' setters with its row number, before the book's rules judge them.
struct TranCsvRows {
    // Why the file cannot be read ("Row 7: ..."); empty when every row was read.
    std::string message;
    std::vector<std::pair<int, Tran>> rows;
};

// Reads the rows as ReadTranCsv does, without a book.
TranCsvRows ReadTranCsvRows(std::string_view text);

// Reads rows in the form WriteTranCsv writes, with the columns found by their header
// names in any order (Amount, Total and Cash Balance are ignored: the book recomputes
// them), a date with or without its time and offset (without one, a local time), and
// an optional byte-order mark; a file that
// is not UTF-8 is read as Windows-1252. A row the book already holds (same date,
// entry, kind, action, side, units, price and fees) is counted, not added again, so a
// file can be imported twice. Every other row goes through the records' setters and
// TranList::Add on a copy of book; the first refused value or transaction refuses the
// whole file.
TranCsvImport ReadTranCsv(std::string_view text, const TranList& book);

// Writes list to the file at path through the safe file writer (a file there is
// replaced only once all is written, keeping its permissions); refused with the file's
// error when it was not written.
Outcome SaveTranCsv(const std::string& path, const TranList& list, int significantDigits);

// Reads the file at path with ReadTranCsv; a file that cannot be read, or is larger
// than a book of transactions can be, is refused with its message.
TranCsvImport LoadTranCsv(const std::string& path, const TranList& book);

// The largest file LoadTranCsv reads: far beyond a book of 100,000 transactions with
// long names.
inline constexpr std::size_t kMaxTranCsvBytes = 256 << 20;

}  // namespace qx

#endif  // QX_TRACKER_TRAN_CSV_H
