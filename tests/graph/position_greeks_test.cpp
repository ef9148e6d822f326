#include "graph/position_greeks.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "graph/graph_fixtures.h"
#include "graph/graph_model.h"
#include "graph/print_page.h"
#include "graph/signed_greeks.h"
#include "shell/settings.h"

namespace qx {
namespace {

// The NET Greeks at today's price 100: a covered call's delta nets out the shares, a
// short strangle earns from time and loses from volatility, an expired leg adds only its
// payoff's delta.
TEST(PositionGreeks, SumTheSignedLegsAndTheHoldingAtTodaysPrice) {
    Settings settings = WholeDaySettings();
    Option call = MakeCall(100, 30);
    call.SetDaysLeft(20);
    const double callDelta = call.Delta(true);

    Option covered[4] = {MakeCall(100, 30, Side::kSell)};
    GraphModel coveredModel(covered, MakeHolding(), settings);
    coveredModel.SetDateOffset(10);
    PositionGreeks g;
    g.Compute(coveredModel);
    EXPECT_DOUBLE_EQ(g.GetDelta(), 100 - callDelta);
    EXPECT_LT(g.GetGamma(), 0);
    EXPECT_GT(g.GetTheta(), 0);

    Option strangle[4] = {MakePut(95, 30, Side::kSell), MakeCall(105, 30, Side::kSell)};
    GraphModel strangleModel(strangle, Stock(), settings);
    strangleModel.SetDateOffset(10);
    g.Compute(strangleModel);
    EXPECT_GT(g.GetTheta(), 0);
    EXPECT_LT(g.GetVega(), 0);

    // At the nearest expiration the 30-day call is in the money by its payoff only.
    Option expiring[4] = {MakeCall(90, 30, Side::kSell), MakePut(95, 60)};
    GraphModel expiringModel(expiring, Stock(), settings);
    expiringModel.SetDateOffset(30);
    g.Compute(expiringModel);
    Option put = MakePut(95, 30);
    EXPECT_DOUBLE_EQ(g.GetDelta(), -100 + put.Delta(true));
    EXPECT_DOUBLE_EQ(g.GetGamma(), put.Gamma(true));
    EXPECT_EQ(g.Text(2).rfind("Delta ", 0), 0u);
    EXPECT_NE(g.Text(2).find("   Theta/day "), std::string::npos) << g.Text(2);
}

TEST(PrintPage, PaperIsWhiteWithDarkCurvesUnlessTheScreensColoursAreAsked) {
    Settings screen;
    screen.backgroundColor = Rgb(0, 0, 0);
    screen.plotColors[2] = Rgb(255, 255, 0);  // yellow, unreadable on white
    const Settings paper = PrintSettings(screen);
    EXPECT_EQ(paper.backgroundColor, Rgb(255, 255, 255));
    EXPECT_EQ(paper.scaleTextColor, Rgb(0, 0, 0));
    EXPECT_EQ(paper.plotColors[0], screen.plotColors[0]) << "dark blue stays";
    const ColorRef yellow = paper.plotColors[2];
    EXPECT_EQ(yellow & 0xff, (yellow >> 8) & 0xff) << "the hue stays";
    EXPECT_LE(yellow & 0xff, 128);
    screen.printScreenColors = true;
    EXPECT_EQ(PrintSettings(screen).backgroundColor, Rgb(0, 0, 0));
}

TEST(PrintPage, HeaderNamesThePositionLegByLeg) {
    Settings settings = WholeDaySettings();
    Option rows[4] = {MakeCall(100, 30, Side::kBuy, 2)};
    rows[0].SetPrice(3.5);
    rows[0].SetDates(CTime(2026, 12, 9), CTime(2027, 2, 19));
    Stock holding = MakeHolding();
    holding.SetSymbol("XYZ");
    GraphModel model(rows, holding, settings);
    const std::vector<std::string> lines =
        PrintHeader(model, "position.opt", {"Break-even 103.50", ""}, settings);
    const std::vector<std::string> expected = {"position.opt", "XYZ   Valued 12/09/2026",
                                               "Buy 2 Feb 2027 100 calls at 3.50",
                                               "Buy 100 units at 95.00", "Break-even 103.50"};
    EXPECT_EQ(lines, expected);
}

// A kept picture's summary rows: items packed while they fit, each line break a new row.
TEST(PrintPage, SummaryLinesFitTheWidthItemByItem) {
    const auto measure = [](const std::string& text) { return static_cast<int>(text.size()); };
    const struct {
        std::vector<std::string> lines;
        int width;
        std::vector<std::string> rows;
    } cases[] = {
        {{"Break-even 97.02   Max profit 885.97", ""},
         40,
         {"Break-even 97.02   Max profit 885.97"}},
        {{"Break-even 97.02   Max profit 885.97   Max loss 9550.00"},
         40,
         {"Break-even 97.02   Max profit 885.97", "Max loss 9550.00"}},
        {{"Delta 63.84   Gamma -3.5709", "A line wider than the whole row"},
         10,
         {"Delta 63.84", "Gamma -3.5709", "A line wider than the whole row"}},
        {{"Max loss 0.20\nReference: Max loss 1.00"},
         80,
         {"Max loss 0.20", "Reference: Max loss 1.00"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FitToWidth(c.lines, c.width, measure), c.rows) << c.lines[0];
}

}  // namespace
}  // namespace qx
