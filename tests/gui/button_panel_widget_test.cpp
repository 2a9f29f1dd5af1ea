#include "gui/controls/button_panel_widget.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>

#include "gui/controls/indicator_led.h"

namespace varden {
namespace {

class ButtonPanelTest : public ::testing::Test {
  protected:
    ButtonPanelTest() {
        panel.setGeometry(0, 0, 370, 81);
        panel.show();
        panel.SetPanelState(0);
    }

    QAbstractButton* Button(const char* name) const {
        auto* button = panel.findChild<QAbstractButton*>(QLatin1String(name));
        EXPECT_NE(button, nullptr) << name;
        return button;
    }
    IndicatorLed* Light(const char* name) const {
        auto* light = panel.findChild<IndicatorLed*>(QLatin1String(name));
        EXPECT_NE(light, nullptr) << name;
        return light;
    }
    QString Text(const char* name) const {
        return panel.findChild<QLabel*>(QLatin1String(name))->text();
    }
    // Clicks a button and returns the one event it raised as (event, argument).
    std::pair<int, int> Click(const char* name) {
        QSignalSpy spy(&panel, &ButtonPanelWidget::EventRaised);
        QTest::mouseClick(Button(name), Qt::LeftButton);
        EXPECT_EQ(spy.count(), 1) << name;
        if (spy.count() != 1) {
            return {-1, -1};
        }
        return {spy[0][0].toInt(), spy[0][1].toInt()};
    }

    ButtonPanelWidget panel;
};

// A switch asks for the opposite of the state shown, and shows that state by its light.
TEST_F(ButtonPanelTest, SwitchesShowTheirStateAndAskForTheOpposite) {
    struct Case {
        const char* button;
        uint8_t (ButtonPanelWidget::*set)(uint8_t);
        uint8_t state;
        LedTone tone;
        const char* described;
        int event;
        int argument;
    };
    const Case cases[] = {
        {"lampSwitch", &ButtonPanelWidget::SetLampState, 2, LedTone::Lamp, "on", 102, 0},
        {"lampSwitch", &ButtonPanelWidget::SetLampState, 1, LedTone::Off, "off", 102, 1},
        {"lampSwitch", &ButtonPanelWidget::SetLampState, 0, LedTone::Blue, "standby", 102, 1},
        {"shutterSwitch", &ButtonPanelWidget::SetShutterState, 1, LedTone::Green, "open", 104, 0},
        {"shutterSwitch", &ButtonPanelWidget::SetShutterState, 0, LedTone::Off, "closed", 104, 1},
        {"feedbackSwitch", &ButtonPanelWidget::SetFeedbackState, 1, LedTone::Green, "on", 105, 0},
        {"feedbackSwitch", &ButtonPanelWidget::SetFeedbackState, 0, LedTone::Off, "off", 105, 1},
        {"lockSwitch", &ButtonPanelWidget::SetLockState, 1, LedTone::Blue,
         "locked, computer in control", 107, 0},
        {"lockSwitch", &ButtonPanelWidget::SetLockState, 0, LedTone::Off,
         "unlocked, front panel in control", 107, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.button << " state " << int(c.state));
        (panel.*c.set)(c.state);
        QAbstractButton* button = Button(c.button);
        EXPECT_EQ(button->accessibleDescription(), c.described);
        EXPECT_EQ(button->icon().pixmap(10).toImage(), LedIcon(c.tone).pixmap(10).toImage());
        EXPECT_EQ(Click(c.button), std::make_pair(c.event, c.argument));
    }
}

TEST_F(ButtonPanelTest, CommandButtonsRaiseTheirEvents) {
    EXPECT_EQ(Click("irisUp"), std::make_pair(103, 0));
    EXPECT_EQ(Click("irisDown"), std::make_pair(112, 0));
    EXPECT_EQ(Click("irisSetting"), std::make_pair(113, 0));
    EXPECT_EQ(Click("alarmClear"), std::make_pair(108, 0));
}

TEST_F(ButtonPanelTest, StatusLightsShowLevelsAndNoSource) {
    struct Case {
        const char* light;
        uint8_t (ButtonPanelWidget::*set)(uint8_t);
        uint8_t value;
        LedTone tone;
    };
    const Case cases[] = {
        {"hoursLight", &ButtonPanelWidget::SetHoursLevel, 0, LedTone::Green},
        {"hoursLight", &ButtonPanelWidget::SetHoursLevel, 1, LedTone::Amber},
        {"hoursLight", &ButtonPanelWidget::SetHoursLevel, 2, LedTone::Red},
        {"hoursLight", &ButtonPanelWidget::SetHoursLevel, 4, LedTone::None},
        {"temperatureLight", &ButtonPanelWidget::SetTemperatureLevel, 1, LedTone::Amber},
        {"temperatureLight", &ButtonPanelWidget::SetTemperatureLevel, 9, LedTone::Off},
        {"calibrationLight", &ButtonPanelWidget::SetCalibrationState, 1, LedTone::Green},
        {"calibrationLight", &ButtonPanelWidget::SetCalibrationState, 0, LedTone::Amber},
        {"lightGuideLight", &ButtonPanelWidget::SetLightGuideState, 1, LedTone::Green},
        {"lightGuideLight", &ButtonPanelWidget::SetLightGuideState, 0, LedTone::Amber},
        {"unitStatus6Light", &ButtonPanelWidget::SetUnitStatus6State, 1, LedTone::Amber},
        {"unitStatus6Light", &ButtonPanelWidget::SetUnitStatus6State, 4, LedTone::None},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.light << " value " << int(c.value));
        (panel.*c.set)(c.value);
        EXPECT_EQ(Light(c.light)->Tone(), c.tone);
        EXPECT_FALSE(Light(c.light)->StateText().isEmpty());
    }
}

TEST_F(ButtonPanelTest, ReadoutsShowPercentagePowerByFactorAndHours) {
    EXPECT_EQ(Light("hoursLight")->Caption(), "Lamp Hours: 0");
    struct Case {
        uint8_t percentage;
        uint16_t raw;
        uint8_t calibrationHours;
        uint16_t factor;
        const char* percentText;
        const char* powerText;
    };
    const Case cases[] = {
        {45, 1234, 120, 10000, "45 %", "1.234mW"},
        {100, 1234, 1, 1000, "100 %", "12.3mW"},
        {0, 12500, 8, 7, "0 %", "1.25W"},
        // Not calibrated, or the factor not read yet: the power means nothing.
        {30, 1234, 0, 10000, "30 %", "\u2014"},
        {30, 1234, 5, 0, "30 %", "\u2014"},
    };
    for (const Case& c : cases) {
        panel.SetOutputReadout(c.percentage, c.raw, c.calibrationHours, c.factor);
        EXPECT_EQ(Text("percentage"), QString::fromUtf8(c.percentText));
        EXPECT_EQ(Text("outputPower"), QString::fromUtf8(c.powerText));
        EXPECT_EQ(Light("calibrationLight")->Caption(),
                  QString("Cal. %1 h").arg(c.calibrationHours));
    }
    panel.SetHoursReadout(4012);
    EXPECT_EQ(Light("hoursLight")->Caption(), "Lamp Hours: 4012");
}

TEST_F(ButtonPanelTest, NoSourceGreysThePanelUntilASourceConnects) {
    panel.SetOutputReadout(45, 1234, 120, 10000);
    panel.SetPanelState(4);
    EXPECT_FALSE(Button("lampSwitch")->isEnabled());
    EXPECT_FALSE(Button("alarmClear")->isEnabled());
    EXPECT_EQ(Text("outputPower"), "No source");
    QSignalSpy spy(&panel, &ButtonPanelWidget::EventRaised);
    QTest::mouseClick(Button("shutterSwitch"), Qt::LeftButton);
    EXPECT_EQ(spy.count(), 0);

    panel.SetPanelState(0);
    EXPECT_TRUE(Button("lampSwitch")->isEnabled());
}

TEST(ButtonPanelStartTest, StartsGreyedWithEveryLightShowingNoSource) {
    ButtonPanelWidget panel;
    EXPECT_FALSE(panel.isEnabled());
    for (IndicatorLed* light : panel.findChildren<IndicatorLed*>()) {
        EXPECT_EQ(light->Tone(), LedTone::None) << light->objectName().toStdString();
    }
}

}  // namespace
}  // namespace varden
