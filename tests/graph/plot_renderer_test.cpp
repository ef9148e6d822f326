#include "graph/plot_renderer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>

#include "graph/graph_fixtures.h"
#include "graph/graph_model.h"
#include "graph/plot_overlays.h"
#include "pricing/number_text.h"
#include "shell/settings.h"
#include "test_support/recording_canvas.h"

namespace qx {
namespace {

// Two options a month ahead on a position shown with NET and option 1.
class PlotRendererTest : public testing::Test {
  protected:
    PlotRendererTest()
        : rows{MakeCall(100, 90), MakePut(95, 60, Side::kSell, 2)},
          model(rows, MakeHolding(), settings),
          renderer(model, settings) {
        model.SetOptionSelected(1, true);
        model.SetDateOffset(30);
        model.Recompute();
    }

    Settings settings = WholeDaySettings();
    Option rows[4];
    GraphModel model;
    PlotRenderer renderer;
    RecordingCanvas canvas;
};

TEST_F(PlotRendererTest, TitleNamesTheQuantityAndTheAxis) {
    const struct {
        GraphType type;
        bool shareWeighted, weighted, profit, percent;
        const char* title;
    } cases[] = {
        {GraphType::ValueOrProfit, true, false, true, false,
         "Profit$/Loss$ on Position vs. Price$"},
        {GraphType::ValueOrProfit, true, false, false, false, "Value of Option(s) vs. Price$"},
        {GraphType::ValueOrProfit, false, true, true, true,
         "Probability Weighted Profit$/Loss$ vs. % of Current Price$"},
        {GraphType::Delta, true, false, true, false, "Share Weighted Delta vs. Price$"},
        {GraphType::Gamma, false, false, true, false, "Black-Scholes Gamma vs. Price$"},
        {GraphType::Theta, false, true, false, true, "Black-Scholes Theta vs. % of Current Price$"},
        {GraphType::Vega, true, false, true, false, "Share Weighted Vega vs. Price$"},
        {GraphType::Rho, true, false, true, true, "Share Weighted Rho vs. % of Current Price$"},
    };
    for (const auto& c : cases) {
        model.SetGraphType(c.type);
        settings.shareWeighted = c.shareWeighted;
        settings.probabilityWeighted = c.weighted;
        settings.showProfit = c.profit;
        settings.percentScaled = c.percent;
        EXPECT_EQ(renderer.Title(), c.title) << "type " << static_cast<int>(c.type);
    }
}

TEST_F(PlotRendererTest, TitleIsCentredUnderThePlot) {
    renderer.DrawPicture(canvas);
    const auto titles = canvas.TextsIn(settings.titleColor);
    ASSERT_EQ(titles.size(), 1u);
    const auto& title = *std::find_if(canvas.texts.begin(), canvas.texts.end(), [&](const auto& t) {
        return t.color == settings.titleColor;
    });
    EXPECT_EQ(title.text, "Profit$/Loss$ on Position vs. Price$");
    EXPECT_EQ(title.x, (382 - 6 * 36) / 2);
    EXPECT_EQ(title.y, 320);
    EXPECT_EQ(title.background, settings.backgroundColor);
}

// The readout reads each shown curve at the price under the mouse, whatever its height:
// on a curve point (every 5 pixels at 60 points) the point's own value.
TEST_F(PlotRendererTest, ReadoutGivesEachCurvesValueAtThePriceUnderTheMouse) {
    const auto amount = [](double v) {
        const std::string text = NumberText(v, 2, false);
        return text.empty() ? std::string("0") : text;
    };
    ASSERT_EQ(model.GetPointCount(), 60);
    ASSERT_EQ(model.GetDateCount(), 2);  // the slider's date and the expiration
    const std::string expiration = DateLabel(model, 1, settings.dateFormat).substr(0, 10);
    for (int j : {0, 17, 59}) {
        const int px = 60 + 5 * j;
        const std::string expected =
            "Price$ : " + NumberText(model.GetXMin() + j * model.GetXStep(), 2, false) +
            "    NET : " + amount(model.GetCurve(0, j)) +
            "    Option 1 : " + amount(model.GetCurve(1, j)) + "    " + expiration + " : " +
            amount(model.GetCurve(1, 0, j));
        for (int py : {20, 150, 294})
            EXPECT_EQ(renderer.Readout(px, py), expected) << "at " << px << ", " << py;
    }
    for (const auto& outside : {std::pair{59, 100}, {360, 100}, {100, 19}, {100, 295}})
        EXPECT_EQ(renderer.Readout(outside.first, outside.second), "");
    // The percent view gives the price in percent of today's (50), as its axis does.
    settings.percentScaled = true;
    Option half[4] = {MakeCall(50, 90)};
    half[0].SetUnderlyingPrice(50);
    GraphModel percent(half, Stock(), settings);
    percent.SetDateOffset(30);
    percent.Recompute();
    const std::string text = PlotRenderer(percent, settings).Readout(60, 100);
    EXPECT_EQ(text.rfind("Price% : " + NumberText(percent.GetXMin() * 2, 2, false) + "    NET", 0),
              0u)
        << text;
}

// The arrow keys walk the crosshair a point at a time, onto the first curve shown.
TEST_F(PlotRendererTest, CrosshairStepsAlongTheCurveFromTodaysPrice) {
    EXPECT_TRUE(renderer.StepCrosshair(1));
    const int start = renderer.GetCrosshairX();
    const int today = 60 + static_cast<int>((100 - model.GetXMin()) / model.GetXStep() * 5);
    EXPECT_EQ(start, today);
    renderer.StepCrosshair(3);
    EXPECT_EQ(renderer.GetCrosshairX(), start + 15);
    const int j = (renderer.GetCrosshairX() - 60) / 5;
    const int y = renderer.GetCrosshairY() - 20;
    EXPECT_GE(y, std::min(model.GetPixelRow(0, j), model.GetPixelRow(0, j + 1)) - 1);
    EXPECT_LE(y, std::max(model.GetPixelRow(0, j), model.GetPixelRow(0, j + 1)) + 1);
    renderer.StepCrosshair(-1000);
    EXPECT_EQ(renderer.GetCrosshairX(), 60);
    renderer.StepCrosshair(1000);
    EXPECT_EQ(renderer.GetCrosshairX(), 359);
}

// At any picture size the title, the last curve point, the legend, the readout and the
// crosshair follow the plot area, and the text keeps its size.
TEST_F(PlotRendererTest, EveryPartFollowsThePlotAreaAtAnySize) {
    for (const auto& [width, height] : {std::pair{382, 344}, {900, 700}, {1400, 400}}) {
        SCOPED_TRACE(std::to_string(width) + " x " + std::to_string(height));
        model.SetPictureSize(width, height);
        const PlotGeometry& g = model.GetGeometry();
        canvas.Reset();
        renderer.DrawPicture(canvas);
        const auto fill = canvas.fills.front();
        EXPECT_EQ(fill.width, width);
        EXPECT_EQ(fill.height, height);
        const auto title =
            std::find_if(canvas.texts.begin(), canvas.texts.end(),
                         [&](const auto& t) { return t.color == settings.titleColor; });
        EXPECT_EQ(title->x, (width - 6 * 36) / 2);
        EXPECT_EQ(title->y, height - 24);
        const auto band = std::find_if(canvas.fills.begin(), canvas.fills.end(),
                                       [&](const auto& f) { return f.y == g.plotTop; });
        ASSERT_NE(band, canvas.fills.end()) << "the expected move's band";
        EXPECT_EQ(band->height, g.PlotHeight());
        const auto strokes = canvas.LinesIn(settings.plotColors[1]);
        EXPECT_EQ(strokes.back().x2, PlotRenderer::PointX(model, 59));
        EXPECT_GT(strokes.back().x2, g.plotRight - model.GetPixelStep());
        const auto legend = canvas.TextsIn(settings.scaleTextColor).back();
        EXPECT_EQ(legend, DateLabel(model, 1, settings.dateFormat));
        const auto named = std::find_if(canvas.texts.begin(), canvas.texts.end(),
                                        [&](const auto& t) { return t.text == legend; });
        EXPECT_EQ(named->x + 6 * static_cast<int>(legend.size()) + 4 + 2, g.plotRight);
        // Point 30 stands at the middle of the plot, on a whole pixel at these widths.
        EXPECT_NE(renderer.Readout(g.plotLeft + g.PlotWidth() / 2, g.plotBottom - 1)
                      .find("Option 1 : " + NumberText(model.GetCurve(1, 30), 2, false)),
                  std::string::npos);
        renderer.StepCrosshair(1);
        renderer.StepCrosshair(1000);
        EXPECT_EQ(renderer.GetCrosshairX(), g.plotRight - 1);
        renderer.ClearCrosshair();
    }
}

TEST_F(PlotRendererTest, PictureStartsWithTheBackground) {
    settings.backgroundColor = Rgb(10, 20, 30);
    renderer.DrawPicture(canvas);
    ASSERT_FALSE(canvas.fills.empty());
    const auto& fill = canvas.fills.front();
    EXPECT_EQ(fill.x, 1);
    EXPECT_EQ(fill.y, 1);
    EXPECT_EQ(fill.width, 382);
    EXPECT_EQ(fill.height, 344);
    EXPECT_EQ(fill.color, Rgb(10, 20, 30));
}

TEST_F(PlotRendererTest, NothingSelectedLeavesTheBackgroundAlone) {
    model.SetNetSelected(false);
    model.SetOptionSelected(1, false);
    model.SetStockSelected(true);  // the holding alone does not count
    model.Recompute();
    renderer.DrawPicture(canvas);
    EXPECT_EQ(canvas.fills.size(), 1u);
    EXPECT_TRUE(canvas.lines.empty());
    EXPECT_TRUE(canvas.texts.empty());
}

// Each further date is drawn first, in its shade, and named in the legend.
TEST_F(PlotRendererTest, OtherDatesAreDrawnInShadesAndNamedInTheLegend) {
    renderer.DrawPicture(canvas);
    const std::uint32_t shade = DateShade(settings.plotColors[0], settings.backgroundColor, 1);
    ASSERT_NE(shade, settings.plotColors[0]);
    EXPECT_EQ(canvas.LinesIn(shade).size(), static_cast<size_t>(model.GetPointCount() - 1 + 2));
    EXPECT_EQ(canvas.TextsIn(settings.scaleTextColor).back(),
              DateLabel(model, 1, settings.dateFormat));
    EXPECT_NE(DateLabel(model, 1, settings.dateFormat).find(" (expiration)"), std::string::npos);
}

TEST_F(PlotRendererTest, CurvesAreDrawnInOrderWithTheirPens) {
    settings.showExpiration = false;
    model.SetStockSelected(true);
    model.Recompute();
    renderer.DrawPicture(canvas);
    const std::uint32_t net = settings.plotColors[0];
    const std::uint32_t option1 = settings.plotColors[1];
    const std::uint32_t holding = settings.plotColors[5];
    const int N = model.GetPointCount();
    for (const std::uint32_t pen : {net, option1, holding})
        EXPECT_EQ(canvas.LinesIn(pen).size(), static_cast<size_t>(N - 1)) << "pen " << pen;
    EXPECT_TRUE(canvas.LinesIn(settings.plotColors[2]).empty());  // option 2 not shown

    // NET first, then option 1, then the holding.
    const auto firstIn = [&](std::uint32_t pen) {
        for (size_t i = 0; i < canvas.lines.size(); ++i)
            if (canvas.lines[i].color == pen) return i;
        return canvas.lines.size();
    };
    EXPECT_LT(firstIn(net), firstIn(option1));
    EXPECT_LT(firstIn(option1), firstIn(holding));
}

TEST_F(PlotRendererTest, CurvePointsStandOnePixelRightOfTheEvenSpacing) {
    renderer.DrawPicture(canvas);
    const auto strokes = canvas.LinesIn(settings.plotColors[1]);
    ASSERT_EQ(strokes.size(), 59u);
    EXPECT_EQ(strokes[0].x1, 60);
    EXPECT_EQ(strokes[0].y1, model.GetPixelRow(1, 0) + 20);
    for (int j = 1; j < 60; ++j) {
        EXPECT_EQ(strokes[j - 1].x2, j * 5 + 61) << "point " << j;
        EXPECT_EQ(strokes[j - 1].y2, model.GetPixelRow(1, j) + 20) << "point " << j;
    }
    for (const auto& stroke : strokes) {
        EXPECT_GE(stroke.y1, 20);
        EXPECT_LE(stroke.y1, 295);
    }
}

TEST_F(PlotRendererTest, LargestPositionIsDrawnWholeInsideThePlot) {
    GraphModel largest = LargestModel();
    largest.RecomputeCurves();
    PlotRenderer drawing(largest, largest.GetSettings());
    drawing.DrawPicture(canvas);

    const auto strokes = canvas.LinesIn(largest.GetSettings().plotColors[1]);
    EXPECT_EQ(strokes.size(), static_cast<size_t>(largest.GetPointCount() - 1));
    for (const auto& stroke : strokes) {
        EXPECT_GE(stroke.y2, 20);
        EXPECT_LE(stroke.y2, 295);
    }
}

TEST_F(PlotRendererTest, PensChangeOnlyWhenCreatedAgain) {
    settings.showExpiration = false;
    model.Recompute();
    settings.plotColors[0] = Rgb(1, 2, 3);
    renderer.DrawPicture(canvas);
    EXPECT_TRUE(canvas.LinesIn(Rgb(1, 2, 3)).empty());

    renderer.CreatePens();
    canvas.Reset();
    renderer.DrawPicture(canvas);
    EXPECT_EQ(canvas.LinesIn(Rgb(1, 2, 3)).size(), 59u);
}

TEST_F(PlotRendererTest, CrosshairIsDrawnOverThePictureNotIntoIt) {
    settings.crosshairColor = Rgb(9, 9, 9);
    renderer.CreatePens();
    EXPECT_TRUE(renderer.DrawCrosshair(100, 150));
    EXPECT_TRUE(renderer.IsCrosshairShown());

    RecordingCanvas screen;
    renderer.DrawCrosshairLines(screen);
    ASSERT_EQ(screen.lines.size(), 2u);
    EXPECT_EQ(screen.lines[0].x1, 100);
    EXPECT_EQ(screen.lines[0].y1, 20);
    EXPECT_EQ(screen.lines[0].x2, 100);
    EXPECT_EQ(screen.lines[0].y2, 295);
    EXPECT_EQ(screen.lines[1].x1, 60);
    EXPECT_EQ(screen.lines[1].y1, 150);
    EXPECT_EQ(screen.lines[1].x2, 360);
    EXPECT_EQ(screen.lines[1].y2, 150);
    EXPECT_EQ(screen.lines[1].color, Rgb(9, 9, 9));

    renderer.DrawPicture(canvas);  // a new picture hides the crosshair
    EXPECT_FALSE(renderer.IsCrosshairShown());
    EXPECT_TRUE(canvas.LinesIn(Rgb(9, 9, 9)).empty());
}

TEST_F(PlotRendererTest, CrosshairStaysInsideThePlotArea) {
    const struct {
        int px, py;
        bool shown;
    } cases[] = {{60, 20, true},    {359, 294, true}, {59, 100, false},
                 {360, 100, false}, {100, 19, false}, {100, 295, false}};
    for (const auto& c : cases) {
        renderer.ClearCrosshair();
        EXPECT_EQ(renderer.DrawCrosshair(c.px, c.py), c.shown) << c.px << ", " << c.py;
        EXPECT_EQ(renderer.IsCrosshairShown(), c.shown) << c.px << ", " << c.py;
    }
}

}  // namespace
}  // namespace qx
