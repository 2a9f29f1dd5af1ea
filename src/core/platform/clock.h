#pragma once

#include <cstdint>

namespace varden {

// Broken-down local time, the fields as people read them (month 1 to 12, full year).
struct LocalTime {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// The workstation's calendar clock and the pause the instruments need between commands.
class Clock {
  public:
    virtual ~Clock() = default;
    // Calendar time in whole seconds since the epoch.
    virtual int64_t Now() = 0;
    virtual LocalTime ToLocalTime(int64_t seconds) = 0;
    virtual void SleepMs(int milliseconds) = 0;
};

}  // namespace varden
