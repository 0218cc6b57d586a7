#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>

#include "support/TargaWriter.h"

// Small uncompressed Targa files for vantrel-check's tests, made by the Targa writer
// (support/TargaWriter.h). Pixels are given by a function of (x, y) with y = 0 the top row of the
// picture as meant (the game's view), as colour values (red + 256 * green + 65536 * blue).
namespace vantrel::check::test {

using PixelFunction = std::function<std::uint32_t(int x, int y)>;

using vantrel::test::RowOrder;

// Image type 2, 24 bits per pixel. BottomUp stores the bottom row first (descriptor 0); TopDown
// stores the top row first and says so in the descriptor (bit 5).
std::string MakeTarga24(int width, int height, const PixelFunction& pixel, RowOrder order = RowOrder::BottomUp);

// Image type 2, 32 bits per pixel, bottom row first; alpha gives each pixel's alpha byte.
std::string MakeTarga32(int width, int height, const PixelFunction& pixel, const std::function<int(int x, int y)>& alpha);

// Just a header with the given image type and depth, and no pixel data.
std::string MakeTargaHeaderOnly(int imageType, int bitsPerPixel, int width, int height);

void WriteBytes(const std::filesystem::path& path, const std::string& bytes);

// A pattern that tells every pixel of a small texture from every other.
std::uint32_t DistinctColor(int x, int y);

}  // namespace vantrel::check::test
