#pragma once

#include "core/platform/shell.h"

class QWidget;

namespace varden {

class CDataCapEntry;

// Shows the dialog for `model` modally; the model holds what the fields show and take.
DialogResult RunDataCapEntryDialog(CDataCapEntry& model, QWidget* parent);

}  // namespace varden
