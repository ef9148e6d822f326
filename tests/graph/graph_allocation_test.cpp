#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "graph/graph_fixtures.h"
#include "graph/graph_model.h"
#include "graph/position_summary.h"
#include "shell/settings.h"

namespace {

// Allocations made while counting is on; this program replaces the global operator new.
std::atomic<bool> counting{false};
std::atomic<int> allocations{0};

}  // namespace

void* operator new(std::size_t size) {
    if (counting) ++allocations;
    if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace qx {
namespace {

TEST(GraphModel, RecomputingAllocatesNothing) {
    const struct {
        int latticeSteps;
        GraphType type;
    } cases[] = {{0, GraphType::ValueOrProfit},
                 {0, GraphType::Theta},
                 {100, GraphType::Theta},
                 {100, GraphType::ValueOrProfit},
                 {25, GraphType::Delta}};
    for (const auto& c : cases) {
        Settings settings = WholeDaySettings();
        settings.resolution = 100;
        Option rows[4] = {MakeCall(95, 90), MakePut(100, 180, Side::kSell), MakeCall(110, 270),
                          MakePut(90, 365)};
        for (Option& row : rows) row.SetLatticeSteps(c.latticeSteps);
        GraphModel model(rows, MakeHolding(), settings);
        model.SetGraphType(c.type);
        for (int k = 1; k <= 4; ++k) model.SetOptionSelected(k, true);
        model.Recompute();  // the lattice may size its buffer once

        allocations = 0;
        counting = true;
        model.SetDateOffset(45);
        model.Recompute();
        model.SetVolatilityPosition(40);
        model.SetDriftPosition(120);
        model.RecomputeCurves();
        counting = false;
        EXPECT_EQ(allocations, 0) << "lattice steps " << c.latticeSteps << " type "
                                  << static_cast<int>(c.type);
    }
}

TEST(PositionSummary, SummarizingASliderStepAllocatesNothing) {
    for (int latticeSteps : {0, 100}) {
        Settings settings = WholeDaySettings();
        Option rows[4] = {MakeCall(95, 90), MakePut(100, 180, Side::kSell),
                          MakeCall(110, 270, Side::kSell), MakePut(90, 365)};
        for (Option& row : rows) row.SetLatticeSteps(latticeSteps);
        Stock holding = MakeHolding();
        holding.SetSymbol("A SYMBOL LONGER THAN A SHORT STRING");
        GraphModel model(rows, holding, settings);
        model.SetDateOffset(30);
        PositionSummary summary;
        summary.Compute(model);  // the holding's copy may size its symbol once
        summary.Text(4);

        allocations = 0;
        counting = true;
        model.SetVolatilityPosition(45);
        summary.Compute(model);
        summary.Text(4);
        counting = false;
        EXPECT_EQ(allocations, 0) << "lattice steps " << latticeSteps;
    }
}

}  // namespace
}  // namespace qx
