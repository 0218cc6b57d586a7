#include "editor/qt/CanvasWidget.h"

#include <QMouseEvent>
#include <QPainter>
#include <QRegion>
#include <cmath>

namespace vantrel {

CanvasWidget::CanvasWidget(Canvas& canvas, QWidget* parent)
    : QWidget(parent),
      image_(reinterpret_cast<const uchar*>(canvas.bits()), canvas.width(), canvas.height(),
             static_cast<qsizetype>(canvas.width()) * 4, QImage::Format_RGB32) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::CrossCursor);
}

void CanvasWidget::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect area = event->rect();
    painter.drawImage(area.topLeft(), image_, area);
    // Beyond the canvas (a window stretched past it by hand) the window's own background shows.
    const QRegion beyond = QRegion(area).subtracted(QRegion(QRect(QPoint(0, 0), image_.size())));
    for (const QRect& rect : beyond) painter.fillRect(rect, palette().window());
}

void CanvasWidget::mousePressEvent(QMouseEvent* event) {
    // Whole pixels whatever the display's scale, so the boxes show 37 rather than 37.5.
    const QPointF position = event->position();
    if (onMousePress)
        onMousePress(event->button(), event->modifiers(), static_cast<int>(std::floor(position.x())),
                     static_cast<int>(std::floor(position.y())));
    event->accept();
}

}  // namespace vantrel
