#include "pricing/date_text.h"

#include "pricing/number_text.h"

namespace qx {

namespace {

bool IsDateSeparator(char c) { return c == '/' || c == ' ' || c == '-'; }

// The characters between two positions, empty when the range is missing or reversed.
std::string Between(const std::string& text, std::size_t first, std::size_t last) {
    return first < last && last <= text.size() ? text.substr(first, last - first) : "";
}

bool IsStorableYear(int year) { return year >= 1970 && year <= 2037; }

}  // namespace

std::string DateText(CTime date, int format) {
    const std::string month = std::to_string(date.GetMonth());
    const std::string day = std::to_string(date.GetDay());
    const std::string year = std::to_string(date.GetYear());
    return format == kDayMonthYear ? day + "/" + month + "/" + year
                                   : month + "/" + day + "/" + year;
}

int ParseDate(const std::string& raw, int format, CTime& date) {
    const std::string text = TrimSpaces(raw);
    if (text.size() > 10) return -1;

    std::size_t separators[2] = {std::string::npos, std::string::npos};
    int found = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!IsDateSeparator(text[i])) continue;
        if (found == 2) return -1;
        separators[found++] = i;
    }
    if (found < 2) return -1;  // the month or the day would read as 0

    const int first = ParseInteger(Between(text, 0, separators[0]));
    const int second = ParseInteger(Between(text, separators[0] + 1, separators[1]));
    const int month = format == kDayMonthYear ? second : first;
    const int day = format == kDayMonthYear ? first : second;
    if (month < 1 || month > 12 || day < 1 || day > 31) return -1;

    int year = ParseInteger(text.size() >= 4 ? text.substr(text.size() - 4) : text);
    if (!IsStorableYear(year)) {
        const int shortYear = ParseInteger(text.size() >= 2 ? text.substr(text.size() - 2) : text);
        year = shortYear + (shortYear < 70 ? 2000 : 1900);
    }
    if (!IsStorableYear(year)) return -1;

    date = CTime(year, month, day);
    return 0;
}

}  // namespace qx
