#pragma once

#include <cstdint>
#include <functional>

#include "core/platform/clock.h"
#include "support/call_log.h"

namespace varden::testing {

// A clock that moves only when told. Local time is UTC, so tests do not depend on the
// machine's time zone. Sleeps are logged ("clock.SleepMs(30)") and advance the clock's
// milliseconds, carrying into its seconds.
class FakeClock : public Clock {
  public:
    explicit FakeClock(CallLog& log) : log_(log) {}

    // Seconds since the epoch; the default is 2013-03-14 14:00:00.
    int64_t now = 1363269600;
    int64_t milliseconds = 0;
    // Runs at every sleep, after the clock has advanced.
    std::function<void(int)> onSleep;

    void Advance(int64_t seconds) { now += seconds; }
    // Sets the clock to a UTC date and time.
    void Set(int year, int month, int day, int hour, int minute, int second);

    int64_t Now() override { return now; }
    LocalTime ToLocalTime(int64_t seconds) override;
    void SleepMs(int ms) override;

  private:
    CallLog& log_;
};

}  // namespace varden::testing
