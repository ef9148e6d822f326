#include "graph/graph_model.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "graph/graph_fixtures.h"
#include "graph/signed_greeks.h"
#include "shell/settings.h"
#include "test_support/time_zone.h"

namespace qx {
namespace {

// The underlying's price at the model's point i.
double PriceAt(const GraphModel& model, int i) { return model.GetXMin() + i * model.GetXStep(); }

// A model of the option alone, without a holding, its graph date the days ahead.
GraphModel OneOptionModel(const Option& option, const Settings& settings, int days) {
    const Option rows[kOptionSlots] = {option};
    GraphModel model(rows, Stock(), settings);
    model.SetDateOffset(days);
    return model;
}

TEST(GraphModel, KeepsOnlyOptionsWithASideInOrder) {
    Settings settings = WholeDaySettings();
    Option rows[4];
    rows[1] = MakeCall(100, 30);
    rows[1].SetUnderlyingPrice(80);
    rows[3] = MakePut(90, 60);
    GraphModel model(rows, Stock(), settings);

    ASSERT_EQ(model.GetOptionCount(), 2);
    EXPECT_EQ(model.GetOption(1).GetStrike(), 100);
    EXPECT_EQ(model.GetOption(2).GetStrike(), 90);
    EXPECT_EQ(model.GetCurrentPrice(), 80);  // from the first kept option, row 2
    EXPECT_TRUE(model.IsNetSelected());
    EXPECT_EQ(model.GetSelectedCount(), 1);
    EXPECT_EQ(model.GetGraphType(), GraphType::ValueOrProfit);
    EXPECT_EQ(model.GetDriftPosition(), 100);
}

TEST(GraphModel, VolatilityPositionTruncatesTheFirstOptionsVolatility) {
    const struct {
        double volatility;
        int position;
    } cases[] = {{0.30, 30},
                 {0.157, 15},
                 {0.999, 99},
                 {1.5, 150},
                 {0.009, 0},
                 // whole percents that binary puts a hair below the integer
                 {0.29, 29},
                 {0.57, 57},
                 {0.58, 58},
                 {29 * 0.01, 29},
                 {0.0199999, 1}};
    Settings settings = WholeDaySettings();
    for (const auto& c : cases) {
        Option rows[4] = {MakeCall(100, 30)};
        rows[0].SetVolatility(c.volatility);
        GraphModel model(rows, Stock(), settings);
        EXPECT_EQ(model.GetVolatilityPosition(), c.position) << "volatility " << c.volatility;
    }
}

TEST(GraphModel, ResolutionGivesThreePointsPerStepWithinTheCurvesCapacity) {
    const struct {
        int resolution;
        int points;
    } cases[] = {{20, 60}, {1, 3}, {100, 300}, {0, 3}, {-5, 3}, {101, 300}, {5000, 300}};
    for (const auto& c : cases) {
        Settings settings = WholeDaySettings();
        settings.resolution = c.resolution;
        Option rows[4] = {MakeCall(100, 30)};
        GraphModel model(rows, Stock(), settings);
        EXPECT_EQ(model.GetPointCount(), c.points) << "resolution " << c.resolution;
        EXPECT_DOUBLE_EQ(model.GetPixelStep(), 300.0 / c.points) << "resolution " << c.resolution;
        model.Recompute();  // fills every point without leaving the curves' capacity
    }
}

TEST(GraphModel, PriceAxisSpansTwoDeviationsAroundTheDriftedPrice) {
    const struct {
        int days;
        int drift;
        double xMin, xMax;
    } cases[] = {
        {365, 100, 100 * std::exp(-0.6), 100 * std::exp(0.6)},  // 54.88 .. 182.21
        {365, 150, 150 * std::exp(-0.6), 150 * std::exp(0.6)},  // centre 1.5 × S0
        {0, 100, 100, 100},                                     // no time: one price
        {800, 50, 0, 100 * (1 - 0.5 * 800 / 365.0) * std::exp(2 * 0.3 * std::sqrt(800 / 365.0))},
    };
    Settings settings = WholeDaySettings();
    for (const auto& c : cases) {
        Option rows[4] = {MakeCall(100, 1000)};
        GraphModel model(rows, Stock(), settings);
        model.SetDateOffset(c.days);
        model.SetDriftPosition(c.drift);
        model.RecomputeCurves();
        const int N = model.GetPointCount();
        EXPECT_NEAR(model.GetXMin(), c.xMin, 1e-9) << "days " << c.days << " drift " << c.drift;
        EXPECT_NEAR(model.GetXMax(), c.xMax, 1e-9) << "days " << c.days << " drift " << c.drift;
        EXPECT_NEAR(model.GetXStep(), (c.xMax - c.xMin) / N, 1e-12) << "days " << c.days;
    }
}

TEST(GraphModel, WorkedAxisAtOneYear) {
    Settings settings = WholeDaySettings();
    GraphModel model = OneOptionModel(MakeCall(100, 400), settings, 365);
    model.RecomputeCurves();
    EXPECT_NEAR(model.GetXMin(), 54.88, 0.005);
    EXPECT_NEAR(model.GetXMax(), 182.21, 0.005);
    // Resolution 20: 60 points, the last one step short of xMax.
    ASSERT_EQ(model.GetPointCount(), 60);
    EXPECT_NEAR(model.GetXMax() - PriceAt(model, 59), model.GetXStep(), 1e-9);
}

TEST(GraphModel, NegativeDriftedPriceLeavesOptionsAtTheirLastAcceptedPrice) {
    Settings settings = WholeDaySettings();
    settings.showProfit = false;
    GraphModel model = OneOptionModel(MakePut(100, 1000), settings, 800);
    model.SetDriftPosition(50);
    model.RecomputeCurves();

    EXPECT_EQ(model.GetXMin(), 0);
    EXPECT_LT(model.GetXMax(), 0);
    // Point 0 is priced at 0; every later point is negative and refused.
    for (int i = 1; i < model.GetPointCount(); ++i)
        EXPECT_EQ(model.GetCurve(1, i), model.GetCurve(1, 0)) << "point " << i;
}

TEST(GraphModel, NetIsTheOptionsPlusTheHoldingsProfitInTheProfitView) {
    Settings settings = WholeDaySettings();
    Option rows[4] = {MakeCall(100, 90), MakePut(95, 60, Side::kSell, 2)};
    const Stock holding = MakeHolding();
    GraphModel model(rows, holding, settings);
    ASSERT_FALSE(model.IsStockSelected());
    model.Recompute();

    for (int i = 0; i < model.GetPointCount(); ++i) {
        const double x = PriceAt(model, i);
        const double sum = model.GetCurve(1, i) + model.GetCurve(2, i) + holding.ProfitAt(x);
        EXPECT_NEAR(model.GetCurve(0, i), sum, 1e-9) << "point " << i << " price " << x;
        EXPECT_NEAR(model.GetCurve(5, i), holding.ProfitAt(x), 1e-9) << "point " << i;
    }
}

TEST(GraphModel, HoldingStaysOutOfNetOutsideThePlainProfitView) {
    const struct {
        bool showProfit, weighted;
        GraphType type;
    } cases[] = {{false, false, GraphType::ValueOrProfit},
                 {true, true, GraphType::ValueOrProfit},
                 {true, false, GraphType::Gamma}};
    for (const auto& c : cases) {
        Settings settings = WholeDaySettings();
        settings.showProfit = c.showProfit;
        settings.probabilityWeighted = c.weighted;
        Option rows[4] = {MakeCall(100, 90), MakePut(95, 60)};
        GraphModel model(rows, MakeHolding(), settings);
        model.SetGraphType(c.type);
        model.Recompute();
        EXPECT_FALSE(model.CanShowStock())
            << "profit " << c.showProfit << " weighted " << c.weighted;
        for (int i = 0; i < model.GetPointCount(); ++i) {
            EXPECT_NEAR(model.GetCurve(0, i), model.GetCurve(1, i) + model.GetCurve(2, i), 1e-9)
                << "profit " << c.showProfit << " weighted " << c.weighted << " point " << i;
        }
    }
}

TEST(GraphModel, EachGraphTypePlotsItsOwnQuantity) {
    Settings settings = WholeDaySettings();
    settings.showProfit = false;
    settings.shareWeighted = false;
    const struct {
        GraphType type;
        double (*quantity)(Option&);
    } cases[] = {
        {GraphType::ValueOrProfit, [](Option& o) { return o.PositionValue(); }},
        {GraphType::Gamma, [](Option& o) { return o.Gamma(false); }},
        {GraphType::Delta, [](Option& o) { return o.Delta(false); }},
        {GraphType::Theta, [](Option& o) { return o.Theta(false); }},
        {GraphType::Vega, [](Option& o) { return o.Vega(false); }},
        {GraphType::Rho, [](Option& o) { return o.Rho(false); }},
    };
    for (const auto& c : cases) {
        Option rows[4] = {MakePut(100, 90)};
        GraphModel model(rows, Stock(), settings);
        model.SetGraphType(c.type);
        model.SetDateOffset(30);
        model.RecomputeCurves();
        const int i = 17;
        Option expected = MakePut(100, 60);
        expected.SetUnderlyingPrice(PriceAt(model, i));
        EXPECT_DOUBLE_EQ(model.GetCurve(1, i), c.quantity(expected))
            << "type " << static_cast<int>(c.type);
    }
}

TEST(GraphModel, WeightedProfitUsesTheTimeToTheGraphDate) {
    Settings settings = WholeDaySettings();
    settings.probabilityWeighted = true;
    GraphModel model = OneOptionModel(MakeCall(100, 90), settings, 40);
    model.RecomputeCurves();
    const int i = 10;
    Option expected = MakeCall(100, 50);
    expected.SetUnderlyingPrice(PriceAt(model, i));
    EXPECT_DOUBLE_EQ(model.GetCurve(1, i), expected.WeightedProfit(100, 40 * Option::kYearsPerDay));
}

TEST(GraphModel, DateBoundIsTheNearestExpirationOfTheCurvesShown) {
    const struct {
        bool net;
        bool options[3];
        GraphType type;
        int dateMax;
    } cases[] = {
        {true, {false, false, false}, GraphType::ValueOrProfit, 30},  // NET: all options
        {true, {false, true, true}, GraphType::ValueOrProfit, 30},
        {false, {false, true, false}, GraphType::ValueOrProfit, 60},
        {false, {false, true, true}, GraphType::ValueOrProfit, 60},
        {false, {false, false, true}, GraphType::ValueOrProfit, 90},
        {true, {false, false, false}, GraphType::Gamma, 29},  // a Greek keeps one day
        {false, {false, false, true}, GraphType::Rho, 89},
    };
    Settings settings = WholeDaySettings();
    for (const auto& c : cases) {
        Option rows[4] = {MakeCall(100, 30), MakeCall(100, 60), MakeCall(100, 90)};
        GraphModel model(rows, Stock(), settings);
        model.SetNetSelected(c.net);
        for (int k = 1; k <= 3; ++k) model.SetOptionSelected(k, c.options[k - 1]);
        model.SetGraphType(c.type);
        model.Recompute();
        EXPECT_EQ(model.GetDateMax(), c.dateMax)
            << "net " << c.net << " options " << c.options[0] << c.options[1] << c.options[2]
            << " type " << static_cast<int>(c.type);
    }
}

TEST(GraphModel, GreekLowersTheDateBoundAndMovesTheDateBack) {
    Settings settings = WholeDaySettings();
    Option rows[4] = {MakeCall(100, 30), MakePut(100, 45)};
    GraphModel model(rows, Stock(), settings);
    model.Recompute();
    model.SetDateOffset(model.GetDateMax());
    ASSERT_EQ(model.GetDateOffset(), 30);
    EXPECT_EQ(model.GetOption(1).GetDaysLeft(), 0);

    model.SetGraphType(GraphType::Delta);
    model.Recompute();
    EXPECT_EQ(model.GetDateMax(), 29);
    EXPECT_EQ(model.GetDateOffset(), 29);
    EXPECT_EQ(model.GetOption(1).GetDaysLeft(), 1);
    EXPECT_EQ(model.GetOption(2).GetDaysLeft(), 16);

    // Back to value: the bound rises again but the date stays where it is.
    model.SetGraphType(GraphType::ValueOrProfit);
    model.Recompute();
    EXPECT_EQ(model.GetDateMax(), 30);
    EXPECT_EQ(model.GetDateOffset(), 29);
}

TEST(GraphModel, NoCurveShownLeavesTheDateBoundAlone) {
    Settings settings = WholeDaySettings();
    Option rows[4] = {MakeCall(100, 30), MakePut(100, 45)};
    GraphModel model(rows, Stock(), settings);
    model.SetOptionSelected(2, true);
    model.SetNetSelected(false);
    model.Recompute();
    ASSERT_EQ(model.GetDateMax(), 45);
    model.SetOptionSelected(2, false);
    model.SetStockSelected(true);  // the holding does not count
    model.SetGraphType(GraphType::Delta);
    model.Recompute();
    EXPECT_EQ(model.GetSelectedCount(), 0);
    EXPECT_FALSE(model.IsDateEnabled());
    EXPECT_EQ(model.GetDateMax(), 45);
}

TEST(GraphModel, ExpiredOptionNeverPutsTheGraphDateBeforeTheBaseDate) {
    Settings settings = WholeDaySettings();
    Option rows[4] = {MakeCall(100, 0)};
    GraphModel model(rows, Stock(), settings);
    model.SetGraphType(GraphType::Gamma);
    model.Recompute();
    EXPECT_EQ(model.GetDateMax(), 0);
    EXPECT_EQ(model.GetDateOffset(), 0);
    EXPECT_TRUE(std::isfinite(model.GetXMin()));
    EXPECT_TRUE(std::isfinite(model.GetXMax()));
}

TEST(GraphModel, SelectionCountsNetAndOptionsOnceEach) {
    Settings settings = WholeDaySettings();
    Option rows[4] = {MakeCall(100, 30), MakePut(100, 45)};
    GraphModel model(rows, Stock(), settings);
    model.SetOptionSelected(1, true);
    model.SetOptionSelected(1, true);  // already shown: no second count
    model.SetOptionSelected(3, true);  // there is no option 3
    model.SetStockSelected(true);
    EXPECT_EQ(model.GetSelectedCount(), 2);
    model.SetNetSelected(false);
    model.SetNetSelected(false);
    EXPECT_EQ(model.GetSelectedCount(), 1);
}

TEST(GraphModel, VolatilityPositionRepricesEveryOption) {
    Settings settings = WholeDaySettings();
    Option rows[4] = {MakeCall(100, 365), MakePut(100, 365)};
    GraphModel model(rows, Stock(), settings);
    model.SetDateOffset(100);
    model.RecomputeCurves();
    const double narrowMin = model.GetXMin();

    model.SetVolatilityPosition(25);
    EXPECT_DOUBLE_EQ(model.GetRangeVolatility(), 0.25);
    EXPECT_DOUBLE_EQ(model.GetOption(1).GetVolatility(), 0.25);
    EXPECT_DOUBLE_EQ(model.GetOption(2).GetVolatility(), 0.25);
    model.SetVolatilityPosition(60);
    model.RecomputeCurves();
    EXPECT_LT(model.GetXMin(), narrowMin);  // a wider axis
}

TEST(GraphModel, RangeSpansTheSelectedCurvesTopToBottom) {
    Settings settings = WholeDaySettings();
    Option rows[4] = {MakeCall(100, 90), MakePut(100, 90, Side::kSell)};
    GraphModel model(rows, Stock(), settings);
    model.SetNetSelected(false);
    model.SetOptionSelected(1, true);
    model.SetDateOffset(30);
    model.RecomputeCurves();

    double lowest = 1e300, highest = -1e300;
    for (int i = 0; i < model.GetPointCount(); ++i) {
        lowest = std::min(lowest, model.GetCurve(1, i));
        highest = std::max(highest, model.GetCurve(1, i));
    }
    EXPECT_EQ(model.GetYMin(), lowest);
    EXPECT_EQ(model.GetYMax(), highest);
    EXPECT_DOUBLE_EQ(model.GetYScale(), 275 / (highest - lowest));
    for (int row : {0, 1, 2}) {  // every kept option has rows, shown or not
        for (int i = 0; i < model.GetPointCount(); ++i) {
            const int expected =
                static_cast<int>((model.GetYMax() - model.GetCurve(row, i)) * model.GetYScale());
            EXPECT_EQ(model.GetPixelRow(row, i), expected) << "row " << row << " point " << i;
        }
    }
}

// The margins hold labels in a font that keeps its size, so the plot area takes all the
// picture gains beyond the smallest; the curves are laid out on it again, not revalued.
TEST(GraphModel, PictureSizeLaysTheCurvesOutOnItsPlotArea) {
    const struct {
        int width, height;
        int plotRight, plotBottom, titleTop;
    } cases[] = {
        {382, 344, 360, 295, 320},  // the smallest, as a window opens
        {200, 100, 360, 295, 320},  // never smaller
        {800, 600, 778, 551, 576}, {382, 1000, 360, 951, 976}, {1400, 344, 1378, 295, 320},
    };
    Settings settings = WholeDaySettings();
    Option rows[4] = {MakeCall(100, 90), MakePut(100, 90, Side::kSell)};
    GraphModel model(rows, Stock(), settings);
    model.SetDateOffset(30);
    model.Recompute();
    const double yMin = model.GetYMin();
    const double yMax = model.GetYMax();
    const double first = model.GetCurve(0, 0);
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + " x " + std::to_string(c.height));
        model.SetPictureSize(c.width, c.height);
        const PlotGeometry& g = model.GetGeometry();
        EXPECT_EQ(g.plotLeft, 60);
        EXPECT_EQ(g.plotTop, 20);
        EXPECT_EQ(g.plotRight, c.plotRight);
        EXPECT_EQ(g.plotBottom, c.plotBottom);
        EXPECT_EQ(g.titleTop, c.titleTop);
        EXPECT_DOUBLE_EQ(model.GetPixelStep(), (c.plotRight - 60) / 60.0);
        EXPECT_DOUBLE_EQ(model.GetYScale(), (c.plotBottom - 20) / (yMax - yMin));
        EXPECT_EQ(model.GetCurve(0, 0), first);
        int top = g.PlotHeight();
        int bottom = 0;
        for (int d = 0; d < model.GetDateCount(); ++d) {
            for (int i = 0; i < model.GetPointCount(); ++i) {
                top = std::min(top, model.GetPixelRow(d, 0, i));
                bottom = std::max(bottom, model.GetPixelRow(d, 0, i));
            }
        }
        EXPECT_EQ(top, 0) << "the highest value on the plot's top row";
        EXPECT_NEAR(bottom, g.PlotHeight(), 1) << "the lowest on its bottom row";
    }
    // A new resolution spaces its points over the plot as it now is.
    settings.resolution = 100;
    model.ApplyResolution();
    EXPECT_DOUBLE_EQ(model.GetPixelStep(), (1378 - 60) / 300.0);
}

TEST(GraphModel, FlatCurveGetsAOneUnitRangeAndLiesAtMidHeight) {
    const struct {
        const char* what;
        GraphType type;
        double strike, volatility;
        int dateOffset;
        double yMax;
    } cases[] = {
        // Expiring at the graph date, every Greek has no value: -1 at every point.
        {"no time left", GraphType::Delta, 100, 0.30, 30, -0.5},
        // A day left, far out of the money: gamma is below 1e-306 wherever it is not 0,
        // too narrow a range for 275 pixels to scale.
        {"far out of the money", GraphType::Gamma, 129, 0.10, 29, 0.5},
    };
    Settings settings = WholeDaySettings();
    for (const auto& c : cases) {
        Option rows[4] = {MakeCall(c.strike, 30)};
        rows[0].SetVolatility(c.volatility);
        GraphModel model(rows, Stock(), settings);
        model.SetGraphType(c.type);
        model.SetDateOffset(c.dateOffset);
        model.RecomputeCurves();

        double highest = 0;
        for (int i = 0; i < model.GetPointCount(); ++i)
            highest = std::max(highest, std::fabs(model.GetCurve(0, i)));
        ASSERT_TRUE(c.yMax < 0 || (highest > 0 && highest < 1e-306))
            << c.what << ": the curve reaches " << highest;
        EXPECT_DOUBLE_EQ(model.GetYMax(), c.yMax) << c.what;
        EXPECT_DOUBLE_EQ(model.GetYMin(), c.yMax - 1) << c.what;
        EXPECT_DOUBLE_EQ(model.GetYScale(), 275) << c.what;
        for (int i = 0; i < model.GetPointCount(); ++i)
            EXPECT_EQ(model.GetPixelRow(0, i), 137) << c.what << " point " << i;
    }
}

// A price axis beyond the largest price a record takes would value the options at a
// price they refuse; within it, even the largest position stays finite at every point.
TEST(GraphModel, LargestPositionKeepsItsAxisAndEveryPointFinite) {
    GraphModel model = LargestModel();
    model.RecomputeCurves();

    EXPECT_EQ(model.GetXMax(), 1e12);
    for (int row : {0, 1, 5}) {
        for (int i = 0; i < model.GetPointCount(); ++i) {
            EXPECT_TRUE(std::isfinite(model.GetCurve(row, i))) << "row " << row << " point " << i;
            EXPECT_NE(model.GetPixelRow(row, i), GraphModel::kNoRow)
                << "row " << row << " point " << i;
        }
    }
    EXPECT_GT(model.GetYMax(), 1e30);
    EXPECT_GT(model.GetYScale(), 0);
}

TEST(GraphModel, GraphDateIsTheBaseDatePlusTheOffset) {
    Settings settings = WholeDaySettings();
    Option option = MakeCall(100, 30);
    option.SetDates(CTime(1000000000), CTime(1000000000 + 40 * 86400));
    const GraphModel model = OneOptionModel(option, settings, 12);
    EXPECT_EQ(model.GetBaseDate(), CTime(1000000000));
    EXPECT_EQ(model.GraphDate().GetTime(), 1000000000 + 12 * 86400);
    EXPECT_EQ(model.GetOption(1).GetDaysLeft(), 41 - 12);
}

// Valued to the close, the slider steps by the day up to the expiration day and then by
// the hour, reaching the close (16:00 in New York, 15:00 in Chicago).
TEST(GraphModel, DateStepsByTheHourOnTheLastDayUpToTheClose) {
    ScopedTimeZone zone("America/Chicago");
    Settings settings;
    Option option = MakeCall(100, 0);
    ASSERT_EQ(option.SetDatesToClose(CTime(2027, 1, 13, 12), CTime(2027, 1, 15)), 0);
    const Option rows[kOptionSlots] = {option};
    GraphModel model(rows, Stock(), settings);
    model.Recompute();
    EXPECT_EQ(model.GetDateMax(), 5);  // two days, then three hours
    const struct {
        int steps;
        CTime date;
        double hoursLeft;
        bool hourStep;
    } cases[] = {
        {1, CTime(2027, 1, 14, 12), 27, false},
        {2, CTime(2027, 1, 15, 12), 3, false},
        {3, CTime(2027, 1, 15, 13), 2, true},
        {5, CTime(2027, 1, 15, 15), 0, true},
    };
    for (const auto& c : cases) {
        model.SetDateOffset(c.steps);
        EXPECT_EQ(model.GraphDate(), c.date) << c.steps;
        EXPECT_EQ(model.IsInLastDayHours(), c.hourStep) << c.steps;
        EXPECT_NEAR(model.GetOption(1).GetYears() * 365 * 24, c.hoursLeft, 1e-9) << c.steps;
        EXPECT_NEAR(model.GetHorizonDays(),
                    (c.date.GetTime() - CTime(2027, 1, 13, 12).GetTime()) / 86400.0, 1e-12);
    }
    // A Greek needs the last hour before the close.
    model.SetGraphType(GraphType::Delta);
    model.Recompute();
    EXPECT_EQ(model.GetDateMax(), 4);
}

// With the legs at their implied volatilities and the slider where it started, each leg
// is worth its premium at the base date; a move of the slider moves every leg alike, and
// a leg whose premium gives no implied volatility takes the slider's.
TEST(GraphModel, LegsAtTheirImpliedVolatilityRepriceTheirPremiums) {
    Settings settings = WholeDaySettings();
    settings.showProfit = false;  // position value: premium × 100 units
    Option rows[kOptionSlots] = {MakeCall(100, 30), MakePut(90, 60), MakeCall(80, 45)};
    rows[1].SetPrice(2);
    rows[2].SetPrice(19);  // below its value at almost no volatility: no implied one
    const double premiums[] = {5, 2};
    for (bool legs : {true, false}) {
        settings.impliedVolatilityLegs = legs;
        GraphModel model(rows, Stock(), settings);
        model.SetDateOffset(0);
        model.Recompute();
        for (int k = 1; k <= 2; ++k) {
            const double value = model.GetCurve(k, 0) / 100;
            if (legs)
                EXPECT_NEAR(value, premiums[k - 1], 0.005) << "leg " << k;
            else
                EXPECT_GT(std::fabs(value - premiums[k - 1]), 0.05) << "leg " << k;
        }
        const double own = rows[0].ImpliedVolatility();
        model.SetVolatilityPosition(40);
        EXPECT_NEAR(model.GetOption(1).GetVolatility(), legs ? own + 0.10 : 0.40, 1e-12);
        EXPECT_DOUBLE_EQ(model.GetOption(3).GetVolatility(), 0.40);
    }
}

}  // namespace
}  // namespace qx

namespace qx {
namespace {

// A sold leg's Greek is the negation of a bought one's, and NET adds the holding's delta:
// a covered call is nearly flat in delta above its strike, a condor earns from time.
TEST(GraphModel, GreeksTakeTheSignOfTheSideAndNetHoldsTheHoldingsDelta) {
    const struct {
        const char* what;
        GraphType type;
        bool shareWeighted;
        double holdingDelta;  // what the holding adds to NET
    } cases[] = {
        {"delta by units", GraphType::Delta, true, 100},
        {"delta by shares held", GraphType::Delta, false, 100},
        {"gamma", GraphType::Gamma, true, 0},
        {"theta", GraphType::Theta, false, 0},
        {"vega", GraphType::Vega, true, 0},
        {"rho", GraphType::Rho, true, 0},
    };
    for (const auto& c : cases) {
        Settings settings = WholeDaySettings();
        settings.shareWeighted = c.shareWeighted;
        Option rows[4] = {MakeCall(100, 30, Side::kSell), MakePut(95, 30)};
        GraphModel model(rows, MakeHolding(), settings);
        model.SetGraphType(c.type);
        model.SetDateOffset(20);
        model.RecomputeCurves();
        for (int i : {0, 30, model.GetPointCount() - 1}) {
            Option bought = MakeCall(100, 10);
            bought.SetUnderlyingPrice(PriceAt(model, i));
            const double leg = SignedGreek(bought, c.type, c.shareWeighted);
            EXPECT_EQ(model.GetCurve(1, i), -leg) << c.what << " point " << i;
            EXPECT_NEAR(model.GetCurve(0, i),
                        model.GetCurve(1, i) + model.GetCurve(2, i) + c.holdingDelta, 1e-9)
                << c.what << " point " << i;
        }
    }
}

TEST(GraphModel, CoveredCallDeltaIsNearZeroAboveTheStrikeAndCondorThetaPositive) {
    Settings settings = WholeDaySettings();
    Option covered[4] = {MakeCall(100, 30, Side::kSell)};
    GraphModel call(covered, MakeHolding(), settings);
    call.SetGraphType(GraphType::Delta);
    call.SetDateOffset(20);
    call.RecomputeCurves();
    EXPECT_LT(std::fabs(call.GetCurve(0, call.GetPointCount() - 1)), 1);
    EXPECT_GT(call.GetCurve(0, 0), 90);

    Option condor[4] = {MakePut(90, 30), MakePut(95, 30, Side::kSell),
                        MakeCall(105, 30, Side::kSell), MakeCall(110, 30)};
    GraphModel theta(condor, Stock(), settings);
    theta.SetGraphType(GraphType::Theta);
    theta.SetDateOffset(10);
    theta.RecomputeCurves();
    const int middle = static_cast<int>((100 - theta.GetXMin()) / theta.GetXStep());
    EXPECT_GT(theta.GetCurve(0, middle), 0) << "at " << PriceAt(theta, middle);
}

// Legs that cancel leave a NET value constant but for rounding: it is drawn flat, not
// stretched to the full height.
TEST(GraphModel, CurveConstantUpToRoundingIsDrawnFlat) {
    Settings settings = WholeDaySettings();
    settings.showProfit = false;
    Option box[4] = {MakeCall(90, 30), MakeCall(110, 30, Side::kSell), MakePut(110, 30),
                     MakePut(90, 30, Side::kSell)};
    for (Option& leg : box) leg.SetInterestRate(0);
    GraphModel model(box, Stock(), settings);
    model.SetDateOffset(10);
    model.RecomputeCurves();
    for (int i = 0; i < model.GetPointCount(); ++i) {
        EXPECT_NEAR(model.GetCurve(0, i), 2000, 1e-6);
        EXPECT_EQ(model.GetPixelRow(0, i), model.GetPixelRow(0, 0)) << "point " << i;
    }
}

}  // namespace
}  // namespace qx
