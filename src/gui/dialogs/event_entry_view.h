#pragma once

#include "core/platform/shell.h"

class QWidget;

namespace varden {

class CEventEntry;

// Shows the dialog for `model` modally; the model holds what the fields show and take.
DialogResult RunEventEntryDialog(CEventEntry& model, QWidget* parent);

}  // namespace varden
