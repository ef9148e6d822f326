#include "graph/plot_renderer.h"

#include <gtest/gtest.h>

#include <string>

#include "graph/graph_fixtures.h"
#include "graph/graph_model.h"
#include "pricing/number_text.h"
#include "shell/settings.h"
#include "test_support/recording_canvas.h"

namespace qx {
namespace {

// Two options a month ahead on a position shown with NET and option 1.
class PlotRendererTest : public testing::Test {
  protected:
    PlotRendererTest()
        : rows{MakeOption(kCall, 100, 90), MakeOption(kPut, 95, 60, kSell, 2)},
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
    const auto& title = canvas.texts.front();
    EXPECT_EQ(title.text, "Profit$/Loss$ on Position vs. Price$");
    EXPECT_EQ(title.x, (382 - 6 * 36) / 2);
    EXPECT_EQ(title.y, 320);
    EXPECT_EQ(title.background, settings.backgroundColor);
}

TEST_F(PlotRendererTest, ReadoutAtThePlotsEdges) {
    const std::string xMin = NumberText(model.GetXMin(), 2, false);
    const std::string yMax = NumberText(model.GetYMax(), 2, false);
    const std::string yLow = NumberText(model.GetYMax() - 274 / model.GetYScale(), 2, false);
    const std::string xHigh =
        NumberText(model.GetXMin() + 299 / model.GetPixelStep() * model.GetXStep(), 2, false);
    const struct {
        int px, py;
        std::string text;
    } cases[] = {
        {60, 20, "Price$ : " + xMin + "          Profit$ : " + yMax},
        {359, 294, "Price$ : " + xHigh + "          Profit$ : " + yLow},
        {59, 100, ""},
        {360, 100, ""},
        {100, 19, ""},
        {100, 295, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(renderer.Readout(c.px, c.py), c.text) << "at " << c.px << ", " << c.py;
}

TEST_F(PlotRendererTest, ReadoutNamesTheQuantityPlotted) {
    const struct {
        GraphType type;
        bool weighted, profit, percent;
        const char* label;
        const char* price;
    } cases[] = {
        {GraphType::ValueOrProfit, false, true, false, "          Profit$ : ", "Price$ : "},
        {GraphType::ValueOrProfit, true, false, false, "          Profit$ : ", "Price$ : "},
        {GraphType::ValueOrProfit, false, false, true, "          Value$ : ", "Price% : "},
        {GraphType::Gamma, false, true, false, "          Gamma : ", "Price$ : "},
        {GraphType::Delta, false, true, false, "          Delta : ", "Price$ : "},
        {GraphType::Theta, false, true, false, "          Theta : ", "Price$ : "},
        {GraphType::Vega, false, true, false, "          Vega : ", "Price$ : "},
        {GraphType::Rho, false, true, false, "          Rho : ", "Price$ : "},
    };
    for (const auto& c : cases) {
        model.SetGraphType(c.type);
        settings.probabilityWeighted = c.weighted;
        settings.showProfit = c.profit;
        settings.percentScaled = c.percent;
        const std::string text = renderer.Readout(200, 100);
        EXPECT_EQ(text.rfind(c.price, 0), 0u) << text;
        EXPECT_NE(text.find(c.label), std::string::npos) << text;
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

TEST_F(PlotRendererTest, CurvesAreDrawnInOrderWithTheirPens) {
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
