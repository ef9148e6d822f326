#include "graph/plot_axes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "graph/tick_rule.h"
#include "test_support/recording_canvas.h"

namespace qx {
namespace {

constexpr std::uint32_t kPen = 0x00FFFF00;
constexpr std::uint32_t kText = 0x00408000;
constexpr std::uint32_t kBackground = 0x00000001;

using Texts = std::vector<std::string>;

TEST(TickRule, ChoosesTheFirstStepGivingFewerThanTenTicks) {
    const struct {
        double range;
        TickAxis axis;
        double major, minor;
        int decimals;
    } cases[] = {
        {300, TickAxis::kValues, 50, 10, 0},          // e = 10 fails at e and 2.5 e
        {240000, TickAxis::kValues, 25000, 5000, 0},  // e = 10000 gives 24, 2.5 e gives 9.6
        {0.4, TickAxis::kPrices, 0.05, 0.01, 2},      // 40, 16, then 8
        {0, TickAxis::kValues, 0.001, 0.0005, 3},     // a range of 0 takes the base
        {0, TickAxis::kPrices, 0.01, 0.005, 2},
        {1, TickAxis::kValues, 0.25, 0.05, 2},
        {0.02, TickAxis::kValues, 0.0025, 0.0005, 4},  // 2.5 e on values: one more decimal
        {0.2, TickAxis::kValues, 0.025, 0.005, 3},
        {0.2, TickAxis::kPrices, 0.025, 0.005, 2},  // ... but prices stop at two
        {2, TickAxis::kPrices, 0.25, 0.05, 2},
        {20, TickAxis::kPrices, 2.5, 0.5, 1},
        {200, TickAxis::kPrices, 25, 5, 0},
        {9, TickAxis::kPrices, 1, 0.5, 0},
        {std::nan(""), TickAxis::kValues, 0.001, 0.0005, 3},  // no range: the base
        {HUGE_VAL, TickAxis::kPrices, 0.01, 0.005, 2},
    };
    for (const auto& c : cases) {
        const TickSteps steps = ChooseTicks(c.range, c.axis);
        const std::string where = "range " + std::to_string(c.range) + " axis " +
                                  std::to_string(static_cast<int>(c.axis));
        EXPECT_NEAR(steps.major, c.major, c.major * 1e-12) << where;
        EXPECT_NEAR(steps.minor, c.minor, c.minor * 1e-12) << where;
        EXPECT_EQ(steps.decimals, c.decimals) << where;
    }
}

TEST(TickRule, SequenceStartsAtTheFirstStepNotBelowTheBound) {
    const struct {
        double anchor, step, bound, first;
    } cases[] = {
        {-50, 10, -50, -50},      {-47, 10, -47, -40},      {12, 5, 12, 15},
        {-0.5, 0.05, -0.5, -0.5}, {-1.5, 0.05, -1.5, -1.5}, {0.15, 0.25, 0.12, 0.25},
        {54.88, 5, 54.88, 55},
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(FirstTick(c.anchor, c.step, c.bound), c.first, 1e-12)
            << "anchor " << c.anchor << " step " << c.step << " bound " << c.bound;
    }
}

// The value range of the plot for values from yMin to yMax, 275 pixels tall.
PlotAxes::ValueRange Values(double yMin, double yMax) { return {yMin, yMax, 275 / (yMax - yMin)}; }

TEST(PlotAxes, ValueLabelsOfTheWorkedRanges) {
    const struct {
        double yMin, yMax;
        Texts labels;
    } cases[] = {
        {-50, 250, {"-50", "0", "50", "100", "150", "200", "250"}},
        {0, 240000, {"K", "25K", "50K", "75K", "100K", "125K", "150K", "175K", "200K", "225K"}},
        {-0.5, 0.5, {"-0.50", "-0.25", "0", "0.25", "0.50"}},
        {-1.5, -0.5, {"-1.50", "-1.25", "-1.00", "-0.75", "-0.50"}},
        {2000000, 30000000, {"5M", "10M", "15M", "20M", "25M", "30M"}},
        // Steps of 2.5 B labelled without decimals round to even, and zero reads "B" alone.
        {-20000000000.0, 0, {"-20B", "-18B", "-15B", "-12B", "-10B", "-8B", "-5B", "-2B", "B"}},
        {-150000, -100000, {"-150K", "-140K", "-130K", "-120K", "-110K", "-100K"}},
        // Thousands with decimals keep their unit.
        {99999.5, 100000.5, {"100.00K", "100.00K", "100.00K", "100.00K", "100.00K"}},
        // A span beyond the largest double has no step to count in: no labels at all.
        {-1.5e308, 1.5e308, {}},
    };
    for (const auto& c : cases) {
        RecordingCanvas canvas;
        PlotAxes(canvas, {kPen, kText, kBackground}, kSmallestPlot)
            .DrawValueAxis(Values(c.yMin, c.yMax));
        EXPECT_EQ(canvas.TextsIn(kText), c.labels) << "values " << c.yMin << " to " << c.yMax;
    }
}

TEST(PlotAxes, ValueLabelsSitRightAlignedOnTheirTicks) {
    RecordingCanvas canvas;
    const PlotAxes::ValueRange range = Values(-50, 250);
    PlotAxes(canvas, {kPen, kText, kBackground}, kSmallestPlot).DrawValueAxis(range);

    const auto& axis = canvas.lines.front();
    EXPECT_EQ(axis.x1, 59);
    EXPECT_EQ(axis.y1, 20);
    EXPECT_EQ(axis.x2, 59);
    EXPECT_EQ(axis.y2, 295);
    int majors = 0, minors = 0;
    for (const auto& line : canvas.lines) {
        if (line.x1 == 54 && line.x2 == 64) ++majors;
        if (line.x1 == 57 && line.x2 == 61) ++minors;
    }
    EXPECT_EQ(majors, 7);   // every 50 from -50 to 250
    EXPECT_EQ(minors, 24);  // every other 10
    for (const auto& label : canvas.texts) {
        EXPECT_EQ(label.x + static_cast<int>(label.text.size()) * RecordingCanvas::kCharWidth, 55)
            << label.text;
        EXPECT_EQ(label.background, kBackground);
    }
    // "0" is centred on the zero line, 250 × 275 / 300 = 229.17 pixels below the top.
    EXPECT_EQ(canvas.texts[1].text, "0");
    EXPECT_EQ(canvas.texts[1].y, 249 - RecordingCanvas::kTextHeight / 2);
}

TEST(PlotAxes, ValueTicksStayOnThePlotsHeight) {
    // Ranges of rounding noise, far narrower than the smallest step: no value of the
    // step lies inside, and nothing may be drawn above the plot or over the title.
    const struct {
        double yMin, yMax;
    } cases[] = {{1.6e-14, 2e-13}, {-1.06581e-12, -1.77636e-13}, {5.11591e-13, 1.87583e-12}};
    for (const auto& c : cases) {
        RecordingCanvas canvas;
        PlotAxes(canvas, {kPen, kText, kBackground}, kSmallestPlot)
            .DrawValueAxis(Values(c.yMin, c.yMax));
        for (const auto& line : canvas.lines) {
            EXPECT_GE(line.y1, 20) << "values " << c.yMin << " to " << c.yMax;
            EXPECT_LE(line.y2, 295) << "values " << c.yMin << " to " << c.yMax;
        }
        EXPECT_EQ(canvas.TextsIn(kText), Texts{}) << "values " << c.yMin << " to " << c.yMax;
    }
}

TEST(PlotAxes, PriceAxisLiesOnTheZeroLineOrTheNearerEdge) {
    const struct {
        double yMin, yMax;
        int h;
    } cases[] = {
        {-50, 250, 249},                  // the zero line
        {0, 240000, 295}, {10, 20, 295},  // all above 0: the bottom
        {-20, -10, 20},                   // all below 0: the top
        {-10, 0, 20},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PlotAxes::PriceAxisHeight(Values(c.yMin, c.yMax), kSmallestPlot), c.h)
            << "values " << c.yMin << " to " << c.yMax;
    }
}

// A price axis of 60 points from xMin to xMax over the 300 pixels of the plot.
PlotAxes::PriceRange Prices(double xMin, double xMax, double currentPrice = 100) {
    return {xMin, xMax, (xMax - xMin) / 60, 5, currentPrice, 60};
}

// A price or percent axis and the labels it should carry.
struct LabelCase {
    PlotAxes::PriceRange range;
    bool percent;
    Texts labels;
};

// Draws the axis of the case at y 249 and gives the labels written on it.
Texts DrawLabels(RecordingCanvas& canvas, const LabelCase& c) {
    PlotAxes axes(canvas, {kPen, kText, kBackground}, kSmallestPlot);
    if (c.percent)
        axes.DrawPercentAxis(c.range, 249);
    else
        axes.DrawPriceAxis(c.range, 249);
    return canvas.TextsIn(kText);
}

TEST(PlotAxes, PriceLabelsInPricesAndPercent) {
    const LabelCase cases[] = {
        // The label at the left edge would reach out of the plot and is left out.
        {Prices(10, 10.4),
         false,
         {"10.05", "10.10", "10.15", "10.20", "10.25", "10.30", "10.35", "10.40"}},
        {Prices(100 * std::exp(-0.6), 100 * std::exp(0.6)),
         false,
         {"75", "100", "125", "150", "175"}},
        {Prices(0, 40), false, {"5", "10", "15", "20", "25", "30", "35", "40"}},  // no "0"
        {Prices(90, 110), true, {"92%", "95%", "97%", "100%", "102%", "105%", "107%"}},
        {Prices(100 * std::exp(-0.6), 100 * std::exp(0.6)),
         true,
         {"75%", "100%", "125%", "150%", "175%"}},
        {Prices(100, 100), false, {}},  // no time to the graph date: no scale
        {Prices(100, 100), true, {}},
    };
    for (const auto& c : cases) {
        RecordingCanvas canvas;
        EXPECT_EQ(DrawLabels(canvas, c), c.labels)
            << "prices " << c.range.xMin << " to " << c.range.xMax << " percent " << c.percent;
        ASSERT_FALSE(canvas.lines.empty());
        EXPECT_EQ(canvas.lines[0].x1, 60);  // the axis line itself
        EXPECT_EQ(canvas.lines[0].x2, 360);
        EXPECT_EQ(canvas.lines[0].y1, 249);
    }
}

// A canvas whose font is wide enough that neighbouring percent labels would touch.
class WideFontCanvas : public RecordingCanvas {
  public:
    TextExtent MeasureText(const std::string& text) const override {
        return {static_cast<int>(text.size()) * 9, kTextHeight};
    }
};

TEST(PlotAxes, PriceLabelsThatWouldRunIntoTheirNeighbourAreLeftOut) {
    const LabelCase cases[] = {
        // Majors 33 pixels apart: "100%" is 36 wide, so every other label stands.
        {Prices(80, 125), true, {"90%", "100%", "110%", "120%"}},
        {Prices(80, 125), false, {"85", "90", "95", "100", "105", "110", "115", "120", "125"}},
    };
    for (const auto& c : cases) {
        WideFontCanvas canvas;
        EXPECT_EQ(DrawLabels(canvas, c), c.labels) << "percent " << c.percent;
    }
}

TEST(PlotAxes, PriceTicksStandAtTheirPricesPosition) {
    RecordingCanvas canvas;
    PlotAxes(canvas, {kPen, kText, kBackground}, kSmallestPlot)
        .DrawPriceAxis(Prices(10, 10.4), 100);
    std::vector<int> majors;
    for (const auto& line : canvas.lines)
        if (line.y1 == 95 && line.y2 == 105) majors.push_back(line.x1);
    // 0.05 apart is 37.5 pixels; offsets truncate, so each lies at most a pixel left.
    ASSERT_EQ(majors.size(), 9u);
    for (int k = 0; k < 9; ++k) {
        EXPECT_LE(majors[k], 60 + 37.5 * k) << "tick " << k;
        EXPECT_GT(majors[k], 60 + 37.5 * k - 2) << "tick " << k;
    }
    const auto& first = canvas.texts.front();  // "10.05", centred under x 97
    EXPECT_EQ(first.x, 97 - 15);
    EXPECT_EQ(first.y, 105);
}

}  // namespace
}  // namespace qx
