// Behaviour of a power meter on the bench: its calendar clock, the slow answers of its data-log
// requests, and the date and time words of its stored readings.
#include <algorithm>
#include <cmath>
#include <ctime>
#include <iterator>

#include "sim/bench_model.h"

namespace varden::sim {

namespace {

bool LeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int month, int year) {
    static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && LeapYear(year) ? 29 : kDays[month - 1];
}

CalendarTime FromSeconds(double seconds) {
    const std::time_t whole = static_cast<std::time_t>(std::floor(seconds));
    std::tm fields{};
    gmtime_r(&whole, &fields);
    CalendarTime time;
    time.year = fields.tm_year + 1900;
    time.month = fields.tm_mon + 1;
    time.day = fields.tm_mday;
    time.hour = fields.tm_hour;
    time.minute = fields.tm_min;
    time.second = fields.tm_sec;
    return time;
}

double ToSeconds(const CalendarTime& time) {
    std::tm fields{};
    fields.tm_year = time.year - 1900;
    fields.tm_mon = time.month - 1;
    fields.tm_mday = time.day;
    fields.tm_hour = time.hour;
    fields.tm_min = time.minute;
    fields.tm_sec = time.second;
    return static_cast<double>(timegm(&fields));
}

void StoreDate(uint8_t fields[3], const CalendarTime& time) {
    fields[0] = static_cast<uint8_t>(time.month);
    fields[1] = static_cast<uint8_t>(time.day);
    fields[2] = static_cast<uint8_t>(time.year - 2000);
}

}  // namespace

bool ValidCalendar(const CalendarTime& time) {
    return time.year >= 2000 && time.year <= 2255 && time.month >= 1 && time.month <= 12 &&
           time.day >= 1 && time.day <= DaysInMonth(time.month, time.year) && time.hour >= 0 &&
           time.hour <= 23 && time.minute >= 0 && time.minute <= 59 && time.second >= 0 &&
           time.second <= 59;
}

uint16_t EncodeDate(const CalendarTime& time) {
    const int year = std::clamp(time.year - 2000, 0, 127);
    return static_cast<uint16_t>((time.day & 0x1F) | (time.month & 0x0F) << 5 | year << 9);
}

uint16_t EncodeTime(const CalendarTime& time) {
    // Two-second resolution in five bits, as in the time stamps of FAT file systems.
    const int halfSeconds = std::min(time.second, 59) / 2;
    return static_cast<uint16_t>(halfSeconds | (time.minute & 0x3F) << 5 |
                                 (time.hour & 0x1F) << 11);
}

PowerMeter PowerMeter::Make(uint16_t unit, double now) {
    PowerMeter meter;
    meter.serial = static_cast<uint16_t>(2417 + unit);
    meter.headSerial = static_cast<uint16_t>(3105 + unit);
    // The meter's clock was last set to the local time of the workstation.
    const std::time_t whole = static_cast<std::time_t>(now);
    std::tm local{};
    localtime_r(&whole, &local);
    meter.clockOffset = static_cast<double>(local.tm_gmtoff);
    StoreDate(meter.calDue, FromSeconds(now + meter.clockOffset + 300.0 * 86400.0));
    StoreDate(meter.oprCalDue, FromSeconds(now + meter.clockOffset + 480.0 * 86400.0));
    return meter;
}

bool PowerMeter::Answer(MeterRequest request, double now) {
    if (pending != request) {
        pending = request;
        pendingCalls = 0;
        pendingSince = now;
    }
    // A microsecond of slack absorbs the rounding of calendar seconds held in a double.
    const double waitedMs = (now - pendingSince) * 1000.0 + 1e-3;
    if (pendingCalls >= answerDelayCalls && waitedMs >= answerDelayMs) {
        pending = MeterRequest::kNone;
        return true;
    }
    ++pendingCalls;
    return false;
}

CalendarTime PowerMeter::Calendar(double now) const {
    return FromSeconds(now + clockOffset);
}

void PowerMeter::SetCalendar(const CalendarTime& time, double now) {
    clockOffset = ToSeconds(time) - now;
}

bool PowerMeter::SetDate(int month, int day, int year, double now) {
    const int fullYear = 2000 + year;
    if (month < 1 || month > 12 || day < 1 || day > DaysInMonth(month, fullYear)) {
        return false;
    }
    const double meterNow = now + clockOffset;
    CalendarTime time = FromSeconds(meterNow);
    time.year = fullYear;
    time.month = month;
    time.day = day;
    clockOffset = ToSeconds(time) + (meterNow - std::floor(meterNow)) - now;
    return true;
}

bool PowerMeter::SetClock(int hour, int minute, int second, double now) {
    // A second of 60 is taken as the start of the next minute.
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 60) {
        return false;
    }
    CalendarTime time = FromSeconds(now + clockOffset);
    time.hour = hour;
    time.minute = minute;
    time.second = second;
    clockOffset = ToSeconds(time) - now;
    return true;
}

double SensorResponse(double nanometres) {
    // Responsivity of a silicon photodiode, amperes per watt.
    static const double kTable[][2] = {{200, 0.02}, {300, 0.10},  {400, 0.20}, {500, 0.29},
                                       {600, 0.38}, {700, 0.46},  {800, 0.54}, {900, 0.60},
                                       {960, 0.62}, {1000, 0.55}, {1100, 0.10}};
    const double* first = kTable[0];
    const double* last = kTable[std::size(kTable) - 1];
    if (nanometres <= first[0]) {
        return first[1];
    }
    if (nanometres >= last[0]) {
        return last[1];
    }
    for (std::size_t i = 1; i < std::size(kTable); ++i) {
        if (nanometres <= kTable[i][0]) {
            const double share =
                (nanometres - kTable[i - 1][0]) / (kTable[i][0] - kTable[i - 1][0]);
            return kTable[i - 1][1] + share * (kTable[i][1] - kTable[i - 1][1]);
        }
    }
    return last[1];
}

}  // namespace varden::sim
