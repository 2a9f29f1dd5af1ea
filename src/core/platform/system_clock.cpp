#include "core/platform/system_clock.h"

#include <chrono>
#include <ctime>
#include <thread>

namespace varden {

int64_t SystemClock::Now() {
    return static_cast<int64_t>(std::time(nullptr));
}

LocalTime SystemClock::ToLocalTime(int64_t seconds) {
    std::time_t t = static_cast<std::time_t>(seconds);
    std::tm tm{};
    localtime_r(&t, &tm);
    return LocalTime{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday,
                     tm.tm_hour,        tm.tm_min,     tm.tm_sec};
}

void SystemClock::SleepMs(int milliseconds) {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

}  // namespace varden
