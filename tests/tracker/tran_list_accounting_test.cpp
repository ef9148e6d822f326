#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pricing/option.h"
#include "test_support/tran_builder.h"
#include "test_support/tran_list_fixture.h"
#include "tracker/tran_list.h"

namespace qx {
namespace {

constexpr double kTolerance = 1e-9;

TranBuilder Stock(int day) { return TranBuilder().Day(day).Underlying(); }
TranBuilder Series(int day, const std::string& name, OptionType optionType = OptionType::kCall,
                   double strike = 50, AssetType assetType = AssetType::kStock) {
    return TranBuilder().Day(day).OptionSeries(name, optionType, strike, assetType);
}

// What one position slot should hold.
struct Position {
    TranKind kind;
    int signedUnits;
    double price;
    double fees;
    int day;  // of the most recent lot still open
    std::string name;
};

struct PositionCase {
    const char* what;
    std::vector<Tran> history;
    std::vector<Position> positions;  // the filled slots, from slot 0
};

void ExpectPositions(const PositionCase& c) {
    TranList list;
    AddAll(list, c.history, c.what);
    EXPECT_EQ(list.BuildPositions(), c.positions.empty() ? -1 : 0) << c.what;
    double runningTotal = 0;
    EXPECT_EQ(list.GetPositionCount(), static_cast<int>(c.positions.size())) << c.what;
    for (int slot = 0; slot <= list.GetPositionCount(); ++slot) {
        Tran got;
        const int result = list.GetPosition(slot, got);
        if (slot >= static_cast<int>(c.positions.size())) {
            EXPECT_EQ(result, -1) << c.what << " slot " << slot << " holds " << got.GetName();
            EXPECT_EQ(list.GetPositionBalance(slot), 0) << c.what;
            continue;
        }
        const Position& want = c.positions[slot];
        ASSERT_EQ(result, 0) << c.what << " slot " << slot;
        EXPECT_EQ(got.GetAction(), TranAction::kOpen) << c.what << " slot " << slot;
        EXPECT_EQ(got.GetKind(), want.kind) << c.what << " slot " << slot;
        EXPECT_EQ(got.GetSignedUnits(), want.signedUnits) << c.what << " slot " << slot;
        EXPECT_NEAR(got.GetPrice(), want.price, kTolerance) << c.what << " slot " << slot;
        EXPECT_NEAR(got.GetFees(), want.fees, kTolerance) << c.what << " slot " << slot;
        EXPECT_EQ(got.GetDate(), CTime(2026, 3, want.day, 10)) << c.what << " slot " << slot;
        EXPECT_EQ(got.GetName(), want.name) << c.what << " slot " << slot;
        runningTotal += got.Total();
        EXPECT_NEAR(list.GetPositionBalance(slot), runningTotal, kTolerance)
            << c.what << " slot " << slot;
    }
}

TEST(TranListPositions, AveragesTheMostRecentLotsStillOpen) {
    const PositionCase cases[] = {
        {"no transactions", {}, {}},
        {"two share lots, part sold: whole fees of both lots, date of the second",
         {Stock(1).Open().Buy(100).At(10).Fees(5), Stock(2).Open().Buy(100).At(12).Fees(5),
          Stock(3).Close().Sell(50).At(13).Fees(5)},
         {{TranKind::kUnderlying, 150, 12 * (100.0 / 150) + 10 * (50.0 / 150), -10, 2, "XYZ"}}},
        {"two call lots, part sold: fees per contract weighted like the price",
         {Series(1, "C50").Open().Buy(5).At(2).Fees(1),
          Series(2, "C50").Open().Buy(5).At(3).Fees(1),
          Series(3, "C50").Close().Sell(4).At(4).Fees(1)},
         {{TranKind::kOption, 6, 3 * (5.0 / 6) + 2 * (1.0 / 6), -1, 2, "C50"}}},
        {"a written series averages its sales",
         {Series(1, "P45", OptionType::kPut, 45).Open().Sell(2).At(1).Fees(2),
          Series(2, "P45", OptionType::kPut, 45).Open().Sell(2).At(2).Fees(4)},
         {{TranKind::kOption, -4, 1.5, -3, 2, "P45"}}},
        {"a share lot of no units counts its fees and dates the position",
         {Stock(3).Open().Buy(300).At(46).Fees(5), Stock(4).Open().Buy(0).At(45.84).Fees(5)},
         {{TranKind::kUnderlying, 300, 46, -10, 4, "XYZ"}}},
        {"a call lot of no contracts dates the position and weighs nothing",
         {Series(1, "C50").Open().Buy(2).At(3).Fees(1),
          Series(2, "C50").Open().Buy(0).At(4).Fees(9)},
         {{TranKind::kOption, 2, 3, -1, 2, "C50"}}},
        {"short shares",
         {Stock(1).Open().Sell(300).At(20).Fees(15)},
         {{TranKind::kUnderlying, -300, 20, -15, 1, "XYZ"}}},
        {"futures count in units of the underlying",
         {TranBuilder().Day(1).Underlying("ES", AssetType::kFuture, 50).Open().Buy(2).At(100)},
         {{TranKind::kUnderlying, 100, 100, 0, 1, "ES"}}},
        {"shares bought and all sold leave no position, listed or not",
         {Stock(1).Open().Buy(100).At(10), Stock(2).Close().Sell(100).At(11)},
         {}},
        {"a series opened and closed takes no slot",
         {Series(1, "C50").Open().Buy(1).At(2),
          Series(2, "C55", OptionType::kCall, 55).Open().Buy(1).At(1),
          Series(3, "C50").Close().Sell(1).At(3)},
         {{TranKind::kOption, 1, 1, 0, 2, "C55"}}},
        {"an assigned written call leaves shares short at the strike",
         {Series(1, "C50").Open().Sell(2).At(2), Series(3, "C50").Exercise(2, 55)},
         {{TranKind::kUnderlying, -200, 50, 0, 3, "C50"}}},
        {"an exercised call adds shares bought at the strike",
         {Stock(1).Open().Buy(100).At(40).Fees(5), Series(2, "C50").Open().Buy(1).At(2),
          Series(3, "C50").Exercise(1, 60)},
         {{TranKind::kUnderlying, 200, 45, -5, 3, "C50"}}},
        {"an exercised put delivers held shares",
         {Stock(1).Open().Buy(300).At(40), Series(2, "P50", OptionType::kPut).Open().Buy(1).At(2),
          Series(3, "P50", OptionType::kPut).Exercise(1, 45)},
         {{TranKind::kUnderlying, 200, 40, 0, 1, "XYZ"}}},
        {"an index exercise settles in cash and moves no units",
         {Series(1, "SPX C50", OptionType::kCall, 50, AssetType::kIndex).Open().Buy(1).At(2),
          Series(3, "SPX C50", OptionType::kCall, 50, AssetType::kIndex).Exercise(1, 56)},
         {}},
    };
    for (const PositionCase& c : cases) ExpectPositions(c);
}

TEST(TranListPositions, ListsEveryOpenPositionInOrderOfFirstOpening) {
    std::vector<Tran> history = {Stock(1).Open().Buy(100).At(10)};
    const char* const names[] = {"A", "B", "C", "D", "E"};
    for (int i = 0; i < 5; ++i) history.push_back(Series(2 + i, names[i]).Open().Buy(1).At(1));
    history.push_back(Series(8, "A").Open().Buy(1).At(3));

    ExpectPositions({"a sixth open position is listed too",
                     history,
                     {{TranKind::kUnderlying, 100, 10, 0, 1, "XYZ"},
                      {TranKind::kOption, 2, 2, 0, 8, "A"},
                      {TranKind::kOption, 1, 1, 0, 3, "B"},
                      {TranKind::kOption, 1, 1, 0, 4, "C"},
                      {TranKind::kOption, 1, 1, 0, 5, "D"},
                      {TranKind::kOption, 1, 1, 0, 6, "E"}}});
    ExpectPositions({"five series without the underlying",
                     {history.begin() + 1, history.end() - 1},
                     {{TranKind::kOption, 1, 1, 0, 2, "A"},
                      {TranKind::kOption, 1, 1, 0, 3, "B"},
                      {TranKind::kOption, 1, 1, 0, 4, "C"},
                      {TranKind::kOption, 1, 1, 0, 5, "D"},
                      {TranKind::kOption, 1, 1, 0, 6, "E"}}});
}

TEST(TranListPositions, OptionPositionCarriesItsSeries) {
    TranList list;
    AddAll(list, {Series(1, "P45", OptionType::kPut, 45).Open().Sell(3).At(1)}, "written put");
    Tran position;
    ASSERT_EQ(list.GetPosition(0, position), 0);
    EXPECT_EQ(position.GetOptionType(), OptionType::kPut);
    EXPECT_EQ(position.GetStrike(), 45);
    EXPECT_EQ(position.GetUnitsPerContract(), 100);
    EXPECT_EQ(position.GetExpiration(), CTime(2026, 6, 19));
    EXPECT_EQ(position.GetSide(), Side::kSell);
    EXPECT_EQ(list.GetPosition(-1, position), -1);
    EXPECT_EQ(list.GetPosition(1, position), -1);
}

TEST(TranListPositions, AnOpeningAnEarlierSaleNeedsStaysAndCounts) {
    TranList list;
    AddAll(list,
           {Series(1, "C50").Open().Buy(2).At(2), Series(2, "C50").Close().Sell(1).At(3),
            Series(3, "C50").Open().Buy(3).At(4)},
           "two lots, one contract sold between them");
    // Without the first opening the sale would stand ahead of the series' only
    // opening, closing what was never opened: the book refuses to lose it.
    EXPECT_EQ(list.Remove(0).GetReason(),
              "Transaction tries to close out another transaction that\ndoes not exist.");
    Tran position;
    ASSERT_EQ(list.GetPosition(0, position), 0);
    EXPECT_EQ(position.GetSignedUnits(), 4);
}

TEST(TranListBalances, RunningSumOfTotals) {
    const struct {
        const char* what;
        std::vector<Tran> history;
        std::vector<double> balances;
    } cases[] = {
        {"shares bought twice and part sold",
         {Stock(1).Open().Buy(100).At(10).Fees(5), Stock(2).Open().Buy(100).At(12).Fees(5),
          Stock(3).Close().Sell(50).At(13).Fees(5)},
         {-1005, -2210, -1565}},
        {"a share lot of no units costs its fee",
         {Stock(3).Open().Buy(300).At(46).Fees(5), Stock(4).Open().Buy(0).At(45.84).Fees(5)},
         {-13805, -13810}},
        {"a dividend adds its amount",
         {Stock(1).Open().Buy(100).At(10), TranBuilder().Day(2).Dividend(25)},
         {-1000, -975}},
        {"an index call settles its gain in cash",
         {Series(1, "SPX C50", OptionType::kCall, 50, AssetType::kIndex)
              .Open()
              .Buy(2)
              .At(2)
              .Fees(1),
          Series(3, "SPX C50", OptionType::kCall, 50, AssetType::kIndex).Exercise(2, 56).Fees(1)},
         {-402, -402 + 1198}},
        {"an exercised call pays the strike for its shares",
         {Series(1, "C50").Open().Buy(2).At(3), Series(3, "C50").Exercise(2, 60)},
         {-600, -10600}},
    };
    for (const auto& c : cases) {
        TranList list;
        AddAll(list, c.history, c.what);
        for (size_t i = 0; i < c.balances.size(); ++i) {
            EXPECT_NEAR(list.GetBalance(static_cast<int>(i)), c.balances[i], kTolerance)
                << c.what << " balance " << i;
        }
        EXPECT_EQ(list.GetBalance(static_cast<int>(c.balances.size())), 0) << c.what;
    }
}

TEST(TranListBalances, FollowEveryChangeAndRemoval) {
    TranList list;
    AddAll(list, {Stock(1).Open().Buy(100).At(10), Stock(2).Open().Buy(100).At(12)}, "history");
    ASSERT_EQ(list.Change(0, Stock(1).Open().Buy(100).At(11)).GetIndex(), 0);
    EXPECT_NEAR(list.GetBalance(1), -2300, kTolerance);
    ASSERT_TRUE(list.Remove(0).IsAccepted());
    EXPECT_NEAR(list.GetBalance(0), -1200, kTolerance);
    EXPECT_EQ(list.GetBalance(1), 0);
    Tran position;
    ASSERT_EQ(list.GetPosition(0, position), 0);
    EXPECT_EQ(position.GetUnits(), 100);
    EXPECT_NEAR(position.GetPrice(), 12, kTolerance);
}

}  // namespace
}  // namespace qx
