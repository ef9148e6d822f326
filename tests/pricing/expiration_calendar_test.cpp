#include "pricing/expiration_calendar.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>

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
            const CTime expiration = ExpirationFromMonthText(text);
            EXPECT_EQ(text, c.rewritten) << zone << " " << c.text;
            EXPECT_EQ(expiration, CTime(c.year, c.month, c.day)) << zone << " " << c.text;
            if (c.year != 1970) {
                EXPECT_EQ(expiration.GetDayOfWeek(), 7) << zone << " " << c.text;
                EXPECT_EQ(expiration.GetHour(), 0) << zone << " " << c.text;
            }
        }
    }
}

TEST(ExpirationCalendar, ExpirationIsTheSaturdayAfterTheThirdFriday) { ExpectExpirations(); }

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
