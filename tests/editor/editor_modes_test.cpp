#include <gtest/gtest.h>

#include "editor/editor_observer.h"
#include "editor_fixture.h"

namespace qx {
namespace {

class CountingObserver : public EditorObserver {
  public:
    void RowChanged() override { ++rowChanges; }
    void DocumentReplaced() override { ++replacements; }
    int rowChanges = 0;
    int replacements = 0;
};

TEST_F(EditorTest, AdvancedModeHidesPositionsAndTurnsFeesOffWithoutForgettingThem) {
    editor->Command(kCommandIncludeFees);
    Type(kPrice, "50");
    Type(kShares, "100");
    Click(kBuyButton);
    FillRow(0, 0, "50", kCallButton, "2", "3", kRowBuy);
    ASSERT_EQ(Text(kFees), "-25.00");
    ASSERT_TRUE(Ctl(kGraphButton).enabled);

    editor->Command(kCommandAdvancedMode);
    EXPECT_TRUE(settings.includeFees);
    EXPECT_FALSE(settings.basicMode);
    EXPECT_EQ(Text(kModeLabel), "Advanced Mode");
    EXPECT_TRUE(editor->GetMenuItem(kCommandAdvancedMode).checked);
    EXPECT_FALSE(editor->GetMenuItem(kCommandBasicMode).checked);
    EXPECT_TRUE(editor->GetMenuItem(kCommandBasicMode).radio);
    EXPECT_FALSE(editor->GetMenuItem(kCommandIncludeFees).enabled);
    EXPECT_FALSE(editor->GetMenuItem(kCommandIncludeFees).checked);
    EXPECT_FALSE(Ctl(kGraphButton).enabled);
    EXPECT_FALSE(editor->GetMenuItem(kCommandGraph).enabled);
    for (int control : {kShares, kSharesLabel, kBuyButton, kSellButton, kNet, kNetLabel, kFees})
        EXPECT_FALSE(Ctl(control).visible) << "control " << control;
    EXPECT_FALSE(Row(0, kRowFees).visible);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(Record(i).GetFees(), 0) << "record " << i;
    EXPECT_EQ(Underlying().GetFees(), 0);
    EXPECT_EQ(editor->Command(kCommandGraph), EditorRequest::kNone);
    editor->Command(kCommandIncludeFees);
    EXPECT_TRUE(settings.includeFees) << "a greyed item does nothing";

    editor->Command(kCommandBasicMode);
    EXPECT_EQ(Text(kModeLabel), "Basic Mode");
    EXPECT_TRUE(editor->GetMenuItem(kCommandIncludeFees).checked);
    EXPECT_DOUBLE_EQ(Record(0).GetFees(), -25);
    EXPECT_DOUBLE_EQ(Underlying().GetFees(), -25);
    EXPECT_TRUE(Row(0, kRowFees).visible);
    EXPECT_EQ(RowText(0, kRowNet), "-675.00");
    EXPECT_TRUE(Ctl(kGraphButton).enabled);
    EXPECT_EQ(editor->Command(kCommandGraph), EditorRequest::kOpenGraph);
}

TEST_F(EditorTest, IncludeFeesTogglesEveryLegsFees) {
    Type(kPrice, "50");
    Type(kShares, "100");
    Click(kBuyButton);
    EXPECT_EQ(Text(kNet), "-5000.00");
    EXPECT_FALSE(Ctl(kFees).visible);
    editor->Command(kCommandIncludeFees);
    EXPECT_TRUE(settings.includeFees);
    EXPECT_TRUE(editor->GetMenuItem(kCommandIncludeFees).checked);
    EXPECT_TRUE(Ctl(kFees).visible);
    EXPECT_EQ(Text(kFees), "-25.00");
    EXPECT_EQ(Text(kNet), "-5025.00");
    EXPECT_DOUBLE_EQ(Record(3).GetFees(), -25);
    editor->Command(kCommandIncludeFees);
    EXPECT_FALSE(settings.includeFees);
    EXPECT_FALSE(Ctl(kFees).visible);
    EXPECT_EQ(Text(kNet), "-5000.00");
    EXPECT_EQ(Record(3).GetFees(), 0);
}

TEST_F(EditorTest, RulesSetTheLatticeStepsOfEverySlot) {
    Type(kPrice, "50");
    FillRow(0, 0, "55", kPutButton, "6", "1", kRowBuy);
    const std::string european = RowText(0, kFairValue);
    editor->Command(kCommandAmericanRule);
    EXPECT_FALSE(settings.europeanRule);
    EXPECT_EQ(Text(kRuleLabel), "American Rule (25)");
    EXPECT_TRUE(editor->GetMenuItem(kCommandAmericanRule).checked);
    EXPECT_FALSE(editor->GetMenuItem(kCommandEuropeanRule).checked);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(Record(i).GetLatticeSteps(), 25) << "record " << i;
    EXPECT_NE(RowText(0, kFairValue), european) << "an in-the-money put is worth more early";
    editor->Command(kCommandEuropeanRule);
    EXPECT_EQ(Text(kRuleLabel), "European Rule");
    for (int i = 0; i < 4; ++i) EXPECT_EQ(Record(i).GetLatticeSteps(), 0) << "record " << i;
    EXPECT_EQ(RowText(0, kFairValue), european);
}

TEST_F(EditorTest, DividendToggleShowsTheSliderAndCarriesTheYield) {
    Type(kPrice, "50");
    FillRow(0, 0, "50", kCallButton, "2", "1", kRowBuy);
    const std::string without = RowText(0, kFairValue);
    editor->Command(kCommandDividend);
    EXPECT_TRUE(settings.includeDividend);
    EXPECT_TRUE(editor->GetMenuItem(kCommandDividend).checked);
    for (int control : {kDividendLabel, kDividendSlider, kDividendText})
        EXPECT_TRUE(Ctl(control).visible) << "control " << control;
    EXPECT_EQ(Text(kDividendText), "5.0%");
    EXPECT_DOUBLE_EQ(Record(2).GetDividendYield(), 0.05);
    EXPECT_NE(RowText(0, kFairValue), without);
    editor->Command(kCommandDividend);
    EXPECT_FALSE(Ctl(kDividendSlider).visible);
    EXPECT_EQ(Record(2).GetDividendYield(), 0);
    EXPECT_EQ(RowText(0, kFairValue), without);
}

TEST_F(EditorTest, FractionsToggleRewritesPricesAndStrikes) {
    Type(kPrice, "50.5");
    FillRow(0, 0, "47.25", kCallButton, "3.5", "1", kRowBuy);
    EXPECT_TRUE(editor->GetMenuItem(kCommandShowDecimal).checked);
    editor->Command(kCommandShowDecimal);
    EXPECT_TRUE(settings.showFractions);
    EXPECT_FALSE(editor->GetMenuItem(kCommandShowDecimal).checked);
    EXPECT_EQ(Text(kPrice), "50 1/2");
    EXPECT_EQ(RowText(0, kStrike), "47 1/4");
    EXPECT_EQ(RowText(0, kRowPrice), "3 1/2");
    editor->Command(kCommandShowDecimal);
    EXPECT_EQ(Text(kPrice), "50.50");
    EXPECT_EQ(RowText(0, kRowPrice), "3.50");
}

TEST_F(EditorTest, UnitsPerContractBoxFollowsItsMenuItem) {
    EXPECT_FALSE(Ctl(kUnits).visible);
    editor->Command(kCommandShowUnits);
    EXPECT_TRUE(settings.showContractUnits);
    EXPECT_TRUE(editor->GetMenuItem(kCommandShowUnits).checked);
    EXPECT_TRUE(Ctl(kUnits).visible);
    EXPECT_TRUE(Ctl(kUnitsLabel).visible);
    EXPECT_EQ(Text(kUnits), "100");
    EXPECT_EQ(Ctl(kUnits).selected, 0);
    editor->Command(kCommandShowUnits);
    EXPECT_FALSE(Ctl(kUnits).visible);
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
    settings.assetType = 3;
    Reopen();
    EXPECT_EQ(Text(kModeLabel), "Advanced Mode");
    EXPECT_EQ(Text(kRuleLabel), "American Rule (60)");
    EXPECT_EQ(Record(1).GetLatticeSteps(), 60);
    EXPECT_TRUE(Ctl(kDividendSlider).visible);
    EXPECT_DOUBLE_EQ(Record(1).GetDividendYield(), 0.05);
    EXPECT_FALSE(editor->GetMenuItem(kCommandShowDecimal).checked);
    EXPECT_TRUE(Ctl(kUnits).visible);
    EXPECT_FALSE(Ctl(kFees).visible);
    EXPECT_EQ(Record(1).GetFees(), 0) << "fees stay off in Advanced mode";
    EXPECT_EQ(Text(kSymbol), "[Future]");
    EXPECT_TRUE(Ctl(kFuture).checked);
    EXPECT_EQ(Underlying().GetUnitsPerContract(), 100);
}

TEST_F(EditorTest, CommandsHandTheirWindowsToTheWindowLayer) {
    const std::pair<int, EditorRequest> cases[] = {
        {kCommandOk, EditorRequest::kNone},
        {kCommandCancel, EditorRequest::kEndCancel},
        {kCommandExit, EditorRequest::kEndOk},
        {kCommandOpen, EditorRequest::kChooseFileToOpen},
        {kCommandSaveAs, EditorRequest::kChooseFileToSave},
        {kCommandSave, EditorRequest::kChooseFileToSave},
        {kCommandProperties, EditorRequest::kRunProperties},
        {kCommandTracker, EditorRequest::kShowTracker},
        {kCommandNotes, EditorRequest::kShowNotes},
        {kCommandContents, EditorRequest::kShowHelpContents},
        {kCommandHomePage, EditorRequest::kOpenHomePage},
        {kCommandAbout, EditorRequest::kShowAbout},
        {kCommandSystemAbout, EditorRequest::kShowAbout},
        {kCommandGraph, EditorRequest::kNone},
        {12345, EditorRequest::kNone},
    };
    for (const auto& [command, request] : cases)
        EXPECT_EQ(editor->Command(command), request) << "command " << command;
    EXPECT_EQ(editor->ClickButton(kTrackerButton), EditorRequest::kShowTracker);
    EXPECT_EQ(editor->CloseBox(), EditorRequest::kCloseWindowsEndOk);
    EXPECT_EQ(editor->SuggestedFileName(), "[Stock]");
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(EditorTest, NewResetsTheDocumentAndTheEditor) {
    CountingObserver observer;
    editor->SetObserver(&observer);
    Click(kFuture);
    Type(kSymbol, "ES");
    Type(kPrice, "1200");
    Type(kShares, "2");
    Click(kSellButton);
    Type(kDate, "2/1/1999");
    FillRow(0, 1, "1200", kCallButton, "40", "1", kRowBuy);
    EXPECT_GT(observer.rowChanges, 0);
    editor->GetDocument().GetNotes() = "notes";

    editor->Command(kCommandNew);
    EXPECT_EQ(observer.replacements, 1);
    EXPECT_EQ(Text(kPrice), "");
    EXPECT_EQ(Text(kShares), "");
    EXPECT_FALSE(Ctl(kSellButton).checked);
    EXPECT_EQ(Text(kDate), "01/15/1999");
    EXPECT_EQ(editor->GetValuationDate(), clock.now);
    EXPECT_EQ(Text(kSymbol), "[Future]");
    EXPECT_TRUE(Ctl(kFuture).checked);
    EXPECT_EQ(Underlying().GetPrice(), 0);
    EXPECT_EQ(Underlying().GetShares(), 0);
    EXPECT_EQ(Underlying().GetSide(), 0);
    EXPECT_EQ(Underlying().GetUnitsPerContract(), 100);
    EXPECT_EQ(Underlying().GetFees(), 0) << "fees are off";
    EXPECT_FALSE(editor->RowsEnabled());
    EXPECT_EQ(editor->GetRowRecord(0), -1);
    EXPECT_FALSE(Row(0, kRowChoice).visible);
    EXPECT_FALSE(Row(0, kStrike).visible);
    EXPECT_EQ(RowText(0, kRowGroup), "Option");
    EXPECT_EQ(Row(0, kRowChoice).items[1], "2 New Option");
    EXPECT_EQ(Record(1).GetSide(), 0);
    EXPECT_EQ(Record(1).GetAssetType(), 3);
    EXPECT_DOUBLE_EQ(Record(1).GetVolatility(), 0.15);
    EXPECT_EQ(editor->GetDocument().GetNotes(), "");
    EXPECT_EQ(editor->GetDocument().GetPath(), "");
    EXPECT_FALSE(Ctl(kGraphButton).enabled);
    EXPECT_EQ(Text(kPrompt), "Enter price.");
}

TEST_F(EditorTest, NewGivesAFutureItsPlaceholder) {
    Click(kFuture);
    editor->Command(kCommandNew);
    EXPECT_EQ(Text(kSymbol), "[Future]");
    EXPECT_EQ(Underlying().GetSymbol(), "[Future]");
    EXPECT_EQ(editor->SuggestedFileName(), "[Future]");
}

TEST_F(EditorTest, AfterPropertiesAppliesTheSheetsChanges) {
    editor->Command(kCommandIncludeFees);
    editor->Command(kCommandAmericanRule);
    Type(kPrice, "50");
    FillRow(0, 0, "50", kPutButton, "2", "2", kRowBuy);
    const std::string before = RowText(0, kFairValue);
    settings.iterations = 40;
    settings.unitsPerContract = 10;
    settings.optionFees = 5;
    settings.underlyingFees = 7;
    settings.dateFormat = 2;
    settings.significantDigits = 3;
    editor->AfterProperties();
    EXPECT_EQ(Text(kRuleLabel), "American Rule (40)");
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(Record(i).GetLatticeSteps(), 40) << "record " << i;
        EXPECT_EQ(Record(i).GetUnitsPerContract(), 10) << "record " << i;
        EXPECT_DOUBLE_EQ(Record(i).GetFees(), -5) << "record " << i;
    }
    EXPECT_DOUBLE_EQ(Underlying().GetFees(), -7);
    EXPECT_EQ(Text(kUnits), "10");
    EXPECT_EQ(Text(kDate), "15/1/1999");
    EXPECT_EQ(RowText(0, kRowNet), "-50.000");
    EXPECT_EQ(RowText(0, kRowFees), "-10.000");
    EXPECT_EQ(RowText(0, kRowPrice), "2.000");
    EXPECT_NE(RowText(0, kFairValue), before) << "revalued with 40 steps";

    settings.unitsPerContract = 0;  // the sheet's units box emptied
    editor->AfterProperties();
    EXPECT_EQ(settings.unitsPerContract, 10);
    EXPECT_EQ(Record(3).GetUnitsPerContract(), 10);
    EXPECT_EQ(Text(kUnits), "10");
    EXPECT_EQ(RowText(0, kRowNet), "-50.000");
}

}  // namespace
}  // namespace qx
