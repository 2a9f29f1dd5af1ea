#pragma once

#include <QSpinBox>
#include <optional>

namespace varden {

// A spin box that both shows an instrument's value and lets the operator enter a new one.
// Values shown by the instrument never raise ValueEntered, and while the operator is typing
// they wait, so a poll cannot overwrite a half-typed entry; a value that waited is shown when
// the operator leaves the field without entering anything. ValueEntered is raised for Enter,
// for leaving the field after a change, and for each arrow step.
class ReadoutSpinBox : public QSpinBox {
    Q_OBJECT
  public:
    explicit ReadoutSpinBox(QWidget* parent = nullptr);

    void ShowValue(int value);

  Q_SIGNALS:
    void ValueEntered(int value);

  protected:
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void EndEditing(bool entered);

    bool showing_ = false;
    bool editing_ = false;
    std::optional<int> waiting_;
};

}  // namespace varden
