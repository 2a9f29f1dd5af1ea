#include "gui/dialogs/event_entry_view.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFocusEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <functional>
#include <string>

#include "core/stability/event_entry.h"

namespace varden {
namespace {

// Runs the dialog for `model` and acts on it through `act` once it is open.
DialogResult RunWith(CEventEntry& model, std::function<void(QDialog&)> act) {
    QTimer::singleShot(0, [act] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        act(*dialog);
    });
    return RunEventEntryDialog(model, nullptr);
}

QPlainTextEdit& Field(QDialog& dialog) {
    return *dialog.findChild<QPlainTextEdit*>(QStringLiteral("description"));
}

QPushButton& Button(QDialog& dialog, QDialogButtonBox::StandardButton which) {
    return *dialog.findChild<QDialogButtonBox*>()->button(which);
}

TEST(EventEntryViewTest, ShowsTheRemarkAndTakesItWhenTheFieldLosesTheFocus) {
    CEventEntry model;
    model.m_description = "earlier";
    std::string afterFocusLoss;
    const DialogResult result = RunWith(model, [&](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Event Entry");
        EXPECT_EQ(dialog.findChild<QLabel*>()->text(), "Event Description:");
        EXPECT_TRUE(Button(dialog, QDialogButtonBox::Ok).isDefault());
        QPlainTextEdit& field = Field(dialog);
        EXPECT_EQ(field.toPlainText(), "earlier");
        field.setPlainText(QString(150, 'x'));
        QFocusEvent focusOut(QEvent::FocusOut);
        QApplication::sendEvent(&field, &focusOut);
        afterFocusLoss = model.m_description;
        Button(dialog, QDialogButtonBox::Cancel).click();
    });
    EXPECT_EQ(result, DialogResult::Cancel);
    EXPECT_EQ(afterFocusLoss, std::string(99, 'x'));
}

TEST(EventEntryViewTest, OkTakesTheTextEvenWithoutAFocusChange) {
    CEventEntry model;
    const DialogResult result = RunWith(model, [](QDialog& dialog) {
        Field(dialog).setPlainText(QStringLiteral("moved stage, refocused\nslide 2"));
        Button(dialog, QDialogButtonBox::Ok).click();
    });
    EXPECT_EQ(result, DialogResult::Ok);
    EXPECT_EQ(model.m_description, "moved stage, refocused\nslide 2");
}

}  // namespace
}  // namespace varden
