#include "gui/dialogs/ov_properties_view.h"

#include "core/source/ov_properties.h"
#include "gui/dialogs/placeholder_dialog.h"

namespace varden {

DialogResult RunOvPropertiesDialog(OVProperties& /*model*/, QWidget* parent) {
    return RunPlaceholderDialog(QStringLiteral("Orvane ovata Properties"), parent);
}

}  // namespace varden
