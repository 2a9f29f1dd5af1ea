#include "gui/controls/readout_spin_box.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace varden {

ReadoutSpinBox::ReadoutSpinBox(QWidget* parent) : QSpinBox(parent) {
    setKeyboardTracking(false);
    setAccelerated(true);
    connect(lineEdit(), &QLineEdit::textEdited, this, [this] { editing_ = true; });
    connect(this, &QSpinBox::valueChanged, this, [this](int value) {
        if (showing_) {
            return;
        }
        EndEditing(true);
        Q_EMIT ValueEntered(value);
    });
}

void ReadoutSpinBox::ShowValue(int value) {
    if (editing_) {
        waiting_ = value;
        return;
    }
    showing_ = true;
    setValue(value);
    showing_ = false;
}

void ReadoutSpinBox::EndEditing(bool entered) {
    editing_ = false;
    const std::optional<int> waiting = waiting_;
    waiting_.reset();
    // An entered value is on its way to the instrument, which will report it back; a value
    // that waited behind an abandoned edit is shown now.
    if (!entered && waiting) {
        ShowValue(*waiting);
    }
}

void ReadoutSpinBox::focusOutEvent(QFocusEvent* event) {
    QSpinBox::focusOutEvent(event);  // commits a changed entry first
    if (editing_) {
        EndEditing(false);
    }
}

void ReadoutSpinBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && editing_) {
        // Escape abandons the entry: the field shows the instrument's value again.
        const int shown = waiting_.value_or(value());
        EndEditing(false);
        ShowValue(shown);
        return;
    }
    QSpinBox::keyPressEvent(event);
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && editing_) {
        EndEditing(false);
    }
}

}  // namespace varden
