#include "platform/ctime.h"

#include <gtest/gtest.h>

#include <climits>
#include <clocale>
#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <string>

#include "test_support/time_zone.h"

namespace qx {
namespace {

TEST(CTime, LocalFieldsAndFormat) {
    const ScopedTimeZone zone("Europe/Berlin");
    const CTime t(1999, 1, 16, 14, 5, 9);
    EXPECT_EQ(t.GetYear(), 1999);
    EXPECT_EQ(t.GetMonth(), 1);
    EXPECT_EQ(t.GetDay(), 16);
    EXPECT_EQ(t.GetHour(), 14);
    EXPECT_EQ(t.GetMinute(), 5);
    EXPECT_EQ(t.GetSecond(), 9);
    EXPECT_EQ(t.GetDayOfWeek(), 7);     // a Saturday
    EXPECT_EQ(t.GetTime(), 916491909);  // 13:05:09 UTC
    EXPECT_EQ(t.Format("%b %Y"), "Jan 1999");
    EXPECT_EQ(t.Format("%m/%d %I:%M %p"), "01/16 02:05 PM");
    EXPECT_EQ(CTime(1999, 1, 16, 0, 0).Format("%I %p, 100%%"), "12 AM, 100%");
}

TEST(CTime, FormatIgnoresTheProcessLocale) {
    const std::string saved = std::setlocale(LC_ALL, nullptr);
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr);
    EXPECT_EQ(CTime(2026, 3, 1).Format("%b %Y"), "Mar 2026");
    EXPECT_EQ(CTime(2026, 5, 1).Format("%B"), "May");
    std::setlocale(LC_ALL, saved.c_str());
}

// Stepping by calendar days keeps the wall-clock time across a daylight-saving change,
// where adding 86400 seconds would land an hour off.
TEST(CTime, AddDaysKeepsWallClockAcrossDaylightSaving) {
    const ScopedTimeZone zone("America/New_York");
    const CTime before(2026, 3, 7);
    const CTime after = before.AddDays(2);
    EXPECT_EQ(after, CTime(2026, 3, 9));
    EXPECT_EQ(after.GetHour(), 0);
    EXPECT_EQ(after.GetTime() - before.GetTime(), 2 * 86400 - 3600);
    EXPECT_EQ(after.GetWallClockSeconds() - before.GetWallClockSeconds(), 2 * 86400);
    EXPECT_EQ(CTime(2026, 1, 31).AddDays(28), CTime(2026, 2, 28));
}

// Only 32-bit seconds fit a document; far beyond them the calendar fields must still be
// read without overflow.
TEST(CTime, StorableTimesAreThoseOf32BitSeconds) {
    const ScopedTimeZone zone("UTC");
    EXPECT_TRUE(CTime(0x7FFFFFFF).IsStorable());
    EXPECT_TRUE(CTime(-0x7FFFFFFF - 1).IsStorable());
    EXPECT_FALSE(CTime(0x80000000).IsStorable());
    EXPECT_FALSE(CTime(-0x80000001LL).IsStorable());
    EXPECT_EQ(CTime(0x7FFFFFFF).Format("%d %b %Y"), "19 Jan 2038");
    // A year just past INT_MAX keeps INT_MAX; one the C library cannot reach reads as 1970.
    const CTime farOut((INT_MAX + std::int64_t{1000} - 1970) * 31556952);
    EXPECT_EQ(farOut.GetYear(), INT_MAX);
    EXPECT_EQ(CTime(INT64_MAX).GetYear(), 1970);
}

}  // namespace
}  // namespace qx
