#pragma once

#include <cstdint>

#include "core/platform/clock.h"

namespace varden {

// Writes calendar times as local "MM/DD/YYYY HH:MM:SS" text for the stability export, fast
// enough for a million rows. The clock's local-time conversion is asked twice per quarter hour
// of calendar time, not once per row: local time moves in step with calendar time except at a
// change of the offset (daylight saving), and such changes fall on quarter-hour boundaries.
// A quarter hour whose two ends disagree on the offset is converted row by row.
class RealTimeText {
  public:
    static constexpr int kLength = 19;

    explicit RealTimeText(Clock& clock) : clock_(clock) {}

    // Writes the text of `seconds` into `out` (kLength characters, no terminating zero).
    void Format(int64_t seconds, char* out);

  private:
    void EnterQuarter(int64_t quarterStart);
    void FormatLocal(int64_t localSeconds, char* out);

    Clock& clock_;
    int64_t quarterStart_ = INT64_MIN;
    bool offsetSteady_ = false;
    int64_t offset_ = 0;
    int64_t dayOfPrefix_ = INT64_MIN;
    char datePrefix_[12] = {};
};

}  // namespace varden
