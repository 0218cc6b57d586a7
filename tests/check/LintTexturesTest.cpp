// Lint with --textures: each image checked against the texture it names, read by the project's
// Targa reader.
#include <gtest/gtest.h>

#include "FindingPrinter.h"
#include "check/Linter.h"
#include "check/PaintedTexture.h"
#include "support/TestData.h"
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
        options.inspectTarga = InspectTarga;
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

TEST_F(LintTextures, TexturesNotFoundShadowedRejectedOrUnreadable) {
    const std::vector<Finding> expected = {
        {"t.ini", 2, Severity::Warning, "texture 'missing.tga' not found under '" + dir.path().string() + "'"},
        {"t.ini", 8, Severity::Warning,
         "the game loads " + quoted("shadowed.dds") +
             " in place of 'shadowed.tga' (it tries the .dds of the same name first); the .tga is not checked"},
        {"t.ini", 14, Severity::Warning, "texture rejected by the reader: This image type is not supported."},
        {"t.ini", 20, Severity::Warning,
         "texture " + quoted("short.tga") + " cannot be read: the file is shorter than a Targa header (18 bytes)"},
    };
    EXPECT_EQ(lint(Block("A", "missing.tga", 16, 16) + Block("B", "shadowed.tga", 16, 16) +
                   Block("C", "grey.tga", 16, 16) + Block("D", "short.tga", 16, 16)),
              expected);
}

TEST_F(LintTextures, ADdsTextureIsTakenAsFoundButNotChecked) {
    EXPECT_EQ(lint(Block("A", "shadowed.dds", 999, 999)), std::vector<Finding>{});
}

}  // namespace
}  // namespace vantrel::check
