#ifndef QX_JOURNAL_RESULTS_CSV_H
#define QX_JOURNAL_RESULTS_CSV_H

#include <string>

namespace qx {

struct JournalResults;

// The journal's numbers as comma-separated tables, CR LF after each row, an empty row
// between them: realised profit per entry with the total, per month with the total,
// the trade statistics, and the open positions with their cost, value and unrealised
// profit (empty where no value is known). Money with two decimals and a "." whatever
// the process locale.
std::string WriteResultsCsv(const JournalResults& results);

}  // namespace qx

#endif  // QX_JOURNAL_RESULTS_CSV_H
