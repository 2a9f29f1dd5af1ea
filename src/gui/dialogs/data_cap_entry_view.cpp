#include "gui/dialogs/data_cap_entry_view.h"

#include "core/snapshot/data_cap_entry.h"
#include "gui/dialogs/placeholder_dialog.h"

namespace varden {

DialogResult RunDataCapEntryDialog(CDataCapEntry& /*model*/, QWidget* parent) {
    return RunPlaceholderDialog(QStringLiteral("Enter Filter Cubes"), parent);
}

}  // namespace varden
