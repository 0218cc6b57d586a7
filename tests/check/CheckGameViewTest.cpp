// vantrel-check on a mod's root and the game's folders: what it reads, how it says what it read,
// and the README's example commands run against a tree built here.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "BigWriter.h"
#include "TgaWriter.h"
#include "check/CheckCommand.h"
#include "support/TestData.h"
#include "CheckRun.h"

namespace vantrel::check {
namespace {

using test::MakeBig;
using test::WriteBytes;
using vantrel::test::TempDir;

using test::Check;
using test::CommandRun;
using test::Native;

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

const std::string kTanksIni =
    "; Tanks of the mod\r\n;\r\n;\r\n;\r\n;\r\n;\r\n;\r\n;\r\n;\r\n"
    "MappedImage Tank1\r\n  texture = Tanks.tga\r\n  TextureWidth = 64\r\n  TextureHeight = 32\r\nEnd\r\n"
    "MappedImage TANK1\r\n  Texture = Tanks.tga\r\n  Coords = Left:0 Top:0 Right:32 Bottom:32\r\nEnd\r\n";

// A mod, an installed Zero Hour and the original game, and a user data folder, as the README's
// examples name them.
void BuildExampleTree(const std::filesystem::path& root) {
    const auto mod = root / "MyMod";
    WriteBytes(mod / "Data" / "INI" / "MappedImages" / "HandCreated" / "Tanks.ini", kTanksIni);
    WriteBytes(mod / "Art" / "Textures" / "Tanks.tga", test::MakeTarga24(64, 32, test::DistinctColor));
    WriteBytes(root / "Shared" / "Spare.tga", test::MakeTarga24(8, 8, test::DistinctColor));
    WriteBytes(root / "UserData" / "INI" / "MappedImages" / "Mine.ini",
               "MappedImage Mine\r\n Texture = Tanks.tga\r\n TextureWidth = 64\r\n TextureHeight = 32\r\n"
               " Coords = Left:32 Top:0 Right:64 Bottom:32\r\nEnd\r\n");
    WriteBytes(root / "ZeroHour" / "INIZH.big",
               MakeBig({{"Data\\INI\\MappedImages\\TextureSize_512\\SCCameos.INI",
                         "MappedImage Tank1\r\n Texture = Retail.tga\r\n TextureWidth = 16\r\n TextureHeight = 16\r\n"
                         " Coords = Left:0 Top:0 Right:16 Bottom:16\r\nEnd\r\n"}}));
    WriteBytes(root / "ZeroHour" / "TexturesZH.big",
               MakeBig({{"Art\\Textures\\Retail.tga", test::MakeTarga24(16, 16, test::DistinctColor)}}));
    WriteBytes(root / "Generals" / "INI.big", MakeBig({{"Data\\INI\\MappedImages\\HandCreated\\Old.ini", ""}}));
}

TEST(CheckUsability, VersionUnknownCommandAndEachCommandsOwnHelp) {
    const CommandRun version = Check({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "vantrel-check 2.0.0\n");

    const CommandRun bogus = Check({"bogus", "file.ini"});
    EXPECT_EQ(bogus.status, 2);
    EXPECT_TRUE(Contains(bogus.err, "unknown command 'bogus'; the commands are lint, crop, sheet and render")) << bogus.err;

    const CommandRun lintHelp = Check({"lint", "--help"});
    const CommandRun renderHelp = Check({"render", "--help"});
    EXPECT_EQ(lintHelp.status, 0);
    EXPECT_TRUE(Contains(lintHelp.out, "An error is something that stops the game"));
    EXPECT_TRUE(Contains(lintHelp.out, "3 when no INI file was found"));
    EXPECT_TRUE(Contains(lintHelp.out, "--game"));
    EXPECT_FALSE(Contains(renderHelp.out, "An error is something that stops the game")) << renderHelp.out;
    EXPECT_FALSE(Contains(renderHelp.out, "--game")) << renderHelp.out;
    EXPECT_TRUE(Contains(renderHelp.out, "Exit status: 0 when the picture was written"));
}

TEST(CheckUsability, ASummaryLineAndAnExitStatusThatTellsNothingReadFromClean) {
    TempDir dir;
    std::filesystem::create_directories(dir / "empty");
    WriteBytes(dir / "notes" / "readme.txt", "MappedImage A\r\n");
    for (const char* folder : {"empty", "notes"}) {
        const CommandRun nothing = Check({"lint", (dir / folder).string()});
        EXPECT_EQ(nothing.status, 3) << folder;
        EXPECT_EQ(nothing.out, "");
        EXPECT_EQ(nothing.err,
                  "vantrel-check: 0 INI files read, 0 images, 0 errors, 0 warnings\n"
                  "vantrel-check: nothing was read: no INI file was found where the game would look\n");
    }
    WriteBytes(dir / "clean" / "a.ini",
               "MappedImage A\r\n Texture = a.tga\r\n TextureWidth = 8\r\n TextureHeight = 8\r\n"
               " Coords = Left:0 Top:0 Right:8 Bottom:8\r\nEnd\r\n");
    const CommandRun clean = Check({"lint", (dir / "clean").string()});
    EXPECT_EQ(clean.status, 0);
    EXPECT_EQ(clean.err, "vantrel-check: 1 INI file read, 1 image, 0 errors, 0 warnings\n");
}

TEST(CheckUsability, JsonKeepsTheBytesOfAFileNameThatIsNotUtf8) {
#ifdef _WIN32
    GTEST_SKIP() << "a Windows file name is UTF-16: it cannot hold a byte that is not UTF-8";
#endif
    TempDir dir;
    const std::string latin1Name = "ic\xF4nes \xC3\xA9.ini";  // a Latin-1 byte, then UTF-8 é
    WriteBytes(dir / latin1Name, "MappedImage\r\n");
    const CommandRun run = Check({"lint", "--json", (dir / latin1Name).string()});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "{\"file\":\"" + dir.path().string() + "/ic\\udcf4nes \xC3\xA9.ini\",\"line\":1,"
                       "\"severity\":\"error\",\"text\":\"MappedImage without a name\"}\n");
}

TEST(CheckGameView, ARootWithTheGameReadsTheArchivesAndGoesOnPastADamagedOne) {
    TempDir dir;
    BuildExampleTree(dir.path());
    WriteBytes(dir / "ZeroHour" / "AudioZH.big", "BIGF\x01\x02");
    const std::string tanks = Native(dir / "MyMod/Data/INI/MappedImages/HandCreated/Tanks.ini");
    const std::string retail =
        Native(dir / "ZeroHour/INIZH.big") + ":Data\\INI\\MappedImages\\TextureSize_512\\SCCameos.INI";
    const CommandRun run = Check({"lint", (dir / "MyMod").string(), "--game", (dir / "ZeroHour").string(), "--game",
                                  (dir / "Generals").string()});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out,
              Native(dir / "ZeroHour/AudioZH.big") +
                  ": warning: the header ends at offset 0x6, before its 16 bytes; the rest of the files are read "
                  "without it\n" +
                  tanks + ":10: warning: image 'Tank1' redefines the game's own image 'Tank1' from " + retail +
                  ":1; the game merges this block into it, field by field\n" + tanks +
                  ":11: error: unknown field 'texture' in MappedImage 'Tank1'; field names are case-sensitive: "
                  "'Texture'\n" +
                  tanks + ":15: warning: image 'TANK1' redefines the game's own image 'Tank1' from " + retail +
                  ":1; the game merges this block into it, field by field\n");
    EXPECT_EQ(run.err, "vantrel-check: 3 INI files read, 1 image, 1 error, 3 warnings\n");
}

TEST(CheckGameView, AFolderInsideAModIsReadAsGivenWithANoteNamingTheRoot) {
    TempDir dir;
    BuildExampleTree(dir.path());
    WriteBytes(dir / "MyMod/Data/INI/MappedImages/TextureSize_256/Small.ini", "MappedImage\r\n");
    const std::string folder = (dir / "MyMod/Data/INI/MappedImages").string();
    const CommandRun run = Check({"lint", folder});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(Contains(run.out, Native("TextureSize_256/Small.ini") + ":1: error: MappedImage without a name")) << run.out;
    EXPECT_TRUE(run.err.starts_with("vantrel-check: note: " + folder + " is read as a plain folder, every subfolder in "
                                    "path order; give the mod's root " + (dir / "MyMod").string() + " to read"))
        << run.err;
    // From the root, the folder the game never reads is not read.
    EXPECT_FALSE(Contains(Check({"lint", (dir / "MyMod").string()}).out, "TextureSize_256"));
}

// Zero Hour looks in Data/<language>/Art/Textures first and leaves a strip of bottom-origin
// textures upside down; the original game does neither. The game is told by its first --game folder.
TEST(CheckGameView, TheLanguageFolderAndTheRowStripAreZeroHoursOnly) {
    TempDir dir;
    BuildExampleTree(dir.path());
    WriteBytes(dir / "Mod3/Data/INI/MappedImages/HandCreated/Tank.ini",
               "MappedImage Tank\r\n Texture = Tank.tga\r\n TextureWidth = 16\r\n TextureHeight = 16\r\n"
               " Coords = Left:0 Top:0 Right:8 Bottom:8\r\nEnd\r\n"
               "MappedImage Strip\r\n Texture = Strip.tga\r\n TextureWidth = 20\r\n TextureHeight = 4\r\n"
               " Coords = Left:0 Top:0 Right:8 Bottom:4\r\nEnd\r\n");
    const auto top = test::RowOrder::TopDown;
    WriteBytes(dir / "Mod3/Art/Textures/Tank.tga", test::MakeTarga24(8, 8, test::DistinctColor, top));
    WriteBytes(dir / "Mod3/Data/English/Art/Textures/Tank.tga", test::MakeTarga24(16, 16, test::DistinctColor, top));
    WriteBytes(dir / "Mod3/Art/Textures/Strip.tga", test::MakeTarga24(20, 4, test::DistinctColor));  // rows of 60 bytes
    const std::string ini = Native(dir / "Mod3/Data/INI/MappedImages/HandCreated/Tank.ini");
    const std::string strip = ini + ":8: warning: the game draws texture '" +
                              Native(dir / "Mod3/Art/Textures/Strip.tga") +
                              "' otherwise than the file means it: its rows are 60 bytes long, not a multiple of 16, "
                              "and the game turns the picture upright 16 bytes at a time: the last 12 bytes of every "
                              "row (4 pixels) stay upside down at the right edge\n";

    for (const auto& game : {std::string(), std::string("ZeroHour")}) {
        SCOPED_TRACE(game);
        std::vector<std::string> arguments = {"lint", (dir / "Mod3").string()};
        if (!game.empty()) arguments.insert(arguments.end(), {"--game", (dir / game).string()});
        const CommandRun run = Check(arguments);
        EXPECT_EQ(run.out, strip);  // the English 16 x 16 Tank.tga is the one checked
    }
    const CommandRun generals = Check({"lint", (dir / "Mod3").string(), "--game", (dir / "Generals").string()});
    EXPECT_EQ(generals.out, ini + ":3: warning: TextureWidth and TextureHeight say 16 x 16, but '" +
                                Native(dir / "Mod3/Art/Textures/Tank.tga") + "' is 8 x 8\n");
}

TEST(CheckGameView, CropFindsATextureInsideTheGamesArchive) {
    TempDir dir;
    BuildExampleTree(dir.path());
    WriteBytes(dir / "Mod2" / "Data" / "INI" / "MappedImages" / "HandCreated" / "Retail.ini",
               "MappedImage Copy\r\n Texture = Retail.tga\r\n TextureWidth = 16\r\n TextureHeight = 16\r\n"
               " Coords = Left:2 Top:3 Right:9 Bottom:7\r\nEnd\r\n");
    const CommandRun run = Check({"crop", (dir / "Mod2/Data/INI/MappedImages/HandCreated/Retail.ini").string(),
                                  "--game", (dir / "ZeroHour").string(), "--out", (dir / "out").string()});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, (dir / "out" / "Copy.png").string() + "\n");
    EXPECT_TRUE(std::filesystem::exists(dir / "out" / "Copy.png"));

    const CommandRun noTextures = Check({"crop", (dir / "UserData/INI/MappedImages/Mine.ini").string(), "--out",
                                         (dir / "out2").string()});
    EXPECT_EQ(noTextures.status, 2);
    EXPECT_TRUE(Contains(noTextures.err, "no textures to cut from")) << noTextures.err;
}

// The documented vantrel-check examples, in the README's vantrel-check section and in the guide:
// each "$ vantrel-check" line is run in a folder holding the tree the examples name; the output
// lines shown under it must be among what it prints, the summary it quotes must be what it says,
// and the files it names must be written.
TEST(ReadmeExamples, EveryExampleCommandRunsAsShown) {
    struct Example {
        std::vector<std::string> arguments;
        std::vector<std::string> shownOutput;
    };
    std::vector<Example> examples;
    std::string summary;
    // The README: its vantrel-check section only. The guide: all of it.
    for (const auto& [path, section] : {std::pair<std::string, std::string>{VANTREL_README_PATH, "## vantrel-check"},
                                        std::pair<std::string, std::string>{VANTREL_CHECK_GUIDE_PATH, ""}}) {
        std::ifstream document(path);
        ASSERT_TRUE(document) << "cannot open " << path;
        std::string line;
        bool inSection = section.empty(), inCode = false;
        while (std::getline(document, line)) {
            if (!section.empty() && line.starts_with("## ")) inSection = line.starts_with(section);
            if (!inSection) continue;
            if (line.starts_with("```")) {
                inCode = !inCode;
                continue;
            }
            if (!inCode) {
                const std::string quote = "The summary reads `";
                if (const auto at = line.find(quote); at != std::string::npos)
                    summary = line.substr(at + quote.size(), line.find('`', at + quote.size()) - at - quote.size());
                continue;
            }
            if (line.starts_with("$ vantrel-check ")) {
                Example example;
                std::istringstream words(line.substr(std::string("$ vantrel-check ").size()));
                for (std::string word; words >> word;) example.arguments.push_back(word);
                examples.push_back(std::move(example));
            } else if (!line.empty() && !examples.empty()) {
                examples.back().shownOutput.push_back(line);
            }
        }
    }
    ASSERT_GE(examples.size(), 9u);
    ASSERT_FALSE(summary.empty());

    TempDir dir;
    BuildExampleTree(dir.path());
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(dir.path());
    for (const auto& example : examples) {
        std::string shown;
        for (const auto& word : example.arguments) shown += " " + word;
        SCOPED_TRACE("vantrel-check" + shown);
        const CommandRun run = Check(example.arguments);
        EXPECT_TRUE(run.status == 0 || run.status == 1) << "status " << run.status << "\n" << run.err;
        for (const auto& output : example.shownOutput) {
            // The same findings on Windows, with its own path separator.
            const std::string expected = Native(output);
            EXPECT_TRUE(Contains(run.out, expected + "\n")) << expected << "\n---\n" << run.out;
        }
        if (example.arguments == std::vector<std::string>{"lint", "MyMod"}) {
            EXPECT_EQ(run.err, summary + "\n");
        }
        for (std::size_t i = 0; i + 1 < example.arguments.size(); ++i) {
            const std::string& option = example.arguments[i];
            if (option == "--out") {
                EXPECT_FALSE(std::filesystem::is_empty(example.arguments[i + 1]));
            }
            if (option == "-o") {
                EXPECT_TRUE(std::filesystem::exists(example.arguments[i + 1]));
            }
        }
    }
    std::filesystem::current_path(previous);
}

}  // namespace
}  // namespace vantrel::check
