#ifndef QX_STATEMENT_STATEMENT_PREVIEW_MODEL_H
#define QX_STATEMENT_STATEMENT_PREVIEW_MODEL_H

#include <array>
#include <string>

#include "statement/statement_import.h"

namespace qx {

class FileChooser;
class Messages;
class TranList;

// The preview of a broker statement before anything enters the book: every row of the
// file as it will be recorded, found already in the book, skipped or refused, with its
// reason and row number. Importing puts every row to be added into the book at once;
// cancelling leaves the book as it was.
class StatementPreviewModel {
  public:
    static constexpr int kColumnCount = 8;
    using Row = std::array<std::string, kColumnCount>;

    // Works on book in place; every reference must outlive the model.
    StatementPreviewModel(TranList& book, FileChooser& files, Messages& messages);

    // Asks for a statement file and reads it against the book; false when the user
    // cancelled or the file cannot be read (which is shown).
    bool ChooseStatement();
    // Reads the statement at path against the book; false (shown) when it cannot be read.
    bool Read(const std::string& path);

    // "Import Statement: activity.csv (Activity statement)".
    std::string Title() const;
    // What the import will do, in one line.
    std::string Summary() const;
    static std::string ColumnTitle(int column);
    int RowCount() const { return static_cast<int>(preview.lines.size()); }
    // The texts of one row: row number, what happens, date, entry, action, units, price
    // and the reason.
    Row Cells(int row) const;
    // Whether there is anything to import.
    bool CanImport() const { return preview.added > 0; }
    // Puts every row to be added into the book.
    void Import();

  private:
    TranList& book;
    FileChooser& files;
    Messages& messages;
    std::string file;
    StatementPreview preview;
};

}  // namespace qx

#endif  // QX_STATEMENT_STATEMENT_PREVIEW_MODEL_H
