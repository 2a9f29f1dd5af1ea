#include "gui/dialogs/iris_dialog_view.h"

#include "core/source/iris_dialog.h"
#include "gui/dialogs/placeholder_dialog.h"

namespace varden {

DialogResult RunIrisDialog(CIrisDialog& /*model*/, QWidget* parent) {
    return RunPlaceholderDialog(QStringLiteral("Iris Control"), parent);
}

}  // namespace varden
