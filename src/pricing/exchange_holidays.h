#ifndef QX_PRICING_EXCHANGE_HOLIDAYS_H
#define QX_PRICING_EXCHANGE_HOLIDAYS_H

#include "pricing/civil_date.h"

namespace qx {

// Whether the US stock exchanges are closed for a holiday on the day: New Year's Day,
// Martin Luther King Jr. Day (from 1998), Washington's Birthday, Good Friday, Memorial
// Day, Juneteenth (from 2022), Independence Day, Labor Day, Thanksgiving and Christmas,
// a Saturday holiday observed on the Friday before and a Sunday one on the Monday after
// (New Year's Day on a Saturday is not observed). One-off closings are not known.
bool IsExchangeHoliday(const CivilDate& date);

// Whether the exchanges trade on the day: a weekday that is no holiday.
bool IsTradingDay(const CivilDate& date);

// Easter Sunday of the year (Gregorian).
CivilDate EasterSunday(int year);

}  // namespace qx

#endif  // QX_PRICING_EXCHANGE_HOLIDAYS_H
