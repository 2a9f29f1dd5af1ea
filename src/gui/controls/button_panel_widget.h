#pragma once

#include <QWidget>

#include "core/controls/button_panel.h"

class QLabel;

namespace varden {

// The light-source button panel: indicators for the source's state, the output and hours
// readouts, and the buttons the operator commands the source with.
class ButtonPanelWidget : public QWidget, public CovataButtons {
    Q_OBJECT
public:
    explicit ButtonPanelWidget(QWidget* parent = nullptr);

    uint8_t SetUnitStatus6State(uint8_t state) override;
    uint8_t SetCalibrationState(uint8_t state) override;
    uint8_t SetFeedbackState(uint8_t state) override;
    uint8_t SetHoursLevel(uint8_t level) override;
    void SetOutputReadout(uint8_t percentage, uint16_t rawPower, uint8_t calibrationHours,
                          uint16_t powerFactor) override;
    void SetHoursReadout(uint16_t hours) override;
    uint8_t SetLampState(uint8_t state) override;
    uint8_t SetLightGuideState(uint8_t state) override;
    uint8_t SetLockState(uint8_t state) override;
    uint8_t SetShutterState(uint8_t state) override;
    uint8_t SetTemperatureLevel(uint8_t level) override;
    uint8_t SetPanelState(uint8_t state) override;

Q_SIGNALS:
    // Event number (102 to 113) and its one-byte argument.
    void EventRaised(int event, quint8 argument);

private:
    QLabel* hours_ = nullptr;
    QLabel* output_ = nullptr;
};

}  // namespace varden
