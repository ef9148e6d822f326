#include "pricing/expiration_calendar.h"

#include <gtest/gtest.h>

#include <clocale>
#include <ctime>
#include <string>
#include <utility>

#include "test_support/time_zone.h"

namespace qx {
namespace {

struct ExpirationCase {
    const char* text;
    const char* rewritten;
    int year, month, day;  // 1970, 1, 1: no date
};

// Zones on both sides of UTC, one with summer time.
const char* const kZones[] = {"America/New_York", "Europe/Berlin", "UTC", "Australia/Sydney"};

void ExpectExpirations() {
    const ExpirationCase cases[] = {
        {"Jan 1999", "Jan 1999", 1999, 1, 16},
        {"OCT 1999", "Oct 1999", 1999, 10, 16},  // the 1st is a Friday
        {"nov 2026", "Nov 2026", 2026, 11, 21},  // summer time ends on the 1st
        {"Mar 2026", "Mar 2026", 2026, 3, 21},   // summer time starts on the 8th
        {"Feb 2037", "Feb 2037", 2037, 2, 21},
        {"Jan 1970", "Jan 1970", 1970, 1, 17},
        {"Dec 2038", "Dec 2038", 1970, 1, 1},  // past the years a document holds
        {"Foo 1999", "Foo 1999", 1970, 1, 1},
        {"Ja", "Ja", 1970, 1, 1},
        {"", "", 1970, 1, 1},
    };
    for (const char* zone : kZones) {
        ScopedTimeZone scoped(zone);
        for (const auto& c : cases) {
            std::string text = c.text;
            const CTime expiration =
                ExpirationFromMonthText(text, MonthlyExpiration::kSaturdayAfter);
            EXPECT_EQ(text, c.rewritten) << zone << " " << c.text;
            EXPECT_EQ(expiration, CTime(c.year, c.month, c.day)) << zone << " " << c.text;
            if (c.year != 1970) {
                EXPECT_EQ(expiration.GetDayOfWeek(), 7) << zone << " " << c.text;
                EXPECT_EQ(expiration.GetHour(), 0) << zone << " " << c.text;
            }
        }
    }
}

TEST(ExpirationCalendar, ClassicExpirationIsTheSaturdayAfterTheThirdFriday) { ExpectExpirations(); }

// Consecutive months, whatever the start time of day and however summer time shifts.
TEST(ExpirationCalendar, OffersThirteenConsecutiveMonths) {
    struct Case {
        CTime start;
        int year, month;
    };
    for (const char* zone : kZones) {
        ScopedTimeZone scoped(zone);
        const Case cases[] = {
            {CTime(1999, 1, 31), 1999, 1},           {CTime(2026, 3, 1), 2026, 3},
            {CTime(2026, 10, 31, 23, 30), 2026, 10}, {CTime(2026, 2, 28, 0, 30), 2026, 2},
            {CTime(2036, 12, 31, 12), 2036, 12},
        };
        for (const auto& c : cases) {
            const std::vector<std::string> months = ExpirationMonths(c.start);
            ASSERT_EQ(months.size(), 13u) << zone;
            for (int i = 0; i < 13; ++i) {
                const int month = (c.month - 1 + i) % 12 + 1;
                const int year = c.year + (c.month - 1 + i) / 12;
                EXPECT_EQ(months[i], CTime(year, month, 1).Format("%b %Y"))
                    << zone << " start " << c.start.Format("%d %b %Y %H:%M") << " entry " << i;
            }
        }
    }
    ScopedTimeZone scoped("UTC");
    const std::vector<std::string> months = ExpirationMonths(CTime(1999, 1, 31));
    EXPECT_EQ(months.front(), "Jan 1999");
    EXPECT_EQ(months.back(), "Jan 2000");
}

// Every month of 2010-2037 against a rule of its own: the third Friday is the Friday
// among the 15th to the 21st (weekday from the C library in UTC); Good Friday is two days
// before Easter, taken from a published table; Juneteenth closes from 2022, a Saturday
// one on the Friday before.
TEST(ExpirationCalendar, MonthlyExpirationIsTheThirdFridayOrTheTradingDayBefore) {
    const int easter[][2] = {{4, 4},  {4, 24}, {4, 8},  {3, 31}, {4, 20}, {4, 5},  {3, 27},
                             {4, 16}, {4, 1},  {4, 21}, {4, 12}, {4, 4},  {4, 17}, {4, 9},
                             {3, 31}, {4, 20}, {4, 5},  {3, 28}, {4, 16}, {4, 1},  {4, 21},
                             {4, 13}, {3, 28}, {4, 17}, {4, 9},  {3, 25}, {4, 13}, {4, 5}};
    ScopedTimeZone scoped("Europe/Berlin");
    const auto weekday = [](int y, int m, int d) {
        std::tm tm{};
        tm.tm_year = y - 1900;
        tm.tm_mon = m - 1;
        tm.tm_mday = d;
        const std::time_t t = timegm(&tm);
        std::tm out{};
        gmtime_r(&t, &out);
        return out.tm_wday;
    };
    int thursdays = 0;
    for (int year = 2010; year <= 2037; ++year) {
        const int goodFridayMonth = easter[year - 2010][0];
        const int goodFridayDay = easter[year - 2010][1] - 2;  // never before the 23rd
        for (int month = 1; month <= 12; ++month) {
            int day = 15;
            while (weekday(year, month, day) != 5) ++day;
            const bool goodFriday = month == goodFridayMonth && day == goodFridayDay;
            const bool juneteenth = year >= 2022 && month == 6 &&
                                    (day == 19 || (day == 18 && weekday(year, 6, 19) == 6));
            if (goodFriday || juneteenth) {
                --day;
                ++thursdays;
            }
            std::string text = CTime(year, month, 1).Format("%b %Y");
            EXPECT_EQ(ExpirationFromMonthText(text, MonthlyExpiration::kThirdFriday),
                      CTime(year, month, day))
                << text;
        }
    }
    // Good Friday in April 2014, 2019, 2022, 2025, 2030 and 2033; Juneteenth in June 2026
    // and 2037, and observed on Friday the 18th in 2027 and 2032.
    EXPECT_EQ(thursdays, 10);
    const std::pair<const char*, CTime> named[] = {{"Apr 2022", CTime(2022, 4, 14)},
                                                   {"Apr 2025", CTime(2025, 4, 17)},
                                                   {"Jun 2026", CTime(2026, 6, 18)},
                                                   {"Jan 2027", CTime(2027, 1, 15)}};
    for (const auto& [month, day] : named) {
        std::string text = month;
        EXPECT_EQ(ExpirationFromMonthText(text, MonthlyExpiration::kThirdFriday), day) << month;
    }
}

TEST(ExpirationCalendar, IgnoresTheProcessLocale) {
    const std::string saved = std::setlocale(LC_ALL, nullptr);
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr);
    ExpectExpirations();
    ScopedTimeZone scoped("UTC");
    EXPECT_EQ(ExpirationMonths(CTime(1999, 3, 5))[2], "May 1999");  // not "Mai"
    std::setlocale(LC_ALL, saved.c_str());
}

}  // namespace
}  // namespace qx
