#pragma once

#include <cstddef>
#include <cstdint>

// The 18-byte Targa header, read the same way by both of the project's decoding rules (the
// editor's and the game's). Multi-byte fields are little-endian.
namespace vantrel {

struct TargaHeader {
    std::uint8_t IDLength;
    std::uint8_t ColorMapType;
    std::uint8_t ImageType;
    std::uint16_t ColorMapStart;
    std::uint16_t ColorMapLength;
    std::uint8_t ColorMapDepth;
    std::uint16_t XOrigin;
    std::uint16_t YOrigin;
    std::int16_t ImageWidth;
    std::int16_t ImageHeight;
    std::uint8_t BitsPerPixel;
    std::uint8_t Descriptor;
};
inline constexpr std::size_t kTargaHeaderSize = 18;

// Descriptor bits: the first stored column is the right one; the first stored row is the top one.
inline constexpr std::uint8_t kTargaRightOrigin = 0x10;
inline constexpr std::uint8_t kTargaTopOrigin = 0x20;

inline std::uint16_t TargaWord(const std::uint8_t* bytes) {
    return static_cast<std::uint16_t>(bytes[0] | (bytes[1] << 8));
}

// bytes holds at least kTargaHeaderSize bytes.
inline TargaHeader ParseTargaHeader(const std::uint8_t* bytes) {
    TargaHeader header{};
    header.IDLength = bytes[0];
    header.ColorMapType = bytes[1];
    header.ImageType = bytes[2];
    header.ColorMapStart = TargaWord(bytes + 3);
    header.ColorMapLength = TargaWord(bytes + 5);
    header.ColorMapDepth = bytes[7];
    header.XOrigin = TargaWord(bytes + 8);
    header.YOrigin = TargaWord(bytes + 10);
    // Widths and heights are held as 16-bit signed values: 32768 and above read as negative.
    header.ImageWidth = static_cast<std::int16_t>(TargaWord(bytes + 12));
    header.ImageHeight = static_cast<std::int16_t>(TargaWord(bytes + 14));
    header.BitsPerPixel = bytes[16];
    header.Descriptor = bytes[17];
    return header;
}

// The image types the Targa format defines (whether or not a given reader decodes them).
constexpr bool IsTargaImageType(int imageType) {
    return imageType == 0 || imageType == 1 || imageType == 2 || imageType == 3 || imageType == 9 ||
           imageType == 10 || imageType == 11 || imageType == 32 || imageType == 33;
}

}  // namespace vantrel
