// Behaviour of a lamp or LED source on the bench: warm-up, temperatures, hours, calibration
// time, and the output that the iris, the drift of the lamp and closed-loop feedback give.
#include <algorithm>
#include <cmath>

#include "sim/bench_model.h"

namespace varden::sim {

namespace {

constexpr double kPi = 3.14159265358979323846;

// Arc-lamp warm-up: the output starts at 15 % of its final value and settles within about
// three minutes; the lamp housing heats to its working temperature more slowly.
constexpr double kWarmUpSeconds = 45.0;
constexpr double kLampWorkingTemperature = 78.0;
constexpr double kLampHeatingSeconds = 120.0;
constexpr double kLampCoolingSeconds = 300.0;
constexpr double kAmbient = 24.0;

// Without feedback the output wanders by about ±1.5 % over twenty minutes plus a faster
// ripple; with feedback the regulator holds the calibrated output while it has the headroom.
constexpr double kSlowDrift = 0.015;
constexpr double kSlowDriftPeriod = 1200.0;
constexpr double kRipple = 0.004;
constexpr double kRipplePeriod = 290.0;
constexpr double kRegulatorHeadroom = 1.2;
constexpr double kRegulatorResidue = 0.03;

// The LED's heat sink and driver board warm with its level.
constexpr double kLedHeatingSeconds = 90.0;

double Approach(double value, double target, double seconds, double timeConstant) {
    return target + (value - target) * std::exp(-seconds / timeConstant);
}

}  // namespace

LightSource LightSource::Lamp(uint16_t unit) {
    LightSource lamp;
    lamp.led = false;
    lamp.iris = 50.0;
    lamp.operatingSeconds = 812.0 * 3600.0;
    lamp.calibrationSeconds = 150.0 * 3600.0;
    lamp.temperature = kLampWorkingTemperature;
    lamp.maxOutputMw = 50.0;
    lamp.wavelengthNm = 560.0;
    lamp.powerFactor = 10000;
    lamp.serial = static_cast<uint16_t>(10231 + unit);
    lamp.softwareVersion = 312;
    lamp.name = "ovata " + std::to_string(unit + 1);
    return lamp;
}

LightSource LightSource::Led(uint16_t unit) {
    LightSource led;
    led.led = true;
    led.lampOn = true;
    led.iris = 50.0;
    led.operatingSeconds = 12480.0 * 3600.0;
    led.calibrationSeconds = 150.0 * 3600.0;
    led.temperature = 35.0;
    led.temperature2 = 38.0;
    led.maxOutputMw = 30.0;
    led.wavelengthNm = 470.0;
    led.powerFactor = 100;
    led.serial = static_cast<uint16_t>(20417 + unit);
    led.softwareVersion = 105;
    led.name = "Tarsa " + std::to_string(unit + 1);
    return led;
}

uint16_t LightSource::PercentLevel() const {
    return static_cast<uint16_t>(std::lround(std::clamp(iris, 0.0, 100.0)));
}

uint16_t LightSource::LampHours() const {
    return static_cast<uint16_t>(std::min(operatingSeconds / 3600.0, 65535.0));
}

uint8_t LightSource::CalibrationHours() const {
    // Rounded up: a unit calibrated for 150 hours reports 150 until a whole hour has passed,
    // and 0 only when its calibration has run out.
    return static_cast<uint8_t>(std::min(std::ceil(calibrationSeconds / 3600.0), 255.0));
}

double LightSource::RawPerMilliwatt() const {
    switch (powerFactor) {
        case 10000: return 1000.0;  // raw / 1000 = mW
        case 1000: return 100.0;    // raw / 100 = mW
        default: return 10.0;       // raw / 10000 = W
    }
}

double LightSource::OutputMw(double now) const {
    if (!Emitting()) {
        return 0.0;
    }
    const double warm = led ? 1.0 : 1.0 - 0.85 * std::exp(-secondsSinceIgnition / kWarmUpSeconds);
    const double drift = 1.0 +
                         kSlowDrift * std::sin(2.0 * kPi * now / kSlowDriftPeriod + driftPhase1) +
                         kRipple * std::sin(2.0 * kPi * now / kRipplePeriod + driftPhase2);
    double factor = warm * drift;
    if (feedback) {
        // The regulator cancels all but a small residue of the drift.
        factor =
            std::min(1.0, factor * kRegulatorHeadroom) * (1.0 + kRegulatorResidue * (drift - 1.0));
    }
    return maxOutputMw * std::clamp(iris, 0.0, 100.0) / 100.0 * factor;
}

void LightSource::SetOutputMw(double milliwatts, double now) {
    // The output per percent of iris now; a dark or barely lit lamp is set as if it were warm.
    const double fullOutput = OutputMw(now) / std::max(iris, 1e-6) * 100.0;
    const double reference =
        iris > 1e-6 && fullOutput > 0.05 * maxOutputMw ? fullOutput : maxOutputMw;
    iris = std::clamp(milliwatts / reference * 100.0, 0.0, 100.0);
}

void LightSource::Advance(double seconds) {
    if (seconds <= 0.0) {
        return;
    }
    const bool emitting = Emitting() && (!led || iris > 0.0);
    if (emitting) {
        secondsSinceIgnition += seconds;
        operatingSeconds += seconds;
        calibrationSeconds = std::max(0.0, calibrationSeconds - seconds);
    }
    if (led) {
        const double level = std::clamp(iris, 0.0, 100.0) / 100.0;
        temperature = Approach(temperature, kAmbient + 22.0 * level, seconds, kLedHeatingSeconds);
        temperature2 =
            Approach(temperature2, kAmbient + 3.0 + 24.0 * level, seconds, kLedHeatingSeconds);
    } else if (Emitting()) {
        temperature = Approach(temperature, kLampWorkingTemperature, seconds, kLampHeatingSeconds);
    } else {
        temperature = Approach(temperature, kAmbient, seconds, kLampCoolingSeconds);
    }
}

void LightSource::Plugged() {
    identified = false;
    remote = false;
    pcShutterControl = false;
    frontPanelLocked = false;
}

}  // namespace varden::sim
