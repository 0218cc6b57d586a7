#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

// The one Targa writer of the tests, the benchmarks and the end-to-end scripts (through
// vantrel-make-tga): textures built in code, in every layout the reader decodes, and headers
// written field by field for the files no encoder would make.
namespace vantrel::test {

using Bytes = std::vector<std::uint8_t>;

// Every field of the 18-byte header; 16-bit fields are stored little-endian, modulo 65536.
struct TargaFields {
    int idLength = 0;
    int colorMapType = 0;
    int imageType = 2;
    int colorMapStart = 0;
    int colorMapLength = 0;
    int colorMapDepth = 0;
    int width = 1;
    int height = 1;
    int bitsPerPixel = 24;
    int descriptor = 0;
};

Bytes TargaHeaderBytes(const TargaFields& fields);

enum class RowOrder { BottomUp, TopDown };

// A picture to encode. pixel(x, y), with y = 0 the top row as painted, gives a colour value,
// red + 256 * green + 65536 * blue, plus 16777216 * alpha at 32 bits; at 8 bits it gives an
// index into colorTable instead.
struct TargaPicture {
    int width = 0;
    int height = 0;
    std::function<std::uint32_t(int x, int y)> pixel = {};
    int bitsPerPixel = 24;                  // 8 (colour-mapped), 16 (5 bits a channel), 24 or 32
    bool runLength = false;                 // image type 9 or 10 instead of 1 or 2
    RowOrder order = RowOrder::BottomUp;    // TopDown sets the descriptor's origin bit (bit 5)
    std::vector<std::uint32_t> colorTable = {};  // 8 bits: the table's colours, stored 24 bits each
};

// The header (descriptor: 8 alpha bits at 32 bits per pixel, the origin bit), the colour table and
// the rows. Run-length rows are packed the usual way: runs of two or more equal pixels, raw
// packets between them, no packet longer than 128 pixels or past a row's end. At 16 bits the
// attribute bit stays clear.
Bytes EncodeTarga(const TargaPicture& picture);

// Writes the bytes, creating the folders above; throws std::runtime_error when it cannot.
void WriteFileBytes(const std::filesystem::path& path, const Bytes& bytes);
void WriteFileBytes(const std::filesystem::path& path, const std::string& bytes);

}  // namespace vantrel::test
