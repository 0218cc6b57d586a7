#include "check/TextureImages.h"

namespace vantrel::check {

namespace {

std::uint32_t ToRgb(std::uint32_t colorValue) {
    return Argb(ColorRed(colorValue), ColorGreen(colorValue), ColorBlue(colorValue));
}

}  // namespace

Picture EditorView(const PaintedTexture& texture) {
    Picture image(texture.width(), texture.height());
    for (int y = 0; y < texture.height(); ++y)
        for (int x = 0; x < texture.width(); ++x) image.setPixel(x, y, ToRgb(texture.editorPixel(x, y)));
    return image;
}

Picture GameView(const DecodedTexture& texture, std::uint32_t background) {
    Picture image(texture.width, texture.height);
    const int under[3] = {ColorRed(background), ColorGreen(background), ColorBlue(background)};
    for (int y = 0; y < texture.height; ++y) {
        const std::uint32_t* in = texture.pixels.data() + static_cast<std::size_t>(y) * texture.width;
        for (int x = 0; x < texture.width; ++x) {
            const std::uint32_t pixel = in[x];
            const int alpha = static_cast<int>(pixel >> 24);
            const int over[3] = {static_cast<int>((pixel >> 16) & 255), static_cast<int>((pixel >> 8) & 255),
                                 static_cast<int>(pixel & 255)};
            int mixed[3];
            for (int c = 0; c < 3; ++c) mixed[c] = (over[c] * alpha + under[c] * (255 - alpha) + 127) / 255;
            image.setPixel(x, y, Argb(mixed[0], mixed[1], mixed[2]));
        }
    }
    return image;
}

Picture CropAsGameDraws(const Picture& gameView, const MappedImageState& image) {
    if (!image.coords) return {};
    const PixelRect& r = *image.coords;
    const int width = r.right - r.left;
    const int height = r.bottom - r.top;
    if (width <= 0 || height <= 0) return {};
    // A rectangle far beyond any texture is a typing mistake, not a picture worth the memory.
    if (width > 2 * kMaxPaintedSide || height > 2 * kMaxPaintedSide) return {};

    auto source = [&](int x, int y) -> std::uint32_t {
        return gameView.contains(x, y) ? gameView.pixel(x, y) : 0u;
    };
    if (!image.rotated()) {
        Picture out(width, height);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) out.setPixel(x, y, source(r.left + x, r.top + y));
        return out;
    }
    // The game maps the screen's top-left corner to the rectangle's top-right one and runs down
    // the rectangle's right column as it goes right on the screen.
    Picture out(height, width);
    for (int y = 0; y < width; ++y)
        for (int x = 0; x < height; ++x) out.setPixel(x, y, source(r.right - 1 - y, r.top + x));
    return out;
}

}  // namespace vantrel::check
