#include <gtest/gtest.h>

#include <memory>
#include <numeric>

#include "targa/ByteReader.h"
#include "targa/MemoryByteSource.h"

namespace vantrel {
namespace {

// The same bytes with no in-place reading: every byte is copied through the reader's buffer.
class CopyingSource : public ByteSource {
public:
    explicit CopyingSource(const std::vector<std::uint8_t>& bytes) : memory_(bytes) {}
    std::size_t read(std::uint8_t* destination, std::size_t n) override { return memory_.read(destination, n); }

private:
    MemoryByteSource memory_;
};

// Each test runs over a source read in place and over one copied through a small buffer.
class ByteReaderTest : public ::testing::TestWithParam<bool> {
protected:
    ByteReader& reader(const std::vector<std::uint8_t>& bytes, std::size_t capacity = 16) {
        if (GetParam()) {
            memory_ = std::make_unique<MemoryByteSource>(bytes);
            reader_ = std::make_unique<ByteReader>(*memory_, capacity);
        } else {
            copying_ = std::make_unique<CopyingSource>(bytes);
            reader_ = std::make_unique<ByteReader>(*copying_, capacity);
        }
        return *reader_;
    }

private:
    std::unique_ptr<MemoryByteSource> memory_;
    std::unique_ptr<CopyingSource> copying_;
    std::unique_ptr<ByteReader> reader_;
};

std::vector<std::uint8_t> Counting(int n) {
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(n));
    std::iota(bytes.begin(), bytes.end(), std::uint8_t{1});
    return bytes;
}

TEST_P(ByteReaderTest, ReadsBytesInOrderThenZerosPastTheEnd) {
    const auto data = Counting(3);
    ByteReader& reader = this->reader(data);
    EXPECT_FALSE(reader.atEnd());
    EXPECT_EQ(reader.ReadByte(), 1);
    EXPECT_EQ(reader.ReadByte(), 2);
    EXPECT_EQ(reader.ReadByte(), 3);
    EXPECT_TRUE(reader.atEnd());
    EXPECT_EQ(reader.ReadByte(), 0);
    EXPECT_EQ(reader.ReadByte(), 0);
    EXPECT_EQ(reader.consumed(), 5u);
}

TEST_P(ByteReaderTest, BlocksAndSingleBytesStayInOrderAcrossRefillsOfASmallBuffer) {
    const auto data = Counting(100);
    ByteReader& reader = this->reader(data);
    int expected = 1;
    for (int round = 0; round < 12; ++round) {  // 12 x (7 + 1) = 96 bytes
        const std::uint8_t* bytes = reader.readBlock(7);
        for (int i = 0; i < 7; ++i) ASSERT_EQ(bytes[i], expected++) << "round " << round << " byte " << i;
        ASSERT_EQ(reader.ReadByte(), expected++) << "round " << round;
    }
    const std::uint8_t* last = reader.readBlock(7);
    EXPECT_EQ(std::vector<std::uint8_t>(last, last + 7), (std::vector<std::uint8_t>{97, 98, 99, 100, 0, 0, 0}));
}

TEST_P(ByteReaderTest, ABlockThatCrossesTheEndIsZeroFilledAndLaterBlocksAreAllZero) {
    const auto data = Counting(10);
    ByteReader& reader = this->reader(data);
    reader.skip(3);
    const std::uint8_t* first = reader.readBlock(4);
    EXPECT_EQ(std::vector<std::uint8_t>(first, first + 4), (std::vector<std::uint8_t>{4, 5, 6, 7}));
    const std::uint8_t* crossing = reader.readBlock(6);
    EXPECT_EQ(std::vector<std::uint8_t>(crossing, crossing + 6), (std::vector<std::uint8_t>{8, 9, 10, 0, 0, 0}));
    EXPECT_TRUE(reader.atEnd());
    const std::uint8_t* after = reader.readBlock(40);  // larger than the buffer
    EXPECT_EQ(std::vector<std::uint8_t>(after, after + 40), std::vector<std::uint8_t>(40, 0));
    EXPECT_EQ(reader.consumed(), 3u + 4u + 6u + 40u);
}

TEST_P(ByteReaderTest, BlocksLargerThanTheBufferAreWholeAndSkipCrossesRefills) {
    const auto data = Counting(200);
    ByteReader& reader = this->reader(data);
    EXPECT_EQ(reader.ReadByte(), 1);
    const std::uint8_t* big = reader.readBlock(100);
    for (int i = 0; i < 100; ++i) ASSERT_EQ(big[i], i + 2) << i;
    reader.skip(50);
    EXPECT_EQ(reader.ReadByte(), 152);
    reader.skip(1000);
    EXPECT_TRUE(reader.atEnd());
    EXPECT_EQ(reader.consumed(), 1u + 100u + 50u + 1u + 1000u);
}

INSTANTIATE_TEST_SUITE_P(Sources, ByteReaderTest, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "InPlace" : "Copied"; });

}  // namespace
}  // namespace vantrel
