#include "gui/controls/pixel_columns.h"

#include <algorithm>
#include <cmath>

namespace varden {

void PixelColumns::Reset(int width, double xMin, double xMax) {
    columns_.clear();
    if (width < 1 || !std::isfinite(xMin) || !std::isfinite(xMax) || !(xMax > xMin)) {
        columnsPerUnit_ = 0.0;
        return;
    }
    columns_.resize(static_cast<std::size_t>(width));
    xMin_ = xMin;
    columnsPerUnit_ = width / (xMax - xMin);
}

void PixelColumns::Add(double x, double y) {
    if (columns_.empty() || !std::isfinite(x) || !std::isfinite(y)) {
        return;
    }
    const double position = (x - xMin_) * columnsPerUnit_;
    const auto width = static_cast<double>(columns_.size());
    if (!(position >= 0.0) || position > width) {
        return;
    }
    // The right end of the range belongs to the last column.
    const auto index = std::min(static_cast<std::size_t>(position), columns_.size() - 1);
    Column& column = columns_[index];
    if (!column.used) {
        column = Column{y, y, y, y, true};
        return;
    }
    column.last = y;
    column.low = std::min(column.low, y);
    column.high = std::max(column.high, y);
}

}  // namespace varden
