#include <gtest/gtest.h>

#include <numeric>

#include "targa/ByteReader.h"
#include "targa/MemoryByteSource.h"

namespace vantrel {
namespace {

std::vector<std::uint8_t> Counting(int n) {
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(n));
    std::iota(bytes.begin(), bytes.end(), std::uint8_t{1});
    return bytes;
}

TEST(ByteReader, ReadsBytesInOrderThenZerosPastTheEnd) {
    const auto data = Counting(3);
    MemoryByteSource source(data);
    ByteReader reader(source);
    EXPECT_FALSE(reader.atEnd());
    EXPECT_EQ(reader.ReadByte(), 1);
    EXPECT_EQ(reader.ReadByte(), 2);
    EXPECT_EQ(reader.ReadByte(), 3);
    EXPECT_TRUE(reader.atEnd());
    EXPECT_EQ(reader.ReadByte(), 0);
    EXPECT_EQ(reader.ReadByte(), 0);
    EXPECT_EQ(reader.consumed(), 5u);
}

TEST(ByteReader, BlocksAndSingleBytesStayInOrderAcrossRefillsOfASmallBuffer) {
    const auto data = Counting(100);
    MemoryByteSource source(data);
    ByteReader reader(source, 16);
    int expected = 1;
    for (int round = 0; round < 12; ++round) {  // 12 x (7 + 1) = 96 bytes
        const std::uint8_t* bytes = reader.readBlock(7);
        for (int i = 0; i < 7; ++i) ASSERT_EQ(bytes[i], expected++) << "round " << round << " byte " << i;
        ASSERT_EQ(reader.ReadByte(), expected++) << "round " << round;
    }
    const std::uint8_t* last = reader.readBlock(7);
    EXPECT_EQ(std::vector<std::uint8_t>(last, last + 7), (std::vector<std::uint8_t>{97, 98, 99, 100, 0, 0, 0}));
}

TEST(ByteReader, ABlockThatCrossesTheEndIsZeroFilledAndLaterBlocksAreAllZero) {
    const auto data = Counting(10);
    MemoryByteSource source(data);
    ByteReader reader(source, 16);
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

TEST(ByteReader, BlocksLargerThanTheBufferAreWholeAndSkipCrossesRefills) {
    const auto data = Counting(200);
    MemoryByteSource source(data);
    ByteReader reader(source, 16);
    EXPECT_EQ(reader.ReadByte(), 1);
    const std::uint8_t* big = reader.readBlock(100);
    for (int i = 0; i < 100; ++i) ASSERT_EQ(big[i], i + 2) << i;
    reader.skip(50);
    EXPECT_EQ(reader.ReadByte(), 152);
    reader.skip(1000);
    EXPECT_TRUE(reader.atEnd());
    EXPECT_EQ(reader.consumed(), 1u + 100u + 50u + 1u + 1000u);
}

}  // namespace
}  // namespace vantrel
