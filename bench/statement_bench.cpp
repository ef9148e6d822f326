// A year of an active trader's statement into the book, and the book of a large document
// printed by the command line.

#include <benchmark/benchmark.h>

#include <sstream>
#include <string>

#include "cli/command_table.h"
#include "shell/document.h"
#include "shell/settings.h"
#include "statement/statement_import.h"
#include "test_support/temp_folder.h"

namespace qx {
namespace {

// A query export of the given number of trades: option series each opened and closed
// in two contracts, and round trips in the shares of fifty symbols, one a minute.
std::string Statement(int trades) {
    std::string text =
        "\"TransactionID\",\"AssetClass\",\"Symbol\",\"UnderlyingSymbol\",\"Put/Call\","
        "\"Strike\",\"Expiry\",\"Multiplier\",\"DateTime\",\"Quantity\",\"TradePrice\","
        "\"Buy/Sell\",\"Open/CloseIndicator\",\"IBCommission\"\n";
    for (int i = 0; i < trades; ++i) {
        const int minute = i % 390, day = 2 + i / 390 % 27, month = 1 + i / (390 * 27);
        char when[32];
        std::snprintf(when, sizeof when, "2026%02d%02d;%02d%02d00", month, day, 9 + minute / 60,
                      minute % 60);
        const bool closing = i % 2 == 1;
        const int pair = i / 2;
        const std::string side = closing ? "SELL" : "BUY", oc = closing ? "C" : "O";
        const std::string sign = closing ? "-" : "";
        if (pair % 2 == 0) {
            text += std::to_string(i) + ",OPT,,XYZ" + std::to_string(pair % 500) + ",C," +
                    std::to_string(50 + pair % 97) + ",20261218,100," + when + "," + sign +
                    "2,1.25," + side + "," + oc + ",-1.3\n";
        } else {
            text += std::to_string(i) + ",STK,S" + std::to_string(pair % 50) + ",,,,,1," + when +
                    "," + sign + "100,20.5," + side + "," + oc + ",-1\n";
        }
    }
    return text;
}

void ReadPreviewAndRecordStatement(benchmark::State& state) {
    const std::string text = Statement(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        const StatementPreview preview = PreviewStatementText(text, TranList());
        if (preview.added != state.range(0)) state.SkipWithError("a trade was not recorded");
        benchmark::DoNotOptimize(preview.book.GetCount());
    }
}
BENCHMARK(ReadPreviewAndRecordStatement)->Arg(10000)->Unit(benchmark::kMillisecond);

void PrintBookOfLargeDocument(benchmark::State& state) {
    TempFolder folder;
    const std::string path = folder.Path("large.opt");
    Settings settings;
    Document document(settings);
    document.GetTransactions() =
        PreviewStatementText(Statement(static_cast<int>(state.range(0))), TranList()).book;
    if (!document.Save(path).IsAccepted()) state.SkipWithError("the document was not saved");
    for (auto _ : state) {
        std::ostringstream out, err;
        if (RunCommandLine({"book", path}, out, err) != 0) state.SkipWithError(err.str().c_str());
        benchmark::DoNotOptimize(out.str().size());
    }
}
BENCHMARK(PrintBookOfLargeDocument)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace qx
