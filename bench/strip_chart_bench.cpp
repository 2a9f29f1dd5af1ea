// Paint cost of the stability strip chart with a record of 1,000,000 points (about eleven and a
// half days at one sample a second) in its 280 x 130 place, beside a QtCharts line-series view
// and a plain QPainter polyline of the same points, each rendered into an image of that size.
// Runs on Qt's offscreen platform unless another is asked for.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QImage>
#include <QLineSeries>
#include <QPainter>
#include <QValueAxis>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "gui/controls/strip_chart_widget.h"

namespace {

using varden::StripChartWidget;

constexpr int kPoints = 1'000'000;
constexpr double kYMin = -10.0;
constexpr double kYMax = 10.0;
const QSize kSize(280, 130);

// Elapsed minutes of sample i at one sample a second, and a deviation that drifts slowly with
// noise on top, as a recording does.
double MinutesOf(int i) {
    return (i + 1) / 60.0;
}
double DeviationOf(int i) {
    const double noise = static_cast<double>((int64_t{i} * 7919) % 1000) / 1000.0 - 0.5;
    return 4.0 * std::sin(i * 2e-5) + noise;
}
double XMax() {
    return std::ceil(MinutesOf(kPoints - 1));
}

QImage NewImage() {
    QImage image(kSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    return image;
}

void BM_StripChartPaint(benchmark::State& state) {
    StripChartWidget chart;
    chart.resize(kSize);
    chart.SetYAxisRange(kYMin, kYMax);
    chart.SetYAxisTitle("%");
    chart.SetXAxisRange(0.0, XMax());
    for (int i = 0; i < kPoints; ++i) {
        chart.AddXValue(MinutesOf(i));
        chart.SetYValue(0, -1, DeviationOf(i));
    }
    QImage image = NewImage();
    chart.render(&image);  // the one rebuild of the pixel columns after the range was set
    for (auto _ : state) {
        chart.render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["points"] = chart.PointCount();
}
BENCHMARK(BM_StripChartPaint)->Unit(benchmark::kMicrosecond);

// Appending one point to the long record: the cost of a sample while recording.
void BM_StripChartAppend(benchmark::State& state) {
    StripChartWidget chart;
    chart.resize(kSize);
    chart.SetYAxisRange(kYMin, kYMax);
    chart.SetXAxisRange(0.0, 1e9);
    QImage image = NewImage();
    chart.render(&image);
    int i = 0;
    for (auto _ : state) {
        chart.AddXValue(MinutesOf(i));
        chart.SetYValue(0, -1, DeviationOf(i));
        ++i;
    }
}
BENCHMARK(BM_StripChartAppend)->Unit(benchmark::kNanosecond)->Iterations(kPoints);

void BM_QtChartsLineSeriesPaint(benchmark::State& state) {
    QList<QPointF> points;
    points.reserve(kPoints);
    for (int i = 0; i < kPoints; ++i) {
        points.append(QPointF(MinutesOf(i), DeviationOf(i)));
    }
    auto* series = new QLineSeries;
    series->replace(points);
    auto* chart = new QChart;
    chart->addSeries(series);
    chart->legend()->hide();
    auto* x = new QValueAxis;
    auto* y = new QValueAxis;
    x->setRange(0.0, XMax());
    y->setRange(kYMin, kYMax);
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    series->attachAxis(x);
    series->attachAxis(y);
    QChartView view(chart);
    view.setRenderHint(QPainter::Antialiasing);
    view.resize(kSize);
    view.show();
    QApplication::processEvents();
    QImage image = NewImage();
    for (auto _ : state) {
        QPainter painter(&image);
        view.render(&painter);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_QtChartsLineSeriesPaint)->Unit(benchmark::kMillisecond);

// Every point drawn with the chart's own pen, no reduction at all.
void BM_PlainPolylinePaint(benchmark::State& state) {
    const QRectF plot(31, 13, kSize.width() - 42, kSize.height() - 29);
    const double xScale = plot.width() / XMax();
    const double yScale = (plot.height() - 1) / (kYMax - kYMin);
    QPolygonF line;
    line.reserve(kPoints);
    for (int i = 0; i < kPoints; ++i) {
        line << QPointF(plot.left() + MinutesOf(i) * xScale,
                        plot.top() + (kYMax - DeviationOf(i)) * yScale);
    }
    QImage image = NewImage();
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setClipRect(plot);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(
            QPen(QColor(0x15, 0x65, 0xc0), 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPolyline(line);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_PlainPolylinePaint)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
