#pragma once

#include <cstdint>
#include <cstring>

#include "core/export/fixed_decimal.h"
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
    static constexpr int64_t kDaySeconds = 86400;

    explicit RealTimeText(Clock& clock) : clock_(clock) {}

    // Writes the text of `seconds` into `out` (kLength characters, no terminating zero).
    void Format(int64_t seconds, char* out) {
        // Most rows fall in the quarter hour and the day of the row before.
        if (offsetSteady_ && seconds >= quarterStart_ && seconds - quarterStart_ < kQuarterHour) {
            const int64_t sinceDayStart = seconds + offset_ - dayStart_;
            if (sinceDayStart >= 0 && sinceDayStart < kDaySeconds) {
                WriteTimeOfDay(static_cast<int>(sinceDayStart), out);
                return;
            }
        }
        FormatSlowly(seconds, out);
    }

  private:
    static constexpr int64_t kQuarterHour = 900;

    void FormatSlowly(int64_t seconds, char* out);
    void EnterQuarter(int64_t quarterStart);
    void FormatLocal(int64_t localSeconds, char* out);
    void WriteTimeOfDay(int secondOfDay, char* out) const {
        using fixed_decimal_detail::kDigitPairs;
        std::memcpy(out, datePrefix_, 11);
        std::memcpy(out + 11, kDigitPairs + 2 * (secondOfDay / 3600), 2);
        out[13] = ':';
        std::memcpy(out + 14, kDigitPairs + 2 * (secondOfDay / 60 % 60), 2);
        out[16] = ':';
        std::memcpy(out + 17, kDigitPairs + 2 * (secondOfDay % 60), 2);
    }

    Clock& clock_;
    int64_t quarterStart_ = INT64_MIN / 2;  // no quarter entered yet
    bool offsetSteady_ = false;
    int64_t offset_ = 0;
    // The local day whose date text is in datePrefix_, and its first second; the first row
    // always misses it.
    int64_t dayOfPrefix_ = INT32_MIN;
    int64_t dayStart_ = 0;
    char datePrefix_[12] = {};
};

}  // namespace varden
