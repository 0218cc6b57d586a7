// Table-driven: for each thing the game stops on or silently gets wrong, a small INI and the
// exact finding lint gives for it.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "FindingPrinter.h"
#include "check/Linter.h"

namespace vantrel::check {
namespace {

constexpr Severity E = Severity::Error;
constexpr Severity W = Severity::Warning;

struct Expected {
    int line;
    Severity severity;
    std::string text;
};

struct LintCase {
    const char* name;
    std::string ini;
    std::vector<Expected> findings;
};

// Lines joined with CR LF, the editor's line end.
std::string Lines(std::initializer_list<std::string> lines) {
    std::string text;
    for (const auto& line : lines) text += line + "\r\n";
    return text;
}

// A block the game reads without complaint, with `extra` lines before its End (at line 7 on).
std::string Block(const std::string& name, std::initializer_list<std::string> extra = {}) {
    std::string text = Lines({"MappedImage " + name, "  Texture = a.tga", "  TextureWidth = 64", "  TextureHeight = 32",
                              "  Coords = Left:0 Top:0 Right:16 Bottom:8", "  Status = NONE"});
    for (const auto& line : extra) text += line + "\r\n";
    return text + "End\r\n";
}

const std::string kOrder = " (expected Left, Top, Right, Bottom in this order)";
const std::string kFixOrder = " (put TextureWidth and TextureHeight before Coords)";

std::vector<LintCase> Errors() {
    return {
        {"ByteOrderMark", "\xEF\xBB\xBF" + Block("A"),
         {{1, E, "the file starts with a UTF-8 byte-order mark, which the game reads as text outside a block (save "
                 "the file without a byte-order mark)"}}},
        {"MissingName", Lines({"MappedImage ; a comment is no name", "End"}), {{1, E, "MappedImage without a name"}}},
        {"UnknownField", Block("A", {"  Textur = a.tga"}), {{7, E, "unknown field 'Textur' in MappedImage 'A'"}}},
        {"MisCasedField", Block("A", {"  status = NONE"}),
         {{7, E, "unknown field 'status' in MappedImage 'A'; field names are case-sensitive: 'Status'"}}},
        {"MisCasedKeyword", Lines({"mappedImage A"}),
         {{1, E, "'mappedImage' is not a block keyword; the game knows only 'MappedImage', in that letter case"}}},
        {"TextOutsideABlock", Lines({"Hello = world"}) + Block("A"),
         {{1, E, "text outside a block: 'Hello' (only MappedImage blocks and ; comments may stand here)"}}},
        {"EndOutsideABlock", Block("A") + Lines({"end"}),
         {{8, E, "'end' outside a block: no MappedImage block is open here"}}},
        {"MissingEndAtEndOfFile", Lines({"MappedImage A", "  Texture = a.tga", "  TextureWidth = 64",
                                         "  TextureHeight = 32", "  Coords = Left:0 Top:0 Right:16 Bottom:8"}),
         {{1, E, "MappedImage 'A' has no End before the end of the file"}}},
        {"MissingEndBeforeTheNextBlock",
         Lines({"MappedImage A", "  Texture = a.tga", "  TextureWidth = 64", "  TextureHeight = 32",
                "  Coords = Left:0 Top:0 Right:16 Bottom:8"}) +
             Block("B"),
         {{6, E, "MappedImage 'A' begun at line 1 has no End before this line"}}},
        {"WidthWithoutValue", Block("A", {"  TextureWidth ="}), {{7, E, "TextureWidth has no value"}}},
        {"HeightNotANumber", Block("A", {"  TextureHeight = tall"}), {{7, E, "TextureHeight 'tall' is not a number"}}},
        {"CoordsLabelsOutOfOrder", Block("A", {"  Coords = Top:0 Left:0 Right:16 Bottom:8"}),
         {{7, E, "Coords has 'Top' where Left belongs" + kOrder}}},
        {"CoordsLabelMissing", Block("A", {"  Coords = Left:0 Top:0 Right:16"}),
         {{7, E, "Coords ends before Bottom" + kOrder}}},
        {"CoordsValueMissing", Block("A", {"  Coords = Left:0 Top:0 Right:16 Bottom:"}),
         {{7, E, "Coords Bottom has no value"}}},
        {"CoordsValueNotANumber", Block("A", {"  Coords = Left:x Top:0 Right:16 Bottom:8"}),
         {{7, E, "Coords Left 'x' is not a number"}}},
        {"UnknownStatusWord", Block("A", {"  Status = ROTATED"}),
         {{7, E, "unknown Status word 'ROTATED' (known: NONE, ROTATED_90_CLOCKWISE, RAW_TEXTURE)"}}},
        {"StatusNoneAfterAnotherWord", Block("A", {"  Status = ROTATED_90_CLOCKWISE NONE"}),
         {{7, E, "Status: NONE cannot follow other words"}}},
        {"StatusSignedAndPlainWordsMixed", Block("A", {"  Status = ROTATED_90_CLOCKWISE +RAW_TEXTURE"}),
         {{7, E, "Status: words with + or - cannot be mixed with plain words"}}},
    };
}

std::vector<LintCase> Warnings() {
    const std::string longComment = ";" + std::string(1100, '-');
    const std::string afterTheCut(longComment.size() - 1028, '-');
    return {
        {"SameNameTwice", Block("A") + Block("A"),
         {{8, W, "image 'A' is defined again; the game merges this block into the one at t.ini:1, field by field"}}},
        {"NamesThatDifferOnlyInCase", Block("Tank1") + Block("tank1"),
         {{8, W, "image 'tank1' differs only in letter case from 'Tank1' at t.ini:1; the game treats both as one "
                 "image and merges this block into it, field by field"}}},
        {"CoordsBeforeTextureSize",
         Lines({"MappedImage A", "  Texture = a.tga", "  Coords = Left:0 Top:0 Right:16 Bottom:8",
                "  TextureWidth = 64", "  TextureHeight = 32", "End"}),
         {{3, W, "Coords is read while the texture size is 0 x 0; the game then leaves the coordinates undivided "
                 "and shows the wrong part of the texture" + kFixOrder}}},
        {"CoordsDividedByTheSizeOfAnEarlierBlock",
         Block("A") + Lines({"MappedImage A", "  Coords = Left:0 Top:0 Right:16 Bottom:8", "  TextureWidth = 128",
                             "  TextureHeight = 64", "End"}),
         {{8, W, "image 'A' is defined again; the game merges this block into the one at t.ini:1, field by field"},
          {9, W, "Coords is divided by the texture size known when it is read (64 x 32), not by the 128 x 64 set "
                 "after it" + kFixOrder}}},
        {"EmptyRectangle", Block("A", {"  Coords = Left:5 Top:0 Right:5 Bottom:8"}),
         {{7, W, "the rectangle is empty: the game draws Right - Left pixels across, and Right (5) equals Left (5)"}}},
        {"InvertedRectangle", Block("A", {"  Coords = Left:0 Top:8 Right:16 Bottom:2"}),
         {{7, W, "the rectangle is inverted: Bottom (2) is less than Top (8)"}}},
        {"RectangleOutsideTheDeclaredTexture", Block("A", {"  Coords = Left:0 Top:0 Right:65 Bottom:8"}),
         {{7, W, "the rectangle Left:0 Top:0 Right:65 Bottom:8 reaches outside the 64 x 32 texture that TextureWidth "
                 "and TextureHeight declare"}}},
        {"RawTextureStatus", Block("A", {"  Status = RAW_TEXTURE"}),
         {{7, W, "Status RAW_TEXTURE makes the game draw nothing for this image (the bit is meant for images the "
                 "game builds in memory)"}}},
        {"RotationBeforeCoords",
         Lines({"MappedImage A", "  Texture = a.tga", "  TextureWidth = 64", "  TextureHeight = 32",
                "  Status = ROTATED_90_CLOCKWISE", "  Coords = Left:0 Top:0 Right:16 Bottom:8", "End"}),
         {{5, W, "Status ROTATED_90_CLOCKWISE comes before Coords; the game swaps width and height when it reads "
                 "Status, so the later Coords leaves this image's size unswapped"}}},
        {"TextureOfAnotherKind", Block("A", {"  Texture = a.bmp"}),
         {{7, W, "texture 'a.bmp' does not end in .tga or .dds; the game does not find such a texture"}}},
        {"TextureNameWithABlank", Block("A", {"  Texture = my icons.tga"}),
         {{7, W, "the game reads the texture name only up to the first blank: 'my', not 'my icons.tga'"},
          {7, W, "texture 'my' does not end in .tga or .dds; the game does not find such a texture"}}},
        {"TextureWithoutValue", Block("A", {"  Texture ="}), {{7, W, "Texture has no value"}}},
        {"TextAfterTheName", Lines({"MappedImage Tank one"}) + Block("A").substr(std::string("MappedImage A\r\n").size()),
         {{1, W, "the game takes only 'Tank' as the image name and ignores 'one'"}}},
        {"NumberWithTrailingText", Block("A", {"  TextureWidth = 64px"}), {{7, W, "TextureWidth '64px' is read as 64"}}},
        {"NoTexture", Lines({"MappedImage A", "  TextureWidth = 64", "  TextureHeight = 32",
                             "  Coords = Left:0 Top:0 Right:16 Bottom:8", "End"}),
         {{1, W, "MappedImage 'A' sets no Texture; the game draws nothing for it"}}},
        {"NoCoords", Lines({"MappedImage A", "  Texture = a.tga", "End"}),
         {{1, W, "MappedImage 'A' sets no Coords; the game gives it a size of 0 x 0"}}},
        {"LoneCarriageReturnsAfterALeadingComment",
         [] {
             std::string file = "; icons for the mod\r" + Block("A");
             for (std::size_t at; (at = file.find("\r\n")) != std::string::npos;) file.erase(at + 1, 1);
             return file;
         }(),
         {{1, W, "this line ends in a lone CR, not LF: the game reads on up to the next LF or 1,028 bytes as one "
                 "line, so the ';' "
                 "comment here hides the 7 line(s) after it, with 1 MappedImage block(s), which the game never "
                 "reads (save the file with CR LF or LF line ends)"}}},
        {"StatusNoneThenAWord", Block("A", {"  Status = NONE ROTATED_90_CLOCKWISE"}),
         {{7, W, "Status: the game stops reading at NONE and ignores 'ROTATED_90_CLOCKWISE' after it (the image gets "
                 "no status bits at all)"}}},
        {"NegativeTextureSizeWithoutTextures",
         Lines({"MappedImage A", "  Texture = a.tga", "  TextureWidth = -64", "  TextureHeight = -32",
                "  Coords = Left:0 Top:0 Right:16 Bottom:8", "End"}),
         {{3, W, "TextureWidth is negative (-64); the game divides Left and Right by it, and the image shows a wrong "
                 "part of the texture or nothing"},
          {4, W, "TextureHeight is negative (-32); the game divides Top and Bottom by it, and the image shows a "
                 "wrong part of the texture or nothing"}}},
        {"CommentCutByTheLineLimit", Lines({longComment}) + Block("A"),
         {{1, W, "line is longer than 1028 bytes; the game reads the bytes after the 1028th as a line of their own"},
          {1, E, "text outside a block: '" + afterTheCut + "' (only MappedImage blocks and ; comments may stand here)"}}},
    };
}

// Files the game reads without a word, each showing a freedom the reader allows.
std::vector<LintCase> Clean() {
    return {
        {"EditorLikeBlock", Block("A"), {}},
        {"EndInAnyCase", Block("A").substr(0, Block("A").size() - 5) + "END\r\n", {}},
        {"CoordsLabelsInAnyCase", Block("A", {"  Coords = left:0 TOP:0 right:16 bottom:8"}), {}},
        {"RectangleUpToTheTextureEdge", Block("A", {"  Coords = Left:0 Top:0 Right:64 Bottom:32"}), {}},
        {"QuotedTextureName", Block("A", {"  Texture = \"my icons.tga\""}), {}},
        {"LoneCarriageReturnsInACommentThatHideNothing", "; one\r; two\r\n" + Block("A"), {}},
        {"CommentAfterTheName", Lines({"MappedImage A ; note"}) + Block("B").substr(std::string("MappedImage B\r\n").size()), {}},
        {"LineFeedOnlyAndTabs", "MappedImage A\n\tTexture\t=\ta.tga\n\tTextureWidth=64\n\tTextureHeight=32\n"
                                "\tCoords=Left:0 Top:0 Right:16 Bottom:8\nEnd", {}},
        {"FieldsInAnyOrderWithSizesBeforeCoords",
         Lines({"MappedImage A", "  Status = ROTATED_90_CLOCKWISE", "  TextureHeight = 32", "  TextureWidth = 64",
                "  Texture = a.dds", "End"}) +
             Lines({"MappedImage B", "  TextureWidth = 64", "  TextureHeight = 32",
                    "  Coords = Left:0 Top:0 Right:16 Bottom:8", "  Status = +ROTATED_90_CLOCKWISE", "  Texture = b.tga",
                    "End"}),
         {{1, W, "MappedImage 'A' sets no Coords; the game gives it a size of 0 x 0"}}},
    };
}

class LintCaseTest : public ::testing::TestWithParam<LintCase> {};

TEST_P(LintCaseTest, GivesExactlyTheExpectedFindings) {
    const LintCase& c = GetParam();
    Linter linter(LintOptions{});
    linter.addFile("t.ini", c.ini);
    std::vector<Finding> expected;
    for (const auto& e : c.findings) expected.push_back({"t.ini", e.line, e.severity, e.text});
    EXPECT_EQ(linter.finish(), expected);
}

std::string CaseName(const ::testing::TestParamInfo<LintCase>& info) { return info.param.name; }

INSTANTIATE_TEST_SUITE_P(Errors, LintCaseTest, ::testing::ValuesIn(Errors()), CaseName);
INSTANTIATE_TEST_SUITE_P(Warnings, LintCaseTest, ::testing::ValuesIn(Warnings()), CaseName);
INSTANTIATE_TEST_SUITE_P(Clean, LintCaseTest, ::testing::ValuesIn(Clean()), CaseName);

void PrintTo(const LintCase& c, std::ostream* os) { *os << c.name; }

}  // namespace

}  // namespace vantrel::check
