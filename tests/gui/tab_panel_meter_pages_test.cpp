// The tab panel's page handling and its three power-meter pages.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTabBar>
#include <QTest>

#include "gui/controls/meter_dates_page.h"
#include "gui/controls/meter_settings_page.h"
#include "gui/controls/power_page.h"
#include "gui/controls/readout_spin_box.h"
#include "gui/controls/tab_panel_widget.h"

namespace varden {
namespace {

using Event = std::array<quint32, 4>;

class TabPanelTest : public ::testing::Test {
  protected:
    TabPanelTest() {
        tab.setGeometry(0, 0, 354, 190);
        tab.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&tab));
    }

    std::vector<Event> Events() const {
        std::vector<Event> events;
        for (const QList<QVariant>& e : spy) {
            events.push_back({e[0].toUInt(), e[1].toUInt(), e[2].toUInt(), e[3].toUInt()});
        }
        return events;
    }

    // Types a value into a spin box and presses Enter, as the operator does.
    static void Enter(ReadoutSpinBox* box, const QString& text) {
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, text);
        QTest::keyClick(box, Qt::Key_Return);
    }

    TabPanelWidget tab;
    QSignalSpy spy{&tab, &TabPanelWidget::EventRaised};
};

TEST_F(TabPanelTest, PageChangesAreReportedSelectPageAlwaysReports) {
    QTabBar* bar = tab.tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(2).center());
    tab.SelectPage(4);
    tab.SelectPage(4);  // already in front: reported all the same
    tab.SelectPage(6);  // names no page
    tab.SelectPage(-1);
    EXPECT_EQ(Events(), (std::vector<Event>{{1, 2, 0, 0}, {1, 4, 0, 0}, {1, 4, 0, 0}}));
    EXPECT_EQ(tab.currentIndex(), 4);
}

TEST_F(TabPanelTest, DisablingThePageInFrontKeepsItThereWithoutAnEvent) {
    tab.SelectPage(0);
    spy.clear();
    for (uint8_t page = 0; page <= 4; ++page) {
        tab.EnablePage(page, 0);
    }
    tab.EnablePage(9, 0);
    EXPECT_EQ(tab.currentIndex(), 0);
    EXPECT_EQ(tab.tabBar()->currentIndex(), 0);
    EXPECT_TRUE(spy.isEmpty());
    EXPECT_FALSE(tab.widget(0)->isEnabled());
    EXPECT_FALSE(tab.tabBar()->isTabEnabled(3));
    EXPECT_TRUE(tab.tabBar()->isTabEnabled(5));

    // The operator can still reach an enabled page, and the controller any page.
    QTest::mouseClick(tab.tabBar(), Qt::LeftButton, {}, tab.tabBar()->tabRect(5).center());
    tab.SelectPage(4);
    EXPECT_EQ(Events(), (std::vector<Event>{{1, 5, 0, 0}, {1, 4, 0, 0}}));
    tab.EnablePage(0, 1);
    EXPECT_TRUE(tab.widget(0)->isEnabled());
}

TEST_F(TabPanelTest, PowerPageShowsReadingsInMilliwatts) {
    tab.ShowPower(12.5f);
    tab.ShowReference(0.0125f);
    tab.ShowWavelength(488);
    tab.ShowFavouriteWavelengths(425, 480, 560, 580, 0);
    PowerPage& page = tab.Power();
    EXPECT_EQ(page.Power()->text(), "12.50 mW");
    EXPECT_EQ(page.Reference()->text(), "0.0125 mW");
    EXPECT_EQ(page.Wavelength()->value(), 488);
    EXPECT_EQ(page.Favourite(3)->value(), 580);
    EXPECT_TRUE(spy.isEmpty()) << "shown values are not operator entries";
}

TEST_F(TabPanelTest, WavelengthAndFavouriteEntriesRaiseTheirEvents) {
    tab.SelectPage(0);
    spy.clear();
    Enter(tab.Power().Wavelength(), "532");
    Enter(tab.Power().Favourite(2), "488");
    EXPECT_EQ(Events(), (std::vector<Event>{{7, 532, 0, 0}, {3, 2, 488, 0}}));
}

TEST_F(TabPanelTest, AValueShownWhileTheOperatorTypesWaitsUntilTheEntryIsAbandoned) {
    tab.SelectPage(0);
    ReadoutSpinBox* box = tab.Power().Wavelength();
    tab.ShowWavelength(488);
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, "63");
    tab.ShowWavelength(500);  // a poll while the operator types
    EXPECT_EQ(box->cleanText(), "63");
    QTest::keyClick(box, Qt::Key_Escape);
    EXPECT_EQ(box->value(), 500);
    spy.clear();
    Enter(box, "633");
    tab.ShowWavelength(633);
    EXPECT_EQ(Events(), (std::vector<Event>{{7, 633, 0, 0}}));
}

// Bits 15, 3 and 4 are shown ticked while CLEAR, so ticking them asks to clear the bit.
TEST_F(TabPanelTest, ModeOptionsShowTheirFlagsAndAskForTheBitTheBoxNowShows) {
    using Show = uint8_t (TabPanelWidget::*)(uint8_t);
    struct Case {
        Show show;
        int bit;
        quint32 onWhenTicked;
    };
    const Case cases[] = {
        {&TabPanelWidget::ShowModeFlag0, 0, 1},   {&TabPanelWidget::ShowModeFlag15, 15, 0},
        {&TabPanelWidget::ShowModeFlag3, 3, 0},   {&TabPanelWidget::ShowModeFlag4, 4, 0},
        {&TabPanelWidget::ShowModeFlag8, 8, 1},   {&TabPanelWidget::ShowModeFlag9, 9, 1},
        {&TabPanelWidget::ShowModeFlag10, 10, 1}, {&TabPanelWidget::ShowModeFlag12, 12, 1},
    };
    tab.SelectPage(1);
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const Case& c = cases[i];
        SCOPED_TRACE(::testing::Message() << "bit " << c.bit);
        QCheckBox* box = tab.Settings().ModeOptionBox(i);
        (tab.*c.show)(1);
        EXPECT_TRUE(box->isChecked());
        (tab.*c.show)(0);
        EXPECT_FALSE(box->isChecked());
        spy.clear();
        QTest::mouseClick(box, Qt::LeftButton);  // ticks it
        QTest::mouseClick(box, Qt::LeftButton);  // and unticks it
        const quint32 mask = 1U << c.bit;
        EXPECT_EQ(Events(), (std::vector<Event>{{8, c.onWhenTicked, mask, 0},
                                                {8, 1 - c.onWhenTicked, mask, 0}}));
    }
}

TEST_F(TabPanelTest, SettingsAndDatesPagesShowTheMetersValues) {
    tab.ShowSerialNumber(static_cast<int16_t>(40000));  // an unsigned serial in a signed argument
    tab.ShowMeterVersion(210);
    tab.ShowMeterStatus1(12);
    tab.ShowContrast(7);
    tab.ShowCalDueDate(1, 2, 13);
    tab.ShowOprCalDueDate(6, 30, 14);
    tab.ShowMeterDateTime(3, 14, 13, 15, 7, 5);
    EXPECT_EQ(tab.Settings().SerialNumber()->text(), "40000");
    EXPECT_EQ(tab.Settings().Version()->text(), "210");
    EXPECT_EQ(tab.Settings().Status1()->text(), "12 (0x0c)");
    EXPECT_EQ(tab.Settings().Contrast()->value(), 7);
    EXPECT_EQ(tab.Dates().CalibrationDue()->text(), "01/02/13");
    EXPECT_EQ(tab.Dates().SecondCalibrationDue()->text(), "06/30/14");
    EXPECT_EQ(tab.Dates().MeterDate()->text(), "03/14/13");
    EXPECT_EQ(tab.Dates().MeterClock()->text(), "15:07:05");

    tab.SelectPage(1);
    spy.clear();
    Enter(tab.Settings().Contrast(), "9");
    EXPECT_EQ(Events(), (std::vector<Event>{{5, 9, 0, 0}}));
}

}  // namespace
}  // namespace varden
