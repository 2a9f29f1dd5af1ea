// The automatic capture that steps the light source through the intensity levels and records
// the meter's reading for each, the cell capture, and the commands that abort and clear.
#include <algorithm>
#include <array>
#include <optional>
#include <vector>

#include "core/app/command_ids.h"
#include "core/app/control_panel_dlg.h"
#include "core/snapshot/mag_and_fil_selection.h"
#include "core/snapshot/panel_axes.h"
#include "core/source/active_source.h"

namespace varden {

namespace {

enum CaptureState : uint8_t { kSetLevel = 0, kSettle = 1, kRecord = 2 };

// Ticks a level is left to settle after the source was set (the change to recording takes
// one more tick).
constexpr uint8_t kSettleTicks = 30;
constexpr int8_t kSnapshotPage = 4;
constexpr float kNoReading = -1.0f;
// The LED source is never set below 1 %; its level 0 is a closed shutter instead.
constexpr uint16_t kLedLowestLevel = 1;

constexpr std::array kCaptureLockedCommands{
    kCmdModifyWavelengths, kCmdModifyMagnifications, kCmdModifyIntensityIncrement,
    kCmdAutoCapture,       kCmdClearCaptures,        kCmdSavePowerSnapshotAs,
};

void LockCaptureCommands(CVardenControlPanelDlg& dlg) {
    dlg.captureLocked = true;
    for (int id : kCaptureLockedCommands) {
        dlg.shell.EnableMenuCommand(id, false);
    }
}

void UnlockCaptureCommands(CVardenControlPanelDlg& dlg) {
    dlg.captureLocked = false;
    // Without a meter the whole group stays greyed; its return enables them with the rest.
    if (!dlg.meterCommandsEnabled) {
        return;
    }
    for (int id : kCaptureLockedCommands) {
        dlg.shell.EnableMenuCommand(id, true);
    }
}

// The level after `level`, or nothing when `level` is the last row of the table: an
// increment that does not divide 100 ends at its last multiple below 100, never above 100.
std::optional<int> NextCaptureLevel(int level, uint16_t axisWord) {
    if (axisWord == 0 || IsLabelMode(axisWord)) {
        return std::nullopt;
    }
    const int next = level + axisWord;
    if (next > kMaxIncrement) {
        return std::nullopt;
    }
    return next;
}

void DriveSourceToLevel(CVardenControlPanelDlg& dlg, uint8_t level) {
    switch (ActiveSource(dlg)) {
        case LightSource::Lamp: dlg.lampApi.SetPercentageLevel(dlg.lampDevice, level); break;
        case LightSource::Led:
            if (level == 0) {
                dlg.ledApi.CloseShutter(dlg.ledDevice);
                dlg.ledApi.SetPercentageLevel(dlg.ledDevice, kLedLowestLevel);
            } else {
                if (dlg.shutterOpen == 0) {
                    dlg.ledApi.OpenShutter(dlg.ledDevice);
                }
                dlg.ledApi.SetPercentageLevel(dlg.ledDevice, level);
            }
            break;
        case LightSource::None: break;
    }
}

// Ends a running capture: closes the transaction, hands the source back to its front panel
// at its lowest level and gives the commands back.
void FinishCapture(CVardenControlPanelDlg& dlg) {
    dlg.tabPanel.SetCaptureState(0);
    dlg.captureRunning = false;
    dlg.tabPanel.EndCapture();
    switch (ActiveSource(dlg)) {
        case LightSource::Lamp:
            dlg.lampApi.CloseShutter(dlg.lampDevice);
            dlg.lampApi.SetPercentageLevel(dlg.lampDevice, 0);
            dlg.lampApi.DisableShutterControl(dlg.lampDevice);
            dlg.lampApi.DisconnectPC(dlg.lampDevice);
            break;
        case LightSource::Led:
            dlg.ledApi.CloseShutter(dlg.ledDevice);
            dlg.ledApi.SetPercentageLevel(dlg.ledDevice, kLedLowestLevel);
            dlg.ledApi.DisableShutterControl(dlg.ledDevice);
            break;
        case LightSource::None: break;
    }
    UnlockCaptureCommands(dlg);
}

}  // namespace

bool CVardenControlPanelDlg::CaptureHoldsCommand(int commandId) const {
    return captureLocked && std::find(kCaptureLockedCommands.begin(), kCaptureLockedCommands.end(),
                                      commandId) != kCaptureLockedCommands.end();
}

void CVardenControlPanelDlg::OnAutoCapture() {
    // The command is greyed while a capture holds it; a second start would nest transactions.
    if (captureLocked || captureRunning) {
        return;
    }
    if (IsLabelMode(intensityAxis)) {
        shell.ShowMessage(
            "An Orvane Auto Capture cannot be performed with manually entered intensities!",
            "Scan Error", MessageButtons::Ok);
        return;
    }
    if (calibrationHours != 0 &&
        shell.ShowMessage("Performing a capture clears the calibration, Do you wish to proceed?",
                          "Scan Confirmation", MessageButtons::YesNo) != MessageAnswer::Yes) {
        return;
    }
    if (ActiveSource(*this) == LightSource::None || meterApi.DeviceActive(meterDevice) == 0) {
        shell.ShowMessage(
            "Please ensure that an ovata/Tarsa and an Irvel are connected before initiating an "
            "automated data capture.",
            "Error", MessageButtons::Ok);
        return;
    }
    if (feedbackOn != 0) {
        OnActiveSource(*this, [](auto& api, uint16_t unit) { api.TurnCLFOff(unit); });
    }
    LockCaptureCommands(*this);
    OnActiveSource(*this, [](auto& api, uint16_t unit) { api.ClearCalibration(unit); });
    tabPanel.SelectPage(kSnapshotPage);

    const std::vector<uint16_t> magnifications = FetchAxisList(tabPanel, PanelList::Magnifications);
    const std::vector<uint16_t> wavelengths = FetchAxisList(tabPanel, PanelList::Filters);
    CMagAndFilSelection selection;
    selection.SetLists(magnifications, wavelengths);
    if (shell.RunModal(selection) != DialogResult::Ok) {
        captureRunning = false;
        UnlockCaptureCommands(*this);
        return;
    }

    tabPanel.BeginCapture();
    tabPanel.SelectCaptureColumn(static_cast<int16_t>(selection.m_wavelengthIndex),
                                 static_cast<int16_t>(selection.m_magnificationIndex));
    captureRunning = true;
    captureState = kSetLevel;
    captureLevel = 0;
    switch (ActiveSource(*this)) {
        case LightSource::Lamp:
            lampApi.SendConnect(lampDevice);
            lampApi.EnablePCShutterControl(lampDevice);
            lampApi.OpenShutter(lampDevice);
            break;
        case LightSource::Led:
            ledApi.SendConnect(ledDevice);
            ledApi.OpenShutter(ledDevice);
            break;
        case LightSource::None: break;
    }
}

void CVardenControlPanelDlg::CaptureStep() {
    if (!captureRunning) {
        return;
    }
    switch (captureState) {
        case kSetLevel:
            DriveSourceToLevel(*this, captureLevel);
            settleCountdown = kSettleTicks;
            captureState = kSettle;
            break;
        case kSettle:
            if (settleCountdown > 0) {
                --settleCountdown;
            } else {
                captureState = kRecord;
            }
            break;
        case kRecord:
        default: {
            tabPanel.AddCapturePoint(captureLevel, meterPower);
            const std::optional<int> next = NextCaptureLevel(captureLevel, intensityAxis);
            if (next) {
                captureLevel = static_cast<uint8_t>(*next);
                captureState = kSetLevel;
            } else {
                FinishCapture(*this);
            }
            break;
        }
    }
}

void CVardenControlPanelDlg::OnAbortCapture() {
    if (!captureRunning) {
        return;
    }
    if (shell.ShowMessage("Do you want to abort the Power Snapshot in progress?",
                          "Power Snapshot Confirmation",
                          MessageButtons::YesNo) != MessageAnswer::Yes) {
        return;
    }
    // The capture went on behind the question and may have finished meanwhile.
    if (captureRunning) {
        FinishCapture(*this);
    }
}

void CVardenControlPanelDlg::OnClearCaptures() {
    if (shell.ShowMessage(
            "Are you sure you want to clear the data from the Advanced Power Snapshot?",
            "Clear Captures Confirmation", MessageButtons::YesNo) == MessageAnswer::Yes) {
        tabPanel.ClearCaptures();
    }
}

void CVardenControlPanelDlg::OnCaptureCellRequested(uint8_t wavelengthIndex,
                                                    uint8_t magnificationIndex, uint8_t row) {
    // A cell capture opens a transaction of its own, which must not end inside the one of a
    // running automatic capture.
    if (captureRunning) {
        return;
    }
    const uint16_t axis = WalkableAxisWord(intensityAxis);
    const int rows = IntensityRowCount(axis);
    tabPanel.BeginCapture();
    tabPanel.SelectCaptureColumn(wavelengthIndex, magnificationIndex);
    // Rows without a point are filled with the "no reading" marker so that the column is
    // complete; rows that hold a point keep it.
    for (int i = 0; i < rows; ++i) {
        const auto level = static_cast<int16_t>(IntensityRowLevel(axis, i));
        float stored = 0.0f;
        const uint8_t status = tabPanel.GetCapturePoint(wavelengthIndex, magnificationIndex,
                                                        static_cast<uint16_t>(i), &stored);
        if (i == row) {
            tabPanel.AddCapturePoint(level, meterPower);
        } else if (status == 0) {
            tabPanel.AddCapturePoint(level, kNoReading);
        }
    }
    tabPanel.SetCaptureState(0);
    tabPanel.EndCapture();
}

}  // namespace varden
