#include "gui/dialogs/data_cap_inc_view.h"

#include "core/snapshot/data_cap_inc.h"
#include "gui/dialogs/placeholder_dialog.h"

namespace varden {

DialogResult RunDataCapIncDialog(CDataCapInc& /*model*/, QWidget* parent) {
    return RunPlaceholderDialog(QStringLiteral("Please Enter Scanning Increment"), parent);
}

}  // namespace varden
