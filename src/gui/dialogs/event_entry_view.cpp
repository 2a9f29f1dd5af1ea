#include "gui/dialogs/event_entry_view.h"

#include "core/stability/event_entry.h"
#include "gui/dialogs/placeholder_dialog.h"

namespace varden {

DialogResult RunEventEntryDialog(CEventEntry& /*model*/, QWidget* parent) {
    return RunPlaceholderDialog(QStringLiteral("Event Entry"), parent);
}

}  // namespace varden
