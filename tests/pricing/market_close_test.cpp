#include "pricing/market_close.h"

#include <gtest/gtest.h>

#include <vector>

#include "test_support/time_zone.h"

namespace qx {
namespace {

// The tz database, through the C library in New York's zone, is the reference: the
// close is 16:00 local there on every day a document can hold.
TEST(MarketClose, IsFourInTheAfternoonInNewYorkOnEveryDay) {
    std::vector<CTime> closes;
    {
        ScopedTimeZone newYork("America/New_York");
        for (CivilDate day{1970, 1, 1}; day.year <= 2037; day = day.Plus(1)) {
            const CTime close(day.year, day.month, day.day, 16);
            ASSERT_EQ(MarketClose(CTime(day.year, day.month, day.day)), close)
                << day.year << "-" << day.month << "-" << day.day;
            closes.push_back(close);
        }
    }
    // Elsewhere the close of the same calendar day is the same instant.
    for (const char* zone : {"UTC", "Asia/Tokyo", "America/Los_Angeles", "Australia/Sydney"}) {
        ScopedTimeZone scoped(zone);
        std::size_t i = 0;
        for (CivilDate day{1970, 1, 1}; day.year <= 2037; day = day.Plus(1), ++i) {
            ASSERT_EQ(MarketClose(CTime(day.year, day.month, day.day, 9)), closes[i])
                << zone << " " << day.year << "-" << day.month << "-" << day.day;
        }
    }
}

TEST(MarketClose, YearsRunToTheCloseAndStopThere) {
    ScopedTimeZone scoped("Europe/Berlin");
    const CTime expiration(2027, 1, 15);
    const CTime close = MarketClose(expiration);  // 22:00 in Berlin
    EXPECT_EQ(close, CTime(2027, 1, 15, 22));
    const double hour = 1.0 / (365 * 24);
    struct Case {
        CTime at;
        double years;
    };
    const Case cases[] = {
        {CTime(close.GetTime() - 4 * 3600), 4 * hour},
        {CTime(2027, 1, 14, 22), 24 * hour},
        {close, 0},
        {CTime(close.GetTime() + 60), 0},
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(YearsToClose(c.at, expiration), c.years, 1e-15) << c.at.Format("%d %H:%M");
    }
    EXPECT_TRUE(IsExpirationDay(CTime(2027, 1, 15, 23, 59), expiration));
    EXPECT_FALSE(IsExpirationDay(CTime(2027, 1, 14, 23, 59), expiration));
}

}  // namespace
}  // namespace qx
