#include <gtest/gtest.h>

#include <clocale>

#include "editor_fixture.h"

namespace qx {
namespace {

TEST_F(EditorTest, OpensWithTheSettingsEnvironmentAndNoRows) {
    EXPECT_EQ(Text(C::kSymbol), "[Stock]");
    EXPECT_TRUE(Ctl(C::kStock).checked);
    EXPECT_EQ(Text(C::kDate), "01/15/1999");
    EXPECT_EQ(Text(C::kVolatilityText), "0.150");
    EXPECT_EQ(Text(C::kInterestText), "5.0%");
    EXPECT_FALSE(Ctl(C::kDividendSlider).visible);
    EXPECT_EQ(Ctl(C::kVolatilitySlider).position, 15);
    EXPECT_EQ(Ctl(C::kVolatilitySlider).minimum, 1);
    EXPECT_EQ(Ctl(C::kVolatilitySlider).maximum, 500);
    EXPECT_EQ(Ctl(C::kInterestSlider).maximum, 150);
    EXPECT_EQ(Text(C::kModeLabel), "Basic Mode");
    EXPECT_EQ(Text(C::kRuleLabel), "European Rule");
    EXPECT_EQ(Text(C::kPrompt), "Enter price.");
    EXPECT_EQ(Text(C::kClock), "02:30 PM");
    EXPECT_EQ(Row(0, R::kExpires).items.size(), 13u);
    EXPECT_EQ(Row(0, R::kExpires).items.front(), "Jan 1999");
    for (int row = 0; row < kEditorRows; ++row) {
        EXPECT_FALSE(Row(row, R::kRowChoice).visible) << "row " << row;
        EXPECT_FALSE(Row(row, R::kStrike).visible) << "row " << row;
        EXPECT_EQ(RowText(row, R::kRowGroup), "Option") << "row " << row;
    }
    EXPECT_FALSE(Ctl(C::kGraphButton).enabled);
    EXPECT_FALSE(editor->GetMenuItem(EditorCommand::kGraph).enabled);
    for (int i = 0; i < 4; ++i) {
        EXPECT_DOUBLE_EQ(Record(i).GetVolatility(), 0.15) << "record " << i;
        EXPECT_DOUBLE_EQ(Record(i).GetInterestRate(), 0.05) << "record " << i;
        EXPECT_EQ(Record(i).GetUnitsPerContract(), 100) << "record " << i;
        EXPECT_EQ(Record(i).GetAssetType(), AssetType::kStock) << "record " << i;
    }
}

TEST_F(EditorTest, TextColoursFollowTheHighlightRoles) {
    EXPECT_EQ(Ctl(C::kEnvironmentGroup).color, TextColor::kGroupHighlight);
    EXPECT_EQ(Row(1, R::kRowGroup).color, TextColor::kGroupHighlight);
    for (EditorControl control :
         {C::kVolatilityText, C::kInterestText, C::kDividendText, C::kFees, C::kNet})
        EXPECT_EQ(Ctl(control).color, TextColor::kTextHighlight) << "control " << control;
    for (RowControl control :
         {R::kDaysLeft, R::kFairValue, R::kImpliedVolatility, R::kRowFees, R::kRowNet})
        EXPECT_EQ(Row(0, control).color, TextColor::kTextHighlight) << "control " << control;
    for (EditorControl control : {C::kModeLabel, C::kRuleLabel, C::kPrompt})
        EXPECT_EQ(Ctl(control).color, TextColor::kMessageHighlight) << "control " << control;
    EXPECT_EQ(Ctl(C::kPrice).color, TextColor::kNormal);
}

TEST_F(EditorTest, PriceEntryReachesEveryRecordAndOpensTheRows) {
    Type(C::kPrice, " 47.3 ");
    EXPECT_EQ(Text(C::kPrice), "47.30");
    for (int i = 0; i < 4; ++i) EXPECT_DOUBLE_EQ(Record(i).GetUnderlyingPrice(), 47.3);
    EXPECT_DOUBLE_EQ(Underlying().GetPrice(), 47.3);
    EXPECT_TRUE(editor->RowsEnabled());
    EXPECT_TRUE(Row(0, R::kRowChoice).visible);
    EXPECT_TRUE(Row(1, R::kRowChoice).visible);
    EXPECT_FALSE(Row(0, R::kStrike).visible);
    ASSERT_EQ(Row(1, R::kStrike).items.size(), 11u);
    ASSERT_EQ(Row(0, R::kRowChoice).items.size(), 4u);
    EXPECT_EQ(Row(1, R::kStrike).items.front(), "42.00");
    EXPECT_EQ(Row(1, R::kStrike).items.back(), "52.00");
    EXPECT_EQ(Row(0, R::kRowChoice).items[0], "1 New Option");
    EXPECT_EQ(Text(C::kPrompt), "Enter shares or select a new option.");
}

TEST_F(EditorTest, PriceIsShownInFractionsWhenSet) {
    settings.showFractions = true;
    Reopen();
    Type(C::kPrice, "50 1/4");
    EXPECT_EQ(Text(C::kPrice), "50 1/4");
    EXPECT_DOUBLE_EQ(Underlying().GetPrice(), 50.25);
}

TEST_F(EditorTest, ClearingThePriceResetsEveryRecordAndHidesTheRows) {
    Type(C::kPrice, "50");
    Type(C::kShares, "200");
    Click(C::kBuyButton);
    FillRow(0, 0, "50", R::kCallButton, "2", "3", R::kRowBuy);
    ASSERT_EQ(Record(0).GetSide(), Side::kBuy);
    for (const char* cleared : {"", "-5", "0"}) {
        Type(C::kPrice, "50");
        Type(C::kPrice, cleared);
        EXPECT_EQ(Text(C::kPrice), "") << cleared;
        EXPECT_FALSE(editor->RowsEnabled()) << cleared;
        EXPECT_FALSE(Row(0, R::kRowChoice).visible) << cleared;
        EXPECT_FALSE(Row(0, R::kStrike).visible) << cleared;
        EXPECT_EQ(editor->GetRowRecord(0), -1) << cleared;
        EXPECT_EQ(Row(0, R::kRowChoice).selected, -1) << cleared;
        EXPECT_EQ(RowText(0, R::kRowGroup), "Option") << cleared;
        EXPECT_EQ(Record(0).GetStrike(), 0) << cleared;
        EXPECT_EQ(Record(0).GetSide(), Side::kNone) << cleared;
        EXPECT_EQ(Underlying().GetShares(), 0) << cleared;
        EXPECT_EQ(Underlying().GetSide(), Side::kNone) << cleared;
        EXPECT_FALSE(Ctl(C::kBuyButton).checked) << cleared;
        EXPECT_EQ(Text(C::kShares), "") << cleared;
        EXPECT_EQ(Text(C::kNet), "") << cleared;
        EXPECT_FALSE(Ctl(C::kGraphButton).enabled) << cleared;
        EXPECT_EQ(Text(C::kPrompt), "Enter price.") << cleared;
    }
}

// "1,250" once read as 1, and "abc" cleared every record: a text the box cannot read
// whole is refused, and the position stays.
TEST_F(EditorTest, PriceReadsThousandsSeparatorsAndRefusesTextItCannotRead) {
    Type(C::kPrice, "1,250");
    EXPECT_EQ(Text(C::kPrice), "1250.00");
    FillRow(0, 0, "1250", R::kCallButton, "2", "3", R::kRowBuy);
    for (const char* refused : {"1,25", "abc", "12x"}) {
        Type(C::kPrice, refused);
        EXPECT_EQ(Text(C::kPrice), "1250.00") << refused;
        EXPECT_EQ(Record(0).GetUnderlyingPrice(), 1250) << refused;
        EXPECT_EQ(Record(0).GetSide(), Side::kBuy) << refused;
        EXPECT_EQ(messages.LastText(), std::string("The Price box cannot read \"") + refused +
                                           "\" as a number. Write it as 1250, 1,250.50 or 50 1/4.");
    }
    EXPECT_EQ(messages.shown.size(), 3u);
}

TEST_F(EditorTest, SharesAreTakenOnlyOnceThereIsAPrice) {
    Type(C::kShares, "200");
    EXPECT_EQ(Text(C::kShares), "");
    EXPECT_EQ(Underlying().GetShares(), 0);
    Type(C::kPrice, "50");
    // A text the box cannot read whole leaves the shares held.
    const std::pair<const char*, const char*> typed[] = {
        {"200", "200"},   {" 300 ", "300"}, {"1,000", "1000"}, {"abc", "1000"},
        {"12.7", "1000"}, {"1,25", "1000"}, {"0", ""},         {"-4", ""}};
    for (const auto& [text, shown] : typed) {
        Type(C::kShares, text);
        EXPECT_EQ(Text(C::kShares), shown) << text;
        EXPECT_EQ(IntegerText(Underlying().GetShares()), shown) << text;
    }
    EXPECT_EQ(messages.LastText(),
              "The Shares (Units) box cannot read \"1,25\" as a whole "
              "number. Write it as 1250 or 1,250.");
    Choose(C::kShares, "2500");
    EXPECT_EQ(Underlying().GetShares(), 2500);
    EXPECT_EQ(Ctl(C::kShares).selected, 10);
}

TEST_F(EditorTest, SharesBelowOneTakeTheSideBack) {
    Type(C::kPrice, "50");
    Type(C::kShares, "200");
    Click(C::kSellButton);
    EXPECT_EQ(Text(C::kNet), "10000.00");
    Type(C::kShares, "0");
    EXPECT_EQ(Underlying().GetSide(), Side::kNone);
    EXPECT_FALSE(Ctl(C::kSellButton).checked);
    EXPECT_EQ(Text(C::kNet), "");
}

TEST_F(EditorTest, BuyAndSellActAsAPairOnlyWhileSharesAreHeld) {
    Type(C::kPrice, "50");
    Click(C::kBuyButton);
    EXPECT_FALSE(Ctl(C::kBuyButton).checked);
    EXPECT_EQ(Underlying().GetSide(), Side::kNone);
    Type(C::kShares, "200");
    EXPECT_EQ(Text(C::kPrompt), "Buy or sell shares or select a new option.");
    Click(C::kBuyButton);
    EXPECT_TRUE(Ctl(C::kBuyButton).checked);
    EXPECT_EQ(Text(C::kNet), "-10000.00");
    Click(C::kBuyButton);
    EXPECT_TRUE(Ctl(C::kBuyButton).checked) << "a second click keeps Buy";
    Click(C::kSellButton);
    EXPECT_FALSE(Ctl(C::kBuyButton).checked);
    EXPECT_TRUE(Ctl(C::kSellButton).checked);
    EXPECT_EQ(Underlying().GetSide(), Side::kSell);
    EXPECT_EQ(Text(C::kPrompt), "Select a new option.");
}

TEST_F(EditorTest, AssetTypeButtonsSetTypeUnitsSymbolAndList) {
    struct Case {
        EditorControl button;
        AssetType type;
        int units;
        const char* symbol;
        const char* label;
        const char* firstHolding;
    };
    const Case cases[] = {
        {C::kFuture, AssetType::kFuture, 100, "[Future]", "Contracts", "1"},
        {C::kIndex, AssetType::kIndex, 1, "[Index]", "Shares (Units)", "100"},
        {C::kStock, AssetType::kStock, 1, "[Stock]", "Shares (Units)", "100"},
    };
    for (const Case& c : cases) {
        Click(c.button);
        for (EditorControl button : {C::kStock, C::kIndex, C::kFuture})
            EXPECT_EQ(Ctl(button).checked, button == c.button) << c.symbol;
        EXPECT_EQ(Underlying().GetAssetType(), c.type) << c.symbol;
        EXPECT_EQ(Underlying().GetUnitsPerContract(), c.units) << c.symbol;
        EXPECT_EQ(Record(3).GetAssetType(), c.type) << c.symbol;
        EXPECT_EQ(settings.assetType, c.type) << c.symbol;
        EXPECT_EQ(Text(C::kSymbol), c.symbol);
        EXPECT_EQ(Underlying().GetSymbol(), c.symbol);
        EXPECT_EQ(Text(C::kSharesLabel), c.label) << c.symbol;
        EXPECT_EQ(Ctl(C::kShares).items.front(), c.firstHolding) << c.symbol;
    }
    Type(C::kSymbol, "XYZ");
    Click(C::kFuture);
    EXPECT_EQ(Underlying().GetSymbol(), "XYZ") << "a typed symbol stays";
    Type(C::kSymbol, std::string(256, 'X'));
    EXPECT_EQ(messages.LastText(), "The symbol is longer than 255 characters.");
    EXPECT_EQ(Text(C::kSymbol), "XYZ") << "a refused symbol gives way to the one held";
    Type(C::kPrice, "50");
    EXPECT_EQ(Text(C::kPrompt), "Enter contracts or select a new option.");
}

TEST_F(EditorTest, UnitsPerContractReachSettingsRecordsAndAFuture) {
    Click(C::kFuture);
    editor->Command(EditorCommand::kShowUnits);
    ASSERT_TRUE(Ctl(C::kUnits).visible);
    EXPECT_EQ(Text(C::kUnits), "100");
    Type(C::kUnits, "50");
    EXPECT_EQ(settings.unitsPerContract, 50);
    EXPECT_EQ(Underlying().GetUnitsPerContract(), 50);
    EXPECT_EQ(Record(2).GetUnitsPerContract(), 50);
    Type(C::kUnits, "0");
    EXPECT_EQ(Text(C::kUnits), "50") << "an entry below 1 restores the setting";
    EXPECT_EQ(settings.unitsPerContract, 50);
    Choose(C::kUnits, "1000");
    EXPECT_EQ(Record(0).GetUnitsPerContract(), 1000);
    Click(C::kStock);
    Choose(C::kUnits, "500");
    EXPECT_EQ(Underlying().GetUnitsPerContract(), 1) << "a stock is held share by share";
    EXPECT_EQ(Record(0).GetUnitsPerContract(), 500);
}

TEST_F(EditorTest, SlidersCarryTheirValuesIntoEveryRecord) {
    editor->MoveSlider(C::kVolatilitySlider, 30);
    EXPECT_EQ(settings.volatility, 30);
    EXPECT_EQ(Text(C::kVolatilityText), "0.300");
    EXPECT_DOUBLE_EQ(Record(3).GetVolatility(), 0.30);
    editor->MoveSlider(C::kInterestSlider, 7);
    EXPECT_EQ(Text(C::kInterestText), "0.7%");
    EXPECT_DOUBLE_EQ(Record(1).GetInterestRate(), 0.007);
    editor->MoveSlider(C::kInterestSlider, 500);
    EXPECT_EQ(settings.interest, 150) << "a position past the range stops at its end";
    editor->MoveSlider(C::kDividendSlider, 20);
    EXPECT_EQ(settings.dividend, 50) << "the dividend slider is hidden while dividends are off";
    editor->Command(EditorCommand::kDividend);
    editor->MoveSlider(C::kDividendSlider, 20);
    EXPECT_EQ(Text(C::kDividendText), "2.0%");
    EXPECT_DOUBLE_EQ(Record(0).GetDividendYield(), 0.02);
    editor->MoveSlider(C::kVolatilitySlider, 0);
    EXPECT_EQ(Text(C::kVolatilityText), "0.010");
}

TEST_F(EditorTest, DateEntryMovesTheValuationDateAndTheDaysLeft) {
    Type(C::kPrice, "50");
    ChooseRecord(0, 0);
    ChooseInRow(0, R::kExpires, "Mar 1999");
    ASSERT_EQ(RowText(0, R::kDaysLeft), "63");  // to Friday 19 March
    Type(C::kDate, "2/1/1999");
    EXPECT_EQ(Text(C::kDate), "02/01/1999");
    EXPECT_EQ(Record(0).GetDaysLeft(), 47);
    EXPECT_EQ(RowText(0, R::kDaysLeft), "47");
    EXPECT_EQ(Row(0, R::kExpires).items.front(), "Feb 1999");
    EXPECT_EQ(RowText(0, R::kExpires), "Mar 1999") << "the rebuilt list keeps the text";
    Type(C::kDate, "4/1/1999");
    EXPECT_EQ(Record(0).GetDaysLeft(), 0);
    Type(C::kDate, "1/20/1999");
    EXPECT_EQ(Record(0).GetDaysLeft(), 0) << "a record at 0 days stays at 0";
    Type(C::kDate, "not a date");
    EXPECT_EQ(Text(C::kDate), "01/15/1999") << "an unreadable date falls back to the start";
    EXPECT_EQ(editor->GetValuationDate(), clock.now);
}

TEST_F(EditorTest, DateIsReadAndShownDayFirstInTheOtherFormat) {
    settings.dateFormat = 2;
    Reopen();
    EXPECT_EQ(Text(C::kDate), "15/01/1999");
    Type(C::kDate, "1/2/1999");
    EXPECT_EQ(Text(C::kDate), "01/02/1999");
    EXPECT_EQ(editor->GetValuationDate(), CTime(1999, 2, 1));
}

TEST_F(EditorTest, BoxesKeepTheDecimalPointUnderAGermanLocale) {
    const std::string saved = std::setlocale(LC_ALL, nullptr);
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr);
    Type(C::kPrice, "47.3");
    FillRow(0, 0, "47.5", R::kCallButton, "1.25", "2", R::kRowBuy);
    editor->MoveSlider(C::kInterestSlider, 55);
    std::setlocale(LC_ALL, saved.c_str());
    EXPECT_EQ(Text(C::kPrice), "47.30");
    EXPECT_EQ(Row(0, R::kStrike).items.front(), "42.00");
    EXPECT_DOUBLE_EQ(Record(0).GetStrike(), 47.5);
    EXPECT_EQ(RowText(0, R::kRowPrice), "1.25");
    EXPECT_EQ(RowText(0, R::kRowNet), "-250.00");
    EXPECT_EQ(Text(C::kInterestText), "5.5%");
    EXPECT_NE(RowText(0, R::kFairValue).find('.'), std::string::npos);
}

}  // namespace
}  // namespace qx

namespace qx {
namespace {

TEST_F(EditorTest, UnitsEntryRevaluesTheRowsNet) {
    editor->Command(EditorCommand::kShowUnits);
    Type(C::kPrice, "50");
    FillRow(0, 0, "50", R::kCallButton, "2", "3", R::kRowBuy);
    ASSERT_EQ(RowText(0, R::kRowNet), "-600.00");
    Choose(C::kUnits, "1000");
    EXPECT_EQ(RowText(0, R::kRowNet), "-6000.00");
    Type(C::kUnits, "abc");
    EXPECT_EQ(Text(C::kUnits), "1000");
    EXPECT_EQ(RowText(0, R::kRowNet), "-6000.00");
}

}  // namespace
}  // namespace qx
