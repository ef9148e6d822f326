#include "graph/profit_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "graph/graph_fixtures.h"
#include "shell/settings.h"

namespace qx {
namespace {

struct Leg {
    OptionType type;
    double strike;
    Side side;
    double price;
    int days = 30;
};

// A sold condor for a credit of 2: puts 90/95, calls 105/110.
const std::vector<Leg> kCondor = {{OptionType::kPut, 90, Side::kBuy, 1},
                                  {OptionType::kPut, 95, Side::kSell, 2},
                                  {OptionType::kCall, 105, Side::kSell, 2},
                                  {OptionType::kCall, 110, Side::kBuy, 1}};

ProfitTable Table(const std::vector<Leg>& legs, const Stock& holding = Stock(), int steps = 0,
                  double fees = 0) {
    Option rows[4];
    for (std::size_t k = 0; k < legs.size(); ++k) {
        rows[k] = MakeOption(legs[k].type, legs[k].strike, legs[k].days, legs[k].side, 2);
        rows[k].SetPrice(legs[k].price);
        rows[k].SetLatticeSteps(steps);
        rows[k].SetFees(fees);
    }
    ProfitTable table(rows, holding);
    table.SetStep(2.5);
    return table;
}

// What the legs and the holding are worth at expiration with the underlying at x, less
// what they cost: 2 contracts of 100 units each, fees per contract.
double PayoffAt(const std::vector<Leg>& legs, const Stock& holding, double x, double fees) {
    double profit = holding.Value() != 0 ? holding.ProfitAt(x) : 0;
    for (const Leg& leg : legs) {
        const double intrinsic =
            std::max(leg.type == OptionType::kCall ? x - leg.strike : leg.strike - x, 0.0);
        const double gain = 200 * (intrinsic - leg.price);
        profit += (leg.side == Side::kBuy ? gain : -gain) - 2 * fees;
    }
    return profit;
}

TEST(ProfitTable, ExpirationColumnIsTheIntrinsicPayoffToTheCent) {
    Stock holding = MakeHolding();
    const std::vector<Leg> coveredCall = {{OptionType::kCall, 105, Side::kSell, 3}};
    const std::vector<Leg> americanPuts = {{OptionType::kPut, 110, Side::kBuy, 12, 200},
                                           {OptionType::kPut, 95, Side::kSell, 2, 200}};
    const struct {
        const char* name;
        std::vector<Leg> legs;
        Stock holding;
        int steps;
        double fees;
    } cases[] = {
        {"condor", kCondor, Stock(), 0, 0},
        {"condor with fees", kCondor, Stock(), 0, 12.5},
        {"covered call", coveredCall, holding, 0, 0},
        {"american put spread", americanPuts, Stock(), 100, 0},
    };
    for (const auto& c : cases) {
        ProfitTable table = Table(c.legs, c.holding, c.steps, c.fees);
        table.Compute();
        const int last = table.GetColumnCount() - 1;
        ASSERT_GT(table.GetRowCount(), 30) << c.name;
        for (int row = 0; row < table.GetRowCount(); ++row) {
            const double x = table.GetPrice(row);
            EXPECT_NEAR(table.GetCell(row, last), PayoffAt(c.legs, c.holding, x, c.fees), 0.005)
                << c.name << " at " << x;
        }
    }
}

TEST(ProfitTable, ColumnsRunEvenlyToTheLastExpirationAndHoldEveryExpiration) {
    const struct {
        std::vector<int> expirations;
        int count;
        std::vector<int> mustHold;
    } cases[] = {
        {{10}, 11, {0, 5, 10}},                 // short: every day
        {{24}, 25, {0, 24}},                    // exactly 25 days
        {{365}, 25, {0, 15, 30, 365}},          // 365 / 24 apart
        {{30, 365}, 25, {0, 30, 365}},          // the near expiration takes a column
        {{30, 31, 365}, 25, {0, 30, 31, 365}},  // two close ones each keep their own
    };
    for (const auto& c : cases) {
        std::vector<Leg> legs;
        for (int days : c.expirations)
            legs.push_back({OptionType::kCall, 100, Side::kBuy, 5, days});
        ProfitTable table = Table(legs);
        ASSERT_EQ(table.GetColumnCount(), c.count) << c.expirations.back();
        std::vector<int> days;
        for (int j = 0; j < table.GetColumnCount(); ++j) days.push_back(table.GetColumnDays(j));
        EXPECT_TRUE(std::is_sorted(days.begin(), days.end()));
        EXPECT_EQ(std::adjacent_find(days.begin(), days.end()), days.end()) << "a day twice";
        for (int day : c.mustHold)
            EXPECT_NE(std::find(days.begin(), days.end(), day), days.end()) << "no day " << day;
        EXPECT_TRUE(table.IsExpirationColumn(table.GetColumnCount() - 1));
        EXPECT_FALSE(table.IsExpirationColumn(0));
    }
}

TEST(ProfitTable, RowsCentreOnTheCurrentPriceAndStopAtZero) {
    const struct {
        double step;
        int rows;
        double top;
    } cases[] = {{2.5, 41, 150}, {5, 41, 200}, {10, 31, 300}, {40, 23, 900}};
    for (const auto& c : cases) {
        ProfitTable table = Table(kCondor);
        ASSERT_EQ(table.SetStep(c.step), 0);
        table.Compute();
        EXPECT_EQ(table.GetRowCount(), c.rows) << c.step;
        EXPECT_DOUBLE_EQ(table.GetPrice(0), c.top) << c.step;
        EXPECT_DOUBLE_EQ(table.GetPrice(ProfitTable::kCurrentRow), 100) << c.step;
        EXPECT_GE(table.GetPrice(table.GetRowCount() - 1), 0) << c.step;
    }
}

TEST(ProfitTable, RefusesAStepThatIsNotAPositiveNumber) {
    ProfitTable table = Table(kCondor);
    for (double step : {0.0, -1.0, double(NAN), double(INFINITY)})
        EXPECT_EQ(table.SetStep(step), -1) << step;
    EXPECT_EQ(table.GetStep(), 2.5);
}

TEST(ProfitTable, PercentCellsAreTheProfitOverTheEntryCash) {
    ProfitTable table = Table(kCondor);
    table.Compute();
    const double profit = table.GetCell(0, 0);
    table.SetQuantity(TableQuantity::kPercent);
    table.Compute();
    // The condor took in 200 × (2 + 2 − 1 − 1) = 400.
    EXPECT_DOUBLE_EQ(table.EntryCash(), 400);
    EXPECT_NEAR(table.GetCell(0, 0), profit / 400 * 100, 1e-9);
    // A position that cost nothing has no percent.
    ProfitTable free = Table({{OptionType::kCall, 100, Side::kBuy, 0}});
    free.SetQuantity(TableQuantity::kPercent);
    free.Compute();
    EXPECT_TRUE(std::isnan(free.GetCell(0, 0)));
}

TEST(ProfitTable, FollowsTheSettingsRuleAndFees) {
    Settings settings = WholeDaySettings();
    settings.includeFees = true;
    settings.optionFees = 10;
    settings.europeanRule = false;
    settings.iterations = 50;
    const std::vector<Leg> deepPut = {{OptionType::kPut, 140, Side::kBuy, 40, 365}};
    ProfitTable european = Table(deepPut);
    ProfitTable american = Table(deepPut);
    american.ApplyRule(settings);
    european.Compute();
    american.Compute();
    const int row = ProfitTable::kCurrentRow;
    // Early exercise is worth something on a deep put; the fees cost 2 × 10.
    EXPECT_GT(american.GetCell(row, 0) + 20, european.GetCell(row, 0) + 100);
    const int last = european.GetColumnCount() - 1;
    EXPECT_NEAR(american.GetCell(row, last), european.GetCell(row, last) - 20, 1e-9);
}

TEST(ProfitTable, DefaultStepIsTheGraphAxisTickStep) {
    Settings settings = WholeDaySettings();
    // 30 % over 30 days spans about 34.6 around 100: ticks every 1.00 (labels every 5).
    Option rows[4] = {MakeCall(100, 30)};
    EXPECT_DOUBLE_EQ(ProfitTable::GraphAxisStep(rows, Stock(), settings), 1);
    rows[0].SetDaysLeft(365);
    EXPECT_DOUBLE_EQ(ProfitTable::GraphAxisStep(rows, Stock(), settings), 5);
}

}  // namespace
}  // namespace qx
