// Every Targa file of the shared test corpus (files written by other programs), loaded and checked
// against expectations that do not come from this reader: the corpus's reference PNGs (flipped where
// the file is top-origin, 16-bit channels with their low three bits cleared, 32-bit pixels blended
// over the canvas's start colour), stb_image's decode of the file itself where there is no PNG, and
// for files this reader paints differently from a standard decoder, the facts the corpus notes state
// (message, dimensions, uniform colour of table entry 0 read from the file's bytes, surplus pixels).
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <ostream>
#include <set>
#include <stb_image.h>

#include "TargaTestFiles.h"
#include "support/TestData.h"
#include "targa/MemoryByteSource.h"
#include "targa/TargaReader.h"

namespace vantrel::test {
namespace {

constexpr int kCanvasSize = 512;
// Two start colours: a pixel that differs from its start colour on either canvas was painted.
constexpr std::uint32_t kStartColors[2] = {PackColor(240, 240, 240), PackColor(3, 77, 201)};

std::filesystem::path TgaDir() { return SharedTestDataDir() / "tga"; }

struct RgbaImage {
    int width = 0, height = 0;
    std::vector<std::uint8_t> rgba;
    std::array<int, 4> at(int x, int y) const {
        const std::uint8_t* p = &rgba[(static_cast<std::size_t>(y) * width + x) * 4];
        return {p[0], p[1], p[2], p[3]};
    }
};

RgbaImage FromStb(stbi_uc* pixels, int width, int height, const std::string& what) {
    RgbaImage image;
    if (!pixels) {
        ADD_FAILURE() << "stb_image cannot decode " << what << ": " << stbi_failure_reason();
        return image;
    }
    image.width = width;
    image.height = height;
    image.rgba.assign(pixels, pixels + static_cast<std::size_t>(width) * height * 4);
    stbi_image_free(pixels);
    return image;
}

RgbaImage DecodePng(const std::string& name) {
    int width = 0, height = 0, channels = 0;
    stbi_uc* pixels = stbi_load((TgaDir() / name).string().c_str(), &width, &height, &channels, 4);
    return FromStb(pixels, width, height, name);
}

RgbaImage DecodeTgaWithStb(const Bytes& bytes, const std::string& name) {
    int width = 0, height = 0, channels = 0;
    stbi_uc* pixels = stbi_load_from_memory(bytes.data(), static_cast<int>(bytes.size()), &width, &height, &channels, 4);
    return FromStb(pixels, width, height, name);
}

enum class Shown { Nothing, NotValid, TypeNotSupported, ReadError };

struct LoadedFile {
    std::string name;
    Bytes bytes;
    int width = 0, height = 0;  // from the header
    std::vector<std::unique_ptr<Canvas>> canvases;
    std::vector<LoadOutcome> outcomes;
    int presented = 0;  // progress presentations of the first load

    bool painted(int x, int y) const {
        for (int k = 0; k < 2; ++k)
            if (canvases[k]->getPixel(x, y) != kStartColors[k]) return true;
        return false;
    }
    // Table entry 0 as the file stores it: the three bytes after the identification field (bytes
    // past the end of the file count as zero).
    std::uint32_t tableEntry0() const {
        const std::size_t at = 18u + bytes[0];
        auto byte = [&](std::size_t i) { return i < bytes.size() ? bytes[i] : 0; };
        return PackColor(byte(at + 2), byte(at + 1), byte(at));
    }
};

LoadedFile LoadFile(const std::string& name) {
    LoadedFile file;
    file.name = name;
    file.bytes = ReadFileBytes(TgaDir() / name);
    file.width = file.bytes[12] | (file.bytes[13] << 8);
    file.height = file.bytes[14] | (file.bytes[15] << 8);
    for (int k = 0; k < 2; ++k) {
        file.canvases.push_back(std::make_unique<Canvas>(kStartColors[k], kCanvasSize, kCanvasSize));
        if (k == 0) file.canvases[0]->setProgressHandler([&file] { ++file.presented; });
        file.outcomes.push_back(LoadBytes(file.bytes, *file.canvases[k]));
    }
    // Read from the file itself (copied through the reader's buffer, not read in place) the load
    // must come out the same.
    Canvas fromPath(kStartColors[0], kCanvasSize, kCanvasSize);
    ScriptedUserInteraction ui;
    std::int16_t width = kUntouchedWidth, height = kUntouchedHeight;
    const std::u8string path = (TgaDir() / name).u8string();
    LoadTarga(std::string(path.begin(), path.end()), fromPath, width, height, ui);
    EXPECT_EQ(width, file.outcomes[0].width);
    EXPECT_EQ(height, file.outcomes[0].height);
    EXPECT_EQ(ui.messages().size(), file.outcomes[0].messages.size());
    EXPECT_TRUE(std::equal(fromPath.bits(), fromPath.bits() + kCanvasSize * kCanvasSize, file.canvases[0]->bits()))
        << "loading from the path painted differently";
    return file;
}

// Painted pixels outside the image's rectangle.
long PaintedOutside(const LoadedFile& file) {
    long count = 0;
    for (int y = 0; y < kCanvasSize; ++y)
        for (int x = 0; x < kCanvasSize; ++x)
            if ((x >= file.width || y >= file.height) && file.painted(x, y)) ++count;
    return count;
}

struct ImageOptions {
    bool flip = false;       // the file is top-origin; this reader paints it bottom-up regardless
    bool clearLow3 = false;  // 16-bit pixels: 5-bit channels times 8, low bits not replicated
    bool blend = false;      // 32-bit pixels: blended over the start colour
};

void ExpectImage(const LoadedFile& file, const RgbaImage& reference, ImageOptions options) {
    ASSERT_EQ(reference.width, file.width);
    ASSERT_EQ(reference.height, file.height);
    for (int k = 0; k < 2; ++k) {
        const std::uint32_t start = kStartColors[k];
        long mismatches = 0;
        for (int y = 0; y < file.height; ++y) {
            for (int x = 0; x < file.width; ++x) {
                auto [r, g, b, a] = reference.at(x, options.flip ? file.height - 1 - y : y);
                if (options.clearLow3) r &= ~7, g &= ~7, b &= ~7;
                const std::uint32_t expected =
                    options.blend ? PackColor(ReferenceBlend(ColorRed(start), r, a), ReferenceBlend(ColorGreen(start), g, a),
                                              ReferenceBlend(ColorBlue(start), b, a))
                                  : PackColor(r, g, b);
                const std::uint32_t actual = file.canvases[k]->getPixel(x, y);
                if (actual != expected && ++mismatches <= 3)
                    ADD_FAILURE() << "(" << x << ", " << y << ") is " << std::hex << actual << ", expected " << expected;
            }
        }
        EXPECT_EQ(mismatches, 0) << "start colour " << k;
    }
    EXPECT_EQ(PaintedOutside(file), 0);
}

void ExpectUniform(const LoadedFile& file, std::uint32_t color, int fromRow, int toRow) {
    long mismatches = 0;
    for (int k = 0; k < 2; ++k)
        for (int y = fromRow; y <= toRow; ++y)
            for (int x = 0; x < file.width; ++x)
                if (file.canvases[k]->getPixel(x, y) != color) ++mismatches;
    EXPECT_EQ(mismatches, 0) << "rows " << fromRow << " to " << toRow << " should be " << std::hex << color;
}

void ExpectNothingPainted(const LoadedFile& file) {
    for (int k = 0; k < 2; ++k) EXPECT_EQ(CountPixelsOtherThan(*file.canvases[k], kStartColors[k]), 0);
}

struct SharedFile {
    const char* name;
    Shown shown;
    int width, height;  // handed back; kUntouchedWidth/Height when the load must not set them
    std::function<void(const LoadedFile&)> check;
};

auto Png(const char* png, ImageOptions options = {}) {
    return [png, options](const LoadedFile& file) { ExpectImage(file, DecodePng(png), options); };
}
auto Stb(ImageOptions options = {}) {
    return [options](const LoadedFile& file) { ExpectImage(file, DecodeTgaWithStb(file.bytes, file.name), options); };
}
auto Nothing() {
    return [](const LoadedFile& file) { ExpectNothingPainted(file); };
}
// The whole image in table entry 0's colour, nothing else.
auto UniformEntry0() {
    return [](const LoadedFile& file) {
        ExpectUniform(file, file.tableEntry0(), 0, file.height - 1);
        EXPECT_EQ(PaintedOutside(file), 0);
    };
}
auto SurplusPainted(long count) {
    return [count](const LoadedFile& file) { EXPECT_EQ(PaintedOutside(file), count); };
}
constexpr ImageOptions kFlip{true, false, false};
constexpr ImageOptions kSixteen{false, true, false};
constexpr ImageOptions kSixteenFlip{true, true, false};
constexpr ImageOptions kBlend{false, false, true};
constexpr ImageOptions kBlendFlip{true, false, true};

const std::vector<SharedFile>& SharedFiles() {
    constexpr int U = kUntouchedWidth, V = kUntouchedHeight;
    static const std::vector<SharedFile> files = {
        // The TrueVision sample set; color.png is the reference for all eight colour files.
        {"utc16.tga", Shown::Nothing, 128, 128, Png("color.png", kSixteen)},
        {"utc24.tga", Shown::Nothing, 128, 128, Png("color.png")},
        {"utc32.tga", Shown::Nothing, 128, 128, Nothing()},  // every alpha byte is 0
        {"ctc16.tga", Shown::Nothing, 128, 128, Png("color.png", kSixteen)},
        {"ctc24.tga", Shown::Nothing, 128, 128, Png("color.png")},
        {"ctc32.tga", Shown::Nothing, 128, 128, Nothing()},
        {"ucm8.tga", Shown::Nothing, 128, 128,
         [](const LoadedFile& file) {
             // A 16-bit colour map read as 768 bytes of 24-bit entries: 14360 of 16384 pixels differ.
             const RgbaImage png = DecodePng("color.png");
             long differing = 0;
             for (int y = 0; y < 128; ++y)
                 for (int x = 0; x < 128; ++x) {
                     auto [r, g, b, a] = png.at(x, y);
                     if (file.canvases[0]->getPixel(x, y) != PackColor(r, g, b)) ++differing;
                 }
             EXPECT_EQ(differing, 14360);
             EXPECT_EQ(PaintedOutside(file), 0);
         }},
        {"ccm8.tga", Shown::Nothing, 128, 128, SurplusPainted(85)},
        {"ubw8.tga", Shown::TypeNotSupported, 128, 128, Nothing()},
        {"cbw8.tga", Shown::TypeNotSupported, 128, 128, Nothing()},
        {"rgb24_top_left_colormap.tga", Shown::Nothing, 64, 64,
         [](const LoadedFile& file) {
             // The table swallows 681 pixel bytes, so the last 681 pixels (rows 0 to 9 and the end of
             // row 10) are read past the end as index 0.
             ExpectUniform(file, file.tableEntry0(), 0, 9);
             for (int x = 23; x < 64; ++x) EXPECT_EQ(file.canvases[0]->getPixel(x, 10), file.tableEntry0()) << x;
             EXPECT_EQ(PaintedOutside(file), 0);
         }},
        {"rgb32_top_left_rle_colormap.tga", Shown::Nothing, 64, 64,
         [](const LoadedFile& file) { ExpectUniform(file, file.tableEntry0(), 0, 62); }},  // 4032 packets past the end
        {"200x32_p_bl_raw.tga", Shown::Nothing, 200, 32, Png("200x32_p.png")},
        {"200x32_p_tl_raw.tga", Shown::Nothing, 200, 32, Png("200x32_p.png", kFlip)},
        {"200x32_p_bl_rle.tga", Shown::Nothing, 200, 32, Png("200x32_p.png")},
        {"200x32_rgb_bl_rle.tga", Shown::Nothing, 200, 32, Png("200x32_rgb.png")},
        {"200x32_rgb_tl_rle.tga", Shown::Nothing, 200, 32, Png("200x32_rgb.png", kFlip)},
        {"200x32_rgba_bl_raw.tga", Shown::Nothing, 200, 32, Png("200x32_rgba.png", kBlend)},
        {"200x32_rgba_tl_raw.tga", Shown::Nothing, 200, 32, Png("200x32_rgba.png", kBlendFlip)},
        {"200x32_rgba_bl_rle.tga", Shown::Nothing, 200, 32, Png("200x32_rgba.png", kBlend)},
        {"cross_scan_line_truncated.tga", Shown::Nothing, 64, 64,
         [](const LoadedFile& file) {
             // One raw packet of 128 crosses a row end: 64 surplus pixels at columns 64 to 127 of
             // that row. The file is 64 pixels short: row 0 is read past the end, table entry 0.
             EXPECT_EQ(PaintedOutside(file), 64);
             std::set<int> surplusRows;
             for (int y = 0; y < 64; ++y)
                 for (int x = 64; x < 128; ++x)
                     if (file.painted(x, y)) surplusRows.insert(y);
             EXPECT_EQ(surplusRows.size(), 1u);
             ExpectUniform(file, file.tableEntry0(), 0, 0);
         }},
        {"rgba16.tga", Shown::Nothing, 2, 1,
         [](const LoadedFile& file) {
             for (int k = 0; k < 2; ++k) {
                 EXPECT_EQ(file.canvases[k]->getPixel(0, 0), PackColor(168, 0, 248));
                 EXPECT_EQ(file.canvases[k]->getPixel(1, 0), PackColor(0, 248, 80)) << "the top bit is ignored";
             }
             EXPECT_EQ(PaintedOutside(file), 0);
         }},
        {"p_8.tga", Shown::Nothing, 128, 128, UniformEntry0()},  // the header alone: all zero, black
        {"p_16.tga", Shown::Nothing, 128, 128, [](const LoadedFile& file) { EXPECT_EQ(PaintedOutside(file), 0); }},
        {"rgb32rle.tga", Shown::Nothing, 199, 199, Stb(kBlend)},
        {"b5-noattrib.tga", Shown::Nothing, 4, 4, Png("b5-noattrib.tga.png", kSixteenFlip)},
        {"b5-attrib.tga", Shown::Nothing, 4, 4, Png("b5-noattrib.tga.png", kSixteenFlip)},
        {"b5-unused-cmap.tga", Shown::Nothing, 4, 4,
         [](const LoadedFile& file) {
             // The 32 colour-map bytes are the 16 pixels (x r5 g5 b5, low byte first), bottom-up.
             for (int i = 0; i < 16; ++i) {
                 const int lo = file.bytes[18 + 2 * i], hi = file.bytes[19 + 2 * i];
                 const std::uint32_t expected =
                     PackColor(((hi >> 2) & 31) * 8, (((hi & 3) << 3) | (lo >> 5)) * 8, (lo & 31) * 8);
                 EXPECT_EQ(file.canvases[0]->getPixel(i % 4, 3 - i / 4), expected) << i;
             }
             EXPECT_EQ(PaintedOutside(file), 0);
         }},
        {"cmap_offset.tga", Shown::Nothing, 12, 6, UniformEntry0()},
        {"bottom_left.tga", Shown::Nothing, 75, 70,
         [](const LoadedFile& file) {
             // Packets carried across row ends: 4 crossings, at most 151 surplus pixels (those of
             // alpha 0 leave no trace).
             const long surplus = PaintedOutside(file);
             EXPECT_GT(surplus, 0);
             EXPECT_LE(surplus, 151);
             std::set<int> surplusRows;
             for (int y = 0; y < 70; ++y)
                 for (int x = 75; x < 75 + 128; ++x)
                     if (file.painted(x, y)) surplusRows.insert(y);
             EXPECT_LE(surplusRows.size(), 4u);
             // top_left.tga holds the same bytes but for the Descriptor: it must paint identically.
             const LoadedFile twin = LoadFile("top_left.tga");
             for (int k = 0; k < 2; ++k)
                 EXPECT_TRUE(std::equal(file.canvases[k]->bits(), file.canvases[k]->bits() + kCanvasSize * kCanvasSize,
                                        twin.canvases[k]->bits()));
         }},
        {"top_left.tga", Shown::Nothing, 75, 70, [](const LoadedFile& file) { EXPECT_LE(PaintedOutside(file), 151); }},
        {"flip-zero-height.tga", Shown::NotValid, U, V, Nothing()},
        {"overfull-image.tga", Shown::Nothing, 10, 1, Nothing()},  // the missing alpha byte reads as 0
        {"bad-color-map.tga", Shown::ReadError, 0, 0, Nothing()},   // a 2^24-entry table
        {"slice-copy-length.tga", Shown::Nothing, 8224, 32, Nothing()},
        {"orientation-zero-width.tga", Shown::Nothing, 0, 2, Nothing()},
        {"rgb16.tga", Shown::Nothing, 96, 96, Png("rgb16.png", kSixteenFlip)},
        {"colormapped.tga", Shown::Nothing, 48, 48, SurplusPainted(2721)},
        {"type1_24bpp_bl.tga", Shown::Nothing, 9, 5, UniformEntry0()},
        {"type9_24bpp_bl.tga", Shown::Nothing, 9, 5, UniformEntry0()},
        {"error_color_map.tga", Shown::Nothing, 9, 5, UniformEntry0()},
        {"type2_16bpp_bl.tga", Shown::Nothing, 9, 5, Stb(kSixteen)},
        {"type10_16bpp_tl.tga", Shown::Nothing, 9, 5, Stb(kSixteenFlip)},
        {"type3_bl.tga", Shown::TypeNotSupported, 9, 5, Nothing()},
        {"type11_bl.tga", Shown::TypeNotSupported, 9, 5, Nothing()},
        {"chessboard_uncompressed.tga", Shown::Nothing, 8, 8, Png("chessboard_uncompressed.png", kFlip)},
        {"logo_type9_24bpp_bl.tga", Shown::Nothing, 240, 320,
         [](const LoadedFile& file) {
             ExpectImage(file, DecodeTgaWithStb(file.bytes, file.name), {});
             EXPECT_EQ(file.presented, 10) << "320 rows give 10 bands of 32";
         }},
    };
    return files;
}

void PrintTo(const SharedFile& file, std::ostream* out) { *out << file.name; }

class TargaSharedFile : public ::testing::TestWithParam<SharedFile> {};

TEST_P(TargaSharedFile, LoadsAsExpected) {
    SKIP_UNLESS_SHARED_TESTDATA();
    const SharedFile& expected = GetParam();
    const LoadedFile file = LoadFile(expected.name);
    for (const LoadOutcome& outcome : file.outcomes) {
        const std::string message = outcome.message();
        switch (expected.shown) {
            case Shown::Nothing: EXPECT_EQ(message, ""); break;
            case Shown::NotValid: EXPECT_EQ(message, kNotValidMessage); break;
            case Shown::TypeNotSupported: EXPECT_EQ(message, kTypeNotSupportedMessage); break;
            case Shown::ReadError: EXPECT_TRUE(IsReadErrorMessage(message)) << message; break;
        }
        EXPECT_EQ(outcome.width, expected.width);
        EXPECT_EQ(outcome.height, expected.height);
    }
    expected.check(file);
}

std::string FileTestName(const ::testing::TestParamInfo<SharedFile>& info) {
    std::string name = info.param.name;
    name = name.substr(0, name.size() - 4);
    std::replace_if(name.begin(), name.end(), [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
    return name;
}

INSTANTIATE_TEST_SUITE_P(Corpus, TargaSharedFile, ::testing::ValuesIn(SharedFiles()), FileTestName);

TEST(TargaSharedData, EveryTargaFileOfTheCorpusHasAnExpectation) {
    SKIP_UNLESS_SHARED_TESTDATA();
    std::set<std::string> listed;
    for (const SharedFile& file : SharedFiles()) listed.insert(file.name);
    for (const auto& entry : std::filesystem::directory_iterator(TgaDir())) {
        if (entry.path().extension() != ".tga") continue;
        EXPECT_TRUE(listed.count(entry.path().filename().string())) << entry.path().filename() << " is not checked";
    }
}

}  // namespace
}  // namespace vantrel::test
