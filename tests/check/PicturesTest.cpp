// crop, sheet and render pixels, checked against the textures they come from.
#include <gtest/gtest.h>

#include <sstream>

#include "check/CheckCommand.h"
#include "check/ContactSheet.h"
#include "check/ImageCutter.h"
#include "check/PaintedTexture.h"
#include "check/TextureImages.h"
#include "support/TestData.h"
#include "TgaWriter.h"

namespace vantrel::check {
namespace {

using vantrel::test::TempDir;

constexpr int kWidth = 24;
constexpr int kHeight = 16;

std::uint32_t Expected(int x, int y) {
    const auto color = test::DistinctColor(x, y);
    return Argb(ColorRed(color), ColorGreen(color), ColorBlue(color));
}

// The picture turned a quarter clockwise.
Picture TurnedClockwise(const Picture& picture) {
    Picture turned(picture.height(), picture.width());
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) turned.setPixel(picture.height() - 1 - y, x, picture.pixel(x, y));
    return turned;
}

Picture Part(const Picture& picture, const SheetBox& box) { return picture.copy(box.x, box.y, box.width, box.height); }

MappedImageState Image(PixelRect rect, unsigned status = 0) {
    MappedImageState image;
    image.name = "I";
    image.coords = rect;
    image.status = status;
    return image;
}

class Pictures : public ::testing::Test {
protected:
    std::filesystem::path write(test::RowOrder order) {
        const auto path = dir / (order == test::RowOrder::TopDown ? "top.tga" : "bottom.tga");
        test::WriteBytes(path, test::MakeTarga24(kWidth, kHeight, test::DistinctColor, order));
        return path;
    }
    // The texture as the game shows it, by the original game's reader, which turns whole rows
    // upright (Zero Hour's leaves a strip of these 72-byte rows upside down; the targa tests cover it).
    Picture view(test::RowOrder order) {
        const GameTargaResult game = DecodeTextureAsGame(write(order), GameTargaFlavour::Generals);
        EXPECT_EQ(game.outcome, GameTargaOutcome::Loaded) << game.reason;
        return GameView(game.image, 0);
    }
    // The texture as the editor paints it.
    PaintedTexture paint(test::RowOrder order) {
        std::string problem;
        auto painted = PaintTexture(write(order), 0, &problem);
        EXPECT_TRUE(painted) << problem;
        return std::move(*painted);
    }

    TempDir dir;
};

TEST_F(Pictures, CropIsTheExactSubRectangleWithExclusiveRightAndBottom) {
    const Picture shown = view(test::RowOrder::BottomUp);
    const Picture crop = CropAsGameDraws(shown, Image({3, 2, 11, 7}));
    ASSERT_EQ(crop.size(), (SheetSize{8, 5}));
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 8; ++x) ASSERT_EQ(crop.pixel(x, y), Expected(3 + x, 2 + y)) << x << "," << y;
}

TEST_F(Pictures, RotatedImageIsTurnedBackAsTheGameMapsItsCorners) {
    const Picture shown = view(test::RowOrder::BottomUp);
    const PixelRect r{4, 1, 10, 13};
    const Picture crop = CropAsGameDraws(shown, Image(r, kStatusRotated90Clockwise));
    // Shown Bottom - Top wide and Right - Left high.
    ASSERT_EQ(crop.size(), (SheetSize{12, 6}));
    // The game draws the screen's top-left from the rectangle's top-right pixel, its top-right
    // from the bottom-right one, its bottom-left from the top-left one.
    EXPECT_EQ(crop.pixel(0, 0), Expected(r.right - 1, r.top));
    EXPECT_EQ(crop.pixel(11, 0), Expected(r.right - 1, r.bottom - 1));
    EXPECT_EQ(crop.pixel(0, 5), Expected(r.left, r.top));
    EXPECT_EQ(crop.pixel(11, 5), Expected(r.left, r.bottom - 1));
    // Turning it a quarter clockwise gives back the rectangle as it lies on the page.
    EXPECT_EQ(TurnedClockwise(crop), CropAsGameDraws(shown, Image(r)));
}

TEST_F(Pictures, TheGameViewHonoursATopLeftOriginThatTheEditorIgnores) {
    EXPECT_EQ(view(test::RowOrder::TopDown), view(test::RowOrder::BottomUp));
    // The editor paints the first stored row (the top one here) at the bottom.
    const Picture editor = EditorView(paint(test::RowOrder::TopDown));
    for (int x = 0; x < kWidth; ++x) {
        EXPECT_EQ(editor.pixel(x, kHeight - 1), Expected(x, 0));
        EXPECT_EQ(editor.pixel(x, 0), Expected(x, kHeight - 1));
    }
}

TEST_F(Pictures, PartsOfTheRectangleOutsideTheTextureAreTransparent) {
    const Picture crop = CropAsGameDraws(view(test::RowOrder::BottomUp), Image({20, 14, 26, 18}));
    ASSERT_EQ(crop.size(), (SheetSize{6, 4}));
    EXPECT_EQ(crop.pixel(3, 1), Expected(23, 15));
    EXPECT_EQ(crop.pixel(4, 1) >> 24, 0);
    EXPECT_EQ(crop.pixel(0, 2) >> 24, 0);
}

TEST_F(Pictures, EmptyOrInvertedRectanglesGiveNoCrop) {
    const Picture shown = view(test::RowOrder::BottomUp);
    EXPECT_TRUE(CropAsGameDraws(shown, Image({5, 0, 5, 4})).isNull());
    EXPECT_TRUE(CropAsGameDraws(shown, Image({0, 6, 4, 2})).isNull());
    EXPECT_TRUE(CropAsGameDraws(shown, MappedImageState{}).isNull());
}

TEST_F(Pictures, TransparentPixelsShowTheCanvasStartColour) {
    const auto path = dir / "clear.tga";
    test::WriteBytes(path, test::MakeTarga32(4, 2, test::DistinctColor, [](int x, int) { return x == 0 ? 0 : 255; }));
    std::string problem;
    const auto painted = PaintTexture(path, PackColor(10, 20, 30), &problem);
    ASSERT_TRUE(painted) << problem;
    EXPECT_EQ(EditorView(*painted).pixel(0, 1), Argb(10, 20, 30));
    // Alpha 255 blends by 255/256, within one step of the pixel's colour.
    const std::uint32_t opaque = EditorView(*painted).pixel(1, 1);
    EXPECT_LE(std::abs(static_cast<int>((opaque >> 16) & 255) - ColorRed(test::DistinctColor(1, 1))), 1);
}

TEST_F(Pictures, SheetHoldsEveryImagePixelForPixelAndALabelUnderEach) {
    const Picture shown = view(test::RowOrder::BottomUp);
    const std::vector<SheetEntry> entries = {
        {"Wide", CropAsGameDraws(shown, Image({0, 0, 20, 4})), ""},
        {"Turned", CropAsGameDraws(shown, Image({2, 3, 5, 12}, kStatusRotated90Clockwise)), ""},
        {"Missing", Picture(), "texture not found"},
    };
    const RenderedSheet sheet = RenderSheet(entries);
    ASSERT_EQ(sheet.layout.cells.size(), 3u);
    for (std::size_t i = 0; i < 2; ++i) {
        const SheetBox cell = sheet.layout.cells[i].image;
        ASSERT_EQ(cell.size(), entries[i].image.size());
        EXPECT_EQ(Part(sheet.image, cell), entries[i].image) << entries[i].name;
    }
    for (const auto& cell : sheet.layout.cells) {
        const Picture label = Part(sheet.image, cell.label);
        bool drawn = false;
        for (int y = 0; y < label.height() && !drawn; ++y)
            for (int x = 0; x < label.width() && !drawn; ++x) drawn = label.pixel(x, y) != kSheetBackground;
        EXPECT_TRUE(drawn) << "no name drawn under a cell";
    }
    // No two cells overlap.
    EXPECT_FALSE(sheet.layout.cells[0].image.united(sheet.layout.cells[0].label)
                     .intersects(sheet.layout.cells[1].image.united(sheet.layout.cells[1].label)));
}

TEST_F(Pictures, TheGameViewLaysEachPixelOverTheBackgroundByItsOwnAlpha) {
    const auto path = dir / "clear.tga";
    test::WriteBytes(path, test::MakeTarga32(3, 2, test::DistinctColor, [](int x, int) { return x * 255 / 2; }));
    const GameTargaResult game = DecodeTextureAsGame(path, GameTargaFlavour::Generals);
    ASSERT_EQ(game.outcome, GameTargaOutcome::Loaded) << game.reason;
    const Picture shown = GameView(game.image, PackColor(10, 20, 30));
    EXPECT_EQ(shown.pixel(0, 1), Argb(10, 20, 30));  // alpha 0: the background
    EXPECT_EQ(shown.pixel(2, 1), Expected(2, 1));    // alpha 255: the pixel itself, not blended by 255/256
    const std::uint32_t half = test::DistinctColor(1, 0);  // alpha 127
    EXPECT_EQ(shown.pixel(1, 0), Argb((ColorRed(half) * 127 + 10 * 128 + 127) / 255,
                                      (ColorGreen(half) * 127 + 20 * 128 + 127) / 255,
                                      (ColorBlue(half) * 127 + 30 * 128 + 127) / 255));
}

TEST_F(Pictures, TheCutterTakesTextureBytesDecodesEachOnceAndNamesWhatTheGameCannotLoad) {
    const std::string bytes = test::MakeTarga24(kWidth, kHeight, test::DistinctColor, test::RowOrder::TopDown);
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.data());
    ImageCutter cutter(0);
    const MappedImageState plain = Image({3, 2, 11, 7});
    const CutImage first = cutter.cut(plain, "archive.big:Art\\Icons.tga", data, bytes.size(), "Icons.tga");
    ASSERT_FALSE(first.picture.isNull()) << first.problem;
    EXPECT_EQ(first.picture.pixel(0, 0), Expected(3, 2));
    // The same key again: the decoded texture is kept, the bytes are not read.
    const CutImage again = cutter.cut(Image({0, 0, 2, 2}), "archive.big:Art\\Icons.tga", nullptr, 0, "Icons.tga");
    ASSERT_FALSE(again.picture.isNull()) << again.problem;
    EXPECT_EQ(again.picture.pixel(1, 1), Expected(1, 1));

    const std::string cut = bytes.substr(0, bytes.size() - 10);
    const CutImage truncated =
        cutter.cut(plain, "short.tga", reinterpret_cast<const std::uint8_t*>(cut.data()), cut.size(), "short.tga");
    EXPECT_TRUE(truncated.picture.isNull());
    EXPECT_NE(truncated.problem.find("texture truncated: the file ends after"), std::string::npos) << truncated.problem;
    EXPECT_NE(truncated.problem.find("the game makes the texture at the size its header declares but never fills it"),
              std::string::npos) << truncated.problem;
}

// Cells that no two share a pixel of, each holding its image whole with its label right below.
void ExpectPackedWhole(const SheetLayout& layout, const std::vector<SheetSize>& sizes, int labelHeight) {
    ASSERT_EQ(layout.cells.size(), sizes.size());
    const auto inside = [&](const SheetBox& box) {
        return box.x >= 0 && box.y >= 0 && box.x + box.width <= layout.size.width && box.y + box.height <= layout.size.height;
    };
    for (std::size_t i = 0; i < sizes.size(); ++i) {
        const SheetCell& cell = layout.cells[i];
        EXPECT_EQ(cell.image.size(), sizes[i]) << i;
        EXPECT_TRUE(inside(cell.image)) << i;
        EXPECT_TRUE(inside(cell.label)) << i;
        EXPECT_EQ(cell.label.y, cell.image.y + cell.image.height) << i;
        EXPECT_EQ(cell.label.x, cell.image.x) << i;
        EXPECT_EQ(cell.label.height, labelHeight) << i;
        for (std::size_t j = 0; j < i; ++j)
            EXPECT_FALSE(cell.image.united(cell.label).intersects(layout.cells[j].image.united(layout.cells[j].label)))
                << i << " and " << j;
    }
}

TEST(SheetLayout, OneLargeImageAmongManySmallOnesPacksFarSmallerThanAGridOfLargestCells) {
    constexpr int kLabel = 30, kMinimumWidth = 160, kSmall = 60;
    std::vector<SheetSize> sizes(kSmall, SheetSize{32, 32});
    sizes.insert(sizes.begin() + 17, SheetSize{1024, 512});
    const SheetLayout layout = LayOutSheet(sizes, kLabel, kMinimumWidth);
    ExpectPackedWhole(layout, sizes, kLabel);
    // A grid of ceil(sqrt(61)) = 8 columns and rows of cells as large as the largest image.
    const double grid = (8.0 * (1024 + kSheetPadding) + kSheetPadding) * (8.0 * (512 + kLabel + kSheetPadding) + kSheetPadding);
    const double packed = static_cast<double>(layout.size.width) * layout.size.height;
    EXPECT_LT(packed * 20, grid) << layout.size.width << " x " << layout.size.height;
    // Nothing much wider than tall, nor the other way round.
    EXPECT_LT(layout.size.width, 3 * layout.size.height);
    EXPECT_LT(layout.size.height, 3 * layout.size.width);
}

TEST(SheetLayout, ImagesOfEveryShapeLandWholeAndALabelNeverNarrowerThanItsMinimum) {
    const std::vector<SheetSize> sizes = {SheetSize{10, 10}, SheetSize{300, 5}, SheetSize{5, 200}, SheetSize{1, 1}, SheetSize{64, 64},
                                      SheetSize{200, 120}, SheetSize{2, 2}, SheetSize{700, 40}};
    const SheetLayout layout = LayOutSheet(sizes, 12, 100);
    ExpectPackedWhole(layout, sizes, 12);
    for (std::size_t i = 0; i < sizes.size(); ++i) EXPECT_GE(layout.cells[i].label.width, 100) << i;
    const SheetLayout none = LayOutSheet({}, 12, 100);
    EXPECT_TRUE(none.cells.empty());
    EXPECT_EQ(none.size, (SheetSize{2 * kSheetPadding, 2 * kSheetPadding}));
}

TEST_F(Pictures, ASheetOfMixedSizesCopiesEveryImageUnclipped) {
    const Picture shown = view(test::RowOrder::BottomUp);
    std::vector<SheetEntry> entries;
    Picture large(400, 300);
    for (int y = 0; y < 300; ++y)
        for (int x = 0; x < 400; ++x) large.setPixel(x, y, Argb(x & 255, y & 255, (x + y) & 255));
    for (int i = 0; i < 12; ++i)
        entries.push_back({"Small" + std::to_string(i), CropAsGameDraws(shown, Image({i, 0, i + 5, 4 + i % 3})), ""});
    entries.insert(entries.begin() + 5, SheetEntry{"Large", large, ""});
    const RenderedSheet sheet = RenderSheet(entries);
    for (std::size_t i = 0; i < entries.size(); ++i)
        EXPECT_EQ(Part(sheet.image, sheet.layout.cells[i].image), entries[i].image) << entries[i].name;
    EXPECT_LT(sheet.image.width(), 4 * 400);
}

TEST_F(Pictures, RenderSaysWhenAFileIsNotATargaFileAndNamesIt) {
    const auto png = dir / "icon.png";
    test::WriteBytes(png, std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\0\x20\0\0\0\x20\x08\x06\0\0\0", 29));
    const std::string pngPath = png.string();
    const std::string out = (dir / "icon-out.png").string();
    const char* argv[] = {"vantrel-check", "render", pngPath.c_str(), "-o", out.c_str()};
    std::ostringstream output, errors;
    EXPECT_EQ(RunCheckCommand(5, argv, output, errors), 1);
    EXPECT_NE(errors.str().find(pngPath + ": not a Targa file: its header gives colour-map type 80"), std::string::npos)
        << errors.str();
    EXPECT_FALSE(std::filesystem::exists(out));
}

}  // namespace
}  // namespace vantrel::check
