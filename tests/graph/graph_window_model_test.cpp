#include "graph/graph_window_model.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "graph/graph_fixtures.h"
#include "graph/position_summary.h"
#include "shell/settings.h"
#include "test_support/help_failures.h"
#include "test_support/recording_canvas.h"
#include "test_support/recording_desktop.h"
#include "test_support/recording_messages.h"
#include "test_support/time_zone.h"

namespace qx {
namespace {

using C = GraphControl;

// A graph window over the editor's four rows; rows left empty have no side.
class GraphWindowModelTest : public testing::Test {
  protected:
    GraphWindowModelTest() {
        // Valued 1 March 2000; the options expire 30, 60 and 90 days later.
        const CTime valuation(2000, 3, 1);
        rows[0] = MakeCall(100, 0);
        rows[0].SetDates(valuation, valuation.AddDays(29));
        rows[1] = MakePut(95, 0, Side::kSell, 2);
        rows[1].SetDates(valuation, valuation.AddDays(59));
    }

    GraphWindowModel& OpenWindow() {
        window.reset(new GraphWindowModel(rows, holding, settings, messages, desktop));
        opened = window->Open();
        return *window;
    }

    const Control& Ctl(C control) const { return window->GetControl(control); }
    const GraphModel& Model() const { return window->GetModel(); }

    ScopedTimeZone zone{"UTC"};
    Settings settings = WholeDaySettings();
    Option rows[4];
    Stock holding = MakeHolding();
    RecordingMessages messages;
    RecordingDesktop desktop;
    std::unique_ptr<GraphWindowModel> window;
    bool opened = false;
};

TEST_F(GraphWindowModelTest, OpensWithOptionsOneAndTwoOfFour) {
    OpenWindow();
    ASSERT_TRUE(opened);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_TRUE(Ctl(C::kNetBox).checked);
    EXPECT_EQ(Ctl(C::kOption1Box).text, rows[0].TradeDescription());
    EXPECT_EQ(Ctl(C::kOption1Box).text, "Buy 1 Mar 2000 100 call");
    EXPECT_EQ(Ctl(C::kOption2Box).text, "Sell 2 Apr 2000 95 puts");
    EXPECT_TRUE(Ctl(C::kOption2Box).enabled);
    EXPECT_EQ(Ctl(C::kOption3Box).text, "Option 3");
    EXPECT_FALSE(Ctl(C::kOption3Box).enabled);
    EXPECT_EQ(Ctl(C::kOption4Box).text, "Option 4");
    EXPECT_FALSE(Ctl(C::kOption4Box).enabled);
    EXPECT_EQ(Model().GetSelectedCount(), 1);
    EXPECT_EQ(Model().GetGraphType(), GraphType::ValueOrProfit);

    // At the nearest expiration: option 1's 30 days.
    const Control& date = Ctl(C::kDateSlider);
    EXPECT_EQ(date.minimum, 1);
    EXPECT_EQ(date.maximum, 30);
    EXPECT_EQ(date.position, 30);
    EXPECT_EQ(Model().GetDateOffset(), 30);
    EXPECT_EQ(Model().GetOption(2).GetDaysLeft(), 30);
    EXPECT_EQ(Ctl(C::kDateText).text, "03/31/2000");

    const Control& volatility = Ctl(C::kVolatilitySlider);
    EXPECT_EQ(volatility.minimum, 1);
    EXPECT_EQ(volatility.maximum, 500);
    EXPECT_EQ(volatility.position, 30);
    EXPECT_EQ(Ctl(C::kVolatilityText).text, "0.300");
    const Control& drift = Ctl(C::kDriftSlider);
    EXPECT_EQ(drift.minimum, 50);
    EXPECT_EQ(drift.maximum, 150);
    EXPECT_EQ(drift.position, 100);
    EXPECT_EQ(Ctl(C::kDriftText).text, "0.0%");
    EXPECT_TRUE(window->IsPictureStale());
}

TEST_F(GraphWindowModelTest, OnlyOptionTwoIsShownAsOptionOne) {
    rows[0] = Option();
    OpenWindow();
    ASSERT_TRUE(opened);
    EXPECT_EQ(Ctl(C::kOption1Box).text, "Sell 2 Apr 2000 95 puts");
    EXPECT_EQ(Ctl(C::kOption2Box).text, "Option 2");
    EXPECT_FALSE(Ctl(C::kOption2Box).enabled);
    EXPECT_EQ(Ctl(C::kDateSlider).maximum, 60);
    EXPECT_EQ(Ctl(C::kDateText).text, "04/30/2000");
}

TEST_F(GraphWindowModelTest, RefusesToOpenWithoutOptions) {
    rows[0] = Option();
    rows[1] = Option();
    OpenWindow();
    EXPECT_FALSE(opened);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text,
              "You must have one or more options entered in the editor\n"
              "if in basic mode.  If in advanced mode, choose the graph\n"
              "option from the trade sheet.");
    EXPECT_EQ(messages.shown[0].caption, "Brantovelium");
    EXPECT_FALSE(messages.shown[0].question);
}

TEST_F(GraphWindowModelTest, MenuMarksFollowTheSettingsAtOpening) {
    const struct {
        bool shareWeighted, weighted, profit, percent;
    } cases[] = {{true, false, true, false}, {false, true, false, true}};
    for (const auto& c : cases) {
        settings.shareWeighted = c.shareWeighted;
        settings.probabilityWeighted = c.weighted;
        settings.showProfit = c.profit;
        settings.percentScaled = c.percent;
        OpenWindow();
        EXPECT_EQ(window->GetMenuItem(GraphCommand::kShareWeighted).checked, c.shareWeighted);
        EXPECT_EQ(window->GetMenuItem(GraphCommand::kProbabilityWeighted).checked, c.weighted);
        EXPECT_EQ(window->GetMenuItem(GraphCommand::kShowProfit).checked, c.profit);
        EXPECT_EQ(window->GetMenuItem(GraphCommand::kShowValue).checked, !c.profit);
        EXPECT_EQ(window->GetMenuItem(GraphCommand::kShowValue).mark, MenuMark::kRadio);
        EXPECT_EQ(window->GetMenuItem(GraphCommand::kPercentScaled).checked, c.percent);
        EXPECT_FALSE(window->GetMenuItem(GraphCommand::kPrint).checked);
    }
}

TEST_F(GraphWindowModelTest, HoldingBoxFollowsTheHoldingRule) {
    OpenWindow();
    EXPECT_TRUE(Ctl(C::kStockBox).enabled);
    window->ClickButton(C::kStockBox);
    EXPECT_TRUE(Ctl(C::kStockBox).checked);
    EXPECT_TRUE(Model().IsStockSelected());
    EXPECT_EQ(Model().GetSelectedCount(), 1);  // the holding is not counted

    window->Command(GraphCommand::kShowValue);
    EXPECT_FALSE(settings.showProfit);
    EXPECT_FALSE(Ctl(C::kStockBox).checked);
    EXPECT_FALSE(Ctl(C::kStockBox).enabled);
    EXPECT_FALSE(Model().IsStockSelected());
    EXPECT_TRUE(window->GetMenuItem(GraphCommand::kShowValue).checked);
    EXPECT_FALSE(window->GetMenuItem(GraphCommand::kShowProfit).checked);

    window->Command(GraphCommand::kShowProfit);
    EXPECT_TRUE(Ctl(C::kStockBox).enabled);
    EXPECT_FALSE(Ctl(C::kStockBox).checked);

    window->ClickButton(C::kThetaBox);  // a Greek has no holding curve
    EXPECT_FALSE(Ctl(C::kStockBox).enabled);
}

TEST_F(GraphWindowModelTest, HoldingBoxIsDisabledWithoutAHolding) {
    holding = Stock();
    OpenWindow();
    EXPECT_FALSE(Ctl(C::kStockBox).enabled);
    window->ClickButton(C::kStockBox);
    EXPECT_FALSE(Ctl(C::kStockBox).checked);
    EXPECT_FALSE(Model().IsStockSelected());
}

TEST_F(GraphWindowModelTest, NothingSelectedBlanksThePictureAndTheDate) {
    OpenWindow();
    window->ClickButton(C::kNetBox);
    EXPECT_EQ(Model().GetSelectedCount(), 0);
    EXPECT_FALSE(Ctl(C::kDateSlider).enabled);
    EXPECT_EQ(Ctl(C::kDateText).text, "");
    window->ClickButton(C::kStockBox);  // the holding alone changes nothing
    EXPECT_FALSE(Ctl(C::kDateSlider).enabled);

    RecordingCanvas picture;
    window->DrawPicture(picture);
    EXPECT_EQ(picture.fills.size(), 1u);
    EXPECT_TRUE(picture.lines.empty());
    window->MouseMove(400, 200, 0);
    EXPECT_EQ(Ctl(C::kReadout).text, "");

    window->ClickButton(C::kOption2Box);  // option 2 alone: its expiration bounds the date
    EXPECT_TRUE(Ctl(C::kDateSlider).enabled);
    EXPECT_EQ(Ctl(C::kDateSlider).maximum, 60);
    EXPECT_EQ(Ctl(C::kDateText).text, "03/31/2000");
}

TEST_F(GraphWindowModelTest, GreekBoxesActAsAGroupThatMayBeEmpty) {
    OpenWindow();
    window->ClickButton(C::kDeltaBox);
    EXPECT_EQ(Model().GetGraphType(), GraphType::Delta);
    // A Greek keeps a day on every option: the date moves back from 30 to 29.
    EXPECT_EQ(Ctl(C::kDateSlider).maximum, 29);
    EXPECT_EQ(Ctl(C::kDateSlider).position, 29);
    EXPECT_EQ(Ctl(C::kDateText).text, "03/30/2000");

    window->ClickButton(C::kGammaBox);
    EXPECT_FALSE(Ctl(C::kDeltaBox).checked);
    EXPECT_TRUE(Ctl(C::kGammaBox).checked);
    EXPECT_EQ(Model().GetGraphType(), GraphType::Gamma);

    window->ClickButton(C::kGammaBox);
    EXPECT_FALSE(Ctl(C::kGammaBox).checked);
    EXPECT_EQ(Model().GetGraphType(), GraphType::ValueOrProfit);

    const struct {
        C box;
        GraphType type;
    } cases[] = {{C::kDeltaBox, GraphType::Delta},
                 {C::kGammaBox, GraphType::Gamma},
                 {C::kThetaBox, GraphType::Theta},
                 {C::kVegaBox, GraphType::Vega},
                 {C::kRhoBox, GraphType::Rho}};
    for (const auto& c : cases) {
        window->ClickButton(c.box);
        EXPECT_EQ(Model().GetGraphType(), c.type) << Ctl(c.box).text;
    }
}

TEST_F(GraphWindowModelTest, GreekOnAnOptionExpiringTomorrowStaysAtTheBaseDate) {
    rows[0].SetDates(CTime(2000, 3, 1), CTime(2000, 3, 1));  // one day left
    OpenWindow();
    ASSERT_EQ(Ctl(C::kDateSlider).maximum, 1);
    window->ClickButton(C::kDeltaBox);
    const struct {
        C slider;
        int position;
    } moves[] = {{C::kVolatilitySlider, 40}, {C::kDriftSlider, 120}, {C::kDateSlider, 1}};
    for (const auto& move : moves) {
        window->MoveSlider(move.slider, move.position);
        const Control& date = Ctl(C::kDateSlider);
        EXPECT_EQ(date.minimum, 0) << Ctl(move.slider).text;
        EXPECT_EQ(date.maximum, 0) << Ctl(move.slider).text;
        EXPECT_EQ(date.position, 0) << Ctl(move.slider).text;
        EXPECT_EQ(Model().GetDateOffset(), 0) << "after moving to " << move.position;
        EXPECT_EQ(Model().GetOption(1).GetDaysLeft(), 1) << "after moving to " << move.position;
        EXPECT_EQ(Ctl(C::kDateText).text, "03/01/2000");
    }
    // Back to value: the last day is open again, and the date stays until it is moved.
    window->ClickButton(C::kDeltaBox);
    EXPECT_EQ(Ctl(C::kDateSlider).minimum, 0);
    EXPECT_EQ(Ctl(C::kDateSlider).maximum, 1);
    EXPECT_EQ(Ctl(C::kDateSlider).position, 0);
    window->MoveSlider(C::kVolatilitySlider, 30);
    EXPECT_EQ(Model().GetDateOffset(), 0);
    window->MoveSlider(C::kDateSlider, 1);
    EXPECT_EQ(Model().GetDateOffset(), 1);
    EXPECT_EQ(Ctl(C::kDateText).text, "03/02/2000");
}

// A slider's position and the text shown beside it.
struct SliderText {
    int position;
    const char* text;
};

TEST_F(GraphWindowModelTest, VolatilityAndDriftTexts) {
    OpenWindow();
    const SliderText volatility[] = {
        {5, "0.050"}, {9, "0.090"}, {10, "0.100"}, {25, "0.250"}, {99, "0.990"}};
    for (const auto& c : volatility) {
        window->MoveSlider(C::kVolatilitySlider, c.position);
        EXPECT_EQ(Ctl(C::kVolatilityText).text, c.text) << "position " << c.position;
        EXPECT_DOUBLE_EQ(Model().GetOption(1).GetVolatility(), c.position * 0.01);
        EXPECT_DOUBLE_EQ(Model().GetOption(2).GetVolatility(), c.position * 0.01);
    }
    const SliderText drift[] = {
        {150, "50.0%"}, {50, "-50.0%"}, {101, "1.0%"}, {99, "-1.0%"}, {100, "0.0%"}};
    for (const auto& c : drift) {
        window->MoveSlider(C::kDriftSlider, c.position);
        EXPECT_EQ(Ctl(C::kDriftText).text, c.text) << "position " << c.position;
        EXPECT_DOUBLE_EQ(Model().GetDrift(), (c.position - 100) * 0.01);
    }
}

TEST_F(GraphWindowModelTest, VolatilityAboveTheSliderIsRepricedAtTheFirstNotification) {
    rows[0].SetVolatility(7.5);
    OpenWindow();
    EXPECT_EQ(Model().GetVolatilityPosition(), 750);
    EXPECT_EQ(Ctl(C::kVolatilityText).text, "7.500");
    EXPECT_EQ(Ctl(C::kVolatilitySlider).position, 500);

    window->MoveSlider(C::kDriftSlider, 120);  // any slider notification
    EXPECT_EQ(Model().GetVolatilityPosition(), 500);
    EXPECT_DOUBLE_EQ(Model().GetOption(1).GetVolatility(), 5.0);
    EXPECT_EQ(Ctl(C::kVolatilityText).text, "5.000");
}

TEST_F(GraphWindowModelTest, DateSliderMovesTheGraphDateInTheChosenFormat) {
    const struct {
        int format;
        int days;
        const char* text;
    } cases[] = {{1, 10, "03/11/2000"}, {2, 10, "11/03/2000"}, {3, 1, "02/03/2000"}};
    for (const auto& c : cases) {
        settings.dateFormat = c.format;
        OpenWindow();
        window->MoveSlider(C::kDateSlider, c.days);
        EXPECT_EQ(Model().GetDateOffset(), c.days);
        EXPECT_EQ(Model().GetOption(1).GetDaysLeft(), 30 - c.days);
        EXPECT_EQ(Ctl(C::kDateText).text, c.text) << "format " << c.format;
    }
    window->MoveSlider(C::kDateSlider, 500);  // held to the slider's range
    EXPECT_EQ(Model().GetDateOffset(), 30);
}

TEST_F(GraphWindowModelTest, GraphDateKeepsItsDayAcrossADaylightSavingChange) {
    ScopedTimeZone newYork("America/New_York");  // clocks went back on 29 October 2000
    const CTime valuation(2000, 10, 1);
    rows[0] = MakeCall(100, 0);
    rows[0].SetDates(valuation, valuation.AddDays(59));
    rows[1] = Option();
    OpenWindow();
    window->MoveSlider(C::kDateSlider, 40);
    EXPECT_EQ(Ctl(C::kDateText).text, "11/10/2000");
    EXPECT_EQ(Model().GraphDate().GetHour(), 0);
}

TEST_F(GraphWindowModelTest, MenuTogglesChangeTheSharedSettings) {
    OpenWindow();
    const struct {
        GraphCommand command;
        bool Settings::*setting;
    } cases[] = {{GraphCommand::kProbabilityWeighted, &Settings::probabilityWeighted},
                 {GraphCommand::kShareWeighted, &Settings::shareWeighted},
                 {GraphCommand::kPercentScaled, &Settings::percentScaled}};
    for (const auto& c : cases) {
        const bool before = settings.*c.setting;
        EXPECT_EQ(window->Command(c.command), GraphRequest::kNone);
        EXPECT_EQ(settings.*c.setting, !before) << static_cast<int>(c.command);
        EXPECT_EQ(window->GetMenuItem(c.command).checked, !before);
        window->Command(c.command);
        EXPECT_EQ(settings.*c.setting, before);
        EXPECT_EQ(window->GetMenuItem(c.command).checked, before);
    }
    // Another window changed the setting: this window's mark stays until it toggles.
    settings.percentScaled = true;
    EXPECT_FALSE(window->GetMenuItem(GraphCommand::kPercentScaled).checked);
    window->Command(GraphCommand::kPercentScaled);
    EXPECT_FALSE(settings.percentScaled);
    EXPECT_FALSE(window->GetMenuItem(GraphCommand::kPercentScaled).checked);
}

TEST_F(GraphWindowModelTest, CommandsThatLeaveTheModel) {
    OpenWindow();
    EXPECT_EQ(window->Command(GraphCommand::kProperties), GraphRequest::kRunProperties);
    EXPECT_EQ(window->Command(GraphCommand::kPrint), GraphRequest::kPrint);
    EXPECT_EQ(window->Command(GraphCommand::kAbout), GraphRequest::kShowAbout);
    EXPECT_EQ(window->Command(GraphCommand::kCancel), GraphRequest::kClose);
    EXPECT_EQ(window->Command(GraphCommand::kSavePicture), GraphRequest::kSavePicture);
    EXPECT_EQ(window->Command(GraphCommand::kCopyPicture), GraphRequest::kCopyPicture);
    EXPECT_EQ(window->Command(GraphCommand::kHomePage), GraphRequest::kNone);
    EXPECT_EQ(window->Command(GraphCommand::kContents), GraphRequest::kNone);
    EXPECT_EQ(desktop.addresses, std::vector<std::string>{kHomePageAddress});
    EXPECT_EQ(desktop.helpPages, std::vector<std::string>{kHelpContentsPage});
    EXPECT_TRUE(messages.shown.empty());

    // As in the main window, help the desktop cannot show is said, over this window.
    ExpectHelpFailuresSaid<GraphCommand>(*window, desktop, messages, MessageOwner::kGraph);
}

TEST_F(GraphWindowModelTest, PicturesAreSavedByTheirExtensionUnderTheSymbol) {
    const struct {
        const char* path;
        PictureFormat format;
    } cases[] = {
        {"/tmp/graph.pdf", PictureFormat::kPdf},   {"/tmp/Graph.PDF", PictureFormat::kPdf},
        {"/tmp/graph.png", PictureFormat::kPng},   {"/tmp/graph", PictureFormat::kPng},
        {"/tmp/a.pdf/graph", PictureFormat::kPng}, {"/tmp/graph.pdf.png", PictureFormat::kPng}};
    for (const auto& c : cases)
        EXPECT_EQ(GraphWindowModel::PictureFormatOf(c.path), c.format) << c.path;
    const std::vector<FileKind> kinds = GraphWindowModel::PictureKinds();
    ASSERT_EQ(kinds.size(), 2u);
    EXPECT_EQ(kinds[0].extension, "png");
    EXPECT_EQ(kinds[1].extension, "pdf");

    OpenWindow();
    EXPECT_EQ(window->SuggestedPictureName(), "Graph");
    holding.SetSymbol("IBM");
    OpenWindow();
    EXPECT_EQ(window->SuggestedPictureName(), "IBM Graph");
}

TEST_F(GraphWindowModelTest, FailedPrintsAndPicturesAreReported) {
    OpenWindow();
    window->PrintFailed();
    window->PictureNotSaved("/gone/IBM Graph.png");
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[0].text, "The graph could not be printed.");
    EXPECT_EQ(messages.shown[1].text, "The picture could not be written to /gone/IBM Graph.png.");
    for (const auto& shown : messages.shown) {
        EXPECT_EQ(shown.caption, "Qualtrixon");
        EXPECT_EQ(shown.owner, MessageOwner::kGraph);
        EXPECT_FALSE(shown.question);
    }
}

TEST_F(GraphWindowModelTest, AfterPropertiesTakesResolutionColoursAndDateFormat) {
    OpenWindow();
    RecordingCanvas picture;
    window->DrawPicture(picture);
    EXPECT_FALSE(window->IsPictureStale());

    settings.resolution = 100;
    settings.dateFormat = 2;
    settings.plotColors[0] = Rgb(1, 2, 3);
    window->AfterProperties();
    EXPECT_TRUE(window->IsPictureStale());
    EXPECT_EQ(Model().GetPointCount(), 300);
    EXPECT_EQ(Ctl(C::kDateText).text, "31/03/2000");
    picture.Reset();
    window->DrawPicture(picture);
    EXPECT_EQ(picture.LinesIn(Rgb(1, 2, 3)).size(), 299u);

    // With no curve shown the date stays blank whatever the format.
    window->ClickButton(C::kNetBox);
    settings.dateFormat = 1;
    window->AfterProperties();
    EXPECT_FALSE(Ctl(C::kDateSlider).enabled);
    EXPECT_EQ(Ctl(C::kDateText).text, "");
    window->ClickButton(C::kNetBox);
    EXPECT_EQ(Ctl(C::kDateText).text, "03/31/2000");
}

TEST_F(GraphWindowModelTest, ReadoutAndCrosshairFollowTheMouse) {
    OpenWindow();
    const PlotRenderer& renderer = window->GetRenderer();
    // Client (270, 88) is the plot area's top left corner.
    window->MouseMove(270, 88, 0);
    EXPECT_EQ(Ctl(C::kReadout).text, renderer.Readout(60, 20));
    EXPECT_NE(Ctl(C::kReadout).text, "");
    EXPECT_FALSE(renderer.IsCrosshairShown());
    window->MouseMove(269, 88, 0);
    EXPECT_EQ(Ctl(C::kReadout).text, "");

    window->LeftButtonDown(300, 100);
    EXPECT_TRUE(renderer.IsCrosshairShown());
    EXPECT_EQ(renderer.GetCrosshairX(), 90);
    EXPECT_EQ(renderer.GetCrosshairY(), 32);
    window->MouseMove(310, 120, kLeftButton);  // dragging moves it
    EXPECT_EQ(renderer.GetCrosshairX(), 100);
    window->MouseMove(320, 130, kLeftButton | kShiftKey);  // not the left button alone
    EXPECT_EQ(renderer.GetCrosshairX(), 100);
    window->MouseMove(320, 130, kRightButton);
    EXPECT_FALSE(renderer.IsCrosshairShown());

    window->LeftButtonDown(100, 100);  // outside the plot area
    EXPECT_FALSE(renderer.IsCrosshairShown());
    window->LeftButtonDown(300, 100);
    window->RightButtonDown();
    EXPECT_FALSE(renderer.IsCrosshairShown());
    window->LeftButtonDown(300, 100);
    RecordingCanvas copy;
    window->DrawPictureCopy(copy);  // a copy for a file leaves the crosshair on screen
    EXPECT_TRUE(renderer.IsCrosshairShown());
    EXPECT_FALSE(copy.lines.empty());
    window->MoveSlider(C::kDriftSlider, 110);  // a new picture has no crosshair
    EXPECT_FALSE(renderer.IsCrosshairShown());
}

TEST_F(GraphWindowModelTest, ControlColours) {
    OpenWindow();
    for (C group :
         {C::kSelectGroup, C::kTypeGroup, C::kDateGroup, C::kVolatilityGroup, C::kDriftGroup})
        EXPECT_EQ(Ctl(group).color, TextColor::kGroupHighlight) << Ctl(group).text;
    for (C text : {C::kDateText, C::kVolatilityText, C::kDriftText})
        EXPECT_EQ(Ctl(text).color, TextColor::kTextHighlight);
    EXPECT_EQ(Ctl(C::kReadout).color, TextColor::kMessageHighlight);

    const struct {
        C box;
        int plotColor;
    } cases[] = {{C::kNetBox, 0},   {C::kOption1Box, 1}, {C::kOption4Box, 4},
                 {C::kStockBox, 5}, {C::kDeltaBox, -1},  {C::kSelectGroup, -1}};
    for (const auto& c : cases) {
        settings.colorPlotText = false;
        EXPECT_EQ(window->CaptionPlotColor(c.box), -1);
        settings.colorPlotText = true;
        EXPECT_EQ(window->CaptionPlotColor(c.box), c.plotColor) << Ctl(c.box).text;
    }
}

TEST_F(GraphWindowModelTest, SummaryLineFollowsEveryChangeWhileNetShowsValueOrProfit) {
    OpenWindow();
    // The line the position as the window now values it should show.
    const auto fresh = [&] {
        PositionSummary summary;
        summary.Compute(Model());
        return summary.Text(settings.significantDigits);
    };
    const std::string atOpening = Ctl(C::kSummary).text;
    EXPECT_EQ(atOpening, fresh());
    EXPECT_EQ(atOpening.rfind("Break-even ", 0), 0u) << atOpening;

    // The view (value, profit, probability-weighted) and the option curves shown leave
    // the NET profit, and so the line, as it was.
    const struct {
        const char* step;
        std::function<void()> act;
        bool shown;
        bool changes;
    } steps[] = {
        {"volatility", [&] { window->MoveSlider(C::kVolatilitySlider, 45); }, true, true},
        {"date", [&] { window->MoveSlider(C::kDateSlider, 10); }, true, true},
        {"drift", [&] { window->MoveSlider(C::kDriftSlider, 130); }, true, true},
        {"show value", [&] { window->Command(GraphCommand::kShowValue); }, true, false},
        {"weighted", [&] { window->Command(GraphCommand::kProbabilityWeighted); }, true, false},
        {"a Greek", [&] { window->ClickButton(C::kDeltaBox); }, false, true},
        {"a slider by a Greek", [&] { window->MoveSlider(C::kVolatilitySlider, 35); }, false,
         false},
        {"the Greek off", [&] { window->ClickButton(C::kDeltaBox); }, true, true},
        {"option 1 as well", [&] { window->ClickButton(C::kOption1Box); }, true, false},
        {"NET off", [&] { window->ClickButton(C::kNetBox); }, false, true},
        {"a slider without NET", [&] { window->MoveSlider(C::kDriftSlider, 90); }, false, false},
        {"NET on", [&] { window->ClickButton(C::kNetBox); }, true, true},
        {"four decimals", [&] { settings.significantDigits = 4, window->AfterProperties(); }, true,
         true},
    };
    std::string before = atOpening;
    for (const auto& s : steps) {
        s.act();
        const std::string line = Ctl(C::kSummary).text;
        EXPECT_EQ(line, s.shown ? fresh() : "") << s.step;
        EXPECT_EQ(line != before, s.changes) << s.step;
        before = line;
    }
}

}  // namespace
}  // namespace qx
