#include "editor/qt/CanvasWidget.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QRegion>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>
#include <cstring>

#include "editor/MappingEditor.h"
#include "editor/Overlay.h"
#include "editor/Zoom.h"
#include "editor/qt/DescribedWindow.h"

namespace vantrel {

namespace {

QColor ToQColor(std::uint32_t rgb) { return QColor::fromRgb(static_cast<QRgb>(rgb)); }

// The four sides of a ring `thickness` device pixels wide whose outer edge lies `reach` pixels
// outside a rectangle of device pixels.
void AddRing(std::vector<QRect>& sides, const QRect& inner, int reach, int thickness) {
    const QRect outer = inner.adjusted(-reach, -reach, reach, reach);
    const int middle = outer.height() - 2 * thickness;
    sides.emplace_back(outer.left(), outer.top(), outer.width(), thickness);
    sides.emplace_back(outer.left(), outer.bottom() - thickness + 1, outer.width(), thickness);
    sides.emplace_back(outer.left(), outer.top() + thickness, thickness, middle);
    sides.emplace_back(outer.right() - thickness + 1, outer.top() + thickness, thickness, middle);
}

}  // namespace

CanvasWidget::CanvasWidget(Canvas& canvas, const MappingEditor* editor, QWidget* parent)
    : QWidget(parent),
      image_(reinterpret_cast<const uchar*>(canvas.bits()), canvas.width(), canvas.height(),
             static_cast<qsizetype>(canvas.width()) * 4, QImage::Format_RGB32),
      editor_(editor) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::CrossCursor);
}

int CanvasWidget::zoomPercent() const { return editor_ ? editor_->zoomPercent() : 100; }

QSize CanvasWidget::zoomedTextureSize() const {
    const int z = ZoomFactor(zoomPercent());
    if (z <= 1 || !editor_) return {};
    const qreal scale = devicePixelRatioF();
    const int width = std::clamp<int>(editor_->intTextureWidth(), 0, image_.width());
    const int height = std::clamp<int>(editor_->intTextureHeight(), 0, image_.height());
    return QSize(static_cast<int>(std::ceil(width * z / scale)), static_cast<int>(std::ceil(height * z / scale)));
}

void CanvasWidget::paintEvent(QPaintEvent* event) {
    const qreal scale = devicePixelRatioF();
    image_.setDevicePixelRatio(scale);
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    const QRect area = event->rect();
    if (zoomPercent() == 100) {
        // One canvas pixel on one device pixel, whatever the display's scale: the image is drawn at
        // the widget's device pixel ratio, unscaled, so nothing is smoothed.
        // Beyond the canvas (a window stretched past it by hand) the window's own background shows.
        const QRect whole(0, 0, static_cast<int>(image_.width() / scale), static_cast<int>(image_.height() / scale));
        for (const QRect& rect : QRegion(area).subtracted(QRegion(whole))) painter.fillRect(rect, palette().window());
        const QRectF source(area.x() * scale, area.y() * scale, area.width() * scale, area.height() * scale);
        painter.drawImage(QRectF(area), image_, source);
    } else {
        paintZoomed(painter, area);
    }
    if (editor_) paintOverlay(painter, area);
}

void CanvasWidget::paintZoomed(QPainter& painter, const QRect& area) {
    const qreal scale = devicePixelRatioF();
    const int percent = zoomPercent();
    const int z = ZoomFactor(percent);
    const int textureWidth = std::clamp<int>(editor_->intTextureWidth(), 0, image_.width());
    const int textureHeight = std::clamp<int>(editor_->intTextureHeight(), 0, image_.height());

    // Outside the zoomed texture the window's background shows (the texture's last device pixels
    // are drawn over it below).
    const QRect texture(0, 0, static_cast<int>(textureWidth * z / scale), static_cast<int>(textureHeight * z / scale));
    for (const QRect& rect : QRegion(area).subtracted(QRegion(texture))) painter.fillRect(rect, palette().window());

    // Only the texture pixels the repainted area shows, each made a z x z square of device pixels.
    const int deviceLeft = static_cast<int>(std::floor(area.x() * scale));
    const int deviceTop = static_cast<int>(std::floor(area.y() * scale));
    const int deviceRight = static_cast<int>(std::ceil((area.x() + area.width()) * scale));
    const int deviceBottom = static_cast<int>(std::ceil((area.y() + area.height()) * scale));
    const TexelSpan across = VisibleTexels(deviceLeft, deviceRight - deviceLeft, percent, textureWidth);
    const TexelSpan down = VisibleTexels(deviceTop, deviceBottom - deviceTop, percent, textureHeight);
    if (across.count == 0 || down.count == 0) return;

    const int width = across.count * z;
    const int height = down.count * z;
    if (zoomed_.width() < width || zoomed_.height() < height)
        zoomed_ = QImage(std::max(width, zoomed_.width()), std::max(height, zoomed_.height()), QImage::Format_RGB32);
    for (int row = 0; row < down.count; ++row) {
        const auto* source = reinterpret_cast<const QRgb*>(image_.constScanLine(down.first + row)) + across.first;
        auto* target = reinterpret_cast<QRgb*>(zoomed_.scanLine(row * z));
        for (int column = 0; column < across.count; ++column) std::fill_n(target + column * z, z, source[column]);
        for (int copy = 1; copy < z; ++copy)
            std::memcpy(zoomed_.scanLine(row * z + copy), target, static_cast<std::size_t>(width) * sizeof(QRgb));
    }
    zoomed_.setDevicePixelRatio(scale);
    const QRectF target(across.first * z / scale, down.first * z / scale, width / scale, height / scale);
    painter.drawImage(target, zoomed_, QRectF(0, 0, width, height));
}

void CanvasWidget::paintOverlay(QPainter& painter, const QRect& area) {
    const qreal scale = devicePixelRatioF();
    const int z = ZoomFactor(zoomPercent());
    // Labels in the dialog face, sized in device pixels as the face shows on this display.
    QFont font = DialogFont();
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(QFontInfo(DialogFont()).pixelSize() * scale))));
    const QFontMetrics metrics(font);
    const int labelHeight = metrics.height() + 2;

    // The texture pixels whose shapes can reach the area: the outline bands reach a few device
    // pixels outside a shape, its label a line above it.
    const int deviceLeft = static_cast<int>(std::floor(area.x() * scale));
    const int deviceTop = static_cast<int>(std::floor(area.y() * scale));
    const int deviceRight = static_cast<int>(std::ceil((area.x() + area.width()) * scale));
    const int deviceBottom = static_cast<int>(std::ceil((area.y() + area.height()) * scale));
    const int reach = kOutlineReach + 1;
    const int left = TexturePixelAt(deviceLeft - reach, 0, zoomPercent());
    const int top = TexturePixelAt(deviceTop - reach, 0, zoomPercent());
    const int right = TexturePixelAt(deviceRight + reach, 0, zoomPercent());
    const int bottom = TexturePixelAt(deviceBottom + reach + labelHeight, 0, zoomPercent());
    const std::vector<OverlayShape> shapes =
        OverlayShapes(*editor_, TexelRect{left, top, right - left + 1, bottom - top + 1});
    if (shapes.empty()) return;

    // Drawn in device pixels.
    painter.save();
    painter.scale(1 / scale, 1 / scale);
    painter.setFont(font);
    if (font.pixelSize() != labelPixelSize_) {
        labels_.clear();
        labelPixelSize_ = font.pixelSize();
    }
    // Shapes come grouped by style (entries, then the selection, then the picks); each group's
    // outlines are filled in two calls, halo bands then lines, and its names go on top.
    std::vector<QRect> halos, lines;
    for (auto first = shapes.begin(); first != shapes.end();) {
        const auto last = std::find_if(first, shapes.end(), [&](const OverlayShape& s) { return s.style != first->style; });
        const OverlayColours colours = ColoursFor(first->style);
        halos.clear();
        lines.clear();
        for (auto shape = first; shape != last; ++shape) {
            const QRect cut(shape->left * z, shape->top * z, shape->width * z, shape->height * z);
            AddRing(halos, cut, kOutlineReach, kOutlineReach);  // device pixels 1 to 3 outside
            AddRing(lines, cut, 2, 1);                          // the line, between the halos
        }
        painter.setPen(Qt::NoPen);
        painter.setBrush(ToQColor(colours.halo));
        painter.drawRects(halos.data(), static_cast<int>(halos.size()));
        painter.setBrush(ToQColor(colours.line));
        painter.drawRects(lines.data(), static_cast<int>(lines.size()));
        const QColor labelBack = ToQColor(colours.labelBack);
        painter.setPen(ToQColor(colours.text));
        for (auto shape = first; shape != last; ++shape) {
            if (shape->label.empty()) continue;
            auto label = labels_.find(shape->label);
            if (label == labels_.end()) {
                label = labels_.emplace(shape->label, QStaticText(QString::fromStdString(shape->label))).first;
                label->second.setTextFormat(Qt::PlainText);
                label->second.prepare(QTransform(), font);
            }
            const int textWidth = static_cast<int>(std::ceil(label->second.size().width()));
            const QPoint corner(shape->left * z, shape->top * z);
            QRect box(corner.x() - kOutlineReach, corner.y() - kOutlineReach - labelHeight, textWidth + 4, labelHeight);
            // Where there is no room above the outline, the name goes inside its top-left corner.
            if (box.top() < 0) box.moveTopLeft(corner);
            painter.fillRect(box, labelBack);
            painter.drawStaticText(box.topLeft() + QPoint(2, 1), label->second);
        }
        first = last;
    }
    painter.restore();
}

void CanvasWidget::mousePressEvent(QMouseEvent* event) {
    if (onMousePress) {
        const QPoint pixel = DevicePixelAt(event->position(), devicePixelRatioF());
        // The widget's own coordinates are the scrolled canvas's: the scroll is already in them.
        const int percent = zoomPercent();
        onMousePress(event->button(), event->modifiers(), TexturePixelAt(pixel.x(), 0, percent),
                     TexturePixelAt(pixel.y(), 0, percent));
    }
    event->accept();
}

void CanvasWidget::wheelEvent(QWheelEvent* event) {
    if (!(event->modifiers() & Qt::ControlModifier) || !onZoomWheel) {
        wheelRemainder_ = 0;
        event->ignore();  // the scrolled view scrolls
        return;
    }
    // One step a notch (120); a fine-grained wheel's smaller deltas add up to notches.
    wheelRemainder_ += event->angleDelta().y();
    const int steps = wheelRemainder_ / QWheelEvent::DefaultDeltasPerStep;
    wheelRemainder_ -= steps * QWheelEvent::DefaultDeltasPerStep;
    if (steps != 0) onZoomWheel(steps, event->position().toPoint());
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
