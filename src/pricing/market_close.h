#ifndef QX_PRICING_MARKET_CLOSE_H
#define QX_PRICING_MARKET_CLOSE_H

#include "platform/ctime.h"
#include "pricing/civil_date.h"

namespace qx {

// New York's offset from UTC in hours at the 16:00 close of the day: -4 under summer
// time, -5 otherwise, by the US rules in force in that year since 1970.
int NewYorkUtcOffsetHours(const CivilDate& day);

// The 16:00 New York close of the expiration's local calendar day, whatever zone the
// machine runs in.
CTime MarketClose(CTime expiration);

// The time from at to the close of the expiration's day, in years of 365 days; 0 once
// the close has passed.
double YearsToClose(CTime at, CTime expiration);

// Whether at falls on the expiration's local calendar day.
bool IsExpirationDay(CTime at, CTime expiration);

}  // namespace qx

#endif  // QX_PRICING_MARKET_CLOSE_H
