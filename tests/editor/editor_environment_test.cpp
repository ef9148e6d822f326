#include <gtest/gtest.h>

#include <clocale>

#include "editor_fixture.h"

namespace qx {
namespace {

TEST_F(EditorTest, OpensWithTheSettingsEnvironmentAndNoRows) {
    EXPECT_EQ(Text(kSymbol), "[Stock]");
    EXPECT_TRUE(Ctl(kStock).checked);
    EXPECT_EQ(Text(kDate), "01/15/1999");
    EXPECT_EQ(Text(kVolatilityText), "0.150");
    EXPECT_EQ(Text(kInterestText), "5.0%");
    EXPECT_FALSE(Ctl(kDividendSlider).visible);
    EXPECT_EQ(Ctl(kVolatilitySlider).position, 15);
    EXPECT_EQ(Ctl(kVolatilitySlider).minimum, 1);
    EXPECT_EQ(Ctl(kVolatilitySlider).maximum, 99);
    EXPECT_EQ(Ctl(kInterestSlider).maximum, 150);
    EXPECT_EQ(Text(kModeLabel), "Basic Mode");
    EXPECT_EQ(Text(kRuleLabel), "European Rule");
    EXPECT_EQ(Text(kPrompt), "Enter price.");
    EXPECT_EQ(Text(kClock), "02:30 PM");
    EXPECT_EQ(Row(0, kExpires).items.size(), 13u);
    EXPECT_EQ(Row(0, kExpires).items.front(), "Jan 1999");
    for (int row = 0; row < kEditorRows; ++row) {
        EXPECT_FALSE(Row(row, kRowChoice).visible) << "row " << row;
        EXPECT_FALSE(Row(row, kStrike).visible) << "row " << row;
        EXPECT_EQ(RowText(row, kRowGroup), "Option") << "row " << row;
    }
    EXPECT_FALSE(Ctl(kGraphButton).enabled);
    EXPECT_FALSE(editor->GetMenuItem(kCommandGraph).enabled);
    for (int i = 0; i < 4; ++i) {
        EXPECT_DOUBLE_EQ(Record(i).GetVolatility(), 0.15) << "record " << i;
        EXPECT_DOUBLE_EQ(Record(i).GetInterestRate(), 0.05) << "record " << i;
        EXPECT_EQ(Record(i).GetUnitsPerContract(), 100) << "record " << i;
        EXPECT_EQ(Record(i).GetAssetType(), 1) << "record " << i;
    }
}

TEST_F(EditorTest, TextColoursFollowTheHighlightRoles) {
    EXPECT_EQ(Ctl(kEnvironmentGroup).color, TextColor::kGroupHighlight);
    EXPECT_EQ(Row(1, kRowGroup).color, TextColor::kGroupHighlight);
    for (int control : {kVolatilityText, kInterestText, kDividendText, kFees, kNet})
        EXPECT_EQ(Ctl(control).color, TextColor::kTextHighlight) << "control " << control;
    for (RowControl control : {kDaysLeft, kFairValue, kImpliedVolatility, kRowFees, kRowNet})
        EXPECT_EQ(Row(0, control).color, TextColor::kTextHighlight) << "control " << control;
    for (int control : {kModeLabel, kRuleLabel, kPrompt})
        EXPECT_EQ(Ctl(control).color, TextColor::kMessageHighlight) << "control " << control;
    EXPECT_EQ(Ctl(kPrice).color, TextColor::kNormal);
}

TEST_F(EditorTest, PriceEntryReachesEveryRecordAndOpensTheRows) {
    Type(kPrice, " 47.3 ");
    EXPECT_EQ(Text(kPrice), "47.30");
    for (int i = 0; i < 4; ++i) EXPECT_DOUBLE_EQ(Record(i).GetUnderlyingPrice(), 47.3);
    EXPECT_DOUBLE_EQ(Underlying().GetPrice(), 47.3);
    EXPECT_TRUE(editor->RowsEnabled());
    EXPECT_TRUE(Row(0, kRowChoice).visible);
    EXPECT_TRUE(Row(1, kRowChoice).visible);
    EXPECT_FALSE(Row(0, kStrike).visible);
    ASSERT_EQ(Row(1, kStrike).items.size(), 11u);
    ASSERT_EQ(Row(0, kRowChoice).items.size(), 4u);
    EXPECT_EQ(Row(1, kStrike).items.front(), "42.00");
    EXPECT_EQ(Row(1, kStrike).items.back(), "52.00");
    EXPECT_EQ(Row(0, kRowChoice).items[0], "1 New Option");
    EXPECT_EQ(Text(kPrompt), "Enter shares or select a new option.");
}

TEST_F(EditorTest, PriceIsShownInFractionsWhenSet) {
    settings.showFractions = true;
    Reopen();
    Type(kPrice, "50 1/4");
    EXPECT_EQ(Text(kPrice), "50 1/4");
    EXPECT_DOUBLE_EQ(Underlying().GetPrice(), 50.25);
}

TEST_F(EditorTest, ClearingThePriceResetsEveryRecordAndHidesTheRows) {
    Type(kPrice, "50");
    Type(kShares, "200");
    Click(kBuyButton);
    FillRow(0, 0, "50", kCallButton, "2", "3", kRowBuy);
    ASSERT_EQ(Record(0).GetSide(), kBuy);
    for (const char* cleared : {"", "abc", "-5", "0"}) {
        Type(kPrice, "50");
        Type(kPrice, cleared);
        EXPECT_EQ(Text(kPrice), "") << cleared;
        EXPECT_FALSE(editor->RowsEnabled()) << cleared;
        EXPECT_FALSE(Row(0, kRowChoice).visible) << cleared;
        EXPECT_FALSE(Row(0, kStrike).visible) << cleared;
        EXPECT_EQ(editor->GetRowRecord(0), -1) << cleared;
        EXPECT_EQ(Row(0, kRowChoice).selected, -1) << cleared;
        EXPECT_EQ(RowText(0, kRowGroup), "Option") << cleared;
        EXPECT_EQ(Record(0).GetStrike(), 0) << cleared;
        EXPECT_EQ(Record(0).GetSide(), 0) << cleared;
        EXPECT_EQ(Underlying().GetShares(), 0) << cleared;
        EXPECT_EQ(Underlying().GetSide(), 0) << cleared;
        EXPECT_FALSE(Ctl(kBuyButton).checked) << cleared;
        EXPECT_EQ(Text(kShares), "") << cleared;
        EXPECT_EQ(Text(kNet), "") << cleared;
        EXPECT_FALSE(Ctl(kGraphButton).enabled) << cleared;
        EXPECT_EQ(Text(kPrompt), "Enter price.") << cleared;
    }
}

TEST_F(EditorTest, SharesAreTakenOnlyOnceThereIsAPrice) {
    Type(kShares, "200");
    EXPECT_EQ(Text(kShares), "");
    EXPECT_EQ(Underlying().GetShares(), 0);
    Type(kPrice, "50");
    const std::pair<const char*, const char*> typed[] = {
        {"200", "200"}, {" 300 ", "300"}, {"0", ""}, {"-4", ""}, {"abc", ""}, {"12.7", "12"}};
    for (const auto& [text, shown] : typed) {
        Type(kShares, text);
        EXPECT_EQ(Text(kShares), shown) << text;
        EXPECT_EQ(IntegerText(Underlying().GetShares()), shown) << text;
    }
    Choose(kShares, "2500");
    EXPECT_EQ(Underlying().GetShares(), 2500);
    EXPECT_EQ(Ctl(kShares).selected, 10);
}

TEST_F(EditorTest, SharesBelowOneTakeTheSideBack) {
    Type(kPrice, "50");
    Type(kShares, "200");
    Click(kSellButton);
    EXPECT_EQ(Text(kNet), "10000.00");
    Type(kShares, "0");
    EXPECT_EQ(Underlying().GetSide(), 0);
    EXPECT_FALSE(Ctl(kSellButton).checked);
    EXPECT_EQ(Text(kNet), "");
}

TEST_F(EditorTest, BuyAndSellActAsAPairOnlyWhileSharesAreHeld) {
    Type(kPrice, "50");
    Click(kBuyButton);
    EXPECT_FALSE(Ctl(kBuyButton).checked);
    EXPECT_EQ(Underlying().GetSide(), 0);
    Type(kShares, "200");
    EXPECT_EQ(Text(kPrompt), "Buy or sell shares or select a new option.");
    Click(kBuyButton);
    EXPECT_TRUE(Ctl(kBuyButton).checked);
    EXPECT_EQ(Text(kNet), "-10000.00");
    Click(kBuyButton);
    EXPECT_TRUE(Ctl(kBuyButton).checked) << "a second click keeps Buy";
    Click(kSellButton);
    EXPECT_FALSE(Ctl(kBuyButton).checked);
    EXPECT_TRUE(Ctl(kSellButton).checked);
    EXPECT_EQ(Underlying().GetSide(), kSell);
    EXPECT_EQ(Text(kPrompt), "Select a new option.");
}

TEST_F(EditorTest, AssetTypeButtonsSetTypeUnitsSymbolAndList) {
    struct Case {
        int button;
        int type;
        int units;
        const char* symbol;
        const char* label;
        const char* firstHolding;
    };
    const Case cases[] = {
        {kFuture, 3, 100, "[Future]", "Contracts", "1"},
        {kIndex, 2, 1, "[Index]", "Shares (Units)", "100"},
        {kStock, 1, 1, "[Stock]", "Shares (Units)", "100"},
    };
    for (const Case& c : cases) {
        Click(c.button);
        for (int button : {kStock, kIndex, kFuture})
            EXPECT_EQ(Ctl(button).checked, button == c.button) << c.symbol;
        EXPECT_EQ(Underlying().GetAssetType(), c.type) << c.symbol;
        EXPECT_EQ(Underlying().GetUnitsPerContract(), c.units) << c.symbol;
        EXPECT_EQ(Record(3).GetAssetType(), c.type) << c.symbol;
        EXPECT_EQ(settings.assetType, c.type) << c.symbol;
        EXPECT_EQ(Text(kSymbol), c.symbol);
        EXPECT_EQ(Underlying().GetSymbol(), c.symbol);
        EXPECT_EQ(Text(kSharesLabel), c.label) << c.symbol;
        EXPECT_EQ(Ctl(kShares).items.front(), c.firstHolding) << c.symbol;
    }
    Type(kSymbol, "XYZ");
    Click(kFuture);
    EXPECT_EQ(Underlying().GetSymbol(), "XYZ") << "a typed symbol stays";
    Type(kPrice, "50");
    EXPECT_EQ(Text(kPrompt), "Enter contracts or select a new option.");
}

TEST_F(EditorTest, UnitsPerContractReachSettingsRecordsAndAFuture) {
    Click(kFuture);
    editor->Command(kCommandShowUnits);
    ASSERT_TRUE(Ctl(kUnits).visible);
    EXPECT_EQ(Text(kUnits), "100");
    Type(kUnits, "50");
    EXPECT_EQ(settings.unitsPerContract, 50);
    EXPECT_EQ(Underlying().GetUnitsPerContract(), 50);
    EXPECT_EQ(Record(2).GetUnitsPerContract(), 50);
    Type(kUnits, "0");
    EXPECT_EQ(Text(kUnits), "50") << "an entry below 1 restores the setting";
    EXPECT_EQ(settings.unitsPerContract, 50);
    Choose(kUnits, "1000");
    EXPECT_EQ(Record(0).GetUnitsPerContract(), 1000);
    Click(kStock);
    Choose(kUnits, "500");
    EXPECT_EQ(Underlying().GetUnitsPerContract(), 1) << "a stock is held share by share";
    EXPECT_EQ(Record(0).GetUnitsPerContract(), 500);
}

TEST_F(EditorTest, SlidersCarryTheirValuesIntoEveryRecord) {
    editor->MoveSlider(kVolatilitySlider, 30);
    EXPECT_EQ(settings.volatility, 30);
    EXPECT_EQ(Text(kVolatilityText), "0.300");
    EXPECT_DOUBLE_EQ(Record(3).GetVolatility(), 0.30);
    editor->MoveSlider(kInterestSlider, 7);
    EXPECT_EQ(Text(kInterestText), "0.7%");
    EXPECT_DOUBLE_EQ(Record(1).GetInterestRate(), 0.007);
    editor->MoveSlider(kInterestSlider, 500);
    EXPECT_EQ(settings.interest, 150) << "a position past the range stops at its end";
    editor->MoveSlider(kDividendSlider, 20);
    EXPECT_EQ(settings.dividend, 50) << "the dividend slider is hidden while dividends are off";
    editor->Command(kCommandDividend);
    editor->MoveSlider(kDividendSlider, 20);
    EXPECT_EQ(Text(kDividendText), "2.0%");
    EXPECT_DOUBLE_EQ(Record(0).GetDividendYield(), 0.02);
    editor->MoveSlider(kVolatilitySlider, 0);
    EXPECT_EQ(Text(kVolatilityText), "0.010");
}

TEST_F(EditorTest, DateEntryMovesTheValuationDateAndTheDaysLeft) {
    Type(kPrice, "50");
    ChooseRecord(0, 0);
    ChooseInRow(0, kExpires, "Mar 1999");
    ASSERT_EQ(RowText(0, kDaysLeft), "64");
    Type(kDate, "2/1/1999");
    EXPECT_EQ(Text(kDate), "02/01/1999");
    EXPECT_EQ(Record(0).GetDaysLeft(), 48);
    EXPECT_EQ(RowText(0, kDaysLeft), "48");
    EXPECT_EQ(Row(0, kExpires).items.front(), "Feb 1999");
    EXPECT_EQ(RowText(0, kExpires), "Mar 1999") << "the rebuilt list keeps the text";
    Type(kDate, "4/1/1999");
    EXPECT_EQ(Record(0).GetDaysLeft(), 0);
    Type(kDate, "1/20/1999");
    EXPECT_EQ(Record(0).GetDaysLeft(), 0) << "a record at 0 days stays at 0";
    Type(kDate, "not a date");
    EXPECT_EQ(Text(kDate), "01/15/1999") << "an unreadable date falls back to the start";
    EXPECT_EQ(editor->GetValuationDate(), clock.now);
}

TEST_F(EditorTest, DateIsReadAndShownDayFirstInTheOtherFormat) {
    settings.dateFormat = 2;
    Reopen();
    EXPECT_EQ(Text(kDate), "15/01/1999");
    Type(kDate, "1/2/1999");
    EXPECT_EQ(Text(kDate), "01/02/1999");
    EXPECT_EQ(editor->GetValuationDate(), CTime(1999, 2, 1));
}

TEST_F(EditorTest, BoxesKeepTheDecimalPointUnderAGermanLocale) {
    const std::string saved = std::setlocale(LC_ALL, nullptr);
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr);
    Type(kPrice, "47.3");
    FillRow(0, 0, "47.5", kCallButton, "1.25", "2", kRowBuy);
    editor->MoveSlider(kInterestSlider, 55);
    std::setlocale(LC_ALL, saved.c_str());
    EXPECT_EQ(Text(kPrice), "47.30");
    EXPECT_EQ(Row(0, kStrike).items.front(), "42.00");
    EXPECT_DOUBLE_EQ(Record(0).GetStrike(), 47.5);
    EXPECT_EQ(RowText(0, kRowPrice), "1.25");
    EXPECT_EQ(RowText(0, kRowNet), "-250.00");
    EXPECT_EQ(Text(kInterestText), "5.5%");
    EXPECT_NE(RowText(0, kFairValue).find('.'), std::string::npos);
}

}  // namespace
}  // namespace qx

namespace qx {
namespace {

TEST_F(EditorTest, UnitsEntryRevaluesTheRowsNet) {
    editor->Command(kCommandShowUnits);
    Type(kPrice, "50");
    FillRow(0, 0, "50", kCallButton, "2", "3", kRowBuy);
    ASSERT_EQ(RowText(0, kRowNet), "-600.00");
    Choose(kUnits, "1000");
    EXPECT_EQ(RowText(0, kRowNet), "-6000.00");
    Type(kUnits, "abc");
    EXPECT_EQ(Text(kUnits), "1000");
    EXPECT_EQ(RowText(0, kRowNet), "-6000.00");
}

}  // namespace
}  // namespace qx
