#include <gtest/gtest.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cstring>
#include <functional>

#include "core/source/iris_dialog.h"
#include "core/source/ov_properties.h"
#include "gui/dialogs/iris_dialog_view.h"
#include "gui/dialogs/ov_properties_view.h"

namespace varden {
namespace {

// Runs `act` on the dialog once its modal loop is running.
void WhenOpen(std::function<void(QWidget&)> act) {
    QTimer::singleShot(0, [act = std::move(act)] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        act(*dialog);
    });
}

QLineEdit& Field(QWidget& dialog, const char* name) {
    auto* field = dialog.findChild<QLineEdit*>(QString::fromLatin1(name));
    EXPECT_NE(field, nullptr) << name;
    return *field;
}

void LoseFocus(QLineEdit& field) {
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(&field, &out);
}

void Press(QWidget& dialog, QDialogButtonBox::StandardButton which) {
    dialog.findChild<QDialogButtonBox*>()->button(which)->click();
}

TEST(IrisDialogViewTest, PowerEntryShowsTheModelAndTakesTheLastEntryOnOk) {
    CIrisDialog model;
    model.m_calibrationHours = 3;
    model.m_powerFactor = 10000;
    model.m_power = 12345;
    model.m_percentage = 50;
    WhenOpen([](QWidget& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Iris Control");
        EXPECT_TRUE(Field(dialog, "percentageField").isReadOnly());
        EXPECT_EQ(Field(dialog, "percentageField").text(), "");
        EXPECT_EQ(Field(dialog, "powerField").text(), "12.345");
        EXPECT_EQ(dialog.findChild<QLabel*>("unitLabel")->text(), "mW");
        EXPECT_EQ(dialog.findChild<QLabel*>("rangeLabel")->text(), "Accepted: 0 to 65.535 mW");
        // Typed and confirmed without leaving the field.
        Field(dialog, "powerField").setText("12.3456");
        Press(dialog, QDialogButtonBox::Ok);
    });
    EXPECT_EQ(RunIrisDialog(model, nullptr), DialogResult::Ok);
    EXPECT_EQ(model.m_power, 12346);
    EXPECT_EQ(model.m_percentage, 50);
}

TEST(IrisDialogViewTest, FocusLossTakesTheEntryAndFlagsARefusal) {
    CIrisDialog model;
    model.m_percentage = 20;
    WhenOpen([&model](QWidget& dialog) {
        QLineEdit& percentage = Field(dialog, "percentageField");
        EXPECT_EQ(percentage.text(), "20");
        EXPECT_TRUE(Field(dialog, "powerField").isReadOnly());
        auto* range = dialog.findChild<QLabel*>("rangeLabel");
        EXPECT_EQ(range->text(), "Accepted: 0 to 100 %");

        percentage.setText("150");
        LoseFocus(percentage);
        EXPECT_EQ(model.m_percentage, 20);
        EXPECT_TRUE(range->property("refused").toBool());
        EXPECT_EQ(percentage.text(), "150");  // what was typed stays

        percentage.setText("35");
        LoseFocus(percentage);
        EXPECT_EQ(model.m_percentage, 35);
        EXPECT_FALSE(range->property("refused").toBool());
        Press(dialog, QDialogButtonBox::Cancel);
    });
    EXPECT_EQ(RunIrisDialog(model, nullptr), DialogResult::Cancel);
}

TEST(OvPropertiesViewTest, ShowsTheRecordTextReadOnly) {
    OVProperties model;
    std::strcpy(model.m_info.serialNumber, "OV-77");
    model.m_info.usbVersion = 0x0110;
    WhenOpen([](QWidget& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Orvane ovata Properties");
        auto* text = dialog.findChild<QPlainTextEdit*>("propertiesText");
        ASSERT_NE(text, nullptr);
        EXPECT_TRUE(text->isReadOnly());
        const QStringList lines = text->toPlainText().split('\n');
        EXPECT_EQ(lines.size(), 16);  // fifteen lines, the last one ended too
        EXPECT_EQ(lines.first(), "Serial Number: OV-77");
        EXPECT_EQ(lines[12], "USB Version: 110");
        Press(dialog, QDialogButtonBox::Ok);
    });
    EXPECT_EQ(RunOvPropertiesDialog(model, nullptr), DialogResult::Ok);
}

}  // namespace
}  // namespace varden
