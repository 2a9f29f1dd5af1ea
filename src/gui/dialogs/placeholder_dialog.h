#pragma once

#include <QString>

#include "core/platform/shell.h"

class QWidget;

namespace varden {

// A plain OK/Cancel dialog standing in for a view that is not built yet.
DialogResult RunPlaceholderDialog(const QString& title, QWidget* parent);

}  // namespace varden
