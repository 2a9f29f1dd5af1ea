#pragma once

#include <QTabWidget>

#include "core/controls/tab_panel.h"

namespace varden {

class DataLogPage;
class MeterDatesPage;
class MeterSettingsPage;
class PowerPage;
class SnapshotPage;
class StabilityPage;

// The tab panel: six pages (0 meter readings, 1 meter settings, 2 dates, 3 stored data log,
// 4 power snapshot table, 5 stability graph). It holds the data log and the snapshot table
// with their axes; the operator's actions on the pages raise the numbered events.
class TabPanelWidget : public QTabWidget, public CVardentabsctrl1 {
    Q_OBJECT
  public:
    static constexpr int kPageCount = 6;

    explicit TabPanelWidget(QWidget* parent = nullptr);

    // The page that holds the strip chart.
    QWidget* StabilityPage() const;

    PowerPage& Power() const { return *power_; }
    MeterSettingsPage& Settings() const { return *settings_; }
    MeterDatesPage& Dates() const { return *dates_; }
    DataLogPage& DataLog() const { return *dataLog_; }
    SnapshotPage& Snapshot() const { return *snapshot_; }
    varden::StabilityPage& Stability() const { return *stability_; }
    uint16_t CaptionHeight() const { return captionHeight_; }

    uint8_t SetCaptionHeight(uint16_t pixels) override;
    uint8_t EnablePage(uint8_t page, uint8_t on) override;
    uint8_t SelectPage(int8_t page) override;
    uint8_t ShowPower(float milliwatts) override;
    uint8_t ShowReference(float milliwatts) override;
    uint8_t ShowWavelength(uint16_t nanometres) override;
    uint8_t ShowFavouriteWavelengths(uint16_t slot0, uint16_t slot1, uint16_t slot2, uint16_t slot3,
                                     uint16_t slot4) override;
    uint8_t ShowSerialNumber(int16_t serial) override;
    uint8_t ShowContrast(int16_t contrast) override;
    uint8_t ShowMeterVersion(int16_t version) override;
    uint8_t ShowMeterStatus1(uint8_t value) override;
    uint8_t ShowMeterStatus2(uint8_t value) override;
    uint8_t ShowModeFlag0(uint8_t on) override;
    uint8_t ShowModeFlag15(uint8_t on) override;
    uint8_t ShowModeFlag3(uint8_t on) override;
    uint8_t ShowModeFlag4(uint8_t on) override;
    uint8_t ShowModeFlag8(uint8_t on) override;
    uint8_t ShowModeFlag9(uint8_t on) override;
    uint8_t ShowModeFlag10(uint8_t on) override;
    uint8_t ShowModeFlag12(uint8_t on) override;
    uint8_t ShowCalDueDate(uint8_t field1, uint8_t field2, uint8_t field3) override;
    uint8_t ShowOprCalDueDate(uint8_t field1, uint8_t field2, uint8_t field3) override;
    uint8_t ShowMeterDateTime(uint8_t date1, uint8_t date2, uint8_t date3, uint8_t time1,
                              uint8_t time2, uint8_t time3) override;
    uint8_t AddDataLogRow(uint16_t row, const std::string& timeStamp, float power, uint8_t input,
                          uint16_t serial) override;
    uint8_t ClearDataLog() override;
    uint8_t GetDataLogCount(uint16_t* count) override;
    uint8_t GetDataLogRow(uint16_t row, std::string* timeStamp, uint16_t* serial, float* power,
                          uint16_t* input) override;
    uint8_t EnableStabilityStart(uint8_t on) override;
    uint8_t EnableStabilityPause(uint8_t on) override;
    uint8_t EnableStabilityStop(uint8_t on) override;
    uint16_t GetSampleInterval(int16_t unused1, int16_t unused2) override;
    uint8_t SetMagnificationList(uint16_t count, const int32_t* slots) override;
    uint8_t SetFilterList(uint16_t count, const int32_t* slots) override;
    uint8_t GetMagnificationList(uint16_t* count, int32_t* slots, uint16_t capacity) override;
    uint8_t GetFilterList(uint16_t* count, int32_t* slots, uint16_t capacity) override;
    uint16_t GetIntensityAxis() override;
    uint8_t SetIntensityAxis(uint16_t word) override;
    uint8_t SetIntensityLabel(uint8_t row, const std::string& text) override;
    uint8_t ClearCaptures() override;
    uint8_t BeginCapture() override;
    uint8_t EndCapture() override;
    uint8_t SelectCaptureColumn(int16_t wavelengthIndex, int16_t magnificationIndex) override;
    uint8_t AddCapturePoint(int16_t level, float watts) override;
    uint8_t SetCaptureState(uint8_t state) override;
    uint8_t GetCapturePoint(uint16_t wavelengthIndex, uint16_t magnificationIndex, uint16_t row,
                            float* watts) override;

  Q_SIGNALS:
    // Event number and its arguments (unused ones are 0).
    void EventRaised(int event, quint32 arg1, quint32 arg2, quint32 arg3);

  private:
    uint8_t ShowModeOption(std::size_t option, uint8_t on);

    PowerPage* power_ = nullptr;
    MeterSettingsPage* settings_ = nullptr;
    MeterDatesPage* dates_ = nullptr;
    DataLogPage* dataLog_ = nullptr;
    SnapshotPage* snapshot_ = nullptr;
    varden::StabilityPage* stability_ = nullptr;
    uint16_t captionHeight_ = 0;
};

}  // namespace varden
