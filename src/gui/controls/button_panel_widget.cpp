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

    auto* switches = new QHBoxLayout;
    switches->setSpacing(4);
    rows->addLayout(switches);
    lamp_ = AddSwitch(tr("L&amp"), tr("Lamp"), QStringLiteral("lampSwitch"));
    shutter_ = AddSwitch(tr("&Shutter"), tr("Shutter"), QStringLiteral("shutterSwitch"));
    feedback_ =
        AddSwitch(tr("&Feedback"), tr("Closed-loop feedback"), QStringLiteral("feedbackSwitch"));
    lock_ = AddSwitch(tr("Loc&k"), tr("Front-panel lock"), QStringLiteral("lockSwitch"));
    for (QPushButton* button : {lamp_, shutter_, feedback_, lock_}) {
        switches->addWidget(button);
    }
    connect(lamp_, &QPushButton::clicked, this,
            [this] { Q_EMIT EventRaised(kLampSwitchRequested, LampSwitchArgument(lampState_)); });
    connect(shutter_, &QPushButton::clicked, this,
            [this] { Q_EMIT EventRaised(kShutterSwitchRequested, SwitchArgument(shutterState_)); });
    connect(feedback_, &QPushButton::clicked, this, [this] {
        Q_EMIT EventRaised(kFeedbackSwitchRequested, SwitchArgument(feedbackState_));
    });
    connect(lock_, &QPushButton::clicked, this,
            [this] { Q_EMIT EventRaised(kPanelLockRequested, SwitchArgument(lockState_)); });

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

    setTabOrder(lamp_, shutter_);
    setTabOrder(shutter_, feedback_);
    setTabOrder(feedback_, lock_);
    setTabOrder(lock_, irisDown_);
    setTabOrder(irisDown_, irisUp_);
    setTabOrder(irisUp_, irisSetting_);
    setTabOrder(irisSetting_, alarmClear_);

    SetLampState(lampState_);
    SetShutterState(shutterState_);
    SetFeedbackState(feedbackState_);
    SetLockState(lockState_);
    SetPanelState(kNoSourceState);
}

QPushButton* ButtonPanelWidget::AddSwitch(const QString& text, const QString& name,
                                          const QString& objectName) {
    auto* button = new QPushButton(text, this);
    button->setObjectName(objectName);
    button->setAccessibleName(name);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    return button;
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

void ButtonPanelWidget::ShowSwitch(QPushButton* button, const QString& name, const StateLook& look,
                                   const QString& action) {
    button->setIcon(LedIcon(look.tone));
    button->setAccessibleDescription(look.text);
    button->setToolTip(QStringLiteral("%1: %2\n%3").arg(name, look.text, action));
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
    feedbackState_ = state;
    ShowSwitch(
        feedback_, tr("Closed-loop feedback"), FeedbackLook(state),
        SwitchArgument(state) != 0 ? tr("Click to switch it on.") : tr("Click to switch it off."));
    return 0;
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
    lampState_ = state;
    ShowSwitch(
        lamp_, tr("Lamp"), LampLook(state),
        LampSwitchArgument(state) != 0 ? tr("Click to turn it on.") : tr("Click to turn it off."));
    return 0;
}

uint8_t ButtonPanelWidget::SetLightGuideState(uint8_t state) {
    ShowLook(lightGuide_, LightGuideLook(state));
    return 0;
}

uint8_t ButtonPanelWidget::SetLockState(uint8_t state) {
    lockState_ = state;
    ShowSwitch(lock_, tr("Front-panel lock"), LockLook(state),
               SwitchArgument(state) != 0 ? tr("Click to lock it and take computer control.")
                                          : tr("Click to hand control back to the front panel."));
    return 0;
}

uint8_t ButtonPanelWidget::SetShutterState(uint8_t state) {
    shutterState_ = state;
    ShowSwitch(shutter_, tr("Shutter"), ShutterLook(state),
               SwitchArgument(state) != 0 ? tr("Click to open it.") : tr("Click to close it."));
    return 0;
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
