#include "cli/book_command.h"

#include <ostream>

#include "cli/book_document.h"
#include "cli/stream_messages.h"
#include "journal/journal_results.h"
#include "journal/open_valuation.h"
#include "journal/results_csv.h"
#include "shell/document.h"
#include "shell/settings.h"
#include "tracker/tran_csv.h"

namespace qx {

namespace {

// The open positions as a book of their own: each an opening at its average price,
// the underlying's under the document's symbol, as the tracker's open view shows it.
TranList OpenPositions(const Document& document) {
    const TranList& book = document.GetTransactions();
    TranList positions;
    Tran position;
    for (int index = 0; index < book.GetPositionCount(); ++index) {
        book.GetPosition(index, position);
        if (position.GetKind() == TranKind::kUnderlying)
            position.SetName(document.GetStock().GetSymbol());
        positions.Add(position);
    }
    return positions;
}

}  // namespace

int RunBookCommand(const CommandCall& call) {
    const bool open = call.args.size() == 2 && call.args[1] == "--open";
    const bool results = call.args.size() == 2 && call.args[1] == "--results";
    if (call.args.empty() || call.args.size() > 2 || (call.args.size() == 2 && !open && !results)) {
        call.err << "qualtrixon: usage: qualtrixon book BOOK.opt [--open | --results]\n";
        return kExitMisuse;
    }
    Settings settings;
    StreamMessages messages(call.err);
    Document document(settings);
    if (!OpenBookDocument(call.args[0], false, document, settings, messages)) return kExitMisuse;
    if (results) {
        JournalResults journal =
            ComputeResults(document.GetTransactions(), document.GetStock().GetSymbol());
        ValueOpenPositions(journal, document.GetStock(), settings, CTime::GetCurrentTime());
        call.out << WriteResultsCsv(journal);
    } else {
        call.out << WriteTranCsv(open ? OpenPositions(document) : document.GetTransactions(),
                                 settings.significantDigits);
    }
    return call.out.good() ? kExitDone : kExitMisuse;
}

}  // namespace qx
