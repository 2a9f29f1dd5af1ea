#include "gui/controls/axis_ticks.h"

#include <algorithm>
#include <cmath>

namespace varden {

std::vector<AxisTick> AxisTicks(double min, double max, int maxTicks) {
    std::vector<AxisTick> ticks;
    if (!std::isfinite(min) || !std::isfinite(max) || !(max > min)) {
        return ticks;
    }
    maxTicks = std::max(maxTicks, 2);
    const double rough = (max - min) / (maxTicks - 1);
    const double magnitude = std::pow(10.0, std::floor(std::log10(rough)));
    double step = 10.0 * magnitude;
    for (const double factor : {1.0, 2.0, 5.0}) {
        if (factor * magnitude >= rough * (1.0 - 1e-9)) {
            step = factor * magnitude;
            break;
        }
    }
    const int decimals = std::max(0, -static_cast<int>(std::floor(std::log10(step) + 1e-9)));
    const double tolerance = step * 1e-6;
    for (double n = std::ceil((min - tolerance) / step);; n += 1.0) {
        const double value = n * step;
        // The count bound guards against steps too small to advance a huge value.
        if (value > max + tolerance || ticks.size() > static_cast<std::size_t>(2 * maxTicks)) {
            break;
        }
        // Never "-0": a tick on zero reads 0.
        const double shown = std::fabs(value) < tolerance ? 0.0 : value;
        ticks.push_back({shown, QString::number(shown, 'f', decimals)});
    }
    return ticks;
}

}  // namespace varden
