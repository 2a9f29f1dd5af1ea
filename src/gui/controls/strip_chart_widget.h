#pragma once

#include <QWidget>
#include <vector>

#include "core/controls/strip_chart.h"
#include "gui/controls/pixel_columns.h"

class QAction;

namespace varden {

// The strip chart of the stability page: one channel of deviation (%) over elapsed minutes,
// with tick-labelled axes. It keeps every point, and alongside them the per-pixel-column
// extent of the series, so appending is O(1) and a paint costs the plot's width, not the
// length of the record. The columns are rebuilt from the points only when the x range or the
// plot's width changes. A double-click, Enter, or "Add Remark..." in its context menu asks
// for an operator remark.
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

    int PointCount() const { return static_cast<int>(points_.size()); }
    QString YAxisTitle() const { return yTitle_; }
    // The plotting area inside the axes, in widget coordinates.
    QRect PlotRect() const;
    QAction* AddRemarkAction() const { return addRemark_; }

  Q_SIGNALS:
    // The operator asks to add a remark (strip-chart event 4).
    void AnnotationRequested();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    struct Point {
        double x;
        double y;  // NaN until its value is set
    };

    void RebuildColumns();
    void PaintAxes(QPainter& painter, const QRect& plot);
    void PaintSeries(QPainter& painter, const QRect& plot);

    std::vector<Point> points_;
    PixelColumns columns_;
    bool columnsStale_ = true;
    double xMin_ = 0.0;
    double xMax_ = 10.0;
    double yMin_ = 0.0;
    double yMax_ = 100.0;
    QString yTitle_;
    QAction* addRemark_ = nullptr;
};

}  // namespace varden
