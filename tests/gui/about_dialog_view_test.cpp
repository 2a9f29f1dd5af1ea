#include "gui/dialogs/about_dialog_view.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "core/app/about_dlg.h"
#include "core/app/command_ids.h"
#include "gui/window_harness.h"

namespace varden::testing {
namespace {

TEST(AboutDialogViewTest, ShowsTheModelAndClosesWithOkEscapeOrTheCloseBox) {
    CAboutDlg model;
    model.m_detail = "second line";
    const std::function<void(AboutDialogView&)> closers[] = {
        [](AboutDialogView& view) {
            view.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        },
        [](AboutDialogView& view) { QTest::keyClick(&view, Qt::Key_Escape); },
        [](AboutDialogView& view) { view.close(); },
    };
    for (const auto& close : closers) {
        AboutDialogView view(model, nullptr);
        view.show();
        EXPECT_EQ(view.windowTitle(), "About Orvane Control Panel");
        EXPECT_EQ(view.findChild<QLabel*>("title")->text(), "Orvane Control Panel");
        EXPECT_EQ(view.findChild<QLabel*>("version")->text(), "Version 1.0");
        EXPECT_EQ(view.findChild<QLabel*>("detail")->text(), "second line");
        close(view);
        EXPECT_FALSE(view.isVisible());
    }
}

// The About menu command and the About entry of the system commands both reach the box.
TEST(AboutDialogViewTest, OpensFromTheMenuAndTheSystemEntry) {
    WindowHarness h;
    QMenu* help = h.window.MenuBar().actions().last()->menu();
    QAction* menuAbout = h.window.CommandAction(kCmdAbout);
    QAction* systemAbout = help->actions().last();
    ASSERT_EQ(systemAbout->text(), "&About Orvane Control Panel...");
    for (QAction* action : {menuAbout, systemAbout}) {
        bool opened = false;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<AboutDialogView*>(QApplication::activeModalWidget());
            opened = box != nullptr;
            if (box != nullptr) {
                QTest::keyClick(box, Qt::Key_Escape);
            }
        });
        action->trigger();
        EXPECT_TRUE(opened) << action->text().toStdString();
    }
}

}  // namespace
}  // namespace varden::testing
