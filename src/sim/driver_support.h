// What the three driver libraries share: reaching a unit of the bench under its lock, and
// writing results only through the pointers the caller actually gave.
#pragma once

#include <algorithm>
#include <cstring>
#include <string_view>

#include "sim/bench_model.h"

namespace varden::sim {

template <class T, class V>
inline void Put(T* out, V value) {
    if (out != nullptr) {
        *out = static_cast<T>(value);
    }
}

// Copies a text into a caller's buffer of `size` bytes, always zero-terminated.
inline void PutText(char* out, int size, std::string_view text) {
    if (out == nullptr || size <= 0) {
        return;
    }
    const std::size_t length = std::min(text.size(), static_cast<std::size_t>(size - 1));
    std::memcpy(out, text.data(), length);
    out[length] = '\0';
}

// Runs `action`(bench, unit) when the unit is plugged in and answers; a unit that does not
// answer leaves every output untouched and the call returns 0.
template <class Action>
int WithSource(Family family, unsigned short unit, Action&& action) {
    Bench& bench = Bench::Instance();
    auto lock = bench.Lock();
    bench.Refresh();
    LightSource* source = bench.ActiveSource(family, unit);
    if (source == nullptr) {
        bench.CountUnanswered(family, unit);
        return 0;
    }
    ++source->link.correctPackets;
    return static_cast<int>(action(bench, *source));
}

template <class Action>
int WithMeter(unsigned short unit, Action&& action) {
    Bench& bench = Bench::Instance();
    auto lock = bench.Lock();
    bench.Refresh();
    PowerMeter* meter = bench.ActiveMeter(unit);
    if (meter == nullptr) {
        bench.CountUnanswered(Family::kMeter, unit);
        return 0;
    }
    ++meter->link.correctPackets;
    return static_cast<int>(action(bench, *meter));
}

inline int DeviceCount(Family family) {
    Bench& bench = Bench::Instance();
    auto lock = bench.Lock();
    bench.Refresh();
    return bench.DeviceCount(family);
}

inline int RefreshBench() {
    Bench& bench = Bench::Instance();
    auto lock = bench.Lock();
    bench.Refresh();
    return 1;
}

}  // namespace varden::sim
