#include "sim/bench_model.h"

#include <algorithm>
#include <chrono>
#include <cmath>

namespace varden::sim {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr uint64_t kDefaultSeed = 20130314;
constexpr double kDefaultTransmission = 0.8;

// Monitor photodiode of a light source: a dark offset plus counts proportional to the light,
// about 52000 counts at full output.
constexpr double kMonitorDarkCounts = 60.0;
constexpr double kMonitorFullScale = 52000.0;
constexpr double kMonitorReadNoise = 3.0;

// The meter's own noise: a fraction of the reading and a dark floor in watts.
constexpr double kMeterNoise = 0.0005;
constexpr double kMeterDarkNoise = 2e-9;

uint64_t Mix(uint64_t value) {
    value += 0x9E3779B97F4A7C15ull;
    value = (value ^ (value >> 30)) * 0xBF58476D1CE4E5B9ull;
    value = (value ^ (value >> 27)) * 0x94D049BB133111EBull;
    return value ^ (value >> 31);
}

double PhaseFrom(uint64_t bits) {
    return static_cast<double>(bits >> 11) / static_cast<double>(1ull << 53) * 2.0 * kPi;
}

uint16_t ToCounts(double value) {
    return static_cast<uint16_t>(std::lround(std::clamp(value, 0.0, 65535.0)));
}

}  // namespace

double SimClock::Now() const {
    if (simulated_) {
        return simulatedNow_;
    }
    const auto sinceEpoch = std::chrono::system_clock::now().time_since_epoch();
    return std::chrono::duration<double>(sinceEpoch).count();
}

Bench::Bench() : noise_(kDefaultSeed) {
    lastRefresh_ = clock_.Now();
}

Bench& Bench::Instance() {
    // Never destroyed: driver libraries may still call in while the process winds down.
    static Bench* const bench = [] {
        Bench* created = new Bench;
        created->LoadFromEnvironment();
        return created;
    }();
    return *bench;
}

void Bench::Refresh() {
    const double now = clock_.Now();
    const double elapsed = now - lastRefresh_;
    lastRefresh_ = now;
    if (elapsed <= 0.0) {
        return;
    }
    for (auto* sources : {&lamps_, &leds_}) {
        for (auto& [unit, source] : *sources) {
            if (source.link.attached) {
                source.Advance(elapsed);
            }
        }
    }
}

void Bench::UseSimulatedClock(double epochSeconds) {
    Refresh();
    clock_.UseSimulated(epochSeconds);
    lastRefresh_ = epochSeconds;
}

void Bench::UseWallClock() {
    Refresh();
    clock_.UseWallClock();
    lastRefresh_ = clock_.Now();
}

void Bench::AdvanceClock(double seconds) {
    Refresh();
    clock_.Advance(seconds);
    Refresh();
}

LightSource* Bench::KnownSource(Family family, uint16_t unit) {
    auto& sources = Sources(family);
    auto found = sources.find(unit);
    return found == sources.end() ? nullptr : &found->second;
}

PowerMeter* Bench::KnownMeter(uint16_t unit) {
    auto found = meters_.find(unit);
    return found == meters_.end() ? nullptr : &found->second;
}

LightSource* Bench::ActiveSource(Family family, uint16_t unit) {
    LightSource* source = KnownSource(family, unit);
    return source != nullptr && source->link.attached && source->link.answering ? source : nullptr;
}

PowerMeter* Bench::ActiveMeter(uint16_t unit) {
    PowerMeter* meter = KnownMeter(unit);
    return meter != nullptr && meter->Counted() && meter->link.answering ? meter : nullptr;
}

void Bench::CountUnanswered(Family family, uint16_t unit) {
    UnitLink* link = nullptr;
    if (family == Family::kMeter) {
        if (PowerMeter* meter = KnownMeter(unit)) {
            link = &meter->link;
        }
    } else if (LightSource* source = KnownSource(family, unit)) {
        link = &source->link;
    }
    if (link != nullptr && link->attached) {
        ++link->errorPackets;
    }
}

int Bench::DeviceCount(Family family) const {
    if (family == Family::kMeter) {
        return static_cast<int>(
            std::count_if(meters_.begin(), meters_.end(),
                          [](const auto& entry) { return entry.second.Counted(); }));
    }
    const auto& sources = family == Family::kLed ? leds_ : lamps_;
    return static_cast<int>(std::count_if(sources.begin(), sources.end(), [](const auto& entry) {
        return entry.second.link.attached;
    }));
}

uint16_t Bench::MonitorReading(const LightSource& source, uint16_t samples) {
    // Averaging many conversions smooths the lamp's flicker and the converter's own noise.
    const double averaged = std::sqrt(static_cast<double>(std::clamp<int>(samples, 1, 4096)));
    const double light = source.OutputMw(Now()) / source.maxOutputMw * kMonitorFullScale;
    const double flicker = 1.0 + Gaussian() * source.NoiseFraction() / averaged;
    return ToCounts(kMonitorDarkCounts + light * flicker +
                    Gaussian() * kMonitorReadNoise / averaged);
}

uint16_t Bench::RawOutput(LightSource& source) {
    // The instrument's own output display averages away the flicker and moves only once the
    // output has moved by 0.1 % of full output: steady under feedback, following a drift.
    const double output = source.OutputMw(Now());
    if (source.readoutMw < 0.0 ||
        std::abs(output - source.readoutMw) >= source.maxOutputMw * 0.001) {
        source.readoutMw = output;
    }
    return ToCounts(source.readoutMw * source.RawPerMilliwatt());
}

double Bench::MeterReading(const PowerMeter& meter) {
    if (meter.asleep) {
        return 0.0;
    }
    // The meter corrects for its sensor's response at the wavelength it is set to; light of
    // another colour therefore reads high or low in proportion to the sensor's response.
    const double setResponse = SensorResponse(meter.wavelength);
    double milliwatts = 0.0;
    for (const auto* sources : {&lamps_, &leds_}) {
        for (const auto& [unit, source] : *sources) {
            if (!source.link.attached || !source.shutterOpen || !source.lightGuideIn) {
                continue;
            }
            const double light =
                source.OutputMw(Now()) * (1.0 + Gaussian() * source.NoiseFraction());
            milliwatts += light * SensorResponse(source.wavelengthNm) / setResponse;
        }
    }
    double watts = milliwatts / 1000.0 * transmission_ * (1.0 + Gaussian() * kMeterNoise);
    auto correction = meter.wavelengthCal.find(meter.wavelength);
    if (correction != meter.wavelengthCal.end()) {
        watts *= correction->second;
    }
    return std::max(0.0, watts + Gaussian() * kMeterDarkNoise);
}

double Bench::Gaussian() {
    return normal_(noise_);
}

void Bench::ApplyDriftPhases(LightSource& source, Family family, uint16_t unit) const {
    const uint64_t base = Mix(seed_ ^ (static_cast<uint64_t>(family) << 32) ^ unit);
    source.driftPhase1 = PhaseFrom(base);
    source.driftPhase2 = PhaseFrom(Mix(base));
}

void Bench::Seed(uint64_t seed) {
    seed_ = seed;
    noise_.seed(seed);
    normal_.reset();
    for (Family family : {Family::kLamp, Family::kLed}) {
        for (auto& [unit, source] : Sources(family)) {
            ApplyDriftPhases(source, family, unit);
        }
    }
}

void Bench::Clear() {
    lamps_.clear();
    leds_.clear();
    meters_.clear();
    transmission_ = kDefaultTransmission;
    Seed(kDefaultSeed);
}

void Bench::LoadDefaults() {
    Clear();
    Attach(Family::kLamp, 0);
    Attach(Family::kMeter, 0);
    // The default meter has been in use: its data log holds the readings of a morning.
    SetMeterValue(meters_.at(0), "stored_readings", "24");
}

void Bench::Attach(Family family, uint16_t unit) {
    if (family == Family::kMeter) {
        auto [entry, added] = meters_.try_emplace(unit);
        if (added) {
            entry->second = PowerMeter::Make(unit, Now());
        }
        entry->second.link.attached = true;
        // Plugging a meter in powers it up.
        entry->second.switchedOff = false;
        entry->second.asleep = false;
        return;
    }
    auto& sources = Sources(family);
    auto [entry, added] = sources.try_emplace(unit);
    if (added) {
        entry->second = family == Family::kLed ? LightSource::Led(unit) : LightSource::Lamp(unit);
        ApplyDriftPhases(entry->second, family, unit);
    }
    entry->second.link.attached = true;
    entry->second.Plugged();
}

void Bench::Detach(Family family, uint16_t unit) {
    if (family == Family::kMeter) {
        if (PowerMeter* meter = KnownMeter(unit)) {
            meter->link.attached = false;
        }
    } else if (LightSource* source = KnownSource(family, unit)) {
        source->link.attached = false;
    }
}

}  // namespace varden::sim
