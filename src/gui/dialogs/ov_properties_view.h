#pragma once

#include "core/platform/shell.h"

class QWidget;

namespace varden {

class OVProperties;

// Shows the dialog for `model` modally; the model holds what the fields show and take.
DialogResult RunOvPropertiesDialog(OVProperties& model, QWidget* parent);

}  // namespace varden
