#pragma once

#include <QWidget>
#include <array>

#include "core/controls/button_panel.h"

class QLabel;
class QPushButton;
class QToolButton;

namespace varden {

class IndicatorLed;
struct StateLook;

// The light-source button panel: four switch buttons that show the state they switch (lamp,
// shutter, closed-loop feedback, front-panel lock), the iris controls, alarm clearing, the
// output readout and the status lights (lamp hours, calibration, light guide, temperature,
// unit status 6). Each button raises one event with its one-byte argument; the panel never
// changes a state itself, it shows what the source reports. Its controls carry object names
// ("lampSwitch", "irisUp", "hoursLight", ...) by which tests and tools find them.
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

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    // A button that shows the state it switches and asks for the opposite.
    struct Switch {
        QPushButton* button = nullptr;
        QString name;
        StateLook (*look)(uint8_t) = nullptr;
        uint8_t (*argument)(uint8_t) = nullptr;
        QString switchOn;
        QString switchOff;
        uint8_t state = 4;
    };
    enum SwitchIndex { kLampSwitch, kShutterSwitch, kFeedbackSwitch, kLockSwitch, kSwitchCount };

    QToolButton* AddCommand(const QString& text, const QString& name, const QString& tip,
                            int event);
    QToolButton* AddIrisStep(Qt::ArrowType arrow, const QString& name, int event);
    uint8_t ShowSwitch(Switch& s, uint8_t state);

    std::array<Switch, kSwitchCount> switches_;
    QToolButton* irisDown_ = nullptr;
    QToolButton* irisUp_ = nullptr;
    QToolButton* irisSetting_ = nullptr;
    QToolButton* alarmClear_ = nullptr;
    QLabel* percentage_ = nullptr;
    QLabel* outputPower_ = nullptr;
    IndicatorLed* hours_ = nullptr;
    IndicatorLed* calibration_ = nullptr;
    IndicatorLed* lightGuide_ = nullptr;
    IndicatorLed* temperature_ = nullptr;
    IndicatorLed* unitStatus6_ = nullptr;
};

}  // namespace varden
