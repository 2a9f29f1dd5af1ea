#include "gui/controls/indicator_led.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace varden {

namespace {

constexpr int kLedDiameter = 10;
constexpr int kLedGap = 4;

QColor ToneColour(LedTone tone) {
    switch (tone) {
        case LedTone::None: return QColor(0, 0, 0, 0);
        case LedTone::Off: return QColor(0x8a, 0x93, 0x9c);
        case LedTone::Green: return QColor(0x2e, 0xb8, 0x4f);
        case LedTone::Amber: return QColor(0xf0, 0x9a, 0x1a);
        case LedTone::Red: return QColor(0xe0, 0x35, 0x2b);
        case LedTone::Lamp: return QColor(0xff, 0xd2, 0x1f);
        case LedTone::Blue: return QColor(0x2f, 0x7f, 0xe0);
    }
    return {};
}

void PaintLed(QPainter& painter, const QRectF& box, LedTone tone) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF r = box.adjusted(0.5, 0.5, -0.5, -0.5);
    if (tone == LedTone::None) {
        painter.setPen(QPen(QColor(0x9a, 0xa3, 0xad), 1.0, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(r);
    } else {
        const QColor colour = ToneColour(tone);
        QRadialGradient glow(r.center() - QPointF(r.width() / 5, r.height() / 5), r.width() / 1.4);
        glow.setColorAt(0.0, colour.lighter(tone == LedTone::Off ? 125 : 160));
        glow.setColorAt(1.0, colour);
        painter.setPen(QPen(colour.darker(150), 1.0));
        painter.setBrush(glow);
        painter.drawEllipse(r);
    }
    painter.restore();
}

}  // namespace

QIcon LedIcon(LedTone tone) {
    QIcon icon;
    for (const qreal ratio : {1.0, 2.0}) {
        QPixmap pixmap(QSize(kLedDiameter, kLedDiameter) * ratio);
        pixmap.setDevicePixelRatio(ratio);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        PaintLed(painter, QRectF(0, 0, kLedDiameter, kLedDiameter), tone);
        painter.end();
        icon.addPixmap(pixmap, QIcon::Normal);
        icon.addPixmap(pixmap, QIcon::Disabled);
    }
    return icon;
}

IndicatorLed::IndicatorLed(const QString& name, const QString& caption, QWidget* parent)
    : QWidget(parent), name_(name), caption_(caption) {
    setAccessibleName(name);
    SetState(LedTone::None, tr("no source"));
}

void IndicatorLed::SetState(LedTone tone, const QString& stateText) {
    if (tone == tone_ && stateText == stateText_) {
        return;
    }
    tone_ = tone;
    stateText_ = stateText;
    setToolTip(QStringLiteral("%1: %2").arg(name_, stateText));
    setAccessibleDescription(stateText);
    update();
}

void IndicatorLed::SetCaption(const QString& caption) {
    if (caption == caption_) {
        return;
    }
    caption_ = caption;
    updateGeometry();
    update();
}

QSize IndicatorLed::sizeHint() const {
    const QFontMetrics metrics(font());
    return {kLedDiameter + kLedGap + metrics.horizontalAdvance(caption_),
            std::max(kLedDiameter, metrics.height())};
}

void IndicatorLed::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRectF led(0, (height() - kLedDiameter) / 2.0, kLedDiameter, kLedDiameter);
    PaintLed(painter, led, isEnabled() ? tone_ : LedTone::None);
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    const QRect text(kLedDiameter + kLedGap, 0, width() - kLedDiameter - kLedGap, height());
    painter.drawText(text, Qt::AlignVCenter | Qt::AlignLeft, caption_);
}

}  // namespace varden
