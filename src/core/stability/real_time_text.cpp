#include "core/stability/real_time_text.h"

#include <cstdio>
#include <cstring>

namespace varden {

namespace {

constexpr int64_t kDay = RealTimeText::kDaySeconds;

int64_t FloorDiv(int64_t a, int64_t b) {
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}

// Days since 1970-01-01 of a civil date (proleptic Gregorian calendar).
int64_t DaysFromCivil(int64_t year, int month, int day) {
    year -= month <= 2;
    const int64_t era = FloorDiv(year, 400);
    const int64_t yearOfEra = year - era * 400;
    const int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

struct CivilDate {
    int64_t year;
    int month;
    int day;
};

CivilDate CivilFromDays(int64_t days) {
    days += 719468;
    const int64_t era = FloorDiv(days, 146097);
    const int64_t dayOfEra = days - era * 146097;
    const int64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const int64_t mp = (5 * dayOfYear + 2) / 153;
    const int day = static_cast<int>(dayOfYear - (153 * mp + 2) / 5 + 1);
    const int month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    return CivilDate{yearOfEra + era * 400 + (month <= 2), month, day};
}

// Local time as seconds on a clock that has no offset changes.
int64_t LocalSeconds(const LocalTime& t) {
    return DaysFromCivil(t.year, t.month, t.day) * kDay + t.hour * 3600 + t.minute * 60 + t.second;
}

}  // namespace

void RealTimeText::FormatSlowly(int64_t seconds, char* out) {
    const int64_t quarterStart = FloorDiv(seconds, kQuarterHour) * kQuarterHour;
    if (quarterStart != quarterStart_) {
        EnterQuarter(quarterStart);
    }
    if (offsetSteady_) {
        FormatLocal(seconds + offset_, out);
    } else {
        FormatLocal(LocalSeconds(clock_.ToLocalTime(seconds)), out);
    }
}

void RealTimeText::EnterQuarter(int64_t quarterStart) {
    quarterStart_ = quarterStart;
    const int64_t last = quarterStart + kQuarterHour - 1;
    const int64_t first = LocalSeconds(clock_.ToLocalTime(quarterStart)) - quarterStart;
    offset_ = LocalSeconds(clock_.ToLocalTime(last)) - last;
    offsetSteady_ = first == offset_;
}

void RealTimeText::FormatLocal(int64_t localSeconds, char* out) {
    const int64_t sinceDayStart = localSeconds - dayOfPrefix_ * kDay;
    const int64_t day =
        sinceDayStart >= 0 && sinceDayStart < kDay ? dayOfPrefix_ : FloorDiv(localSeconds, kDay);
    if (day != dayOfPrefix_) {
        const CivilDate date = CivilFromDays(day);
        char text[64];
        std::snprintf(text, sizeof text, "%02d/%02d/%04lld ", date.month, date.day,
                      static_cast<long long>(date.year));
        // Years beyond four digits do not occur in a recording; keep the width fixed.
        std::memcpy(datePrefix_, text, sizeof datePrefix_ - 1);
        dayOfPrefix_ = day;
        dayStart_ = day * kDay;
    }
    WriteTimeOfDay(static_cast<int>(localSeconds - day * kDay), out);
}

}  // namespace varden
