#include <gtest/gtest.h>

#include <clocale>
#include <string>
#include <vector>

#include "pricing/option.h"
#include "test_support/tran_builder.h"
#include "test_support/tran_list_fixture.h"
#include "tracker/tran_list.h"

namespace qx {
namespace {

const char kCloseMissing[] =
    "Transaction tries to close out another transaction that\ndoes not exist.";
const char kCloseTooMany[] = "Transaction tries to close out more units than are open";
const char kBuyAgainstShort[] =
    "Transaction tries to buy to open when there is already a short position.";
const char kSellAgainstLong[] =
    "Transaction tries to sell to open when there is already a long position.";
const char kExerciseMissing[] =
    "Transaction tries to exercise another transaction that\ndoes not exist.";
const char kExerciseTooMany[] = "Transaction tries to exercise more units than are open";
const char kAlreadyClosed[] =
    "Cannot delete/change a transaction that is already closed.\n"
    "Try deleting the transaction(s) that closed this transaction.";

// One addition judged against the transactions already recorded.
struct AddCase {
    const char* what;
    std::vector<Tran> history;
    Tran candidate;
    const char* refusal;  // nullptr when the addition is accepted
};

// Adds the candidate after its history; a refusal must give exactly its reason and
// leave the list as it was.
void ExpectAddCases(const std::vector<AddCase>& cases) {
    for (const AddCase& c : cases) {
        TranList list;
        AddAll(list, c.history, c.what);
        const TranList before = list;
        const Outcome result = list.Add(c.candidate);
        if (c.refusal == nullptr) {
            EXPECT_TRUE(result.IsAccepted()) << c.what << ": refused with " << result.GetReason();
            EXPECT_EQ(list.GetCount(), before.GetCount() + 1) << c.what;
            continue;
        }
        EXPECT_EQ(result.GetIndex(), -1) << c.what;
        EXPECT_EQ(result.GetReason(), c.refusal) << c.what;
        EXPECT_EQ(list, before) << c.what;
    }
}

TranBuilder Stock(int day = 2, int hour = 10) { return TranBuilder().Day(day, hour).Underlying(); }
TranBuilder Calls(int day = 2) { return TranBuilder().Day(day).Call(); }
TranBuilder Puts(int day = 2) { return TranBuilder().Day(day).Put(); }

// A bought call exercised on a stock: 100 units delivered to the holder.
std::vector<Tran> ExercisedLongCall() {
    return {Calls(1).Open().Buy(1).At(2), Calls(3).Exercise(1, 55)};
}

// A written put assigned on a stock: the writer receives 100 units at the strike.
std::vector<Tran> AssignedShortPut() {
    return {Puts(1).Open().Sell(1).At(2), Puts(3).Exercise(1, 45)};
}

// A written call assigned on a stock: the writer delivers 200 units it does not hold.
std::vector<Tran> AssignedShortCall() {
    return {Calls(1).Open().Sell(2).At(2), Calls(3).Exercise(2, 55)};
}

TEST(TranList, CloseNeedsAnOpeningWithEnoughUnits) {
    ExpectAddCases({
        {"close of a symbol never opened", {}, Stock(4).Close().Sell(100).At(10), kCloseMissing},
        {"close of another symbol's opening",
         {TranBuilder().Underlying("ABC").Open().Buy(100).At(10)},
         Stock(4).Close().Sell(100).At(10),
         kCloseMissing},
        {"close with the opening's own side",
         {Stock(1).Open().Buy(100).At(10)},
         Stock(4).Close().Buy(100).At(10),
         kCloseMissing},
        {"close of more than is left open",
         {Stock(1).Open().Buy(100).At(10), Stock(2).Close().Sell(60).At(11)},
         Stock(4).Close().Sell(50).At(12),
         kCloseTooMany},
        {"close of what is left open",
         {Stock(1).Open().Buy(100).At(10), Stock(2).Close().Sell(60).At(11)},
         Stock(4).Close().Sell(40).At(12),
         nullptr},
        {"close of a short stock position",
         {Stock(1).Open().Sell(100).At(10)},
         Stock(4).Close().Buy(100).At(9),
         nullptr},
        {"option close of a written series",
         {Calls(1).Open().Sell(2).At(3)},
         Calls(4).Close().Buy(2).At(1),
         nullptr},
        {"option close of more contracts than were written",
         {Calls(1).Open().Sell(2).At(3)},
         Calls(4).Close().Buy(3).At(1),
         kCloseTooMany},
        {"option close after part was exercised",
         {Calls(1).Open().Buy(3).At(3), Calls(2).Exercise(2, 60)},
         Calls(4).Close().Sell(2).At(5),
         kCloseTooMany},
        {"option close of a series never opened",
         {Puts(1).Open().Buy(2).At(3)},
         Calls(4).Close().Sell(1).At(5),
         kCloseMissing},
        {"a dividend closes nothing, whatever shares its name",
         {TranBuilder().Day(1).Dividend(25).Open().Buy(1)},
         TranBuilder().Day(4).Dividend(25).Close().Sell(1),
         kCloseMissing},
        {"a close dated before the opening is judged without it",
         {Stock(5).Open().Buy(100).At(10)},
         Stock(4).Close().Sell(100).At(10),
         kCloseMissing},
    });
}

TEST(TranList, CloseOfTheUnderlyingCountsUnitsDeliveredByExercises) {
    ExpectAddCases({
        {"shares from an exercised call can be sold", ExercisedLongCall(),
         Stock(4).Close().Sell(100).At(56), nullptr},
        {"an exercise makes a close a matter of units, not of existence", ExercisedLongCall(),
         Stock(4).Close().Sell(150).At(56), kCloseTooMany},
        {"shares from an assigned put can be sold", AssignedShortPut(),
         Stock(4).Close().Sell(100).At(46), nullptr},
        {"shares from an assigned put cannot be bought back", AssignedShortPut(),
         Stock(4).Close().Buy(100).At(46), kCloseTooMany},
        {"shares delivered for an assigned call can be bought back", AssignedShortCall(),
         Stock(4).Close().Buy(200).At(56), nullptr},
        {"shares an exercised put delivered away cannot be sold again",
         {Stock(1).Open().Buy(100).At(48), Puts(1).Open().Buy(1).At(2), Puts(3).Exercise(1, 45)},
         Stock(4).Close().Sell(100).At(44),
         kCloseTooMany},
        {"what an exercised put left of a larger holding can be sold",
         {Stock(1).Open().Buy(300).At(48), Puts(1).Open().Buy(1).At(2), Puts(3).Exercise(1, 45)},
         Stock(4).Close().Sell(200).At(44),
         nullptr},
        {"shares an assigned call took away cannot be sold again",
         {Stock(1).Open().Buy(200).At(48), Calls(1).Open().Sell(1).At(2), Calls(3).Exercise(1, 55)},
         Stock(4).Close().Sell(101).At(56),
         kCloseTooMany},
        {"a cash-settled index exercise delivers nothing to close",
         {TranBuilder().Day(1).Call("SPX Jun 50 Call", 50, AssetType::kIndex).Open().Buy(1).At(2),
          TranBuilder().Day(3).Call("SPX Jun 50 Call", 50, AssetType::kIndex).Exercise(1, 56)},
         Stock(4).Close().Sell(100).At(56),
         kCloseTooMany},
    });
}

// Bought 200 shares, wrote 2 calls, bought one back, the other was assigned (100
// shares delivered away), then sold the other 100: the holding is flat.
std::vector<Tran> FlatAfterAnAssignment() {
    return {Stock(1).Open().Buy(200).At(48), Calls(2).Open().Sell(2).At(2),
            Calls(3).Close().Buy(1).At(1), Calls(4).Exercise(1, 55),
            Stock(5).Close().Sell(100).At(56)};
}

// 200 shares held, 3 calls written and assigned: 300 delivered away, 100 short.
std::vector<Tran> ShortAfterAnAssignment() {
    return {Stock(1).Open().Buy(200).At(48), Calls(2).Open().Sell(3).At(2),
            Calls(3).Exercise(3, 55)};
}

// A futures call of 50 units exercised: one future's worth delivered.
std::vector<Tran> ExercisedFuturesCall() {
    const auto call = [](int day) {
        return TranBuilder().Day(day).OptionSeries("ES Call", OptionType::kCall, 4500,
                                                   AssetType::kFuture, 50);
    };
    return {call(1).Open().Buy(1).At(20), call(2).Exercise(1, 4600)};
}

TranBuilder Futures(int day) {
    return TranBuilder().Day(day).Underlying("XYZ", AssetType::kFuture, 50);
}

TEST(TranList, UnderlyingIsJudgedByItsNetHolding) {
    ExpectAddCases({
        {"buying to open once the holding is flat", FlatAfterAnAssignment(),
         Stock(6).Open().Buy(100).At(50), nullptr},
        {"selling short once the holding is flat", FlatAfterAnAssignment(),
         Stock(6).Open().Sell(100).At(50), nullptr},
        {"a purchase closes no more than the net short", ShortAfterAnAssignment(),
         Stock(6).Close().Buy(200).At(50), kCloseTooMany},
        {"a purchase closes the net short", ShortAfterAnAssignment(),
         Stock(6).Close().Buy(100).At(50), nullptr},
        {"a future's contracts count by their size", ExercisedFuturesCall(),
         Futures(3).Close().Sell(2).At(4600), kCloseTooMany},
        {"the one future an exercised futures call delivered can be sold", ExercisedFuturesCall(),
         Futures(3).Close().Sell(1).At(4600), nullptr},
    });
}

TEST(TranList, ChangeIsRefusedOnlyWhenItUncoversALaterTransaction) {
    const struct {
        const char* what;
        Tran changed;  // in place of the opening of 2 calls, of which 1 was sold
        const char* refusal;
    } cases[] = {
        {"a corrected price", Calls(1).Open().Buy(2).At(2.5).Fees(1), nullptr},
        {"a corrected date", Calls(2).Open().Buy(2).At(2), nullptr},
        {"fewer contracts that still cover the sale", Calls(1).Open().Buy(1).At(2), nullptr},
        {"the other side", Calls(1).Open().Sell(2).At(2), kCloseMissing},
        {"another series", Puts(1).Open().Buy(2).At(2), kCloseMissing},
    };
    for (const auto& c : cases) {
        TranList list;
        AddAll(list, {Calls(1).Open().Buy(2).At(2), Calls(3).Close().Sell(1).At(3)}, c.what);
        const TranList before = list;
        const Outcome result = list.Change(0, c.changed);
        if (c.refusal == nullptr) {
            EXPECT_TRUE(result.IsAccepted()) << c.what << ": " << result.GetReason();
            EXPECT_EQ(StoredAt(list, 0), c.changed) << c.what;
        } else {
            EXPECT_EQ(result.GetReason(), c.refusal) << c.what;
            EXPECT_EQ(list, before) << c.what;
        }
    }
    // Deleting the partly closed opening still leaves the sale uncovered.
    TranList list;
    AddAll(list, {Calls(1).Open().Buy(2).At(2), Calls(3).Close().Sell(1).At(3)}, "partly closed");
    EXPECT_EQ(list.Remove(0).GetReason(), kAlreadyClosed);
}

TEST(TranList, OpeningRefusedAgainstAnOppositePosition) {
    ExpectAddCases({
        {"buying a series that is written",
         {Calls(1).Open().Sell(2).At(3)},
         Calls(4).Open().Buy(1).At(3),
         kBuyAgainstShort},
        {"writing a series that is held",
         {Calls(1).Open().Buy(2).At(3)},
         Calls(4).Open().Sell(1).At(3),
         kSellAgainstLong},
        {"adding to a written series",
         {Calls(1).Open().Sell(2).At(3)},
         Calls(4).Open().Sell(1).At(3),
         nullptr},
        {"buying a series after the written one was bought back",
         {Calls(1).Open().Sell(2).At(3), Calls(2).Close().Buy(2).At(1)},
         Calls(4).Open().Buy(1).At(1),
         nullptr},
        {"buying a series after the held one was exercised",
         {Calls(1).Open().Sell(1).At(3), Calls(2).Exercise(1, 60)},
         Calls(4).Open().Buy(1).At(1),
         nullptr},
        {"selling short against held shares",
         {Stock(1).Open().Buy(100).At(10)},
         Stock(4).Open().Sell(50).At(11),
         kSellAgainstLong},
        {"selling short after the held shares were sold",
         {Stock(1).Open().Buy(100).At(10), Stock(2).Close().Sell(100).At(11)},
         Stock(4).Open().Sell(50).At(11),
         nullptr},
        {"another symbol is another position",
         {TranBuilder().Day(1).Underlying("ABC").Open().Sell(100).At(10)},
         Stock(4).Open().Buy(100).At(10),
         nullptr},
        {"buying shares while short from an assigned call", AssignedShortCall(),
         Stock(4).Open().Buy(100).At(56), kBuyAgainstShort},
        {"selling short while short from an assigned call", AssignedShortCall(),
         Stock(4).Open().Sell(100).At(56), nullptr},
        {"buying more shares while long from an assigned put", AssignedShortPut(),
         Stock(4).Open().Buy(100).At(46), nullptr},
        {"selling short while long from an assigned put", AssignedShortPut(),
         Stock(4).Open().Sell(100).At(46), kSellAgainstLong},
        {"an index assignment leaves no position in shares",
         {TranBuilder().Day(1).Call("SPX Jun 50 Call", 50, AssetType::kIndex).Open().Sell(1).At(2),
          TranBuilder().Day(3).Call("SPX Jun 50 Call", 50, AssetType::kIndex).Exercise(1, 56)},
         Stock(4).Open().Buy(100).At(56),
         nullptr},
    });
}

TEST(TranList, ExerciseNeedsAnOpenInTheMoneyOption) {
    ExpectAddCases({
        {"call below its strike",
         {Calls(1).Open().Buy(2).At(2)},
         Calls(4).Exercise(1, 49.5),
         "Option is not in the money.\nYou tried to exercise at 49.500 when the strike price "
         "is 50.000."},
        {"call at its strike", {Calls(1).Open().Buy(2).At(2)}, Calls(4).Exercise(1, 50), nullptr},
        {"put above its strike",
         {Puts(1).Open().Buy(2).At(2)},
         Puts(4).Exercise(1, 51),
         "Option is not in the money.\nYou tried to exercise at 51.000 when the strike price "
         "is 50.000."},
        {"put below its strike", {Puts(1).Open().Buy(2).At(2)}, Puts(4).Exercise(2, 44), nullptr},
        {"a series never opened",
         {Puts(1).Open().Buy(2).At(2)},
         Calls(4).Exercise(1, 60),
         kExerciseMissing},
        {"more contracts than are open",
         {Calls(1).Open().Buy(2).At(2)},
         Calls(4).Exercise(3, 60),
         kExerciseTooMany},
        {"contracts already sold",
         {Calls(1).Open().Buy(2).At(2), Calls(2).Close().Sell(1).At(3)},
         Calls(4).Exercise(2, 60),
         kExerciseTooMany},
        {"what is left after a sale",
         {Calls(1).Open().Buy(2).At(2), Calls(2).Close().Sell(1).At(3)},
         Calls(4).Exercise(1, 60),
         nullptr},
        {"all lots of the series",
         {Calls(1).Open().Buy(2).At(2), Calls(2).Open().Buy(3).At(3)},
         Calls(4).Exercise(5, 60),
         nullptr},
        {"contracts already exercised",
         {Calls(1).Open().Buy(2).At(2), Calls(2).Exercise(2, 60)},
         Calls(4).Exercise(1, 60),
         kExerciseTooMany},
    });
}

TEST(TranList, ExerciseRefusalWritesPointsUnderAnyLocale) {
    // The window layer puts the process in the user's locale; a German decimal comma
    // must not reach the message.
    const std::string saved = std::setlocale(LC_ALL, nullptr);
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr)
        << "the de_DE.UTF-8 locale is missing; scripts/install-deps generates it";
    TranList list;
    AddAll(list, {Puts(1).Open().Buy(1).At(2)}, "held put");
    const Outcome result = list.Add(Puts(4).Exercise(1, 1234.5));
    std::setlocale(LC_ALL, saved.c_str());
    EXPECT_EQ(result.GetReason(),
              "Option is not in the money.\nYou tried to exercise at 1234.500 when the strike "
              "price is 50.000.");
}

TEST(TranList, ExerciseTakesTheSideOppositeToItsOpening) {
    const struct {
        const char* what;
        Tran opening;
        Side exerciseSide;
    } cases[] = {
        {"a held call is exercised by selling it", Calls(1).Open().Buy(2).At(2), Side::kSell},
        {"a written call is assigned by buying it back", Calls(1).Open().Sell(2).At(2), Side::kBuy},
    };
    for (const auto& c : cases) {
        TranList list;
        AddAll(list, {c.opening}, c.what);
        ASSERT_EQ(list.Add(Calls(4).Exercise(2, 60)).GetIndex(), 1) << c.what;
        const Tran stored = StoredAt(list, 1);
        EXPECT_EQ(stored.GetSide(), c.exerciseSide) << c.what;
        EXPECT_EQ(stored.GetUnits(), 2) << c.what;
        EXPECT_EQ(stored.GetSignedUnits(), c.exerciseSide == Side::kSell ? -2 : 2) << c.what;
    }
}

TEST(TranList, ClosedOpeningCannotBeDeletedOrChanged) {
    TranList list;
    AddAll(list, {Stock(1).Open().Buy(100).At(10), Stock(3).Close().Sell(100).At(12)},
           "opened and closed");
    const TranList before = list;
    EXPECT_EQ(list.Remove(0).GetReason(), kAlreadyClosed);
    EXPECT_EQ(list.Change(0, Stock(1).Open().Buy(50).At(10)).GetReason(), kCloseTooMany);
    EXPECT_EQ(list, before);

    // Deleting the closing first frees the opening.
    EXPECT_TRUE(list.Remove(1).IsAccepted());
    EXPECT_TRUE(list.Remove(0).IsAccepted());
    EXPECT_EQ(list.GetCount(), 0);
}

TEST(TranList, OpeningCoveredByLaterLotsOrUnclosedCanGo) {
    const struct {
        const char* what;
        std::vector<Tran> history;
        const char* refusal;
    } cases[] = {
        {"a later lot of the same side covers the closing",
         {Stock(1).Open().Buy(100).At(10), Stock(2).Open().Buy(100).At(11),
          Stock(3).Close().Sell(100).At(12)},
         nullptr},
        {"an opening nothing closed", {Stock(1).Open().Buy(100).At(10)}, nullptr},
        {"an exercised opening",
         {Calls(1).Open().Buy(2).At(2), Calls(3).Exercise(1, 60)},
         kAlreadyClosed},
        {"a partly closed opening",
         {Stock(1).Open().Buy(100).At(10), Stock(3).Close().Sell(1).At(12)},
         kAlreadyClosed},
    };
    for (const auto& c : cases) {
        TranList list;
        AddAll(list, c.history, c.what);
        const TranList before = list;
        const Outcome result = list.Remove(0);
        if (c.refusal == nullptr) {
            EXPECT_TRUE(result.IsAccepted()) << c.what << ": " << result.GetReason();
            EXPECT_EQ(list.GetCount(), before.GetCount() - 1) << c.what;
        } else {
            EXPECT_FALSE(result.IsAccepted()) << c.what;
            EXPECT_EQ(result.GetReason(), c.refusal) << c.what;
            EXPECT_EQ(list, before) << c.what;
        }
    }
}

TEST(TranList, RefusedChangePutsTheOldRecordBack) {
    TranList list;
    AddAll(list, {Stock(1).Open().Buy(100).At(10), Stock(3).Close().Sell(60).At(12)}, "history");
    const TranList before = list;
    EXPECT_EQ(list.Change(1, Stock(3).Close().Sell(120).At(12)).GetReason(), kCloseTooMany);
    EXPECT_EQ(list, before);
    EXPECT_DOUBLE_EQ(list.GetBalance(1), -1000 + 720);

    EXPECT_EQ(list.Change(1, Stock(3).Close().Sell(100).At(12)).GetIndex(), 1);
    EXPECT_EQ(StoredAt(list, 1).GetUnits(), 100);
    EXPECT_DOUBLE_EQ(list.GetBalance(1), -1000 + 1200);
}

TEST(TranList, AdditionGoesAfterEverythingOnOrBeforeItsDay) {
    TranList list;
    AddAll(list,
           {Stock(5, 9).Open().Buy(100).At(10), Stock(5, 12).Open().Buy(100).At(11),
            Stock(5, 15).Open().Buy(100).At(12), Stock(8).Open().Buy(100).At(13)},
           "history");
    // Earlier in the day than all three, yet recorded after them.
    EXPECT_EQ(list.Add(Stock(5, 8).Open().Buy(100).At(14)).GetIndex(), 3);
    EXPECT_EQ(list.Add(Stock(1).Open().Buy(100).At(15)).GetIndex(), 0);
    EXPECT_EQ(list.Add(Stock(9).Open().Buy(100).At(16)).GetIndex(), 6);
    const double prices[] = {15, 10, 11, 12, 14, 13, 16};
    for (int i = 0; i < 7; ++i) EXPECT_EQ(StoredAt(list, i).GetPrice(), prices[i]) << i;
}

// The book stays in date order: a record whose new day no longer fits its place moves
// to that day's place; one that still fits keeps its place.
TEST(TranList, ChangedDateMovesTheRecordToItsDay) {
    TranList list;
    AddAll(list,
           {Stock(1).Open().Buy(100).At(10), Stock(3).Open().Buy(100).At(11),
            Stock(3, 15).Open().Buy(100).At(12)},
           "history");
    EXPECT_EQ(list.Change(0, Stock(9).Open().Buy(100).At(10)).GetIndex(), 2);
    EXPECT_EQ(StoredAt(list, 0).GetDate(), CTime(2026, 3, 3, 10));
    EXPECT_EQ(StoredAt(list, 2).GetDate(), CTime(2026, 3, 9, 10));
    EXPECT_EQ(list.Change(1, Stock(3, 9).Open().Buy(100).At(12)).GetIndex(), 1) << "same day";
    EXPECT_EQ(list.Change(2, Stock(2).Open().Buy(100).At(10)).GetIndex(), 0);
    EXPECT_DOUBLE_EQ(list.GetBalance(2), -3300);
}

// A back-dated or re-dated record is judged together with every transaction after it:
// the book stays consistent whatever the order of entry, and a refusal names the first
// later transaction that would fail.
TEST(TranList, AdditionOrChangeKeepsEveryLaterTransactionValid) {
    const std::vector<Tran> bought = {Stock(2).Open().Buy(100).At(10),
                                      Stock(20).Close().Sell(100).At(12)};
    ExpectAddCases({
        {"a back-dated close leaves the later close uncovered", bought,
         Stock(10).Close().Sell(100).At(11), kCloseTooMany},
        {"a back-dated part that leaves enough",
         {Stock(2).Open().Buy(100).At(10), Stock(20).Close().Sell(50).At(12)},
         Stock(10).Close().Sell(50).At(11),
         nullptr},
        {"a back-dated short faces the later purchase",
         {Stock(20).Open().Buy(100).At(10)},
         Stock(10).Open().Sell(100).At(11),
         kBuyAgainstShort},
        {"a back-dated close takes what a later exercise needs",
         {Calls(2).Open().Buy(2).At(2), Calls(20).Exercise(2, 60)},
         Calls(10).Close().Sell(1).At(3),
         kExerciseTooMany},
        {"a back-dated sale of what an exercise delivered later",
         {Calls(2).Open().Buy(1).At(2), Calls(20).Exercise(1, 60),
          Stock(21).Close().Sell(100).At(61)},
         Stock(10).Open().Sell(100).At(55),
         kCloseTooMany},
        {"a back-dated purchase faces the later short sale",
         {Stock(20).Open().Sell(100).At(10)},
         Stock(10).Open().Buy(100).At(11),
         kSellAgainstLong},
        {"a back-dated buy-back takes what the later one needs",
         {Stock(2).Open().Sell(100).At(10), Stock(20).Close().Buy(100).At(9)},
         Stock(10).Close().Buy(50).At(11),
         kCloseTooMany},
        {"a back-dated purchase keeps later purchases and sales covered",
         {Stock(2).Open().Buy(100).At(10), Stock(15).Open().Buy(100).At(10),
          Stock(20).Close().Sell(200).At(12)},
         Stock(10).Open().Buy(100).At(11),
         nullptr},
    });
    const struct {
        const char* what;
        int index;
        Tran changed;
        const char* refusal;
        int placed;
    } changes[] = {
        {"the sale dated before its purchase", 1, Stock(1).Close().Sell(100).At(12), kCloseMissing,
         -1},
        {"the purchase dated after its sale", 0, Stock(21).Open().Buy(100).At(10), kBuyAgainstShort,
         -1},
        {"the sale re-dated, still after the purchase", 1, Stock(9).Close().Sell(100).At(12),
         nullptr, 1},
    };
    for (const auto& c : changes) {
        TranList list;
        AddAll(list, bought, c.what);
        const TranList before = list;
        const Outcome result = list.Change(c.index, c.changed);
        EXPECT_EQ(result.GetIndex(), c.placed) << c.what;
        EXPECT_EQ(result.GetReason(), c.refusal ? c.refusal : "") << c.what;
        if (c.refusal) {
            EXPECT_EQ(list, before) << c.what;
        }
    }
}

// A dividend row, whatever action, side and units it was given, never opens or
// closes anything.
TEST(TranList, OnlyTradesOpenAndClosePositions) {
    const auto dividendAs = [](const std::string& name, int units) {
        Tran dividend = TranBuilder().Day(2).Dividend(100);
        dividend.SetName(name);
        dividend.SetAction(TranAction::kOpen);
        dividend.SetSide(Side::kBuy);
        dividend.SetUnits(units);
        return dividend;
    };
    ExpectAddCases({
        {"a sale of the stock's name",
         {dividendAs("XYZ", 100)},
         Stock(3).Close().Sell(100).At(12),
         kCloseMissing},
        {"a sale of the series' name",
         {dividendAs("Jun 50 Call", 2)},
         Calls(3).Close().Sell(2).At(3),
         kCloseMissing},
    });
}

TEST(TranList, HoldsABookOfAnySize) {
    TranList list;
    const int count = 3 * TranList::kClassicMaxTransactions;
    for (int i = 0; i < count; ++i)
        ASSERT_EQ(list.Add(Stock(1 + i / 12).Open().Buy(1).At(10)).GetIndex(), i);
    EXPECT_EQ(list.GetCount(), count);
    EXPECT_DOUBLE_EQ(list.GetBalance(count - 1), -10.0 * count);
    EXPECT_TRUE(list.Remove(count - 1).IsAccepted());
    EXPECT_EQ(list.GetCount(), count - 1);
}

TEST(TranList, IndicesOutsideTheListAreRefusedSilently) {
    TranList list;
    AddAll(list, {Stock(1).Open().Buy(100).At(10), Stock(2).Open().Buy(50).At(11)}, "history");
    const TranList before = list;
    for (int index : {-1, 2, 3, 100, 1000}) {
        Tran target = Calls(9).Open().Sell(7).At(1);
        const Tran untouched = target;
        EXPECT_EQ(list.GetAt(index, target), -1) << index;
        EXPECT_EQ(target, untouched) << index;
        for (const Outcome& refused :
             {list.Remove(index), list.Change(index, Stock(1).Open().Buy(1).At(1))}) {
            EXPECT_EQ(refused.GetIndex(), -1) << index;
            EXPECT_EQ(refused.GetReason(), "") << index;
        }
        EXPECT_EQ(list.GetBalance(index), 0) << index;
    }
    EXPECT_EQ(list, before);
}

TEST(TranList, GetAtFillsThroughTheSetters) {
    TranList list;
    AddAll(list, {Stock(1).Open().Sell(100).At(10).Fees(5)}, "history");
    // The underlying carries no option type or strike: the target keeps its own.
    Tran target = Calls(9).Open().Buy(7).At(1);
    ASSERT_EQ(list.GetAt(0, target), 0);
    EXPECT_EQ(target.GetKind(), TranKind::kUnderlying);
    EXPECT_EQ(target.GetName(), "XYZ");
    EXPECT_EQ(target.GetSignedUnits(), -100);
    EXPECT_EQ(target.GetSide(), Side::kSell);
    EXPECT_EQ(target.GetFees(), -5);
    EXPECT_EQ(target.GetDate(), CTime(2026, 3, 1, 10));
    EXPECT_EQ(target.GetOptionType(), OptionType::kCall);
    EXPECT_EQ(target.GetStrike(), 50);
}

TEST(TranList, CopyFromAndRemoveAllRecompute) {
    TranList source;
    AddAll(source, {Stock(1).Open().Buy(100).At(10), Calls(2).Open().Buy(1).At(2)}, "history");
    TranList copy;
    copy.CopyFrom(source);
    EXPECT_EQ(copy, source);
    EXPECT_DOUBLE_EQ(copy.GetBalance(1), -1200);
    Tran position;
    EXPECT_EQ(copy.GetPosition(1, position), 0);

    copy.RemoveAll();
    EXPECT_EQ(copy.GetCount(), 0);
    EXPECT_EQ(copy.GetBalance(0), 0);
    EXPECT_EQ(copy.GetPosition(0, position), -1);
    EXPECT_EQ(copy.BuildPositions(), -1);
}

}  // namespace
}  // namespace qx
