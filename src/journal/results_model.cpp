#include "journal/results_model.h"

#include <vector>

#include "journal/journal_results.h"
#include "journal/open_valuation.h"
#include "journal/results_csv.h"
#include "platform/file_chooser.h"
#include "platform/file_error.h"
#include "platform/messages.h"
#include "platform/safe_file_writer.h"
#include "tracker/csv_records.h"
#include "tracker/stock.h"

namespace qx {

namespace {

const std::vector<FileKind> kCsvKinds = {{"CSV Files", "csv"}};

// The tables of the CSV text, which an empty row parts.
std::vector<ResultsModel::Table> TablesOf(const std::string& csv) {
    std::vector<ResultsModel::Table> tables(1);
    CsvRecords records(csv);
    std::vector<std::string> fields;
    while (records.Next(fields)) {
        if (fields.size() == 1 && fields[0].empty()) {
            tables.emplace_back();
        } else if (tables.back().columns.empty()) {
            tables.back().columns = fields;
        } else {
            tables.back().rows.push_back(fields);
        }
    }
    return tables;
}

}  // namespace

ResultsModel::ResultsModel(const TranList& book, const Stock& stock, const Settings& settings,
                           CTime today, FileChooser& files, Messages& messages)
    : files(files), messages(messages) {
    JournalResults results = ComputeResults(book, stock.GetSymbol());
    ValueOpenPositions(results, stock, settings, today);
    csv = WriteResultsCsv(results);
    tables = TablesOf(csv);
}

void ResultsModel::Export() {
    const std::string path = files.ChooseFileToWrite("Export Results", kCsvKinds, "Results");
    if (path.empty()) return;
    const FileError error = WriteFileSafely(path, csv);
    if (error != FileError::kNone)
        messages.Warning(FileErrorText(error, path), kMessageCaption, MessageOwner::kTracker);
}

}  // namespace qx
