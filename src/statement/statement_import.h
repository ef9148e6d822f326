#ifndef QX_STATEMENT_STATEMENT_IMPORT_H
#define QX_STATEMENT_STATEMENT_IMPORT_H

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "tracker/tran_list.h"

namespace qx {

struct StatementRead;

// One row of a statement as the import will treat it.
struct ImportLine {
    enum class Status { kAdded, kInBook, kSkipped, kRefused };

    int row = 0;  // the file's row number, counted from 1
    Status status = Status::kAdded;
    std::string reason;  // why a row is skipped or refused
    Tran tran;           // the transaction recorded, or the one already in the book
};

// A statement read against a book: every row with what becomes of it, and the book as
// it will be once the added rows are in.
struct StatementPreview {
    std::string format;             // the layout recognised
    std::string error;              // why the file as a whole cannot be read; empty when read
    std::vector<ImportLine> lines;  // in the file's row order
    TranList book;                  // the book with every added row
    int added = 0;
    int inBook = 0;
    int skipped = 0;
    int refused = 0;
};

// Reads the rows into a copy of book: in date order (a file written newest first is
// read from its end), each mapped to the tracker's transaction, a row the book already
// holds counted and left out, each added row passed through the book's rules; whatever
// they refuse is refused with the rule's message.
StatementPreview PreviewStatement(StatementRead read, const TranList& book);

// Reads the statement text of any layout this program knows.
StatementPreview PreviewStatementText(std::string_view text, const TranList& book);

// Reads the statement file at path; a file that cannot be read, or is larger than a
// statement can be, comes back with its error.
StatementPreview PreviewStatementFile(const std::string& path, const TranList& book);

// "3 added, 1 already in the book, 0 refused".
std::string ImportSummary(const StatementPreview& preview);

// "Row 7: " followed by the reason, for every refused line.
std::vector<std::string> RefusalTexts(const StatementPreview& preview);

// The largest statement file read: far beyond a year of an active trader's fills.
inline constexpr std::size_t kMaxStatementBytes = std::size_t{256} << 20;

}  // namespace qx

#endif  // QX_STATEMENT_STATEMENT_IMPORT_H
