// How the game cuts an INI file into lines and words: the rules the whole linter stands on.
#include <gtest/gtest.h>

#include "check/GameIniLines.h"
#include "check/GameIniTokens.h"

namespace vantrel::check {
namespace {

std::vector<std::string> Contents(const GameLines& lines) {
    std::vector<std::string> contents;
    for (const auto& line : lines.lines) contents.push_back(line.content);
    return contents;
}

TEST(GameIniLines, LineFeedEndsALineAndControlBytesAreBlanks) {
    const auto lines = SplitGameLines("a\tb\r\nc\x01" "d\nlast");
    EXPECT_EQ(Contents(lines), (std::vector<std::string>{"a b ", "c d", "last"}));
    EXPECT_EQ(lines.lines[2].number, 3);
}

TEST(GameIniLines, SemicolonAndNulEndTheContentButNotTheLine) {
    const auto lines = SplitGameLines(std::string("x ; y\nz\0w\nv", 11));
    EXPECT_EQ(Contents(lines), (std::vector<std::string>{"x ", "z", "v"}));
    EXPECT_EQ(lines.lines[2].number, 3);
}

TEST(GameIniLines, ALineOfExactly1028BytesIsKeptWhole) {
    const std::string full(kMaxLineBytes, 'a');
    const auto lines = SplitGameLines(full + "\nnext");
    ASSERT_GE(lines.lines.size(), 2u);
    EXPECT_EQ(lines.lines[0].content, full);
    EXPECT_TRUE(lines.cutLines.empty());
    EXPECT_EQ(lines.lines.back().content, "next");
    EXPECT_EQ(lines.lines.back().number, 2);
}

TEST(GameIniLines, BytesAfterThe1028thAreReadAsALineOfTheirOwnEvenInsideAComment) {
    const std::string comment = ";" + std::string(kMaxLineBytes - 1, 'c');
    const auto lines = SplitGameLines(comment + "Texture = x.tga\nEnd\n");
    ASSERT_EQ(lines.lines.size(), 3u);
    EXPECT_EQ(lines.lines[0].content, "");
    EXPECT_TRUE(lines.lines[1].continuation);
    EXPECT_EQ(lines.lines[1].number, 1);
    EXPECT_EQ(lines.lines[1].content, "Texture = x.tga");
    EXPECT_EQ(lines.cutLines, std::vector<int>{1});
    EXPECT_EQ(lines.lines[2].number, 2);
}

TEST(GameIniLines, ACutThatLeavesOnlyACarriageReturnIsNotReported) {
    const auto lines = SplitGameLines(std::string(kMaxLineBytes, 'a') + "\r\nb");
    EXPECT_TRUE(lines.cutLines.empty());
}

TEST(GameIniLines, AByteOrderMarkIsFlaggedAndKeptOutOfTheContent) {
    const auto lines = SplitGameLines("\xEF\xBB\xBFMappedImage A\n");
    EXPECT_TRUE(lines.byteOrderMark);
    EXPECT_EQ(lines.lines[0].content, "MappedImage A");
}

TEST(GameIniTokens, WordsSplitAtBlanksAndEqualsAndCoordsAlsoAtColons) {
    TokenCursor cursor("Coords=Left:1  Top: 2");
    EXPECT_EQ(cursor.next(), "Coords");
    EXPECT_EQ(cursor.next(kColonSeparators), "Left");
    EXPECT_EQ(cursor.next(kColonSeparators), "1");
    EXPECT_EQ(cursor.next(), "Top:");  // without the colon set, the colon stays in the word
    EXPECT_EQ(cursor.next(), "2");
    EXPECT_EQ(cursor.next(), std::nullopt);
}

TEST(GameIniTokens, QuotedStringRunsToTheClosingQuote) {
    TokenCursor spaced(" \"my icons.tga\"");
    EXPECT_EQ(NextStringValue(spaced), "my icons.tga");
    TokenCursor single("\"a.tga\"");
    EXPECT_EQ(NextStringValue(single), "a.tga");
    TokenCursor none("");
    EXPECT_EQ(NextStringValue(none), "");
}

TEST(GameIniTokens, NumbersAreReadLikePercentD) {
    struct Case {
        const char* word;
        std::optional<int> value;
        bool trailing;
    };
    const Case cases[] = {
        {"12", 12, false},   {"12abc", 12, true}, {"-7", -7, false}, {"+3", 3, false},
        {"abc", std::nullopt, false}, {"-", std::nullopt, false}, {"0x10", 0, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.word);
        const auto number = ScanNumber(c.word);
        ASSERT_EQ(number.has_value(), c.value.has_value());
        if (!number) continue;
        EXPECT_EQ(number->value, *c.value);
        EXPECT_EQ(number->trailingText, c.trailing);
        EXPECT_FALSE(number->outOfRange);
    }
    EXPECT_TRUE(ScanNumber("99999999999")->outOfRange);
    EXPECT_FALSE(ScanNumber("-2147483648")->outOfRange);
    EXPECT_EQ(ScanNumber("-2147483648")->value, -2147483647 - 1);
    EXPECT_TRUE(ScanNumber("2147483648")->outOfRange);
}

}  // namespace
}  // namespace vantrel::check
