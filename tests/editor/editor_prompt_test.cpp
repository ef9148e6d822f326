#include <gtest/gtest.h>

#include <functional>

#include "editor_fixture.h"

namespace qx {
namespace {

TEST_F(EditorTest, PromptNamesWhatToEnterNext) {
    struct Case {
        const char* situation;
        std::function<void()> act;
        const char* sentence;
    };
    const Case cases[] = {
        {"empty editor", [] {}, "Enter price."},
        {"price only", [this] { Type(C::kPrice, "50"); }, "Enter shares or select a new option."},
        {"a future's price",
         [this] {
             Click(C::kFuture);
             Type(C::kPrice, "50");
         },
         "Enter contracts or select a new option."},
        {"shares without a side",
         [this] {
             Type(C::kPrice, "50");
             Type(C::kShares, "100");
         },
         "Buy or sell shares or select a new option."},
        {"row 1 with only an expiration",
         [this] {
             HoldShares(C::kBuyButton);
             ChooseRecord(0, 0);
             ChooseInRow(0, R::kExpires, "Mar 1999");
         },
         "Enter strike for option 1 or select a new option."},
        {"two incomplete rows and a complete record elsewhere",
         [this] {
             Type(C::kPrice, "50");
             FillRow(0, 2, "50", R::kCallButton, "2", "1", R::kRowBuy);
             StartRow(0, 0, "Mar 1999", "50");
             ClickInRow(0, R::kPutButton);
             StartRow(1, 1, "Mar 1999", "55");
         },
         "Enter price for option 1, select call or put for option 2 or graph options."},
        {"an option-only position",
         [this] {
             Type(C::kPrice, "50");
             FillRow(0, 0, "50", R::kCallButton, "2", "1", R::kRowBuy);
             FillRow(1, 1, "55", R::kCallButton, "1", "1", R::kRowSell);
         },
         "Select a new option or graph options."},
        {"a row without contracts, then without a side",
         [this] {
             HoldShares(C::kSellButton);
             FillRow(0, 0, "50", R::kCallButton, "2", "", R::kRowBuy);
         },
         "Enter number of contracts for option 1 or select a new option."},
        {"both rows complete",
         [this] {
             HoldShares(C::kBuyButton);
             FillRow(0, 0, "50", R::kCallButton, "2", "1", R::kRowBuy);
             FillRow(1, 3, "45", R::kPutButton, "1", "2", R::kRowSell);
         },
         "Select a new option or graph options."},
    };
    for (const Case& c : cases) {
        settings = Settings();
        Reopen();
        c.act();
        EXPECT_EQ(Text(C::kPrompt), c.sentence) << c.situation;
    }
}

TEST_F(EditorTest, PromptAsksForTheSideOnceContractsAreThere) {
    Type(C::kPrice, "50");
    StartRow(1, 3, "Apr 1999", "50");
    ClickInRow(1, R::kCallButton);
    TypeInRow(1, R::kRowPrice, "2");
    TypeInRow(1, R::kContracts, "4");
    EXPECT_EQ(Text(C::kPrompt),
              "Enter shares, enter buy or sell for option 4 or select a new option.");
}

TEST_F(EditorTest, ClockPaneShowsTheTimeOfTheLastUpdate) {
    EXPECT_EQ(Text(C::kClock), "02:30 PM");
    clock.now = CTime(1999, 1, 15, 9, 5);
    EXPECT_EQ(Text(C::kClock), "02:30 PM") << "there is no timer";
    Type(C::kPrice, "50");
    EXPECT_EQ(Text(C::kClock), "09:05 AM");
    clock.now = CTime(1999, 1, 16, 0, 1);
    Type(C::kShares, "100");  // any event that rewrites the status line
    EXPECT_EQ(Text(C::kClock), "12:01 AM");
}

}  // namespace
}  // namespace qx
