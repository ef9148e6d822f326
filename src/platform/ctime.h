#ifndef QX_PLATFORM_CTIME_H
#define QX_PLATFORM_CTIME_H

#include <cstdint>
#include <string>

namespace qx {

// A point in time: seconds since 1970-01-01 00:00:00 UTC, read through the local
// calendar. Documents store it as 32 bits; in memory it is 64 bits wide.
class CTime {
  public:
    // The epoch, which stands for "no date" in the records.
    CTime() = default;
    explicit CTime(std::int64_t secondsSince1970) : seconds(secondsSince1970) {}
    // The local wall-clock time given; a day or month past its range rolls over, as
    // the C library's time conversion does.
    CTime(int year, int month, int day, int hour = 0, int minute = 0, int second = 0);

    // The current time.
    static CTime GetCurrentTime();

    // Seconds since 1970-01-01 00:00:00 UTC.
    std::int64_t GetTime() const { return seconds; }

    // Whether a document can hold the time: its seconds fit in 32 signed bits
    // (13 December 1901 to 19 January 2038).
    bool IsStorable() const;

    // Local calendar fields: year (e.g. 1999), month 1..12, day 1..31, hour 0..23,
    // minute and second 0..59, day of the week 1 (Sunday) .. 7 (Saturday).
    int GetYear() const;
    int GetMonth() const;
    int GetDay() const;
    int GetHour() const;
    int GetMinute() const;
    int GetSecond() const;
    int GetDayOfWeek() const;

    // The local wall-clock reading as a count of seconds, as if the local calendar
    // fields were UTC. Differences of these never see a daylight-saving change.
    std::int64_t GetWallClockSeconds() const;

    // The same wall-clock time the given number of calendar days later (or earlier).
    CTime AddDays(int days) const;

    // Text of the time with the codes %b (Jan..Dec), %B (January..December), %Y, %y,
    // %m, %d, %H, %I, %M, %S, %p (AM/PM) and %%; other characters stand as they are.
    // Month names come from a fixed English table, whatever the process locale.
    std::string Format(const char* format) const;

    friend bool operator==(CTime a, CTime b) { return a.seconds == b.seconds; }
    friend bool operator!=(CTime a, CTime b) { return a.seconds != b.seconds; }
    friend bool operator<(CTime a, CTime b) { return a.seconds < b.seconds; }
    friend bool operator<=(CTime a, CTime b) { return a.seconds <= b.seconds; }
    friend bool operator>(CTime a, CTime b) { return a.seconds > b.seconds; }
    friend bool operator>=(CTime a, CTime b) { return a.seconds >= b.seconds; }

  private:
    struct Fields {
        int year, month, day, hour, minute, second, dayOfWeek;
    };
    Fields Local() const;

    std::int64_t seconds = 0;
};

}  // namespace qx

#endif  // QX_PLATFORM_CTIME_H
