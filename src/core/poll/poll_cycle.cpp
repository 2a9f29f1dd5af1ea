// The 100 ms heartbeat: discovers, connects and disconnects the instruments, then polls the
// light sources and the power meter and advances a running capture.
#include <array>

#include "core/app/control_panel_dlg.h"

namespace varden {

namespace {

// Unit numbers searched by discovery, inclusive.
constexpr uint16_t kLastLampUnit = 253;
constexpr uint16_t kLastMeterUnit = 253;
constexpr uint16_t kLastLedUnit = 19;

constexpr uint8_t kFirstMeterPage = 0;
constexpr uint8_t kLastMeterPage = 4;
constexpr uint8_t kStabilityPage = 5;

constexpr int kMeterLabelTextSize = 63;
constexpr uint8_t kNoSource = 4;

void EnableMeterPages(CVardentabsctrl1& tabPanel, bool on) {
    for (uint8_t page = kFirstMeterPage; page <= kLastMeterPage; ++page) {
        tabPanel.EnablePage(page, on ? 1 : 0);
    }
}

}  // namespace

void CVardenControlPanelDlg::OnPollTick() {
    if (axesPending) {
        RestoreSnapshotAxes();
        axesPending = false;
    }

    // The LED driver refreshes itself; only the lamp and meter drivers are asked to.
    lampApi.UpdateData();
    meterApi.UpdateData();
    const auto lampCount = static_cast<uint16_t>(lampApi.GetNumDevicesConnected());
    const auto meterCount = static_cast<uint16_t>(meterApi.GetNumDevicesConnected());
    const auto ledCount = static_cast<uint16_t>(ledApi.GetNumDevicesConnected());

    // Discovery runs only when a count changes. Once the LED driver has counted two or more
    // units, the LED shown is kept for the rest of the run.
    if (meterCount != meterCountSeen) {
        DiscoverMeter(meterCount);
    }
    if (lampCount != lampCountSeen) {
        DiscoverLamp(lampCount);
    }
    if (ledCount != ledCountSeen && ledCountSeen <= 1) {
        DiscoverLed(ledCount);
    }

    // Presence is decided afresh in each phase: the unit must answer and its driver must count
    // at least one device in this tick.
    if (lampApi.DeviceActive(lampDevice) != 0 && lampCount != 0) {
        PollLampSource();
        ApplyRecordingRule();
    } else if (recording) {
        StopRecording();
    }
    if (ledApi.DeviceActive(ledDevice) != 0 && ledCount != 0) {
        PollLedSource();
        ApplyRecordingRule();
    }
    if (meterApi.DeviceActive(meterDevice) != 0 && meterCount != 0) {
        PollMeter();
    }
    if (captureRunning) {
        CaptureStep();
    }
}

void CVardenControlPanelDlg::DiscoverMeter(uint16_t meterCount) {
    // The lowest answering unit is connected.
    for (uint16_t unit = 0; unit <= kLastMeterUnit; ++unit) {
        if (meterApi.DeviceActive(unit) == 0) {
            continue;
        }
        meterDevice = unit;
        meterApi.SetHexMode(meterDevice);
        meterApi.GetWaveLength(meterDevice, &meterWavelength);
        meterApi.GetFiveFreqSetPoints(meterDevice, &favouriteWavelengths[0],
                                      &favouriteWavelengths[1], &favouriteWavelengths[2],
                                      &favouriteWavelengths[3], &favouriteWavelengths[4]);
        // The meter is asked for its light-guide text as part of connecting; the text is not
        // shown. One spare byte keeps the buffer terminated whatever the driver writes.
        std::array<char, kMeterLabelTextSize + 1> lightGuideText{};
        meterApi.RequestLGC(meterDevice, lightGuideText.data(), kMeterLabelTextSize);
        // The meter poll fetches both again for this connection.
        favouritesKnown = false;
        contrastKnown = false;
        EnableMeterPages(tabPanel, true);
        EnableCommandGroup(CommandGroup::PowerMeter, true);
        break;
    }
    meterCountSeen = meterCount;
    if (meterApi.DeviceActive(meterDevice) == 0) {
        EnableMeterPages(tabPanel, false);
        EnableCommandGroup(CommandGroup::PowerMeter, false);
    }
}

void CVardenControlPanelDlg::DiscoverLamp(uint16_t lampCount) {
    // Every answering unit is identified and connected in turn, so the highest one stays shown.
    for (uint16_t unit = 0; unit <= kLastLampUnit; ++unit) {
        if (lampApi.DeviceActive(unit) == 0) {
            continue;
        }
        lampApi.UpdateData();
        lampDevice = unit;
        lampApi.Identify(lampDevice);
        buttonPanel.SetPanelState(0);
        tabPanel.EnablePage(kStabilityPage, 1);
        EnableCommandGroup(CommandGroup::LightSource, true);
    }
    lampCountSeen = lampCount;
    if (lampApi.DeviceActive(lampDevice) == 0) {
        DisconnectLightSource();
        tabPanel.EnablePage(kStabilityPage, 0);
        EnableCommandGroup(CommandGroup::LightSource, false);
    }
}

void CVardenControlPanelDlg::DiscoverLed(uint16_t ledCount) {
    // As for the lamp, the highest answering unit stays shown. The stability page and the
    // light-source commands follow the lamp only.
    if (ledCount != 0) {
        for (uint16_t unit = 0; unit <= kLastLedUnit; ++unit) {
            if (ledApi.DeviceActive(unit) == 0) {
                continue;
            }
            ledApi.SendIdentify(unit);
            ledDevice = unit;
            buttonPanel.SetPanelState(0);
        }
    }
    ledCountSeen = ledCount;
    if (ledApi.DeviceActive(ledDevice) == 0) {
        DisconnectLightSource();
        tabPanel.EnablePage(kStabilityPage, 0);
    }
}

void CVardenControlPanelDlg::DisconnectLightSource() {
    shell.SetWindowTitle("Orvane Control Panel");
    buttonPanel.SetUnitStatus6State(kNoSource);
    buttonPanel.SetCalibrationState(kNoSource);
    buttonPanel.SetFeedbackState(kNoSource);
    buttonPanel.SetHoursLevel(kNoSource);
    buttonPanel.SetLampState(kNoSource);
    buttonPanel.SetLightGuideState(kNoSource);
    buttonPanel.SetLockState(kNoSource);
    buttonPanel.SetShutterState(kNoSource);
    buttonPanel.SetTemperatureLevel(kNoSource);
    buttonPanel.SetPanelState(kNoSource);
}

void CVardenControlPanelDlg::ApplyRecordingRule() {
    // A recording measures the source under closed-loop feedback: it ends when the source poll
    // just run reports feedback off.
    if (!recording) {
        return;
    }
    if (feedbackOn == 0) {
        StopRecording();
    } else {
        RecordingStep();
    }
}

}  // namespace varden
