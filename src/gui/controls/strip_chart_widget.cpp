#include "gui/controls/strip_chart_widget.h"

#include <QAction>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <cmath>
#include <limits>

#include "gui/controls/axis_ticks.h"
#include "gui/controls/reading_text.h"

namespace varden {

namespace {

// Room around the plot for the tick labels, the y-axis title (top left) and the x unit
// (bottom left). Fixed, so that the plot's width, and with it the columns, does not change
// with the labels.
constexpr int kLeftMargin = 30;
constexpr int kTopMargin = 12;
constexpr int kRightMargin = 10;
constexpr int kBottomMargin = 15;
constexpr int kLabelPixels = 10;
// Least room between two tick labels.
constexpr int kXTickSpacing = 44;
constexpr int kYTickSpacing = 18;

const QColor kSeriesColour(0x15, 0x65, 0xc0);
const QColor kGridColour(0xe4, 0xe9, 0xef);
const QColor kZeroColour(0xa8, 0xb3, 0xbf);
const QColor kFrameColour(0x9a, 0xa6, 0xb2);
const QColor kTextColour(0x3c, 0x48, 0x55);

constexpr double kUnset = std::numeric_limits<double>::quiet_NaN();

// The range shown: an empty range (the x axis of a record at 0 minutes) still gets a unit.
double ShownMax(double min, double max) {
    return max > min ? max : min + 1.0;
}

}  // namespace

StripChartWidget::StripChartWidget(QWidget* parent) : QWidget(parent) {
    setAccessibleName(tr("Stability chart"));
    setAccessibleDescription(
        tr("Deviation of the source's monitor reading in percent over elapsed minutes"));
    setToolTip(tr("Deviation over elapsed minutes.\nDouble-click or press Enter to add a remark."));
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    QFont small = font();
    small.setPixelSize(kLabelPixels);
    setFont(small);

    addRemark_ = new QAction(QStringLiteral("Add Remark..."), this);
    connect(addRemark_, &QAction::triggered, this, [this] { Q_EMIT AnnotationRequested(); });
    addAction(addRemark_);
    setContextMenuPolicy(Qt::ActionsContextMenu);
}

void StripChartWidget::SetYAxisRange(double min, double max) {
    if (!std::isfinite(min) || !std::isfinite(max)) {
        return;
    }
    // The columns keep data values, so a new y range needs no rebuild.
    yMin_ = min;
    yMax_ = max;
    update();
}

void StripChartWidget::SetXAxisRange(double min, double max) {
    if (!std::isfinite(min) || !std::isfinite(max) || (min == xMin_ && max == xMax_)) {
        return;
    }
    xMin_ = min;
    xMax_ = max;
    columnsStale_ = true;
    update();
}

void StripChartWidget::ClearData() {
    points_.clear();
    columnsStale_ = true;
    update();
}

int32_t StripChartWidget::AddXValue(double x) {
    if (points_.size() >= static_cast<std::size_t>(std::numeric_limits<int32_t>::max())) {
        return -1;
    }
    points_.push_back({x, kUnset});
    return static_cast<int32_t>(points_.size() - 1);
}

void StripChartWidget::SetYValue(int32_t channel, int32_t index, double y) {
    if (channel != 0 || points_.empty() || index < -1 ||
        (index >= 0 && static_cast<std::size_t>(index) >= points_.size())) {
        return;
    }
    const std::size_t at = index == -1 ? points_.size() - 1 : static_cast<std::size_t>(index);
    Point& point = points_[at];
    const bool firstValue = std::isnan(point.y);
    point.y = y;
    // The newest point joins its column in O(1); changing any other point, or a value already
    // folded in, needs a rebuild.
    if (firstValue && at == points_.size() - 1) {
        if (!columnsStale_) {
            columns_.Add(point.x, point.y);
        }
    } else {
        columnsStale_ = true;
    }
    update();
}

void StripChartWidget::SetYAxisTitle(const std::string& title) {
    yTitle_ = FromBytes(title);
    update();
}

QRect StripChartWidget::PlotRect() const {
    // Inside the one-pixel frame, so that points at either end of the range stay visible.
    return rect().adjusted(kLeftMargin + 1, kTopMargin + 1, -kRightMargin - 1, -kBottomMargin - 1);
}

void StripChartWidget::RebuildColumns() {
    columns_.Reset(PlotRect().width(), xMin_, ShownMax(xMin_, xMax_));
    for (const Point& point : points_) {
        columns_.Add(point.x, point.y);
    }
    columnsStale_ = false;
}

void StripChartWidget::paintEvent(QPaintEvent*) {
    if (columnsStale_) {
        RebuildColumns();
    }
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    const QRect plot = PlotRect();
    if (plot.width() < 1 || plot.height() < 1) {
        return;
    }
    painter.fillRect(plot, Qt::white);
    PaintAxes(painter, plot);
    PaintSeries(painter, plot);
    painter.setPen(hasFocus() ? palette().color(QPalette::Highlight) : kFrameColour);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(plot.adjusted(-1, -1, 0, 0));
}

void StripChartWidget::PaintAxes(QPainter& painter, const QRect& plot) {
    const double xMax = ShownMax(xMin_, xMax_);
    const double yMax = ShownMax(yMin_, yMax_);
    const QFontMetrics metrics(font());
    const int textHeight = metrics.height();

    painter.setPen(kGridColour);
    for (const AxisTick& tick : AxisTicks(yMin_, yMax, plot.height() / kYTickSpacing + 1)) {
        const int y = plot.top() + static_cast<int>(std::lround(
                                       (yMax - tick.value) / (yMax - yMin_) * (plot.height() - 1)));
        painter.setPen(tick.value == 0.0 ? kZeroColour : kGridColour);
        painter.drawLine(plot.left(), y, plot.right(), y);
        painter.setPen(kTextColour);
        painter.drawText(QRect(0, y - textHeight / 2, kLeftMargin - 3, textHeight),
                         Qt::AlignRight | Qt::AlignVCenter, tick.label);
    }
    for (const AxisTick& tick : AxisTicks(xMin_, xMax, plot.width() / kXTickSpacing + 1)) {
        const int x = plot.left() +
                      static_cast<int>(
                          std::lround((tick.value - xMin_) / (xMax - xMin_) * (plot.width() - 1)));
        painter.setPen(kGridColour);
        painter.drawLine(x, plot.top(), x, plot.bottom());
        painter.setPen(kTextColour);
        const int width = metrics.horizontalAdvance(tick.label);
        // Labels at the ends stay inside the widget.
        const int left = std::clamp(x - width / 2, kLeftMargin - 4, this->width() - width);
        painter.drawText(QRect(left, plot.bottom() + 3, width, textHeight),
                         Qt::AlignLeft | Qt::AlignTop, tick.label);
    }
    painter.setPen(kTextColour);
    painter.drawText(QRect(2, 0, kLeftMargin + 40, kTopMargin), Qt::AlignLeft | Qt::AlignTop,
                     yTitle_);
    painter.drawText(QRect(0, plot.bottom() + 3, kLeftMargin - 6, textHeight),
                     Qt::AlignRight | Qt::AlignTop, tr("min"));
}

void StripChartWidget::PaintSeries(QPainter& painter, const QRect& plot) {
    const std::vector<PixelColumns::Column>& columns = columns_.Columns();
    const double yMax = ShownMax(yMin_, yMax_);
    const double pixelsPerUnit = (plot.height() - 1) / (yMax - yMin_);
    // Rows are clamped a little outside the plot, so huge values cannot overflow an int.
    const auto toRow = [&](double y) {
        const double row = plot.top() + (yMax - y) * pixelsPerUnit;
        return static_cast<int>(std::floor(std::clamp(row, plot.top() - 2.0, plot.bottom() + 2.0)));
    };

    // Each used column is one bar from its lowest to its highest value, stretched to meet the
    // last value of the column before it, so that a dense record draws as one connected trace
    // (two pixels wide). Between columns that are not neighbours the trace is a line. Bars are
    // plain rectangles and the lines few, so the cost follows the width of the plot.
    std::vector<QRect> bars;
    std::vector<QLineF> gaps;
    bars.reserve(columns.size());
    std::size_t previous = 0;  // the last used column, when there is one
    bool anyBefore = false;
    int previousRow = 0;
    for (std::size_t c = 0; c < columns.size(); ++c) {
        const PixelColumns::Column& column = columns[c];
        if (!column.used) {
            continue;
        }
        const int x = plot.left() + static_cast<int>(c);
        int top = toRow(column.high);
        int bottom = toRow(column.low);
        if (anyBefore && previous + 1 == c) {
            top = std::min(top, previousRow);
            bottom = std::max(bottom, previousRow);
        } else if (anyBefore) {
            const double from = plot.left() + static_cast<double>(previous) + 1.0;
            gaps.emplace_back(from, previousRow + 1.0, x + 1.0, toRow(column.first) + 1.0);
        }
        bars.emplace_back(x, top, 2, bottom - top + 2);
        previous = c;
        anyBefore = true;
        previousRow = toRow(column.last);
    }
    if (bars.empty()) {
        if (points_.empty()) {
            painter.setPen(kZeroColour);
            painter.drawText(plot, Qt::AlignCenter, tr("No samples"));
        }
        return;
    }
    painter.save();
    painter.setClipRect(plot);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kSeriesColour);
    painter.drawRects(bars.data(), static_cast<int>(bars.size()));
    if (!gaps.empty()) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(kSeriesColour, 1.6, Qt::SolidLine, Qt::FlatCap));
        painter.drawLines(gaps.data(), static_cast<int>(gaps.size()));
    }
    painter.restore();
}

void StripChartWidget::resizeEvent(QResizeEvent* event) {
    columnsStale_ = true;
    QWidget::resizeEvent(event);
}

void StripChartWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        Q_EMIT AnnotationRequested();
    }
}

void StripChartWidget::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        Q_EMIT AnnotationRequested();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace varden
