#include "pricing/civil_date.h"

#include "platform/ctime.h"

namespace qx {

// The day counts follow the well-known era arithmetic of 400-year cycles, which needs
// no tables and holds for any year.
std::int64_t CivilDate::Days() const {
    const std::int64_t y = year - (month <= 2 ? 1 : 0);
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const std::int64_t yearOfEra = y - era * 400;
    const std::int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

CivilDate CivilDate::FromDays(std::int64_t days) {
    const std::int64_t z = days + 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const std::int64_t dayOfEra = z - era * 146097;
    const std::int64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t mp = (5 * dayOfYear + 2) / 153;
    const int month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    const int day = static_cast<int>(dayOfYear - (153 * mp + 2) / 5 + 1);
    const int year = static_cast<int>(yearOfEra + era * 400 + (month <= 2 ? 1 : 0));
    return {year, month, day};
}

CivilDate CivilDate::LocalDayOf(CTime time) {
    return {time.GetYear(), time.GetMonth(), time.GetDay()};
}

int CivilDate::Weekday() const {
    // 1970-01-01 was a Thursday.
    const std::int64_t weekday = (Days() + kThursday) % 7;
    return static_cast<int>(weekday < 0 ? weekday + 7 : weekday);
}

CivilDate NthWeekday(int year, int month, int weekday, int n) {
    if (n < 0) {
        const CivilDate nextFirst =
            month == 12 ? CivilDate{year + 1, 1, 1} : CivilDate{year, month + 1, 1};
        const CivilDate last = nextFirst.Plus(-1);
        return last.Plus(-((last.Weekday() - weekday + 7) % 7));
    }
    const CivilDate first{year, month, 1};
    return first.Plus((weekday - first.Weekday() + 7) % 7 + 7 * (n - 1));
}

}  // namespace qx
