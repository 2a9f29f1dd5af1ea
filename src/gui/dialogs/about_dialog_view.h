#pragma once

#include <QDialog>

#include "core/platform/shell.h"

namespace varden {

class CAboutDlg;

// The About box: the icon beside the program's name, version and what it is for, and an OK
// button. OK, Escape and the close box all close it.
class AboutDialogView : public QDialog {
    Q_OBJECT
  public:
    AboutDialogView(const CAboutDlg& model, QWidget* parent);
};

// Shows the About box for `model` modally.
DialogResult RunAboutDialog(CAboutDlg& model, QWidget* parent);

}  // namespace varden
