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
    // One canvas pixel on one device pixel, whatever the display's scale: the image is drawn at
    // the widget's device pixel ratio, unscaled, so nothing is smoothed.
    const qreal scale = devicePixelRatioF();
    image_.setDevicePixelRatio(scale);
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    const QRect area = event->rect();
    // Beyond the canvas (a window stretched past it by hand) the window's own background shows.
    const QRect whole(0, 0, static_cast<int>(image_.width() / scale), static_cast<int>(image_.height() / scale));
    for (const QRect& rect : QRegion(area).subtracted(QRegion(whole))) painter.fillRect(rect, palette().window());
    const QRectF source(area.x() * scale, area.y() * scale, area.width() * scale, area.height() * scale);
    painter.drawImage(QRectF(area), image_, source);
}

void CanvasWidget::mousePressEvent(QMouseEvent* event) {
    if (onMousePress) {
        const QPoint pixel = DevicePixelAt(event->position(), devicePixelRatioF());
        onMousePress(event->button(), event->modifiers(), pixel.x(), pixel.y());
    }
    event->accept();
}

QPoint CanvasWidget::DevicePixelAt(QPointF position, qreal devicePixelRatio) {
    // Whole pixels, so the boxes show 37 rather than 37.5. A position that is a device pixel's
    // edge comes back from the division by the ratio a hair short of it; the allowance keeps it
    // on that pixel.
    constexpr qreal kAllowance = 1e-6;
    return QPoint(static_cast<int>(std::floor(position.x() * devicePixelRatio + kAllowance)),
                  static_cast<int>(std::floor(position.y() * devicePixelRatio + kAllowance)));
}

}  // namespace vantrel
