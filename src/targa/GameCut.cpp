#include "targa/GameCut.h"

namespace vantrel {

DecodedTexture CutAsGameDraws(PixelsView texture, const GameRect& r, bool rotated, std::uint32_t outside) {
    const int width = GameCutWidth(r);
    const int height = GameCutHeight(r);
    if (width <= 0 || height <= 0 || width > kMaxGameCutSide || height > kMaxGameCutSide) return {};

    auto source = [&](int x, int y) -> std::uint32_t {
        if (x < 0 || y < 0 || x >= texture.width || y >= texture.height) return outside;
        return texture.pixels[static_cast<std::size_t>(y) * texture.width + x];
    };
    DecodedTexture out;
    out.width = rotated ? height : width;
    out.height = rotated ? width : height;
    out.pixels.resize(static_cast<std::size_t>(width) * height);
    std::uint32_t* to = out.pixels.data();
    if (!rotated) {
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) *to++ = source(r.left + x, r.top + y);
        return out;
    }
    // The screen's top-left corner is the rectangle's top-right one, and going right on the screen
    // runs down the rectangle's right column.
    for (int y = 0; y < width; ++y)
        for (int x = 0; x < height; ++x) *to++ = source(r.right - 1 - y, r.top + x);
    return out;
}

}  // namespace vantrel
