#include "gui/controls/button_panel_widget.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "gui/controls/indicator_led.h"
#include "gui/controls/panel_font.h"
#include "gui/controls/reading_text.h"
#include "gui/controls/source_state_look.h"

namespace varden {

namespace {

void ShowLook(IndicatorLed* led, const StateLook& look) {
    led->SetState(look.tone, look.text);
}

}  // namespace

ButtonPanelWidget::ButtonPanelWidget(QWidget* parent) : QWidget(parent) {
    setAccessibleName(tr("Light source"));
    setFont(PanelFont(font()));

    auto* rows = new QVBoxLayout(this);
    rows->setContentsMargins(5, 4, 5, 4);
    rows->setSpacing(3);

    auto* switchRow = new QHBoxLayout;
    switchRow->setSpacing(4);
    rows->addLayout(switchRow);
    struct SwitchButton {
        const char* text;
        const char* name;
        const char* objectName;
        int event;
        StateLook (*look)(uint8_t);
        uint8_t (*argument)(uint8_t);
        const char* switchOn;
        const char* switchOff;
    };
    const SwitchButton buttons[kSwitchCount] = {
        {"L&amp", "Lamp", "lampSwitch", kLampSwitchRequested, LampLook, LampSwitchArgument,
         "Click to turn it on.", "Click to turn it off."},
        {"&Shutter", "Shutter", "shutterSwitch", kShutterSwitchRequested, ShutterLook,
         SwitchArgument, "Click to open it.", "Click to close it."},
        {"&Feedback", "Closed-loop feedback", "feedbackSwitch", kFeedbackSwitchRequested,
         FeedbackLook, SwitchArgument, "Click to switch it on.", "Click to switch it off."},
        {"Loc&k", "Front-panel lock", "lockSwitch", kPanelLockRequested, LockLook, SwitchArgument,
         "Click to lock it and take computer control.",
         "Click to hand control back to the front panel."},
    };
    for (std::size_t i = 0; i < kSwitchCount; ++i) {
        const SwitchButton& b = buttons[i];
        Switch& s = switches_[i];
        s.button = new QPushButton(tr(b.text), this);
        s.button->setObjectName(QLatin1String(b.objectName));
        s.button->setAccessibleName(tr(b.name));
        s.button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        s.name = tr(b.name);
        s.look = b.look;
        s.argument = b.argument;
        s.switchOn = tr(b.switchOn);
        s.switchOff = tr(b.switchOff);
        switchRow->addWidget(s.button);
        const int event = b.event;
        connect(s.button, &QPushButton::clicked, this,
                [this, &s, event] { Q_EMIT EventRaised(event, s.argument(s.state)); });
        ShowSwitch(s, kNoSourceState);
    }

    auto* middle = new QHBoxLayout;
    middle->setSpacing(2);
    rows->addLayout(middle);
    auto* irisLabel = new QLabel(tr("Iris"), this);
    middle->addWidget(irisLabel);
    irisDown_ = AddIrisStep(Qt::DownArrow, tr("Iris step down"), kIrisStepDownRequested);
    irisDown_->setObjectName(QStringLiteral("irisDown"));
    middle->addWidget(irisDown_);
    percentage_ = new QLabel(kNoValue, this);
    percentage_->setObjectName(QStringLiteral("percentage"));
    percentage_->setAccessibleName(tr("Iris setting"));
    percentage_->setToolTip(tr("Iris (intensity) setting"));
    percentage_->setAlignment(Qt::AlignCenter);
    QFont strong = percentage_->font();
    strong.setBold(true);
    percentage_->setFont(strong);
    percentage_->setMinimumWidth(QFontMetrics(strong).horizontalAdvance(QStringLiteral("100 %")) +
                                 4);
    middle->addWidget(percentage_);
    irisUp_ = AddIrisStep(Qt::UpArrow, tr("Iris step up"), kIrisStepUpRequested);
    irisUp_->setObjectName(QStringLiteral("irisUp"));
    middle->addWidget(irisUp_);
    irisSetting_ =
        AddCommand(tr("S&et\u2026"), tr("Set iris or output power"),
                   tr("Enter an iris percentage or an output power"), kIrisSettingRequested);
    irisSetting_->setObjectName(QStringLiteral("irisSetting"));
    middle->addWidget(irisSetting_);
    middle->addSpacing(3);
    outputPower_ = new QLabel(kNoValue, this);
    outputPower_->setObjectName(QStringLiteral("outputPower"));
    outputPower_->setAccessibleName(tr("Output power"));
    outputPower_->setToolTip(tr("Output power of a calibrated source"));
    middle->addWidget(outputPower_);
    middle->addStretch(1);
    unitStatus6_ = new IndicatorLed(tr("Unit status 6"), tr("Status 6"), this);
    unitStatus6_->setObjectName(QStringLiteral("unitStatus6Light"));
    middle->addWidget(unitStatus6_);
    alarmClear_ = AddCommand(tr("&Clear Alarm"), tr("Clear alarm"),
                             tr("Clear the lamp source's alarm"), kAlarmClearRequested);
    alarmClear_->setObjectName(QStringLiteral("alarmClear"));
    middle->addWidget(alarmClear_);

    auto* lights = new QHBoxLayout;
    lights->setSpacing(10);
    rows->addLayout(lights);
    hours_ = new IndicatorLed(tr("Lamp hours"), QStringLiteral("Lamp Hours: 0"), this);
    calibration_ = new IndicatorLed(tr("Calibration"), tr("Cal. 0 h"), this);
    lightGuide_ = new IndicatorLed(tr("Light guide"), tr("Guide"), this);
    temperature_ = new IndicatorLed(tr("Temperature"), tr("Temp."), this);
    hours_->setObjectName(QStringLiteral("hoursLight"));
    calibration_->setObjectName(QStringLiteral("calibrationLight"));
    lightGuide_->setObjectName(QStringLiteral("lightGuideLight"));
    temperature_->setObjectName(QStringLiteral("temperatureLight"));
    for (IndicatorLed* led : {hours_, calibration_, lightGuide_, temperature_}) {
        lights->addWidget(led);
    }
    lights->addStretch(1);

    setTabOrder(switches_[kLockSwitch].button, irisDown_);
    setTabOrder(irisDown_, irisUp_);
    setTabOrder(irisUp_, irisSetting_);
    setTabOrder(irisSetting_, alarmClear_);

    SetPanelState(kNoSourceState);
}

QToolButton* ButtonPanelWidget::AddCommand(const QString& text, const QString& name,
                                           const QString& tip, int event) {
    auto* button = new QToolButton(this);
    button->setText(text);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setAccessibleName(name);
    button->setToolTip(tip);
    button->setFocusPolicy(Qt::StrongFocus);
    connect(button, &QToolButton::clicked, this, [this, event] { Q_EMIT EventRaised(event, 0); });
    return button;
}

QToolButton* ButtonPanelWidget::AddIrisStep(Qt::ArrowType arrow, const QString& name, int event) {
    QToolButton* button = AddCommand(QString(), name, name, event);
    button->setToolButtonStyle(Qt::ToolButtonIconOnly);
    button->setArrowType(arrow);
    button->setFixedWidth(20);
    return button;
}

uint8_t ButtonPanelWidget::ShowSwitch(Switch& s, uint8_t state) {
    s.state = state;
    const StateLook look = s.look(state);
    s.button->setIcon(LedIcon(look.tone));
    s.button->setAccessibleDescription(look.text);
    s.button->setToolTip(
        QStringLiteral("%1: %2\n%3")
            .arg(s.name, look.text, s.argument(state) != 0 ? s.switchOn : s.switchOff));
    return 0;
}

uint8_t ButtonPanelWidget::SetUnitStatus6State(uint8_t state) {
    ShowLook(unitStatus6_, UnitStatus6Look(state));
    return 0;
}

uint8_t ButtonPanelWidget::SetCalibrationState(uint8_t state) {
    ShowLook(calibration_, CalibrationLook(state));
    return 0;
}

uint8_t ButtonPanelWidget::SetFeedbackState(uint8_t state) {
    return ShowSwitch(switches_[kFeedbackSwitch], state);
}

uint8_t ButtonPanelWidget::SetHoursLevel(uint8_t level) {
    ShowLook(hours_, HoursLook(level));
    return 0;
}

void ButtonPanelWidget::SetOutputReadout(uint8_t percentage, uint16_t rawPower,
                                         uint8_t calibrationHours, uint16_t powerFactor) {
    percentage_->setText(QStringLiteral("%1 %").arg(percentage));
    // The output power means something only for a calibrated source whose power factor has
    // been read; a factor of 0 means "not read yet".
    outputPower_->setText(calibrationHours != 0 && powerFactor != 0
                              ? OutputPowerText(rawPower, powerFactor)
                              : kNoValue);
    calibration_->SetCaption(tr("Cal. %1 h").arg(calibrationHours));
}

void ButtonPanelWidget::SetHoursReadout(uint16_t hours) {
    hours_->SetCaption(QStringLiteral("Lamp Hours: %1").arg(hours));
}

uint8_t ButtonPanelWidget::SetLampState(uint8_t state) {
    return ShowSwitch(switches_[kLampSwitch], state);
}

uint8_t ButtonPanelWidget::SetLightGuideState(uint8_t state) {
    ShowLook(lightGuide_, LightGuideLook(state));
    return 0;
}

uint8_t ButtonPanelWidget::SetLockState(uint8_t state) {
    return ShowSwitch(switches_[kLockSwitch], state);
}

uint8_t ButtonPanelWidget::SetShutterState(uint8_t state) {
    return ShowSwitch(switches_[kShutterSwitch], state);
}

uint8_t ButtonPanelWidget::SetTemperatureLevel(uint8_t level) {
    ShowLook(temperature_, TemperatureLook(level));
    return 0;
}

uint8_t ButtonPanelWidget::SetPanelState(uint8_t state) {
    const bool connected = state != kNoSourceState;
    setEnabled(connected);
    setToolTip(connected ? QString() : tr("No light source connected"));
    if (!connected) {
        percentage_->setText(kNoValue);
        outputPower_->setText(tr("No source"));
    }
    return 0;
}

void ButtonPanelWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fill(0, 0, 0, height());
    fill.setColorAt(0.0, QColor(0xf5, 0xf8, 0xfb));
    fill.setColorAt(1.0, QColor(0xe1, 0xe8, 0xef));
    painter.setBrush(fill);
    painter.setPen(QPen(QColor(0xa9, 0xb6, 0xc3), 1.0));
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 5, 5);
}

}  // namespace varden
