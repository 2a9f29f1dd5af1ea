#include "gui/controls/strip_chart_widget.h"

namespace varden {

StripChartWidget::StripChartWidget(QWidget* parent) : QWidget(parent) {}

void StripChartWidget::SetYAxisRange(double, double) {}
void StripChartWidget::SetXAxisRange(double, double) {}

void StripChartWidget::ClearData() {
    xs_.clear();
    ys_.clear();
}

int32_t StripChartWidget::AddXValue(double x) {
    xs_.push_back(x);
    ys_.push_back(0.0);
    return static_cast<int32_t>(xs_.size() - 1);
}

void StripChartWidget::SetYValue(int32_t, int32_t index, double y) {
    if (index == -1 && !ys_.empty()) {
        ys_.back() = y;
    } else if (index >= 0 && static_cast<std::size_t>(index) < ys_.size()) {
        ys_[static_cast<std::size_t>(index)] = y;
    }
}

void StripChartWidget::SetYAxisTitle(const std::string&) {}

void StripChartWidget::mouseDoubleClickEvent(QMouseEvent*) { Q_EMIT AnnotationRequested(); }

}  // namespace varden
