#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <functional>

#include "core/snapshot/data_cap_entry.h"
#include "core/snapshot/data_cap_inc.h"
#include "core/snapshot/mag_and_fil_selection.h"
#include "gui/dialogs/data_cap_entry_view.h"
#include "gui/dialogs/data_cap_inc_view.h"
#include "gui/dialogs/mag_and_fil_selection_view.h"

namespace varden {
namespace {

// Runs the dialog; once it is open, `script` acts on it and names the button to press.
template <typename Run>
DialogResult Operate(std::function<QDialogButtonBox::StandardButton(QDialog&)> script, Run run) {
    QTimer::singleShot(0, [script] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        const QDialogButtonBox::StandardButton button = script(*dialog);
        dialog->findChild<QDialogButtonBox*>()->button(button)->click();
    });
    return run();
}

void LeaveBox(QWidget* box) {
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QCoreApplication::sendEvent(box, &out);
}

TEST(DataCapEntryViewTest, ShowsTheListAndHandsItBackWithCrLf) {
    CDataCapEntry model;
    model.m_caption = "Magnification Selections";
    model.m_listText = "10\r\n20\r\n";
    std::string afterLeaving;
    const DialogResult result = Operate(
        [&](QDialog& dialog) {
            EXPECT_EQ(dialog.windowTitle(), "Magnification Selections");
            auto* box = dialog.findChild<QPlainTextEdit*>("listBox");
            EXPECT_EQ(box->toPlainText(), "10\n20\n");
            box->setPlainText("10\n40");
            LeaveBox(box);
            afterLeaving = model.m_listText;
            box->setPlainText("10\n40\n60");  // still in the box when OK is pressed
            return QDialogButtonBox::Ok;
        },
        [&] { return RunDataCapEntryDialog(model, nullptr); });
    EXPECT_EQ(result, DialogResult::Ok);
    EXPECT_EQ(afterLeaving, "10\r\n40");
    EXPECT_EQ(model.m_listText, "10\r\n40\r\n60");
}

TEST(DataCapIncViewTest, IncrementTypedAfterLabelsEmptiesTheLabels) {
    CDataCapInc model;
    model.m_increment = 102;
    model.m_labelsText = "Low\r\nHigh\r\n";
    const DialogResult result = Operate(
        [&](QDialog& dialog) {
            EXPECT_EQ(dialog.windowTitle(), "Please Enter Scanning Increment");
            auto* increment = dialog.findChild<QLineEdit*>("incrementBox");
            auto* labels = dialog.findChild<QPlainTextEdit*>("labelsBox");
            EXPECT_EQ(increment->text(), "");
            EXPECT_EQ(labels->toPlainText(), "Low\nHigh\n");
            increment->setText("25");
            LeaveBox(increment);
            EXPECT_EQ(labels->toPlainText(), "");
            return QDialogButtonBox::Ok;
        },
        [&] { return RunDataCapIncDialog(model, nullptr); });
    EXPECT_EQ(result, DialogResult::Ok);
    EXPECT_EQ(model.m_increment, 25);
    EXPECT_EQ(model.m_labelsText, "");
}

TEST(DataCapIncViewTest, LabelsStillInTheBoxAtOkAreTaken) {
    CDataCapInc model;
    model.m_increment = 10;
    QString incrementAfterLeaving;
    const DialogResult result = Operate(
        [&](QDialog& dialog) {
            auto* increment = dialog.findChild<QLineEdit*>("incrementBox");
            auto* labels = dialog.findChild<QPlainTextEdit*>("labelsBox");
            EXPECT_EQ(increment->text(), "10");
            EXPECT_EQ(labels->toPlainText(), "");
            labels->setPlainText("A1\nB2\n");
            return QDialogButtonBox::Ok;
        },
        [&] { return RunDataCapIncDialog(model, nullptr); });
    EXPECT_EQ(result, DialogResult::Ok);
    EXPECT_EQ(model.m_labelsText, "A1\r\nB2\r\n");
    EXPECT_EQ(model.incrementBox, "");
}

TEST(MagAndFilSelectionViewTest, ListsTheAxesAndReportsTheChoice) {
    CMagAndFilSelection model;
    model.SetLists({10, 20, 40}, {405, 488});
    model.m_wavelengthIndex = 1;  // left from an earlier run: the dialog opens on the first items
    const DialogResult result = Operate(
        [&](QDialog& dialog) {
            EXPECT_EQ(dialog.windowTitle(), "Magnification and Filter Selection");
            auto* magnifications = dialog.findChild<QComboBox*>("magnificationList");
            auto* wavelengths = dialog.findChild<QComboBox*>("wavelengthList");
            EXPECT_EQ(magnifications->count(), 3);
            EXPECT_EQ(magnifications->itemText(2), "40X");
            EXPECT_EQ(wavelengths->itemText(1), "488nm");
            EXPECT_EQ(wavelengths->currentIndex(), 0);
            EXPECT_EQ(model.m_wavelengthIndex, 0);
            magnifications->setCurrentIndex(2);
            wavelengths->setCurrentIndex(1);
            return QDialogButtonBox::Ok;
        },
        [&] { return RunMagAndFilSelectionDialog(model, nullptr); });
    EXPECT_EQ(result, DialogResult::Ok);
    EXPECT_EQ(model.m_magnificationIndex, 2);
    EXPECT_EQ(model.m_wavelengthIndex, 1);

    EXPECT_EQ(Operate([](QDialog&) { return QDialogButtonBox::Cancel; },
                      [&] { return RunMagAndFilSelectionDialog(model, nullptr); }),
              DialogResult::Cancel);
}

}  // namespace
}  // namespace varden
