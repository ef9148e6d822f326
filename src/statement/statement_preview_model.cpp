#include "statement/statement_preview_model.h"

#include <filesystem>
#include <utility>
#include <vector>

#include "platform/file_chooser.h"
#include "platform/messages.h"
#include "pricing/number_text.h"
#include "pricing/option.h"

namespace qx {

namespace {

constexpr const char* kColumnTitles[StatementPreviewModel::kColumnCount] = {
    "Row", "Import", "Date", "Entry", "Action", "Units", "Price", "Reason"};
constexpr const char* kStatusTexts[] = {"Add", "In book", "Skip", "Refused"};
constexpr const char* kActionTexts[] = {"", "Open", "Close", "Exercise"};

const std::vector<FileKind> kStatementKinds = {{"Statements (CSV)", "csv"}};

}  // namespace

StatementPreviewModel::StatementPreviewModel(TranList& book, FileChooser& files, Messages& messages)
    : book(book), files(files), messages(messages) {}

bool StatementPreviewModel::ChooseStatement() {
    const std::string path = files.ChooseFileToRead("Import Statement", kStatementKinds);
    return !path.empty() && Read(path);
}

bool StatementPreviewModel::Read(const std::string& path) {
    preview = PreviewStatementFile(path, book);
    file = std::filesystem::path(path).filename().string();
    if (preview.error.empty()) return true;
    messages.Warning(preview.error, kMessageCaption, MessageOwner::kTracker);
    return false;
}

std::string StatementPreviewModel::Title() const {
    return "Import Statement: " + file + " (" + preview.format + ")";
}

std::string StatementPreviewModel::Summary() const {
    std::string summary = std::to_string(preview.added) + " to add, " +
                          std::to_string(preview.inBook) + " already in the book, " +
                          std::to_string(preview.skipped) + " skipped, " +
                          std::to_string(preview.refused) + " refused.";
    if (preview.refused > 0 && CanImport()) summary += " Refused rows stay out of the book.";
    return summary;
}

std::string StatementPreviewModel::ColumnTitle(int column) {
    return column >= 0 && column < kColumnCount ? kColumnTitles[column] : "";
}

StatementPreviewModel::Row StatementPreviewModel::Cells(int row) const {
    const ImportLine& line = preview.lines.at(row);
    const Tran& t = line.tran;
    const bool recorded =
        line.status == ImportLine::Status::kAdded || line.status == ImportLine::Status::kInBook;
    std::string reason = line.reason;
    for (char& c : reason)
        if (c == '\n') c = ' ';
    const int units = t.GetUnits();
    return {std::to_string(line.row),
            kStatusTexts[static_cast<int>(line.status)],
            recorded ? t.GetDate().Format("%Y-%m-%d") : "",
            t.GetName(),
            recorded ? NameOf(kActionTexts, t.GetAction()) : "",
            units == 0 ? "" : (t.GetSide() == Side::kSell ? "-" : "") + IntegerText(units),
            recorded ? NumberText(t.GetPrice(), 2, false) : "",
            reason};
}

void StatementPreviewModel::Import() {
    if (!CanImport()) return;
    book = std::move(preview.book);
    preview = StatementPreview();
}

}  // namespace qx
