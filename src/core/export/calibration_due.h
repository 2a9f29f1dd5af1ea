#pragma once

#include <array>
#include <cstdint>

namespace varden {

class CVardenControlPanelDlg;

// The meter's calibration due date for the first line of an export. The poll reads it only
// while the dates page is shown; when it has never been read (no real date is 00/00/00) and the
// meter is there, it is asked for now, so a file never claims a due date of 00/00/00.
const std::array<uint8_t, 3>& CalibrationDueForExport(CVardenControlPanelDlg& dlg);

}  // namespace varden
