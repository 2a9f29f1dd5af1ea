#pragma once

#include "core/platform/shell.h"

class QWidget;

namespace varden {

class CAboutDlg;

// Shows the dialog for `model` modally; the model holds what the fields show and take.
DialogResult RunAboutDialog(CAboutDlg& model, QWidget* parent);

}  // namespace varden
