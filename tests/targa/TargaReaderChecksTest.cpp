// The header checks, their order and their messages, and when the width and height are handed back.
#include <gtest/gtest.h>

#include "TargaTestFiles.h"

namespace vantrel::test {
namespace {

constexpr std::uint32_t kGrey = PackColor(240, 240, 240);

std::uint32_t Rgb(int index) { return PackColor(index, 255 - index, index / 2); }

// A 2 x 2 image of the given type and depth with enough data for every decoded type.
Bytes SmallImage(int imageType, int bitsPerPixel, int colorMapType = 0) {
    TargaFields fields;
    fields.imageType = imageType;
    fields.bitsPerPixel = bitsPerPixel;
    fields.colorMapType = colorMapType;
    fields.width = 2;
    fields.height = 2;
    Bytes file = TargaHeaderBytes(fields);
    if (imageType == 1 || imageType == 9) Append(file, ColorTable(Rgb));
    const int bytesPerPixel = std::max(bitsPerPixel / 8, 1);
    for (int row = 0; row < 2; ++row) {
        if (imageType >= 8) Append(file, {0x81});  // a run of two pixels per row
        for (int i = 0; i < (imageType >= 8 ? 1 : 2) * bytesPerPixel; ++i) file.push_back(0x80);
    }
    return file;
}

TEST(TargaChecks, ColorMapTypeAboveOneIsNotValidAndLeavesTheDimensionsUnchanged) {
    for (int colorMapType : {2, 3, 255}) {
        Canvas canvas(kGrey, 8, 8);
        const LoadOutcome outcome = LoadBytes(SmallImage(2, 24, colorMapType), canvas);
        EXPECT_EQ(outcome.message(), kNotValidMessage) << colorMapType;
        EXPECT_EQ(outcome.width, kUntouchedWidth);
        EXPECT_EQ(outcome.height, kUntouchedHeight);
        EXPECT_EQ(CountPixelsOtherThan(canvas, kGrey), 0);
    }
}

TEST(TargaChecks, ColorMapTypeOneIsAcceptedForAnyImageType) {
    Canvas canvas(kGrey, 8, 8);
    const LoadOutcome outcome = LoadBytes(SmallImage(2, 24, 1), canvas);
    EXPECT_EQ(outcome.message(), "");
    EXPECT_EQ(outcome.width, 2);
    EXPECT_EQ(CountPixelsOtherThan(canvas, kGrey), 4);
}

// Every ImageType from 0 to 255: decoded, rejected, or quietly ignored.
class TargaImageType : public ::testing::TestWithParam<int> {};

TEST_P(TargaImageType, IsDecodedRejectedOrIgnoredAsTheFormatTableSays) {
    const int imageType = GetParam();
    Canvas canvas(kGrey, 8, 8);
    const LoadOutcome outcome = LoadBytes(SmallImage(imageType, 24), canvas);
    // The dimensions are handed back in every case, since ColorMapType 0 is accepted.
    EXPECT_EQ(outcome.width, 2);
    EXPECT_EQ(outcome.height, 2);
    const bool decoded = imageType == 2 || imageType == 10;  // 1 and 9 at 24 bits: see the table tests
    const bool rejected = imageType == 3 || imageType == 11 || imageType == 32 || imageType == 33;
    if (imageType == 1 || imageType == 9) {
        EXPECT_TRUE(IsReadErrorMessage(outcome.message())) << outcome.message();
    } else if (rejected) {
        EXPECT_EQ(outcome.message(), kTypeNotSupportedMessage);
        EXPECT_EQ(CountPixelsOtherThan(canvas, kGrey), 0);
    } else if (decoded) {
        EXPECT_EQ(outcome.message(), "");
        EXPECT_EQ(CountPixelsOtherThan(canvas, kGrey), 4);
        EXPECT_EQ(canvas.getPixel(1, 1), PackColor(0x80, 0x80, 0x80));
    } else {
        EXPECT_EQ(outcome.message(), "") << "quietly ignored";
        EXPECT_EQ(CountPixelsOtherThan(canvas, kGrey), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(AllValues, TargaImageType, ::testing::Range(0, 256),
                         [](const auto& info) { return "Type" + std::to_string(info.param); });

TEST(TargaChecks, OnlyDepthsOf8_16_24And32AreAccepted) {
    for (int bits : {0, 1, 4, 15, 23, 31, 33, 64, 255}) {
        for (int imageType : {0, 1, 2, 9, 10}) {
            Canvas canvas(kGrey, 8, 8);
            const LoadOutcome outcome = LoadBytes(SmallImage(imageType, bits), canvas);
            EXPECT_EQ(outcome.message(), kDepthNotSupportedMessage) << "type " << imageType << ", " << bits << " bits";
            EXPECT_EQ(outcome.width, 2);
            EXPECT_EQ(outcome.height, 2);
            EXPECT_EQ(CountPixelsOtherThan(canvas, kGrey), 0);
        }
    }
}

TEST(TargaChecks, AreMadeInOrderColorMapTypeThenImageTypeThenDepth) {
    Canvas canvas(kGrey, 8, 8);
    EXPECT_EQ(LoadBytes(SmallImage(3, 15, 2), canvas).message(), kNotValidMessage);
    EXPECT_EQ(LoadBytes(SmallImage(3, 15, 0), canvas).message(), kTypeNotSupportedMessage);
    EXPECT_EQ(LoadBytes(SmallImage(0, 15, 0), canvas).message(), kDepthNotSupportedMessage);
    EXPECT_EQ(LoadBytes(SmallImage(0, 8, 0), canvas).message(), "");
}

TEST(TargaChecks, TheIdentificationFieldIsSkippedBeforeThePixels) {
    TargaFields fields;
    fields.idLength = 5;
    fields.width = 1;
    Canvas canvas(kGrey, 4, 4);
    const LoadOutcome outcome = LoadBytes(TargaFile(fields, {'a', 'b', 'c', 'd', 'e', 10, 20, 30}), canvas);
    EXPECT_EQ(outcome.message(), "");
    EXPECT_EQ(canvas.getPixel(0, 0), PackColor(30, 20, 10));
}

TEST(TargaChecks, ColourMappedImagesDeeperThan8BitsFailBeforeAnyPixel) {
    for (int imageType : {1, 9}) {
        for (int bits : {16, 24, 32}) {
            Canvas canvas(kGrey, 8, 8);
            const LoadOutcome outcome = LoadBytes(SmallImage(imageType, bits, 1), canvas);
            EXPECT_TRUE(IsReadErrorMessage(outcome.message())) << outcome.message();
            EXPECT_EQ(outcome.width, 2) << "handed back before the table is read";
            EXPECT_EQ(outcome.height, 2);
            EXPECT_EQ(CountPixelsOtherThan(canvas, kGrey), 0) << "type " << imageType << ", " << bits << " bits";
        }
    }
}

TEST(TargaChecks, EightBitImagesWithoutAColourTableFailAtTheFirstPixel) {
    for (int imageType : {2, 10}) {
        Canvas canvas(kGrey, 8, 8);
        const LoadOutcome outcome = LoadBytes(SmallImage(imageType, 8), canvas);
        EXPECT_TRUE(IsReadErrorMessage(outcome.message())) << outcome.message();
        EXPECT_EQ(outcome.width, 2);
        EXPECT_EQ(CountPixelsOtherThan(canvas, kGrey), 0);
    }
}

TEST(TargaChecks, EightBitImagesWithoutAColourTableButWithoutPixelsLoadQuietly) {
    // The failure belongs to the first pixel: an image with no pixels never reaches it.
    for (int imageType : {2, 10}) {
        TargaFields fields;
        fields.imageType = imageType;
        fields.bitsPerPixel = 8;
        fields.width = 5;
        fields.height = 0;
        Canvas canvas(kGrey, 8, 8);
        EXPECT_EQ(LoadBytes(TargaFile(fields, {0, 1, 2}), canvas).message(), "") << imageType;
    }
    TargaFields noColumns;
    noColumns.imageType = 2;
    noColumns.bitsPerPixel = 8;
    noColumns.width = 0;
    noColumns.height = 40;
    Canvas canvas(kGrey, 8, 8);
    EXPECT_EQ(LoadBytes(TargaFile(noColumns), canvas).message(), "");
}

TEST(TargaChecks, WidthOrHeightAbove32767IsReportedAndNothingIsPainted) {
    for (auto [width, height] : {std::pair{32768, 2}, {2, 32768}, {65535, 65535}, {40000, 1}}) {
        for (int imageType : {2, 10}) {
            TargaFields fields;
            fields.imageType = imageType;
            fields.width = width;
            fields.height = height;
            Bytes data(3000, 0x7F);
            Canvas canvas(kGrey, 16, 16);
            const LoadOutcome outcome = LoadBytes(TargaFile(fields, data), canvas);
            EXPECT_TRUE(IsReadErrorMessage(outcome.message())) << outcome.message();
            EXPECT_EQ(outcome.width, static_cast<std::int16_t>(width)) << "handed back as the signed value";
            EXPECT_EQ(outcome.height, static_cast<std::int16_t>(height));
            EXPECT_EQ(CountPixelsOtherThan(canvas, kGrey), 0) << width << " x " << height;
        }
    }
}

TEST(TargaChecks, AnEmptyFileIsAReadError) {
    Canvas canvas(kGrey, 4, 4);
    const LoadOutcome outcome = LoadBytes({}, canvas);
    EXPECT_TRUE(IsReadErrorMessage(outcome.message())) << outcome.message();
    EXPECT_EQ(outcome.width, kUntouchedWidth);
    EXPECT_EQ(outcome.height, kUntouchedHeight);
}

TEST(TargaChecks, AShortHeaderIsCompletedWithZeroBytes) {
    Canvas canvas(kGrey, 4, 4);
    const LoadOutcome outcome = LoadBytes({0, 0, 0, 0, 0}, canvas);  // type 0, depth 0 after the zero fill
    EXPECT_EQ(outcome.message(), kDepthNotSupportedMessage);
    EXPECT_EQ(outcome.width, 0);
    EXPECT_EQ(outcome.height, 0);
}

}  // namespace
}  // namespace vantrel::test
