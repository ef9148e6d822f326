#include "pricing/market_close.h"

#include <algorithm>

namespace qx {

namespace {

constexpr int kCloseHour = 16;
constexpr double kSecondsPerYear = 365.0 * 86400;

// The first day of summer time and the first day after it, for the year's rule.
struct SummerTime {
    CivilDate start;
    CivilDate end;
};

SummerTime SummerTimeOf(int y) {
    if (y >= 2007) return {NthWeekday(y, 3, kSunday, 2), NthWeekday(y, 11, kSunday, 1)};
    const CivilDate lastOctober = NthWeekday(y, 10, kSunday, -1);
    if (y >= 1987) return {NthWeekday(y, 4, kSunday, 1), lastOctober};
    // The energy crisis brought summer time forward for two years.
    if (y == 1974) return {{1974, 1, 6}, lastOctober};
    if (y == 1975) return {{1975, 2, 23}, lastOctober};
    return {NthWeekday(y, 4, kSunday, -1), lastOctober};
}

}  // namespace

int NewYorkUtcOffsetHours(const CivilDate& day) {
    // The clocks change at 02:00, long before the close: the day decides.
    const SummerTime summer = SummerTimeOf(day.year);
    const bool inSummer = day.Days() >= summer.start.Days() && day.Days() < summer.end.Days();
    return inSummer ? -4 : -5;
}

CTime MarketClose(CTime expiration) {
    const CivilDate day = CivilDate::LocalDayOf(expiration);
    return CTime(day.Days() * 86400 + (kCloseHour - NewYorkUtcOffsetHours(day)) * 3600);
}

double YearsToClose(CTime at, CTime expiration) {
    const auto seconds = MarketClose(expiration).GetTime() - at.GetTime();
    return std::max<double>(seconds, 0) / kSecondsPerYear;
}

bool IsExpirationDay(CTime at, CTime expiration) {
    return CivilDate::LocalDayOf(at) == CivilDate::LocalDayOf(expiration);
}

}  // namespace qx
