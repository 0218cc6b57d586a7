// crop, sheet and render pixels, checked against the textures they come from.
#include <gtest/gtest.h>

#include <QTransform>

#include "check/ContactSheet.h"
#include "check/PaintedTexture.h"
#include "check/TextureImages.h"
#include "support/TestData.h"
#include "TgaWriter.h"

namespace vantrel::check {
namespace {

using vantrel::test::TempDir;

constexpr int kWidth = 24;
constexpr int kHeight = 16;

QRgb Expected(int x, int y) {
    const auto color = test::DistinctColor(x, y);
    return qRgba(ColorRed(color), ColorGreen(color), ColorBlue(color), 255);
}

MappedImageState Image(PixelRect rect, unsigned status = 0) {
    MappedImageState image;
    image.name = "I";
    image.coords = rect;
    image.status = status;
    return image;
}

class Pictures : public ::testing::Test {
protected:
    PaintedTexture paint(test::RowOrder order, std::uint32_t background = 0) {
        const auto path = dir / (order == test::RowOrder::TopDown ? "top.tga" : "bottom.tga");
        test::WriteBytes(path, test::MakeTarga24(kWidth, kHeight, test::DistinctColor, order));
        std::string problem;
        auto painted = PaintTexture(path, background, &problem);
        EXPECT_TRUE(painted) << problem;
        return std::move(*painted);
    }

    TempDir dir;
};

TEST_F(Pictures, CropIsTheExactSubRectangleWithExclusiveRightAndBottom) {
    const QImage view = GameView(paint(test::RowOrder::BottomUp));
    const QImage crop = CropAsGameDraws(view, Image({3, 2, 11, 7}));
    ASSERT_EQ(crop.size(), QSize(8, 5));
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 8; ++x) ASSERT_EQ(crop.pixel(x, y), Expected(3 + x, 2 + y)) << x << "," << y;
}

TEST_F(Pictures, RotatedImageIsTurnedBackAsTheGameMapsItsCorners) {
    const QImage view = GameView(paint(test::RowOrder::BottomUp));
    const PixelRect r{4, 1, 10, 13};
    const QImage crop = CropAsGameDraws(view, Image(r, kStatusRotated90Clockwise));
    // Shown Bottom - Top wide and Right - Left high.
    ASSERT_EQ(crop.size(), QSize(12, 6));
    // The game draws the screen's top-left from the rectangle's top-right pixel, its top-right
    // from the bottom-right one, its bottom-left from the top-left one.
    EXPECT_EQ(crop.pixel(0, 0), Expected(r.right - 1, r.top));
    EXPECT_EQ(crop.pixel(11, 0), Expected(r.right - 1, r.bottom - 1));
    EXPECT_EQ(crop.pixel(0, 5), Expected(r.left, r.top));
    EXPECT_EQ(crop.pixel(11, 5), Expected(r.left, r.bottom - 1));
    // Turning it a quarter clockwise gives back the rectangle as it lies on the page.
    EXPECT_EQ(crop.transformed(QTransform().rotate(90)), CropAsGameDraws(view, Image(r)));
}

TEST_F(Pictures, TheGameViewHonoursATopLeftOriginThatTheEditorIgnores) {
    const PaintedTexture topDown = paint(test::RowOrder::TopDown);
    EXPECT_EQ(GameView(topDown), GameView(paint(test::RowOrder::BottomUp)));
    // The editor paints the first stored row (the top one here) at the bottom.
    const QImage editor = EditorView(topDown);
    for (int x = 0; x < kWidth; ++x) {
        EXPECT_EQ(editor.pixel(x, kHeight - 1), Expected(x, 0));
        EXPECT_EQ(editor.pixel(x, 0), Expected(x, kHeight - 1));
    }
}

TEST_F(Pictures, PartsOfTheRectangleOutsideTheTextureAreTransparent) {
    const QImage crop = CropAsGameDraws(GameView(paint(test::RowOrder::BottomUp)), Image({20, 14, 26, 18}));
    ASSERT_EQ(crop.size(), QSize(6, 4));
    EXPECT_EQ(crop.pixel(3, 1), Expected(23, 15));
    EXPECT_EQ(qAlpha(crop.pixel(4, 1)), 0);
    EXPECT_EQ(qAlpha(crop.pixel(0, 2)), 0);
}

TEST_F(Pictures, EmptyOrInvertedRectanglesGiveNoCrop) {
    const QImage view = GameView(paint(test::RowOrder::BottomUp));
    EXPECT_TRUE(CropAsGameDraws(view, Image({5, 0, 5, 4})).isNull());
    EXPECT_TRUE(CropAsGameDraws(view, Image({0, 6, 4, 2})).isNull());
    EXPECT_TRUE(CropAsGameDraws(view, MappedImageState{}).isNull());
}

TEST_F(Pictures, TransparentPixelsShowTheCanvasStartColour) {
    const auto path = dir / "clear.tga";
    test::WriteBytes(path, test::MakeTarga32(4, 2, test::DistinctColor, [](int x, int) { return x == 0 ? 0 : 255; }));
    std::string problem;
    const auto painted = PaintTexture(path, PackColor(10, 20, 30), &problem);
    ASSERT_TRUE(painted) << problem;
    EXPECT_EQ(EditorView(*painted).pixel(0, 1), qRgb(10, 20, 30));
    // Alpha 255 blends by 255/256, within one step of the pixel's colour.
    const QRgb opaque = EditorView(*painted).pixel(1, 1);
    EXPECT_LE(std::abs(qRed(opaque) - ColorRed(test::DistinctColor(1, 1))), 1);
}

TEST_F(Pictures, SheetHoldsEveryImagePixelForPixelAndALabelUnderEach) {
    const QImage view = GameView(paint(test::RowOrder::BottomUp));
    const std::vector<SheetEntry> entries = {
        {"Wide", CropAsGameDraws(view, Image({0, 0, 20, 4})), ""},
        {"Turned", CropAsGameDraws(view, Image({2, 3, 5, 12}, kStatusRotated90Clockwise)), ""},
        {"Missing", QImage(), "texture not found"},
    };
    const RenderedSheet sheet = RenderSheet(entries);
    ASSERT_EQ(sheet.layout.cells.size(), 3u);
    for (std::size_t i = 0; i < 2; ++i) {
        const QRect cell = sheet.layout.cells[i].image;
        ASSERT_EQ(cell.size(), entries[i].image.size());
        EXPECT_EQ(sheet.image.copy(cell), entries[i].image) << entries[i].name;
    }
    for (const auto& cell : sheet.layout.cells) {
        const QImage label = sheet.image.copy(cell.label);
        bool drawn = false;
        for (int y = 0; y < label.height() && !drawn; ++y)
            for (int x = 0; x < label.width() && !drawn; ++x) drawn = label.pixel(x, y) != kSheetBackground;
        EXPECT_TRUE(drawn) << "no name drawn under a cell";
    }
    // No two cells overlap.
    EXPECT_FALSE(sheet.layout.cells[0].image.united(sheet.layout.cells[0].label)
                     .intersects(sheet.layout.cells[1].image.united(sheet.layout.cells[1].label)));
}

TEST(SheetLayout, CellsAreLaidOutRowByRowInASquareishGrid) {
    const SheetLayout layout = LayOutSheet({QSize(10, 10), QSize(30, 5), QSize(5, 20), QSize(1, 1), QSize(2, 2)}, 12, 0);
    ASSERT_EQ(layout.cells.size(), 5u);
    // Three to a row (ceil(sqrt(5))), cells 30 wide and 20 + 12 high.
    EXPECT_EQ(layout.cells[1].image.topLeft(), QPoint(kSheetPadding * 2 + 30, kSheetPadding));
    EXPECT_EQ(layout.cells[3].image.topLeft(), QPoint(kSheetPadding, kSheetPadding * 2 + 32));
    EXPECT_EQ(layout.size, QSize(kSheetPadding * 4 + 90, kSheetPadding * 3 + 64));
}

}  // namespace
}  // namespace vantrel::check
