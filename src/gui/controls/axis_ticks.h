#pragma once

#include <QString>
#include <vector>

namespace varden {

// Tick marks for a chart axis at a "nice" step (1, 2 or 5 times a power of ten), with labels
// that carry just the decimals the step needs.
struct AxisTick {
    double value;
    QString label;
};

// At most `maxTicks` ticks inside [min, max] (at least two when the range is valid); none for
// an empty or non-finite range.
std::vector<AxisTick> AxisTicks(double min, double max, int maxTicks);

}  // namespace varden
