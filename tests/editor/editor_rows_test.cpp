#include <gtest/gtest.h>

#include <charconv>
#include <functional>

#include "editor_fixture.h"

namespace qx {
namespace {

// The fields a row holds after an event, record and boxes together.
struct RowState {
    bool expires;
    double strike;
    OptionType type;
    double price;
    int contracts;
    Side side;
};

// The row StartCompleteRow fills, and a row whose expiration went missing.
const RowState kBoughtCall{true, 50, OptionType::kCall, 2, 3, Side::kBuy};
const RowState kNoExpiration{false, 0, OptionType::kNone, 0, 0, Side::kNone};

class EditorRowTest : public EditorTest {
  protected:
    EditorRowTest() { StartCompleteRow(); }

    // A fresh editor whose row 1 holds a complete bought call.
    void StartCompleteRow() {
        Reopen();
        Type(C::kPrice, "50");
        FillRow(0, 0, "50", R::kCallButton, "2", "3", R::kRowBuy);
    }

    void ExpectRow(const RowState& want, const std::string& label) {
        const Option& option = Record(editor->GetRowRecord(0));
        EXPECT_EQ(option.GetDaysLeft() > 0, want.expires) << label;
        EXPECT_EQ(!RowText(0, R::kDaysLeft).empty(), want.expires) << label;
        EXPECT_DOUBLE_EQ(option.GetStrike(), want.strike) << label;
        EXPECT_EQ(option.GetOptionType(), want.type) << label;
        EXPECT_EQ(Row(0, R::kCallButton).checked, want.type == OptionType::kCall) << label;
        EXPECT_EQ(Row(0, R::kPutButton).checked, want.type == OptionType::kPut) << label;
        EXPECT_DOUBLE_EQ(option.GetPrice(), want.price) << label;
        EXPECT_EQ(RowText(0, R::kRowPrice).empty(), want.price == 0) << label;
        EXPECT_EQ(option.GetContracts(), want.contracts) << label;
        EXPECT_EQ(RowText(0, R::kContracts), IntegerText(want.contracts)) << label;
        EXPECT_EQ(option.GetSide(), want.side) << label;
        EXPECT_EQ(Row(0, R::kRowBuy).checked, want.side == Side::kBuy) << label;
        EXPECT_EQ(Row(0, R::kRowSell).checked, want.side == Side::kSell) << label;
    }
};

TEST_F(EditorRowTest, CascadeVoidsEveryFieldAfterTheOneThatWentMissing) {
    struct Case {
        const char* event;
        std::function<void()> act;
        RowState want;
    };
    const Case cases[] = {
        {"nothing", [] {}, kBoughtCall},
        {"month already past", [this] { TypeInRow(0, R::kExpires, "dec 1998"); }, kNoExpiration},
        {"unreadable expiration", [this] { TypeInRow(0, R::kExpires, "soon"); }, kNoExpiration},
        {"strike cleared",
         [this] { TypeInRow(0, R::kStrike, ""); },
         {true, 0, OptionType::kNone, 0, 0, Side::kNone}},
        {"strike refused", [this] { TypeInRow(0, R::kStrike, "abc"); }, kBoughtCall},
        {"price cleared",
         [this] { TypeInRow(0, R::kRowPrice, "0"); },
         {true, 50, OptionType::kCall, 0, 0, Side::kNone}},
        {"contracts cleared",
         [this] { TypeInRow(0, R::kContracts, "-2"); },
         {true, 50, OptionType::kCall, 2, 0, Side::kNone}},
        {"type changed",
         [this] { ClickInRow(0, R::kPutButton); },
         {true, 50, OptionType::kPut, 0, 0, Side::kNone}},
        {"same type clicked again", [this] { ClickInRow(0, R::kCallButton); }, kBoughtCall},
        {"side changed",
         [this] { ClickInRow(0, R::kRowSell); },
         {true, 50, OptionType::kCall, 2, 3, Side::kSell}},
        {"strike changed",
         [this] { ChooseInRow(0, R::kStrike, "55.00"); },
         {true, 55, OptionType::kCall, 2, 3, Side::kBuy}},
    };
    for (const Case& c : cases) {
        StartCompleteRow();
        c.act();
        ExpectRow(c.want, c.event);
    }
}

TEST_F(EditorRowTest, AStrikeEnteredAgainAfterItWasClearedAsksForTheTypeFirst) {
    TypeInRow(0, R::kStrike, "");
    TypeInRow(0, R::kStrike, "45");
    EXPECT_EQ(Text(C::kPrompt),
              "Enter shares, select call or put for option 1 or select a new option.");
    EXPECT_EQ(RowText(0, R::kFairValue), "") << "no type, no value";
    ClickInRow(0, R::kPutButton);
    TypeInRow(0, R::kRowPrice, "1.5");
    EXPECT_DOUBLE_EQ(Record(0).GetPrice(), 1.5) << "the price is kept once a type is chosen";
}

TEST_F(EditorRowTest, RowShowsValuesNetAndTitle) {
    EXPECT_EQ(RowText(0, R::kDaysLeft), "63");
    EXPECT_EQ(RowText(0, R::kRowGroup), "Option 1 CJ");
    EXPECT_EQ(Row(0, R::kRowChoice).items[0], "1 Mar 50 Call");
    EXPECT_EQ(Row(1, R::kRowChoice).items[0], "1 Mar 50 Call");
    EXPECT_EQ(Row(0, R::kRowChoice).items[1], "2 New Option");
    EXPECT_EQ(RowText(0, R::kRowNet), "-600.00") << "fees off: contracts x units x price";
    EXPECT_EQ(RowText(0, R::kRowFees), "");
    EXPECT_FALSE(Row(0, R::kRowFees).visible);
    EXPECT_FALSE(RowText(0, R::kFairValue).empty());
    EXPECT_FALSE(RowText(0, R::kImpliedVolatility).empty());
    EXPECT_TRUE(Ctl(C::kGraphButton).enabled);
    EXPECT_TRUE(editor->GetMenuItem(EditorCommand::kGraph).enabled);
    EXPECT_EQ(editor->RecordsWithSide(), 1);
}

TEST_F(EditorRowTest, FeesOnChargeEveryContract) {
    editor->Command(EditorCommand::kIncludeFees);
    EXPECT_TRUE(Row(0, R::kRowFees).visible);
    EXPECT_EQ(RowText(0, R::kRowNet), "-675.00");
    EXPECT_EQ(RowText(0, R::kRowFees), "-75.00");
    TypeInRow(0, R::kContracts, "0");
    EXPECT_EQ(RowText(0, R::kRowNet), "");
    EXPECT_EQ(RowText(0, R::kRowFees), "") << "no trade, no fees shown";
}

TEST_F(EditorRowTest, ImpliedVolatilityBoxShowsTheFractionWithinLimits) {
    const std::pair<double, const char*> cases[] = {
        {0.25, "0.250"}, {0.6, "0.600"}, {2.5, "2.000"}, {0.0095, ""}};
    for (const auto& [sigma, shown] : cases) {
        const double price = Record(0).FairValueAt(sigma);
        char text[64];
        *std::to_chars(text, text + 63, price).ptr = '\0';
        TypeInRow(0, R::kRowPrice, text);
        EXPECT_EQ(RowText(0, R::kImpliedVolatility), shown)
            << "sigma " << sigma << " price " << text;
    }
}

TEST_F(EditorRowTest, ChoosingTheOtherRowsRecordChangesNothing) {
    ChooseRecord(1, 2);
    ChooseRecord(1, 0);
    EXPECT_EQ(editor->GetRowRecord(1), 2);
    EXPECT_EQ(Row(1, R::kRowChoice).selected, 2);
    EXPECT_EQ(RowText(1, R::kRowGroup), "Option 3");
}

TEST_F(EditorRowTest, EachRowGreysTheRecordTheOtherRowShows) {
    using Items = std::vector<int>;
    EXPECT_EQ(Row(0, R::kRowChoice).unavailable, Items{});
    EXPECT_EQ(Row(1, R::kRowChoice).unavailable, Items{0});
    ChooseRecord(1, 2);
    EXPECT_EQ(Row(0, R::kRowChoice).unavailable, Items{2});
    ChooseRecord(0, 1);
    EXPECT_EQ(Row(1, R::kRowChoice).unavailable, Items{1});
    ClickInRow(1, R::kClear);
    EXPECT_EQ(Row(0, R::kRowChoice).unavailable, Items{});
    editor->Command(EditorCommand::kNew);
    EXPECT_EQ(Row(1, R::kRowChoice).unavailable, Items{});
}

TEST_F(EditorRowTest, ChoosingARecordFillsTheRowFromIt) {
    ChooseRecord(0, 1);
    EXPECT_EQ(RowText(0, R::kStrike), "");
    EXPECT_FALSE(Row(0, R::kCallButton).checked);
    EXPECT_EQ(RowText(0, R::kRowNet), "");
    EXPECT_EQ(RowText(0, R::kRowGroup), "Option 2");
    ChooseRecord(1, 0);
    EXPECT_EQ(RowText(1, R::kExpires), "Mar 1999");
    EXPECT_EQ(RowText(1, R::kStrike), "50.00");
    EXPECT_EQ(Row(1, R::kStrike).selected, 5);
    EXPECT_TRUE(Row(1, R::kCallButton).checked);
    EXPECT_EQ(RowText(1, R::kRowPrice), "2.00");
    EXPECT_EQ(RowText(1, R::kContracts), "3");
    EXPECT_TRUE(Row(1, R::kRowBuy).checked);
    EXPECT_EQ(RowText(1, R::kDaysLeft), "63");
    EXPECT_EQ(RowText(1, R::kRowNet), "-600.00");
    EXPECT_EQ(RowText(1, R::kRowGroup), "Option 1 CJ");
}

TEST_F(EditorTest, ExpirationsAreReadAsDatesOrMonths) {
    Type(C::kPrice, "50");
    ChooseRecord(0, 0);
    struct Case {
        const char* typed;
        const char* shown;
        CTime expiration;
    };
    const Case cases[] = {
        {"mar 1999", "Mar 1999", CTime(1999, 3, 19)},
        {"MAR 1999", "Mar 1999", CTime(1999, 3, 19)},
        {"3/20/1999", "03/20/1999", CTime(1999, 3, 20)},
        {"6/5/99", "06/05/1999", CTime(1999, 6, 5)},
        {"Oct 1999", "Oct 1999", CTime(1999, 10, 15)},
    };
    for (const Case& c : cases) {
        TypeInRow(0, R::kExpires, c.typed);
        EXPECT_EQ(RowText(0, R::kExpires), c.shown) << c.typed;
        EXPECT_EQ(Record(0).GetExpiration(), c.expiration) << c.typed;
        EXPECT_GT(Record(0).GetDaysLeft(), 0) << c.typed;
    }
    for (const char* past : {"dec 1998", "xyz", ""}) {
        TypeInRow(0, R::kExpires, past);
        EXPECT_EQ(RowText(0, R::kExpires), "") << past;
        EXPECT_EQ(Record(0).GetDaysLeft(), 0) << past;
        EXPECT_EQ(RowText(0, R::kDaysLeft), "") << past;
    }
}

TEST_F(EditorTest, TypedExpirationDateReadsBackAsTheSameDayInEitherFormat) {
    const struct {
        int dateFormat;
        const char* typed;
        const char* shown;
    } cases[] = {{1, "3/19/1999", "03/19/1999"}, {2, "19/3/1999", "19/03/1999"}};
    for (const auto& c : cases) {
        settings.dateFormat = c.dateFormat;
        Reopen();
        Type(C::kPrice, "50");
        ChooseRecord(0, 0);
        TypeInRow(0, R::kExpires, c.typed);
        EXPECT_EQ(RowText(0, R::kExpires), c.shown) << c.typed;
        TypeInRow(0, R::kExpires, RowText(0, R::kExpires));
        EXPECT_EQ(Record(0).GetExpiration(), CTime(1999, 3, 19)) << c.typed;
        EXPECT_EQ(RowText(0, R::kExpires), c.shown) << c.typed;
    }
}

TEST_F(EditorTest, ExpiresListOffersOnlyMonthsARecordCanHold) {
    Type(C::kPrice, "50");
    ChooseRecord(0, 0);
    const struct {
        const char* date;
        std::size_t months;
        const char* last;
    } cases[] = {{"6/15/2036", 13, "Jun 2037"}, {"6/15/2037", 7, "Dec 2037"}};
    for (const auto& c : cases) {
        Type(C::kDate, c.date);
        const std::vector<std::string> items = Row(0, R::kExpires).items;
        ASSERT_EQ(items.size(), c.months) << c.date;
        EXPECT_EQ(items.back(), c.last) << c.date;
        for (const std::string& month : items) {
            ChooseInRow(0, R::kExpires, month);
            EXPECT_GT(Record(0).GetDaysLeft(), 0) << c.date << ": " << month;
        }
    }
}

TEST_F(EditorTest, ChosenExpirationDoesNotRunTheCascade) {
    Type(C::kPrice, "50");
    FillRow(0, 0, "50", R::kCallButton, "2", "3", R::kRowBuy);
    ChooseInRow(0, R::kExpires, "Jan 1999");  // its close, at 4:00 PM today, is still ahead
    EXPECT_EQ(RowText(0, R::kDaysLeft), "1.5 h");
    EXPECT_EQ(Record(0).GetSide(), Side::kBuy);
    EXPECT_EQ(RowText(0, R::kRowGroup), "Option 1 AJ");
}

TEST_F(EditorTest, StrikesArePricesInTheChosenForm) {
    const std::tuple<bool, int, const char*, double, const char*> cases[] = {
        {true, 2, "50 1/4", 50.25, "50 1/4"},
        {false, 2, "50 1/4", 50.25, "50.25"},
        {false, 3, "50.1", 50.1, "50.100"},
        {false, 2, "abc", 0, ""},
        {false, 2, "-5", 0, ""},
    };
    for (const auto& [fractions, digits, typed, strike, shown] : cases) {
        settings.showFractions = fractions;
        settings.significantDigits = digits;
        Reopen();
        Type(C::kPrice, "50");
        StartRow(0, 0, "Mar 1999", typed);
        EXPECT_DOUBLE_EQ(Record(0).GetStrike(), strike) << typed;
        EXPECT_EQ(RowText(0, R::kStrike), shown) << typed;
    }
}

TEST_F(EditorTest, BuyWithoutContractsLeavesNoSide) {
    Type(C::kPrice, "50");
    StartRow(0, 0, "Mar 1999", "50");
    ClickInRow(0, R::kCallButton);
    TypeInRow(0, R::kRowPrice, "2");
    ClickInRow(0, R::kRowBuy);
    EXPECT_FALSE(Row(0, R::kRowBuy).checked);
    EXPECT_FALSE(Row(0, R::kRowSell).checked);
    EXPECT_EQ(Record(0).GetSide(), Side::kNone);
    ChooseInRow(0, R::kContracts, "15");
    EXPECT_EQ(Record(0).GetContracts(), 15);
    ClickInRow(0, R::kRowSell);
    EXPECT_EQ(Record(0).GetSide(), Side::kSell);
    EXPECT_EQ(RowText(0, R::kRowNet), "3000.00");
}

TEST_F(EditorTest, ClearEmptiesTheRowAndOffersTheRecordAgain) {
    Type(C::kPrice, "50");
    FillRow(0, 2, "50", R::kPutButton, "2", "3", R::kRowSell);
    ASSERT_TRUE(Ctl(C::kGraphButton).enabled);
    ClickInRow(0, R::kClear);
    EXPECT_EQ(editor->GetRowRecord(0), -1);
    EXPECT_TRUE(Row(0, R::kRowChoice).visible);
    EXPECT_EQ(Row(0, R::kRowChoice).selected, -1);
    for (RowControl control : {R::kExpires, R::kStrike, R::kCallButton, R::kRowPrice, R::kContracts,
                               R::kRowBuy, R::kRowNet, R::kClear, R::kFairValue})
        EXPECT_FALSE(Row(0, control).visible) << "control " << control;
    EXPECT_EQ(RowText(0, R::kRowGroup), "Option");
    EXPECT_EQ(Row(0, R::kRowChoice).items[2], "3 New Option");
    EXPECT_EQ(Record(2).GetSide(), Side::kNone);
    EXPECT_DOUBLE_EQ(Record(2).GetVolatility(), 0.15) << "the environment stays";
    EXPECT_DOUBLE_EQ(Record(2).GetUnderlyingPrice(), 50);
    EXPECT_FALSE(Ctl(C::kGraphButton).enabled);
    EXPECT_EQ(Text(C::kPrompt), "Enter shares or select a new option.");
}

TEST_F(EditorTest, RowsShowPositionControlsOnlyInBasicMode) {
    Type(C::kPrice, "50");
    ChooseRecord(0, 0);
    const RowControl position[] = {R::kContractsLabel, R::kContracts,   R::kRowBuy,
                                   R::kRowSell,        R::kRowNetLabel, R::kRowNet};
    for (RowControl control : position) EXPECT_TRUE(Row(0, control).visible) << control;
    EXPECT_FALSE(Row(0, R::kRowFees).visible);
    editor->Command(EditorCommand::kAdvancedMode);
    for (RowControl control : position) EXPECT_FALSE(Row(0, control).visible) << control;
    EXPECT_TRUE(Row(0, R::kStrike).visible);
    EXPECT_TRUE(Row(0, R::kClear).visible);
    EXPECT_FALSE(Row(1, R::kStrike).visible) << "a row without a record stays empty";
}

}  // namespace
}  // namespace qx

namespace qx {
namespace {

TEST_F(EditorTest, ValuesBeyondRangeShowEmptyBoxesNeverNanOrInf) {
    Type(C::kPrice, "1e308");
    Type(C::kShares, "10000");
    Click(C::kBuyButton);
    FillRow(0, 0, "1e308", R::kCallButton, "1e308", "25", R::kRowBuy);
    FillRow(1, 1, "0.0001", R::kPutButton, "1e308", "25", R::kRowSell);
    editor->Command(EditorCommand::kAmericanRule);
    editor->Command(EditorCommand::kIncludeFees);
    EXPECT_EQ(Text(C::kPrice), "") << "a price beyond any market is refused";
    EXPECT_EQ(RowText(0, R::kRowNet), "");
    for (int id = 0; id < kEditorControlCount; ++id) {
        const std::string& text = editor->GetControl(static_cast<EditorControl>(id)).text;
        EXPECT_EQ(text.find("nan"), std::string::npos) << "control " << id << ": " << text;
        EXPECT_EQ(text.find("inf"), std::string::npos) << "control " << id << ": " << text;
    }
}

TEST_F(EditorTest, GraphGetsCopiesOfTheRecordsAndTheUnderlying) {
    HoldShares(C::kBuyButton);
    FillRow(1, 2, "50", R::kCallButton, "2", "3", R::kRowBuy);
    Option options[4];
    Stock stock;
    editor->CopyForGraph(options, stock);
    EXPECT_EQ(options[2].GetSide(), Side::kBuy);
    EXPECT_DOUBLE_EQ(options[2].GetStrike(), 50);
    EXPECT_EQ(stock.GetShares(), 100);
    options[2].SetStrike(60);
    EXPECT_DOUBLE_EQ(Record(2).GetStrike(), 50) << "the graph's copies are its own";
}

// The editor opens at 2:30 PM New York time on Friday 15 January 1999, January's
// expiration: valued to the close, the row counts the last day in hours.
TEST_F(EditorTest, LastDayShowsTheHoursToTheCloseUnlessTimeIsInWholeDays) {
    struct Case {
        bool toClose;
        int monthly;
        const char* daysLeft;
        CTime expiration;
    };
    const Case cases[] = {{true, 1, "1.5 h", CTime(1999, 1, 15)},
                          {false, 1, "1", CTime(1999, 1, 15)},
                          {false, 2, "1", CTime(1999, 1, 16)}};
    for (const auto& c : cases) {
        settings.valueToClose = c.toClose;
        settings.monthlyExpiration = c.monthly;
        Reopen();
        Type(C::kPrice, "50");
        StartRow(0, 0, "Jan 1999", "50");
        EXPECT_EQ(RowText(0, R::kDaysLeft), c.daysLeft) << c.toClose << c.monthly;
        EXPECT_EQ(Record(0).GetExpiration(), c.expiration) << c.toClose << c.monthly;
    }
}

TEST_F(EditorTest, RowTitleShowsTheOccSymbolOnceTheUnderlyingHasOne) {
    Type(C::kPrice, "50");
    StartRow(0, 0, "Mar 1999", "50");
    ClickInRow(0, R::kCallButton);
    EXPECT_EQ(RowText(0, R::kRowGroup), "Option 1 CJ");
    Type(C::kSymbol, "xyz");
    EXPECT_EQ(RowText(0, R::kRowGroup), "Option 1 XYZ   990319C00050000");
}

// Row boxes read separators; a text they cannot read keeps the value and names the box.
TEST_F(EditorTest, RowNumberBoxesRefuseWhatTheyCannotReadAndNameTheBox) {
    Type(C::kPrice, "1,250");
    StartRow(0, 0, "Mar 1999", "1,200");
    ClickInRow(0, R::kCallButton);
    TypeInRow(0, R::kRowPrice, "1,05.5");
    EXPECT_EQ(RowText(0, R::kRowPrice), "");
    EXPECT_EQ(messages.LastText(),
              "The Price of Option 1 box cannot read \"1,05.5\" as a "
              "number. Write it as 1250, 1,250.50 or 50 1/4.");
    TypeInRow(0, R::kRowPrice, "1,105.5");
    EXPECT_EQ(RowText(0, R::kRowPrice), "1105.50");
    TypeInRow(0, R::kStrike, "12OO");
    EXPECT_DOUBLE_EQ(Record(0).GetStrike(), 1200);
    EXPECT_EQ(RowText(0, R::kStrike), "1200.00");
    EXPECT_DOUBLE_EQ(Record(0).GetPrice(), 1105.5) << "a refused strike voids nothing";
    TypeInRow(0, R::kContracts, "1,000");
    TypeInRow(0, R::kContracts, "1,00");
    EXPECT_EQ(Record(0).GetContracts(), 1000);
    EXPECT_EQ(RowText(0, R::kContracts), "1000");
    EXPECT_EQ(messages.LastText(),
              "The Contracts of Option 1 box cannot read \"1,00\" as a whole number. Write it "
              "as 1250 or 1,250.");
    EXPECT_EQ(messages.shown.size(), 3u);
}

}  // namespace
}  // namespace qx
