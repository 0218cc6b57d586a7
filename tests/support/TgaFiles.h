#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

#include "support/TargaWriter.h"

// Small Targa files for the editor's tests, made by the Targa writer.
namespace vantrel::test {

// An 18-byte header followed by the given bytes (identification, table and pixel data).
inline Bytes TgaBytes(int imageType, int bitsPerPixel, int width, int height, const Bytes& data,
                      int colorMapType = 0, int descriptor = 0, int idLength = 0) {
    TargaFields fields;
    fields.idLength = idLength;
    fields.colorMapType = colorMapType;
    fields.imageType = imageType;
    fields.width = width;
    fields.height = height;
    fields.bitsPerPixel = bitsPerPixel;
    fields.descriptor = descriptor;
    Bytes bytes = TargaHeaderBytes(fields);
    bytes.insert(bytes.end(), data.begin(), data.end());
    return bytes;
}

// An uncompressed 24-bit texture whose pixel (x, y) (top-left origin, as painted) has the colour
// red = x, green = y, blue = 200 (each modulo 256). Rows are stored bottom row first.
inline Bytes GradientTga24(int width, int height) {
    return EncodeTarga({.width = width, .height = height, .pixel = [](int x, int y) {
                            return static_cast<std::uint32_t>((x & 255) | (y & 255) << 8 | 200 << 16);
                        }});
}

inline void WriteBytes(const std::filesystem::path& path, const Bytes& bytes) { WriteFileBytes(path, bytes); }

}  // namespace vantrel::test
