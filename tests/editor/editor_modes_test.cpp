#include <gtest/gtest.h>

#include "editor_fixture.h"
#include "test_support/help_failures.h"

namespace qx {
namespace {

TEST_F(EditorTest, AdvancedModeHidesPositionsAndTurnsFeesOffWithoutForgettingThem) {
    editor->Command(EditorCommand::kIncludeFees);
    HoldShares(C::kBuyButton);
    FillRow(0, 0, "50", R::kCallButton, "2", "3", R::kRowBuy);
    ASSERT_EQ(Text(C::kFees), "-25.00");
    ASSERT_TRUE(Ctl(C::kGraphButton).enabled);

    editor->Command(EditorCommand::kAdvancedMode);
    EXPECT_TRUE(settings.includeFees);
    EXPECT_FALSE(settings.basicMode);
    EXPECT_EQ(Text(C::kModeLabel), "Advanced Mode");
    EXPECT_TRUE(editor->GetMenuItem(EditorCommand::kAdvancedMode).checked);
    EXPECT_FALSE(editor->GetMenuItem(EditorCommand::kBasicMode).checked);
    EXPECT_EQ(editor->GetMenuItem(EditorCommand::kBasicMode).mark, MenuMark::kRadio);
    EXPECT_FALSE(editor->GetMenuItem(EditorCommand::kIncludeFees).enabled);
    EXPECT_FALSE(editor->GetMenuItem(EditorCommand::kIncludeFees).checked);
    EXPECT_FALSE(Ctl(C::kGraphButton).enabled);
    EXPECT_FALSE(editor->GetMenuItem(EditorCommand::kGraph).enabled);
    for (EditorControl control : {C::kShares, C::kSharesLabel, C::kBuyButton, C::kSellButton,
                                  C::kNet, C::kNetLabel, C::kFees})
        EXPECT_FALSE(Ctl(control).visible) << "control " << control;
    EXPECT_FALSE(Row(0, R::kRowFees).visible);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(Record(i).GetFees(), 0) << "record " << i;
    EXPECT_EQ(Underlying().GetFees(), 0);
    EXPECT_EQ(editor->Command(EditorCommand::kGraph), EditorRequest::kNone);
    editor->Command(EditorCommand::kIncludeFees);
    EXPECT_TRUE(settings.includeFees) << "a greyed item does nothing";

    editor->Command(EditorCommand::kBasicMode);
    EXPECT_EQ(Text(C::kModeLabel), "Basic Mode");
    EXPECT_TRUE(editor->GetMenuItem(EditorCommand::kIncludeFees).checked);
    EXPECT_DOUBLE_EQ(Record(0).GetFees(), -25);
    EXPECT_DOUBLE_EQ(Underlying().GetFees(), -25);
    EXPECT_TRUE(Row(0, R::kRowFees).visible);
    EXPECT_EQ(RowText(0, R::kRowNet), "-675.00");
    EXPECT_TRUE(Ctl(C::kGraphButton).enabled);
    EXPECT_EQ(editor->Command(EditorCommand::kGraph), EditorRequest::kOpenGraph);
}

TEST_F(EditorTest, IncludeFeesTogglesEveryLegsFees) {
    HoldShares(C::kBuyButton);
    EXPECT_EQ(Text(C::kNet), "-5000.00");
    EXPECT_FALSE(Ctl(C::kFees).visible);
    ExpectToggle(EditorCommand::kIncludeFees, settings.includeFees, true);
    EXPECT_TRUE(Ctl(C::kFees).visible);
    EXPECT_EQ(Text(C::kFees), "-25.00");
    EXPECT_EQ(Text(C::kNet), "-5025.00");
    EXPECT_DOUBLE_EQ(Record(3).GetFees(), -25);
    editor->Command(EditorCommand::kIncludeFees);
    EXPECT_FALSE(settings.includeFees);
    EXPECT_FALSE(Ctl(C::kFees).visible);
    EXPECT_EQ(Text(C::kNet), "-5000.00");
    EXPECT_EQ(Record(3).GetFees(), 0);
}

TEST_F(EditorTest, RulesSetTheLatticeStepsOfEverySlot) {
    Type(C::kPrice, "50");
    FillRow(0, 0, "55", R::kPutButton, "6", "1", R::kRowBuy);
    const std::string european = RowText(0, R::kFairValue);
    editor->Command(EditorCommand::kAmericanRule);
    EXPECT_FALSE(settings.europeanRule);
    EXPECT_EQ(Text(C::kRuleLabel), "American Rule (25)");
    EXPECT_TRUE(editor->GetMenuItem(EditorCommand::kAmericanRule).checked);
    EXPECT_FALSE(editor->GetMenuItem(EditorCommand::kEuropeanRule).checked);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(Record(i).GetLatticeSteps(), 25) << "record " << i;
    EXPECT_NE(RowText(0, R::kFairValue), european) << "an in-the-money put is worth more early";
    editor->Command(EditorCommand::kEuropeanRule);
    EXPECT_EQ(Text(C::kRuleLabel), "European Rule");
    for (int i = 0; i < 4; ++i) EXPECT_EQ(Record(i).GetLatticeSteps(), 0) << "record " << i;
    EXPECT_EQ(RowText(0, R::kFairValue), european);
}

TEST_F(EditorTest, DividendToggleShowsTheSliderAndCarriesTheYield) {
    Type(C::kPrice, "50");
    FillRow(0, 0, "50", R::kCallButton, "2", "1", R::kRowBuy);
    const std::string without = RowText(0, R::kFairValue);
    ExpectToggle(EditorCommand::kDividend, settings.includeDividend, true);
    for (EditorControl control : {C::kDividendLabel, C::kDividendSlider, C::kDividendText})
        EXPECT_TRUE(Ctl(control).visible) << "control " << control;
    EXPECT_EQ(Text(C::kDividendText), "5.0%");
    EXPECT_DOUBLE_EQ(Record(2).GetDividendYield(), 0.05);
    EXPECT_NE(RowText(0, R::kFairValue), without);
    editor->Command(EditorCommand::kDividend);
    EXPECT_FALSE(Ctl(C::kDividendSlider).visible);
    EXPECT_EQ(Record(2).GetDividendYield(), 0);
    EXPECT_EQ(RowText(0, R::kFairValue), without);
}

TEST_F(EditorTest, FractionsToggleRewritesPricesAndStrikes) {
    Type(C::kPrice, "50.5");
    FillRow(0, 0, "47.25", R::kCallButton, "3.5", "1", R::kRowBuy);
    EXPECT_TRUE(editor->GetMenuItem(EditorCommand::kShowDecimal).checked);
    editor->Command(EditorCommand::kShowDecimal);
    EXPECT_TRUE(settings.showFractions);
    EXPECT_FALSE(editor->GetMenuItem(EditorCommand::kShowDecimal).checked);
    EXPECT_EQ(Text(C::kPrice), "50 1/2");
    EXPECT_EQ(RowText(0, R::kStrike), "47 1/4");
    EXPECT_EQ(RowText(0, R::kRowPrice), "3 1/2");
    editor->Command(EditorCommand::kShowDecimal);
    EXPECT_EQ(Text(C::kPrice), "50.50");
    EXPECT_EQ(RowText(0, R::kRowPrice), "3.50");
}

TEST_F(EditorTest, UnitsPerContractBoxFollowsItsMenuItem) {
    EXPECT_FALSE(Ctl(C::kUnits).visible);
    ExpectToggle(EditorCommand::kShowUnits, settings.showContractUnits, true);
    EXPECT_TRUE(Ctl(C::kUnits).visible);
    EXPECT_TRUE(Ctl(C::kUnitsLabel).visible);
    EXPECT_EQ(Text(C::kUnits), "100");
    EXPECT_EQ(Ctl(C::kUnits).selected, 0);
    editor->Command(EditorCommand::kShowUnits);
    EXPECT_FALSE(Ctl(C::kUnits).visible);
    EXPECT_FALSE(settings.showContractUnits);
}

TEST_F(EditorTest, OpensInTheStoredModesRulesAndToggles) {
    settings.basicMode = false;
    settings.europeanRule = false;
    settings.iterations = 60;
    settings.includeDividend = true;
    settings.showFractions = true;
    settings.showContractUnits = true;
    settings.includeFees = true;
    settings.assetType = AssetType::kFuture;
    Reopen();
    EXPECT_EQ(Text(C::kModeLabel), "Advanced Mode");
    EXPECT_EQ(Text(C::kRuleLabel), "American Rule (60)");
    EXPECT_EQ(Record(1).GetLatticeSteps(), 60);
    EXPECT_TRUE(Ctl(C::kDividendSlider).visible);
    EXPECT_DOUBLE_EQ(Record(1).GetDividendYield(), 0.05);
    EXPECT_FALSE(editor->GetMenuItem(EditorCommand::kShowDecimal).checked);
    EXPECT_TRUE(Ctl(C::kUnits).visible);
    EXPECT_FALSE(Ctl(C::kFees).visible);
    EXPECT_EQ(Record(1).GetFees(), 0) << "fees stay off in Advanced mode";
    EXPECT_EQ(Text(C::kSymbol), "[Future]");
    EXPECT_TRUE(Ctl(C::kFuture).checked);
    EXPECT_EQ(Underlying().GetUnitsPerContract(), 100);
}

TEST_F(EditorTest, CommandsHandTheirWindowsToTheWindowLayer) {
    const std::pair<EditorCommand, EditorRequest> cases[] = {
        {EditorCommand::kOk, EditorRequest::kNone},
        {EditorCommand::kCancel, EditorRequest::kEndCancel},
        {EditorCommand::kExit, EditorRequest::kEndOk},
        {EditorCommand::kOpen, EditorRequest::kNone},
        {EditorCommand::kSaveAs, EditorRequest::kNone},
        {EditorCommand::kSave, EditorRequest::kNone},
        {EditorCommand::kProperties, EditorRequest::kRunProperties},
        {EditorCommand::kTracker, EditorRequest::kShowTracker},
        {EditorCommand::kNotes, EditorRequest::kShowNotes},
        {EditorCommand::kContents, EditorRequest::kNone},
        {EditorCommand::kHomePage, EditorRequest::kNone},
        {EditorCommand::kAbout, EditorRequest::kShowAbout},
        {EditorCommand::kSystemAbout, EditorRequest::kShowAbout},
        {EditorCommand::kGraph, EditorRequest::kNone},
        {static_cast<EditorCommand>(12345), EditorRequest::kNone},
    };
    for (const auto& [command, request] : cases)
        EXPECT_EQ(editor->Command(command), request) << "command " << command;
    EXPECT_EQ(editor->ClickButton(C::kTrackerButton), EditorRequest::kShowTracker);
    EXPECT_EQ(editor->CloseBox(), EditorRequest::kCloseWindowsEndOk);
    EXPECT_EQ(files.openDialogs, 1);
    // A placeholder symbol names no file; Save of a new document is Save As.
    EXPECT_EQ(files.suggestedNames, (std::vector<std::string>{"Untitled", "Untitled"}));
    EXPECT_TRUE(messages.shown.empty());
    // Help and the home page need no window of their own: the desktop shows them.
    EXPECT_EQ(desktop.helpPages, std::vector<std::string>{kHelpContentsPage});
    EXPECT_EQ(desktop.addresses, std::vector<std::string>{kHomePageAddress});
}

TEST_F(EditorTest, HelpTheDesktopCannotShowIsSaidOverTheMainWindow) {
    ExpectHelpFailuresSaid<EditorCommand>(*editor, desktop, messages, MessageOwner::kMainWindow);
}

TEST_F(EditorTest, NewResetsTheDocumentAndTheEditor) {
    CountingObserver observer;
    editor->SetObserver(&observer);
    Click(C::kFuture);
    Type(C::kSymbol, "ES");
    Type(C::kPrice, "1200");
    Type(C::kShares, "2");
    Click(C::kSellButton);
    Type(C::kDate, "2/1/1999");
    FillRow(0, 1, "1200", R::kCallButton, "40", "1", R::kRowBuy);
    EXPECT_GT(observer.rowChanges, 0);
    editor->GetDocument().GetNotes() = "notes";

    editor->Command(EditorCommand::kNew);
    EXPECT_EQ(observer.replacements, 1);
    EXPECT_EQ(Text(C::kPrice), "");
    EXPECT_EQ(Text(C::kShares), "");
    EXPECT_FALSE(Ctl(C::kSellButton).checked);
    EXPECT_EQ(Text(C::kDate), "01/15/1999");
    EXPECT_EQ(editor->GetValuationDate(), clock.now);
    EXPECT_EQ(Text(C::kSymbol), "[Future]");
    EXPECT_TRUE(Ctl(C::kFuture).checked);
    EXPECT_EQ(Underlying().GetPrice(), 0);
    EXPECT_EQ(Underlying().GetShares(), 0);
    EXPECT_EQ(Underlying().GetSide(), Side::kNone);
    EXPECT_EQ(Underlying().GetUnitsPerContract(), 100);
    EXPECT_EQ(Underlying().GetFees(), 0) << "fees are off";
    EXPECT_FALSE(editor->RowsEnabled());
    EXPECT_EQ(editor->GetRowRecord(0), -1);
    EXPECT_FALSE(Row(0, R::kRowChoice).visible);
    EXPECT_FALSE(Row(0, R::kStrike).visible);
    EXPECT_EQ(RowText(0, R::kRowGroup), "Option");
    EXPECT_EQ(Row(0, R::kRowChoice).items[1], "2 New Option");
    EXPECT_EQ(Record(1).GetSide(), Side::kNone);
    EXPECT_EQ(Record(1).GetAssetType(), AssetType::kFuture);
    EXPECT_DOUBLE_EQ(Record(1).GetVolatility(), 0.15);
    EXPECT_EQ(editor->GetDocument().GetNotes(), "");
    EXPECT_EQ(editor->GetDocument().GetPath(), "");
    EXPECT_FALSE(Ctl(C::kGraphButton).enabled);
    EXPECT_EQ(Text(C::kPrompt), "Enter price.");
}

TEST_F(EditorTest, NewGivesAFutureItsPlaceholder) {
    Click(C::kFuture);
    editor->Command(EditorCommand::kNew);
    EXPECT_EQ(Text(C::kSymbol), "[Future]");
    EXPECT_EQ(Underlying().GetSymbol(), "[Future]");
}

TEST_F(EditorTest, AfterPropertiesAppliesTheSheetsChanges) {
    editor->Command(EditorCommand::kIncludeFees);
    editor->Command(EditorCommand::kAmericanRule);
    Type(C::kPrice, "50");
    FillRow(0, 0, "50", R::kPutButton, "2", "2", R::kRowBuy);
    const std::string before = RowText(0, R::kFairValue);
    settings.iterations = 40;
    settings.unitsPerContract = 10;
    settings.optionFees = 5;
    settings.underlyingFees = 7;
    settings.dateFormat = 2;
    settings.significantDigits = 3;
    editor->AfterProperties();
    EXPECT_EQ(Text(C::kRuleLabel), "American Rule (40)");
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(Record(i).GetLatticeSteps(), 40) << "record " << i;
        EXPECT_EQ(Record(i).GetUnitsPerContract(), 10) << "record " << i;
        EXPECT_DOUBLE_EQ(Record(i).GetFees(), -5) << "record " << i;
    }
    EXPECT_DOUBLE_EQ(Underlying().GetFees(), -7);
    EXPECT_EQ(Text(C::kUnits), "10");
    EXPECT_EQ(Text(C::kDate), "15/1/1999");
    EXPECT_EQ(RowText(0, R::kRowNet), "-50.000");
    EXPECT_EQ(RowText(0, R::kRowFees), "-10.000");
    EXPECT_EQ(RowText(0, R::kRowPrice), "2.000");
    EXPECT_NE(RowText(0, R::kFairValue), before) << "revalued with 40 steps";

    settings.unitsPerContract = 0;  // the sheet's units box emptied
    editor->AfterProperties();
    EXPECT_EQ(settings.unitsPerContract, 10);
    EXPECT_EQ(Record(3).GetUnitsPerContract(), 10);
    EXPECT_EQ(Text(C::kUnits), "10");
    EXPECT_EQ(RowText(0, R::kRowNet), "-50.000");
}

}  // namespace
}  // namespace qx
