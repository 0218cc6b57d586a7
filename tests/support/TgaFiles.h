#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

// Small Targa files built in code for tests.
namespace vantrel::test {

// An 18-byte header followed by the given bytes (identification, table and pixel data).
inline std::vector<std::uint8_t> TgaBytes(int imageType, int bitsPerPixel, int width, int height,
                                          const std::vector<std::uint8_t>& data, int colorMapType = 0,
                                          int descriptor = 0, int idLength = 0) {
    std::vector<std::uint8_t> bytes = {
        static_cast<std::uint8_t>(idLength), static_cast<std::uint8_t>(colorMapType),
        static_cast<std::uint8_t>(imageType), 0, 0, 0, 0, 0, 0, 0, 0, 0,
        static_cast<std::uint8_t>(width & 255), static_cast<std::uint8_t>((width >> 8) & 255),
        static_cast<std::uint8_t>(height & 255), static_cast<std::uint8_t>((height >> 8) & 255),
        static_cast<std::uint8_t>(bitsPerPixel), static_cast<std::uint8_t>(descriptor)};
    bytes.insert(bytes.end(), data.begin(), data.end());
    return bytes;
}

// An uncompressed 24-bit texture whose pixel (x, y) (top-left origin, as painted) has the colour
// red = x, green = y, blue = 200. Rows are stored bottom row first.
inline std::vector<std::uint8_t> GradientTga24(int width, int height) {
    std::vector<std::uint8_t> data;
    for (int y = height - 1; y >= 0; --y)
        for (int x = 0; x < width; ++x) {
            data.push_back(200);
            data.push_back(static_cast<std::uint8_t>(y));
            data.push_back(static_cast<std::uint8_t>(x));
        }
    return TgaBytes(2, 24, width, height, data);
}

inline void WriteBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace vantrel::test
