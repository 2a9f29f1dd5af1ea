#pragma once

#include <QWidget>
#include <cstdint>

class QLabel;

namespace varden {

// Tab page 2: the meter's calibration due date, its date and clock, and its second
// calibration due date. Date fields are shown in the order the meter gives them.
class MeterDatesPage : public QWidget {
    Q_OBJECT
  public:
    explicit MeterDatesPage(QWidget* parent = nullptr);

    void ShowCalibrationDue(uint8_t field1, uint8_t field2, uint8_t field3);
    void ShowSecondCalibrationDue(uint8_t field1, uint8_t field2, uint8_t field3);
    void ShowDateTime(uint8_t date1, uint8_t date2, uint8_t date3, uint8_t hour, uint8_t minute,
                      uint8_t second);

    QLabel* CalibrationDue() const { return calibrationDue_; }
    QLabel* SecondCalibrationDue() const { return secondCalibrationDue_; }
    QLabel* MeterDate() const { return date_; }
    QLabel* MeterClock() const { return clock_; }

  private:
    QLabel* calibrationDue_ = nullptr;
    QLabel* secondCalibrationDue_ = nullptr;
    QLabel* date_ = nullptr;
    QLabel* clock_ = nullptr;
};

}  // namespace varden
