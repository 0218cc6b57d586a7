#include "check/TextureImages.h"

#include "targa/GameCut.h"

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
    const DecodedTexture cut = CutAsGameDraws({gameView.pixels().data(), gameView.width(), gameView.height()},
                                              GameRect{r.left, r.top, r.right, r.bottom}, image.rotated());
    Picture out(cut.width, cut.height);
    for (int y = 0; y < cut.height; ++y)
        for (int x = 0; x < cut.width; ++x) out.setPixel(x, y, cut.pixels[static_cast<std::size_t>(y) * cut.width + x]);
    return out;
}

}  // namespace vantrel::check
