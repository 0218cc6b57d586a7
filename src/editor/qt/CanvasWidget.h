#pragma once

#include <QImage>
#include <QWidget>
#include <functional>

#include "targa/Canvas.h"

// The main window's client area: shows the canvas's pixel memory as it is (no copy), one canvas
// pixel on one device pixel, and hands mouse presses on it to corner picking as the whole canvas
// pixel pressed. On a scaled display the widget's logical size is the canvas's over the device
// pixel ratio.
namespace vantrel {

class CanvasWidget : public QWidget {
    Q_OBJECT
public:
    CanvasWidget(Canvas& canvas, QWidget* parent = nullptr);

    // Called with the pressed button and the canvas pixel under the pointer.
    std::function<void(Qt::MouseButton, Qt::KeyboardModifiers, int x, int y)> onMousePress;

    // The device pixel (the canvas pixel) under a logical position: floor(position * ratio).
    static QPoint DevicePixelAt(QPointF position, qreal devicePixelRatio);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QImage image_;
};

}  // namespace vantrel
