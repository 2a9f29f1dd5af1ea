#pragma once

#include <QWidget>
#include <array>
#include <cstdint>

class QCheckBox;
class QLabel;

namespace varden {

class ReadoutSpinBox;

// One mode option of the meter: a bit of its mode word. For an inverted option the check box
// is ticked while the bit is CLEAR, because the meter poll shows those bits negated (bits 15,
// 3 and 4). A click therefore asks to set the bit when an ordinary option is ticked or an
// inverted one is unticked, and to clear it otherwise, so that the mode word always ends up
// as the box now shows it.
struct ModeOption {
    int bit;
    bool inverted;
};

// The eight options in the order of their show operations (ShowModeFlag0, 15, 3, 4, 8, 9, 10, 12).
inline constexpr std::array<ModeOption, 8> kModeOptions{{{0, false},
                                                         {15, true},
                                                         {3, true},
                                                         {4, true},
                                                         {8, false},
                                                         {9, false},
                                                         {10, false},
                                                         {12, false}}};

// Tab page 1: the meter's serial number, software version, status values 1 and 2, display
// contrast (settable) and mode options (settable).
class MeterSettingsPage : public QWidget {
    Q_OBJECT
  public:
    explicit MeterSettingsPage(QWidget* parent = nullptr);

    void ShowSerialNumber(int16_t serial);
    void ShowVersion(int16_t version);
    void ShowStatus1(uint8_t value);
    void ShowStatus2(uint8_t value);
    void ShowContrast(int16_t contrast);
    // `option` indexes kModeOptions; others are ignored.
    void ShowModeOption(std::size_t option, uint8_t on);

    QLabel* SerialNumber() const { return serial_; }
    QLabel* Version() const { return version_; }
    QLabel* Status1() const { return status1_; }
    QLabel* Status2() const { return status2_; }
    ReadoutSpinBox* Contrast() const { return contrast_; }
    QCheckBox* ModeOptionBox(std::size_t option) const { return options_[option]; }

  Q_SIGNALS:
    void ContrastEntered(quint8 level);
    // on: 1 sets the bits of mask in the mode word, 0 clears them.
    void ModeOptionChanged(quint8 on, quint16 mask);

  private:
    QLabel* serial_ = nullptr;
    QLabel* version_ = nullptr;
    QLabel* status1_ = nullptr;
    QLabel* status2_ = nullptr;
    ReadoutSpinBox* contrast_ = nullptr;
    std::array<QCheckBox*, kModeOptions.size()> options_{};
};

}  // namespace varden
