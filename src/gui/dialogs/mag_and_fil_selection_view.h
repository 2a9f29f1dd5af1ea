#pragma once

#include "core/platform/shell.h"

class QWidget;

namespace varden {

class CMagAndFilSelection;

// Shows the dialog for `model` modally; the model holds what the fields show and take.
DialogResult RunMagAndFilSelectionDialog(CMagAndFilSelection& model, QWidget* parent);

}  // namespace varden
