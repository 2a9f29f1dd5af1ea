#pragma once

namespace varden {

// Menu commands of the main window's menu bar.
enum CommandId : int {
    kCmdSaveDataLogAs = 32771,
    kCmdSavePowerSnapshotAs = 32772,
    kCmdExit = 32773,
    kCmdDownloadDataLog = 32774,
    kCmdClearDataLog = 32775,
    kCmdAutoCapture = 32776,
    kCmdClearCaptures = 32777,
    kCmdModifyWavelengths = 32779,
    kCmdModifyMagnifications = 32780,
    kCmdModifyIntensityIncrement = 32781,
    kCmdAbout = 32782,
    kCmdSaveStabilityGraphDataAs = 32784,
    kCmdShutdownPowerMeter = 32785,
    kCmdSuspendPowerMeter = 32786,
    kCmdWakeupPowerMeter = 32787,
    kCmdSetRtcToPcClock = 32789,
    kCmdClearFavouriteWavelengths = 32790,
    kCmdAbortCapture = 32792,
};

// System-menu commands added at start-up.
inline constexpr int kSysCmdAbout = 0x10;
inline constexpr int kSysCmdProperties = 0x30;

// Resources.
inline constexpr int kStringAboutEntry = 101;
inline constexpr int kBitmapBackground = 129;
inline constexpr int kBitmapBar = 131;
inline constexpr int kBitmapExpand = 132;
inline constexpr int kBitmapCollapse = 133;

inline constexpr int kPollTimerId = 1;
inline constexpr int kPollPeriodMs = 100;

}  // namespace varden
