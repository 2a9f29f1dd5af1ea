#pragma once

#include "core/platform/clock.h"

namespace varden {

// The real clock: time(), localtime_r() and a blocking sleep.
class SystemClock : public Clock {
  public:
    int64_t Now() override;
    LocalTime ToLocalTime(int64_t seconds) override;
    void SleepMs(int milliseconds) override;
};

}  // namespace varden
