#ifndef QX_PRICING_EXPIRATION_CALENDAR_H
#define QX_PRICING_EXPIRATION_CALENDAR_H

#include <string>
#include <vector>

#include "platform/ctime.h"

namespace qx {

// How a month's options expire, as the "Monthly expiration" setting stores it.
enum class MonthlyExpiration {
    // The third Friday, or the trading day before it when the exchanges close on it.
    kThirdFriday = 1,
    // The Saturday after the third Friday, as listed options expired until 2015.
    kSaturdayAfter = 2,
};

// The expiration day of the month named by text ("Jan 1999" or "JAN 1999") under the
// rule, 00:00 local time. Rewrites text in place with its first letter in upper case and
// the rest in lower case. An unknown month or a year outside 1970..2037 gives 1 January
// 1970, 00:00 local time, which stands for no date.
CTime ExpirationFromMonthText(std::string& text, MonthlyExpiration rule);

// The 13 expiration months offered from start: its own month ("Jan 1999") and the 12
// that follow, in order.
std::vector<std::string> ExpirationMonths(CTime start);

}  // namespace qx

#endif  // QX_PRICING_EXPIRATION_CALENDAR_H
