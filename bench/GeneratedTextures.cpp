#include "GeneratedTextures.h"

#include <algorithm>
#include <array>
#include <cstring>

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

// The pixel's bytes as the file stores them at the given depth (8: a table index).
std::vector<std::uint8_t> PixelBytes(int x, int y, int bitsPerPixel) {
    const auto bgra = Picture(x, y);
    switch (bitsPerPixel) {
        case 8: return {static_cast<std::uint8_t>(((bgra[0] ^ bgra[2]) & 0xF0) | (bgra[1] >> 4))};
        case 16: {
            const int value = ((bgra[2] >> 3) << 10) | ((bgra[1] >> 3) << 5) | (bgra[0] >> 3);
            return {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8)};
        }
        case 24: return {bgra[0], bgra[1], bgra[2]};
        default: return {bgra[0], bgra[1], bgra[2], bgra[3]};
    }
}

void PutWord(std::vector<std::uint8_t>& out, int value) {
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

std::vector<std::uint8_t> Header(int width, int height, int imageType, int bitsPerPixel) {
    const bool mapped = imageType == 1 || imageType == 9;
    std::vector<std::uint8_t> out = {0, static_cast<std::uint8_t>(mapped ? 1 : 0), static_cast<std::uint8_t>(imageType)};
    PutWord(out, 0);
    PutWord(out, mapped ? 256 : 0);
    out.push_back(static_cast<std::uint8_t>(mapped ? 24 : 0));
    PutWord(out, 0);
    PutWord(out, 0);
    PutWord(out, width);
    PutWord(out, height);
    out.push_back(static_cast<std::uint8_t>(bitsPerPixel));
    out.push_back(static_cast<std::uint8_t>(bitsPerPixel == 32 ? 8 : 0));
    if (mapped) {
        for (int i = 0; i < 256; ++i) {
            const std::uint32_t color = Hash(static_cast<std::uint32_t>(i) + 99);
            out.push_back(static_cast<std::uint8_t>(color));
            out.push_back(static_cast<std::uint8_t>(color >> 8));
            out.push_back(static_cast<std::uint8_t>(color >> 16));
        }
    }
    return out;
}

// One row run-length encoded the usual way: runs of two or more equal pixels, raw packets between
// them, no packet longer than 128 pixels or past the row's end.
void EncodeRow(const std::vector<std::vector<std::uint8_t>>& row, std::vector<std::uint8_t>& out) {
    const int width = static_cast<int>(row.size());
    int i = 0;
    while (i < width) {
        int run = 1;
        while (i + run < width && run < 128 && row[i + run] == row[i]) ++run;
        if (run >= 2) {
            out.push_back(static_cast<std::uint8_t>(0x80 | (run - 1)));
            out.insert(out.end(), row[i].begin(), row[i].end());
            i += run;
            continue;
        }
        int raw = 1;
        while (i + raw < width && raw < 128 && !(i + raw + 1 < width && row[i + raw] == row[i + raw + 1])) ++raw;
        out.push_back(static_cast<std::uint8_t>(raw - 1));
        for (int k = 0; k < raw; ++k) out.insert(out.end(), row[i + k].begin(), row[i + k].end());
        i += raw;
    }
}

}  // namespace

GeneratedTexture GenerateTexture(int width, int height, int bitsPerPixel, bool runLength) {
    const int imageType = (bitsPerPixel == 8 ? 1 : 2) + (runLength ? 8 : 0);
    GeneratedTexture texture;
    texture.name = (bitsPerPixel == 8 ? std::string("8-bit mapped") : std::to_string(bitsPerPixel) + "-bit") +
                   (runLength ? " rle" : " raw");
    texture.bytes = Header(width, height, imageType, bitsPerPixel);
    // Stored bottom row first, as the header's origin bit (clear) says.
    std::vector<std::vector<std::uint8_t>> row(static_cast<std::size_t>(width));
    for (int y = height - 1; y >= 0; --y) {
        for (int x = 0; x < width; ++x) row[x] = PixelBytes(x, y, bitsPerPixel);
        if (runLength) {
            EncodeRow(row, texture.bytes);
        } else {
            for (const auto& pixel : row) texture.bytes.insert(texture.bytes.end(), pixel.begin(), pixel.end());
        }
    }
    return texture;
}

GeneratedTexture HeaderOnlyTexture(int width, int height, int imageType, int bitsPerPixel) {
    return {"header only, type " + std::to_string(imageType), Header(width, height, imageType, bitsPerPixel)};
}

}  // namespace vantrel::bench
