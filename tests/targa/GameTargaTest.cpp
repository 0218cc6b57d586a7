// The reader's two sets of rules on the same bytes: DecodeTargaAsGame (what the game shows) beside
// LoadTarga (what the editor paints), on small files built here.
#include <gtest/gtest.h>

#include <string>

#include "TargaTestFiles.h"
#include "targa/Canvas.h"
#include "targa/GameTarga.h"

namespace vantrel::test {
namespace {

constexpr std::uint32_t kOpaque = 0xFF000000u;

// 0xAARRGGBB, opaque.
constexpr std::uint32_t Argb(int red, int green, int blue) {
    return kOpaque | (static_cast<std::uint32_t>(red) << 16) | (static_cast<std::uint32_t>(green) << 8) |
           static_cast<std::uint32_t>(blue);
}

// The picture as meant, top row first: every pixel different.
std::uint32_t Meant(int x, int y) { return Argb(10 + 40 * x, 20 + 50 * y, 200 - 30 * x - 20 * y); }

// 24-bit uncompressed, stored in the order the descriptor's two origin bits say.
Bytes Stored24(int width, int height, int descriptor) {
    TargaFields fields;
    fields.width = width;
    fields.height = height;
    fields.descriptor = descriptor;
    Bytes data;
    for (int row = 0; row < height; ++row) {
        const int y = (descriptor & 0x20) ? row : height - 1 - row;
        for (int column = 0; column < width; ++column) {
            const int x = (descriptor & 0x10) ? width - 1 - column : column;
            const std::uint32_t c = Meant(x, y);
            Append(data, {static_cast<int>(c & 255), static_cast<int>((c >> 8) & 255), static_cast<int>((c >> 16) & 255)});
        }
    }
    return TargaFile(fields, data);
}

// By the original game's rules, whose row swap is whole: the tests of other rules stay free of
// Zero Hour's right-edge strip, which has tests of its own.
GameTargaResult Game(const Bytes& bytes) {
    return DecodeTargaAsGame(bytes.data(), bytes.size(), GameTargaFlavour::Generals);
}
GameTargaResult ZeroHour(const Bytes& bytes) { return DecodeTargaAsGame(bytes.data(), bytes.size()); }

std::uint32_t At(const DecodedTexture& image, int x, int y) {
    return image.pixels[static_cast<std::size_t>(y) * image.width + x];
}

// The canvas pixel as 0xAARRGGBB, opaque, for comparing with the game's pixels.
std::uint32_t EditorAt(const Canvas& canvas, int x, int y) {
    const std::uint32_t color = canvas.getPixel(x, y);
    return Argb(ColorRed(color), ColorGreen(color), ColorBlue(color));
}

TEST(GameTarga, BothOriginBitsGiveTheSamePictureTopRowFirstWhereTheEditorIgnoresThem) {
    for (const int descriptor : {0x00, 0x10, 0x20, 0x30}) {
        const Bytes file = Stored24(4, 3, descriptor);
        const GameTargaResult game = Game(file);
        ASSERT_EQ(game.outcome, GameTargaOutcome::Loaded) << game.reason;
        EXPECT_EQ(game.reason, "");
        ASSERT_EQ(game.image.width, 4);
        ASSERT_EQ(game.image.height, 3);
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 4; ++x) EXPECT_EQ(At(game.image, x, y), Meant(x, y)) << descriptor << " " << x << "," << y;

        // The editor paints the first stored row at the bottom and the first stored column at the left.
        Canvas canvas(0, 4, 3);
        EXPECT_EQ(LoadBytes(file, canvas).message(), "");
        const int firstStoredRow = (descriptor & 0x20) ? 0 : 2;
        const int firstStoredColumn = (descriptor & 0x10) ? 3 : 0;
        EXPECT_EQ(EditorAt(canvas, 0, 2), Meant(firstStoredColumn, firstStoredRow)) << descriptor;
    }
}

// Type 1, 8 bits, with a colour map of `entries` entries of entryBits from entry `first`. A 24-bit
// entry i is stored blue = i, green = 100 + i, red = 200 - i; a 32-bit one has alpha 50 + i after
// those; a 16-bit one is i, 0.
Bytes ColorMapped(int first, int entries, int entryBits, const Bytes& indices, int width, int height) {
    TargaFields fields;
    fields.colorMapType = 1;
    fields.imageType = 1;
    fields.colorMapStart = first;
    fields.colorMapLength = entries;
    fields.colorMapDepth = entryBits;
    fields.bitsPerPixel = 8;
    fields.width = width;
    fields.height = height;
    Bytes data;
    for (int i = first; i < first + entries; ++i) {
        if (entryBits == 16) {
            Append(data, {i, 0});
            continue;
        }
        Append(data, {i, 100 + i, 200 - i});
        if (entryBits == 32) Append(data, {50 + i});
    }
    Append(data, indices);
    return TargaFile(fields, data);
}

TEST(GameTarga, TheColourMapIsReadByItsHeaderFieldsAndDrawnAsTheGameDrawsIt) {
    // Entries 2 to 4; the pixels (bottom row first) use entries 2, 3, 4 and 4, 3, 2.
    const Bytes file = ColorMapped(2, 3, 24, {2, 3, 4, 4, 3, 2}, 3, 2);
    const GameTargaResult game = Game(file);
    ASSERT_EQ(game.outcome, GameTargaOutcome::Loaded) << game.reason;
    EXPECT_EQ(game.reason, "");
    // The game takes an entry's three bytes in reverse order: the stored blue shows as red.
    auto entry = [](int i) { return Argb(i, 100 + i, 200 - i); };
    EXPECT_EQ(At(game.image, 0, 1), entry(2));
    EXPECT_EQ(At(game.image, 2, 1), entry(4));
    EXPECT_EQ(At(game.image, 0, 0), entry(4));
    EXPECT_EQ(At(game.image, 2, 0), entry(2));

    // The editor reads 768 bytes as the table whatever the header says, so the pixel bytes are
    // taken into the table and the pixels come from past the end of the file (zero): entry 0 is
    // the first stored entry, blue 2, green 102, red 198.
    Canvas canvas(0, 3, 2);
    EXPECT_EQ(LoadBytes(file, canvas).message(), "");
    EXPECT_EQ(EditorAt(canvas, 0, 1), Argb(198, 102, 2));
    EXPECT_EQ(EditorAt(canvas, 2, 0), Argb(198, 102, 2));
}

TEST(GameTarga, ThirtyTwoBitColourMapEntriesAreTakenInReverseByteOrder) {
    const GameTargaResult game = Game(ColorMapped(0, 2, 32, {1, 1, 0, 0, 0, 0, 0, 0, 0, 0}, 5, 2));
    ASSERT_EQ(game.outcome, GameTargaOutcome::Loaded) << game.reason;
    // Entry 1 is stored 1, 101, 199, 51: alpha from the first byte, red from the second, green
    // from the third, blue from the fourth.
    EXPECT_EQ(At(game.image, 0, 1), (1u << 24) | (101u << 16) | (199u << 8) | 51u);
}

TEST(GameTarga, PixelsOutsideAShortColourMapOrThroughSixteenBitEntriesAreNamedAsUndefined) {
    const GameTargaResult shortMap = Game(ColorMapped(0, 2, 24, {0, 1, 7, 7, 9, 1, 0, 0}, 4, 2));
    ASSERT_EQ(shortMap.outcome, GameTargaOutcome::Loaded);
    EXPECT_NE(shortMap.reason.find("3 pixels use colour-map entries the file does not give"), std::string::npos)
        << shortMap.reason;

    // Entries of 16 bits: the texture is drawn, but no pixel is ever written.
    const GameTargaResult sixteen = Game(ColorMapped(0, 4, 16, {0, 1, 2, 3, 0, 1, 2, 3}, 4, 2));
    ASSERT_EQ(sixteen.outcome, GameTargaOutcome::Loaded);
    EXPECT_EQ(sixteen.shows, GameShows::Picture);
    EXPECT_NE(sixteen.reason.find("16-bit entries"), std::string::npos) << sixteen.reason;
    EXPECT_NE(sixteen.reason.find("never writes the 8 pixels and they show in undefined colours"), std::string::npos)
        << sixteen.reason;
    for (const std::uint32_t pixel : sixteen.image.pixels) EXPECT_EQ(pixel, kOpaque);

    // 256 entries of 32 bits from entry 1 overrun the game's 1,024-byte table.
    const GameTargaResult overrun = Game(ColorMapped(1, 256, 32, Bytes(4, 0), 2, 2));
    EXPECT_EQ(overrun.outcome, GameTargaOutcome::Unsupported);
    EXPECT_NE(overrun.reason.find("1,024 bytes"), std::string::npos) << overrun.reason;
}

// Type 10, 24 bits, 3 x 2: one run packet of six pixels covers both rows.
Bytes RunAcrossRows() {
    TargaFields fields;
    fields.imageType = 10;
    fields.width = 3;
    fields.height = 2;
    Bytes file = TargaFile(fields, {0x85, 0x10, 0x20, 0x30});
    Append(file, Bytes(8, 0));  // trailing bytes, as a footer would leave, read by neither
    return file;
}

TEST(GameTarga, RunLengthPacketsRunOnIntoTheNextRowWhereTheEditorKeepsThemOnOneRow) {
    const GameTargaResult game = Game(RunAcrossRows());
    ASSERT_EQ(game.outcome, GameTargaOutcome::Loaded) << game.reason;
    for (const std::uint32_t pixel : game.image.pixels) EXPECT_EQ(pixel, Argb(0x30, 0x20, 0x10));

    // The editor paints the whole packet on the bottom row (three pixels past its end) and starts
    // the top row with the next packet header.
    Canvas canvas(PackColor(1, 2, 3), 6, 2);
    EXPECT_EQ(LoadBytes(RunAcrossRows(), canvas).message(), "");
    for (int x = 0; x < 6; ++x) EXPECT_EQ(EditorAt(canvas, x, 1), Argb(0x30, 0x20, 0x10)) << x;
    EXPECT_EQ(EditorAt(canvas, 0, 0), Argb(0, 0, 0));
}

TEST(GameTarga, APacketRunningPastTheLastPixelFailsTheLoad) {
    TargaFields fields;
    fields.imageType = 10;
    fields.width = 2;
    fields.height = 2;
    Bytes file = TargaFile(fields, {0x84, 1, 2, 3});
    Append(file, Bytes(8, 0));
    const GameTargaResult game = Game(file);
    EXPECT_EQ(game.outcome, GameTargaOutcome::Unsupported);
    EXPECT_NE(game.reason.find("runs 1 pixel past the end of the image"), std::string::npos) << game.reason;
}

TEST(GameTarga, AShortFileIsTheGamesFailureWithAReasonWhileTheEditorPaintsZeros) {
    Bytes raw = Stored24(4, 3, 0);
    raw.resize(raw.size() - 5);
    const GameTargaResult cut = Game(raw);
    EXPECT_EQ(cut.outcome, GameTargaOutcome::Truncated);
    EXPECT_NE(cut.reason.find("ends after 31 of the 36 bytes of pixel data"), std::string::npos) << cut.reason;
    // Targa::Load fails after the surface was made: the game draws it unfilled.
    EXPECT_EQ(cut.shows, GameShows::UnfilledTexture);
    EXPECT_NE(cut.reason.find("at the size its header declares but never fills it"), std::string::npos) << cut.reason;
    Canvas canvas(PackColor(9, 9, 9), 4, 3);
    EXPECT_EQ(LoadBytes(raw, canvas).message(), "");
    EXPECT_EQ(EditorAt(canvas, 3, 0), Argb(0, 0, 0));  // the last stored pixel, read as zeros

    TargaFields runLength;  // 4 x 4, one raw packet of 16 pixels with 10 of its 48 bytes
    runLength.imageType = 10;
    runLength.width = 4;
    runLength.height = 4;
    const GameTargaResult packet = Game(TargaFile(runLength, {0x0F, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    EXPECT_EQ(packet.outcome, GameTargaOutcome::Truncated);
    EXPECT_EQ(packet.shows, GameShows::UnfilledTexture);
    EXPECT_NE(packet.reason.find("ends inside a packet after 0 of the 16 pixels"), std::string::npos) << packet.reason;

    // The game's reader first looks for a Targa 2.0 footer 26 bytes before the end.
    TargaFields tiny;  // 1 x 1, 24 bits: 21 bytes
    const GameTargaResult small = Game(TargaFile(tiny, {1, 2, 3}));
    EXPECT_EQ(small.outcome, GameTargaOutcome::Truncated);
    EXPECT_NE(small.reason.find("Targa 2.0 footer"), std::string::npos) << small.reason;
    // Targa::Open fails: the engine's missing-texture placeholder is drawn instead.
    EXPECT_EQ(small.shows, GameShows::MissingTexture);
    EXPECT_NE(small.reason.find("missing-texture placeholder (a 128 x 128 half-transparent magenta square)"),
              std::string::npos) << small.reason;
    EXPECT_EQ(Game(Bytes(10, 0)).outcome, GameTargaOutcome::Truncated);
    EXPECT_EQ(Game(Bytes(10, 0)).shows, GameShows::MissingTexture);

    // A footer that places the extension area past the end.
    Bytes footer = Stored24(4, 3, 0);
    Append(footer, {0x00, 0x10, 0, 0, 0, 0, 0, 0});
    for (const char c : std::string("TRUEVISION-XFILE")) footer.push_back(static_cast<std::uint8_t>(c));
    Append(footer, {'.', 0});
    EXPECT_EQ(Game(footer).outcome, GameTargaOutcome::Truncated);
    EXPECT_EQ(Game(footer).shows, GameShows::MissingTexture);
    footer[footer.size() - 26 + 1] = 0;  // extension offset 0: no extension area, nothing to read
    EXPECT_EQ(Game(footer).outcome, GameTargaOutcome::Loaded);
}

TEST(GameTarga, GreyscaleIsDrawnRunLengthGreyscaleIsNotAndTheEditorRejectsBoth) {
    TargaFields grey;
    grey.imageType = 3;
    grey.bitsPerPixel = 8;
    grey.width = 4;
    grey.height = 2;
    const Bytes file = TargaFile(grey, {0, 40, 80, 120, 160, 200, 240, 255});
    const GameTargaResult game = Game(file);
    ASSERT_EQ(game.outcome, GameTargaOutcome::Loaded) << game.reason;
    EXPECT_EQ(At(game.image, 1, 1), Argb(40, 40, 40));  // stored first: the bottom row
    EXPECT_EQ(At(game.image, 3, 0), Argb(255, 255, 255));
    Canvas canvas(0, 4, 2);
    EXPECT_EQ(LoadBytes(file, canvas).message(), kTypeNotSupportedMessage);

    grey.imageType = 11;
    const GameTargaResult runLength = Game(TargaFile(grey, {0x87, 99, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(runLength.outcome, GameTargaOutcome::Unsupported);
    EXPECT_NE(runLength.reason.find("type 11"), std::string::npos) << runLength.reason;
}

TEST(GameTarga, AlphaIsKeptAsTheGamesFormatsHoldIt) {
    // 16 bits: the top bit is a one-bit alpha. 0xFFFF white and opaque, 0x7FFF white and clear.
    TargaFields sixteen;
    sixteen.bitsPerPixel = 16;
    sixteen.width = 2;
    sixteen.height = 4;
    const GameTargaResult game16 = Game(TargaFile(sixteen, {0xFF, 0xFF, 0xFF, 0x7F, 0xE0, 0x83, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    ASSERT_EQ(game16.outcome, GameTargaOutcome::Loaded);
    EXPECT_EQ(At(game16.image, 0, 3), Argb(248, 248, 248));
    EXPECT_EQ(At(game16.image, 1, 3), 0x00F8F8F8u);
    EXPECT_EQ(At(game16.image, 0, 2), Argb(0, 248, 0));

    // 32 bits: alpha as stored, not blended.
    TargaFields thirtyTwo;
    thirtyTwo.bitsPerPixel = 32;
    thirtyTwo.width = 2;
    thirtyTwo.height = 1;
    const GameTargaResult game32 = Game(TargaFile(thirtyTwo, {1, 2, 3, 0, 4, 5, 6, 128, 0, 0, 0, 0, 0, 0, 0, 0}));
    ASSERT_EQ(game32.outcome, GameTargaOutcome::Loaded);
    EXPECT_EQ(At(game32.image, 0, 0), 0x00030201u);
    EXPECT_EQ(At(game32.image, 1, 0), 0x80060504u);

    // 8 bits without a colour map and not greyscale: black, the byte is the alpha.
    TargaFields eight;
    eight.bitsPerPixel = 8;
    eight.width = 8;
    eight.height = 1;
    const GameTargaResult game8 = Game(TargaFile(eight, {7, 0, 0, 0, 0, 0, 0, 255}));
    ASSERT_EQ(game8.outcome, GameTargaOutcome::Loaded);
    EXPECT_EQ(At(game8.image, 0, 0), 0x07000000u);
    EXPECT_EQ(At(game8.image, 7, 0), 0xFF000000u);
}

// 0xAARRGGBB with the blue byte from one colour and green and red from another: a pixel cut by
// the end of the 16-byte swap.
std::uint32_t BlueOfGreenRedOf(std::uint32_t blueFrom, std::uint32_t rest) {
    return (rest & 0xFFFFFF00u) | (blueFrom & 0xFFu);
}

TEST(GameTarga, ZeroHourLeavesTheLastRowBytesPastAMultipleOfSixteenUpsideDownInBottomOriginFiles) {
    // 6 x 2 at 24 bits: rows of 18 bytes. Bytes 0-15 are swapped, 16 and 17 (green and red of the
    // last pixel) stay: the cut falls inside the pixel. Mirrored files are mirrored first, so the
    // strip is at the right edge of the picture for both.
    for (const int descriptor : {0x00, 0x10}) {
        SCOPED_TRACE(descriptor);
        const GameTargaResult game = ZeroHour(Stored24(6, 2, descriptor));
        ASSERT_EQ(game.outcome, GameTargaOutcome::Loaded) << game.reason;
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 5; ++x) EXPECT_EQ(At(game.image, x, y), Meant(x, y)) << x << "," << y;
        EXPECT_EQ(At(game.image, 5, 0), BlueOfGreenRedOf(Meant(5, 0), Meant(5, 1)));
        EXPECT_EQ(At(game.image, 5, 1), BlueOfGreenRedOf(Meant(5, 1), Meant(5, 0)));
        EXPECT_NE(game.reason.find("the last 2 bytes of every row (the cut falls inside a pixel) stay upside down"),
                  std::string::npos) << game.reason;
    }
    // 8 x 3 at 32 bits: rows of 32 bytes, all swapped; 5 x 3 at 24 bits: rows of 15 bytes, none.
    TargaFields fields;
    fields.width = 8;
    fields.height = 3;
    fields.bitsPerPixel = 32;
    Bytes data;
    for (int i = 0; i < 8 * 3; ++i) Append(data, {i, i, i, 255});
    const GameTargaResult whole = ZeroHour(TargaFile(fields, data));
    ASSERT_EQ(whole.outcome, GameTargaOutcome::Loaded);
    EXPECT_EQ(whole.reason, "");
    EXPECT_EQ(At(whole.image, 7, 0), Argb(23, 23, 23));  // the last stored pixel, top right
    const GameTargaResult none = ZeroHour(Stored24(5, 3, 0));
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x) EXPECT_EQ(At(none.image, x, y), Meant(x, 2 - y)) << x << "," << y;
    EXPECT_NE(none.reason.find("the whole picture stays upside down"), std::string::npos) << none.reason;
    // Top-origin files are not swapped at all, and the original game swaps whole rows.
    for (const Bytes& file : {Stored24(6, 2, 0x20), Stored24(6, 2, 0x30)}) {
        const GameTargaResult upright = ZeroHour(file);
        EXPECT_EQ(upright.reason, "");
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 6; ++x) EXPECT_EQ(At(upright.image, x, y), Meant(x, y));
    }
    const GameTargaResult original = Game(Stored24(6, 2, 0));
    EXPECT_EQ(original.reason, "");
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 6; ++x) EXPECT_EQ(At(original.image, x, y), Meant(x, y));
}

TEST(GameTarga, WhatTheGameDoesNotLoad) {
    TargaFields fields;
    fields.width = 2;
    fields.height = 2;
    const Bytes pixels(12, 0);

    // Refused by Targa::Load or the loader once the surface exists: drawn unfilled.
    fields.bitsPerPixel = 15;
    EXPECT_EQ(Game(TargaFile(fields, pixels)).outcome, GameTargaOutcome::Unsupported);
    EXPECT_EQ(Game(TargaFile(fields, pixels)).shows, GameShows::UnfilledTexture);
    fields.bitsPerPixel = 24;
    fields.imageType = 0;
    EXPECT_EQ(Game(TargaFile(fields, pixels)).outcome, GameTargaOutcome::Unsupported);
    EXPECT_EQ(Game(TargaFile(fields, pixels)).shows, GameShows::UnfilledTexture);
    fields.imageType = 2;
    fields.height = 0;
    EXPECT_NE(Game(TargaFile(fields, pixels)).reason.find("no pixels"), std::string::npos);
    fields.height = 2;
    fields.idLength = 200;  // a signed byte to the game: a step backwards
    EXPECT_EQ(Game(TargaFile(fields, Bytes(212, 0))).outcome, GameTargaOutcome::Unsupported);
    EXPECT_EQ(Game(TargaFile(fields, Bytes(212, 0))).shows, GameShows::MissingTexture);

    // The first bytes of a PNG file.
    const Bytes png = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A, 0, 0, 0, 0x0D, 'I', 'H', 'D', 'R',
                       0,    0,   0,   32,  0,    0,    0,    32,  8, 6, 0, 0,    0,   0x73, 0x7A, 0x7A};
    const GameTargaResult notTarga = Game(png);
    EXPECT_EQ(notTarga.outcome, GameTargaOutcome::NotTarga);
    EXPECT_NE(notTarga.reason.find("not a Targa file"), std::string::npos) << notTarga.reason;
    EXPECT_EQ(notTarga.shows, GameShows::MissingTexture);  // its ID length, 137, fails the open
    fields.idLength = 0;
    Bytes typeZero = TargaFile(fields, pixels);
    typeZero[2] = 12;  // an image type the format does not define, in a file that opens
    EXPECT_EQ(Game(typeZero).outcome, GameTargaOutcome::NotTarga);
    EXPECT_EQ(Game(typeZero).shows, GameShows::UnfilledTexture);
    EXPECT_TRUE(WhyNotATargaFile(png.data(), png.size()).has_value());
    EXPECT_TRUE(WhyNotATargaFile(pixels.data(), 0).has_value());
    const Bytes targa = Stored24(2, 2, 0);
    EXPECT_EQ(WhyNotATargaFile(targa.data(), targa.size()), std::nullopt);
}

}  // namespace
}  // namespace vantrel::test
