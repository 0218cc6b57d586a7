#include "GeneratedTextures.h"

#include "support/TargaWriter.h"

#include <array>

namespace vantrel::bench {

namespace {

std::uint32_t Hash(std::uint32_t x) {
    x ^= x >> 16;
    x *= 0x7feb352dU;
    x ^= x >> 15;
    x *= 0x846ca68bU;
    x ^= x >> 16;
    return x;
}

// BGRA of pixel (x, y): 32 x 32 blocks that are flat, a gradient or noise, with alpha varying
// between blocks (fully transparent, opaque and partial).
std::array<std::uint8_t, 4> Picture(int x, int y) {
    const std::uint32_t block = Hash(static_cast<std::uint32_t>((y / 32) * 4096 + x / 32));
    std::array<std::uint8_t, 4> bgra{};
    switch (block % 3) {
        case 0:  // flat
            bgra = {static_cast<std::uint8_t>(block >> 8), static_cast<std::uint8_t>(block >> 16),
                    static_cast<std::uint8_t>(block >> 24), 0};
            break;
        case 1:  // gradient
            bgra = {static_cast<std::uint8_t>(x * 3), static_cast<std::uint8_t>(y * 5),
                    static_cast<std::uint8_t>((x + y) * 2), 0};
            break;
        default: {  // noise
            const std::uint32_t noise = Hash(static_cast<std::uint32_t>(y * 65536 + x));
            bgra = {static_cast<std::uint8_t>(noise), static_cast<std::uint8_t>(noise >> 8),
                    static_cast<std::uint8_t>(noise >> 16), 0};
        }
    }
    switch ((block >> 4) % 4) {
        case 0: bgra[3] = 0; break;
        case 1: bgra[3] = 255; break;
        case 2: bgra[3] = static_cast<std::uint8_t>(x * 7 + y); break;
        default: bgra[3] = 255; break;
    }
    return bgra;
}

// The colour table of the 8-bit textures.
std::vector<std::uint32_t> ColorTable() {
    std::vector<std::uint32_t> table;
    for (int i = 0; i < 256; ++i) {
        const std::uint32_t bgr = Hash(static_cast<std::uint32_t>(i) + 99);  // blue in the low byte
        table.push_back(((bgr >> 16) & 255) | (bgr & 0xFF00) | (bgr & 255) << 16);
    }
    return table;
}

// The picture as the writer takes it: a colour with alpha, or at 8 bits an index into the table.
std::uint32_t PixelValue(int x, int y, int bitsPerPixel) {
    const auto bgra = Picture(x, y);
    if (bitsPerPixel == 8) return static_cast<std::uint32_t>(((bgra[0] ^ bgra[2]) & 0xF0) | (bgra[1] >> 4));
    return static_cast<std::uint32_t>(bgra[2] | bgra[1] << 8 | bgra[0] << 16) | static_cast<std::uint32_t>(bgra[3]) << 24;
}

test::TargaPicture Texture(int width, int height, int bitsPerPixel, bool runLength) {
    test::TargaPicture picture{.width = width,
                               .height = height,
                               .pixel = [bitsPerPixel](int x, int y) { return PixelValue(x, y, bitsPerPixel); },
                               .bitsPerPixel = bitsPerPixel,
                               .runLength = runLength};
    if (bitsPerPixel == 8) picture.colorTable = ColorTable();
    return picture;
}

}  // namespace

GeneratedTexture GenerateTexture(int width, int height, int bitsPerPixel, bool runLength) {
    return {(bitsPerPixel == 8 ? std::string("8-bit mapped") : std::to_string(bitsPerPixel) + "-bit") +
                (runLength ? " rle" : " raw"),
            test::EncodeTarga(Texture(width, height, bitsPerPixel, runLength))};
}

GeneratedTexture HeaderOnlyTexture(int width, int height, int imageType, int bitsPerPixel) {
    const bool mapped = imageType == 1 || imageType == 9;
    test::Bytes bytes = test::TargaHeaderBytes(
        {0, mapped ? 1 : 0, imageType, 0, mapped ? 256 : 0, mapped ? 24 : 0, width, height, bitsPerPixel, 0});
    if (mapped)
        for (std::uint32_t color : ColorTable())
            bytes.insert(bytes.end(), {std::uint8_t(color >> 16), std::uint8_t(color >> 8), std::uint8_t(color)});
    return {"header only, type " + std::to_string(imageType), bytes};
}

}  // namespace vantrel::bench
