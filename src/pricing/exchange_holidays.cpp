#include "pricing/exchange_holidays.h"

namespace qx {

namespace {

// A fixed-date holiday on a weekend is observed on the nearest weekday.
CivilDate Observed(const CivilDate& date) {
    const int weekday = date.Weekday();
    return weekday == kSaturday ? date.Plus(-1) : weekday == kSunday ? date.Plus(1) : date;
}

bool IsFixedDateHoliday(const CivilDate& date) {
    const int y = date.year;
    // New Year's Day on a Saturday would close the exchanges in the old year: they stay open.
    const CivilDate newYear{y, 1, 1};
    if (newYear.Weekday() != kSaturday && date == Observed(newYear)) return true;
    if (y >= 2022 && date == Observed({y, 6, 19})) return true;
    return date == Observed({y, 7, 4}) || date == Observed({y, 12, 25});
}

bool IsWeekdayHoliday(const CivilDate& d) {
    const int y = d.year;
    return (y >= 1998 && d == NthWeekday(y, 1, kMonday, 3)) || d == NthWeekday(y, 2, kMonday, 3) ||
           d == NthWeekday(y, 5, kMonday, -1) || d == NthWeekday(y, 9, kMonday, 1) ||
           d == NthWeekday(y, 11, kThursday, 4);
}

}  // namespace

CivilDate EasterSunday(int year) {
    // The anonymous Gregorian computus (Meeus, Jones, Butcher).
    const int a = year % 19;
    const int b = year / 100;
    const int c = year % 100;
    const int d = b / 4;
    const int e = b % 4;
    const int f = (b + 8) / 25;
    const int g = (b - f + 1) / 3;
    const int h = (19 * a + b - d - g + 15) % 30;
    const int i = c / 4;
    const int k = c % 4;
    const int l = (32 + 2 * e + 2 * i - h - k) % 7;
    const int m = (a + 11 * h + 22 * l) / 451;
    const int month = (h + l - 7 * m + 114) / 31;
    const int day = (h + l - 7 * m + 114) % 31 + 1;
    return {year, month, day};
}

bool IsExchangeHoliday(const CivilDate& date) {
    return IsFixedDateHoliday(date) || IsWeekdayHoliday(date) ||
           date == EasterSunday(date.year).Plus(-2);
}

bool IsTradingDay(const CivilDate& date) {
    const int weekday = date.Weekday();
    return weekday != kSaturday && weekday != kSunday && !IsExchangeHoliday(date);
}

}  // namespace qx
