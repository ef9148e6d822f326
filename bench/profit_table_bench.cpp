#include <benchmark/benchmark.h>

#include "four_option_position.h"
#include "graph/profit_table.h"
#include "pricing/option.h"
#include "tracker/stock.h"

namespace qx {
namespace {

// One slider step of the profit table: 41 prices by 25 dates of the four options, the
// volatility moving between two values so nothing is carried over.
void BM_ProfitTable(benchmark::State& state) {
    Option rows[4];
    FillFourOptions(rows, static_cast<int>(state.range(0)));
    ProfitTable table(rows, Stock());
    table.SetStep(2.5);
    double volatility = 0.30;
    for (auto _ : state) {
        volatility = volatility == 0.30 ? 0.31 : 0.30;
        table.SetVolatility(volatility);
        table.Compute();
        benchmark::DoNotOptimize(table.GetCell(0, 0));
    }
    state.SetLabel(state.range(0) == 0 ? "European" : "American, 100 steps");
}
BENCHMARK(BM_ProfitTable)->Arg(0)->Arg(100)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace qx
