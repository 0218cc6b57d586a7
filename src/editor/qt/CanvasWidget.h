#pragma once

#include <QImage>
#include <QStaticText>
#include <QWidget>
#include <functional>
#include <string>
#include <unordered_map>

#include "targa/Canvas.h"

// The main window's client area: shows the canvas's pixel memory as it is (no copy), one canvas
// pixel on one device pixel at 100 %, and each texture pixel as a z x z square of device pixels
// at zoom z (never smoothed, and only the part on view). Over it, never into it, the editor's
// overlay: entry outlines, their names and the corners being picked. Mouse presses go to corner
// picking as the texture pixel pressed. On a scaled display the widget's logical size is the
// zoomed canvas's over the device pixel ratio.
namespace vantrel {

class MappingEditor;

class CanvasWidget : public QWidget {
    Q_OBJECT
public:
    // editor: where the zoom, the texture's size and the overlay come from; without one the
    // canvas is shown at 100 % with nothing over it.
    CanvasWidget(Canvas& canvas, const MappingEditor* editor = nullptr, QWidget* parent = nullptr);

    // Called with the pressed button, the modifiers and the texture pixel under the pointer (at
    // 100 % the canvas pixel; beyond the texture when zoomed, a pixel past its edge).
    std::function<void(Qt::MouseButton, Qt::KeyboardModifiers, int x, int y)> onMousePress;
    // Ctrl+wheel: whole steps (positive towards zooming in) and the pointer's logical position.
    std::function<void(int steps, QPoint position)> onZoomWheel;

    // The device pixel (the canvas pixel) under a logical position: floor(position * ratio).
    static QPoint DevicePixelAt(QPointF position, qreal devicePixelRatio);

    // The zoom the canvas is drawn at, in per cent (100 without an editor).
    int zoomPercent() const;
    // The zoomed texture's size in logical pixels (rounded up); empty at 100 %, where the canvas
    // is shown whole.
    QSize zoomedTextureSize() const;

    // Device pixels the outline bands reach outside an outlined rectangle: a halo, the line and a
    // halo, one device pixel each, so that the picked pixels themselves stay uncovered.
    static constexpr int kOutlineReach = 3;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void paintZoomed(QPainter& painter, const QRect& area);
    void paintOverlay(QPainter& painter, const QRect& area);

    QImage image_;
    const MappingEditor* editor_ = nullptr;
    // The zoomed pixels of the last repaint, reused while the area is no larger.
    QImage zoomed_;
    // The overlay's names laid out once each, for the face size they were laid out in: a repaint
    // with a thousand names on view only draws them.
    std::unordered_map<std::string, QStaticText> labels_;
    int labelPixelSize_ = 0;
    int wheelRemainder_ = 0;
};

}  // namespace vantrel
