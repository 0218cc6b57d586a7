#include "targa/GameTarga.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <new>

#include "targa/PixelRows.h"
#include "targa/TargaHeader.h"

namespace vantrel {

namespace {

constexpr std::size_t kFooterSize = 26;          // extension offset, developer offset, signature, '.', NUL
constexpr std::size_t kExtensionSize = 495;      // the Targa 2.0 extension area as the game reads it
constexpr std::size_t kPaletteBufferBytes = 1024;  // 256 entries of up to 4 bytes
constexpr char kFooterSignature[] = "TRUEVISION-XFILE";
constexpr std::uint32_t kOpaque = 0xFF000000u;

std::string N(long long value) { return std::to_string(value); }

GameTargaResult Fail(GameTargaOutcome outcome, std::string reason) {
    GameTargaResult result;
    result.outcome = outcome;
    result.reason = std::move(reason);
    return result;
}

const char* kMissing = "; the game fails to load it and the texture is missing";

GameTargaResult Truncated(const std::string& what) { return Fail(GameTargaOutcome::Truncated, what + kMissing); }
GameTargaResult Unsupported(const std::string& what) { return Fail(GameTargaOutcome::Unsupported, what + kMissing); }

std::int32_t Int32(const std::uint8_t* bytes) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(bytes[0]) | (static_cast<std::uint32_t>(bytes[1]) << 8) |
                                     (static_cast<std::uint32_t>(bytes[2]) << 16) |
                                     (static_cast<std::uint32_t>(bytes[3]) << 24));
}

// The game keeps the header's 8-bit fields as signed chars: 128 and above read as negative.
int SignedByte(std::uint8_t value) { return static_cast<std::int8_t>(value); }

// The colour map as the game's loader holds it: a buffer of 1,024 bytes that the file's entries
// are copied into from the first entry's place on, with the bytes it never wrote marked.
struct Palette {
    std::array<std::uint8_t, kPaletteBufferBytes> bytes{};
    std::size_t firstLoaded = 0;  // [firstLoaded, endLoaded) holds bytes from the file
    std::size_t endLoaded = 0;
};

// Builds the table the 8-bit pixels are drawn through, and counts on the way how many table
// entries the file does not give. Returns false when the game cannot draw the entries at all.
bool EightBitTable(const TargaHeader& header, const Palette& palette, std::array<std::uint32_t, 256>& table,
                   std::array<bool, 256>& defined, std::string& problem) {
    defined.fill(true);
    if (header.ColorMapType == 1) {
        const int entryBytes = SignedByte(header.ColorMapDepth) >> 3;
        if (entryBytes != 3 && entryBytes != 4) {
            problem = "its colour map has " + N(SignedByte(header.ColorMapDepth)) +
                      "-bit entries, and the game draws colour-mapped pixels through 24- or 32-bit entries only";
            return false;
        }
        for (int i = 0; i < 256; ++i) {
            const std::size_t at = static_cast<std::size_t>(i) * entryBytes;
            const std::uint8_t* e = palette.bytes.data() + at;
            defined[i] = at >= palette.firstLoaded && at + entryBytes <= palette.endLoaded;
            if (!defined[i])
                table[i] = kOpaque;
            else if (entryBytes == 3)  // blue slot from the third byte, red slot from the first
                table[i] = kOpaque | (std::uint32_t{e[0]} << 16) | (std::uint32_t{e[1]} << 8) | e[2];
            else  // 4 bytes: blue from the fourth, green from the third, red from the second, alpha from the first
                table[i] = (std::uint32_t{e[0]} << 24) | (std::uint32_t{e[1]} << 16) | (std::uint32_t{e[2]} << 8) | e[3];
        }
    } else if (header.ImageType == 3) {  // greyscale
        for (std::uint32_t i = 0; i < 256; ++i) table[i] = kOpaque | (i << 16) | (i << 8) | i;
    } else {  // alpha only, black
        for (std::uint32_t i = 0; i < 256; ++i) table[i] = i << 24;
    }
    return true;
}

}  // namespace

const char* GameTargaOutcomeName(GameTargaOutcome outcome) {
    switch (outcome) {
        case GameTargaOutcome::Loaded: return "loaded";
        case GameTargaOutcome::NotTarga: return "not a Targa file";
        case GameTargaOutcome::Unsupported: return "not loaded by the game";
        case GameTargaOutcome::Truncated: return "truncated";
    }
    return "unknown";
}

std::optional<std::string> WhyNotATargaFile(const std::uint8_t* data, std::size_t size) {
    if (size < kTargaHeaderSize)
        return "it is " + N(static_cast<long long>(size)) + " bytes long, shorter than a Targa header (18 bytes)";
    const TargaHeader header = ParseTargaHeader(data);
    if (header.ColorMapType > 1)
        return "its header gives colour-map type " + N(header.ColorMapType) + ", where a Targa file has 0 or 1";
    if (!IsTargaImageType(header.ImageType))
        return "its header gives image type " + N(header.ImageType) + ", which the Targa format does not define";
    return std::nullopt;
}

GameTargaResult DecodeTargaAsGame(const std::uint8_t* data, std::size_t size) {
    if (size < kTargaHeaderSize)
        return Truncated("the file is " + N(static_cast<long long>(size)) +
                         " bytes long, shorter than the 18-byte Targa header");
    const TargaHeader header = ParseTargaHeader(data);
    if (!IsTargaImageType(header.ImageType))
        return Fail(GameTargaOutcome::NotTarga, "the header gives image type " + N(header.ImageType) +
                                                    ", which the Targa format does not define: this is not a Targa "
                                                    "file" + std::string(kMissing));

    // The game's reader opens the file by looking for a Targa 2.0 footer in its last 26 bytes.
    if (size < kFooterSize)
        return Truncated("the file is " + N(static_cast<long long>(size)) +
                         " bytes long, and the game's reader first looks for a Targa 2.0 footer in the last 26 bytes");
    const std::uint8_t* footer = data + size - kFooterSize;
    if (std::memcmp(footer + 8, kFooterSignature, 16) == 0) {
        const std::int32_t extension = Int32(footer);
        if (extension != 0 &&
            (extension < 0 || static_cast<std::size_t>(extension) + kExtensionSize > size))
            return Truncated("the Targa 2.0 footer places the extension area at byte " + N(extension) +
                             ", and its 495 bytes do not fit in the file's " + N(static_cast<long long>(size)));
    }

    // The ID field is skipped by a relative seek of a signed byte: 128 and above step backwards.
    if (SignedByte(header.IDLength) < 0)
        return Unsupported("the ID field length " + N(header.IDLength) +
                           " is 128 or more, which the game's reader takes as a step backwards in the file");
    std::size_t at = kTargaHeaderSize + header.IDLength;

    // The texture loader picks a format from the depth before anything is read.
    const int bits = SignedByte(header.BitsPerPixel);
    if (bits != 8 && bits != 16 && bits != 24 && bits != 32)
        return Unsupported("the image has " + N(header.BitsPerPixel) +
                           " bits per pixel, and the game loads Targa textures of 8, 16, 24 or 32 bits only");
    const int width = header.ImageWidth;
    const int height = header.ImageHeight;
    if (width <= 0 || height <= 0)
        return Unsupported("the header gives a size of " + N(width) + " x " + N(height) + ", which has no pixels");
    const std::size_t pixelCount = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);

    // The colour map, by its header fields, when the colour-map type is 1.
    Palette palette;
    if (header.ColorMapType == 1) {
        const int entryBytes = SignedByte(header.ColorMapDepth) >> 3;
        const int first = static_cast<std::int16_t>(header.ColorMapStart);
        const int length = static_cast<std::int16_t>(header.ColorMapLength);
        if (entryBytes < 0 || (length > 0 && first < 0))
            return Unsupported("the colour-map fields (first entry " + N(first) + ", entry size " +
                               N(SignedByte(header.ColorMapDepth)) +
                               " bits) are negative as the game reads them, and it copies the colour map to the "
                               "wrong place");
        if (length < 0) {
            // A length of 32768 or more reads as negative: the game then skips the colour map by a
            // relative seek, which steps backwards, and reads the pixels from there.
            const long long back = static_cast<long long>(-length) * entryBytes;
            if (back > static_cast<long long>(at))
                return Unsupported("the colour-map length " + N(header.ColorMapLength) +
                                   " reads as negative, and the game's reader steps back before the start of the file");
            at -= static_cast<std::size_t>(back);
        }
        const std::size_t offset = length > 0 ? static_cast<std::size_t>(first) * entryBytes : 0;
        const std::size_t bytes = length > 0 ? static_cast<std::size_t>(length) * entryBytes : 0;
        if (length > 0 && offset + bytes > kPaletteBufferBytes)
            return Unsupported("the colour map (entries " + N(first) + " to " + N(first + length - 1) + " of " +
                               N(entryBytes) + " bytes) does not fit the 1,024 bytes the game sets aside for it");
        if (at > size || size - at < bytes)
            return Truncated("the file ends inside the colour map of " + N(length) + " entries");
        if (length > 0) {
            std::memcpy(palette.bytes.data() + offset, data + at, bytes);
            palette.firstLoaded = offset;
            palette.endLoaded = offset + bytes;
        }
        at += bytes;
    }

    const int imageType = header.ImageType;
    const bool raw = imageType == 1 || imageType == 2 || imageType == 3;
    const bool runLength = imageType == 9 || imageType == 10;
    if (!raw && !runLength) {
        if (imageType == 11)
            return Unsupported("it is a run-length encoded greyscale image (type 11), which the game's reader does not decode");
        return Unsupported("it has image type " + N(imageType) + ", which the game's reader does not decode");
    }

    const int bytesPerPixel = bits / 8;
    const std::size_t storedBytes = pixelCount * bytesPerPixel;
    const std::size_t left = at > size ? 0 : size - at;
    if (raw && left < storedBytes)
        return Truncated("the file ends after " + N(static_cast<long long>(left)) + " of the " +
                         N(static_cast<long long>(storedBytes)) + " bytes of pixel data its header declares");
    // A packet takes at least 1 + bytesPerPixel bytes and gives at most 128 pixels: a file too short
    // for the image fails before anything is allocated for it.
    const std::size_t packetBytes = 1 + static_cast<std::size_t>(bytesPerPixel);
    if (runLength && (left + packetBytes - 1) / packetBytes * 128 < pixelCount)
        return Truncated("the run-length data ends long before the " + N(static_cast<long long>(pixelCount)) +
                         " pixels its header declares");

    // This tool's own limit, not the game's, checked once the file is known to hold the image.
    if (pixelCount > kMaxGameDecodedPixels)
        return Fail(GameTargaOutcome::Unsupported, "the image is " + N(width) + " x " + N(height) +
                                                       ", larger than this tool decodes (8192 x 8192 pixels)");

    // 8-bit pixels are drawn through a table; whether the game can draw it at all is known once
    // the pixels have been read.
    std::array<std::uint32_t, 256> table{};
    std::array<bool, 256> defined{};
    std::string tableProblem;
    bool tableUsable = true;
    bool allDefined = true;
    if (bytesPerPixel == 1) {
        tableUsable = EightBitTable(header, palette, table, defined, tableProblem);
        for (const bool d : defined) allDefined = allDefined && d;
    }
    std::size_t undefinedPixels = 0;
    auto countUndefined = [&](const std::uint8_t* indices, std::size_t count) {
        if (bytesPerPixel != 1 || allDefined) return;
        for (std::size_t i = 0; i < count; ++i) undefinedPixels += defined[indices[i]] ? 0 : 1;
    };
    auto convert = [&](std::uint32_t* out, const std::uint8_t* in, int count) {
        switch (bytesPerPixel) {
            case 1: PaintRow8(out, in, count, table.data()); break;
            case 2: UnpackRow16WithAlphaBit(out, in, count); break;
            case 3: PaintRow24(out, in, count); break;
            default: UnpackRow32(out, in, count); break;
        }
    };

    GameTargaResult result;
    result.outcome = GameTargaOutcome::Loaded;
    DecodedTexture& image = result.image;
    image.width = width;
    image.height = height;
    image.pixels.resize(pixelCount);
    // Stored row r is row r of the picture (top first) when the first stored row is the top one,
    // else row height - 1 - r.
    const bool topFirst = (header.Descriptor & kTargaTopOrigin) != 0;
    auto pictureRow = [&](std::size_t storedRow) {
        const std::size_t y = topFirst ? storedRow : static_cast<std::size_t>(height) - 1 - storedRow;
        return image.pixels.data() + y * static_cast<std::size_t>(width);
    };
    const std::uint8_t* in = data + std::min(at, size);
    if (raw) {
        const std::size_t rowBytes = static_cast<std::size_t>(width) * bytesPerPixel;
        for (std::size_t row = 0; row < static_cast<std::size_t>(height); ++row, in += rowBytes) {
            convert(pictureRow(row), in, width);
            countUndefined(in, static_cast<std::size_t>(width));
        }
    } else {
        // Packets run on from one stored row into the next: each is laid down in pieces that end
        // at row ends.
        const std::uint8_t* end = data + size;
        std::size_t done = 0;  // pixels decoded, in stored order
        std::size_t row = 0, column = 0;  // where the next one goes, in stored rows
        std::uint32_t* rowStart = pictureRow(0);
        while (done < pixelCount) {
            if (in >= end)
                return Truncated("the run-length data ends after " + N(static_cast<long long>(done)) + " of the " +
                                 N(static_cast<long long>(pixelCount)) + " pixels its header declares");
            const int packet = *in++;
            const std::size_t count = static_cast<std::size_t>(packet & 0x7F) + 1;
            const bool run = (packet & 0x80) != 0;
            const std::size_t need = run ? bytesPerPixel : count * bytesPerPixel;
            if (static_cast<std::size_t>(end - in) < need)
                return Truncated("the run-length data ends inside a packet after " + N(static_cast<long long>(done)) +
                                 " of the " + N(static_cast<long long>(pixelCount)) + " pixels its header declares");
            if (count > pixelCount - done)
                return Unsupported("the last run-length packet runs " +
                                   N(static_cast<long long>(count - (pixelCount - done))) +
                                   " pixels past the end of the image, and the game's reader then writes past its "
                                   "image and reads on to the end of the file");
            std::uint32_t value = 0;
            if (run) {
                convert(&value, in, 1);
                if (bytesPerPixel == 1 && !allDefined && !defined[in[0]]) undefinedPixels += count;
            } else {
                countUndefined(in, count);
            }
            const std::uint8_t* bytes = in;
            for (std::size_t laid = 0; laid < count;) {
                const std::size_t piece = std::min(count - laid, static_cast<std::size_t>(width) - column);
                std::uint32_t* out = rowStart + column;
                if (run) {
                    std::fill(out, out + piece, value);
                } else {
                    convert(out, bytes, static_cast<int>(piece));
                    bytes += piece * bytesPerPixel;
                }
                laid += piece;
                done += piece;
                column += piece;
                if (column == static_cast<std::size_t>(width) && done < pixelCount) {
                    column = 0;
                    rowStart = pictureRow(++row);
                }
            }
            in += need;
        }
    }
    if (!tableUsable) return Unsupported(tableProblem);
    if (header.Descriptor & kTargaRightOrigin)
        for (int y = 0; y < height; ++y) {
            std::uint32_t* row = image.pixels.data() + static_cast<std::size_t>(y) * width;
            std::reverse(row, row + width);
        }
    if (undefinedPixels > 0)
        result.reason = N(static_cast<long long>(undefinedPixels)) +
                        " pixels use colour-map entries the file does not give; the game draws them in whatever its "
                        "table held before (shown here as black)";
    return result;
}

}  // namespace vantrel
