#pragma once

#include "core/platform/shell.h"

class QWidget;

namespace varden {

class CIrisDialog;

// Shows the dialog for `model` modally; the model holds what the fields show and take.
DialogResult RunIrisDialog(CIrisDialog& model, QWidget* parent);

}  // namespace varden
