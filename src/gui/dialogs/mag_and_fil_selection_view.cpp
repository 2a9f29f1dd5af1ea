#include "gui/dialogs/mag_and_fil_selection_view.h"

#include "core/snapshot/mag_and_fil_selection.h"
#include "gui/dialogs/placeholder_dialog.h"

namespace varden {

DialogResult RunMagAndFilSelectionDialog(CMagAndFilSelection& /*model*/, QWidget* parent) {
    return RunPlaceholderDialog(QStringLiteral("Magnification and Filter Selection"), parent);
}

}  // namespace varden
