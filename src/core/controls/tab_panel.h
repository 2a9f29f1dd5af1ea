#pragma once

#include <cstdint>
#include <string>

namespace varden {

// Most entries an axis list holds, and the slots a list exchange carries: each slot is 32 bits
// wide with the entry's unsigned 16-bit value in its low half.
inline constexpr int kMaxAxisEntries = 10;

// The tab panel: six pages (0 meter readings, 1 meter settings, 2 dates, 3 stored data log,
// 4 power snapshot table, 5 stability graph). Methods return a status byte that callers ignore
// unless stated. Arguments that name nothing (a page above 5, a slot above 4, a cell outside
// the table) are ignored.
class CVardentabsctrl1 {
  public:
    virtual ~CVardentabsctrl1() = default;

    virtual uint8_t SetCaptionHeight(uint16_t pixels) = 0;     // 153
    virtual uint8_t EnablePage(uint8_t page, uint8_t on) = 0;  // 152
    // Brings a page to the front and reports it like an operator's choice (event 1).
    virtual uint8_t SelectPage(int8_t page) = 0;  // 101

    // Power-meter readings and settings.
    virtual uint8_t ShowPower(float milliwatts) = 0;          // 102
    virtual uint8_t ShowReference(float milliwatts) = 0;      // 103
    virtual uint8_t ShowWavelength(uint16_t nanometres) = 0;  // 151
    virtual uint8_t ShowFavouriteWavelengths(uint16_t slot0, uint16_t slot1, uint16_t slot2,
                                             uint16_t slot3, uint16_t slot4) = 0;           // 134
    virtual uint8_t ShowSerialNumber(int16_t serial) = 0;                                   // 105
    virtual uint8_t ShowContrast(int16_t contrast) = 0;                                     // 106
    virtual uint8_t ShowMeterVersion(int16_t version) = 0;                                  // 107
    virtual uint8_t ShowMeterStatus1(uint8_t value) = 0;                                    // 108
    virtual uint8_t ShowMeterStatus2(uint8_t value) = 0;                                    // 109
    virtual uint8_t ShowModeFlag0(uint8_t on) = 0;                                          // 114
    virtual uint8_t ShowModeFlag15(uint8_t on) = 0;                                         // 115
    virtual uint8_t ShowModeFlag3(uint8_t on) = 0;                                          // 116
    virtual uint8_t ShowModeFlag4(uint8_t on) = 0;                                          // 117
    virtual uint8_t ShowModeFlag8(uint8_t on) = 0;                                          // 118
    virtual uint8_t ShowModeFlag9(uint8_t on) = 0;                                          // 119
    virtual uint8_t ShowModeFlag10(uint8_t on) = 0;                                         // 120
    virtual uint8_t ShowModeFlag12(uint8_t on) = 0;                                         // 122
    virtual uint8_t ShowCalDueDate(uint8_t field1, uint8_t field2, uint8_t field3) = 0;     // 123
    virtual uint8_t ShowOprCalDueDate(uint8_t field1, uint8_t field2, uint8_t field3) = 0;  // 150
    virtual uint8_t ShowMeterDateTime(uint8_t date1, uint8_t date2, uint8_t date3, uint8_t time1,
                                      uint8_t time2, uint8_t time3) = 0;  // 124

    // Stored data log table.
    virtual uint8_t AddDataLogRow(uint16_t row, const std::string& timeStamp, float power,
                                  uint8_t input, uint16_t serial) = 0;  // 125
    virtual uint8_t ClearDataLog() = 0;                                 // 126
    virtual uint8_t GetDataLogCount(uint16_t* count) = 0;               // 136
    // The time stamp comes back whole; callers that keep a fixed buffer cut it themselves.
    virtual uint8_t GetDataLogRow(uint16_t row, std::string* timeStamp, uint16_t* serial,
                                  float* power, uint16_t* input) = 0;  // 137

    // Stability page.
    virtual uint8_t EnableStabilityStart(uint8_t on) = 0;                      // 130
    virtual uint8_t EnableStabilityPause(uint8_t on) = 0;                      // 131
    virtual uint8_t EnableStabilityStop(uint8_t on) = 0;                       // 132
    virtual uint16_t GetSampleInterval(int16_t unused1, int16_t unused2) = 0;  // 133

    // Snapshot axes. Lists are a count and 32-bit slots; a fetch writes at most `capacity`
    // slots, so a caller's array can never be overrun.
    virtual uint8_t SetMagnificationList(uint16_t count, const int32_t* slots) = 0;  // 140
    virtual uint8_t SetFilterList(uint16_t count, const int32_t* slots) = 0;         // 141
    virtual uint8_t GetMagnificationList(uint16_t* count, int32_t* slots,
                                         uint16_t capacity) = 0;                            // 142
    virtual uint8_t GetFilterList(uint16_t* count, int32_t* slots, uint16_t capacity) = 0;  // 143
    virtual uint16_t GetIntensityAxis() = 0;                                                // 144
    virtual uint8_t SetIntensityAxis(uint16_t word) = 0;                                    // 145
    virtual uint8_t SetIntensityLabel(uint8_t row, const std::string& text) = 0;            // 154

    // Snapshot table and its capture transaction.
    virtual uint8_t ClearCaptures() = 0;  // 135
    virtual uint8_t BeginCapture() = 0;   // 148
    virtual uint8_t EndCapture() = 0;     // 149
    virtual uint8_t SelectCaptureColumn(int16_t wavelengthIndex,
                                        int16_t magnificationIndex) = 0;  // 127
    // Level is the row's level in percent (numeric axis) or its row index (labels);
    // a power of -1.0 marks a row without a reading.
    virtual uint8_t AddCapturePoint(int16_t level, float watts) = 0;  // 128
    virtual uint8_t SetCaptureState(uint8_t state) = 0;               // 129
    // Non-zero when the cell holds a point.
    virtual uint8_t GetCapturePoint(uint16_t wavelengthIndex, uint16_t magnificationIndex,
                                    uint16_t row, float* watts) = 0;  // 147
};

// Tab-panel events, by number.
enum TabPanelEvent : int {
    kPageSelected = 1,            // (page)
    kStabilityCommand = 2,        // (action: 0 start, 1 pause or resume, 2 stop)
    kFavouriteWavelengthSet = 3,  // (slot 0 to 4, nm)
    kSampleIntervalChanged = 4,   // (seconds)
    kContrastChanged = 5,         // (level)
    kCaptureCellRequested = 6,    // (wavelength index, magnification index, row)
    kWavelengthChanged = 7,       // (nm)
    kModeOptionChanged = 8,       // (on, mask)
};

}  // namespace varden
