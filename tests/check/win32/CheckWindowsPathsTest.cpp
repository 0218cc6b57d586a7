// vantrel-check given the paths a Windows user types: drive letters and '\', '/' as well, any letter
// case, names outside the ANSI code page, the \\?\ prefix, and folders nested past MAX_PATH.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "BigWriter.h"
#include "CheckRun.h"
#include "TgaWriter.h"
#include "support/TestData.h"

namespace vantrel::check {
namespace {

namespace fs = std::filesystem;
using test::Check;
using test::CommandRun;

// A path as UTF-8 text, as the arguments reach the command.
std::string Utf8(const fs::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

std::string UpperAscii(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return text;
}

std::string Slashes(std::string text) {
    for (char& c : text)
        if (c == '\\') c = '/';
    return text;
}

// A mod whose names are Greek, Cyrillic and Chinese; the INI file names the texture in another case.
void BuildMod(const fs::path& root) {
    test::WriteBytes(root / L"Data" / L"INI" / L"MappedImages" / L"HandCreated" / L"\u0422\u0430\u043d\u043a\u0438.ini",
                     "MappedImage Tank\r\n Texture = Icons.tga\r\n TextureWidth = 16\r\n TextureHeight = 16\r\n"
                     " Coords = Left:0 Top:0 Right:8 Bottom:8\r\nEnd\r\n");
    test::WriteBytes(root / L"Art" / L"Textures" / L"ICONS.TGA", test::MakeTarga24(8, 8, test::DistinctColor, test::RowOrder::TopDown));
}

TEST(CheckWindowsPaths, EveryFormOfAModsPathReadsTheSameFilesAndFindsTheTexture) {
    vantrel::test::TempDir dir;
    const fs::path mod = dir.path() / L"M\u00f6d \u03a9mega \u6a21\u7ec4";
    BuildMod(mod);
    fs::path deep = dir.path();
    while (deep.native().size() < 300) deep /= L"a folder nested deeper";
    const fs::path deepMod = deep / L"\u03a9";
    BuildMod(deepMod);
    ASSERT_GT(Utf8(deepMod).size(), 260u);

    const std::string native = Utf8(mod);
    const std::vector<std::pair<const char*, std::string>> forms = {
        {"as Windows writes it", native},
        {"with '/'", Slashes(native)},
        {"in upper case", UpperAscii(native)},
        {"with the \\\\?\\ prefix", "\\\\?\\" + native},
        {"longer than MAX_PATH", Utf8(deepMod)},
    };
    for (const auto& [form, argument] : forms) {
        SCOPED_TRACE(form);
        const CommandRun run = Check({"lint", argument});
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_NE(run.out.find("\\Data\\INI\\MappedImages\\HandCreated\\\u0422\u0430\u043d\u043a\u0438.ini:3: warning: "
                               "TextureWidth and TextureHeight say 16 x 16, but '"),
                  std::string::npos)
            << run.out;
        EXPECT_NE(run.out.find("\\Art\\Textures\\ICONS.TGA' is 8 x 8\n"), std::string::npos) << run.out;
        EXPECT_EQ(run.err, "vantrel-check: 1 INI file read, 1 image, 0 errors, 1 warning\n");
    }

    // Pictures are written there too.
    const fs::path out = deepMod / L"\u526a\u5207";
    const CommandRun crop = Check({"crop", Utf8(deepMod / L"Data/INI/MappedImages/HandCreated/\u0422\u0430\u043d\u043a\u0438.ini"),
                                   "--out", Utf8(out)});
    EXPECT_EQ(crop.status, 0) << crop.err;
    EXPECT_EQ(crop.out, Utf8(out / L"Tank.png") + "\n");
    EXPECT_TRUE(fs::exists(out / L"Tank.png"));

    // A mod shipped as an archive, past MAX_PATH: the archive is opened through the long-path form
    // the folder walk found it by.
    const fs::path archived = deep / L"\u03a9 archived";
    test::WriteBytes(archived / L"\u03a9.big",
                     test::MakeBig({{"Data\\INI\\MappedImages\\HandCreated\\Tank.ini",
                                     "MappedImage Tank\r\n Texture = Icons.tga\r\n TextureWidth = 8\r\n TextureHeight = 8\r\n"
                                     " Coords = Left:0 Top:0 Right:8 Bottom:8\r\nEnd\r\n"},
                                    {"Art\\Textures\\Icons.tga",
                                     test::MakeTarga24(8, 8, test::DistinctColor, test::RowOrder::TopDown)}}));
    for (const auto& argument : {Utf8(archived), Utf8(archived / L"\u03a9.big")}) {
        const CommandRun run = Check({"lint", argument});
        EXPECT_EQ(run.status, 0) << run.out << run.err;
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, "vantrel-check: 1 INI file read, 1 image, 0 errors, 0 warnings\n");
    }
}

}  // namespace
}  // namespace vantrel::check
