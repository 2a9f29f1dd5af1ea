#include "gui/dialogs/about_dialog_view.h"

#include "core/app/about_dlg.h"
#include "gui/dialogs/placeholder_dialog.h"

namespace varden {

DialogResult RunAboutDialog(CAboutDlg& /*model*/, QWidget* parent) {
    return RunPlaceholderDialog(QStringLiteral("About Orvane Control Panel"), parent);
}

}  // namespace varden
