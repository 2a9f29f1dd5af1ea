#pragma once

#include <QWidget>
#include <vector>

#include "core/controls/strip_chart.h"

namespace varden {

// The strip chart of the stability page: one channel of deviation over elapsed minutes.
class StripChartWidget : public QWidget, public CIstripchartx1 {
    Q_OBJECT
public:
    explicit StripChartWidget(QWidget* parent = nullptr);

    void SetYAxisRange(double min, double max) override;
    void SetXAxisRange(double min, double max) override;
    void ClearData() override;
    int32_t AddXValue(double x) override;
    void SetYValue(int32_t channel, int32_t index, double y) override;
    void SetYAxisTitle(const std::string& title) override;

Q_SIGNALS:
    // The operator asks to add a remark (strip-chart event 4).
    void AnnotationRequested();

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    std::vector<double> xs_;
    std::vector<double> ys_;
};

}  // namespace varden
