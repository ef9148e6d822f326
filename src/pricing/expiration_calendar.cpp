#include "pricing/expiration_calendar.h"

#include "pricing/civil_date.h"
#include "pricing/exchange_holidays.h"
#include "pricing/number_text.h"

namespace qx {

namespace {

const char* const kMonthCodes[12] = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                     "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};
constexpr int kMonthsOffered = 13;
// 28 days never skip a month, so stepping by it meets every month in turn.
constexpr int kMonthStepDays = 28;

// ASCII case changes, untouched by the process locale.
char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }
char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// Month 1..12 of the text's first three letters, or 0.
int MonthOf(const std::string& text) {
    if (text.size() < 3) return 0;
    const std::string code{Upper(text[0]), Upper(text[1]), Upper(text[2])};
    for (int month = 1; month <= 12; ++month) {
        if (code == kMonthCodes[month - 1]) return month;
    }
    return 0;
}

}  // namespace

CTime ExpirationFromMonthText(std::string& text, MonthlyExpiration rule) {
    const int month = MonthOf(text);
    for (std::size_t i = 0; i < text.size(); ++i)
        text[i] = i == 0 ? Upper(text[i]) : Lower(text[i]);
    const int year = ParseInteger(text.size() > 4 ? text.substr(text.size() - 4) : text);
    if (month == 0 || year < 1970 || year > 2037) return CTime(1970, 1, 1);

    // Calendar days, not multiples of 86400 s, so summer time cannot shift the day.
    CivilDate day = NthWeekday(year, month, kFriday, 3);
    if (rule == MonthlyExpiration::kSaturdayAfter) {
        day = day.Plus(1);
    } else {
        while (!IsTradingDay(day)) day = day.Plus(-1);
    }
    return CTime(day.year, day.month, day.day);
}

std::vector<std::string> ExpirationMonths(CTime start) {
    std::vector<std::string> months;
    for (CTime date = start; static_cast<int>(months.size()) < kMonthsOffered;
         date = date.AddDays(kMonthStepDays)) {
        std::string text = date.Format("%b %Y");
        if (months.empty() || text != months.back()) months.push_back(std::move(text));
    }
    return months;
}

}  // namespace qx
