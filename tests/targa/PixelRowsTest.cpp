#include <gtest/gtest.h>

#include <random>

#include "targa/Canvas.h"
#include "targa/PixelRows.h"

namespace vantrel {
namespace {

TEST(PixelRows, BlendRow32MatchesBlendStoredForEveryOldValueNewValueAndAlpha) {
    // Each row holds every new value once for one old value and one alpha, the three channels
    // carrying different values so that a lane mix-up shows.
    std::vector<std::uint8_t> bytes(256 * 4);
    std::vector<std::uint32_t> vectorRow(256), scalarRow(256);
    long mismatches = 0;
    for (int oldValue = 0; oldValue < 256; ++oldValue) {
        const std::uint32_t old = Canvas::ToStored(PackColor(oldValue, 255 - oldValue, oldValue ^ 0x5A));
        for (int alpha = 0; alpha < 256; ++alpha) {
            for (int v = 0; v < 256; ++v) {
                bytes[4 * v] = static_cast<std::uint8_t>(v);
                bytes[4 * v + 1] = static_cast<std::uint8_t>(v ^ 0xA5);
                bytes[4 * v + 2] = static_cast<std::uint8_t>(255 - v);
                bytes[4 * v + 3] = static_cast<std::uint8_t>(alpha);
            }
            std::fill(vectorRow.begin(), vectorRow.end(), old);
            std::fill(scalarRow.begin(), scalarRow.end(), old);
            BlendRow32(vectorRow.data(), bytes.data(), 256);
            BlendRow32Scalar(scalarRow.data(), bytes.data(), 256);
            for (int v = 0; v < 256; ++v) {
                const std::uint32_t expected = BlendStored(old, 255 - v, v ^ 0xA5, v, alpha);
                if ((vectorRow[v] != expected || scalarRow[v] != expected) && ++mismatches <= 3)
                    ADD_FAILURE() << "old " << oldValue << " alpha " << alpha << " value " << v;
            }
        }
    }
    EXPECT_EQ(mismatches, 0);
}

TEST(PixelRows, BlendRow32HandlesEveryLengthAndLeavesPixelsAfterTheRowAlone) {
    std::mt19937 random(7);
    for (int count = 0; count <= 40; ++count) {
        std::vector<std::uint8_t> bytes(static_cast<std::size_t>(count) * 4);
        for (auto& b : bytes) b = static_cast<std::uint8_t>(random());
        std::vector<std::uint32_t> row(static_cast<std::size_t>(count) + 1);
        for (auto& pixel : row) pixel = 0xFF000000u | (random() & 0xFFFFFFu);
        std::vector<std::uint32_t> expected = row;
        for (int i = 0; i < count; ++i)
            expected[i] = BlendStored(row[i], bytes[4 * i + 2], bytes[4 * i + 1], bytes[4 * i], bytes[4 * i + 3]);
        BlendRow32(row.data(), bytes.data(), count);
        EXPECT_EQ(row, expected) << count << " pixels";
    }
}

TEST(PixelRows, PaintRow16UnpacksEveryWordAsFiveBitChannelsTimesEight) {
    std::vector<std::uint8_t> bytes;
    for (int word = 0; word < 65536; ++word) {
        bytes.push_back(static_cast<std::uint8_t>(word & 255));
        bytes.push_back(static_cast<std::uint8_t>(word >> 8));
    }
    std::vector<std::uint32_t> row(65536);
    PaintRow16(row.data(), bytes.data(), 65536);
    for (int word = 0; word < 65536; ++word) {
        const int lo = word & 255, hi = word >> 8;
        const std::uint32_t expected = PackColor(((hi >> 2) & 31) * 8, ((hi & 3) * 8 + (lo >> 5)) * 8, (lo & 31) * 8);
        ASSERT_EQ(Canvas::FromStored(row[word]), expected) << std::hex << word;
        ASSERT_EQ(row[word] >> 24, 0xFFu);
    }
}

TEST(PixelRows, PaintRow24ReadsBlueGreenRedAndNothingPastTheRow) {
    for (int count = 1; count <= 9; ++count) {
        // Exactly 3 * count bytes on the heap, so a read past the row is caught by the sanitizers.
        auto bytes = std::make_unique<std::uint8_t[]>(static_cast<std::size_t>(3 * count));
        for (int i = 0; i < 3 * count; ++i) bytes[i] = static_cast<std::uint8_t>(17 * i + count);
        std::vector<std::uint32_t> row(static_cast<std::size_t>(count));
        PaintRow24(row.data(), bytes.get(), count);
        for (int i = 0; i < count; ++i)
            EXPECT_EQ(row[i], Canvas::ToStored(PackColor(bytes[3 * i + 2], bytes[3 * i + 1], bytes[3 * i])));
    }
}

}  // namespace
}  // namespace vantrel
