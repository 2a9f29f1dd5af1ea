#include "sim/bench_control.h"

#include <cstdlib>

#include "sim/bench_model.h"

using varden::sim::Bench;
using varden::sim::Family;

namespace {

bool KnownFamily(int family) {
    return family == BENCH_LAMP || family == BENCH_METER || family == BENCH_LED;
}

Family ToFamily(int family) {
    return static_cast<Family>(family);
}

}  // namespace

extern "C" {

int bench_reset(void) {
    Bench& bench = Bench::Instance();
    auto lock = bench.Lock();
    bench.Refresh();
    const char* path = std::getenv(varden::sim::kBenchFileVariable);
    if (path == nullptr || *path == '\0') {
        bench.LoadDefaults();
        return 0;
    }
    return bench.LoadDescriptionFile(path);
}

int bench_load(const char* description) {
    if (description == nullptr) {
        return -1;
    }
    Bench& bench = Bench::Instance();
    auto lock = bench.Lock();
    bench.Refresh();
    return bench.LoadDescription(description, "description");
}

int bench_load_file(const char* path) {
    if (path == nullptr) {
        return -1;
    }
    Bench& bench = Bench::Instance();
    auto lock = bench.Lock();
    bench.Refresh();
    return bench.LoadDescriptionFile(path);
}

int bench_attach(int family, unsigned short unit) {
    if (!KnownFamily(family)) {
        return 0;
    }
    Bench& bench = Bench::Instance();
    auto lock = bench.Lock();
    bench.Refresh();
    bench.Attach(ToFamily(family), unit);
    return 1;
}

int bench_detach(int family, unsigned short unit) {
    if (!KnownFamily(family)) {
        return 0;
    }
    Bench& bench = Bench::Instance();
    auto lock = bench.Lock();
    bench.Refresh();
    bench.Detach(ToFamily(family), unit);
    return 1;
}

int bench_set_answering(int family, unsigned short unit, int answering) {
    return bench_set(family, unit, "answering", answering != 0 ? "yes" : "no");
}

int bench_set(int family, unsigned short unit, const char* name, const char* value) {
    if (!KnownFamily(family) || name == nullptr || value == nullptr) {
        return 0;
    }
    Bench& bench = Bench::Instance();
    auto lock = bench.Lock();
    bench.Refresh();
    if (family == BENCH_METER) {
        auto* meter = bench.KnownMeter(unit);
        return meter != nullptr && bench.SetMeterValue(*meter, name, value).empty() ? 1 : 0;
    }
    auto* source = bench.KnownSource(ToFamily(family), unit);
    return source != nullptr && bench.SetSourceValue(*source, name, value).empty() ? 1 : 0;
}

int bench_get(int family, unsigned short unit, const char* name, double* value) {
    if (!KnownFamily(family) || name == nullptr || value == nullptr) {
        return 0;
    }
    Bench& bench = Bench::Instance();
    auto lock = bench.Lock();
    bench.Refresh();
    if (family == BENCH_METER) {
        auto* meter = bench.KnownMeter(unit);
        return meter != nullptr && bench.GetMeterValue(*meter, name, value) ? 1 : 0;
    }
    auto* source = bench.KnownSource(ToFamily(family), unit);
    return source != nullptr && bench.GetSourceValue(*source, name, value) ? 1 : 0;
}

int bench_configure(const char* name, const char* value) {
    if (name == nullptr || value == nullptr) {
        return 0;
    }
    Bench& bench = Bench::Instance();
    auto lock = bench.Lock();
    bench.Refresh();
    return bench.SetBenchValue(name, value).empty() ? 1 : 0;
}

int bench_add_stored_reading(unsigned short unit, int year, int month, int day, int hour,
                             int minute, int second, float watts, unsigned char input) {
    const varden::sim::CalendarTime when{year, month, day, hour, minute, second};
    if (!varden::sim::ValidCalendar(when) || !(watts >= 0.0f)) {
        return 0;
    }
    Bench& bench = Bench::Instance();
    auto lock = bench.Lock();
    auto* meter = bench.KnownMeter(unit);
    if (meter == nullptr || meter->log.size() >= varden::sim::kMaxStoredReadings) {
        return 0;
    }
    meter->log.push_back({varden::sim::EncodeDate(when), varden::sim::EncodeTime(when), watts,
                          input, meter->serial});
    return 1;
}

void bench_use_simulated_clock(double epochSeconds) {
    Bench& bench = Bench::Instance();
    auto lock = bench.Lock();
    bench.UseSimulatedClock(epochSeconds);
}

void bench_use_wall_clock(void) {
    Bench& bench = Bench::Instance();
    auto lock = bench.Lock();
    bench.UseWallClock();
}

void bench_advance_clock(double seconds) {
    Bench& bench = Bench::Instance();
    auto lock = bench.Lock();
    bench.AdvanceClock(seconds);
}

double bench_now(void) {
    Bench& bench = Bench::Instance();
    auto lock = bench.Lock();
    return bench.Now();
}

}  // extern "C"
