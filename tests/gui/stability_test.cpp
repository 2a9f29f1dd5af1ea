// The stability page's controls and the strip chart on it.
#include <gtest/gtest.h>

#include <QAction>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <cmath>

#include "gui/controls/axis_ticks.h"
#include "gui/controls/readout_spin_box.h"
#include "gui/controls/stability_page.h"
#include "gui/controls/strip_chart_widget.h"
#include "gui/controls/tab_panel_widget.h"

namespace varden {
namespace {

const QRect kChartPlace(50, 15, 280, 130);

QImage Render(StripChartWidget& chart) {
    QImage image(chart.size(), QImage::Format_ARGB32_Premultiplied);
    chart.render(&image);
    return image;
}

// The series is drawn in a strong blue; the grid, frame and labels are greys.
bool IsSeries(QRgb pixel) {
    return qBlue(pixel) > qRed(pixel) + 60;
}

// True when the series crosses the pixel column of x near the height of y.
bool SeriesNear(const QImage& image, const StripChartWidget& chart, double x, double y, double xMin,
                double xMax, double yMin, double yMax) {
    const QRect plot = chart.PlotRect();
    const int column =
        plot.left() +
        std::min(static_cast<int>((x - xMin) / (xMax - xMin) * plot.width()), plot.width() - 1);
    const int row = plot.top() +
                    static_cast<int>(std::lround((yMax - y) / (yMax - yMin) * (plot.height() - 1)));
    for (int dy = -2; dy <= 2; ++dy) {
        if (IsSeries(image.pixel(column, row + dy))) {
            return true;
        }
    }
    return false;
}

class StripChartTest : public ::testing::Test {
  protected:
    StripChartTest() {
        chart.resize(kChartPlace.size());
        chart.SetYAxisRange(-10.0, 10.0);
        chart.SetXAxisRange(0.0, 10.0);
    }
    void Add(double x, double y) {
        chart.AddXValue(x);
        chart.SetYValue(0, -1, y);
    }
    StripChartWidget chart;
};

TEST_F(StripChartTest, PointsArePlottedWhereTheyBelong) {
    EXPECT_EQ(chart.AddXValue(0.0), 0);
    chart.SetYValue(0, -1, 0.0);
    Add(5.0, 5.0);
    EXPECT_EQ(chart.AddXValue(10.0), 2);
    chart.SetYValue(0, 2, -5.0);
    const QImage image = Render(chart);
    EXPECT_TRUE(SeriesNear(image, chart, 5.0, 5.0, 0, 10, -10, 10));
    EXPECT_TRUE(SeriesNear(image, chart, 10.0, -5.0, 0, 10, -10, 10));
    EXPECT_FALSE(SeriesNear(image, chart, 5.0, -5.0, 0, 10, -10, 10));

    chart.ClearData();
    EXPECT_EQ(chart.PointCount(), 0);
    EXPECT_EQ(chart.AddXValue(1.0), 0);
}

// Points appended one by one (each folded into its pixel column) must draw exactly what a
// rebuild from the whole record draws, also after an older point changes.
TEST_F(StripChartTest, AppendingDrawsTheSameAsRebuildingFromTheRecord) {
    chart.SetXAxisRange(0.0, 60.0);
    Render(chart);  // columns built while empty: what follows is appended
    StripChartWidget fresh;
    fresh.resize(kChartPlace.size());
    fresh.SetYAxisRange(-10.0, 10.0);
    for (int i = 0; i < 5000; ++i) {
        const double x = i * 0.012;
        const double y = 8.0 * std::sin(i * 0.01) + (i % 13) * 0.15;
        Add(x, y);
        fresh.AddXValue(x);
        fresh.SetYValue(0, -1, i == 10 ? 9.5 : y);
        if (i % 1000 == 0) {
            Render(chart);
        }
    }
    chart.SetYValue(0, 10, 9.5);
    fresh.SetXAxisRange(0.0, 60.0);
    EXPECT_EQ(Render(chart), Render(fresh));
    EXPECT_EQ(chart.PointCount(), 5000);
}

TEST_F(StripChartTest, ArgumentsThatNameNoPointChangeNothing) {
    chart.SetYValue(0, -1, 3.0);  // no point yet
    Add(2.0, 1.0);
    const QImage before = Render(chart);
    chart.SetYValue(1, -1, 8.0);  // only channel 0 exists
    chart.SetYValue(0, 1, 8.0);   // past the last point
    chart.SetYValue(0, -2, 8.0);
    chart.SetXAxisRange(0.0, std::nan(""));
    chart.SetYAxisRange(-INFINITY, 10.0);
    EXPECT_EQ(Render(chart), before);
}

TEST_F(StripChartTest, AnEmptyXRangeStillDrawsItsPoints) {
    chart.SetXAxisRange(0.0, 0.0);  // a record at 0 minutes
    Add(0.0, 2.0);
    EXPECT_TRUE(SeriesNear(Render(chart), chart, 0.0, 2.0, 0, 1, -10, 10));
}

TEST_F(StripChartTest, DoubleClickEnterAndTheContextMenuAskForARemark) {
    QSignalSpy spy(&chart, &StripChartWidget::AnnotationRequested);
    chart.show();
    QTest::mouseDClick(&chart, Qt::LeftButton, {}, chart.rect().center());
    chart.setFocus();
    QTest::keyClick(&chart, Qt::Key_Return);
    EXPECT_EQ(chart.contextMenuPolicy(), Qt::ActionsContextMenu);
    ASSERT_TRUE(chart.actions().contains(chart.AddRemarkAction()));
    EXPECT_EQ(chart.AddRemarkAction()->text(), "Add Remark...");
    chart.AddRemarkAction()->trigger();
    EXPECT_EQ(spy.count(), 3);
}

TEST(AxisTicksTest, TicksFallOnNiceStepsWithTheDecimalsTheyNeed) {
    struct Case {
        double min;
        double max;
        int maxTicks;
        QStringList labels;
    };
    const Case cases[] = {
        {-10, 10, 6, {"-10", "-5", "0", "5", "10"}},
        {0, 1, 6, {"0.0", "0.2", "0.4", "0.6", "0.8", "1.0"}},
        {0, 1440, 6, {"0", "500", "1000"}},
        {-0.3, 0.3, 4, {"-0.2", "0.0", "0.2"}},
        {0, 0, 6, {}},
        {0, NAN, 6, {}},
    };
    for (const Case& c : cases) {
        QStringList labels;
        for (const AxisTick& tick : AxisTicks(c.min, c.max, c.maxTicks)) {
            labels << tick.label;
        }
        EXPECT_EQ(labels, c.labels) << c.min << ".." << c.max;
    }
}

class StabilityPageTest : public ::testing::Test {
  protected:
    StabilityPageTest() {
        tab.setGeometry(0, 0, 354, 190);
        tab.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&tab));
        tab.SelectPage(5);
    }
    TabPanelWidget tab;
};

TEST_F(StabilityPageTest, CommandsRaiseTheirActionsWhileEnabled) {
    StabilityPage& page = tab.Stability();
    EXPECT_TRUE(page.StartButton()->isEnabled());
    EXPECT_FALSE(page.PauseButton()->isEnabled());
    EXPECT_FALSE(page.StopButton()->isEnabled());
    tab.EnableStabilityStart(0);
    tab.EnableStabilityPause(1);
    tab.EnableStabilityStop(1);
    EXPECT_FALSE(page.StartButton()->isEnabled());

    QSignalSpy spy(&tab, &TabPanelWidget::EventRaised);
    QTest::mouseClick(page.StartButton(), Qt::LeftButton);  // disabled: nothing
    QTest::mouseClick(page.PauseButton(), Qt::LeftButton);
    QTest::mouseClick(page.StopButton(), Qt::LeftButton);
    tab.EnableStabilityStart(1);
    QTest::mouseClick(page.StartButton(), Qt::LeftButton);
    ASSERT_EQ(spy.count(), 3);
    EXPECT_EQ(spy[0], (QList<QVariant>{2, 1u, 0u, 0u}));
    EXPECT_EQ(spy[1], (QList<QVariant>{2, 2u, 0u, 0u}));
    EXPECT_EQ(spy[2], (QList<QVariant>{2, 0u, 0u, 0u}));
}

TEST_F(StabilityPageTest, TheSamplingIntervalIsEnteredInSeconds) {
    EXPECT_EQ(tab.GetSampleInterval(0, 0), 10);
    ReadoutSpinBox* interval = tab.Stability().Interval();
    QSignalSpy spy(&tab, &TabPanelWidget::EventRaised);
    interval->setFocus();
    interval->selectAll();
    QTest::keyClicks(interval, "30");
    QTest::keyClick(interval, Qt::Key_Return);
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy[0], (QList<QVariant>{4, 30u, 0u, 0u}));
    EXPECT_EQ(tab.GetSampleInterval(0, 0), 30);

    // An interval of 0 would make every step a first sample; the entry does not take it.
    interval->selectAll();
    QTest::keyClicks(interval, "0");
    QTest::keyClick(interval, Qt::Key_Return);
    EXPECT_EQ(tab.GetSampleInterval(0, 0), 30);
    for (const QList<QVariant>& event : spy) {
        EXPECT_NE(event[1].toUInt(), 0u);
    }
}

TEST_F(StabilityPageTest, TheControlsLeaveTheChartsPlaceFree) {
    QWidget* page = tab.StabilityPage();
    for (QWidget* child : page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        EXPECT_FALSE(child->geometry().intersects(kChartPlace))
            << child->accessibleName().toStdString();
        EXPECT_TRUE(page->rect().contains(child->geometry()))
            << child->accessibleName().toStdString();
    }
    EXPECT_TRUE(page->rect().contains(kChartPlace));
}

}  // namespace
}  // namespace varden
