// The named values of the bench's units: what a bench description and the control API may set,
// and what the control API may read back.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <type_traits>
#include <variant>
#include <vector>

#include "sim/bench_model.h"
#include "sim/text_values.h"

namespace varden::sim {

namespace {

constexpr std::size_t kMaxTextLength = 63;

template <class Unit>
using Member = std::variant<bool Unit::*, double Unit::*, float Unit::*, int Unit::*,
                            uint8_t Unit::*, uint16_t Unit::*, std::string Unit::*>;

// One plain value of a unit: a flag, a number within [low, high] (stored times `scale`) or a
// text.
template <class Unit>
struct Field {
    const char* name;
    Member<Unit> member;
    double low = 0.0;
    double high = 0.0;
    double scale = 1.0;
};

const Field<LightSource> kSourceFields[] = {
    {"shutter_open", &LightSource::shutterOpen},
    {"feedback", &LightSource::feedback},
    {"light_guide", &LightSource::lightGuideIn},
    {"front_panel_locked", &LightSource::frontPanelLocked},
    {"remote", &LightSource::remote},
    {"pc_shutter_control", &LightSource::pcShutterControl},
    {"identified", &LightSource::identified},
    {"iris", &LightSource::iris, 0, 100},
    {"seconds_since_ignition", &LightSource::secondsSinceIgnition, 0, 1e9},
    {"hours", &LightSource::operatingSeconds, 0, 65535, 3600},
    {"calibration_hours", &LightSource::calibrationSeconds, 0, 255, 3600},
    {"temperature", &LightSource::temperature, -40, 255},
    {"temperature2", &LightSource::temperature2, -40, 255},
    {"max_output_mw", &LightSource::maxOutputMw, 0.001, 6500},
    {"wavelength", &LightSource::wavelengthNm, 200, 1100},
    {"power_factor", &LightSource::powerFactor, 0, 65535},
    {"serial", &LightSource::serial, 0, 65535},
    {"software_version", &LightSource::softwareVersion, 0, 65535},
    {"power_mode", &LightSource::powerMode, 0, 255},
    {"name", &LightSource::name},
};

const Field<PowerMeter> kMeterFields[] = {
    {"switched_off", &PowerMeter::switchedOff},
    {"asleep", &PowerMeter::asleep},
    {"wavelength", &PowerMeter::wavelength, 200, 1100},
    {"contrast", &PowerMeter::contrast, 0, 255},
    {"mode", &PowerMeter::mode, 0, 65535},
    {"serial", &PowerMeter::serial, 0, 65535},
    {"head_serial", &PowerMeter::headSerial, 0, 65535},
    {"software_version", &PowerMeter::softwareVersion, 0, 65535},
    {"reference", &PowerMeter::reference, 0, 100},
    {"irradiance_set_point", &PowerMeter::irradianceSetPoint, 0, 1e6},
    {"input_channel", &PowerMeter::inputChannel, 0, 255},
    {"battery", &PowerMeter::battery, 0, 100},
    {"gain_state", &PowerMeter::gainState, 0, 255},
    {"gain_level", &PowerMeter::gainLevel, 0, 255},
    {"calibration_mode", &PowerMeter::calibrationMode, 0, 255},
    {"temperature", &PowerMeter::sensorTemperature, -40, 125},
    {"answer_delay_calls", &PowerMeter::answerDelayCalls, 0, 1000},
    {"answer_delay_ms", &PowerMeter::answerDelayMs, 0, 60000},
    {"adapter", &PowerMeter::adapterName},
    {"name", &PowerMeter::name},
};

template <class Unit, std::size_t N>
const Field<Unit>* FindField(const Field<Unit> (&fields)[N], std::string_view key) {
    for (const Field<Unit>& field : fields) {
        if (key == field.name) {
            return &field;
        }
    }
    return nullptr;
}

std::string Range(double low, double high) {
    char text[96];
    std::snprintf(text, sizeof text, "expects a number from %g to %g", low, high);
    return text;
}

template <class Unit>
std::string SetField(Unit& unit, const Field<Unit>& field, std::string_view value) {
    return std::visit(
        [&](auto member) -> std::string {
            using T = std::remove_cvref_t<decltype(unit.*member)>;
            if constexpr (std::is_same_v<T, bool>) {
                auto flag = ParseYesNo(value);
                if (!flag) {
                    return "expects yes or no";
                }
                unit.*member = *flag;
            } else if constexpr (std::is_same_v<T, std::string>) {
                const std::string_view text = Trim(value);
                if (text.size() > kMaxTextLength) {
                    return "text longer than 63 characters";
                }
                unit.*member = std::string(text);
            } else {
                std::optional<double> number;
                if constexpr (std::is_integral_v<T>) {
                    auto whole = ParseWhole(value, static_cast<long long>(field.low),
                                            static_cast<long long>(field.high));
                    if (whole) {
                        number = static_cast<double>(*whole);
                    }
                } else {
                    number = ParseNumber(value);
                }
                if (!number || *number < field.low || *number > field.high) {
                    return Range(field.low, field.high);
                }
                unit.*member = static_cast<T>(*number * field.scale);
            }
            return {};
        },
        field.member);
}

template <class Unit>
bool GetField(const Unit& unit, const Field<Unit>& field, double* value) {
    return std::visit(
        [&](auto member) {
            using T = std::remove_cvref_t<decltype(unit.*member)>;
            if constexpr (std::is_same_v<T, std::string>) {
                return false;
            } else {
                *value = static_cast<double>(unit.*member) / field.scale;
                return true;
            }
        },
        field.member);
}

// "YYYY-MM-DD" or "YYYY-MM-DD HH:MM:SS"; the time of day is required when `withTime` is set.
std::optional<CalendarTime> ParseCalendar(std::string_view text, bool withTime) {
    const std::string copy(Trim(text));
    CalendarTime time;
    int consumed = 0;
    const int fields = std::sscanf(copy.c_str(), "%d-%d-%d %d:%d:%d%n", &time.year, &time.month,
                                   &time.day, &time.hour, &time.minute, &time.second, &consumed);
    const bool dateOnly = !withTime && std::sscanf(copy.c_str(), "%d-%d-%d%n", &time.year,
                                                   &time.month, &time.day, &consumed) == 3;
    if (dateOnly) {
        time.hour = time.minute = time.second = 0;
    } else if (fields != 6) {
        return std::nullopt;
    }
    if (static_cast<std::size_t>(consumed) != copy.size() || !ValidCalendar(time)) {
        return std::nullopt;
    }
    return time;
}

std::vector<std::string_view> SplitList(std::string_view text) {
    std::vector<std::string_view> items;
    while (true) {
        const std::size_t comma = text.find(',');
        items.push_back(Trim(text.substr(0, comma)));
        if (comma == std::string_view::npos) {
            return items;
        }
        text.remove_prefix(comma + 1);
    }
}

bool ValidWavelengthSlot(long long nanometres) {
    return nanometres == 0 || (nanometres >= 200 && nanometres <= 1100);
}

}  // namespace

std::string Bench::SetSourceValue(LightSource& source, std::string_view key,
                                  std::string_view value) {
    if (key == "attached" || key == "answering" || key == "lamp_on" || key == "alarm") {
        auto flag = ParseYesNo(value);
        if (!flag) {
            return "expects yes or no";
        }
        if (key == "attached") {
            if (*flag && !source.link.attached) {
                source.Plugged();
            }
            source.link.attached = *flag;
        } else if (key == "answering") {
            source.link.answering = *flag;
        } else if (key == "lamp_on") {
            if (*flag && !source.lampOn) {
                source.secondsSinceIgnition = 0.0;  // a cold start: the warm-up begins
            }
            source.lampOn = *flag;
        } else {
            // The lamp supply trips with the alarm.
            source.alarm = *flag;
            if (*flag) {
                source.lampOn = false;
            }
        }
        return {};
    }
    if (const Field<LightSource>* field = FindField(kSourceFields, key)) {
        return SetField(source, *field, value);
    }
    return "unknown name";
}

std::string Bench::SetMeterValue(PowerMeter& meter, std::string_view key, std::string_view value) {
    if (key == "attached" || key == "answering") {
        auto flag = ParseYesNo(value);
        if (!flag) {
            return "expects yes or no";
        }
        (key == "attached" ? meter.link.attached : meter.link.answering) = *flag;
        return {};
    }
    if (key.size() == 10 && key.substr(0, 9) == "favourite" && key[9] >= '0' && key[9] <= '4') {
        auto nanometres = ParseWhole(value, 0, 1100);
        if (!nanometres || !ValidWavelengthSlot(*nanometres)) {
            return "expects 0 or a wavelength from 200 to 1100";
        }
        meter.favourites[key[9] - '0'] = static_cast<uint16_t>(*nanometres);
        return {};
    }
    if (key == "favourites") {
        const auto items = SplitList(value);
        uint16_t favourites[5] = {};
        if (items.size() > 5) {
            return "expects at most five wavelengths";
        }
        for (std::size_t i = 0; i < items.size(); ++i) {
            auto nanometres = ParseWhole(items[i], 0, 1100);
            if (!nanometres || !ValidWavelengthSlot(*nanometres)) {
                return "expects wavelengths from 200 to 1100 (0 for an empty slot)";
            }
            favourites[i] = static_cast<uint16_t>(*nanometres);
        }
        std::copy(std::begin(favourites), std::end(favourites), meter.favourites);
        return {};
    }
    if (key == "cal_due" || key == "opr_cal_due") {
        auto date = ParseCalendar(value, false);
        if (!date) {
            return "expects a date YYYY-MM-DD";
        }
        uint8_t* fields = key == "cal_due" ? meter.calDue : meter.oprCalDue;
        fields[0] = static_cast<uint8_t>(date->month);
        fields[1] = static_cast<uint8_t>(date->day);
        fields[2] = static_cast<uint8_t>(date->year - 2000);
        return {};
    }
    if (key == "clock") {
        auto time = ParseCalendar(value, true);
        if (!time) {
            return "expects a date and time YYYY-MM-DD HH:MM:SS";
        }
        meter.SetCalendar(*time, Now());
        return {};
    }
    if (key == "stored_readings") {
        auto count = ParseWhole(value, 0, static_cast<long long>(kMaxStoredReadings));
        if (!count) {
            return Range(0, kMaxStoredReadings);
        }
        // A morning's readings, one every five minutes at a few iris settings, the last an
        // hour before the meter's present time.
        meter.log.clear();
        meter.readPosition = 0;
        const double last = Now() - 3600.0;
        for (long long i = 0; i < *count; ++i) {
            const CalendarTime when =
                meter.Calendar(last - 300.0 * static_cast<double>(*count - 1 - i));
            StoredReading reading;
            reading.date = EncodeDate(when);
            reading.time = EncodeTime(when);
            reading.watts = static_cast<float>(0.004 * static_cast<double>(1 + i % 5) *
                                               (1.0 + 0.003 * Gaussian()));
            reading.input = meter.inputChannel;
            reading.serial = meter.serial;
            meter.log.push_back(reading);
        }
        return {};
    }
    if (key == "reading") {
        // date time, watts[, input[, serial]]
        const auto items = SplitList(value);
        auto when = ParseCalendar(items[0], true);
        const double watts = items.size() > 1 ? ParseNumber(items[1]).value_or(-1.0) : -1.0;
        auto input = items.size() > 2 ? ParseWhole(items[2], 0, 255)
                                      : std::optional<long long>(meter.inputChannel);
        auto serial = items.size() > 3 ? ParseWhole(items[3], 0, 65535)
                                       : std::optional<long long>(meter.serial);
        if (!when || watts < 0.0 || !input || !serial || items.size() > 4) {
            return "expects YYYY-MM-DD HH:MM:SS, watts[, input[, serial]]";
        }
        if (meter.log.size() >= kMaxStoredReadings) {
            return "the data log is full";
        }
        meter.log.push_back({EncodeDate(*when), EncodeTime(*when), static_cast<float>(watts),
                             static_cast<uint8_t>(*input), static_cast<uint16_t>(*serial)});
        return {};
    }
    if (const Field<PowerMeter>* field = FindField(kMeterFields, key)) {
        return SetField(meter, *field, value);
    }
    return "unknown name";
}

std::string Bench::SetBenchValue(std::string_view key, std::string_view value) {
    if (key == "transmission") {
        auto fraction = ParseNumber(value);
        if (!fraction || *fraction < 0.0 || *fraction > 1.0) {
            return Range(0, 1);
        }
        transmission_ = *fraction;
        return {};
    }
    if (key == "seed") {
        auto seed = ParseWhole(value, 0, 0x7FFFFFFFFFFFFFFFll);
        if (!seed) {
            return "expects a whole number";
        }
        Seed(static_cast<uint64_t>(*seed));
        return {};
    }
    return "unknown name";
}

bool Bench::GetSourceValue(const LightSource& source, std::string_view key, double* value) const {
    if (key == "attached" || key == "answering" || key == "lamp_on" || key == "alarm") {
        const bool flag = key == "attached"    ? source.link.attached
                          : key == "answering" ? source.link.answering
                          : key == "lamp_on"   ? source.lampOn
                                               : source.alarm;
        *value = flag ? 1.0 : 0.0;
        return true;
    }
    if (key == "output_mw") {
        *value = source.OutputMw(Now());
        return true;
    }
    const Field<LightSource>* field = FindField(kSourceFields, key);
    return field != nullptr && GetField(source, *field, value);
}

bool Bench::GetMeterValue(const PowerMeter& meter, std::string_view key, double* value) const {
    if (key == "attached" || key == "answering") {
        *value = (key == "attached" ? meter.link.attached : meter.link.answering) ? 1.0 : 0.0;
        return true;
    }
    if (key.size() == 10 && key.substr(0, 9) == "favourite" && key[9] >= '0' && key[9] <= '4') {
        *value = meter.favourites[key[9] - '0'];
        return true;
    }
    if (key == "stored_readings") {
        *value = static_cast<double>(meter.log.size());
        return true;
    }
    const Field<PowerMeter>* field = FindField(kMeterFields, key);
    return field != nullptr && GetField(meter, *field, value);
}

}  // namespace varden::sim
