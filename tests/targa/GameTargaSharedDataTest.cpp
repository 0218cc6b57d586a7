// The shared corpus (Targa files written by other programs) decoded by the game's rules. Which
// files the game fails to load follows from their headers and sizes as the corpus notes give them;
// every file it loads is compared with stb_image's decode of the same bytes, an independent decoder,
// through the differences the game's engine source makes: colour-map entries taken in reverse byte
// order, 16-bit channels as 5 bits, the horizontal origin bit (which stb_image ignores). A file whose
// colour map does not start at entry 0 is compared with its reference PNG instead.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>
#include <stb_image.h>

#include "TargaTestFiles.h"
#include "support/TestData.h"
#include "targa/Canvas.h"
#include "targa/GameTarga.h"

namespace vantrel::test {
namespace {

std::filesystem::path TgaDir() { return SharedTestDataDir() / "tga"; }

struct Rgba {
    int width = 0, height = 0, channels = 0;
    std::vector<std::uint8_t> bytes;
    bool valid() const { return width > 0; }
    const std::uint8_t* at(int x, int y) const { return &bytes[(static_cast<std::size_t>(y) * width + x) * 4]; }
};

Rgba FromStb(stbi_uc* pixels, int width, int height, int channels) {
    Rgba image;
    if (!pixels) return image;
    image.width = width;
    image.height = height;
    image.channels = channels;
    image.bytes.assign(pixels, pixels + static_cast<std::size_t>(width) * height * 4);
    stbi_image_free(pixels);
    return image;
}

Rgba StbFromMemory(const std::vector<unsigned char>& bytes) {
    int width = 0, height = 0, channels = 0;
    stbi_uc* pixels = stbi_load_from_memory(bytes.data(), static_cast<int>(bytes.size()), &width, &height, &channels, 4);
    return FromStb(pixels, width, height, channels);
}

Rgba StbFromFile(const std::filesystem::path& path) {
    int width = 0, height = 0, channels = 0;
    stbi_uc* pixels = stbi_load(path.string().c_str(), &width, &height, &channels, 4);
    return FromStb(pixels, width, height, channels);
}

// What the game shows for a pixel a standard decoder gives as r, g, b, a.
using Mapping = std::uint32_t (*)(const std::uint8_t* rgba);
std::uint32_t Pack(int a, int r, int g, int b) {
    return (static_cast<std::uint32_t>(a) << 24) | (static_cast<std::uint32_t>(r) << 16) |
           (static_cast<std::uint32_t>(g) << 8) | static_cast<std::uint32_t>(b);
}
std::uint32_t AsIs(const std::uint8_t* p) { return Pack(p[3], p[0], p[1], p[2]); }
// A 24-bit colour-map entry stored blue, green, red is drawn red, green, blue from it.
std::uint32_t Entry24(const std::uint8_t* p) { return Pack(255, p[2], p[1], p[0]); }
// A 32-bit entry stored blue, green, red, alpha is drawn alpha, red, green, blue from it.
std::uint32_t Entry32(const std::uint8_t* p) { return Pack(p[2], p[1], p[0], p[3]); }
// stb_image widens 5-bit channels as c * 255 / 31, the game as c * 8; alpha is not compared.
std::uint32_t FiveBits(const std::uint8_t* p) {
    auto five = [](int c) { return ((c * 31 + 127) / 255) << 3; };
    return Pack(0, five(p[0]), five(p[1]), five(p[2]));
}

// The corpus's reference picture for a file: "<name>.png", or for the "200x32_<kind>_..." files
// "200x32_<kind>.png".
std::filesystem::path ReferencePng(const std::string& name) {
    if (name.rfind("200x32_", 0) == 0) return TgaDir() / (name.substr(0, name.find('_', 7)) + ".png");
    return TgaDir() / (name + ".png");
}

// Files the game does not load, and how it fails. Every other file of the corpus loads.
const std::map<std::string, GameTargaOutcome>& NotLoaded() {
    static const std::map<std::string, GameTargaOutcome> files = {
        {"bad-color-map.tga", GameTargaOutcome::Truncated},           // 19 bytes: no room for the footer look-up
        {"cbw8.tga", GameTargaOutcome::Unsupported},                  // type 11
        {"cross_scan_line_truncated.tga", GameTargaOutcome::Truncated},
        {"flip-zero-height.tga", GameTargaOutcome::NotTarga},         // image type 163
        {"orientation-zero-width.tga", GameTargaOutcome::Unsupported},  // width 0
        {"overfull-image.tga", GameTargaOutcome::Truncated},          // 21 bytes
        {"p_8.tga", GameTargaOutcome::Truncated},                     // a header alone
        {"slice-copy-length.tga", GameTargaOutcome::Truncated},       // a header alone
        {"type11_bl.tga", GameTargaOutcome::Unsupported},
    };
    return files;
}

// Files with 8-bit pixels drawn through a colour map of 15- or 16-bit entries: the game draws the
// texture, but never writes its pixels.
const std::set<std::string>& UndefinedColours() {
    static const std::set<std::string> files = {"ccm8.tga", "p_16.tga", "ucm8.tga"};
    return files;
}

TEST(GameTargaSharedData, TheGameLoadsWhatItsReaderReadsAndShowsWhatAnIndependentDecoderShows) {
    SKIP_UNLESS_SHARED_TESTDATA();
    int files = 0, compared = 0, skipped = 0, undefined = 0;
    for (const auto& entry : std::filesystem::directory_iterator(TgaDir())) {
        if (entry.path().extension() != ".tga") continue;
        const std::string name = entry.path().filename().string();
        SCOPED_TRACE(name);
        ++files;
        const std::vector<unsigned char> bytes = ReadFileBytes(entry.path());
        const GameTargaResult game = DecodeTargaAsGame(bytes.data(), bytes.size(), GameTargaFlavour::Generals);
        const auto failing = NotLoaded().find(name);
        if (failing != NotLoaded().end()) {
            EXPECT_EQ(game.outcome, failing->second) << game.reason;
            EXPECT_FALSE(game.reason.empty());
            continue;
        }
        ASSERT_EQ(game.outcome, GameTargaOutcome::Loaded) << game.reason;
        if (UndefinedColours().count(name)) {
            EXPECT_NE(game.reason.find("show in undefined colours"), std::string::npos) << game.reason;
            ++undefined;
            continue;
        }
        ASSERT_EQ(game.image.pixels.size(), static_cast<std::size_t>(game.image.width) * game.image.height);

        const int colorMapType = bytes[1];
        const int mapStart = bytes[3] | (bytes[4] << 8);
        const int mapLength = static_cast<std::int16_t>(bytes[5] | (bytes[6] << 8));
        const int entryBits = bytes[7];
        const int bits = bytes[16];
        const bool mirrored = (bytes[17] & 0x10) != 0;
        if (mapLength < 0) {  // the game skips a negative-length map backwards; no decoder agrees
            EXPECT_NE(game.reason.find("colour-map entries the file does not give"), std::string::npos) << game.reason;
            ++skipped;
            continue;
        }
        if (colorMapType == 1 && entryBits % 8 != 0) {
            // The game skips entryBits / 8 bytes an entry (a 15-bit map: one byte, where the format
            // stores two), so it reads its pixels that much earlier: the same pixels as a file
            // without a map whose pixel data starts there.
            std::vector<unsigned char> early(bytes.begin(), bytes.begin() + 18);
            early[0] = early[1] = 0;
            early[5] = early[6] = early[7] = 0;
            early.insert(early.end(), bytes.begin() + 18 + bytes[0] + mapLength * (entryBits / 8), bytes.end());
            const GameTargaResult shifted = DecodeTargaAsGame(early.data(), early.size(), GameTargaFlavour::Generals);
            EXPECT_EQ(shifted.image.pixels, game.image.pixels);
            ++skipped;
            continue;
        }
        const bool mapped = bits == 8 && colorMapType == 1;
        Mapping mapping = AsIs;
        if (mapped) mapping = entryBits == 32 ? Entry32 : Entry24;
        if (bits == 16) mapping = FiveBits;
        const std::uint32_t mask = bits == 16 ? 0x00FFFFFFu : 0xFFFFFFFFu;
        // stb_image skips mapStart bytes, not entries: compare such a file with its reference PNG.
        // stb_image refuses some headers; their reference PNGs stand in for it.
        Rgba reference = mapped && mapStart != 0 ? Rgba{} : StbFromMemory(bytes);
        if (!reference.valid()) reference = StbFromFile(ReferencePng(name));
        ASSERT_TRUE(reference.valid()) << ReferencePng(name) << " " << (stbi_failure_reason() ? stbi_failure_reason() : "");
        ASSERT_EQ(reference.width, game.image.width);
        ASSERT_EQ(reference.height, game.image.height);
        EXPECT_TRUE(game.reason.empty()) << game.reason;
        int differing = 0;
        for (int y = 0; y < reference.height; ++y)
            for (int x = 0; x < reference.width; ++x) {
                const std::uint32_t expected = mapping(reference.at(mirrored ? reference.width - 1 - x : x, y)) & mask;
                const std::uint32_t actual = game.image.pixels[static_cast<std::size_t>(y) * game.image.width + x] & mask;
                if (expected != actual && differing++ < 3)
                    ADD_FAILURE() << "pixel " << x << "," << y << ": expected " << std::hex << expected << ", got "
                                  << actual;
            }
        EXPECT_EQ(differing, 0);
        ++compared;
    }
    EXPECT_GE(files, 40);
    // Every file the game loads was compared with another decoder, but two whose colour maps the
    // game skips differently from every other reader.
    EXPECT_EQ(skipped, 2);
    EXPECT_EQ(undefined, static_cast<int>(UndefinedColours().size()));
    EXPECT_EQ(compared, files - static_cast<int>(NotLoaded().size()) - skipped - undefined);
}

// The same files by both rules. Where both read the whole file the game's picture is the editor's
// canvas with its rows put upright (the editor paints the first stored row at the bottom) and, for
// colour-mapped files, red and blue exchanged (the game takes a colour-map entry's bytes in reverse
// order). A colour map of 8 entries is read by the editor as 256, pixel bytes and all, so there the
// two differ.
TEST(GameTargaSharedData, BothRulesOnTheSameFiles) {
    SKIP_UNLESS_SHARED_TESTDATA();
    for (const char* name : {"utc24.tga", "ctc24.tga", "200x32_rgb_tl_rle.tga", "200x32_p_bl_raw.tga",
                             "200x32_p_tl_raw.tga", "type9_24bpp_bl.tga"}) {
        const bool shortMap = std::string(name) == "type9_24bpp_bl.tga";
        SCOPED_TRACE(name);
        const std::vector<unsigned char> bytes = ReadFileBytes(TgaDir() / name);
        const GameTargaResult game = DecodeTargaAsGame(bytes.data(), bytes.size(), GameTargaFlavour::Generals);
        ASSERT_EQ(game.outcome, GameTargaOutcome::Loaded) << game.reason;
        const int width = game.image.width, height = game.image.height;
        Canvas canvas(0, width, height);
        ASSERT_EQ(LoadBytes(Bytes(bytes.begin(), bytes.end()), canvas).message(), "");
        const bool topFirst = (bytes[17] & 0x20) != 0;
        const bool mapped = bytes[1] == 1;
        int differing = 0;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                const std::uint32_t color = canvas.getPixel(x, topFirst ? height - 1 - y : y);
                const int red = mapped ? ColorBlue(color) : ColorRed(color);
                const int blue = mapped ? ColorRed(color) : ColorBlue(color);
                differing += game.image.pixels[static_cast<std::size_t>(y) * width + x] !=
                             Pack(255, red, ColorGreen(color), blue);
            }
        if (shortMap)
            EXPECT_GT(differing, 0);
        else
            EXPECT_EQ(differing, 0);
    }
}

// Zero Hour's row swap stops at the last multiple of 16 bytes: on bottom-origin files its picture
// is the original game's but for the pixels past that point, which are the original game's
// upside down (a pixel cut by it is a mix of both).
TEST(GameTargaSharedData, ZeroHourLeavesTheRightEdgeOfBottomOriginRowsUpsideDown) {
    SKIP_UNLESS_SHARED_TESTDATA();
    const struct {
        const char* name;
        int bytesPerPixel;
        int upsideDown;  // whole pixels at the right edge
    } cases[] = {{"200x32_p_bl_raw.tga", 1, 8}, {"200x32_rgb_bl_rle.tga", 3, 2}, {"200x32_rgba_bl_raw.tga", 4, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<unsigned char> bytes = ReadFileBytes(TgaDir() / c.name);
        const GameTargaResult zeroHour = DecodeTargaAsGame(bytes.data(), bytes.size(), GameTargaFlavour::ZeroHour);
        const GameTargaResult generals = DecodeTargaAsGame(bytes.data(), bytes.size(), GameTargaFlavour::Generals);
        ASSERT_EQ(zeroHour.outcome, GameTargaOutcome::Loaded) << zeroHour.reason;
        ASSERT_EQ(generals.outcome, GameTargaOutcome::Loaded) << generals.reason;
        const int width = zeroHour.image.width, height = zeroHour.image.height;
        const int swapped = width * c.bytesPerPixel / 16 * 16;
        auto at = [width](const GameTargaResult& r, int x, int y) {
            return r.image.pixels[static_cast<std::size_t>(y) * width + x];
        };
        int upsideDown = 0;
        for (int x = 0; x < width; ++x) {
            const bool whole = (x + 1) * c.bytesPerPixel <= swapped;
            const bool unswapped = x * c.bytesPerPixel >= swapped;
            upsideDown += unswapped;
            for (int y = 0; y < height; ++y) {
                if (whole) {
                    ASSERT_EQ(at(zeroHour, x, y), at(generals, x, y)) << x << "," << y;
                }
                if (unswapped) {
                    ASSERT_EQ(at(zeroHour, x, y), at(generals, x, height - 1 - y)) << x << "," << y;
                }
            }
        }
        EXPECT_EQ(upsideDown, c.upsideDown);
        EXPECT_EQ(zeroHour.reason.empty(), c.upsideDown == 0) << zeroHour.reason;
    }
}

}  // namespace
}  // namespace vantrel::test
