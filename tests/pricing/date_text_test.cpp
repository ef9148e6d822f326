#include "pricing/date_text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>

namespace qx {
namespace {

struct ParseDateCase {
    const char* text;
    int format;
    int year, month, day;  // year 0: the text must be refused
};

const ParseDateCase kParseDateCases[] = {
    {"12/25/98", kMonthDayYear, 1998, 12, 25},
    {"25/12/1998", kDayMonthYear, 1998, 12, 25},
    {" 1-2-2003 ", kMonthDayYear, 2003, 1, 2},
    {"3 4 05", kDayMonthYear, 2005, 4, 3},
    {"1/1/37", kMonthDayYear, 2037, 1, 1},  // two-digit years below 70 are 20xx...
    {"1/1/69", kMonthDayYear, 0, 0, 0},     // ...so 69 is 2069, past what a document holds
    {"1/1/70", kMonthDayYear, 1970, 1, 1},
    {"25.12.1998", kMonthDayYear, 0, 0, 0},   // no separator: the month reads as 0
    {"12/25/19988", kMonthDayYear, 0, 0, 0},  // 11 characters
    {"13/1/1999", kMonthDayYear, 0, 0, 0},
    {"1/32/1999", kMonthDayYear, 0, 0, 0},
    {"1/2/3/1999", kMonthDayYear, 0, 0, 0},
    {"1/2", kMonthDayYear, 0, 0, 0},
    {"1/2/2038", kMonthDayYear, 0, 0, 0},
    {"", kMonthDayYear, 0, 0, 0},
};

TEST(ParseDate, ReadsBothFormatsAndRefusesTheRest) {
    for (const auto& c : kParseDateCases) {
        CTime date(12345);
        const int result = ParseDate(c.text, c.format, date);
        if (c.year == 0) {
            EXPECT_EQ(result, -1) << "text=\"" << c.text << "\"";
            EXPECT_EQ(date.GetTime(), 12345) << "a refused text changed the date";
            continue;
        }
        ASSERT_EQ(result, 0) << "text=\"" << c.text << "\"";
        EXPECT_EQ(date, CTime(c.year, c.month, c.day)) << "text=\"" << c.text << "\"";
    }
}

TEST(ParseDate, DayBeyondTheMonthRollsOver) {
    CTime date;
    ASSERT_EQ(ParseDate("2/31/1999", kMonthDayYear, date), 0);
    EXPECT_EQ(date, CTime(1999, 3, 3));
}

TEST(DateText, WritesBothFormatsWithoutLeadingZeros) {
    const CTime date(1999, 3, 7, 15, 30);
    EXPECT_EQ(DateText(date, kMonthDayYear), "3/7/1999");
    EXPECT_EQ(DateText(date, kDayMonthYear), "7/3/1999");
    const std::string saved = std::setlocale(LC_ALL, nullptr);
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr);
    EXPECT_EQ(DateText(date, kMonthDayYear), "3/7/1999");
    std::setlocale(LC_ALL, saved.c_str());
}

}  // namespace
}  // namespace qx
