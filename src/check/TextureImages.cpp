#include "check/TextureImages.h"

namespace vantrel::check {

namespace {

QRgb ToRgb(std::uint32_t colorValue) {
    return qRgb(ColorRed(colorValue), ColorGreen(colorValue), ColorBlue(colorValue));
}

}  // namespace

QImage EditorView(const PaintedTexture& texture) {
    QImage image(texture.width(), texture.height(), QImage::Format_RGB32);
    for (int y = 0; y < texture.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < texture.width(); ++x) row[x] = ToRgb(texture.editorPixel(x, y));
    }
    return image;
}

QImage GameView(const DecodedTexture& texture, std::uint32_t background) {
    QImage image(texture.width, texture.height, QImage::Format_ARGB32);
    const int under[3] = {ColorRed(background), ColorGreen(background), ColorBlue(background)};
    for (int y = 0; y < texture.height; ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        const std::uint32_t* in = texture.pixels.data() + static_cast<std::size_t>(y) * texture.width;
        for (int x = 0; x < texture.width; ++x) {
            const std::uint32_t pixel = in[x];
            const int alpha = static_cast<int>(pixel >> 24);
            const int over[3] = {static_cast<int>((pixel >> 16) & 255), static_cast<int>((pixel >> 8) & 255),
                                 static_cast<int>(pixel & 255)};
            int mixed[3];
            for (int c = 0; c < 3; ++c) mixed[c] = (over[c] * alpha + under[c] * (255 - alpha) + 127) / 255;
            row[x] = qRgb(mixed[0], mixed[1], mixed[2]);
        }
    }
    return image;
}

QImage CropAsGameDraws(const QImage& gameView, const MappedImageState& image) {
    if (!image.coords) return {};
    const PixelRect& r = *image.coords;
    const int width = r.right - r.left;
    const int height = r.bottom - r.top;
    if (width <= 0 || height <= 0) return {};
    // A rectangle far beyond any texture is a typing mistake, not a picture worth the memory.
    if (width > 2 * kMaxPaintedSide || height > 2 * kMaxPaintedSide) return {};

    auto source = [&](int x, int y) -> QRgb {
        return gameView.rect().contains(x, y) ? gameView.pixel(x, y) : qRgba(0, 0, 0, 0);
    };
    if (!image.rotated()) {
        QImage out(width, height, QImage::Format_ARGB32);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) out.setPixel(x, y, source(r.left + x, r.top + y));
        return out;
    }
    // The game maps the screen's top-left corner to the rectangle's top-right one and runs down
    // the rectangle's right column as it goes right on the screen.
    QImage out(height, width, QImage::Format_ARGB32);
    for (int y = 0; y < width; ++y)
        for (int x = 0; x < height; ++x) out.setPixel(x, y, source(r.right - 1 - y, r.top + x));
    return out;
}

}  // namespace vantrel::check
