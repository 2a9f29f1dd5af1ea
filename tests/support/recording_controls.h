#pragma once

#include <functional>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "core/controls/button_panel.h"
#include "core/controls/strip_chart.h"
#include "core/controls/tab_panel.h"
#include "support/call_log.h"

namespace varden::testing {

// A tab panel that logs every operation ("tab.ShowPower(12.5)") and keeps what the getters
// give back: the axis lists, the intensity axis, the snapshot cells, the data-log rows and the
// sampling interval. SelectPage raises event 1 through `raiseEvent` when one is connected.
class RecordingTabPanel : public CVardentabsctrl1 {
  public:
    explicit RecordingTabPanel(CallLog& log) : log_(log) {}

    // Connect to the controller: [&](int e, uint32_t a, uint32_t b, uint32_t c) {
    //     dlg.OnTabPanelEvent(e, a, b, c); }
    std::function<void(int, uint32_t, uint32_t, uint32_t)> raiseEvent;

    struct DataLogRow {
        uint16_t row;
        std::string timeStamp;
        float power;
        uint8_t input;
        uint16_t serial;
    };
    // Held state, readable and settable by tests.
    std::vector<uint16_t> filters;
    std::vector<uint16_t> magnifications;
    uint16_t intensityAxis = 10;
    std::map<uint8_t, std::string> intensityLabels;
    // Cells by (wavelength index, magnification index, row).
    std::map<std::tuple<int, int, int>, float> cells;
    std::vector<DataLogRow> dataLog;
    uint16_t sampleInterval = 10;
    // The column and transaction state of a capture.
    int captureDepth = 0;
    int16_t columnWavelength = -1;
    int16_t columnMagnification = -1;

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

  private:
    // The row a capture point of `level` lands in, from the intensity axis.
    int RowOfLevel(int level) const;

    CallLog& log_;
};

// A button panel that logs every operation ("buttons.SetLampState(2)").
class RecordingButtonPanel : public CovataButtons {
  public:
    explicit RecordingButtonPanel(CallLog& log) : log_(log) {}

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

  private:
    CallLog& log_;
};

// A strip chart that logs every operation ("chart.AddXValue(0.166667)") and keeps its points.
class RecordingStripChart : public CIstripchartx1 {
  public:
    explicit RecordingStripChart(CallLog& log) : log_(log) {}

    struct Point {
        double x;
        double y;
    };
    std::vector<Point> points;
    std::string yAxisTitle;

    void SetYAxisRange(double min, double max) override;
    void SetXAxisRange(double min, double max) override;
    void ClearData() override;
    int32_t AddXValue(double x) override;
    void SetYValue(int32_t channel, int32_t index, double y) override;
    void SetYAxisTitle(const std::string& title) override;

  private:
    CallLog& log_;
};

}  // namespace varden::testing
