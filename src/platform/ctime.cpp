#include "platform/ctime.h"

#include <climits>
#include <cstdint>
#include <ctime>

namespace qx {

namespace {

const char* const kMonthNames[12] = {"January",   "February", "March",    "April",
                                     "May",       "June",     "July",     "August",
                                     "September", "October",  "November", "December"};

void AppendTwoDigits(std::string& text, int value) {
    text += static_cast<char>('0' + value / 10 % 10);
    text += static_cast<char>('0' + value % 10);
}

}  // namespace

CTime::CTime(int year, int month, int day, int hour, int minute, int second) {
    std::tm tm{};
    tm.tm_year = year - 1900;
    tm.tm_mon = month - 1;
    tm.tm_mday = day;
    tm.tm_hour = hour;
    tm.tm_min = minute;
    tm.tm_sec = second;
    tm.tm_isdst = -1;  // let the zone rules decide whether summer time is in force
    seconds = static_cast<std::int64_t>(std::mktime(&tm));
}

CTime CTime::GetCurrentTime() { return CTime(static_cast<std::int64_t>(std::time(nullptr))); }

bool CTime::IsStorable() const { return seconds >= INT32_MIN && seconds <= INT32_MAX; }

CTime::Fields CTime::Local() const {
    const std::time_t t = static_cast<std::time_t>(seconds);
    std::tm tm{};
    // No record holds a time this far out, but arithmetic on one may: a year beyond the
    // C library's reads as the epoch, one beyond int's keeps the largest int.
    if (localtime_r(&t, &tm) == nullptr) return {1970, 1, 1, 0, 0, 0, 5};
    const int year = tm.tm_year > INT_MAX - 1900 ? INT_MAX : tm.tm_year + 1900;
    return {year, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec, tm.tm_wday + 1};
}

int CTime::GetYear() const { return Local().year; }
int CTime::GetMonth() const { return Local().month; }
int CTime::GetDay() const { return Local().day; }
int CTime::GetHour() const { return Local().hour; }
int CTime::GetMinute() const { return Local().minute; }
int CTime::GetSecond() const { return Local().second; }
int CTime::GetDayOfWeek() const { return Local().dayOfWeek; }

std::int64_t CTime::GetWallClockSeconds() const {
    const Fields f = Local();
    std::tm tm{};
    tm.tm_year = f.year - 1900;
    tm.tm_mon = f.month - 1;
    tm.tm_mday = f.day;
    tm.tm_hour = f.hour;
    tm.tm_min = f.minute;
    tm.tm_sec = f.second;
    return static_cast<std::int64_t>(timegm(&tm));
}

CTime CTime::AddDays(int days) const {
    const Fields f = Local();
    return CTime(f.year, f.month, f.day + days, f.hour, f.minute, f.second);
}

std::string CTime::Format(const char* format) const {
    const Fields f = Local();
    std::string text;
    for (const char* c = format; *c != '\0'; ++c) {
        if (*c != '%' || c[1] == '\0') {
            text += *c;
            continue;
        }
        switch (*++c) {
            case 'b': text.append(kMonthNames[f.month - 1], 3); break;
            case 'B': text += kMonthNames[f.month - 1]; break;
            case 'Y': text += std::to_string(f.year); break;
            case 'y': AppendTwoDigits(text, f.year % 100); break;
            case 'm': AppendTwoDigits(text, f.month); break;
            case 'd': AppendTwoDigits(text, f.day); break;
            case 'H': AppendTwoDigits(text, f.hour); break;
            case 'I': AppendTwoDigits(text, f.hour % 12 == 0 ? 12 : f.hour % 12); break;
            case 'M': AppendTwoDigits(text, f.minute); break;
            case 'S': AppendTwoDigits(text, f.second); break;
            case 'p': text += f.hour < 12 ? "AM" : "PM"; break;
            case '%': text += '%'; break;
            default:
                text += '%';
                text += *c;
                break;
        }
    }
    return text;
}

}  // namespace qx
