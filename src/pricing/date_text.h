#ifndef QX_PRICING_DATE_TEXT_H
#define QX_PRICING_DATE_TEXT_H

#include <string>

#include "platform/ctime.h"

namespace qx {

// The two date formats of the settings: 1 is month/day/year, 2 is day/month/year.
enum DateFormat { kMonthDayYear = 1, kDayMonthYear = 2 };

// The local date as "m/d/yyyy" (format 1) or "d/m/yyyy" (format 2), no leading zeros.
std::string DateText(CTime date, int format);

// Reads a date typed as month/day/year or day/month/year (separators "/", " " or "-",
// two- or four-digit year) into the local date at 00:00. Returns 0, or -1 when the text
// is no such date (and leaves date unchanged).
int ParseDate(const std::string& text, int format, CTime& date);

}  // namespace qx

#endif  // QX_PRICING_DATE_TEXT_H
