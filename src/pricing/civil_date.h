#ifndef QX_PRICING_CIVIL_DATE_H
#define QX_PRICING_CIVIL_DATE_H

#include <cstdint>

namespace qx {

class CTime;

// A day of the proleptic Gregorian calendar, free of any time zone: exchange calendars
// are reckoned in days, whatever zone the machine runs in.
struct CivilDate {
    int year = 1970;
    int month = 1;  // 1..12
    int day = 1;    // 1..31

    // The day that many days after 1970-01-01 (before it when negative).
    static CivilDate FromDays(std::int64_t days);
    // The local calendar day of a time.
    static CivilDate LocalDayOf(CTime time);

    // Days since 1970-01-01.
    std::int64_t Days() const;
    // 0 Sunday .. 6 Saturday.
    int Weekday() const;
    // The day n days later (earlier when negative).
    CivilDate Plus(int n) const { return FromDays(Days() + n); }

    friend bool operator==(const CivilDate& a, const CivilDate& b) {
        return a.year == b.year && a.month == b.month && a.day == b.day;
    }
    friend bool operator!=(const CivilDate& a, const CivilDate& b) { return !(a == b); }
};

// Weekdays as CivilDate::Weekday gives them.
inline constexpr int kSunday = 0;
inline constexpr int kMonday = 1;
inline constexpr int kThursday = 4;
inline constexpr int kFriday = 5;
inline constexpr int kSaturday = 6;

// The n-th (1-based) given weekday of a month; n of -1 gives the month's last one.
CivilDate NthWeekday(int year, int month, int weekday, int n);

}  // namespace qx

#endif  // QX_PRICING_CIVIL_DATE_H
