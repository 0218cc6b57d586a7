// Pixel formats, the colour table, uncompressed and run-length decoding, progress and truncation.
#include <gtest/gtest.h>

#include "TargaTestFiles.h"

namespace vantrel::test {
namespace {

constexpr std::uint32_t kGrey = PackColor(240, 240, 240);
constexpr std::uint32_t kRed = PackColor(255, 0, 0);
constexpr std::uint32_t kGreen = PackColor(0, 255, 0);
constexpr std::uint32_t kBlue = PackColor(0, 0, 255);
constexpr std::uint32_t kWhite = PackColor(255, 255, 255);
constexpr std::uint32_t kBlack = PackColor(0, 0, 0);

std::uint32_t TableColor(int index) { return PackColor(index, (index * 7) & 255, 255 - index); }

TargaFields Fields(int imageType, int bits, int width, int height) {
    TargaFields fields;
    fields.imageType = imageType;
    fields.bitsPerPixel = bits;
    fields.width = width;
    fields.height = height;
    if (imageType == 1 || imageType == 9) fields.colorMapType = 1;
    return fields;
}

// Row y of the canvas as colour values, columns 0 to width - 1.
std::vector<std::uint32_t> Row(const Canvas& canvas, int y, int width) {
    std::vector<std::uint32_t> row;
    for (int x = 0; x < width; ++x) row.push_back(canvas.getPixel(x, y));
    return row;
}

TEST(TargaDecoding, Worked2x2Uncompressed24BitFileIsPaintedBottomUp) {
    Canvas canvas(kGrey, 4, 4);
    const LoadOutcome outcome =
        LoadBytes(TargaFile(Fields(2, 24, 2, 2), {0, 0, 255, 0, 255, 0, 255, 0, 0, 255, 255, 255}), canvas);
    EXPECT_EQ(outcome.message(), "");
    EXPECT_EQ(outcome.width, 2);
    EXPECT_EQ(outcome.height, 2);
    EXPECT_EQ(canvas.getPixel(0, 1), kRed);
    EXPECT_EQ(canvas.getPixel(1, 1), kGreen);
    EXPECT_EQ(canvas.getPixel(0, 0), kBlue);
    EXPECT_EQ(canvas.getPixel(1, 0), kWhite);
    EXPECT_EQ(CountPixelsOtherThan(canvas, kGrey), 4);
}

TEST(TargaDecoding, Worked5x1RunLengthFileIsARunOfThreeThenARawPacketOfTwo) {
    Canvas canvas(kGrey, 8, 2);
    // Followed by bytes that would paint if the load went on after the row was complete.
    const LoadOutcome outcome = LoadBytes(
        TargaFile(Fields(10, 24, 5, 1), {0x82, 0x00, 0x00, 0xFF, 0x01, 0xFF, 0x00, 0x00, 0x00, 0xFF, 0x00, 0x80, 1, 2, 3}),
        canvas);
    EXPECT_EQ(outcome.message(), "");
    EXPECT_EQ(Row(canvas, 0, 8), (std::vector{kRed, kRed, kRed, kBlue, kGreen, kGrey, kGrey, kGrey}));
    EXPECT_EQ(CountPixelsOtherThan(canvas, kGrey), 5);
}

TEST(TargaDecoding, SixteenBitPixelsAreFiveBitChannelsTimesEightWithTheTopBitIgnored) {
    struct Case {
        int lo, hi;
        std::uint32_t expected;
    };
    for (const Case& c : {Case{0xFF, 0x7F, PackColor(248, 248, 248)}, Case{0x00, 0x80, kBlack},
                          Case{0xE0, 0x03, PackColor(0, 248, 0)}, Case{0x1F, 0x00, PackColor(0, 0, 248)},
                          Case{0x00, 0x7C, PackColor(248, 0, 0)}, Case{0xFF, 0xFF, PackColor(248, 248, 248)},
                          Case{0x21, 0x04, PackColor(8, 8, 8)}}) {
        for (int imageType : {2, 10}) {
            Canvas canvas(kGrey, 2, 1);
            const Bytes file = imageType == 2 ? TargaFile(Fields(2, 16, 1, 1), {c.lo, c.hi})
                                              : TargaFile(Fields(10, 16, 1, 1), {0x80, c.lo, c.hi});
            EXPECT_EQ(LoadBytes(file, canvas).message(), "");
            EXPECT_EQ(canvas.getPixel(0, 0), c.expected) << std::hex << c.lo << " " << c.hi << " type " << imageType;
        }
    }
}

TEST(TargaDecoding, ThirtyTwoBitPixelsAreBlendedOverTheCanvas) {
    Canvas canvas(PackColor(0, 100, 200), 4, 1);
    // blue, green, red, alpha
    const LoadOutcome outcome = LoadBytes(
        TargaFile(Fields(2, 32, 4, 1), {10, 20, 30, 0, 255, 255, 255, 255, 0, 0, 255, 128, 3, 1, 255, 128}), canvas);
    EXPECT_EQ(outcome.message(), "");
    EXPECT_EQ(canvas.getPixel(0, 0), PackColor(0, 100, 200)) << "alpha 0 leaves the pixel as it was";
    EXPECT_EQ(canvas.getPixel(1, 0), PackColor(254, 254, 255)) << "alpha 255 lands within one step";
    EXPECT_EQ(canvas.getPixel(2, 0), PackColor(128, 50, 100));
    EXPECT_EQ(canvas.getPixel(3, 0), PackColor(128, 50, 102));
}

TEST(TargaDecoding, EightBitPixelsArePaintedThroughTheColourTable) {
    for (int imageType : {1, 9}) {
        Bytes data = ColorTable(TableColor);
        if (imageType == 1)
            Append(data, {0, 1, 255, 128});
        else
            Append(data, {0x01, 0, 1, 0x81, 255, 0x00, 128});  // raw of 2, run of 2, raw of 1
        Canvas canvas(kGrey, 8, 2);
        const int width = imageType == 1 ? 2 : 5;
        const LoadOutcome outcome = LoadBytes(TargaFile(Fields(imageType, 8, width, imageType == 1 ? 2 : 1), data), canvas);
        EXPECT_EQ(outcome.message(), "");
        if (imageType == 1) {
            EXPECT_EQ(Row(canvas, 1, 2), (std::vector{TableColor(0), TableColor(1)}));
            EXPECT_EQ(Row(canvas, 0, 2), (std::vector{TableColor(255), TableColor(128)}));
        } else {
            EXPECT_EQ(Row(canvas, 0, 5),
                      (std::vector{TableColor(0), TableColor(1), TableColor(255), TableColor(255), TableColor(128)}));
        }
    }
}

TEST(TargaDecoding, TheColourTableIsAlways768BytesWhateverTheHeaderSays) {
    // An 8-entry table: the reader still takes 768 bytes as table entries, so the pixel bytes that
    // follow the short table become table entries and the pixels are read past the end as index 0.
    TargaFields fields = Fields(1, 8, 3, 1);
    fields.colorMapLength = 8;
    fields.colorMapDepth = 24;
    fields.colorMapStart = 5;
    Bytes data;
    for (int i = 0; i < 8; ++i) Append(data, {i + 1, 2 * i + 1, 3 * i + 1});
    Append(data, {3, 4, 5});
    Canvas canvas(kGrey, 4, 1);
    EXPECT_EQ(LoadBytes(TargaFile(fields, data), canvas).message(), "");
    EXPECT_EQ(Row(canvas, 0, 4), (std::vector{PackColor(1, 1, 1), PackColor(1, 1, 1), PackColor(1, 1, 1), kGrey}));
}

TEST(TargaDecoding, AColourMapBeforeTrueColourPixelsIsDecodedAsPixels) {
    TargaFields fields = Fields(2, 24, 2, 1);
    fields.colorMapType = 1;
    fields.colorMapLength = 2;
    fields.colorMapDepth = 24;
    Canvas canvas(kGrey, 2, 1);
    EXPECT_EQ(LoadBytes(TargaFile(fields, {1, 2, 3, 4, 5, 6, 200, 200, 200, 100, 100, 100}), canvas).message(), "");
    EXPECT_EQ(Row(canvas, 0, 2), (std::vector{PackColor(3, 2, 1), PackColor(6, 5, 4)}));
}

TEST(TargaDecoding, RowsArePaintedBottomUpWhateverTheDescriptorSays) {
    for (int descriptor : {0x00, 0x20, 0x28, 0x10, 0x30}) {
        TargaFields fields = Fields(2, 24, 1, 3);
        fields.descriptor = descriptor;
        Canvas canvas(kGrey, 1, 3);
        EXPECT_EQ(LoadBytes(TargaFile(fields, {0, 0, 255, 0, 255, 0, 255, 0, 0}), canvas).message(), "");
        EXPECT_EQ(canvas.getPixel(0, 2), kRed) << std::hex << descriptor;
        EXPECT_EQ(canvas.getPixel(0, 1), kGreen);
        EXPECT_EQ(canvas.getPixel(0, 0), kBlue);
    }
}

TEST(TargaDecoding, PacketHeaders128_255And127AreARunOfOneARunOf128AndARawPacketOf128) {
    Canvas canvas(kGrey, 300, 3);
    Bytes data = {0x80, 0, 0, 255};  // row 2: run of 1 ...
    Append(data, {0xFF, 0, 255, 0});  // ... then a run of 128: columns 1 to 128 (the row ends at 129)
    Append(data, {0x7F});             // row 1: raw packet of 128
    for (int i = 0; i < 128; ++i) Append(data, {i, i, i});
    Append(data, {0x00, 9, 9, 9});    // row 1 column 128: the row is complete
    Append(data, {0x80, 1, 1, 1});    // row 0 column 0
    TargaFields fields = Fields(10, 24, 129, 3);
    const LoadOutcome outcome = LoadBytes(TargaFile(fields, data), canvas);
    EXPECT_EQ(outcome.message(), "");
    EXPECT_EQ(canvas.getPixel(0, 2), kRed);
    for (int x = 1; x <= 128; ++x) ASSERT_EQ(canvas.getPixel(x, 2), kGreen) << x;
    EXPECT_EQ(canvas.getPixel(129, 2), kGrey);
    for (int x = 0; x < 128; ++x) ASSERT_EQ(canvas.getPixel(x, 1), PackColor(x, x, x)) << x;
    EXPECT_EQ(canvas.getPixel(128, 1), PackColor(9, 9, 9));
    EXPECT_EQ(canvas.getPixel(0, 0), PackColor(1, 1, 1));
    // Row 0 is not complete: the rest of it is read past the end as raw packets of one black pixel.
    EXPECT_EQ(canvas.getPixel(1, 0), kBlack);
    EXPECT_EQ(canvas.getPixel(128, 0), kBlack);
    EXPECT_EQ(canvas.getPixel(129, 0), kGrey);
}

TEST(TargaDecoding, APacketThatCrossesARowEndPaintsItsSurplusRightOfTheImage) {
    // 3 pixels wide: a run of 5 on the bottom row, a raw packet of 4 on the next, one pixel on top.
    Canvas canvas(kGrey, 8, 3);
    const LoadOutcome outcome = LoadBytes(TargaFile(Fields(10, 24, 3, 3),
                                                    {0x84, 0, 0, 255,                        //
                                                     0x03, 255, 0, 0, 0, 255, 0, 255, 0, 0, 255, 255, 255,  //
                                                     0x82, 1, 2, 3}),
                                          canvas);
    EXPECT_EQ(outcome.message(), "");
    EXPECT_EQ(Row(canvas, 2, 8), (std::vector{kRed, kRed, kRed, kRed, kRed, kGrey, kGrey, kGrey}));
    EXPECT_EQ(Row(canvas, 1, 8), (std::vector{kBlue, kGreen, kBlue, kWhite, kGrey, kGrey, kGrey, kGrey}));
    EXPECT_EQ(Row(canvas, 0, 8), (std::vector{PackColor(3, 2, 1), PackColor(3, 2, 1), PackColor(3, 2, 1), kGrey, kGrey,
                                              kGrey, kGrey, kGrey}));
}

TEST(TargaDecoding, ThirtyTwoBitRunsBlendEveryPixelIncludingTheSurplus) {
    Canvas canvas(PackColor(0, 0, 0), 6, 2);
    const LoadOutcome outcome =
        LoadBytes(TargaFile(Fields(10, 32, 2, 2), {0x83, 0, 0, 255, 128, 0x81, 255, 255, 255, 255}), canvas);
    EXPECT_EQ(outcome.message(), "");
    EXPECT_EQ(Row(canvas, 1, 6), (std::vector{PackColor(128, 0, 0), PackColor(128, 0, 0), PackColor(128, 0, 0),
                                              PackColor(128, 0, 0), kBlack, kBlack}));
    EXPECT_EQ(Row(canvas, 0, 6), (std::vector{PackColor(254, 254, 254), PackColor(254, 254, 254), kBlack, kBlack,
                                              kBlack, kBlack}));
}

TEST(TargaDecoding, SurplusPixelsBeyondTheCanvasEdgeAreClipped) {
    Canvas canvas(kGrey, 4, 2);
    const LoadOutcome outcome = LoadBytes(TargaFile(Fields(10, 24, 3, 2), {0xFF, 0, 0, 255, 0x80, 0, 255, 0}), canvas);
    EXPECT_EQ(outcome.message(), "");
    EXPECT_EQ(Row(canvas, 1, 4), (std::vector{kRed, kRed, kRed, kRed}));
    EXPECT_EQ(Row(canvas, 0, 4), (std::vector{kGreen, kBlack, kBlack, kGrey}));
}

// The rows painted when each progress presentation happens.
struct ProgressLog {
    std::vector<int> lowestPaintedRow;
};

ProgressLog LoadLoggingProgress(const Bytes& file, int width, int height) {
    Canvas canvas(kGrey, width, height);
    ProgressLog log;
    canvas.setProgressHandler([&] {
        int lowest = height;
        for (int y = height - 1; y >= 0; --y)
            if (canvas.getPixel(0, y) != kGrey) lowest = y;
        log.lowestPaintedRow.push_back(lowest);
    });
    EXPECT_EQ(LoadBytes(file, canvas).message(), "");
    return log;
}

TEST(TargaDecoding, UncompressedProgressComesAfterEachRowWhoseIndexIsAMultipleOf32) {
    for (int height : {33, 64, 65}) {
        const Bytes file = TargaFile(Fields(2, 24, 1, height), Bytes(static_cast<std::size_t>(3 * height), 7));
        const ProgressLog log = LoadLoggingProgress(file, 1, height);
        std::vector<int> expected;
        for (int y = height - 1; y >= 0; --y)
            if (y % 32 == 0) expected.push_back(y);
        EXPECT_EQ(log.lowestPaintedRow, expected) << height << " rows";
    }
}

TEST(TargaDecoding, RunLengthProgressComesWhenTheRowCounterReachesAMultipleOf32) {
    for (int height : {33, 64, 65}) {
        Bytes data;
        for (int y = 0; y < height; ++y) Append(data, {0x80, 7, 7, 7});
        const ProgressLog log = LoadLoggingProgress(TargaFile(Fields(10, 24, 1, height), data), 1, height);
        // Presented when y becomes a multiple of 32, so before that row is painted: the lowest
        // painted row is the one above it. The last presentation comes before row 0.
        std::vector<int> expected;
        for (int y = height - 2; y >= 0; --y)
            if (y % 32 == 0) expected.push_back(y + 1);
        EXPECT_EQ(log.lowestPaintedRow, expected) << height << " rows";
    }
}

TEST(TargaDecoding, DataThatEndsEarlyReadsAsZeroBytes) {
    {  // uncompressed 24-bit: the row in which the data ends and every row after it are black
        Canvas canvas(kGrey, 3, 3);
        EXPECT_EQ(LoadBytes(TargaFile(Fields(2, 24, 2, 3), {0, 0, 255, 0, 0, 255, 255}), canvas).message(), "");
        EXPECT_EQ(Row(canvas, 2, 3), (std::vector{kRed, kRed, kGrey}));
        EXPECT_EQ(Row(canvas, 1, 3), (std::vector{PackColor(0, 0, 255), kBlack, kGrey}));
        EXPECT_EQ(Row(canvas, 0, 3), (std::vector{kBlack, kBlack, kGrey}));
    }
    {  // colour-mapped: index 0 paints table entry 0
        Bytes data = ColorTable(TableColor);
        data.resize(700);  // the table itself is cut short: its missing entries are black
        Canvas canvas(kGrey, 3, 3);
        EXPECT_EQ(LoadBytes(TargaFile(Fields(9, 8, 2, 2), data), canvas).message(), "");
        EXPECT_EQ(Row(canvas, 1, 3), (std::vector{TableColor(0), TableColor(0), kGrey}));
        EXPECT_EQ(Row(canvas, 0, 3), (std::vector{TableColor(0), TableColor(0), kGrey}));
    }
    {  // 32-bit: zero alpha leaves the canvas as it was
        Canvas canvas(kGrey, 3, 3);
        EXPECT_EQ(LoadBytes(TargaFile(Fields(10, 32, 3, 3), {0x80, 0, 0, 255, 255}), canvas).message(), "");
        EXPECT_EQ(Row(canvas, 2, 3), (std::vector{PackColor(255, 1, 1), kGrey, kGrey}));
        EXPECT_EQ(CountPixelsOtherThan(canvas, kGrey), 1);
    }
    {  // run-length 16-bit cut inside a packet's pixel: the missing byte is zero
        Canvas canvas(kGrey, 3, 2);
        EXPECT_EQ(LoadBytes(TargaFile(Fields(10, 16, 3, 2), {0x81, 0xFF}), canvas).message(), "");
        EXPECT_EQ(Row(canvas, 1, 3), (std::vector{PackColor(0, 56, 248), PackColor(0, 56, 248), kBlack}));
        EXPECT_EQ(Row(canvas, 0, 3), (std::vector{kBlack, kBlack, kBlack}));
    }
}

TEST(TargaDecoding, AHeaderOnlyFileDeclaringTheLargestImageFillsTheCanvasAndEnds) {
    // Nothing but a header and one pixel: 32767 x 32767 pixels of zero bytes. Only the canvas part
    // is painted; progress keeps its schedule for every one of the 32767 rows.
    for (int imageType : {1, 2, 9, 10}) {
        Bytes data = imageType == 1 || imageType == 9 ? ColorTable(TableColor) : Bytes{};
        const int bits = imageType == 1 || imageType == 9 ? 8 : 24;
        if (imageType == 2) Append(data, {5, 6, 7});
        Canvas canvas(kGrey, 64, 48);
        int presented = 0;
        canvas.setProgressHandler([&] { ++presented; });
        const LoadOutcome outcome = LoadBytes(TargaFile(Fields(imageType, bits, 32767, 32767), data), canvas);
        EXPECT_EQ(outcome.message(), "");
        EXPECT_EQ(outcome.width, 32767);
        EXPECT_EQ(outcome.height, 32767);
        const std::uint32_t zeroColor = bits == 8 ? TableColor(0) : kBlack;
        EXPECT_EQ(CountPixelsOtherThan(canvas, zeroColor), 0) << "type " << imageType;
        EXPECT_EQ(presented, 1024) << "type " << imageType;
    }
}

TEST(TargaDecoding, ThirtyTwoBitAndSixteenBitHeaderOnlyFilesOfTheLargestSizeEnd) {
    for (int bits : {16, 32}) {
        for (int imageType : {2, 10}) {
            Canvas canvas(kGrey, 40, 40);
            const LoadOutcome outcome = LoadBytes(TargaHeaderBytes(Fields(imageType, bits, 32767, 32767)), canvas);
            EXPECT_EQ(outcome.message(), "");
            EXPECT_EQ(CountPixelsOtherThan(canvas, bits == 32 ? kGrey : kBlack), 0) << imageType << " " << bits;
        }
    }
}

TEST(TargaDecoding, ZeroWidthRunLengthImagesPaintEveryPacketAsSurplus) {
    // With no columns every packet ends its row at once; its pixels land right of the (empty) image.
    Canvas canvas(kGrey, 4, 3);
    EXPECT_EQ(LoadBytes(TargaFile(Fields(10, 24, 0, 3), {0x81, 0, 0, 255, 0x00, 0, 255, 0}), canvas).message(), "");
    EXPECT_EQ(Row(canvas, 2, 4), (std::vector{kRed, kRed, kGrey, kGrey}));
    EXPECT_EQ(Row(canvas, 1, 4), (std::vector{kGreen, kGrey, kGrey, kGrey}));
    EXPECT_EQ(Row(canvas, 0, 4), (std::vector{kBlack, kGrey, kGrey, kGrey})) << "read past the end";
}

}  // namespace
}  // namespace vantrel::test
