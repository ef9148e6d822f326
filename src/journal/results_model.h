#ifndef QX_JOURNAL_RESULTS_MODEL_H
#define QX_JOURNAL_RESULTS_MODEL_H

#include <string>
#include <vector>

#include "platform/ctime.h"

namespace qx {

class FileChooser;
class Messages;
class Settings;
class Stock;
class TranList;

// The journal's numbers of the document's book as the "Results" view shows them: the
// tables of WriteResultsCsv (realised by entry, by month, the trade statistics, the
// open positions valued at the editor's price), and their export to a CSV file.
class ResultsModel {
  public:
    // One table: its column titles and its rows of texts.
    struct Table {
        std::vector<std::string> columns;
        std::vector<std::vector<std::string>> rows;
    };

    // Computes the numbers now; every reference must outlive the model.
    ResultsModel(const TranList& book, const Stock& stock, const Settings& settings, CTime today,
                 FileChooser& files, Messages& messages);

    const std::vector<Table>& Tables() const { return tables; }
    // Asks for a file and writes the numbers there; a failure is shown.
    void Export();

  private:
    FileChooser& files;
    Messages& messages;
    std::string csv;
    std::vector<Table> tables;
};

}  // namespace qx

#endif  // QX_JOURNAL_RESULTS_MODEL_H
