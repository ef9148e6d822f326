#include "graph/position_summary.h"

#include <gtest/gtest.h>

#include <cmath>
#include <utility>
#include <vector>

#include "graph/graph_fixtures.h"
#include "pricing/normal.h"
#include "shell/settings.h"

namespace qx {
namespace {

constexpr double kUnlimited = HUGE_VAL;
constexpr int kDays = 30;  // every test option expires 30 days after the base date

// One option of a test position: S0 100, volatility 30 %, interest 5 %, 100 units.
struct Leg {
    OptionType type;
    double strike;
    Side side;
    double price;
    double fees = 0;
    int contracts = 1;
};

// Credit 2: the most it makes is 200, the most it loses 5 − 2 a unit.
const std::vector<Leg> kCondor = {{OptionType::kPut, 90, Side::kBuy, 1},
                                  {OptionType::kPut, 95, Side::kSell, 2},
                                  {OptionType::kCall, 105, Side::kSell, 2},
                                  {OptionType::kCall, 110, Side::kBuy, 1}};
// Bought for 19, a box worth 20 at every price.
const std::vector<Leg> kCheapBox = {{OptionType::kCall, 90, Side::kBuy, 12},
                                    {OptionType::kCall, 110, Side::kSell, 2},
                                    {OptionType::kPut, 110, Side::kBuy, 11},
                                    {OptionType::kPut, 90, Side::kSell, 2}};

// The market and rule of a test position's options.
struct Market {
    int days = kDays;
    int drift = 100;  // the drift slider's position
    int latticeSteps = 0;
    double dividend = 0;
};

// The graph of a position, dateOffset days after the base date.
GraphModel Graph(const std::vector<Leg>& legs, const Stock& holding, int dateOffset,
                 const Market& market = {}) {
    static Settings settings = WholeDaySettings();
    Option rows[4];
    for (std::size_t k = 0; k < legs.size(); ++k) {
        const Leg& leg = legs[k];
        rows[k] = MakeOption(leg.type, leg.strike, market.days, leg.side, leg.contracts);
        rows[k].SetPrice(leg.price);
        rows[k].SetFees(leg.fees);
        rows[k].SetLatticeSteps(market.latticeSteps);
        rows[k].SetDividendYield(market.dividend);
    }
    GraphModel model(rows, holding, settings);
    model.SetDateOffset(dateOffset);
    model.SetDriftPosition(market.drift);
    return model;
}

Stock Holding(Side side, double price, int shares, double fees) {
    Stock stock;
    stock.SetSide(side);
    stock.SetPrice(price);
    stock.SetShares(shares);
    stock.SetFees(fees);
    return stock;
}

// Probability that the price t years ahead ends between a and b when ln(S/100) is normal
// with mean (mu − 0.3²/2)·t and deviation 0.3·√t, by the polynomial normal distribution
// of the pricing code: a route independent of the summary's own.
double ChanceBetween(double a, double b, double mu, double t) {
    const double mean = (mu - 0.045) * t;
    const double deviation = 0.3 * std::sqrt(t);
    const auto below = [&](double x) {
        if (x <= 0) return 0.0;
        if (std::isinf(x)) return 1.0;
        return N((std::log(x / 100) - mean) / deviation);
    };
    return below(b) - below(a);
}

std::string Describe(const PositionSummary& s) {
    std::string text;
    for (int j = 0; j < s.GetBreakEvenCount(); ++j) text += std::to_string(s.GetBreakEven(j)) + " ";
    return text + "profit " + std::to_string(s.GetMaxProfit()) + " loss " +
           std::to_string(s.GetMaxLoss()) + " chance " + std::to_string(s.GetChanceOfProfit());
}

void ExpectExtreme(bool unlimited, double amount, double expected, const std::string& what) {
    EXPECT_EQ(unlimited, expected == kUnlimited) << what;
    if (expected != kUnlimited) {
        EXPECT_NEAR(amount, expected, 0.005) << what;
    }
}

TEST(PositionSummary, AtExpirationMatchesThePayoffsClosedForms) {
    const Stock none;
    const Stock coveringShares = Holding(Side::kBuy, 98, 100, 10);
    const Stock shortShares = Holding(Side::kSell, 100, 100, 0);
    // A box pays 20 at every price: bought for 19 it gains 100 everywhere, for 21 nowhere.
    std::vector<Leg> dearBox = kCheapBox;
    dearBox[2].price = 13;
    const struct {
        const char* name;
        std::vector<Leg> legs;
        Stock holding;
        std::vector<double> breakEvens;
        double maxProfit, maxLoss;
        std::vector<std::pair<double, double>> profitable;
    } cases[] = {
        // clang-format off
        {"long call: strike + premium + fees per unit", {{OptionType::kCall, 100, Side::kBuy, 5, 2, 2}}, none,
         {105.02}, kUnlimited, 1004, {{105.02, kUnlimited}}},
        {"short put: loss bounded at strike less premium", {{OptionType::kPut, 95, Side::kSell, 3, 1}}, none,
         {92.01}, 299, 9201, {{92.01, kUnlimited}}},
        {"long straddle", {{OptionType::kCall, 100, Side::kBuy, 4}, {OptionType::kPut, 100, Side::kBuy, 4}}, none,
         {92, 108}, kUnlimited, 800, {{0, 92}, {108, kUnlimited}}},
        {"iron condor", kCondor, none, {93, 107}, 200, 300, {{93, 107}}},
        {"covered call: 100 shares bounded by one short call", {{OptionType::kCall, 105, Side::kSell, 3}},
         coveringShares, {95.1}, 990, 9510, {{95.1, kUnlimited}}},
        {"short shares covered by a long call", {{OptionType::kCall, 100, Side::kBuy, 5}}, shortShares,
         {95}, 9500, 500, {{0, 95}}},
        {"naked short call", {{OptionType::kCall, 100, Side::kSell, 4}}, none, {104}, 400, kUnlimited, {{0, 104}}},
        {"break-even beyond every strike's reach", {{OptionType::kCall, 100, Side::kBuy, 500}}, none,
         {600}, kUnlimited, 50000, {{600, kUnlimited}}},
        {"profitable everywhere", kCheapBox, none, {}, 100, -100, {{0, kUnlimited}}},
        {"profitable nowhere", dearBox, none, {}, -100, 100, {}},
        // clang-format on
    };
    const double t = kDays / 365.0;
    for (int drift : {100, 115}) {
        for (const auto& c : cases) {
            const GraphModel model = Graph(c.legs, c.holding, kDays, {kDays, drift});
            PositionSummary s;
            s.Compute(model);
            const std::string what =
                std::string(c.name) + ", drift " + std::to_string(drift) + ": " + Describe(s);
            ASSERT_TRUE(s.IsValid()) << what;
            ASSERT_EQ(s.GetBreakEvenCount(), static_cast<int>(c.breakEvens.size())) << what;
            for (std::size_t j = 0; j < c.breakEvens.size(); ++j)
                EXPECT_NEAR(s.GetBreakEven(static_cast<int>(j)), c.breakEvens[j], 1e-4) << what;
            ExpectExtreme(s.IsProfitUnlimited(), s.GetMaxProfit(), c.maxProfit, what);
            ExpectExtreme(s.IsLossUnlimited(), s.GetMaxLoss(), c.maxLoss, what);
            double chance = 0;
            for (const auto& [a, b] : c.profitable)
                chance += ChanceBetween(a, b, drift * 0.01 - 1, t);
            EXPECT_NEAR(s.GetChanceOfProfit(), chance, 1e-6) << what;
        }
    }
}

TEST(PositionSummary, BeforeExpirationTheLimitsFollowTheValuationRule) {
    // Valued 30 days ahead of 90-day options: 60 days left, discount e^(−rT).
    const double T = 60 / 365.0;
    const double discount = std::exp(-0.05 * T);
    const Stock covering = Holding(Side::kBuy, 98, 100, 10);
    const struct {
        const char* name;
        std::vector<Leg> legs;
        Stock holding;
        int latticeSteps;
        double dividend;
        double maxProfit, maxLoss;
    } cases[] = {
        // clang-format off
        // A European put tends to K·e^(−rT) as the price falls to 0, an American one to K.
        {"short put, closed form", {{OptionType::kPut, 95, Side::kSell, 3, 1}}, Stock(), 0, 0,
         299, 100 * (95 * discount - 3) + 1},
        {"short put, lattice", {{OptionType::kPut, 95, Side::kSell, 3, 1}}, Stock(), 100, 0, 299, 9201},
        // A call far in the money tends to S − K·e^(−rT): the shares' gain levels off.
        {"covered call, closed form", {{OptionType::kCall, 105, Side::kSell, 3}}, covering, 0, 0,
         100 * (105 * discount - 98 + 3) - 10, 9510},
        {"bull call spread", {{OptionType::kCall, 95, Side::kBuy, 6}, {OptionType::kCall, 105, Side::kSell, 2}}, Stock(), 0, 0,
         1000 * discount - 400, 400},
        // With a yield the closed form's call rises as S·e^(−qT), slower than the shares;
        // exercised early on the lattice it rises as S − K.
        {"covered call, closed form with a yield", {{OptionType::kCall, 105, Side::kSell, 3}}, covering, 0, 0.03,
         kUnlimited, 9510},
        {"covered call, lattice with a yield", {{OptionType::kCall, 105, Side::kSell, 3}}, covering, 100, 0.03,
         100 * (105 - 98 + 3) - 10, 9510},
        // clang-format on
    };
    for (const auto& c : cases) {
        const GraphModel model =
            Graph(c.legs, c.holding, 30, {90, 100, c.latticeSteps, c.dividend});
        PositionSummary s;
        s.Compute(model);
        const std::string what = std::string(c.name) + ": " + Describe(s);
        ExpectExtreme(s.IsProfitUnlimited(), s.GetMaxProfit(), c.maxProfit, what);
        ExpectExtreme(s.IsLossUnlimited(), s.GetMaxLoss(), c.maxLoss, what);
    }
}

TEST(PositionSummary, BeforeExpirationBreakEvensAreWhereTheNetCurveCrossesZero) {
    for (int latticeSteps : {0, 100}) {
        static Settings settings = WholeDaySettings();
        settings.resolution = 100;
        Option rows[4] = {MakeCall(100, 60), MakePut(100, 60), MakeCall(125, 90, Side::kSell)};
        rows[2].SetPrice(1.5);
        for (Option& row : rows) row.SetLatticeSteps(latticeSteps);
        GraphModel model(rows, Stock(), settings);
        model.SetDateOffset(20);
        model.SetVolatilityPosition(32);
        model.RecomputeCurves();
        PositionSummary s;
        s.Compute(model);

        std::vector<double> crossings;
        for (int i = 1; i < model.GetPointCount(); ++i) {
            const double p0 = model.GetCurve(GraphModel::kNetCurve, i - 1);
            const double p1 = model.GetCurve(GraphModel::kNetCurve, i);
            if ((p0 > 0) == (p1 > 0)) continue;
            const double x0 = model.GetXMin() + (i - 1) * model.GetXStep();
            crossings.push_back(x0 + model.GetXStep() * p0 / (p0 - p1));
        }
        ASSERT_GE(crossings.size(), 2u) << "lattice steps " << latticeSteps;
        std::vector<double> onAxis;
        for (int j = 0; j < s.GetBreakEvenCount(); ++j) {
            const double x = s.GetBreakEven(j);
            if (x > model.GetXMin() && x < model.GetXMax() - model.GetXStep()) onAxis.push_back(x);
        }
        ASSERT_EQ(onAxis.size(), crossings.size()) << "lattice steps " << latticeSteps;
        for (std::size_t j = 0; j < crossings.size(); ++j)
            EXPECT_NEAR(onAxis[j], crossings[j], 0.01) << "lattice steps " << latticeSteps;
    }
}

TEST(PositionSummary, TextShowsEachAnswerInNumberText) {
    const struct {
        std::vector<Leg> legs;
        int digits;
        const char* text;
    } cases[] = {
        // clang-format off
        {{{OptionType::kCall, 100, Side::kBuy, 5, 2, 2}}, 2,
         "Break-even 105.02   Max profit unlimited   Max loss 1004.00   Chance of profit 27%"},
        {kCondor, 4, "Break-even 93.0000, 107.0000   Max profit 200.0000   Max loss 300.0000   "
                     "Chance of profit 59%"},
        {{{OptionType::kCall, 100, Side::kSell, 4}}, 3,
         "Break-even 104.000   Max profit 400.000   Max loss unlimited   Chance of profit 69%"},
        {kCheapBox, 2,
         "Break-even none   Max profit 100.00   Max loss -100.00   Chance of profit 100%"},
        // A loss of exactly 0 reads 0, not the empty text of a 0 box.
        {{{OptionType::kCall, 100, Side::kBuy, 0}}, 2,
         "Break-even 100.00   Max profit unlimited   Max loss 0   Chance of profit 48%"},
        // A profit that touches 0 at the strike only breaks even there once.
        {{{OptionType::kCall, 100, Side::kBuy, 0}, {OptionType::kPut, 100, Side::kBuy, 0}}, 2,
         "Break-even 100.00   Max profit unlimited   Max loss 0   Chance of profit 100%"},
        // clang-format on
    };
    for (const auto& c : cases) {
        PositionSummary s;
        s.Compute(Graph(c.legs, Stock(), kDays));
        EXPECT_EQ(s.Text(c.digits), c.text);
    }
}

TEST(PositionSummary, OnTheBaseDateTheChanceIsWhetherTodaysPriceProfits) {
    // Options expiring today leave no time for the price to move: the chance is certain.
    const struct {
        double strike;
        double chance;
    } cases[] = {{95, 1}, {99, 0}};
    for (const auto& c : cases) {
        PositionSummary s;
        s.Compute(Graph({{OptionType::kCall, c.strike, Side::kBuy, 2}}, Stock(), 0, {0}));
        EXPECT_EQ(s.GetChanceOfProfit(), c.chance) << "strike " << c.strike;
    }
}

// What a plain scan of the NET profit finds on a fine grid from 0 itself: its sign changes
// (placed by straight lines between grid prices), best and worst case, and the chance mass
// of the prices between sign changes where it is in profit.
struct Scan {
    std::vector<double> breakEvens;
    double maxProfit = -HUGE_VAL;
    double maxLoss = -HUGE_VAL;
    double chance = 0;
};

Scan ScanProfit(Option (&rows)[4], const Stock& holding, double top, double step, double S0,
                double sigma, double t) {
    Scan scan;
    const auto profitAt = [&](double x) {
        double p = holding.ProfitAt(x);
        for (Option& o : rows) {
            if (o.GetSide() == Side::kNone) continue;
            o.SetUnderlyingPrice(std::max(x, 1e-300));  // the record's limit from above
            p += o.Profit();
        }
        return p;
    };
    const auto below = [&](double x) {
        return x <= 0 ? 0.0
                      : N((std::log(x / S0) + sigma * sigma / 2 * t) / (sigma * std::sqrt(t)));
    };
    double previous = profitAt(0);
    double from = 0;  // where the current stretch of one sign began
    for (int i = 0; i * step <= top; ++i) {
        const double x = i * step;
        const double p = profitAt(x);
        if ((p > 0) != (previous > 0)) {
            const double crossing = x - step * p / (p - previous);
            scan.breakEvens.push_back(crossing);
            if (previous > 0) scan.chance += below(crossing) - below(from);
            from = crossing;
        }
        scan.maxProfit = std::max(scan.maxProfit, p);
        scan.maxLoss = std::max(scan.maxLoss, -p);
        previous = p;
    }
    if (previous > 0) scan.chance += 1 - below(from);
    return scan;
}

TEST(PositionSummary, AgreesWithAPlainScanWhereTheGridOnceMissedTheAnswer) {
    const Stock noHolding;
    Stock shares = Holding(Side::kBuy, 50, 100, 0);
    Stock future = Holding(Side::kBuy, 2500, 1, 0);
    future.SetAssetType(AssetType::kFuture);
    future.SetUnitsPerContract(100);
    const struct {
        const char* what;
        std::vector<Leg> legs;
        const Stock& holding;
        double S0, sigma, dividend;
        int days, latticeSteps;
        double top, step;
        const char* text;  // four decimals
    } cases[] = {
        // clang-format off
        // A dip below 0 less than half a point wide, between two grid prices.
        {"long strangle", {{OptionType::kPut, 135, Side::kBuy, 0.77}, {OptionType::kCall, 158, Side::kBuy, 0.776}}, noHolding,
         150, 0.70, 0, 5, 0, 200, 0.001,
         "Break-even 145.2717, 145.8816   Max profit unlimited   Max loss 0.1955   Chance of profit 97%"},
        // Exercised early only far above the strike, where the shares' gain is capped.
        {"American covered call", {{OptionType::kCall, 55, Side::kSell, 1.5}}, shares,
         50, 0.30, 0.005, 90, 25, 5000, 0.05,
         "Break-even 49.8033   Max profit 650.0000   Max loss 4850.0000   Chance of profit 60%"},
        // At 0 itself the future loses its whole price.
        {"long future, short call", {{OptionType::kCall, 2600, Side::kSell, 30}}, future,
         2500, 0.30, 0, 30, 0, 6000, 0.05,
         "Break-even 2529.5703   Max profit 11969.1722   Max loss 247000.0000   Chance of profit 22%"},
        // clang-format on
    };
    static Settings settings = WholeDaySettings();
    for (const auto& c : cases) {
        Option rows[4];
        for (std::size_t k = 0; k < c.legs.size(); ++k) {
            const Leg& leg = c.legs[k];
            rows[k] = MakeOption(leg.type, leg.strike, c.days, leg.side, leg.contracts);
            rows[k].SetUnderlyingPrice(c.S0);
            rows[k].SetPrice(leg.price);
            rows[k].SetVolatility(c.sigma);
            rows[k].SetDividendYield(c.dividend);
            rows[k].SetLatticeSteps(c.latticeSteps);
        }
        GraphModel model(rows, c.holding, settings);
        model.SetDateOffset(1);  // tomorrow
        PositionSummary s;
        s.Compute(model);
        const std::string what = std::string(c.what) + ": " + Describe(s);

        Option legs[4];
        for (int k = 0; k < model.GetOptionCount(); ++k) legs[k].CopyFrom(model.GetOption(k + 1));
        const Scan scan = ScanProfit(legs, c.holding, c.top, c.step, c.S0, c.sigma, 1 / 365.0);
        ASSERT_EQ(static_cast<std::size_t>(s.GetBreakEvenCount()), scan.breakEvens.size()) << what;
        for (std::size_t j = 0; j < scan.breakEvens.size(); ++j)
            EXPECT_NEAR(s.GetBreakEven(static_cast<int>(j)), scan.breakEvens[j], 0.001) << what;
        if (!s.IsProfitUnlimited()) {
            EXPECT_NEAR(s.GetMaxProfit(), scan.maxProfit, 0.005) << what;
        }
        EXPECT_NEAR(s.GetMaxLoss(), scan.maxLoss, 0.005) << what;
        EXPECT_NEAR(s.GetChanceOfProfit(), scan.chance, 0.001) << what;
        EXPECT_EQ(s.Text(4), c.text) << what;
    }
}

// No record takes a price beyond 1e12, so the largest position's profits stay finite at
// every price the summary tries.
TEST(PositionSummary, TheLargestPositionHasASummary) {
    PositionSummary s;
    s.Compute(LargestModel());
    EXPECT_TRUE(s.IsValid());
    EXPECT_NE(s.Text(2), "");
}

}  // namespace
}  // namespace qx
