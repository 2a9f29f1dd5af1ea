// What every panel owes the operator whatever its content: it fits its fixed size, and every
// control and indicator has a name for assistive technology.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLayout>

#include "gui/controls/button_panel_widget.h"
#include "gui/controls/indicator_led.h"
#include "gui/controls/tab_panel_widget.h"

namespace varden {
namespace {

// Parts that Qt builds inside its own composite widgets (scroll bars, spin-box editors, a
// combo box's pop-up list, the tab bar's scroll buttons) are named by Qt and left out.
bool IsQtInternal(const QWidget* w, const QWidget& panel) {
    const QWidget* parent = w->parentWidget();
    return w->window() != panel.window() || w->inherits("QTabBar") || w->inherits("QHeaderView") ||
           w->inherits("QScrollBar") ||
           (parent != nullptr &&
            (parent->inherits("QAbstractSpinBox") || parent->inherits("QTabBar") ||
             parent->inherits("QAbstractScrollArea") || parent->inherits("QComboBox")));
}

void ExpectNamedControls(QWidget& panel) {
    for (QWidget* w : panel.findChildren<QWidget*>()) {
        const bool control = qobject_cast<QAbstractButton*>(w) ||
                             qobject_cast<QAbstractSpinBox*>(w) || qobject_cast<QComboBox*>(w) ||
                             qobject_cast<QAbstractItemView*>(w) || qobject_cast<IndicatorLed*>(w);
        if (!control || IsQtInternal(w, panel)) {
            continue;
        }
        EXPECT_FALSE(w->accessibleName().isEmpty())
            << w->metaObject()->className() << " " << w->objectName().toStdString();
        EXPECT_FALSE(w->toolTip().isEmpty() && w->accessibleDescription().isEmpty())
            << w->accessibleName().toStdString();
    }
}

TEST(PanelLayoutTest, EveryTabPageFitsThePanel) {
    TabPanelWidget tab;
    tab.setGeometry(0, 0, 354, 190);
    tab.show();
    EXPECT_LE(tab.tabBar()->sizeHint().width(), 354) << "all six tabs in view";
    const QSize room = tab.currentWidget()->size();
    for (int page = 0; page < TabPanelWidget::kPageCount; ++page) {
        QWidget* widget = tab.widget(page);
        if (widget->layout() != nullptr) {
            const QSize needed = widget->layout()->minimumSize();
            EXPECT_LE(needed.width(), room.width()) << "page " << page;
            EXPECT_LE(needed.height(), room.height()) << "page " << page;
        }
    }
}

TEST(PanelLayoutTest, TheButtonPanelFitsItsPlace) {
    ButtonPanelWidget panel;
    const QSize needed = panel.layout()->minimumSize();
    EXPECT_LE(needed.width(), 370);
    EXPECT_LE(needed.height(), 81);
}

TEST(PanelLayoutTest, EveryControlAndIndicatorIsNamed) {
    TabPanelWidget tab;
    ExpectNamedControls(tab);
    ButtonPanelWidget buttons;
    ExpectNamedControls(buttons);
}

}  // namespace
}  // namespace varden
