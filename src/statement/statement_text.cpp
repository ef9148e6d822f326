#include "statement/statement_text.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <string>

#include "statement/statement_table.h"

namespace qx {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Reads up to maxDigits digits at text[at]; false when there is none.
bool ReadDigits(std::string_view text, std::size_t& at, std::size_t maxDigits, int& value) {
    const std::size_t start = at;
    value = 0;
    while (at < text.size() && at - start < maxDigits && IsDigit(text[at]))
        value = value * 10 + (text[at++] - '0');
    return at > start;
}

bool Expect(std::string_view text, std::size_t& at, char c) {
    if (at >= text.size() || text[at] != c) return false;
    ++at;
    return true;
}

// "YYYY-MM-DD", "YYYYMMDD", or "M/D/YY" and "MM/DD/YYYY".
bool ReadDay(std::string_view text, std::size_t& at, int& year, int& month, int& day) {
    const std::size_t slash = text.find('/');
    if (slash != std::string_view::npos && slash <= 2) {
        const std::size_t yearStart = text.find('/', slash + 1) + 1;
        if (!ReadDigits(text, at, 2, month) || !Expect(text, at, '/') ||
            !ReadDigits(text, at, 2, day) || !Expect(text, at, '/') ||
            !ReadDigits(text, at, 4, year))
            return false;
        if (at - yearStart == 2) year += 2000;
        return at - yearStart == 2 || at - yearStart == 4;
    }
    if (!ReadDigits(text, at, 4, year) || at != 4) return false;
    const bool dashed = Expect(text, at, '-');
    if (!ReadDigits(text, at, 2, month) || at != (dashed ? 7u : 6u)) return false;
    if (dashed && !Expect(text, at, '-')) return false;
    return ReadDigits(text, at, 2, day) && at == (dashed ? 10u : 8u);
}

// The time of day after the date: "11:28:44", "095853", "2:30 PM", "14:30"; absent is
// midnight. Whatever follows (an offset, fractions of a second) is not read.
bool ReadTimeOfDay(std::string_view text, std::size_t at, int& hour, int& minute, int& second) {
    hour = minute = second = 0;
    while (at < text.size() &&
           (text[at] == ' ' || text[at] == ',' || text[at] == ';' || text[at] == 'T'))
        ++at;
    if (at >= text.size()) return true;
    const std::size_t start = at;
    if (!ReadDigits(text, at, 2, hour)) return false;
    const bool colons = Expect(text, at, ':');
    if (!colons && at - start != 2) return false;
    if (!ReadDigits(text, at, 2, minute)) return false;
    if (Expect(text, at, ':') || (!colons && at < text.size() && IsDigit(text[at])))
        if (!ReadDigits(text, at, 2, second)) return false;
    while (at < text.size() && text[at] == ' ') ++at;
    const std::string rest = Trim(text.substr(at));
    const bool pm = SameName(rest, "PM"), am = SameName(rest, "AM");
    if (pm || am) {
        if (hour < 1 || hour > 12) return false;
        hour = hour % 12 + (pm ? 12 : 0);
    }
    return hour <= 23 && minute <= 59 && second <= 59;
}

}  // namespace

bool ReadAmount(std::string_view text, double& value) {
    std::string digits;
    bool negative = false;
    for (const char c : Trim(text)) {
        if (c == '(' || c == '-') {
            negative = !negative;
        } else if (c == ')' || c == '$' || c == ',' || c == '+' || c == ' ') {
            continue;
        } else {
            digits += c;
        }
    }
    if (digits.empty()) return false;
    const char* end = digits.data() + digits.size();
    const auto read = std::from_chars(digits.data(), end, value);
    if (read.ec != std::errc() || read.ptr != end || !std::isfinite(value)) return false;
    if (negative) value = -value;
    return true;
}

bool ReadCount(std::string_view text, std::int64_t& value) {
    double amount = 0;
    if (!ReadAmount(text, amount) || amount != std::trunc(amount) || std::fabs(amount) > 1e15)
        return false;
    value = static_cast<std::int64_t>(amount);
    return true;
}

bool ReadStatementDate(std::string_view text, CTime& time) {
    std::string trimmed = Trim(text);
    std::string lower = trimmed;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    const std::size_t asOf = lower.find(" as of ");
    if (asOf != std::string::npos) trimmed = Trim(std::string_view(trimmed).substr(asOf + 7));
    std::size_t at = 0;
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    if (!ReadDay(trimmed, at, year, month, day)) return false;
    if (!ReadTimeOfDay(trimmed, at, hour, minute, second)) return false;
    if (year < 1970 || year > 2037 || month < 1 || month > 12 || day < 1) return false;
    time = CTime(year, month, day, hour, minute, second);
    // A day past its month's end rolls over in the conversion: such a date is foreign.
    return time.GetDay() == day && time.GetMonth() == month && time.IsStorable();
}

}  // namespace qx
