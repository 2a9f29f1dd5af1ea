#include "core/export/calibration_due.h"

#include "core/app/control_panel_dlg.h"

namespace varden {

const std::array<uint8_t, 3>& CalibrationDueForExport(CVardenControlPanelDlg& dlg) {
    std::array<uint8_t, 3>& due = dlg.calDueDate;
    const bool neverRead = due[0] == 0 && due[1] == 0 && due[2] == 0;
    if (neverRead && dlg.meterBound && dlg.meterApi.DeviceActive(dlg.meterDevice) != 0) {
        dlg.meterApi.RequestCalDueDate(dlg.meterDevice, &due[0], &due[1], &due[2]);
    }
    return due;
}

}  // namespace varden
