#include <benchmark/benchmark.h>

#include "graph/graph_model.h"
#include "graph/position_summary.h"
#include "pricing/option.h"
#include "shell/settings.h"
#include "tracker/stock.h"

namespace qx {
namespace {

// Four options on one underlying, a quarter to a year to expiration, with a holding of
// shares, under the rule given by the lattice steps (0 for the closed form).
void FillPosition(Option (&rows)[4], Stock& holding, int latticeSteps) {
    const struct {
        int type;
        double strike;
        int days;
        int side;
    } legs[] = {{kCall, 95, 90, kBuy},
                {kPut, 100, 180, kSell},
                {kCall, 110, 270, kSell},
                {kPut, 90, 365, kBuy}};
    for (int k = 0; k < 4; ++k) {
        Option& o = rows[k];
        o.SetOptionType(legs[k].type);
        o.SetUnderlyingPrice(100);
        o.SetStrike(legs[k].strike);
        o.SetDaysLeft(legs[k].days);
        o.SetInterestRate(0.05);
        o.SetDividendYield(0.01);
        o.SetVolatility(0.3);
        o.SetSide(legs[k].side);
        o.SetContracts(5);
        o.SetUnitsPerContract(100);
        o.SetPrice(4);
        o.SetFees(1.5);
        o.SetLatticeSteps(latticeSteps);
    }
    holding.SetSide(kBuy);
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
