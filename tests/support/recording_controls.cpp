#include "support/recording_controls.h"

#include <algorithm>

namespace varden::testing {

uint8_t RecordingTabPanel::SetCaptionHeight(uint16_t pixels) {
    log_.Add(Call("tab.SetCaptionHeight", pixels));
    return 0;
}

uint8_t RecordingTabPanel::EnablePage(uint8_t page, uint8_t on) {
    log_.Add(Call("tab.EnablePage", page, on));
    return 0;
}

uint8_t RecordingTabPanel::ShowPower(float milliwatts) {
    log_.Add(Call("tab.ShowPower", milliwatts));
    return 0;
}

uint8_t RecordingTabPanel::ShowReference(float milliwatts) {
    log_.Add(Call("tab.ShowReference", milliwatts));
    return 0;
}

uint8_t RecordingTabPanel::ShowWavelength(uint16_t nanometres) {
    log_.Add(Call("tab.ShowWavelength", nanometres));
    return 0;
}

uint8_t RecordingTabPanel::ShowFavouriteWavelengths(uint16_t slot0, uint16_t slot1, uint16_t slot2,
                                                    uint16_t slot3, uint16_t slot4) {
    log_.Add(Call("tab.ShowFavouriteWavelengths", slot0, slot1, slot2, slot3, slot4));
    return 0;
}

uint8_t RecordingTabPanel::ShowSerialNumber(int16_t serial) {
    log_.Add(Call("tab.ShowSerialNumber", serial));
    return 0;
}

uint8_t RecordingTabPanel::ShowContrast(int16_t contrast) {
    log_.Add(Call("tab.ShowContrast", contrast));
    return 0;
}

uint8_t RecordingTabPanel::ShowMeterVersion(int16_t version) {
    log_.Add(Call("tab.ShowMeterVersion", version));
    return 0;
}

uint8_t RecordingTabPanel::ShowMeterStatus1(uint8_t value) {
    log_.Add(Call("tab.ShowMeterStatus1", value));
    return 0;
}

uint8_t RecordingTabPanel::ShowMeterStatus2(uint8_t value) {
    log_.Add(Call("tab.ShowMeterStatus2", value));
    return 0;
}

uint8_t RecordingTabPanel::ShowModeFlag0(uint8_t on) {
    log_.Add(Call("tab.ShowModeFlag0", on));
    return 0;
}

uint8_t RecordingTabPanel::ShowModeFlag15(uint8_t on) {
    log_.Add(Call("tab.ShowModeFlag15", on));
    return 0;
}

uint8_t RecordingTabPanel::ShowModeFlag3(uint8_t on) {
    log_.Add(Call("tab.ShowModeFlag3", on));
    return 0;
}

uint8_t RecordingTabPanel::ShowModeFlag4(uint8_t on) {
    log_.Add(Call("tab.ShowModeFlag4", on));
    return 0;
}

uint8_t RecordingTabPanel::ShowModeFlag8(uint8_t on) {
    log_.Add(Call("tab.ShowModeFlag8", on));
    return 0;
}

uint8_t RecordingTabPanel::ShowModeFlag9(uint8_t on) {
    log_.Add(Call("tab.ShowModeFlag9", on));
    return 0;
}

uint8_t RecordingTabPanel::ShowModeFlag10(uint8_t on) {
    log_.Add(Call("tab.ShowModeFlag10", on));
    return 0;
}

uint8_t RecordingTabPanel::ShowModeFlag12(uint8_t on) {
    log_.Add(Call("tab.ShowModeFlag12", on));
    return 0;
}

uint8_t RecordingTabPanel::ShowCalDueDate(uint8_t field1, uint8_t field2, uint8_t field3) {
    log_.Add(Call("tab.ShowCalDueDate", field1, field2, field3));
    return 0;
}

uint8_t RecordingTabPanel::ShowOprCalDueDate(uint8_t field1, uint8_t field2, uint8_t field3) {
    log_.Add(Call("tab.ShowOprCalDueDate", field1, field2, field3));
    return 0;
}

uint8_t RecordingTabPanel::ShowMeterDateTime(uint8_t date1, uint8_t date2, uint8_t date3,
                                             uint8_t time1, uint8_t time2, uint8_t time3) {
    log_.Add(Call("tab.ShowMeterDateTime", date1, date2, date3, time1, time2, time3));
    return 0;
}

uint8_t RecordingTabPanel::EnableStabilityStart(uint8_t on) {
    log_.Add(Call("tab.EnableStabilityStart", on));
    return 0;
}

uint8_t RecordingTabPanel::EnableStabilityPause(uint8_t on) {
    log_.Add(Call("tab.EnableStabilityPause", on));
    return 0;
}

uint8_t RecordingTabPanel::EnableStabilityStop(uint8_t on) {
    log_.Add(Call("tab.EnableStabilityStop", on));
    return 0;
}

uint8_t RecordingButtonPanel::SetUnitStatus6State(uint8_t state) {
    log_.Add(Call("buttons.SetUnitStatus6State", state));
    return 0;
}

uint8_t RecordingButtonPanel::SetCalibrationState(uint8_t state) {
    log_.Add(Call("buttons.SetCalibrationState", state));
    return 0;
}

uint8_t RecordingButtonPanel::SetFeedbackState(uint8_t state) {
    log_.Add(Call("buttons.SetFeedbackState", state));
    return 0;
}

uint8_t RecordingButtonPanel::SetHoursLevel(uint8_t state) {
    log_.Add(Call("buttons.SetHoursLevel", state));
    return 0;
}

uint8_t RecordingButtonPanel::SetLampState(uint8_t state) {
    log_.Add(Call("buttons.SetLampState", state));
    return 0;
}

uint8_t RecordingButtonPanel::SetLightGuideState(uint8_t state) {
    log_.Add(Call("buttons.SetLightGuideState", state));
    return 0;
}

uint8_t RecordingButtonPanel::SetLockState(uint8_t state) {
    log_.Add(Call("buttons.SetLockState", state));
    return 0;
}

uint8_t RecordingButtonPanel::SetShutterState(uint8_t state) {
    log_.Add(Call("buttons.SetShutterState", state));
    return 0;
}

uint8_t RecordingButtonPanel::SetTemperatureLevel(uint8_t state) {
    log_.Add(Call("buttons.SetTemperatureLevel", state));
    return 0;
}

uint8_t RecordingButtonPanel::SetPanelState(uint8_t state) {
    log_.Add(Call("buttons.SetPanelState", state));
    return 0;
}

void RecordingButtonPanel::SetOutputReadout(uint8_t percentage, uint16_t rawPower,
                                            uint8_t calibrationHours, uint16_t powerFactor) {
    log_.Add(Call("buttons.SetOutputReadout", percentage, rawPower, calibrationHours, powerFactor));
}

void RecordingButtonPanel::SetHoursReadout(uint16_t hours) {
    log_.Add(Call("buttons.SetHoursReadout", hours));
}

uint8_t RecordingTabPanel::SelectPage(int8_t page) {
    log_.Add(Call("tab.SelectPage", page));
    if (raiseEvent && page >= 0 && page <= 5) {
        raiseEvent(kPageSelected, static_cast<uint32_t>(page), 0, 0);
    }
    return 0;
}

uint8_t RecordingTabPanel::AddDataLogRow(uint16_t row, const std::string& timeStamp, float power,
                                         uint8_t input, uint16_t serial) {
    log_.Add(Call("tab.AddDataLogRow", row, timeStamp, power, input, serial));
    dataLog.push_back(DataLogRow{row, timeStamp, power, input, serial});
    return 0;
}

uint8_t RecordingTabPanel::ClearDataLog() {
    log_.Add(Call("tab.ClearDataLog"));
    dataLog.clear();
    return 0;
}

uint8_t RecordingTabPanel::GetDataLogCount(uint16_t* count) {
    log_.Add(Call("tab.GetDataLogCount"));
    *count = static_cast<uint16_t>(dataLog.size());
    return 0;
}

uint8_t RecordingTabPanel::GetDataLogRow(uint16_t row, std::string* timeStamp, uint16_t* serial,
                                         float* power, uint16_t* input) {
    log_.Add(Call("tab.GetDataLogRow", row));
    if (row >= dataLog.size()) {
        return 0;
    }
    const DataLogRow& r = dataLog[row];
    *timeStamp = r.timeStamp;
    *serial = r.serial;
    *power = r.power;
    *input = r.input;
    return 1;
}

uint16_t RecordingTabPanel::GetSampleInterval(int16_t unused1, int16_t unused2) {
    log_.Add(Call("tab.GetSampleInterval", unused1, unused2));
    return sampleInterval;
}

namespace {

std::vector<uint16_t> FromSlots(uint16_t count, const int32_t* slots) {
    std::vector<uint16_t> list;
    for (int i = 0; i < std::min<int>(count, kMaxAxisEntries); ++i) {
        list.push_back(static_cast<uint16_t>(slots[i] & 0xFFFF));
    }
    return list;
}

std::string Joined(const std::vector<uint16_t>& list) {
    std::string text;
    for (uint16_t value : list) {
        text += (text.empty() ? "" : " ") + std::to_string(value);
    }
    return text;
}

void ToSlots(const std::vector<uint16_t>& list, uint16_t* count, int32_t* slots,
             uint16_t capacity) {
    const uint16_t n = static_cast<uint16_t>(std::min<std::size_t>(list.size(), capacity));
    for (uint16_t i = 0; i < n; ++i) {
        slots[i] = list[i];
    }
    *count = n;
}

}  // namespace

uint8_t RecordingTabPanel::SetMagnificationList(uint16_t count, const int32_t* slots) {
    magnifications = FromSlots(count, slots);
    log_.Add(Call("tab.SetMagnificationList", count, Joined(magnifications)));
    return 0;
}

uint8_t RecordingTabPanel::SetFilterList(uint16_t count, const int32_t* slots) {
    filters = FromSlots(count, slots);
    log_.Add(Call("tab.SetFilterList", count, Joined(filters)));
    return 0;
}

uint8_t RecordingTabPanel::GetMagnificationList(uint16_t* count, int32_t* slots,
                                                uint16_t capacity) {
    log_.Add(Call("tab.GetMagnificationList"));
    ToSlots(magnifications, count, slots, capacity);
    return 0;
}

uint8_t RecordingTabPanel::GetFilterList(uint16_t* count, int32_t* slots, uint16_t capacity) {
    log_.Add(Call("tab.GetFilterList"));
    ToSlots(filters, count, slots, capacity);
    return 0;
}

uint16_t RecordingTabPanel::GetIntensityAxis() {
    log_.Add(Call("tab.GetIntensityAxis"));
    return intensityAxis;
}

uint8_t RecordingTabPanel::SetIntensityAxis(uint16_t word) {
    log_.Add(Call("tab.SetIntensityAxis", word));
    intensityAxis = word;
    return 0;
}

uint8_t RecordingTabPanel::SetIntensityLabel(uint8_t row, const std::string& text) {
    log_.Add(Call("tab.SetIntensityLabel", row, text));
    intensityLabels[row] = text;
    return 0;
}

uint8_t RecordingTabPanel::ClearCaptures() {
    log_.Add(Call("tab.ClearCaptures"));
    cells.clear();
    return 0;
}

uint8_t RecordingTabPanel::BeginCapture() {
    log_.Add(Call("tab.BeginCapture"));
    ++captureDepth;
    return 0;
}

uint8_t RecordingTabPanel::EndCapture() {
    log_.Add(Call("tab.EndCapture"));
    --captureDepth;
    return 0;
}

uint8_t RecordingTabPanel::SelectCaptureColumn(int16_t wavelengthIndex,
                                               int16_t magnificationIndex) {
    log_.Add(Call("tab.SelectCaptureColumn", wavelengthIndex, magnificationIndex));
    columnWavelength = wavelengthIndex;
    columnMagnification = magnificationIndex;
    return 0;
}

int RecordingTabPanel::RowOfLevel(int level) const {
    if (intensityAxis >= 1 && intensityAxis <= 100) {
        return level / intensityAxis;
    }
    return level;
}

uint8_t RecordingTabPanel::AddCapturePoint(int16_t level, float watts) {
    log_.Add(Call("tab.AddCapturePoint", level, watts));
    cells[{columnWavelength, columnMagnification, RowOfLevel(level)}] = watts;
    return 0;
}

uint8_t RecordingTabPanel::SetCaptureState(uint8_t state) {
    log_.Add(Call("tab.SetCaptureState", state));
    return 0;
}

uint8_t RecordingTabPanel::GetCapturePoint(uint16_t wavelengthIndex, uint16_t magnificationIndex,
                                           uint16_t row, float* watts) {
    log_.Add(Call("tab.GetCapturePoint", wavelengthIndex, magnificationIndex, row));
    auto found = cells.find({wavelengthIndex, magnificationIndex, row});
    if (found == cells.end()) {
        // An empty cell reads as "no reading".
        *watts = -1.0f;
        return 0;
    }
    *watts = found->second;
    return 1;
}

void RecordingStripChart::SetYAxisRange(double min, double max) {
    log_.Add(Call("chart.SetYAxisRange", min, max));
}

void RecordingStripChart::SetXAxisRange(double min, double max) {
    log_.Add(Call("chart.SetXAxisRange", min, max));
}

void RecordingStripChart::ClearData() {
    log_.Add(Call("chart.ClearData"));
    points.clear();
}

int32_t RecordingStripChart::AddXValue(double x) {
    log_.Add(Call("chart.AddXValue", x));
    points.push_back(Point{x, 0.0});
    return static_cast<int32_t>(points.size() - 1);
}

void RecordingStripChart::SetYValue(int32_t channel, int32_t index, double y) {
    log_.Add(Call("chart.SetYValue", channel, index, y));
    if (index == -1 && !points.empty()) {
        points.back().y = y;
    } else if (index >= 0 && static_cast<std::size_t>(index) < points.size()) {
        points[static_cast<std::size_t>(index)].y = y;
    }
}

void RecordingStripChart::SetYAxisTitle(const std::string& title) {
    log_.Add(Call("chart.SetYAxisTitle", title));
    yAxisTitle = title;
}

}  // namespace varden::testing
