// vantrel-make-tga: the Targa writer of the tests as a command, for the end-to-end scripts.
// Reads WIDTH * HEIGHT pixels of 8-bit red, green and blue from standard input, top row first
// (what `convert PICTURE -depth 8 rgb:-` writes), and writes them as an uncompressed 24-bit
// Targa file, bottom row first as the format's default origin says.
// Usage: vantrel-make-tga WIDTH HEIGHT OUT.tga
#include <cstdio>
#include <exception>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include "support/TargaWriter.h"

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: vantrel-make-tga WIDTH HEIGHT OUT.tga < pixels.rgb\n";
        return 2;
    }
    try {
        const int width = std::stoi(argv[1]);
        const int height = std::stoi(argv[2]);
        if (width < 1 || height < 1 || width > 65535 || height > 65535) throw std::out_of_range("size");
        std::freopen(nullptr, "rb", stdin);
        const std::vector<unsigned char> rgb{std::istreambuf_iterator<char>(std::cin), {}};
        if (rgb.size() != static_cast<std::size_t>(width) * height * 3) {
            std::cerr << "vantrel-make-tga: expected " << static_cast<std::size_t>(width) * height * 3
                      << " bytes of red, green and blue, got " << rgb.size() << "\n";
            return 1;
        }
        const auto pixel = [&](int x, int y) {
            const std::size_t at = (static_cast<std::size_t>(y) * width + x) * 3;
            return static_cast<std::uint32_t>(rgb[at] | rgb[at + 1] << 8 | rgb[at + 2] << 16);
        };
        vantrel::test::WriteFileBytes(argv[3], vantrel::test::EncodeTarga({.width = width, .height = height, .pixel = pixel}));
    } catch (const std::exception& error) {
        std::cerr << "vantrel-make-tga: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
