#include "core/stability/real_time_text.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <ctime>
#include <string>

namespace varden {
namespace {

// A local time zone whose offset from UTC changes once, at `change`.
class OneChangeClock : public Clock {
  public:
    OneChangeClock(int64_t change, int64_t offsetBefore, int64_t offsetAfter)
        : change_(change), before_(offsetBefore), after_(offsetAfter) {}

    int64_t Now() override { return 0; }
    LocalTime ToLocalTime(int64_t seconds) override {
        const std::time_t local = seconds + (seconds < change_ ? before_ : after_);
        std::tm tm{};
        gmtime_r(&local, &tm);
        return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
    }
    void SleepMs(int) override {}

  private:
    int64_t change_, before_, after_;
};

std::string Expected(Clock& clock, int64_t seconds) {
    const LocalTime t = clock.ToLocalTime(seconds);
    char text[64];
    std::snprintf(text, sizeof text, "%02d/%02d/%04d %02d:%02d:%02d", t.month, t.day, t.year,
                  t.hour, t.minute, t.second);
    return text;
}

TEST(RealTimeTextTest, FollowsTheClocksLocalTimeAcrossOffsetChanges) {
    // Spring forward and fall back on a quarter-hour boundary, and a change at an odd second.
    const int64_t change = 1364691600;  // 2013-03-31 01:00:00 UTC
    struct Zone {
        int64_t change, before, after;
    };
    const Zone zones[] = {
        {change, 3600, 7200}, {change, 7200, 3600}, {change + 7, 3600, 7200}, {change, 0, 0}};
    for (const Zone& zone : zones) {
        OneChangeClock clock(zone.change, zone.before, zone.after);
        RealTimeText text(clock);
        // Rows spaced as a recording spaces them, across the change and a day boundary.
        for (int64_t seconds = change - 86400 - 1800; seconds < change + 3600; seconds += 7) {
            char out[RealTimeText::kLength];
            text.Format(seconds, out);
            ASSERT_EQ(std::string(out, sizeof out), Expected(clock, seconds))
                << seconds << " with change at " << zone.change << " to " << zone.after;
        }
    }
}

}  // namespace
}  // namespace varden
