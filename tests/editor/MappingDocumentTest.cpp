#include "editor/MappingDocument.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

MappingDocument WithEntries(const std::vector<std::string>& names) {
    MappingDocument document;
    document.Initialise();
    std::int16_t offset = 0;
    for (const auto& name : names) {
        document.AppendEntry(name, "Icons.tga", 512, 256, EntryRectangle{offset, 1, 2, 3});
        ++offset;
    }
    return document;
}

// Line 6 + 8 * (k - 1) is item k of the name list, and the document has exactly the lines it should.
void ExpectListsAgree(const MappingDocument& document) {
    ASSERT_EQ(document.lineCount(), 5 + 8 * document.entryCount());
    for (int k = 1; k <= document.entryCount(); ++k) EXPECT_EQ(document.line(6 + 8 * (k - 1)), document.name(k));
}

TEST(MappingDocument, HeaderIsFiveCommentLinesAndASpace) {
    MappingDocument document;
    document.Initialise();
    ASSERT_EQ(document.lineCount(), 5);
    EXPECT_EQ(document.line(1), "; Vantrel Auto-Generated INI File");
    for (int line = 2; line <= 4; ++line) EXPECT_EQ(document.line(line).rfind("; ", 0), 0u) << line;
    EXPECT_EQ(document.line(5), " ");
    EXPECT_EQ(document.entryCount(), 0);
}

TEST(MappingDocument, BlockLayoutIsByteExact) {
    MappingDocument document;
    document.Initialise();
    document.AppendEntry("Tank1", "Icons.tga", 512, 256, EntryRectangle{10, 20, 73, 83});
    document.AppendEntry("Tank ", "Other.tga", 64, 32, EntryRectangle{0, 0, 63, 31});

    std::string expected;
    for (const auto& line : MappingDocument::HeaderLines()) expected += line + "\r\n";
    expected +=
        "MappedImage Tank1\r\n"
        "Texture = Icons.tga\r\n"
        "TextureWidth = 512\r\n"
        "TextureHeight = 256\r\n"
        "Coords = Left:10 Top:20 Right:73 Bottom:83\r\n"
        "Status = NONE\r\n"
        "End\r\n"
        " \r\n"
        "MappedImage Tank \r\n"
        "Texture = Other.tga\r\n"
        "TextureWidth = 64\r\n"
        "TextureHeight = 32\r\n"
        "Coords = Left:0 Top:0 Right:63 Bottom:31\r\n"
        "Status = NONE\r\n"
        "End\r\n"
        " \r\n";
    EXPECT_EQ(document.Text(), expected);
    EXPECT_EQ(document.line(10), "Coords = Left:10 Top:20 Right:73 Bottom:83");
    EXPECT_EQ(document.colNames(), (std::vector<std::string>{"MappedImage Tank1", "MappedImage Tank "}));
}

struct RemovalCase {
    int remove;
    std::vector<std::string> remaining;
};

class RemoveEntryTest : public ::testing::TestWithParam<RemovalCase> {};

TEST_P(RemoveEntryTest, RemovesExactlyTheChosenBlock) {
    const RemovalCase& c = GetParam();
    MappingDocument document = WithEntries({"A", "B", "C"});
    document.lngRemoveNumber = c.remove;
    document.RemoveEntry();

    ExpectListsAgree(document);
    std::vector<std::string> names;
    for (const auto& line : document.colNames()) names.push_back(line.substr(std::string("MappedImage ").size()));
    EXPECT_EQ(names, c.remaining);
    // The blocks left are the same lines they were, in the same order.
    std::vector<std::string> expected = WithEntries({"A", "B", "C"}).colLines();
    if (c.remove >= 1 && c.remove <= 3)
        expected.erase(expected.begin() + 5 + 8 * (c.remove - 1), expected.begin() + 5 + 8 * c.remove);
    EXPECT_EQ(document.colLines(), expected);
    // RemoveEntry leaves the removal number for the next opening of the dialog to reset.
    EXPECT_EQ(document.lngRemoveNumber, c.remove);
}

INSTANTIATE_TEST_SUITE_P(FirstMiddleLastNone, RemoveEntryTest,
                         ::testing::Values(RemovalCase{1, {"B", "C"}}, RemovalCase{2, {"A", "C"}},
                                           RemovalCase{3, {"A", "B"}}, RemovalCase{0, {"A", "B", "C"}},
                                           RemovalCase{4, {"A", "B", "C"}}));

TEST(MappingDocument, RemovingTheOnlyEntryLeavesTheHeader) {
    MappingDocument document = WithEntries({"Only"});
    document.lngRemoveNumber = 1;
    document.RemoveEntry();
    EXPECT_EQ(document.lineCount(), 5);
    EXPECT_TRUE(document.colNames().empty());
}

TEST(MappingDocument, RemovingTheMiddleOfThreeMovesTheThirdToLine14) {
    MappingDocument document = WithEntries({"A", "B", "C"});
    const std::vector<std::string> before = document.colLines();
    const std::vector<std::string> thirdBlock(before.begin() + 21, before.end());
    document.lngRemoveNumber = 2;
    document.RemoveEntry();
    ASSERT_EQ(document.lineCount(), 21);
    const std::vector<std::string> after = document.colLines();
    EXPECT_EQ(std::vector<std::string>(after.begin() + 13, after.end()), thirdBlock);
    EXPECT_EQ(document.name(2), "MappedImage C");
}

TEST(MappingDocument, OnlyBlockStartsAreCompared) {
    // A name whose first line also appears inside another block's text is still found at its own start.
    MappingDocument document;
    document.Initialise();
    document.AppendEntry("End", "Icons.tga", 8, 8, {});
    document.AppendEntry("X", "Icons.tga", 8, 8, {});
    document.lngRemoveNumber = 2;
    document.RemoveEntry();
    ExpectListsAgree(document);
    EXPECT_EQ(document.name(1), "MappedImage End");
}

}  // namespace
}  // namespace vantrel
