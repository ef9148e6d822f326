#include "statement/statement_text.h"

#include <gtest/gtest.h>

#include <string>

#include "statement/occ_symbol.h"

namespace qx {
namespace {

TEST(StatementText, ReadsAmountsAsBrokersWriteThem) {
    struct Case {
        const char* text;
        bool reads;
        double value;
    };
    const Case cases[] = {
        {"1850", true, 1850},
        {"-2.5", true, -2.5},
        {"4,091", true, 4091},
        {"$1,850.00", true, 1850},
        {"($1,850.00)", true, -1850},
        {"-$0.65", true, -0.65},
        {" 12.34 ", true, 12.34},
        {"", false, 0},
        {"--", false, 0},
        {"1.2.3", false, 0},
        {"12abc", false, 0},
    };
    for (const Case& c : cases) {
        double value = 0;
        EXPECT_EQ(ReadAmount(c.text, value), c.reads) << c.text;
        if (c.reads) {
            EXPECT_DOUBLE_EQ(value, c.value) << c.text;
        }
    }
    std::int64_t count = 0;
    EXPECT_FALSE(ReadCount("2.5", count)) << "a fraction of a share is no count";
    ASSERT_TRUE(ReadCount("-4,091", count));
    EXPECT_EQ(count, -4091);
}

TEST(StatementText, ReadsEveryLayoutsDateAsItsWallClockTime) {
    struct Case {
        const char* text;
        bool reads;
        int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    };
    const Case cases[] = {
        {"2021-10-11, 11:28:44", true, 2021, 10, 11, 11, 28, 44},
        {"2024-03-15T14:30:00-0400", true, 2024, 3, 15, 14, 30, 0},
        {"20230403;095853", true, 2023, 4, 3, 9, 58, 53},
        {"20230403", true, 2023, 4, 3, 0, 0, 0},
        {"08/15/2026", true, 2026, 8, 15, 0, 0, 0},
        {"9/18/26", true, 2026, 9, 18, 0, 0, 0},
        {"03/15/2021 2:30 PM", true, 2021, 3, 15, 14, 30, 0},
        {"03/15/2021 12:05 AM", true, 2021, 3, 15, 0, 5, 0},
        {"08/15/2026 as of 08/14/2026", true, 2026, 8, 14, 0, 0, 0},
        {"2026-02-30", false},
        {"13/01/2026", false},
        {"2026-01-05 25:00", false},
        {"2040-01-01", false},
        {"Transactions Total", false},
        {"", false},
    };
    for (const Case& c : cases) {
        CTime time;
        ASSERT_EQ(ReadStatementDate(c.text, time), c.reads) << c.text;
        if (!c.reads) continue;
        EXPECT_EQ(time, CTime(c.year, c.month, c.day, c.hour, c.minute, c.second)) << c.text;
    }
}

TEST(OccSymbol, ReadsTheClearingHouseSymbolPaddedOrNot) {
    struct Case {
        const char* text;
        bool reads;
        const char* root = "";
        int year = 0, month = 0, day = 0;
        OptionType type = OptionType::kNone;
        double strike = 0;
    };
    const Case cases[] = {
        {"AAPL  260918C00260000", true, "AAPL", 2026, 9, 18, OptionType::kCall, 260},
        {"AAPL260918P00187500", true, "AAPL", 2026, 9, 18, OptionType::kPut, 187.5},
        {".SPXW 261218P04525500", true, "SPXW", 2026, 12, 18, OptionType::kPut, 4525.5},
        {"BRKB1 270115C00002500", true, "BRKB1", 2027, 1, 15, OptionType::kCall, 2.5},
        {"AAPL  260918X00260000", false},
        {"AAPL  261318C00260000", false},
        {"AAPL  260231C00260000", false},
        {"AAPL  260918C00000000", false},
        {"TOOLONGX260918C00260000", false},
        {"260918C00260000", false},
        {"AAPL", false},
    };
    for (const Case& c : cases) {
        OccSymbol symbol;
        ASSERT_EQ(ParseOccSymbol(c.text, symbol), c.reads) << c.text;
        if (!c.reads) continue;
        EXPECT_EQ(symbol.root, c.root) << c.text;
        EXPECT_EQ(symbol.expiration, CTime(c.year, c.month, c.day)) << c.text;
        EXPECT_EQ(symbol.optionType, c.type) << c.text;
        EXPECT_DOUBLE_EQ(symbol.strike, c.strike) << c.text;
    }
}

}  // namespace
}  // namespace qx
