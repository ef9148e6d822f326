#include <benchmark/benchmark.h>

#include "four_option_position.h"
#include "graph/graph_model.h"
#include "graph/position_summary.h"
#include "pricing/option.h"
#include "shell/settings.h"
#include "tracker/stock.h"

namespace qx {
namespace {

// The benchmarks' four options with fees, and a holding of shares.
void FillPosition(Option (&rows)[kOptionSlots], Stock& holding, int latticeSteps) {
    FillFourOptions(rows, latticeSteps);
    for (Option& row : rows) row.SetFees(1.5);
    holding.SetSide(Side::kBuy);
    holding.SetPrice(97);
    holding.SetShares(500);
}

// One slider step's summary: break-evens, best and worst case, chance and the line's
// text, the volatility moving between two positions so nothing is carried over.
void BM_PositionSummary(benchmark::State& state) {
    Settings settings;
    Option rows[4];
    Stock holding;
    FillPosition(rows, holding, static_cast<int>(state.range(0)));
    GraphModel model(rows, holding, settings);
    model.SetDateOffset(60);
    PositionSummary summary;
    int volatility = 30;
    for (auto _ : state) {
        volatility = volatility == 30 ? 31 : 30;
        model.SetVolatilityPosition(volatility);
        summary.Compute(model);
        benchmark::DoNotOptimize(summary.Text(settings.significantDigits).data());
    }
    state.SetLabel(state.range(0) == 0 ? "European" : "American, 100 steps");
}
BENCHMARK(BM_PositionSummary)->Arg(100)->Arg(0)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace qx
