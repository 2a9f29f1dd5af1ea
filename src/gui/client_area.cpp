#include "gui/client_area.h"

#include <QMouseEvent>
#include <QPainter>

namespace varden {

ClientArea::ClientArea(QWidget* parent) : QWidget(parent) {}

void ClientArea::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (paintBackground) {
        paintBackground(painter);
    }
}

void ClientArea::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && leftButtonDown) {
        const QPoint at = event->position().toPoint();
        leftButtonDown(at.x(), at.y());
    }
    QWidget::mousePressEvent(event);
}

void ClientArea::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (resized) {
        resized();
    }
}

}  // namespace varden
