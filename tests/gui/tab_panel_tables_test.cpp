// The tab panel's two tables: the stored data log and the power snapshot.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>

#include "gui/controls/compact_table_view.h"
#include "gui/controls/data_log_model.h"
#include "gui/controls/data_log_page.h"
#include "gui/controls/snapshot_page.h"
#include "gui/controls/snapshot_table_model.h"
#include "gui/controls/tab_panel_widget.h"

namespace varden {
namespace {

class TablesTest : public ::testing::Test {
  protected:
    TablesTest() {
        tab.setGeometry(0, 0, 354, 190);
        tab.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&tab));
    }

    void SetAxes(std::vector<int32_t> wavelengths, std::vector<int32_t> magnifications,
                 uint16_t axis) {
        tab.SetFilterList(static_cast<uint16_t>(wavelengths.size()), wavelengths.data());
        tab.SetMagnificationList(static_cast<uint16_t>(magnifications.size()),
                                 magnifications.data());
        tab.SetIntensityAxis(axis);
    }
    // The point of a cell as (status, watts).
    std::pair<int, float> Point(uint16_t w, uint16_t m, uint16_t row) {
        float watts = 123.0f;
        const int status = tab.GetCapturePoint(w, m, row, &watts);
        return {status, watts};
    }
    QString Shown(int row, int column) const {
        return tab.Snapshot().Model().index(row, column).data().toString();
    }
    QStringList RowNames() const {
        QStringList names;
        const SnapshotTableModel& model = tab.Snapshot().Model();
        for (int r = 0; r < model.rowCount(); ++r) {
            names << model.headerData(r, Qt::Vertical, Qt::DisplayRole).toString();
        }
        return names;
    }

    TabPanelWidget tab;
};

TEST_F(TablesTest, DataLogRowsComeBackAsAddedAndShowInTheTable) {
    tab.AddDataLogRow(0, "2013-03-14 15:17:05", 12.5f, 1, 1234);
    tab.AddDataLogRow(1, "2013-03-14 15:17:10", 0.25f, 2, 1235);
    uint16_t count = 0;
    tab.GetDataLogCount(&count);
    EXPECT_EQ(count, 2);

    std::string stamp;
    uint16_t serial = 0, input = 0;
    float power = 0;
    EXPECT_EQ(tab.GetDataLogRow(1, &stamp, &serial, &power, &input), 0);
    EXPECT_EQ(stamp, "2013-03-14 15:17:10");
    EXPECT_EQ(serial, 1235);
    EXPECT_EQ(power, 0.25f);
    EXPECT_EQ(input, 2);
    const DataLogModel& model = tab.DataLog().Model();
    EXPECT_EQ(model.index(0, DataLogModel::kTimeColumn).data().toString(), "2013-03-14 15:17:05");
    EXPECT_EQ(model.index(0, DataLogModel::kPowerColumn).data().toString(), "12.500");
    EXPECT_EQ(model.index(1, DataLogModel::kSerialColumn).data().toString(), "1235");

    // A row that does not exist leaves the caller's values alone.
    stamp = "kept";
    EXPECT_NE(tab.GetDataLogRow(2, &stamp, &serial, &power, &input), 0);
    EXPECT_EQ(stamp, "kept");

    tab.ClearDataLog();
    tab.GetDataLogCount(&count);
    EXPECT_EQ(count, 0);
    EXPECT_TRUE(tab.DataLog().View()->ShowsEmptyHint());
}

TEST_F(TablesTest, AxisListsKeepTenEntriesAndNeverOverrunTheCallersSlots) {
    std::vector<int32_t> twelve;
    for (int i = 0; i < 12; ++i) {
        twelve.push_back(0x7FFF0000 | (400 + i));  // the high half carries nothing
    }
    tab.SetFilterList(12, twelve.data());
    int32_t slots[5] = {-7, -7, -7, -7, -7};
    uint16_t count = 99;
    tab.GetFilterList(&count, slots, 3);
    EXPECT_EQ(count, 3);
    EXPECT_EQ(std::vector<int32_t>(slots, slots + 5),
              (std::vector<int32_t>{400, 401, 402, -7, -7}));

    int32_t all[20] = {};
    tab.GetFilterList(&count, all, 20);
    EXPECT_EQ(count, 10);
    EXPECT_EQ(all[9], 409);

    // Missing arrays name nothing.
    EXPECT_NE(tab.SetMagnificationList(3, nullptr), 0);
    EXPECT_NE(tab.GetMagnificationList(nullptr, all, 20), 0);
    tab.GetMagnificationList(&count, nullptr, 20);
    EXPECT_EQ(count, 0);
}

TEST_F(TablesTest, IntensityAxisDecidesTheRows) {
    struct Case {
        uint16_t axis;
        QStringList rows;
    };
    tab.SetIntensityLabel(0, "Low");
    tab.SetIntensityLabel(1, "High");
    tab.SetIntensityLabel(2, "");
    EXPECT_NE(tab.SetIntensityLabel(10, "beyond the ten labels"), 0);
    const Case cases[] = {
        {25, {"0%", "25%", "50%", "75%", "100%"}},
        {30, {"0%", "30%", "60%", "90%"}},
        {100, {"0%", "100%"}},
        {102, {"Low", "High"}},
        {103, {"Low", "High", "Label 3"}},
        {0, {}},
        {111, {}},
    };
    SetAxes({425}, {10}, 10);
    for (const Case& c : cases) {
        tab.SetIntensityAxis(c.axis);
        EXPECT_EQ(tab.GetIntensityAxis(), c.axis);
        EXPECT_EQ(RowNames(), c.rows) << "axis " << c.axis;
    }
    tab.SetIntensityAxis(1);
    EXPECT_EQ(RowNames().size(), 101);
}

TEST_F(TablesTest, CapturePointsGoToTheRowOfTheirLevelInTheSelectedColumn) {
    struct Case {
        uint16_t axis;
        int16_t wavelength;
        int16_t magnification;
        int16_t level;
        int row;  // -1: ignored
    };
    const Case cases[] = {
        {10, 1, 2, 30, 3},   {10, 1, 2, 100, 10},
        {25, 0, 0, 75, 3},   {10, 1, 2, 25, -1},  // not a level of the axis
        {30, 1, 2, 120, -1},                      // past the last row (90 %)
        {10, 1, 2, -10, -1}, {104, 1, 1, 2, 2},   // label mode: the level is the row
        {104, 1, 1, 4, -1},  {10, 2, 0, 10, -1},  // no such wavelength
        {10, 0, 3, 10, -1},                       // no such magnification
        {10, -1, 0, 10, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "axis " << c.axis << " column " << c.wavelength << ","
                                          << c.magnification << " level " << c.level);
        SetAxes({425, 480}, {10, 20, 40}, c.axis);
        tab.ClearCaptures();
        tab.SelectCaptureColumn(c.wavelength, c.magnification);
        tab.AddCapturePoint(c.level, 0.0125f);
        int stored = 0;
        for (uint16_t w = 0; w < 3; ++w) {
            for (uint16_t m = 0; m < 4; ++m) {
                for (uint16_t r = 0; r < 12; ++r) {
                    if (Point(w, m, r).first != 0) {
                        ++stored;
                        EXPECT_EQ(std::make_tuple(int(w), int(m), int(r)),
                                  std::make_tuple(int(c.wavelength), int(c.magnification), c.row));
                    }
                }
            }
        }
        EXPECT_EQ(stored, c.row < 0 ? 0 : 1);
    }
}

TEST_F(TablesTest, CellsHoldPointsNoReadingMarksOrNothing) {
    SetAxes({425, 480}, {10, 20, 40}, 50);
    tab.BeginCapture();
    tab.SelectCaptureColumn(1, 2);
    tab.AddCapturePoint(0, 0.0f);
    tab.AddCapturePoint(50, 0.0123f);
    tab.AddCapturePoint(100, -1.0f);
    tab.SetCaptureState(0);
    tab.EndCapture();

    EXPECT_EQ(Point(1, 2, 0), std::make_pair(1, 0.0f));
    EXPECT_EQ(Point(1, 2, 1), std::make_pair(1, 0.0123f));
    EXPECT_EQ(Point(1, 2, 2), std::make_pair(1, -1.0f));
    EXPECT_EQ(Point(0, 2, 1), std::make_pair(0, -1.0f));  // empty
    EXPECT_EQ(Point(1, 3, 0), std::make_pair(0, -1.0f));  // outside the table
    EXPECT_EQ(Point(1, 2, 3), std::make_pair(0, -1.0f));
    EXPECT_EQ(tab.GetCapturePoint(1, 2, 1, nullptr), 1);

    tab.Snapshot().BlockChoice()->setCurrentIndex(1);
    EXPECT_EQ(Shown(0, 2), "0.000");
    EXPECT_EQ(Shown(1, 2), "12.300");
    EXPECT_EQ(Shown(2, 2), "\u2014");
    EXPECT_EQ(Shown(1, 0), "");
    EXPECT_EQ(tab.Snapshot().Model().headerData(2, Qt::Horizontal, Qt::DisplayRole), "40X");

    tab.ClearCaptures();
    EXPECT_EQ(Point(1, 2, 1), std::make_pair(0, -1.0f));
    EXPECT_EQ(Shown(1, 2), "");
}

TEST_F(TablesTest, ACaptureShowsItsColumnAndBringsItsBlockForward) {
    SetAxes({425, 480, 560}, {10, 20, 40}, 10);
    SnapshotPage& page = tab.Snapshot();
    EXPECT_EQ(page.BlockChoice()->currentText(), "425 nm");
    tab.BeginCapture();
    tab.SelectCaptureColumn(2, 1);
    EXPECT_EQ(page.BlockChoice()->currentText(), "560 nm");
    EXPECT_EQ(page.CaptureStatus()->text(), "Capturing 560 nm, 20X");
    EXPECT_TRUE(page.Model().index(0, 1).data(Qt::BackgroundRole).isValid());
    // A cell capture inside the automatic one ends only its own transaction.
    tab.BeginCapture();
    tab.EndCapture();
    EXPECT_EQ(page.CaptureStatus()->text(), "Capturing 560 nm, 20X");
    tab.EndCapture();
    EXPECT_EQ(page.CaptureStatus()->text(), "Power in mW");
    EXPECT_FALSE(page.Model().index(0, 1).data(Qt::BackgroundRole).isValid());
    tab.EndCapture();  // one too many does no harm
}

TEST_F(TablesTest, ChoosingACellAsksForItsCaptureWithItsIndexes) {
    SetAxes({425, 480}, {10, 20, 40}, 10);
    tab.SelectPage(4);
    SnapshotPage& page = tab.Snapshot();
    page.BlockChoice()->setCurrentIndex(1);
    CompactTableView* view = page.View();
    QCoreApplication::processEvents();  // lays the page out
    QSignalSpy spy(&tab, &TabPanelWidget::EventRaised);

    const QModelIndex cell = page.Model().index(2, 1);
    const QPoint at = view->visualRect(cell).center();
    // A double-click reaches a widget as a press and release, then the double-click.
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
    view->setCurrentIndex(page.Model().index(3, 2));
    view->setFocus();
    QTest::keyClick(view, Qt::Key_Return);

    ASSERT_EQ(spy.count(), 2);
    EXPECT_EQ(spy[0], (QList<QVariant>{6, 1u, 1u, 2u}));
    EXPECT_EQ(spy[1], (QList<QVariant>{6, 1u, 2u, 3u}));
}

TEST_F(TablesTest, AnEmptyAxisListShowsAHintInsteadOfATable) {
    SetAxes({}, {10}, 10);
    EXPECT_TRUE(tab.Snapshot().View()->ShowsEmptyHint());
    EXPECT_FALSE(tab.Snapshot().BlockChoice()->isEnabled());
    SetAxes({425}, {10}, 10);
    EXPECT_FALSE(tab.Snapshot().View()->ShowsEmptyHint());
}

}  // namespace
}  // namespace varden
