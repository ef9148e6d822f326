// Feeds arbitrary text to the date readers, in a zone with summer time. A date
// ParseDate accepts is local midnight of a year a document can hold, and its text reads
// back as the same date; a refused text leaves the date alone. An expiration month text
// gives either the date that stands for none or a Saturday from the 16th to the 22nd
// at midnight, the same again from its own month text or from the rewritten text.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <string>

#include "fuzz_support.h"
#include "pricing/date_text.h"
#include "pricing/expiration_calendar.h"

namespace {

using qx::CTime;
using qx::Require;

void CheckDate(const std::string& text, int format) {
    const CTime unchanged(123456789);
    CTime date = unchanged;
    if (qx::ParseDate(text, format, date) != 0) {
        Require(date == unchanged, "a refused date text leaves the date alone");
        return;
    }
    Require(date.IsStorable(), "a read date fits a document");
    Require(date.GetYear() >= 1970 && date.GetYear() <= 2037, "a read date's year is 1970..2037");
    Require(date.GetHour() == 0 && date.GetMinute() == 0 && date.GetSecond() == 0,
            "a read date is local midnight");
    CTime again;
    const std::string shown = qx::DateText(date, format);
    Require(qx::ParseDate(shown, format, again) == 0 && again == date,
            "date text \"" + shown + "\" reads as the date it shows");
}

// Whether expiration is a month's expiration under rule: the Saturday after the third
// Friday, or the third Friday (15th to 21st) or the trading day before it, at midnight.
bool IsMonthlyExpiration(CTime expiration, qx::MonthlyExpiration rule) {
    const int day = expiration.GetDay();
    if (expiration.GetHour() != 0) return false;
    if (rule == qx::MonthlyExpiration::kSaturdayAfter)
        return expiration.GetDayOfWeek() == 7 && day >= 16 && day <= 22;
    const int weekday = expiration.GetDayOfWeek();
    return (weekday == 6 && day >= 15 && day <= 21) ||
           (weekday >= 2 && weekday <= 5 && day >= 12 && day <= 20);
}

void CheckExpiration(const std::string& text, qx::MonthlyExpiration rule) {
    std::string rewritten = text;
    const CTime expiration = qx::ExpirationFromMonthText(rewritten, rule);
    std::string twice = rewritten;
    Require(qx::ExpirationFromMonthText(twice, rule) == expiration && twice == rewritten,
            "a rewritten month text gives the same expiration and stays as it is");
    if (expiration == CTime(1970, 1, 1)) return;
    Require(IsMonthlyExpiration(expiration, rule),
            "an expiration is the month's expiration under its rule, at midnight");
    std::string month = expiration.Format("%b %Y");
    Require(qx::ExpirationFromMonthText(month, rule) == expiration,
            "an expiration's own month text gives it again");
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    setenv("TZ", "America/New_York", 1);
    tzset();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    // The first byte chooses the date format, the rest is the text.
    const int format = data[0] % 2 == 0 ? qx::kMonthDayYear : qx::kDayMonthYear;
    const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
    CheckDate(text, format);
    CheckExpiration(text, qx::MonthlyExpiration::kThirdFriday);
    CheckExpiration(text, qx::MonthlyExpiration::kSaturdayAfter);
    return 0;
}
