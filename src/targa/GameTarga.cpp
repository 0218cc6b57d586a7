#include "targa/GameTarga.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>
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

// A number and its unit, singular for one: "1 pixel", "4 pixels".
std::string Count(long long value, const char* one, const char* many) { return N(value) + (value == 1 ? one : many); }

GameTargaResult Fail(GameTargaOutcome outcome, GameShows shows, std::string problem) {
    GameTargaResult result;
    result.outcome = outcome;
    result.shows = shows;
    result.reason = problem + "; " + GameShowsText(shows);
    result.problem = std::move(problem);
    return result;
}

// Targa::Open fails: Begin_Load fails and Apply_Missing_Texture puts the placeholder in its place.
GameTargaResult OpenFails(GameTargaOutcome outcome, std::string problem) {
    return Fail(outcome, GameShows::MissingTexture, std::move(problem));
}
// Targa::Load fails once the surface exists: Load_Uncompressed_Mipmap returns false, which
// Finish_Load ignores, and the surface is used unfilled.
GameTargaResult LoadFails(GameTargaOutcome outcome, std::string problem) {
    return Fail(outcome, GameShows::UnfilledTexture, std::move(problem));
}
GameTargaResult Truncated(const std::string& what) { return LoadFails(GameTargaOutcome::Truncated, what); }
GameTargaResult Unsupported(const std::string& what) { return LoadFails(GameTargaOutcome::Unsupported, what); }

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

// Builds the table the 8-bit pixels are drawn through, and marks the table entries the game never
// writes a colour for.
void EightBitTable(const TargaHeader& header, const Palette& palette, std::array<std::uint32_t, 256>& table,
                   std::array<bool, 256>& defined) {
    defined.fill(true);
    if (header.ColorMapType == 1) {
        const int entryBytes = SignedByte(header.ColorMapDepth) >> 3;
        if (entryBytes != 3 && entryBytes != 4) {
            // BitmapHandlerClass::Read_B8G8R8A8 reads P8 pixels through 3- or 4-byte entries only;
            // for any other size it asserts (nothing in a release build) and writes nothing.
            table.fill(kOpaque);
            defined.fill(false);
            return;
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
}

}  // namespace

std::string GameShowsText(GameShows shows) {
    switch (shows) {
        case GameShows::Picture: return "the game draws it";
        case GameShows::MissingTexture:
            return "the game cannot open it and draws its missing-texture placeholder (a " + N(kMissingTextureSide) +
                   " x " + N(kMissingTextureSide) + " half-transparent magenta square) in its place";
        case GameShows::UnfilledTexture:
            return "the game makes the texture at the size its header declares but never fills it, so it shows "
                   "undefined colours";
        case GameShows::Unknown: return "this tool does not show what the game draws";
    }
    return "";
}

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

GameTargaResult DecodeTargaAsGame(const std::uint8_t* data, std::size_t size, GameTargaFlavour flavour) {
    // Targa::Open: the footer, the extension area it points to, the header, the ID field.
    if (size < kTargaHeaderSize)
        return OpenFails(GameTargaOutcome::Truncated, "the file is " + N(static_cast<long long>(size)) +
                                                          " bytes long, shorter than the 18-byte Targa header");
    const TargaHeader header = ParseTargaHeader(data);
    std::optional<GameTargaResult> openFailure;
    if (size < kFooterSize) {
        openFailure = OpenFails(GameTargaOutcome::Truncated,
                                "the file is " + N(static_cast<long long>(size)) +
                                    " bytes long, and the game's reader first looks for a Targa 2.0 footer in the last "
                                    "26 bytes");
    } else if (const std::uint8_t* footer = data + size - kFooterSize;
               std::memcmp(footer + 8, kFooterSignature, 16) == 0) {
        const std::int32_t extension = Int32(footer);
        if (extension != 0 && (extension < 0 || static_cast<std::size_t>(extension) + kExtensionSize > size))
            openFailure = OpenFails(GameTargaOutcome::Truncated,
                                    "the Targa 2.0 footer places the extension area at byte " + N(extension) +
                                        ", and its 495 bytes do not fit in the file's " +
                                        N(static_cast<long long>(size)));
    }
    // The ID field is skipped by a relative seek of a signed byte: 128 and above step backwards.
    if (!openFailure && SignedByte(header.IDLength) < 0)
        openFailure = OpenFails(GameTargaOutcome::Unsupported,
                                "the ID field length " + N(header.IDLength) +
                                    " is 128 or more, which the game's reader takes as a step backwards in the file");
    // Not a Targa file at all is said as such; what the game shows still depends on where its
    // reader stops: Targa::Open does not look at the image type, Targa::Load refuses it.
    if (!IsTargaImageType(header.ImageType))
        return Fail(GameTargaOutcome::NotTarga, openFailure ? openFailure->shows : GameShows::UnfilledTexture,
                    "the header gives image type " + N(header.ImageType) +
                        ", which the Targa format does not define: this is not a Targa file");
    if (openFailure) return *openFailure;
    std::size_t at = kTargaHeaderSize + header.IDLength;

    // From here on the texture loader has made the surface; what fails leaves it unfilled.
    // The texture loader picks a format from the depth (Get_WW3D_Format); with none,
    // Load_Uncompressed_Mipmap gives up before reading.
    const int bits = SignedByte(header.BitsPerPixel);
    if (bits != 8 && bits != 16 && bits != 24 && bits != 32)
        return Unsupported("the image has " + N(header.BitsPerPixel) +
                           " bits per pixel, and the game loads Targa textures of 8, 16, 24 or 32 bits only");
    const int width = header.ImageWidth;
    const int height = header.ImageHeight;
    if (width <= 0 || height <= 0)
        return Fail(GameTargaOutcome::Unsupported, GameShows::Unknown,
                    "the header gives a size of " + N(width) + " x " + N(height) + ", which has no pixels");
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
            return Unsupported("the colour map (" +
                               (length == 1 ? "entry " + N(first) : "entries " + N(first) + " to " + N(first + length - 1)) +
                               " of " + Count(entryBytes, " byte", " bytes") +
                               ") does not fit the 1,024 bytes the game sets aside for it");
        if (at > size || size - at < bytes)
            return Truncated("the file ends inside the colour map of " + Count(length, " entry", " entries"));
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

    const std::size_t bytesPerPixel = static_cast<std::size_t>(bits / 8);
    const std::size_t storedBytes = pixelCount * bytesPerPixel;
    const std::size_t left = at > size ? 0 : size - at;
    if (raw && left < storedBytes)
        return Truncated("the file ends after " + N(static_cast<long long>(left)) + " of the " +
                         Count(static_cast<long long>(storedBytes), " byte", " bytes") +
                         " of pixel data its header declares");
    // A packet takes at least 1 + bytesPerPixel bytes and gives at most 128 pixels: a file too short
    // for the image fails before anything is allocated for it.
    const std::size_t packetBytes = 1 + bytesPerPixel;
    if (runLength && (left + packetBytes - 1) / packetBytes * 128 < pixelCount)
        return Truncated("the run-length data ends long before the " +
                         Count(static_cast<long long>(pixelCount), " pixel", " pixels") + " its header declares");

    // This tool's own limit, not the game's, checked once the file is known to hold the image.
    if (pixelCount > kMaxGameDecodedPixels)
        return Fail(GameTargaOutcome::Unsupported, GameShows::Unknown,
                    "the image is " + N(width) + " x " + N(height) +
                        ", larger than this tool decodes (8192 x 8192 pixels)");

    // The pixel bytes in stored order, as the game's reader holds them before turning them upright:
    // the file's own bytes when raw, else the packets laid out.
    std::unique_ptr<std::uint8_t[]> stored;  // every byte is written before it is read
    const std::uint8_t* in = data + std::min(at, size);
    const std::uint8_t* storedBytesAt = in;
    if (!raw) {
        // Packets run on from one stored row into the next.
        stored.reset(new std::uint8_t[storedBytes]);
        const std::uint8_t* end = data + size;
        std::size_t done = 0;  // pixels decoded, in stored order
        while (done < pixelCount) {
            if (in >= end)
                return Truncated("the run-length data ends after " + N(static_cast<long long>(done)) + " of the " +
                                 Count(static_cast<long long>(pixelCount), " pixel", " pixels") + " its header declares");
            const int packet = *in++;
            const std::size_t count = static_cast<std::size_t>(packet & 0x7F) + 1;
            const bool run = (packet & 0x80) != 0;
            const std::size_t need = run ? bytesPerPixel : count * bytesPerPixel;
            if (static_cast<std::size_t>(end - in) < need)
                return Truncated("the run-length data ends inside a packet after " + N(static_cast<long long>(done)) +
                                 " of the " + Count(static_cast<long long>(pixelCount), " pixel", " pixels") +
                                 " its header declares");
            if (count > pixelCount - done)
                return Unsupported("the last run-length packet runs " +
                                   Count(static_cast<long long>(count - (pixelCount - done)), " pixel", " pixels") +
                                   " past the end of the image, and the game's reader then writes past its "
                                   "image and reads on to the end of the file");
            std::uint8_t* out = stored.get() + done * bytesPerPixel;
            if (run && bytesPerPixel == 1)
                std::memset(out, *in, count);
            else if (run)
                for (std::size_t i = 0; i < count; ++i) std::memcpy(out + i * bytesPerPixel, in, bytesPerPixel);
            else
                std::copy(in, in + need, out);
            done += count;
            in += need;
        }
        storedBytesAt = stored.get();
    }

    // Targa::Load turns the picture upright: each row mirrored first when the right-origin bit is
    // set (XFlip), then the rows swapped when the first stored row is the bottom one (the loader
    // flips the top-origin bit before the load, so YFlip runs for files without it). Picture row y
    // is then stored row height - 1 - y but for Zero Hour's unswapped bytes at its end, which stay
    // those of stored row y: its YFlip swaps each pair of rows with _swapBytes, 16 bytes at a time,
    // and that function's loop over the last count % 16 bytes exchanges a byte of the bottom row
    // with the top row's, then writes the bottom row's byte back where it came from and never
    // writes the top row, so those bytes of both rows keep their place. The original game's YFlip
    // swaps whole rows byte by byte.
    const std::size_t stride = static_cast<std::size_t>(width) * bytesPerPixel;
    const bool mirrored = (header.Descriptor & kTargaRightOrigin) != 0;
    const bool bottomFirst = (header.Descriptor & kTargaTopOrigin) == 0;
    const std::size_t unswappedBytes =
        bottomFirst && flavour == GameTargaFlavour::ZeroHour ? stride - stride / 16 * 16 : 0;
    std::vector<std::uint8_t> upright(mirrored || unswappedBytes > 0 ? stride : 0);
    std::vector<std::uint8_t> tailRow(mirrored && unswappedBytes > 0 ? stride : 0);
    auto mirror = [&](std::uint8_t* out, const std::uint8_t* row) {
        for (std::size_t x = 0; x < static_cast<std::size_t>(width); ++x)
            std::memcpy(out + x * bytesPerPixel, row + (static_cast<std::size_t>(width) - 1 - x) * bytesPerPixel,
                        bytesPerPixel);
    };
    auto pictureRowBytes = [&](std::size_t y) -> const std::uint8_t* {
        const std::size_t from = bottomFirst ? static_cast<std::size_t>(height) - 1 - y : y;
        const std::uint8_t* row = storedBytesAt + from * stride;
        if (!mirrored && unswappedBytes == 0) return row;
        if (mirrored)
            mirror(upright.data(), row);
        else
            std::memcpy(upright.data(), row, stride);
        if (unswappedBytes > 0 && from != y) {
            const std::uint8_t* own = storedBytesAt + y * stride;
            if (mirrored) {
                mirror(tailRow.data(), own);
                own = tailRow.data();
            }
            std::memcpy(upright.data() + stride - unswappedBytes, own + stride - unswappedBytes, unswappedBytes);
        }
        return upright.data();
    };

    // 8-bit pixels are drawn through a table.
    std::array<std::uint32_t, 256> table{};
    std::array<bool, 256> defined{};
    if (bytesPerPixel == 1) EightBitTable(header, palette, table, defined);
    const bool allDefined = std::all_of(defined.begin(), defined.end(), [](bool d) { return d; });

    GameTargaResult result;
    result.outcome = GameTargaOutcome::Loaded;
    result.shows = GameShows::Picture;
    DecodedTexture& image = result.image;
    image.width = width;
    image.height = height;
    image.pixels.resize(pixelCount);
    std::size_t undefinedPixels = 0;
    for (std::size_t y = 0; y < static_cast<std::size_t>(height); ++y) {
        const std::uint8_t* row = pictureRowBytes(y);
        std::uint32_t* out = image.pixels.data() + y * static_cast<std::size_t>(width);
        switch (bytesPerPixel) {
            case 1:
                PaintRow8(out, row, width, table.data());
                if (!allDefined)
                    for (int x = 0; x < width; ++x) undefinedPixels += defined[row[x]] ? 0 : 1;
                break;
            case 2: UnpackRow16WithAlphaBit(out, row, width); break;
            case 3: PaintRow24(out, row, width); break;
            default: UnpackRow32(out, row, width); break;
        }
    }

    std::string notes;
    auto note = [&](const std::string& text) { notes += (notes.empty() ? "" : "; ") + text; };
    if (undefinedPixels > 0) {
        const int entryBits = SignedByte(header.ColorMapDepth);
        if (header.ColorMapType == 1 && (entryBits >> 3) != 3 && (entryBits >> 3) != 4)
            note("its colour map has " + N(entryBits) +
                 "-bit entries, and the game draws colour-mapped pixels through 24- or 32-bit entries only: it "
                 "never writes the " + Count(static_cast<long long>(undefinedPixels), " pixel", " pixels") +
                 (undefinedPixels == 1 ? " and it shows" : " and they show") + " in undefined colours (shown here as black)");
        else
            note(Count(static_cast<long long>(undefinedPixels), " pixel uses", " pixels use") +
                 " colour-map entries the file does not give; the game draws them in whatever its "
                 "table held before (shown here as black)");
    }
    if (unswappedBytes == stride && height > 1)
        note("its rows are " + Count(static_cast<long long>(stride), " byte", " bytes") +
             " long, shorter than the 16 bytes the game turns the picture upright by: the whole picture stays "
             "upside down");
    else if (unswappedBytes > 0 && height > 1)
        note("its rows are " + N(static_cast<long long>(stride)) +
             " bytes long, not a multiple of 16, and the game turns the picture upright 16 bytes at a time: the last " +
             Count(static_cast<long long>(unswappedBytes), " byte", " bytes") + " of every row (" +
             (unswappedBytes % bytesPerPixel == 0
                  ? Count(static_cast<long long>(unswappedBytes / bytesPerPixel), " pixel", " pixels")
                  : "the cut falls inside a pixel") +
             ") stay upside down at the right edge");
    result.reason = notes;
    return result;
}

}  // namespace vantrel
