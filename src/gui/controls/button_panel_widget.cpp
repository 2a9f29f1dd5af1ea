#include "gui/controls/button_panel_widget.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace varden {

ButtonPanelWidget::ButtonPanelWidget(QWidget* parent) : QWidget(parent) {
    auto* layout = new QHBoxLayout(this);
    hours_ = new QLabel("Lamp Hours: 0", this);
    output_ = new QLabel(this);
    layout->addWidget(hours_);
    layout->addWidget(output_);
    struct Button {
        const char* text;
        int event;
        quint8 argument;
    };
    for (Button b : {Button{"Lamp On", kLampSwitchRequested, 1},
                     Button{"Lamp Off", kLampSwitchRequested, 0},
                     Button{"Open", kShutterSwitchRequested, 1},
                     Button{"Close", kShutterSwitchRequested, 0}}) {
        auto* button = new QPushButton(tr(b.text), this);
        layout->addWidget(button);
        connect(button, &QPushButton::clicked, this,
                [this, b] { Q_EMIT EventRaised(b.event, b.argument); });
    }
}

uint8_t ButtonPanelWidget::SetUnitStatus6State(uint8_t) { return 0; }
uint8_t ButtonPanelWidget::SetCalibrationState(uint8_t) { return 0; }
uint8_t ButtonPanelWidget::SetFeedbackState(uint8_t) { return 0; }
uint8_t ButtonPanelWidget::SetHoursLevel(uint8_t) { return 0; }

void ButtonPanelWidget::SetOutputReadout(uint8_t percentage, uint16_t, uint8_t, uint16_t) {
    output_->setText(QString("%1%").arg(percentage));
}

void ButtonPanelWidget::SetHoursReadout(uint16_t hours) {
    hours_->setText(QString("Lamp Hours: %1").arg(hours));
}

uint8_t ButtonPanelWidget::SetLampState(uint8_t) { return 0; }
uint8_t ButtonPanelWidget::SetLightGuideState(uint8_t) { return 0; }
uint8_t ButtonPanelWidget::SetLockState(uint8_t) { return 0; }
uint8_t ButtonPanelWidget::SetShutterState(uint8_t) { return 0; }
uint8_t ButtonPanelWidget::SetTemperatureLevel(uint8_t) { return 0; }
uint8_t ButtonPanelWidget::SetPanelState(uint8_t) { return 0; }

}  // namespace varden
