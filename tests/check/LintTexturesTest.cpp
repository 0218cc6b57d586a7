// Lint with --textures: each image checked against the texture it names, read by the project's
// Targa reader.
#include <gtest/gtest.h>

#include <algorithm>

#include "FindingPrinter.h"
#include "check/Linter.h"
#include "check/InspectGameFile.h"
#include "check/PaintedTexture.h"
#include "support/TestData.h"
#include "BigWriter.h"
#include "TgaWriter.h"

namespace vantrel::check {

namespace {

using vantrel::test::TempDir;

std::string Block(const std::string& name, const std::string& texture, int width, int height,
                  const std::string& coords = "Left:0 Top:0 Right:16 Bottom:8") {
    return "MappedImage " + name + "\r\n  Texture = " + texture + "\r\n  TextureWidth = " + std::to_string(width) +
           "\r\n  TextureHeight = " + std::to_string(height) + "\r\n  Coords = " + coords + "\r\nEnd\r\n";
}

class LintTextures : public ::testing::Test {
protected:
    void SetUp() override {
        test::WriteBytes(dir / "Icons.tga", test::MakeTarga24(64, 32, test::DistinctColor));
        test::WriteBytes(dir / "Sub" / "Other.TGA", test::MakeTarga24(16, 16, test::DistinctColor));
        test::WriteBytes(dir / "shadowed.tga", test::MakeTarga24(16, 16, test::DistinctColor));
        test::WriteBytes(dir / "shadowed.dds", "DDS ");
        test::WriteBytes(dir / "grey.tga", test::MakeTargaHeaderOnly(3, 8, 16, 16));
        test::WriteBytes(dir / "short.tga", "TRUNCATED");
    }

    std::vector<Finding> lint(const std::string& ini) {
        LintOptions options;
        options.textures.emplace(dir.path());
        options.inspectTarga = InspectGameFile;
        Linter linter(std::move(options));
        linter.addFile("t.ini", ini);
        return linter.finish();
    }

    std::string quoted(const char* name) const { return "'" + (dir / name).string() + "'"; }

    TempDir dir;
};

TEST_F(LintTextures, AnImageInsideAMatchingTextureFoundInAnyLetterCaseIsClean) {
    EXPECT_EQ(lint(Block("A", "icons.tga", 64, 32, "Left:0 Top:0 Right:64 Bottom:32") +
                   Block("B", "other.tga", 16, 16)),
              std::vector<Finding>{});
}

TEST_F(LintTextures, SizeThatDiffersFromTheHeaderAndRectangleOutsideTheTexture) {
    const std::vector<Finding> expected = {
        {"t.ini", 3, Severity::Warning,
         "TextureWidth and TextureHeight say 128 x 32, but " + quoted("Icons.tga") + " is 64 x 32"},
        {"t.ini", 5, Severity::Warning,
         "the rectangle Left:60 Top:0 Right:70 Bottom:8 reaches outside the 64 x 32 texture " + quoted("Icons.tga")},
    };
    EXPECT_EQ(lint(Block("A", "Icons.tga", 128, 32, "Left:60 Top:0 Right:70 Bottom:8")), expected);
}

// Without a texture to tell the real size, the declared size is all there is, as when a file is
// linted with no textures at all.
TEST_F(LintTextures, ARectangleOnATextureNotFoundIsCheckedAgainstTheDeclaredSize) {
    const std::vector<Finding> expected = {
        {"t.ini", 2, Severity::Warning, "texture 'missing.tga' not found; looked in '" + dir.path().string() + "'"},
        {"t.ini", 5, Severity::Warning,
         "the rectangle Left:0 Top:0 Right:100 Bottom:8 reaches outside the 64 x 64 texture that TextureWidth and "
         "TextureHeight declare"},
    };
    EXPECT_EQ(lint(Block("A", "missing.tga", 64, 64, "Left:0 Top:0 Right:100 Bottom:8")), expected);
}

TEST_F(LintTextures, TexturesNotFoundShadowedUnreadableOrNotLoadedByTheGameAreReportedOncePerTexture) {
    test::WriteBytes(dir / "truncated.tga", test::MakeTarga24(16, 16, test::DistinctColor).substr(0, 18 + 100));
    // A whole file whose Targa 2.0 footer places the extension area past its end.
    std::string footer = test::MakeTarga24(16, 16, test::DistinctColor, test::RowOrder::TopDown);
    footer += std::string("\x00\x10\x00\x00\x00\x00\x00\x00", 8) + "TRUEVISION-XFILE" + std::string(".\0", 2);
    test::WriteBytes(dir / "footer.tga", footer);
    const auto findings = lint(Block("A", "missing.tga", 16, 16) + Block("B", "shadowed.tga", 16, 16) +
                               Block("C", "short.tga", 16, 16) + Block("D", "truncated.tga", 16, 16) +
                               Block("E", "Missing.TGA", 16, 16) + Block("F", "truncated.tga", 16, 16) +
                               Block("G", "gone.dds", 16, 16) + Block("H", "footer.tga", 16, 16));
    ASSERT_EQ(findings.size(), 6u) << ::testing::PrintToString(findings);
    EXPECT_EQ(findings[0], (Finding{"t.ini", 2, Severity::Warning,
                                    "texture 'missing.tga' not found; looked in '" + dir.path().string() +
                                        "' (named by 2 images; reported once)"}));
    EXPECT_EQ(findings[1], (Finding{"t.ini", 8, Severity::Warning,
                                    "the game loads " + quoted("shadowed.dds") +
                                        " in place of 'shadowed.tga' (it tries the .dds of the same name first); the "
                                        ".tga is not checked"}));
    EXPECT_EQ(findings[2], (Finding{"t.ini", 14, Severity::Warning,
                                    "texture " + quoted("short.tga") +
                                        " cannot be read: the file is shorter than a Targa header (18 bytes)"}));
    // In the game's terms, said once, and no size checks on a texture the game does not have.
    EXPECT_EQ(findings[3].line, 20);
    // The pixels fail after the texture was made: drawn unfilled.
    EXPECT_EQ(findings[3].text,
              "the game cannot read the pixels of texture " + quoted("truncated.tga") +
                  ": the file ends after 100 of the 768 bytes of pixel data its header declares; it makes the texture "
                  "at the size its header declares but never fills it, so the images on it show undefined colours "
                  "(named by 2 images; reported once)");
    EXPECT_EQ(findings[4], (Finding{"t.ini", 38, Severity::Warning,
                                    "texture 'gone.dds' not found; looked in '" + dir.path().string() + "'"}));
    // The file fails to open: the placeholder.
    EXPECT_EQ(findings[5],
              (Finding{"t.ini", 44, Severity::Warning,
                       "the game cannot open texture " + quoted("footer.tga") +
                           ": the Targa 2.0 footer places the extension area at byte 4096, and its 495 bytes do not fit "
                           "in the file's 812; it draws its missing-texture placeholder (a 128 x 128 "
                           "half-transparent magenta square) instead, so the images on it show magenta"}));
}

TEST_F(LintTextures, ATextureDrawnPartlyInUndefinedColoursIsAWarning) {
    // 16 x 16 at 8 bits through a colour map of two 16-bit entries.
    std::string mapped = {0, 1, 1, 0, 0, 2, 0, 16, 0, 0, 0, 0, 16, 0, 16, 0, 8, 0x20};
    mapped += std::string(4, '\x11') + std::string(256, '\x01');
    test::WriteBytes(dir / "mapped.tga", mapped);
    const auto findings = lint(Block("A", "mapped.tga", 16, 16));
    const std::string said = "the game draws texture " + quoted("mapped.tga") +
                             " otherwise than the file means it: its colour map has 16-bit entries, and the game "
                             "draws colour-mapped pixels through 24- or 32-bit entries only: it never writes the 256 "
                             "pixels and they show in undefined colours (shown here as black)";
    EXPECT_EQ(std::count_if(findings.begin(), findings.end(), [&](const Finding& f) { return f.text == said; }), 1)
        << ::testing::PrintToString(findings);
}

TEST_F(LintTextures, AGreyscaleTextureTheEditorCannotOpenIsOneTheGameDraws) {
    test::WriteBytes(dir / "grey8.tga", test::MakeTargaHeaderOnly(3, 8, 16, 16) + std::string(16 * 16, '\x80'));
    const std::vector<Finding> expected = {
        {"t.ini", 2, Severity::Warning,
         "the editor cannot open texture " + quoted("grey8.tga") +
             " (its reader says: This image type is not supported.); the game draws it, and crop and sheet show it "
             "as the game does"},
    };
    EXPECT_EQ(lint(Block("A", "grey8.tga", 16, 16)), expected);
}

// An 8-bit colour-mapped texture of 16 x 2 pixels (rows of 16 bytes, which the game turns upright
// whole), all of the first entry, with the colour map given.
std::string ColourMapped(int first, int entryBits, const std::string& entries) {
    vantrel::test::TargaFields fields;
    fields.colorMapType = 1;
    fields.imageType = 1;
    fields.colorMapStart = first;
    fields.colorMapLength = static_cast<int>(entries.size()) / (entryBits / 8);
    fields.colorMapDepth = entryBits;
    fields.width = 16;
    fields.height = 2;
    fields.bitsPerPixel = 8;
    const auto header = vantrel::test::TargaHeaderBytes(fields);
    return std::string(header.begin(), header.end()) + entries + std::string(32, static_cast<char>(first));
}

// The game's colour-map rules (Targa::Load): entries read in another byte order than the file's,
// and a map copied into a buffer of 1,024 bytes with no bound.
TEST_F(LintTextures, ColourMapsTheGameReadsOtherwiseOrOverrunsAreReported) {
    struct Case {
        const char* name;
        std::string bytes;
        std::optional<Severity> severity;  // none: clean
        std::string says;
    };
    const std::string red24("\x00\x00\xFF", 3), grey24("\x80\x80\x80", 3), red32("\x00\x00\xFF\xFF", 4);
    const std::vector<Case> cases = {
        {"red24.tga", ColourMapped(0, 24, red24), Severity::Warning,
         "the game reads its colour map's entries with red and blue swapped, so reds show blue"},
        {"grey24.tga", ColourMapped(0, 24, grey24), std::nullopt, ""},
        {"red32.tga", ColourMapped(0, 32, red32), Severity::Warning,
         "the game reads each 4-byte colour-map entry as alpha, red, green, blue"},
        // 256 entries of 4 bytes fill the buffer; one more entry, or a later first entry, runs past it.
        {"full.tga", ColourMapped(0, 32, std::string(256 * 4, '\x40')), std::nullopt, ""},
        {"over.tga", ColourMapped(0, 32, std::string(257 * 4, '\x40')), Severity::Error,
         "overruns the game's colour-map buffer: its colour map (entries 0 to 256 of 4 bytes) ends 1028 bytes into "
         "the 1024-byte buffer"},
        {"late.tga", ColourMapped(300, 24, std::string(120 * 3, '\x40')), Severity::Error,
         "(entries 300 to 419 of 3 bytes) ends 1260 bytes"},
    };
    for (const auto& c : cases) {
        test::WriteBytes(dir / c.name, c.bytes);
        const auto findings = lint(Block("A", c.name, 16, 2, "Left:0 Top:0 Right:16 Bottom:2"));
        if (!c.severity) {
            EXPECT_EQ(findings, std::vector<Finding>{}) << c.name;
            continue;
        }
        ASSERT_EQ(findings.size(), 1u) << c.name << ": " << ::testing::PrintToString(findings);
        EXPECT_EQ(findings[0].severity, *c.severity) << c.name;
        EXPECT_NE(findings[0].text.find(c.says), std::string::npos) << c.name << ": " << findings[0].text;
    }
}

TEST_F(LintTextures, ATextureInsideAnArchiveIsReadInPlaceAndChecked) {
    test::WriteBytes(dir / "game" / "TexturesZH.big",
                     test::MakeBig({{"Art\\Textures\\Packed.tga", test::MakeTarga24(32, 16, test::DistinctColor)},
                                    {"Art\\Textures\\Cut.tga", test::MakeTarga24(8, 8, test::DistinctColor).substr(0, 40)}}));
    const GameFileSystem files({{}, {dir / "game"}});
    LintOptions options;
    options.textures.emplace(TextureSearch::Places{&files, "English", std::nullopt, {}});
    options.inspectTarga = InspectGameFile;
    Linter linter(std::move(options));
    linter.addFile("t.ini", Block("A", "packed.TGA", 64, 16, "Left:0 Top:0 Right:8 Bottom:8") +
                           Block("B", "Cut.tga", 8, 8, "Left:0 Top:0 Right:8 Bottom:8"));
    const std::string packed = (dir / "game" / "TexturesZH.big").string() + ":Art\\Textures\\Packed.tga";
    const auto findings = linter.finish();
    ASSERT_EQ(findings.size(), 2u) << ::testing::PrintToString(findings);
    EXPECT_EQ(findings[0], (Finding{"t.ini", 3, Severity::Warning,
                                    "TextureWidth and TextureHeight say 64 x 16, but '" + packed + "' is 32 x 16"}));
    EXPECT_TRUE(findings[1].text.starts_with("the game cannot read the pixels of texture '" +
                                             (dir / "game" / "TexturesZH.big").string() + ":Art\\Textures\\Cut.tga': "))
        << findings[1].text;
}

TEST_F(LintTextures, ADdsTextureIsTakenAsFoundButNotChecked) {
    EXPECT_EQ(lint(Block("A", "shadowed.dds", 999, 999)), std::vector<Finding>{});
}

}  // namespace
}  // namespace vantrel::check
