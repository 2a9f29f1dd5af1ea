#pragma once

#include "core/platform/shell.h"

class QWidget;

namespace varden {

class CDataCapInc;

// Shows the dialog for `model` modally; the model holds what the fields show and take.
DialogResult RunDataCapIncDialog(CDataCapInc& model, QWidget* parent);

}  // namespace varden
