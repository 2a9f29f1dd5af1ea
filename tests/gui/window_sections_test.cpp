// The header-bar buttons of the real window, clicked at their client positions.
#include <gtest/gtest.h>

#include <QImage>
#include <QMenuBar>
#include <QPixmap>
#include <QTest>

#include "gui/client_area.h"
#include "gui/controls/button_panel_widget.h"
#include "gui/controls/tab_panel_widget.h"
#include "gui/pane_status_bar.h"
#include "gui/window_harness.h"

namespace varden::testing {
namespace {

QRgb BitmapPixel(int resourceId, int x, int y) {
    return QPixmap(QStringLiteral(":/bitmaps/%1.png").arg(resourceId)).toImage().pixel(x, y);
}

struct Layout {
    int windowHeight;  // outer height, frame, caption and menu bar included
    int clientHeight;
    bool tabs;
    bool statusBar;
    int buttonPanelTop;
    int lowerBarY;
};

constexpr Layout kBoth{372, 320, true, true, 212, 203};
constexpr Layout kTabsOnly{266, 214, true, false, 212, 203};
constexpr Layout kSourceOnly{181, 129, false, true, 20, 11};
constexpr Layout kNone{74, 22, false, false, 20, 11};

void ExpectLayout(WindowHarness& h, const Layout& expected) {
    ClientArea& client = h.window.Client();
    EXPECT_EQ(h.shell.WindowRect(), (Rect{0, 0, 376, expected.windowHeight}));
    EXPECT_EQ(client.size(), QSize(370, expected.clientHeight));
    // The dialog is exactly the menu bar over the client area.
    EXPECT_EQ(h.window.size(), QSize(370, h.window.MenuBar().height() + expected.clientHeight));
    EXPECT_EQ(client.y(), h.window.MenuBar().height());
    EXPECT_EQ(h.window.TabPanel().isVisible(), expected.tabs);
    EXPECT_EQ(h.window.StatusBar().isVisible(), expected.statusBar);
    if (expected.statusBar) {
        EXPECT_EQ(h.window.StatusBar().geometry(), QRect(0, expected.clientHeight - 25, 370, 25));
    }
    EXPECT_EQ(h.window.ButtonPanel().y(), expected.buttonPanelTop);

    // Both bars with their buttons, and the background picture while the tabs are shown.
    const QImage shot = client.grab().toImage();
    for (int barY : {0, expected.lowerBarY}) {
        SCOPED_TRACE(barY);
        EXPECT_EQ(shot.pixel(100, barY + 3), BitmapPixel(131, 100, 3));
        EXPECT_EQ(shot.pixel(337, barY + 4), BitmapPixel(132, 7, 4));
        EXPECT_EQ(shot.pixel(352, barY + 4), BitmapPixel(133, 7, 4));
    }
    if (expected.tabs) {
        EXPECT_EQ(shot.pixel(3, 100), BitmapPixel(129, 3, 90));
    }
}

TEST(WindowSectionsTest, HeaderClicksWalkThroughTheFourLayouts) {
    WindowHarness h;
    ASSERT_EQ(h.dlg.captionExtra, 0);
    ExpectLayout(h, kBoth);

    struct Step {
        QPoint click;
        Layout after;
    };
    const Step steps[] = {
        {{350, 5}, kSourceOnly},   // collapse the tabs
        {{335, 5}, kBoth},         // expand them again
        {{350, 205}, kTabsOnly},   // collapse the source
        {{350, 5}, kNone},         // collapse the tabs as well
        {{335, 15}, kSourceOnly},  // expand the source on the raised lower bar
        {{350, 15}, kNone},        // and collapse it
        {{335, 5}, kTabsOnly},     // expand the tabs
        {{335, 205}, kBoth},       // expand the source below them
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(::testing::Message()
                     << "click at (" << step.click.x() << "," << step.click.y() << ")");
        QTest::mouseClick(&h.window.Client(), Qt::LeftButton, {}, step.click);
        QCoreApplication::processEvents();
        ExpectLayout(h, step.after);
    }
}

TEST(WindowSectionsTest, ClicksBesideTheButtonsChangeNothing) {
    WindowHarness h;
    for (QPoint at : {QPoint(345, 5), QPoint(361, 5), QPoint(361, 205), QPoint(350, 214)}) {
        QTest::mouseClick(&h.window.Client(), Qt::LeftButton, {}, at);
    }
    QCoreApplication::processEvents();
    ExpectLayout(h, kBoth);
}

// At exit the window outlives the controller: nothing may reach it after it is detached.
TEST(WindowSectionsTest, DetachedWindowNoLongerReachesTheController) {
    WindowHarness h;
    h.window.DetachController();
    QTest::mouseClick(&h.window.Client(), Qt::LeftButton, {}, QPoint(350, 5));
    h.window.Client().grab();
    EXPECT_TRUE(h.dlg.tabSectionShown);
    EXPECT_FALSE(h.window.PollTimer().isActive());
}

}  // namespace
}  // namespace varden::testing
