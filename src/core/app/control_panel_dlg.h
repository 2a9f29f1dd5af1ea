#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/controls/button_panel.h"
#include "core/controls/strip_chart.h"
#include "core/controls/tab_panel.h"
#include "core/drivers/entry_tables.h"
#include "core/platform/clock.h"
#include "core/platform/geometry.h"
#include "core/platform/library.h"
#include "core/platform/profile_store.h"
#include "core/platform/shell.h"
#include "core/poll/pane_text_cache.h"
#include "core/stability/stability_record.h"

namespace varden {

class BitmapCanvas;

// What the controller works with: the window, the profile, the clock, the driver loader and
// the three panel controls. All of them outlive the controller.
struct ControlPanelEnvironment {
    Shell& shell;
    ProfileStore& profile;
    Clock& clock;
    LibraryLoader& loader;
    CVardentabsctrl1& tabPanel;
    CovataButtons& buttonPanel;
    CIstripchartx1& stripChart;
};

// The two menu command groups that follow the instruments.
enum class CommandGroup { PowerMeter, LightSource };

// The main controller: owns every instrument selection, driver table, status value and record,
// and turns ticks and operator events into driver and panel calls. Everything runs on the one
// user-interface thread. Methods are defined in the folder of their subsystem.
class CVardenControlPanelDlg {
public:
    explicit CVardenControlPanelDlg(const ControlPanelEnvironment& environment);
    // Shutdown: releases the connected light sources (nothing is sent to the power meter).
    ~CVardenControlPanelDlg();
    CVardenControlPanelDlg(const CVardenControlPanelDlg&) = delete;
    CVardenControlPanelDlg& operator=(const CVardenControlPanelDlg&) = delete;

    // ---- Start-up, closing, dispatch (app/) ----
    bool OnInitDialog();
    void OnOK();
    // Returns true when the dialog ends.
    bool OnCancel();
    void OnExit();
    void EnableCommandGroup(CommandGroup group, bool enabled);
    void OnTimer(int timerId);
    void OnMenuCommand(int commandId);
    // Returns false when the command is left to the window's default handling.
    bool OnSysCommand(int commandId);
    void OnButtonPanelEvent(int event, uint8_t argument);
    void OnTabPanelEvent(int event, uint32_t arg1 = 0, uint32_t arg2 = 0, uint32_t arg3 = 0);
    void OnStripChartEvent(int event);
    bool Ended() const { return ended; }

    // ---- Window layout, painting, mouse, About (app/) ----
    // Draws the background; returns whether it was erased.
    bool OnEraseBackground(BitmapCanvas& canvas);
    void OnSize();
    void OnLButtonDown(int x, int y);
    void ResizeToLayout();
    void RepaintBackground();
    // Brings the window to the layout of the current section flags after a header click.
    void ApplyLayout(bool tabSectionChanged);
    void ShowAboutBox();
    void ShowLightSourceProperties();

    // ---- Poll cycle (poll/) ----
    void OnPollTick();
    void DiscoverMeter(uint16_t meterCount);
    void DiscoverLamp(uint16_t lampCount);
    void DiscoverLed(uint16_t ledCount);
    void DisconnectLightSource();
    void ApplyRecordingRule();
    void PollLampSource();
    void PollLedSource();
    std::vector<std::string> DetectEvents();
    void PollMeter();

    // ---- Light-source commands (source/) ----
    void OnLampSwitchRequested(uint8_t on);
    void OnIrisStepUpRequested(uint8_t unused);
    void OnShutterSwitchRequested(uint8_t open);
    void OnFeedbackSwitchRequested(uint8_t on);
    void OnPanelLockRequested(uint8_t lock);
    void OnAlarmClearRequested(uint8_t unused);
    void OnIrisStepDownRequested(uint8_t unused);
    void OnIrisSettingRequested(uint8_t unused);
    void OnUnusedButtonEvent(uint8_t unused);

    // ---- Power-meter commands and stored data log (meter/) ----
    void OnShutdownPowerMeter();
    void OnSuspendPowerMeter();
    void OnWakeupPowerMeter();
    void OnSetRtcToPcClock();
    void OnClearFavouriteWavelengths();
    void OnFavouriteWavelengthSet(uint8_t slot, uint16_t wavelength);
    void OnContrastChanged(uint8_t level);
    void OnWavelengthChanged(uint16_t wavelength);
    void OnModeOptionChanged(uint8_t on, uint16_t mask);
    void OnDownloadDataLog();
    void OnClearDataLog();
    void OnSaveDataLogAs();

    // ---- Power snapshot (snapshot/) ----
    void RestoreSnapshotAxes();
    void OnAutoCapture();
    void CaptureStep();
    void OnAbortCapture();
    void OnClearCaptures();
    void OnCaptureCellRequested(uint8_t wavelengthIndex, uint8_t magnificationIndex, uint8_t row);
    void OnSavePowerSnapshotAs();
    void OnModifyWavelengths();
    void OnModifyMagnifications();
    void OnModifyIntensityIncrement();

    // ---- Stability recording and export (stability/) ----
    void OnPageSelected(uint8_t page);
    void OnStabilityCommand(uint8_t action);
    void OnSampleIntervalChanged(uint16_t seconds);
    void StartRecording();
    void StopRecording();
    void RecordingStep();
    void TakeSample(int64_t now);
    void AppendEvent(const std::string& text, uint32_t seconds);
    void OnAnnotationRequested();
    void OnSaveStabilityGraphDataAs();
    bool AskSavePreviousRecord();

    // ==== State. Members are public so each subsystem and its tests reach them directly. ====

    // Collaborators.
    Shell& shell;
    ProfileStore& profile;
    Clock& clock;
    LibraryLoader& loader;
    CVardentabsctrl1& tabPanel;
    CovataButtons& buttonPanel;
    CIstripchartx1& stripChart;

    // Window resources and layout. A bitmap member holds the bitmap's size once it is loaded.
    std::optional<Size> backgroundBitmap;
    std::optional<Size> barBitmap;
    std::optional<Size> expandBitmap;
    std::optional<Size> collapseBitmap;
    int32_t backgroundWidth = 370;
    int32_t contentHeight = 340;
    bool tabSectionShown = true;
    bool sourceSectionShown = true;
    Rect buttonPanelRect;
    Rect statusBarRect;
    int32_t captionExtra = 0;
    bool ended = false;

    // Driver libraries, never unloaded while the process runs.
    std::unique_ptr<Library> lampLibrary;
    std::unique_ptr<Library> meterLibrary;
    std::unique_ptr<Library> ledLibrary;
    int32_t lampBound = false;
    int32_t meterBound = false;
    int32_t ledBound = false;
    LampApi lampApi;
    MeterApi meterApi;
    LedApi ledApi;

    // Instrument selection and poll state.
    uint16_t lampDevice = 0;
    uint16_t meterDevice = 0;
    uint16_t ledDevice = 0;
    uint16_t lampCountSeen = 0;
    uint16_t meterCountSeen = 0;
    uint16_t ledCountSeen = 0;
    uint16_t meterCountdown = 0;
    uint8_t ledCountdown = 0;
    int32_t axesPending = true;
    uint16_t selectedPage = 0;
    // Status-bar texts of the source polls, by pane (0 calibration, 1 hours, 2 output power,
    // 3 percentage).
    std::array<PaneTextCache, 4> paneTexts{};

    // Light-source status, written by whichever source poll runs.
    int32_t frontPanelLocked = 0;
    int32_t lampOn = 0;
    int32_t unitStatus3 = 0;
    int32_t shutterOpen = 0;
    int32_t unitStatus5 = 0;
    int32_t unitStatus6 = 0;
    int32_t feedbackOn = 0;
    int32_t unitStatusExt2 = 0;
    int32_t lightGuideIn = 0;
    int32_t unitStatusExt4 = 0;
    uint8_t calibrationHours = 0;
    uint16_t powerFactor = 0;
    uint16_t sourceHours = 0;
    uint8_t lampTemperature = 0;
    uint8_t ledTemperature1 = 0;
    uint8_t ledTemperature2 = 0;
    uint16_t percentLevel = 0;
    uint16_t outputPowerRaw = 0;

    // Power-meter status, written by the meter poll.
    float meterPower = 0.0f;
    float meterReference = 0.0f;
    uint16_t meterSerial = 0;
    uint16_t meterVersion = 0;
    uint16_t meterMode = 0;
    uint8_t meterContrast = 0;
    std::array<int32_t, 6> meterStatus{};  // meterStatus1 to meterStatus6
    std::array<uint8_t, 3> calDueDate{};
    std::array<uint8_t, 3> oprCalDueDate{};
    std::array<uint8_t, 3> meterDate{};
    std::array<uint8_t, 3> meterClock{};
    uint16_t meterWavelength = 0;
    std::array<uint16_t, 5> favouriteWavelengths{};
    int32_t favouritesKnown = false;
    int32_t contrastKnown = false;

    // One stored reading of the meter's data log, overwritten for each reading.
    uint16_t storedDate = 0;
    uint16_t storedTime = 0;
    float storedPower = 0.0f;
    std::array<uint8_t, 4> storedSpare{};
    uint8_t storedInput = 0;
    uint16_t storedSerial = 0;
    uint16_t storedReadingNumber = 0;

    // Stability record.
    int32_t recording = false;
    int32_t unsaved = false;
    uint32_t elapsedSeconds = 0;
    uint16_t referenceReading = 0;
    int64_t lastSampleTime = 0;
    StabilityRecord record;  // the samples and events with their counts and capacities
    uint16_t sampleInterval = 10;
    int32_t prevLocked = 0;
    int32_t prevShutterOpen = 0;
    uint8_t prevCalibrationHours = 0;
    int32_t prevFeedbackOn = 0;
    int32_t prevLightGuideIn = 0;
    int32_t prevLampOn = 0;
    uint16_t prevOutputPowerRaw = 0;
    uint16_t prevPercentLevel = 0;

    // Power snapshot.
    int32_t captureRunning = false;
    uint8_t captureState = 0;
    uint8_t captureLevel = 0;
    uint8_t settleCountdown = 0;
    uint16_t intensityAxis = 10;
    std::array<std::string, 10> intensityLabels{};
};

}  // namespace varden
