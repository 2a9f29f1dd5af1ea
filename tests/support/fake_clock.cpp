#include "support/fake_clock.h"

#include <ctime>

namespace varden::testing {

void FakeClock::Set(int year, int month, int day, int hour, int minute, int second) {
    std::tm tm{};
    tm.tm_year = year - 1900;
    tm.tm_mon = month - 1;
    tm.tm_mday = day;
    tm.tm_hour = hour;
    tm.tm_min = minute;
    tm.tm_sec = second;
    now = static_cast<int64_t>(timegm(&tm));
}

LocalTime FakeClock::ToLocalTime(int64_t seconds) {
    std::time_t t = static_cast<std::time_t>(seconds);
    std::tm tm{};
    gmtime_r(&t, &tm);
    return LocalTime{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday,
                     tm.tm_hour,        tm.tm_min,     tm.tm_sec};
}

void FakeClock::SleepMs(int ms) {
    log_.Add(Call("clock.SleepMs", ms));
    milliseconds += ms;
    now += milliseconds / 1000;
    milliseconds %= 1000;
    if (onSleep) {
        onSleep(ms);
    }
}

}  // namespace varden::testing
