#include <gtest/gtest.h>

#include "TargaTestFiles.h"
#include "targa/Canvas.h"

namespace vantrel {
namespace {

using test::CountPixelsOtherThan;
using test::ReferenceBlend;

constexpr std::uint32_t kGrey = PackColor(240, 240, 240);

TEST(Canvas, StartsInItsStartColourStoredAsRgb32) {
    const Canvas canvas(PackColor(0x12, 0x34, 0x56), 5, 3);
    for (int i = 0; i < 15; ++i) EXPECT_EQ(canvas.bits()[i], 0xFF123456u) << i;
    EXPECT_EQ(canvas.getPixel(4, 2), PackColor(0x12, 0x34, 0x56));
}

TEST(Canvas, DefaultSizeHoldsTheLargestFittableTextureAndTheStripBesideIt) {
    // The main window fits textures up to 1984 x 2117 pixels; its outer size is the texture plus
    // 3000 twips across and 1000 down, at 15 twips a pixel.
    EXPECT_GE(Canvas::kDefaultWidth, 1984 + 3000 / 15);
    EXPECT_GE(Canvas::kDefaultHeight, 2117 + (1000 + 14) / 15);
    const Canvas canvas(kGrey);
    EXPECT_EQ(canvas.width(), Canvas::kDefaultWidth);
    EXPECT_EQ(canvas.height(), Canvas::kDefaultHeight);
}

TEST(Canvas, PutPixelPaintsOnePixelAndIgnoresPositionsOffTheCanvas) {
    Canvas canvas(kGrey, 4, 4);
    canvas.putPixel(2, 1, PackColor(1, 2, 3));
    EXPECT_EQ(canvas.getPixel(2, 1), PackColor(1, 2, 3));
    for (auto [x, y] : {std::pair{-1, 0}, {0, -1}, {4, 0}, {0, 4}, {-32768, 32767}})
        canvas.putPixel(x, y, PackColor(9, 9, 9));
    EXPECT_EQ(CountPixelsOtherThan(canvas, kGrey), 1);
    EXPECT_EQ(canvas.getPixel(4, 0), 0xFFFFFFFFu);
}

TEST(Canvas, PaintRunChangesExactlyColumnsXToXPlusNMinusOne) {
    Canvas canvas(kGrey, 10, 3);
    canvas.paintRun(3, 1, 4, PackColor(255, 0, 0));
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 10; ++x)
            EXPECT_EQ(canvas.getPixel(x, y), (y == 1 && x >= 3 && x <= 6) ? PackColor(255, 0, 0) : kGrey)
                << x << "," << y;
}

TEST(Canvas, PaintRunIsClippedAndPaintsNothingForEmptyRuns) {
    Canvas canvas(kGrey, 10, 3);
    canvas.paintRun(5, 0, 0, PackColor(1, 1, 1));
    canvas.paintRun(5, 0, -3, PackColor(1, 1, 1));
    canvas.paintRun(0, 3, 5, PackColor(1, 1, 1));
    canvas.paintRun(0, -1, 5, PackColor(1, 1, 1));
    EXPECT_EQ(CountPixelsOtherThan(canvas, kGrey), 0);

    canvas.paintRun(-2, 0, 4, PackColor(1, 1, 1));     // columns -2..1
    canvas.paintRun(8, 2, 128, PackColor(2, 2, 2));    // columns 8..135
    canvas.paintRun(32000, 1, 128, PackColor(3, 3, 3));
    EXPECT_EQ(CountPixelsOtherThan(canvas, kGrey), 4);
    EXPECT_EQ(canvas.getPixel(1, 0), PackColor(1, 1, 1));
    EXPECT_EQ(canvas.getPixel(2, 0), kGrey);
    EXPECT_EQ(canvas.getPixel(8, 2), PackColor(2, 2, 2));
    EXPECT_EQ(canvas.getPixel(9, 2), PackColor(2, 2, 2));
}

TEST(BlendChannel, MatchesRoundHalfToEvenOfTheExactQuotientForEveryInput) {
    int mismatches = 0;
    for (int oldValue = 0; oldValue < 256; ++oldValue)
        for (int value = 0; value < 256; ++value)
            for (int alpha = 0; alpha < 256; ++alpha)
                if (BlendChannel(oldValue, value, alpha) != ReferenceBlend(oldValue, value, alpha) && ++mismatches < 5)
                    ADD_FAILURE() << "old " << oldValue << " value " << value << " alpha " << alpha;
    EXPECT_EQ(mismatches, 0);
}

TEST(BlendPixel, RoundsHalvesToEvenAndDividesBy256) {
    struct Case {
        int oldValue, value, alpha, expected;
    };
    for (const Case& c : {Case{0, 255, 128, 128}, Case{0, 1, 128, 0}, Case{0, 3, 128, 2}, Case{0, 255, 255, 254},
                          Case{255, 0, 255, 1}, Case{200, 17, 0, 200}, Case{10, 11, 128, 10}, Case{11, 10, 128, 11}, Case{13, 10, 128, 11}}) {
        Canvas canvas(PackColor(c.oldValue, c.oldValue, c.oldValue), 1, 1);
        BlendPixel(canvas, 0, 0, static_cast<std::int16_t>(c.value), static_cast<std::int16_t>(c.value),
                   static_cast<std::int16_t>(c.value), static_cast<std::int16_t>(c.alpha));
        EXPECT_EQ(canvas.getPixel(0, 0), PackColor(c.expected, c.expected, c.expected))
            << c.value << " over " << c.oldValue << " at alpha " << c.alpha;
    }
}

TEST(BlendPixel, BlendsEachChannelAgainstItsOwnOldValue) {
    Canvas canvas(PackColor(0, 100, 255), 2, 1);
    BlendPixel(canvas, 1, 0, 255, 0, 0, 128);
    EXPECT_EQ(canvas.getPixel(1, 0), PackColor(128, 50, 127));
    EXPECT_EQ(canvas.getPixel(0, 0), PackColor(0, 100, 255));
}

TEST(BlendPixel, DoesNothingOffTheCanvas) {
    Canvas canvas(kGrey, 3, 3);
    for (auto [x, y] : {std::pair{-1, 0}, {3, 0}, {0, 3}, {0, -1}})
        BlendPixel(canvas, static_cast<std::int16_t>(x), static_cast<std::int16_t>(y), 0, 0, 0, 255);
    EXPECT_EQ(CountPixelsOtherThan(canvas, kGrey), 0);
}

TEST(PaintBackground, WashesTheRectangleToWithinOneStepAndNothingElse) {
    Canvas canvas(PackColor(0, 0, 0), 6, 5);
    int presented = 0;
    canvas.setProgressHandler([&] { ++presented; });
    PaintBackground(/*intHeight*/ 2, /*intWidth*/ 3, canvas, 255, 255, 255);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 6; ++x)
            EXPECT_EQ(canvas.getPixel(x, y), (x < 3 && y < 2) ? PackColor(254, 254, 254) : PackColor(0, 0, 0))
                << x << "," << y;
    EXPECT_EQ(presented, 0) << "the wash shows at the next repaint, not by itself";
}

TEST(PaintBackground, PaintsNothingForSizesOfZeroOrLess) {
    Canvas canvas(kGrey, 4, 4);
    PaintBackground(0, 4, canvas, 0, 0, 0);
    PaintBackground(4, 0, canvas, 0, 0, 0);
    PaintBackground(-1, 4, canvas, 0, 0, 0);
    PaintBackground(4, -32768, canvas, 0, 0, 0);
    EXPECT_EQ(CountPixelsOtherThan(canvas, kGrey), 0);
}

TEST(PaintBackground, IsClippedToTheCanvas) {
    Canvas canvas(PackColor(255, 255, 255), 4, 3);
    PaintBackground(32767, 32767, canvas, 0, 0, 0);
    EXPECT_EQ(CountPixelsOtherThan(canvas, PackColor(1, 1, 1)), 0);
}

TEST(Canvas, PresentProgressRunsTheHandlerWhenThereIsOne) {
    Canvas canvas(kGrey, 1, 1);
    canvas.presentProgress();  // no handler: nothing to do
    int presented = 0;
    canvas.setProgressHandler([&] { ++presented; });
    canvas.presentProgress();
    canvas.presentProgress();
    EXPECT_EQ(presented, 2);
}

}  // namespace
}  // namespace vantrel
