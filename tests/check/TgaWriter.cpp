#include "TgaWriter.h"

#include <fstream>
#include <stdexcept>

#include "targa/Canvas.h"

namespace vantrel::check::test {

namespace {

std::string Header(int imageType, int bitsPerPixel, int width, int height, int descriptor) {
    std::string header(18, '\0');
    header[2] = static_cast<char>(imageType);
    header[12] = static_cast<char>(width & 255);
    header[13] = static_cast<char>((width >> 8) & 255);
    header[14] = static_cast<char>(height & 255);
    header[15] = static_cast<char>((height >> 8) & 255);
    header[16] = static_cast<char>(bitsPerPixel);
    header[17] = static_cast<char>(descriptor);
    return header;
}

}  // namespace

std::string MakeTarga24(int width, int height, const PixelFunction& pixel, RowOrder order) {
    std::string bytes = Header(2, 24, width, height, order == RowOrder::TopDown ? 0x20 : 0);
    for (int stored = 0; stored < height; ++stored) {
        const int y = order == RowOrder::TopDown ? stored : height - 1 - stored;
        for (int x = 0; x < width; ++x) {
            const std::uint32_t color = pixel(x, y);
            bytes += static_cast<char>(ColorBlue(color));
            bytes += static_cast<char>(ColorGreen(color));
            bytes += static_cast<char>(ColorRed(color));
        }
    }
    return bytes;
}

std::string MakeTarga32(int width, int height, const PixelFunction& pixel, const std::function<int(int x, int y)>& alpha) {
    std::string bytes = Header(2, 32, width, height, 0);
    for (int y = height - 1; y >= 0; --y) {
        for (int x = 0; x < width; ++x) {
            const std::uint32_t color = pixel(x, y);
            bytes += static_cast<char>(ColorBlue(color));
            bytes += static_cast<char>(ColorGreen(color));
            bytes += static_cast<char>(ColorRed(color));
            bytes += static_cast<char>(alpha(x, y));
        }
    }
    return bytes;
}

std::string MakeTargaHeaderOnly(int imageType, int bitsPerPixel, int width, int height) {
    return Header(imageType, bitsPerPixel, width, height, 0);
}

void WriteBytes(const std::filesystem::path& path, const std::string& bytes) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + path.string());
}

std::uint32_t DistinctColor(int x, int y) { return PackColor(x * 7 + 3, y * 11 + 5, (x * 3 + y * 5) & 255); }

}  // namespace vantrel::check::test
