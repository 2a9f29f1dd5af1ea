#pragma once

#include <cstdint>
#include <vector>

namespace varden {

// One sample of a stability recording: nominal elapsed seconds and deviation in percent.
struct StabilitySample {
    uint32_t seconds = 0;
    double deviation = 0.0;
};

// One event of a recording: nominal elapsed seconds and a text of at most 99 characters.
struct StabilityEvent {
    uint32_t seconds = 0;
    char text[100] = {};
};

// The samples and events of the current record. A record exists from the first start of a
// recording until the program ends.
struct StabilityRecord {
    bool exists = false;
    std::vector<StabilitySample> samples;
    std::vector<StabilityEvent> events;
};

}  // namespace varden
