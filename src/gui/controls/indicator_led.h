#pragma once

#include <QIcon>
#include <QString>
#include <QWidget>

namespace varden {

// The colours an indicator can show. None is a hollow ring: nothing to show (no source).
enum class LedTone { None, Off, Green, Amber, Red, Lamp, Blue };

// A round indicator light, for buttons that show their own state.
QIcon LedIcon(LedTone tone);

// An indicator light with a short caption beside it. Its state text goes into the tooltip and
// the accessible description, so the state is never told by colour alone.
class IndicatorLed : public QWidget {
    Q_OBJECT
  public:
    IndicatorLed(const QString& name, const QString& caption, QWidget* parent = nullptr);

    void SetState(LedTone tone, const QString& stateText);
    void SetCaption(const QString& caption);

    LedTone Tone() const { return tone_; }
    QString Caption() const { return caption_; }
    QString StateText() const { return stateText_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QString name_;
    QString caption_;
    QString stateText_;
    LedTone tone_ = LedTone::None;
};

}  // namespace varden
