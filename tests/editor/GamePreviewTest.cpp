#include "editor/GamePreview.h"

#include <gtest/gtest.h>

#include <functional>

#include "EditorFixture.h"

namespace vantrel::test {
namespace {

using Box = EditorView::Box;

// Rows of 16 pixels are a whole number of 16-byte blocks at every depth, so the game's upright turn
// leaves no strip (see the last case).
constexpr int kSide = 16;

// A texture file and, independently of the decoder, what the game shows at each of its pixels.
struct TextureCase {
    const char* name;
    Bytes file;
    std::function<std::uint32_t(int x, int y)> gamePixel;  // 0xAARRGGBB
    const char* reasonHas = "";  // what the texture's note must say; none when empty
    int width = kSide;           // columns from here on are outside the texture: transparent
};
void PrintTo(const TextureCase& c, std::ostream* out) { *out << c.name; }

// A colour value (red in the low byte) as an opaque 0xAARRGGBB pixel.
std::uint32_t Opaque(std::uint32_t colourValue) {
    return 0xFF000000u | (colourValue & 0xFFu) << 16 | (colourValue & 0xFF00u) | (colourValue >> 16 & 0xFFu);
}

std::uint32_t Pattern(int x, int y) { return static_cast<std::uint32_t>(x * 11 | (y * 7) << 8 | (x + y) << 16); }

std::vector<TextureCase> TextureCases() {
    std::vector<TextureCase> cases;
    // Rows stored bottom row first: the game turns the picture upright.
    cases.push_back({"BottomOrigin24", EncodeTarga({.width = kSide, .height = kSide, .pixel = Pattern}),
                     [](int x, int y) { return Opaque(Pattern(x, y)); }});
    // Top row stored first (the editor would paint it upside down; the game does not).
    cases.push_back({"TopOrigin32",
                     EncodeTarga({.width = kSide, .height = kSide,
                                  .pixel = [](int x, int y) { return Pattern(x, y) | 0xFF000000u; },
                                  .bitsPerPixel = 32, .order = RowOrder::TopDown}),
                     [](int x, int y) { return Opaque(Pattern(x, y)); }});
    // Colour-mapped: the game reads each 3-byte entry with red and blue swapped.
    const std::vector<std::uint32_t> table{0x0000FF, 0x00FF00, 0xFF0000, 0x203040};
    cases.push_back({"ColourMappedSwapsRedAndBlue",
                     EncodeTarga({.width = kSide, .height = kSide,
                                  .pixel = [](int x, int y) { return static_cast<std::uint32_t>((x + y) % 4); },
                                  .bitsPerPixel = 8, .colorTable = table}),
                     [table](int x, int y) {
                         const std::uint32_t c = table[(x + y) % 4];
                         return 0xFF000000u | (c & 0xFFu) | (c & 0xFF00u) | (c >> 16 & 0xFFu) << 16;
                     }});
    // 16 bits: the top bit is a one-bit alpha; the writer leaves it clear, so the game draws nothing.
    cases.push_back({"SixteenBitAlphaClear",
                     EncodeTarga({.width = kSide, .height = kSide, .pixel = [](int, int) { return 0xF8F8F8u; },
                                  .bitsPerPixel = 16}),
                     [](int, int) { return 0x00F8F8F8u; }});
    // 16 bits with the top bit set in every pixel (hand-made: 0xFC00 is opaque red, 5 bits a channel).
    Bytes pixels;
    for (int i = 0; i < kSide * kSide; ++i) pixels.insert(pixels.end(), {0x00, 0xFC});
    cases.push_back({"SixteenBitAlphaSet", TgaBytes(2, 16, kSide, kSide, pixels), [](int, int) { return 0xFFF80000u; }});
    // 20 pixels of 3 bytes: the game turns 16-byte blocks upright and leaves the last 12 bytes of each
    // row (4 pixels) where they were stored, upside down.
    cases.push_back({"BottomOriginStripAtTheRightEdge", EncodeTarga({.width = 20, .height = kSide, .pixel = Pattern}),
                     [](int x, int y) { return Opaque(Pattern(x, x >= 16 ? kSide - 1 - y : y)); },
                     "stay upside down at the right edge", 20});
    return cases;
}

class GamePreviewTextures : public ::testing::TestWithParam<TextureCase> {};

TEST_P(GamePreviewTextures, ShowsTheGamesPixelsCutRightAndBottomExclusiveTransparentOutside) {
    const TextureCase& c = GetParam();
    GamePreview preview;
    preview.openTexture(c.file.data(), c.file.size(), c.name);
    const GameRect rect{3, 5, 19, 12};
    const GamePreviewPicture shown = preview.preview("3", "5", "19", "12", kSide, kSide);
    ASSERT_EQ(shown.width, 16);
    ASSERT_EQ(shown.height, 7);
    EXPECT_EQ(shown.sizeText, "16 \xC3\x97 7 pixels");
    if (*c.reasonHas)
        EXPECT_NE(shown.reason.find(c.reasonHas), std::string::npos) << shown.reason;
    else
        EXPECT_EQ(shown.reason, "");
    for (int y = 0; y < shown.height; ++y)
        for (int x = 0; x < shown.width; ++x) {
            const int u = rect.left + x;
            const std::uint32_t game = u < c.width ? c.gamePixel(u, rect.top + y) : 0u;
            const std::size_t at = static_cast<std::size_t>(y) * shown.width + x;
            ASSERT_EQ(shown.gamePixels[at], game) << x << ", " << y;
            // Opaque pixels show as they are, transparent ones show the checkerboard.
            const std::uint32_t expected = (game >> 24) == 255 ? game : (game >> 24) == 0 ? CheckerAt(x, y) : 0;
            ASSERT_EQ(shown.shownPixels[at], expected) << x << ", " << y;
        }
}

INSTANTIATE_TEST_SUITE_P(Layouts, GamePreviewTextures, ::testing::ValuesIn(TextureCases()),
                         [](const auto& info) { return std::string(info.param.name); });

// What the game shows instead when it cannot load the texture.
TEST(GamePreviewFailingTexture, TruncatedPixelsUnfilledUnopenableFileThePlaceholder) {
    GamePreview preview;
    Bytes truncated = EncodeTarga({.width = kSide, .height = kSide, .pixel = Pattern});
    truncated.resize(truncated.size() / 2);
    preview.openTexture(truncated.data(), truncated.size(), "Half.tga");
    GamePreviewPicture shown = preview.preview("0", "0", "8", "8", kSide, kSide);
    EXPECT_TRUE(shown.empty());
    EXPECT_EQ(shown.shows, GameShows::UnfilledTexture);
    EXPECT_EQ(shown.sizeText, "8 \xC3\x97 8 pixels");
    EXPECT_NE(shown.reason.find("never fills it"), std::string::npos) << shown.reason;

    TempDir temp;
    preview.openTexture((temp / "Gone.tga").string());
    shown = preview.preview("0", "0", "8", "4", kSide, kSide);
    EXPECT_EQ(shown.shows, GameShows::MissingTexture);
    ASSERT_EQ(shown.width * shown.height, 32);
    for (const std::uint32_t pixel : shown.gamePixels) ASSERT_EQ(pixel, kMissingTextureColour);
    EXPECT_EQ(shown.shownPixels[0], LayOver(kMissingTextureColour, kCheckerLight));
    EXPECT_NE(shown.shownPixels[0], kCheckerLight);
    EXPECT_NE(shown.reason.find("missing-texture placeholder"), std::string::npos) << shown.reason;
}

struct BoxesCase {
    const char* left;
    const char* top;
    const char* right;
    const char* bottom;
    const char* sizeText;
    const char* note;
    const char* reason;
};

void PrintTo(const BoxesCase& c, std::ostream* out) {
    *out << c.left << ", " << c.top << ", " << c.right << ", " << c.bottom;
}

class GamePreviewBoxes : public ::testing::TestWithParam<BoxesCase> {};

// On a 64 x 64 texture: what the note and the size say for each kind of pick.
TEST_P(GamePreviewBoxes, SizeNoteAndReason) {
    const BoxesCase& c = GetParam();
    const Bytes file = EncodeTarga({.width = 64, .height = 64, .pixel = Pattern});
    GamePreview preview;
    preview.openTexture(file.data(), file.size(), "Icons.tga");
    const GamePreviewPicture shown = preview.preview(c.left, c.top, c.right, c.bottom, 64, 64);
    EXPECT_EQ(shown.sizeText, c.sizeText);
    EXPECT_EQ(shown.note, c.note);
    EXPECT_EQ(shown.reason, c.reason);
    EXPECT_EQ(shown.empty(), std::string(c.sizeText).empty());
}

INSTANTIATE_TEST_SUITE_P(
    Picks, GamePreviewBoxes,
    ::testing::Values(
        BoxesCase{"0", "0", "63", "63", "63 \xC3\x97 63 pixels",
                  "The game draws 63 \xC3\x97 63: it leaves out the Right column and the Bottom row", ""},
        // Right and Bottom typed as the edges after the image: nothing picked is left out.
        BoxesCase{"0", "0", "64", "64", "64 \xC3\x97 64 pixels", "", ""},
        BoxesCase{"0", "0", "64", "10", "64 \xC3\x97 10 pixels",
                  "The game draws 64 \xC3\x97 10: it leaves out the Bottom row", ""},
        BoxesCase{"2", "0", "3", "64", "1 \xC3\x97 64 pixels",
                  "The game draws 1 \xC3\x97 64: it leaves out the Right column", ""},
        BoxesCase{"5", "5", " 6 ", "6.4", "1 \xC3\x97 1 pixel",
                  "The game draws 1 \xC3\x97 1: it leaves out the Right column and the Bottom row", ""},
        BoxesCase{"5", "0", "5", "9", "", "", "The game draws nothing: it leaves out the Right column, and Right equals Left"},
        BoxesCase{"0", "9", "5", "9", "", "", "The game draws nothing: it leaves out the Bottom row, and Bottom equals Top"},
        BoxesCase{"9", "0", "5", "9", "", "", "Right is less than Left: the game draws nothing"},
        BoxesCase{"", "0", "5", "9", "", "", "Pick or type the four corners: Left is empty"},
        BoxesCase{"1", "0", "5a", "9", "", "", "Right is not a number"},
        BoxesCase{"1", "0", "5", "40000", "", "", "Bottom is outside the range of -32768 to 32767"}),
    [](const auto& info) { return "Pick" + std::to_string(info.index); });

// Through the editor: the texture File, Open opened, decoded once per open, and the boxes.
class GamePreviewEditor : public EditorFixture {};

TEST_F(GamePreviewEditor, DecodesTheOpenTextureOncePerOpenAndFollowsTheBoxes) {
    GamePreview preview;
    EXPECT_EQ(preview.update(editor).reason, "Open a texture to see what the game draws");

    loadTexture(16, 16);  // red = x, green = y, blue = 200
    press(2, 3);
    press(6, 8);
    GamePreviewPicture shown = preview.update(editor);
    ASSERT_EQ(shown.width, 4);
    ASSERT_EQ(shown.height, 5);
    EXPECT_EQ(shown.gamePixels[0], 0xFF0203C8u);
    EXPECT_EQ(shown.note, "The game draws 4 \xC3\x97 5: it leaves out the Right column and the Bottom row");

    // The file changing on disk is not seen until the texture is opened again.
    WriteBytes(temp / "Icons.tga", EncodeTarga({.width = 16, .height = 16, .pixel = [](int, int) { return 0xFFu; }}));
    view.setBoxText(Box::Left, "3");
    shown = preview.update(editor);
    ASSERT_EQ(shown.width, 3);
    EXPECT_EQ(shown.gamePixels[0], 0xFF0303C8u);

    ui.openAnswers.push_back((temp / "Icons.tga").string());
    editor.LoadUserFile();
    shown = preview.update(editor);
    ASSERT_EQ(shown.width, 3);
    EXPECT_EQ(shown.gamePixels[0], 0xFFFF0000u);
}

}  // namespace
}  // namespace vantrel::test
