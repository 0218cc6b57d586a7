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
    // An empty folder and one that is no mod each say so.
    for (const auto& [folder, why] :
         {std::pair<std::string, std::string>{"empty", " is empty"},
          {"notes", " holds no .ini file and is not a mod's root (a folder holding " + Native("Data/INI/MappedImages") +
                        ", " + Native("Art/Textures") + " or .big archives)"}}) {
        const CommandRun nothing = Check({"lint", (dir / folder).string()});
        EXPECT_EQ(nothing.status, 3) << folder;
        EXPECT_EQ(nothing.out, "");
        EXPECT_EQ(nothing.err, "vantrel-check: 0 INI files read, 0 images, 0 errors, 0 warnings\n"
                               "vantrel-check: nothing was read: '" + (dir / folder).string() + "'" + why + "\n");
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
    // The game's damaged archive is no finding of the mod's; a note says what is missing.
    EXPECT_EQ(run.out,
                  tanks + ":10: warning: image 'Tank1' redefines the game's own image 'Tank1' from " + retail +
                  ":1; the game merges this block into it, field by field\n" + tanks +
                  ":11: error: unknown field 'texture' in MappedImage 'Tank1'; field names are case-sensitive: "
                  "'Texture'\n" +
                  tanks + ":15: warning: image 'TANK1' redefines the game's own image 'Tank1' from " + retail +
                  ":1; the game merges this block into it, field by field\n");
    EXPECT_EQ(run.err, "vantrel-check: note: the game's own archive " + Native(dir / "ZeroHour/AudioZH.big") +
                           " is not read (the header ends at offset 0x6, before its 16 bytes); what it holds is "
                           "missing from this check\n"
                           "vantrel-check: 3 INI files read, 1 image, 1 error, 2 warnings\n");
}

// What a modder runs into, each as one run: the files of a tree under @, the arguments, and the exact
// status and output. '/' in paths stands for the system's separator; the Linux-only cases are
// about '\' in a path.
struct ModderCase {
    const char* name;
    std::vector<std::pair<std::string, std::string>> files;
    std::vector<std::string> arguments;
    int status;
    std::string out;
    std::string err;
    bool linuxOnly = false;
};

const std::string kIni = "MappedImage A\r\n Texture = a.tga\r\n TextureWidth = 8\r\n TextureHeight = 8\r\n"
                         " Coords = Left:0 Top:0 Right:8 Bottom:8\r\nEnd\r\n";
const std::string kHandCreated = "Data\\INI\\MappedImages\\HandCreated\\";
const std::string kSummary = "vantrel-check: 1 INI file read, 1 image, 0 errors, 0 warnings\n";
const std::string kLooked = "looked in Data/English/Art/Textures and Art/Textures of '@/Mod'";
const std::string kNoGame = "vantrel-check: note: 2 textures were not found, and the game's own archives were not "
                            "searched: give the installed game's folder with --game <folder> (Zero Hour's, then the "
                            "original game's) to look in them too\n";

std::vector<ModderCase> ModderCases() {
    const std::string tga = test::MakeTarga24(8, 8, test::DistinctColor, test::RowOrder::TopDown);
    const std::string shipped = MakeBig({{kHandCreated + "A.ini", kIni}, {"Art\\Textures\\a.tga", tga}});
    const std::string twoLost = kIni.substr(0, kIni.find("a.tga")) + "b.tga" + kIni.substr(kIni.find("a.tga") + 5) +
                                "MappedImage C\r\n Texture = c.tga\r\n TextureWidth = 8\r\n TextureHeight = 8\r\n"
                                " Coords = Left:0 Top:0 Right:8 Bottom:8\r\nEnd\r\n";
    const std::string longPath = "Data\\INI\\" + std::string(291, 'x');
    // A table cut short in its second entry, after an entry whose path overruns the game's buffer.
    const std::string broken = MakeBig({{longPath, "x"}, {"b", "y"}}).substr(0, 16 + 8 + 301 + 4);
    std::string kept = MakeBig({{"Art\\Textures\\k.tga", "k"}});
    kept.pop_back();  // its one byte of data lies past the end
    return {
        {"AModShippedAsArchivesIsARoot", {{"Mod/Mod.big", shipped}, {"Mod/readme.txt", "read me"}},
         {"lint", "@/Mod"}, 0, "", kSummary},
        {"AnArchiveNamedIsReadAsAnArchive", {{"Mod/Mod.big", shipped}}, {"lint", "@/Mod/Mod.big"}, 0, "", kSummary},
        {"ATextureNotFoundNamesTheFoldersAndArchivesAndTheGameOnce",
         {{"Mod/Data/INI/MappedImages/HandCreated/A.ini", twoLost},
          {"Mod/A.big", MakeBig({})}, {"Mod/b.big", MakeBig({})}, {"Mod/C.big", MakeBig({})},
          {"Mod/d.big", MakeBig({})}, {"Mod/E.big", MakeBig({})}, {"Mod/f.big", MakeBig({})}},
         {"lint", "@/Mod"}, 0,
         "@/Mod/Data/INI/MappedImages/HandCreated/A.ini:2: warning: texture 'b.tga' not found; " + kLooked +
             ", and in 6 archives ('A.big', 'b.big', 'C.big', 'd.big' and 2 more)\n"
             "@/Mod/Data/INI/MappedImages/HandCreated/A.ini:8: warning: texture 'c.tga' not found; " + kLooked +
             ", and in 6 archives ('A.big', 'b.big', 'C.big', 'd.big' and 2 more)\n",
         kNoGame + "vantrel-check: 1 INI file read, 2 images, 0 errors, 2 warnings\n"},
        {"ARootWithNothingToReadNamesWhereItLooked",
         {{"Mod/Art/Textures/a.tga", tga}, {"Mod/Music.big", MakeBig({{"Data\\Audio\\a.wav", "RIFF"}})}},
         {"lint", "@/Mod"}, 3, "",
         "vantrel-check: 0 INI files read, 0 images, 0 errors, 0 warnings\n"
         "vantrel-check: nothing was read: no .ini file in Data/INI/MappedImages/TextureSize_512 or "
         "Data/INI/MappedImages/HandCreated of '@/Mod', or in 1 archive ('Music.big')\n"},
        {"AnArchiveNamedThatIsNoArchiveIsNotReadAsIni", {{"Mod.big", "hello\r\n"}}, {"lint", "@/Mod.big"}, 3,
         "@/Mod.big: warning: not a .big archive: it starts with 'hell' at offset 0x0, not 'BIGF'; the check goes on "
         "without this archive\n",
         "vantrel-check: 0 INI files read, 0 images, 0 errors, 1 warning\n"
         "vantrel-check: nothing was read: no .ini file in Data/INI/MappedImages/TextureSize_512 or "
         "Data/INI/MappedImages/HandCreated, with no folder and no archive that could be read\n"},
        {"NothingInTheGamesOwnArchivesIsReported",
         {{"Mod/Data/INI/MappedImages/HandCreated/A.ini", kIni}, {"Mod/Art/Textures/a.tga", tga},
          {"Game/INIZH.big", MakeBig({{longPath, ""}, {kHandCreated + "G.ini", "MappedImage A\r\n Texture = gone.tga\r\nEnd\r\n"}})},
          {"Game/AudioZH.big", "BIGF\x01\x02"}},
         {"lint", "@/Mod", "--game", "@/Game"}, 0,
         "@/Mod/Data/INI/MappedImages/HandCreated/A.ini:1: warning: image 'A' is defined again by the game's own "
         "file at @/Game/INIZH.big:" + kHandCreated + "G.ini:1, which the game loads later: its fields overwrite this "
         "block's, field by field\n",
         "vantrel-check: note: the game's own archive @/Game/AudioZH.big is not read (the header ends at offset 0x6, "
         "before its 16 bytes); what it holds is missing from this check\n"
         "vantrel-check: 2 INI files read, 1 image, 0 errors, 1 warning\n"},
        {"OnlyTheArchiveLeftOutSaysTheCheckGoesOnWithoutIt",
         {{"Mod/Data/INI/MappedImages/HandCreated/A.ini", kIni}, {"Mod/Art/Textures/a.tga", tga},
          {"Mod/Broken.big", broken}, {"Mod/Kept.big", kept}},
         {"lint", "@/Mod"}, 1,
         "@/Mod/Broken.big: error: entry 'Data\\INI\\" + std::string(51, 'x') + "...' (table offset 0x10) has a path "
         "of 300 bytes; the game copies it into a buffer of 260 bytes with its NUL and may crash while opening the "
         "archive\n"
         "@/Mod/Broken.big: warning: entry '" + longPath + "' (table offset 0x10) says its data lie at offset 0x14F "
         "for 1 byte, past the end of the 329-byte file\n"
         "@/Mod/Broken.big: warning: the entry table ends at offset 0x149 (end of file) in entry 2 of 2; the check "
         "goes on without this archive\n"
         "@/Mod/Kept.big: warning: entry 'Art\\Textures\\k.tga' (table offset 0x10) says its data lie at offset 0x2B "
         "for 1 byte, past the end of the 43-byte file\n",
         "vantrel-check: 1 INI file read, 1 image, 1 error, 3 warnings\n"},
        {"SheetNamesTheImagesItCannotCut", {{"Mod/Data/INI/MappedImages/HandCreated/A.ini", twoLost}},
         {"sheet", "@/Mod", "-o", "@/sheet.png"}, 1, "",
         "@/Mod/Data/INI/MappedImages/HandCreated/A.ini:2: warning: texture 'b.tga' not found; " + kLooked + "\n"
         "@/Mod/Data/INI/MappedImages/HandCreated/A.ini:8: warning: texture 'c.tga' not found; " + kLooked + "\n" +
             kNoGame + "vantrel-check: A not cut: texture not found\nvantrel-check: C not cut: texture not found\n"},
        {"OnePixelIsOnePixel",
         {{"Mod/Data/INI/MappedImages/HandCreated/A.ini",
           "MappedImage A\r\n Texture = a.tga\r\n TextureWidth = 5\r\n TextureHeight = 2\r\n"
           " Coords = Left:0 Top:0 Right:5 Bottom:2\r\nEnd\r\n"},
          {"Mod/Art/Textures/a.tga", test::MakeTarga32(5, 2, test::DistinctColor, [](int, int) { return 255; })}},
         {"lint", "@/Mod"}, 0,
         "@/Mod/Data/INI/MappedImages/HandCreated/A.ini:2: warning: the game draws texture '@/Mod/Art/Textures/a.tga' "
         "otherwise than the file means it: its rows are 20 bytes long, not a multiple of 16, and the game turns the "
         "picture upright 16 bytes at a time: the last 4 bytes of every row (1 pixel) stay upside down at the right "
         "edge\n",
         "vantrel-check: 1 INI file read, 1 image, 0 errors, 1 warning\n"},
        {"ABackslashPathThatExistsWithSlashes", {{"Mod/Data/INI/MappedImages/HandCreated/A.ini", kIni}},
         {"lint", "@\\Mod"}, 2, "",
         "vantrel-check: no such file or folder: @\\Mod (paths use / on Linux; did you mean @/Mod?)\n"
         "Run with --help for more information.\n", true},
        {"ABackslashPathThatDoesNotExist", {{"Mod/Data/INI/MappedImages/HandCreated/A.ini", kIni}},
         {"lint", "@/Mod", "--textures", "@\\Art"}, 2, "",
         "vantrel-check: --textures: no such file or folder: @\\Art (paths use / on Linux, not \\)\n"
         "Run with --help for more information.\n", true},
    };
}

void PrintTo(const ModderCase& c, std::ostream* os) { *os << c.name; }

class ModderCaseTest : public ::testing::TestWithParam<ModderCase> {};

TEST_P(ModderCaseTest, GivesExactlyThisOutput) {
    const ModderCase& c = GetParam();
#ifdef _WIN32
    if (c.linuxOnly) GTEST_SKIP() << "'\\' separates names on Windows";
#endif
    TempDir dir;
    for (const auto& [path, bytes] : c.files) WriteBytes(dir / path, bytes);
    const std::string root = dir.path().string();
    auto place = [&](std::string text, bool native) {
        if (native) text = Native(text);
        for (std::size_t at = text.find('@'); at != std::string::npos; at = text.find('@', at + root.size()))
            text.replace(at, 1, root);
        return text;
    };
    std::vector<std::string> arguments;
    for (const auto& argument : c.arguments) arguments.push_back(place(argument, !c.linuxOnly));
    const CommandRun run = Check(arguments);
    EXPECT_EQ(run.status, c.status);
    EXPECT_EQ(run.out, place(c.out, !c.linuxOnly));
    EXPECT_EQ(run.err, place(c.err, !c.linuxOnly));
}

INSTANTIATE_TEST_SUITE_P(Modder, ModderCaseTest, ::testing::ValuesIn(ModderCases()),
                         [](const auto& info) { return std::string(info.param.name); });

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
