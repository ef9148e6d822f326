#include "graph/position_reference.h"

#include <gtest/gtest.h>

#include <memory>

#include "graph/graph_fixtures.h"
#include "graph/graph_window_model.h"
#include "graph/reference_store.h"
#include "test_support/recording_canvas.h"
#include "test_support/recording_desktop.h"
#include "test_support/recording_messages.h"

namespace qx {
namespace {

using G = GraphCommand;

// A short 100 call rolled up to a 110 call: graph windows over either, of one document.
class PositionReferenceTest : public testing::Test {
  protected:
    PositionReferenceTest() {
        before[0] = MakeCall(100, 30, Side::kSell);
        after[0] = MakeCall(110, 60, Side::kSell);
        after[0].SetPrice(3);
    }

    GraphWindowModel& Window(const Option (&rows)[4], const std::string& document = "a.opt") {
        windows.push_back(
            std::make_unique<GraphWindowModel>(rows, Stock(), settings, messages, desktop));
        windows.back()->AttachReference(store, document);
        EXPECT_TRUE(windows.back()->Open());
        return *windows.back();
    }

    Settings settings = WholeDaySettings();
    RecordingMessages messages;
    RecordingDesktop desktop;
    ReferenceStore store;
    Option before[4];
    Option after[4];
    std::vector<std::unique_ptr<GraphWindowModel>> windows;
};

TEST_F(PositionReferenceTest, LaterWindowsOfTheDocumentDrawTheKeptPosition) {
    GraphWindowModel& first = Window(before);
    EXPECT_FALSE(first.GetMenuItem(G::kClearReference).enabled);
    first.Command(G::kKeepReference);
    EXPECT_TRUE(first.GetMenuItem(G::kClearReference).enabled);
    EXPECT_FALSE(first.GetReference().IsShown()) << "the window kept it, it does not draw it";

    EXPECT_TRUE(Window(after).GetReference().IsShown());
    EXPECT_FALSE(Window(after, "b.opt").GetReference().IsShown()) << "another document";
    Window(after).Command(G::kClearReference);
    EXPECT_FALSE(windows.back()->GetReference().IsShown());
    EXPECT_FALSE(Window(after).GetReference().IsShown()) << "opened after Clear Reference";
}

TEST_F(PositionReferenceTest, TheSamePositionDiffersByNothingAtEveryDateAndVolatility) {
    Window(before).Command(G::kKeepReference);
    GraphWindowModel& again = Window(before);
    again.Command(G::kShowDifference);
    for (int volatility : {30, 45, 12}) {
        again.MoveSlider(GraphControl::kVolatilitySlider, volatility);
        again.MoveSlider(GraphControl::kDateSlider, volatility / 3);
        const GraphModel& model = again.GetModel();
        for (int i = 0; i < model.GetPointCount(); ++i)
            ASSERT_EQ(again.GetReference().GetDifference(i), 0) << volatility << " at " << i;
    }
}

TEST_F(PositionReferenceTest, TheRangeHoldsTheReferenceAndItsSummaryFollows) {
    Window(before).Command(G::kKeepReference);
    GraphWindowModel& rolled = Window(after);
    const GraphModel& model = rolled.GetModel();
    const PositionReference& reference = rolled.GetReference();
    bool differs = false;
    for (int i = 0; i < model.GetPointCount(); ++i) {
        EXPECT_LE(reference.GetNet(i), model.GetYMax() + 1e-9) << i;
        EXPECT_GE(reference.GetNet(i), model.GetYMin() - 1e-9) << i;
        differs = differs || reference.GetNet(i) != model.GetCurve(GraphModel::kNetCurve, i);
    }
    EXPECT_TRUE(differs);
    const std::string summary = rolled.GetControl(GraphControl::kSummary).text;
    EXPECT_NE(summary.find("\nReference: Break-even"), std::string::npos) << summary;
}

TEST_F(PositionReferenceTest, DrawsTheReferenceDashedInItsOwnColour) {
    Window(before).Command(G::kKeepReference);
    GraphWindowModel& rolled = Window(after);
    RecordingCanvas canvas;
    rolled.DrawPicture(canvas);
    const auto strokes = canvas.LinesIn(PositionReference::kReferenceColor);
    const int points = rolled.GetModel().GetPointCount();
    EXPECT_GT(static_cast<int>(strokes.size()), points / 4);
    EXPECT_LT(static_cast<int>(strokes.size()), points * 3 / 4)
        << "every other stretch is left out";
    EXPECT_EQ(canvas.LinesIn(PositionReference::kDifferenceColor).size(), 0u);
    rolled.Command(G::kShowDifference);
    canvas.lines.clear();
    rolled.DrawPicture(canvas);
    EXPECT_EQ(static_cast<int>(canvas.LinesIn(PositionReference::kDifferenceColor).size()),
              points - 1);
}

}  // namespace
}  // namespace qx
