// The vantrel-check command line: exit statuses, output forms and the files it writes.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>
#include <sstream>
#ifndef _WIN32
#include <sys/stat.h>
#endif

// PNG files are read back by a decoder other than the one that wrote them.
#define STB_IMAGE_IMPLEMENTATION
#define STB_IMAGE_STATIC
#define STBI_ONLY_PNG
#define STBI_NO_STDIO
#include <stb_image.h>

#include "check/CheckCommand.h"
#include "check/Picture.h"
#include "support/TestData.h"
#include "targa/Canvas.h"
#include "TgaWriter.h"
#include "CheckRun.h"

namespace vantrel::check {
namespace {

using vantrel::test::TempDir;

using test::Check;
using test::CommandRun;

std::uint32_t Expected(int x, int y) {
    const auto color = test::DistinctColor(x, y);
    return Argb(ColorRed(color), ColorGreen(color), ColorBlue(color));
}

// The PNG file's pixels; a null picture when it cannot be read.
Picture ReadPng(const std::string& path) {
    std::ifstream file(std::filesystem::u8path(path), std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    int width = 0, height = 0, channels = 0;
    stbi_uc* rgba = stbi_load_from_memory(reinterpret_cast<const stbi_uc*>(bytes.data()), static_cast<int>(bytes.size()),
                                          &width, &height, &channels, 4);
    if (!rgba) return {};
    Picture picture(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const stbi_uc* p = rgba + (static_cast<std::size_t>(y) * width + x) * 4;
            picture.setPixel(x, y, Argb(p[0], p[1], p[2], p[3]));
        }
    stbi_image_free(rgba);
    return picture;
}

// Text as a JSON string literal holds it.
std::string JsonString(const std::string& text) {
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') quoted += '\\';
        quoted += c;
    }
    return quoted + "\"";
}

class CheckCommand : public ::testing::Test {
protected:
    void SetUp() override {
        // Top row first: Zero Hour's reader leaves rows of 60 bytes partly upside down only when the
        // bottom row comes first.
        test::WriteBytes(dir / "textures" / "Icons.tga",
                         test::MakeTarga24(20, 12, test::DistinctColor, test::RowOrder::TopDown));
        test::WriteBytes(dir / "icons.ini",
                         "MappedImage Plain\r\n Texture = Icons.tga\r\n TextureWidth = 20\r\n TextureHeight = 12\r\n"
                         " Coords = Left:2 Top:1 Right:9 Bottom:5\r\nEnd\r\n"
                         "MappedImage Side/Way\r\n Texture = icons.TGA\r\n TextureWidth = 20\r\n TextureHeight = 12\r\n"
                         " Coords = Left:10 Top:0 Right:14 Bottom:11\r\n Status = ROTATED_90_CLOCKWISE\r\nEnd\r\n");
        test::WriteBytes(dir / "broken.ini", "MappedImage\r\n");
    }

    std::string path(const char* name) const { return (dir / name).string(); }

    TempDir dir;
};

TEST_F(CheckCommand, LintExitsZeroWhenCleanOneOnErrorsAndTwoOnBadUsage) {
    const CommandRun clean = Check({"lint", path("icons.ini"), "--textures", path("textures")});
    EXPECT_EQ(clean.status, 0);
    EXPECT_EQ(clean.out, "");

    const CommandRun broken = Check({"lint", path("broken.ini")});
    EXPECT_EQ(broken.status, 1);
    EXPECT_EQ(broken.out, path("broken.ini") + ":1: error: MappedImage without a name\n");

    EXPECT_EQ(Check({"lint"}).status, 2);
    EXPECT_EQ(Check({"lint", path("nothing-here.ini")}).status, 2);
    EXPECT_EQ(Check({"lint", path("icons.ini"), "--textures", path("icons.ini")}).status, 2);
    EXPECT_EQ(Check({"frobnicate"}).status, 2);
    EXPECT_EQ(Check({}).status, 2);
    EXPECT_EQ(Check({"--help"}).status, 0);
}

TEST_F(CheckCommand, LintOfAFolderReadsItsIniFilesInAnyLetterCase) {
    test::WriteBytes(dir / "more" / "B.INI", "MappedImage\r\n");
    test::WriteBytes(dir / "more" / "ignored.txt", "MappedImage\r\n");
    const CommandRun run = Check({"lint", path("more")});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, test::Native(dir / "more/B.INI") + ":1: error: MappedImage without a name\n");
}

#ifndef _WIN32
// A device has no end and a pipe blocks its reader until a writer comes: both are reported,
// neither is read, and the files beside them still are.
TEST_F(CheckCommand, LintReportsWhatIsNotARegularFileInsteadOfReadingIt) {
    ASSERT_EQ(mkfifo(path("pipe.ini").c_str(), 0600), 0) << std::strerror(errno);
    const CommandRun run = Check({"lint", "/dev/zero", path("pipe.ini"), path("broken.ini")});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out,
              "/dev/zero: error: cannot read the file: it is a character device, not a regular file; only regular "
              "files are read\n" +
                  path("pipe.ini") +
                  ": error: cannot read the file: it is a pipe, not a regular file; only regular files are read\n" +
                  path("broken.ini") + ":1: error: MappedImage without a name\n");
}
#endif

TEST_F(CheckCommand, LintJsonPrintsOneObjectPerFinding) {
    const CommandRun run = Check({"lint", "--json", path("broken.ini")});
    EXPECT_EQ(run.status, 1);
    ASSERT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 1);
    EXPECT_EQ(run.out, "{\"file\":" + JsonString(path("broken.ini")) +
                           ",\"line\":1,\"severity\":\"error\",\"text\":\"MappedImage without a name\"}\n");
}

TEST_F(CheckCommand, CropWritesOnePngPerImageNamedAfterIt) {
    const CommandRun run = Check({"crop", path("icons.ini"), "--textures", path("textures"), "--out", path("out")});
    EXPECT_EQ(run.status, 0) << run.err;
    const Picture plain = ReadPng(path("out/Plain.png"));
    ASSERT_EQ(plain.size(), (PixelSize{7, 4}));
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 7; ++x) ASSERT_EQ(plain.pixel(x, y), Expected(2 + x, 1 + y));
    // '/' cannot stand in a file name.
    const Picture turned = ReadPng(path("out/Side_Way.png"));
    ASSERT_EQ(turned.size(), (PixelSize{11, 4}));
    EXPECT_EQ(turned.pixel(0, 0), Expected(13, 0));
    EXPECT_EQ(turned.pixel(10, 3), Expected(10, 10));
}

TEST_F(CheckCommand, CropReportsImagesItCannotCutAndExitsOne) {
    test::WriteBytes(dir / "lost.ini",
                     "MappedImage Lost\r\n Texture = gone.tga\r\n TextureWidth = 8\r\n TextureHeight = 8\r\n"
                     " Coords = Left:0 Top:0 Right:4 Bottom:4\r\nEnd\r\n");
    const CommandRun run = Check({"crop", path("lost.ini"), "--textures", path("textures"), "--out", path("out")});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("Lost not cut: texture not found"), std::string::npos) << run.err;
    EXPECT_FALSE(std::filesystem::exists(dir / "out" / "Lost.png"));
}

TEST_F(CheckCommand, SheetWritesOnePictureHoldingEveryImage) {
    const CommandRun run = Check({"sheet", path("icons.ini"), "--textures", path("textures"), "-o", path("sheet.png")});
    EXPECT_EQ(run.status, 0) << run.err;
    const Picture sheet = ReadPng(path("sheet.png"));
    ASSERT_FALSE(sheet.isNull());
    // The first cell starts at the padding, with the first image's own pixels.
    EXPECT_EQ(sheet.pixel(8, 8), Expected(2, 1));
}

TEST_F(CheckCommand, RenderShowsTheTextureAsTheEditorPaintsIt) {
    test::WriteBytes(dir / "top.tga", test::MakeTarga24(6, 3, test::DistinctColor, test::RowOrder::TopDown));
    const CommandRun run = Check({"render", path("top.tga"), "-o", path("top.png"), "--background", "102030"});
    EXPECT_EQ(run.status, 0) << run.err;
    const Picture image = ReadPng(path("top.png"));
    ASSERT_EQ(image.size(), (PixelSize{6, 3}));
    // Upside down, as the editor shows a top-left-origin file.
    for (int x = 0; x < 6; ++x) EXPECT_EQ(image.pixel(x, 2), Expected(x, 0));

    EXPECT_EQ(Check({"render", path("top.tga"), "-o", path("x.png"), "--background", "red"}).status, 2);
}

TEST_F(CheckCommand, RenderReportsWhatTheReaderRejects) {
    test::WriteBytes(dir / "grey.tga", test::MakeTargaHeaderOnly(3, 8, 4, 4));
    const CommandRun run = Check({"render", path("grey.tga"), "-o", path("grey.png")});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("the reader reports: This image type is not supported."), std::string::npos) << run.err;
}

}  // namespace
}  // namespace vantrel::check
