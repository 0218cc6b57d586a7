#pragma once

#include <QImage>
#include <QWidget>
#include <functional>

#include "targa/Canvas.h"

// The main window's client area: shows the canvas's pixel memory as it is (no copy) and hands
// mouse presses on it to corner picking as whole-pixel positions.
namespace vantrel {

class CanvasWidget : public QWidget {
    Q_OBJECT
public:
    CanvasWidget(Canvas& canvas, QWidget* parent = nullptr);

    // Called with the pressed button and the pointer's whole pixel position.
    std::function<void(Qt::MouseButton, Qt::KeyboardModifiers, int x, int y)> onMousePress;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QImage image_;
};

}  // namespace vantrel
