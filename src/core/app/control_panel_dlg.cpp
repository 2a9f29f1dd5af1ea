#include "core/app/control_panel_dlg.h"

#include <array>

#include "core/app/command_ids.h"
#include "core/drivers/library_binding.h"

namespace varden {

namespace {

// Commands enabled and greyed together, in the order they are switched.
constexpr std::array kPowerMeterGroup{
    kCmdModifyWavelengths,   kCmdModifyMagnifications, kCmdModifyIntensityIncrement,
    kCmdSavePowerSnapshotAs, kCmdShutdownPowerMeter,   kCmdSuspendPowerMeter,
    kCmdWakeupPowerMeter,    kCmdSetRtcToPcClock,      kCmdClearFavouriteWavelengths,
    kCmdAbortCapture,        kCmdDownloadDataLog,      kCmdClearDataLog,
    kCmdSaveDataLogAs,       kCmdAutoCapture,          kCmdClearCaptures,
};
constexpr std::array kLightSourceGroup{kCmdSaveStabilityGraphDataAs};

// The window metrics are read again while the caption height comes back as nonsense.
constexpr int kImplausibleCaptionHeight = 10000;
// Caption plus menu-bar height that the layout was drawn for.
constexpr int kDesignedCaptionAndMenu = 46;

constexpr int kButtonPanelTop = 212;
constexpr int kButtonPanelHeight = 81;
constexpr int kStatusBarHeight = 25;
constexpr Rect kTabPanelRect{7, 12, 7 + 354, 12 + 190};
constexpr Rect kStripChartRect{50, 15, 50 + 280, 15 + 130};
constexpr int kShutdownPauseMs = 30;

}  // namespace

CVardenControlPanelDlg::CVardenControlPanelDlg(const ControlPanelEnvironment& environment)
    : shell(environment.shell),
      profile(environment.profile),
      clock(environment.clock),
      loader(environment.loader),
      tabPanel(environment.tabPanel),
      buttonPanel(environment.buttonPanel),
      stripChart(environment.stripChart) {}

bool CVardenControlPanelDlg::OnInitDialog() {
    if (shell.HasSystemMenu()) {
        shell.AppendSystemMenuEntry(kSysCmdProperties, "Orvane ovata Properties...");
        std::string about = shell.LoadStringResource(kStringAboutEntry);
        if (!about.empty()) {
            shell.AppendSystemMenuSeparator();
            shell.AppendSystemMenuEntry(kSysCmdAbout, about);
        }
    }
    shell.SetWindowIcon();

    record = StabilityRecord{};
    lampBound = meterBound = ledBound = false;

    // The libraries are bound in this order; the first failure closes the window.
    if (!BindLampLibrary(*this)) {
        shell.PostCloseRequest();
        return true;
    }
    lampBound = true;
    if (!BindMeterLibrary(*this)) {
        shell.PostCloseRequest();
        return true;
    }
    meterBound = true;
    if (!BindLedLibrary(*this)) {
        shell.PostCloseRequest();
        return true;
    }
    ledBound = true;

    int captionHeight = shell.CaptionHeight();
    int menuHeight = shell.MenuBarHeight();
    while (captionHeight > kImplausibleCaptionHeight) {
        captionHeight = shell.CaptionHeight();
        menuHeight = shell.MenuBarHeight();
    }
    const int captionAndMenu = captionHeight + menuHeight;
    tabPanel.SetCaptionHeight(static_cast<uint16_t>(captionAndMenu));
    if (captionAndMenu > kDesignedCaptionAndMenu) {
        captionExtra = captionAndMenu - kDesignedCaptionAndMenu;
        const Rect window = shell.WindowRect();
        shell.SetWindowSize(window.Width(), window.Height() + captionExtra);
    } else {
        captionExtra = 0;
    }

    sourceSectionShown = true;
    tabSectionShown = true;
    barBitmap = shell.LoadBitmap(kBitmapBar);
    expandBitmap = shell.LoadBitmap(kBitmapExpand);
    collapseBitmap = shell.LoadBitmap(kBitmapCollapse);
    backgroundBitmap = shell.LoadBitmap(kBitmapBackground);
    if (backgroundBitmap) {
        backgroundWidth = backgroundBitmap->width;
        contentHeight = backgroundBitmap->height + 147;
    }
    ResizeToLayout();

    buttonPanelRect = shell.ChildRect(ChildWindow::ButtonPanel);
    buttonPanelRect.top = kButtonPanelTop + captionExtra;
    buttonPanelRect.bottom = buttonPanelRect.top + kButtonPanelHeight;
    shell.MoveChild(ChildWindow::ButtonPanel, buttonPanelRect, true);
    shell.MoveChild(ChildWindow::TabPanel, kTabPanelRect, true);

    recording = false;
    elapsedSeconds = 0;

    statusBarRect = shell.WindowRect();
    statusBarRect.top = statusBarRect.bottom - kStatusBarHeight;
    const int w = statusBarRect.Width();
    shell.CreateStatusBar(statusBarRect,
                          {2 * w / 5, 2 * w / 5 + w / 5, 2 * w / 5 + 2 * (w / 5), w - 1});
    shell.SetStatusPaneText(0, "Not Calibrated");
    shell.SetStatusPaneText(1, "0 hrs");
    shell.SetStatusPaneText(2, "");
    shell.SetStatusPaneText(3, "0%");

    shell.StartTimer(kPollTimerId, kPollPeriodMs);

    calibrationHours = 0;
    sourceHours = 0;
    lampTemperature = 0;
    percentLevel = 0;
    outputPowerRaw = 0;
    unsaved = false;

    shell.MoveChild(ChildWindow::StripChart, kStripChartRect, true);
    shell.ShowChild(ChildWindow::StripChart, false);
    shell.ParentStripChartToTabPanel();

    meterCountdown = 0;
    selectedPage = 0;
    sampleInterval = 10;
    recording = false;
    elapsedSeconds = 0;

    stripChart.SetYAxisRange(-10.0, 10.0);
    stripChart.SetXAxisRange(0.0, 1.0);
    stripChart.SetYAxisTitle("%");

    favouriteWavelengths.fill(0);
    intensityAxis = 10;
    record = StabilityRecord{};
    captureRunning = false;
    meterWavelength = 0;
    axesPending = true;
    ledCountdown = 0;
    EnableCommandGroup(CommandGroup::PowerMeter, false);
    EnableCommandGroup(CommandGroup::LightSource, false);
    return true;
}

void CVardenControlPanelDlg::OnOK() {
    // Enter and the default button leave the panel open.
}

bool CVardenControlPanelDlg::OnCancel() {
    // An Escape press must not close the panel, so a close request that comes with it is dropped.
    if (shell.EscapePressedSinceLastQuery()) {
        return false;
    }
    ended = true;
    return true;
}

void CVardenControlPanelDlg::OnExit() {
    shell.PostCloseRequest();
}

void CVardenControlPanelDlg::EnableCommandGroup(CommandGroup group, bool enabled) {
    if (group == CommandGroup::PowerMeter) {
        meterCommandsEnabled = enabled;
        for (int id : kPowerMeterGroup) {
            // A running capture keeps its commands greyed when a meter comes back.
            if (enabled && CaptureHoldsCommand(id)) {
                continue;
            }
            shell.EnableMenuCommand(id, enabled);
        }
    } else {
        for (int id : kLightSourceGroup) {
            shell.EnableMenuCommand(id, enabled);
        }
    }
}

CVardenControlPanelDlg::~CVardenControlPanelDlg() {
    // Hand the light sources back to their front panels. The lamp needs its pauses to take
    // each command before the next; the power meter is left as it is.
    if (lampBound && lampApi.DeviceActive(lampDevice) != 0) {
        lampApi.DisableShutterControl(lampDevice);
        lampApi.UpdateData();
        clock.SleepMs(kShutdownPauseMs);
        lampApi.DisconnectPC(lampDevice);
        lampApi.UpdateData();
        clock.SleepMs(kShutdownPauseMs);
        lampApi.UpdateData();
        clock.SleepMs(kShutdownPauseMs);
    }
    if (ledBound && ledApi.DeviceActive(ledDevice) != 0) {
        ledApi.DisableShutterControl(ledDevice);
        ledApi.DisconnectPC(ledDevice);
    }
}

}  // namespace varden
