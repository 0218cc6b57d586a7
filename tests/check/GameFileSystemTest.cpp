// The game's view of a mod and of the game: .big archives, which file wins, the MappedImage
// folders in the game's order, and where textures are looked for.
#include <gtest/gtest.h>

#include <algorithm>

#include "BigWriter.h"
#include "TgaWriter.h"
#include "check/BigArchive.h"
#include "check/GameFileSystem.h"
#include "check/IniFileOrder.h"
#include "check/Linter.h"
#include "FindingPrinter.h"
#include "check/TextureSearch.h"
#include "support/TestData.h"

namespace vantrel::check {
namespace {

using test::MakeBig;
using test::WriteBytes;
using vantrel::test::TempDir;

// A path as this system writes it.
std::string Native(std::filesystem::path path) { return path.make_preferred().string(); }

std::string Read(const std::optional<GameFile>& file) {
    if (!file) return "(not found)";
    std::string problem;
    const auto bytes = file->read(&problem);
    return bytes ? *bytes : "(unreadable: " + problem + ")";
}

std::vector<std::string> Displays(const std::vector<GameFile>& files, const std::filesystem::path& base) {
    std::vector<std::string> names;
    // Names under base lose it, and their folder separators read '/' on every system; an
    // archive's entry name after the ':' keeps its '\\'.
    for (const auto& file : files) {
        std::string name = file.display;
        const std::string prefix = base.string();
        if (name.size() > prefix.size() && name.starts_with(prefix) &&
            (name[prefix.size()] == '/' || name[prefix.size()] == '\\')) {
            name.erase(0, prefix.size() + 1);
            const std::size_t entry = std::min(name.find(':'), name.size());
            std::replace(name.begin(), name.begin() + static_cast<std::ptrdiff_t>(entry), '\\', '/');
        }
        names.push_back(name);
    }
    return names;
}

TEST(BigArchive, ReadsTheTableAndEachEntryInPlaceForBothHeaders) {
    TempDir dir;
    for (const char* magic : {"BIGF", "BIG4"}) {
        const auto path = dir / (std::string(magic) + ".big");
        WriteBytes(path, MakeBig({{"Data\\INI\\A.ini", "first"}, {"Art/Textures/b.tga", ""}, {"c", "third"}}, magic));
        const BigOpenResult opened = BigArchive::Open(path);
        ASSERT_TRUE(opened.archive) << magic;
        EXPECT_TRUE(opened.problems.empty());
        EXPECT_EQ(opened.archive->format(), std::string(magic) == "BIGF" ? BigFormat::Bigf : BigFormat::Big4);
        const auto& entries = opened.archive->entries();
        ASSERT_EQ(entries.size(), 3u);
        EXPECT_EQ(entries[0].path, "Data\\INI\\A.ini");
        EXPECT_EQ(entries[1].path, "Art/Textures/b.tga");
        std::string problem;
        EXPECT_EQ(opened.archive->read(entries[0], &problem), "first");
        EXPECT_EQ(opened.archive->read(entries[1], &problem), "");
        EXPECT_EQ(opened.archive->read(entries[2], &problem), "third");
    }
}

TEST(BigArchive, ADamagedArchiveIsReportedWithTheOffset) {
    TempDir dir;
    const std::string good = MakeBig({{"a.ini", "0123456789"}, {"b.ini", "x"}});
    struct Case {
        const char* name;
        std::string bytes;
        bool usable;
        bool stopsTheGame;
        std::string message;
    };
    std::string countTooLarge = good;
    countTooLarge[8] = '\x7F';  // the count's high byte
    std::string pastTheEnd = good;
    pastTheEnd[0x10 + 4 + 3] = '\x40';  // a.ini's size: 0x40 bytes, past the end of the file
    // The game copies an entry's path into a char[260] with its NUL: 259 bytes fit, 260 do not.
    const std::string longest(259, 'p'), tooLong(260, 'q');
    const std::vector<Case> cases = {
        {"zip.big", "PK\x03\x04 not an archive at all", false, false, "not a .big archive: it starts with 'PK\\x03\\x04' at offset 0x0"},
        {"header.big", std::string("BIGF\x10\x00", 6), false, false, "the header ends at offset 0x6, before its 16 bytes"},
        {"count.big", countTooLarge, false, true, "the entry count at offset 0x8 says 2130706434 entries"},
        {"table.big", MakeBig({{"a.ini", "0123456789"}}).substr(0, 0x10 + 8 + 3), false, false,
         "the path of entry 1 at offset 0x18 has no terminating NUL byte before the end of the file"},
        {"cut.big", good.substr(0, 0x10 + 14 + 4), false, false, "the entry table ends at offset 0x22 (end of file) in entry 2 of 2"},
        {"past.big", pastTheEnd, true, false, "entry 'a.ini' (table offset 0x10) says its data lie at offset 0x2C for 64 bytes"},
        {"empty.big", MakeBig({{"a.ini", "x"}, {"", "y"}}), false, false,
         "entry 2 of 2 (table offset 0x1E) has an empty path"},
        {"long.big", MakeBig({{longest, "x"}, {tooLong, "y"}}), true, true,
         "(table offset 0x11C) has a path of 260 bytes; the game copies it into a buffer of 260 bytes"},
    };
    for (const auto& c : cases) {
        WriteBytes(dir / c.name, c.bytes);
        const BigOpenResult opened = BigArchive::Open(dir / c.name);
        EXPECT_EQ(opened.archive != nullptr, c.usable) << c.name;
        ASSERT_FALSE(opened.problems.empty()) << c.name;
        EXPECT_NE(opened.problems.back().text.find(c.message), std::string::npos) << c.name << ": " << opened.problems.back().text;
        EXPECT_EQ(opened.problems.back().stopsTheGame, c.stopsTheGame) << c.name;
    }
    // The entry outside the file stays in the table and fails when read; the others read.
    const BigOpenResult past = BigArchive::Open(dir / "past.big");
    std::string problem;
    EXPECT_FALSE(past.archive->read(past.archive->entries()[0], &problem));
    EXPECT_NE(problem.find("offset 0x2C"), std::string::npos) << problem;
    EXPECT_EQ(past.archive->read(past.archive->entries()[1], &problem), "x");
}

// A sparse file of 4 GiB whose header claims as many entries as that size allows: the table is
// zeros, and reading it to the count would take minutes and, sized from the count, 19 GB.
TEST(BigArchive, ASparseArchiveOfZerosIsLeftOutAtItsFirstEntry) {
    TempDir dir;
    const auto path = dir / "sparse.big";
    std::string header = MakeBig({});
    const std::uintmax_t size = std::uintmax_t{4} << 30;
    const auto count = static_cast<std::uint32_t>((size - 16) / 9);
    for (int i = 0; i < 4; ++i) header[8 + i] = static_cast<char>((count >> (24 - 8 * i)) & 0xFF);
    WriteBytes(path, header);
    std::error_code error;
    std::filesystem::resize_file(path, size, error);
    if (error) GTEST_SKIP() << "this file system cannot hold a sparse 4 GiB file: " << error.message();
    const BigOpenResult opened = BigArchive::Open(path);
    EXPECT_FALSE(opened.archive);
    ASSERT_EQ(opened.problems.size(), 1u);
    EXPECT_NE(opened.problems[0].text.find("entry 1 of " + std::to_string(count) + " (table offset 0x10) has an empty path"),
              std::string::npos)
        << opened.problems[0].text;
}

// A game folder and a mod folder with the same paths in several places, each file saying where it is.
class GameFiles : public ::testing::Test {
protected:
    void SetUp() override {
        WriteBytes(game / "INIZH.big", MakeBig({{"Data\\INI\\Same.ini", "INIZH.big"},
                                                {"data\\ini\\OnlyZH.INI", "INIZH.big"},
                                                {"Data\\INI\\Loose.ini", "INIZH.big"},
                                                {"Data\\INI\\Twice.ini", "INIZH.big, first entry"},
                                                {"data\\ini\\TWICE.ini", "INIZH.big, second entry"}}));
        WriteBytes(game / "W3DZH.big", MakeBig({{"DATA/INI/same.ini", "W3DZH.big"}, {"Data\\INI\\Mod.ini", "W3DZH.big"},
                                                {"Data\\INI\\Twice.ini", "W3DZH.big"}}));
        WriteBytes(game / "Data" / "INI" / "Loose.ini", "game loose");
        WriteBytes(game / "Broken.big", "BIGF");
        WriteBytes(game / "Later.big", MakeBig({{"Data\\INI\\Later.ini", "BIG4 archive"}}, "BIG4"));
        WriteBytes(original / "INI.big", MakeBig({{"Data\\INI\\Same.ini", "original INI.big"},
                                                  {"Data\\INI\\Original.ini", "original INI.big"}}));
        WriteBytes(original / "Data" / "INI" / "OriginalLoose.ini", "never seen");
        WriteBytes(mod / "!Mod.big", MakeBig({{"Data\\INI\\Mod.ini", "!Mod.big"}}));
        WriteBytes(mod / "DATA" / "ini" / "loose.INI", "mod loose");
    }

    GameFileSystem make() const { return GameFileSystem({{mod.path()}, {game.path(), original.path()}}); }

    TempDir game, original, mod;
};

TEST_F(GameFiles, LooseFilesWinThenTheFirstArchiveByNameThenTheOriginalGamesArchives) {
    const GameFileSystem files = make();
    EXPECT_EQ(Read(files.find("Data\\INI\\Loose.ini")), "mod loose");    // mod loose over game loose over archives
    EXPECT_EQ(Read(files.find("data/ini/SAME.ini")), "INIZH.big");        // INIZH.big opens before W3DZH.big
    EXPECT_EQ(Read(files.find("Data\\INI\\Mod.ini")), "!Mod.big");        // '!' sorts before letters
    EXPECT_EQ(Read(files.find("Data\\INI\\OnlyZH.ini")), "INIZH.big");
    // Within one archive the last entry of a path wins; across archives the first archive still does.
    EXPECT_EQ(Read(files.find("Data\\INI\\Twice.ini")), "INIZH.big, second entry");
    EXPECT_EQ(Read(files.find("Data\\INI\\Original.ini")), "original INI.big");
    EXPECT_EQ(Read(files.find("Data\\INI\\OriginalLoose.ini")), "(not found)");  // only its archives are seen
    EXPECT_EQ(Read(files.find("Data\\INI\\Later.ini")), "(not found)");          // a BIG4 archive is left out
    EXPECT_FALSE(files.find("Data\\INI\\Mod.ini")->fromGame);
    EXPECT_TRUE(files.find("Data\\INI\\Same.ini")->fromGame);
    EXPECT_EQ(files.find("Data\\INI\\Same.ini")->display, (game / "INIZH.big").string() + ":Data\\INI\\Same.ini");

    ASSERT_EQ(files.problems().size(), 2u);
    EXPECT_EQ(files.problems()[0].archive, game / "Broken.big");
    EXPECT_NE(files.problems()[0].text.find("offset 0x4"), std::string::npos) << files.problems()[0].text;
    EXPECT_EQ(files.problems()[1].archive, game / "Later.big");
    EXPECT_NE(files.problems()[1].text.find("opens only archives that start with 'BIGF'"), std::string::npos);
}

TEST_F(GameFiles, ZeroHourIsToldFromTheOriginalGameByItsZhArchives) {
    EXPECT_EQ(DetectGameKind(game.path()), GameKind::ZeroHour);
    EXPECT_EQ(DetectGameKind(original.path()), GameKind::Generals);
    EXPECT_EQ(make().kind(), GameKind::ZeroHour);
    EXPECT_EQ(GameFileSystem({{mod.path()}, {original.path(), game.path()}}).kind(), GameKind::Generals);
    EXPECT_EQ(GameFileSystem({{mod.path()}, {}}).kind(), GameKind::ZeroHour);  // no game folder: Zero Hour
    WriteBytes(original / "inizh.BIG", "");
    EXPECT_EQ(DetectGameKind(original.path()), GameKind::ZeroHour);
}

// Folders whose names differ only in letter case are two folders on Linux, which the game's
// view joins, and one folder on Windows, spelt as it was first made.
#ifdef _WIN32
constexpr const char* kSubFolderIni = "DATA/ini/Sub/a.ini";
constexpr const char* kTextureSize512 = "data/ini/mappedimages/TextureSize_512/";
#else
constexpr const char* kSubFolderIni = "Data/INI/Sub/a.ini";
constexpr const char* kTextureSize512 = "Data/INI/MappedImages/TextureSize_512/";
#endif

TEST_F(GameFiles, AFolderListsLooseAndArchivedFilesOnceEachInTheGamesOrder) {
    WriteBytes(mod / "Data" / "INI" / "Sub" / "a.ini", "sub");
    WriteBytes(mod / "Data" / "INI" / "notes.txt", "not an INI file");
    const GameFileSystem files = make();
    EXPECT_EQ(Displays(files.iniFilesInGameOrder("data\\ini"), mod.path()),
              (std::vector<std::string>{"DATA/ini/loose.INI", "!Mod.big:Data\\INI\\Mod.ini",
                                        (game / "INIZH.big").string() + ":data\\ini\\OnlyZH.INI",
                                        (original / "INI.big").string() + ":Data\\INI\\Original.ini",
                                        (game / "INIZH.big").string() + ":Data\\INI\\Same.ini",
                                        (game / "INIZH.big").string() + ":data\\ini\\TWICE.ini", kSubFolderIni}));
}

// The game's listing of loose files descends only into subfolders without a dot in their name
// (Win32LocalFileSystem::getFileListInDirectory matches "*."); it finds both the INI files of a
// folder and the .big archives. The archives' own listing has no such rule, and a file opened by
// its path is found in any folder.
TEST(MappedImageFolders, SubfoldersWithADotInTheirNameAreNotListed) {
    TempDir mod;
    const std::string hand = "Data\\INI\\MappedImages\\HandCreated\\";
    WriteBytes(mod / "Data" / "INI" / "MappedImages" / "HandCreated" / "Old.v1" / "Old.ini", "");
    WriteBytes(mod / "Data" / "INI" / "MappedImages" / "HandCreated" / "New" / "New.ini", "");
    WriteBytes(mod / "Sub.d" / "Hidden.big", MakeBig({{hand + "FromHidden.ini", ""}}));
    WriteBytes(mod / "Sub" / "Seen.big", MakeBig({{hand + "Archived.v2\\FromSeen.ini", ""}}));
    const GameFileSystem files({{mod.path()}, {}});
    EXPECT_EQ(files.archiveCount(), 1u);
    EXPECT_EQ(Displays(MappedImageFilesInGameOrder(files, std::nullopt), mod.path()),
              (std::vector<std::string>{"Sub/Seen.big:" + hand + "Archived.v2\\FromSeen.ini",
                                        "Data/INI/MappedImages/HandCreated/New/New.ini"}));
    EXPECT_TRUE(files.find(hand + "Old.v1\\Old.ini"));
}

TEST(MappedImageFolders, UserDataThenTextureSize512ThenHandCreatedAndNothingElse) {
    TempDir mod, user;
    WriteBytes(mod / "data" / "ini" / "mappedimages" / "handcreated" / "Hand.ini", "");
    WriteBytes(mod / "Data" / "INI" / "MappedImages" / "TextureSize_512" / "B.ini", "");
    WriteBytes(mod / "Data" / "INI" / "MappedImages" / "TextureSize_512" / "deeper" / "A.ini", "");
    WriteBytes(mod / "Data" / "INI" / "MappedImages" / "TextureSize_512" / "a.ini", "");
    WriteBytes(mod / "Data" / "INI" / "MappedImages" / "TextureSize_256" / "Small.ini", "");
    WriteBytes(mod / "Data" / "INI" / "MappedImages" / "Other.ini", "");
    WriteBytes(user / "INI" / "MappedImages" / "Mine.ini", "");
    WriteBytes(user / "INI" / "MappedImages" / "Sub" / "Deep.ini", "");
    const GameFileSystem files({{mod.path()}, {}});
    const std::string size512 = kTextureSize512;
    const std::vector<std::string> gameOrder = {size512 + "a.ini", size512 + "B.ini", size512 + "deeper/A.ini",
                                                "data/ini/mappedimages/handcreated/Hand.ini"};
    EXPECT_EQ(Displays(MappedImageFilesInGameOrder(files, std::nullopt), mod.path()), gameOrder);

    std::vector<std::string> withUser = {(user / "INI/MappedImages/Mine.ini").make_preferred().string(),
                                         (user / "INI/MappedImages/Sub/Deep.ini").make_preferred().string()};
    withUser.insert(withUser.end(), gameOrder.begin(), gameOrder.end());
    EXPECT_EQ(Displays(MappedImageFilesInGameOrder(files, user.path()), mod.path()), withUser);

    // Without an INI file of its own the folder is not read, even when a subfolder holds one.
    std::filesystem::remove(user / "INI" / "MappedImages" / "Mine.ini");
    EXPECT_EQ(Displays(MappedImageFilesInGameOrder(files, user.path()), mod.path()), gameOrder);

    EXPECT_TRUE(IsGameRoot(mod.path()));
    EXPECT_FALSE(IsGameRoot(mod / "Data"));
    WriteBytes(user / "ART" / "textures" / "x.tga", "");
    EXPECT_TRUE(IsGameRoot(user.path()));
}

TEST(TextureSearchOrder, LanguageFolderThenArtTexturesThenUserDataThenMapPreviewsThenTexturesFoldersInOrder) {
    TempDir mod, game, user, first, second;
    WriteBytes(mod / "Art" / "Textures" / "Tank.tga", "common");
    WriteBytes(mod / "Data" / "English" / "Art" / "Textures" / "tank.TGA", "english");
    WriteBytes(mod / "Data" / "Spanish" / "Art" / "Textures" / "Victorious.dds", "spanish dds");
    WriteBytes(mod / "Art" / "Textures" / "Victorious.tga", "common");
    WriteBytes(game / "TexturesZH.big", MakeBig({{"Art\\Textures\\Retail.tga", "archived"}}));
    WriteBytes(game / "EnglishZH.big", MakeBig({{"Data\\English\\Art\\Textures\\Retail.tga", "archived english"}}));
    WriteBytes(user / "Textures" / "Mine.tga", "user");
    WriteBytes(user / "MapPreviews" / "Mine.tga", "preview");
    WriteBytes(user / "MapPreviews" / "Map.tga", "preview");
    WriteBytes(user / "MapPreviews" / "Map.dds", "never looked for");
    WriteBytes(mod / "Data" / "English" / "Art" / "Textures" / "Map.tga", "english");
    WriteBytes(mod / "Data" / "English" / "Art" / "Textures" / "Flag.tga", "english");
    WriteBytes(first / "Flag.tga", "first");
    WriteBytes(first / "deep" / "Extra.tga", "first");
    WriteBytes(second / "Extra.tga", "second");
    WriteBytes(second / "Only.tga", "second only");
    const GameFileSystem files({{mod.path()}, {game.path()}});
    TextureSearch::Places places{&files, "English", user.path(), {first.path(), second.path()}};
    const TextureSearch english(places);
    EXPECT_EQ(Read(english.lookup("TANK.tga").tga), "english");
    EXPECT_EQ(Read(english.lookup("Victorious.tga").tga), "common");
    EXPECT_FALSE(english.lookup("Victorious.tga").dds);  // the Spanish folder is not the English game's
    EXPECT_EQ(Read(english.lookup("Retail.tga").tga), "archived english");
    EXPECT_EQ(Read(english.lookup("mine.tga").tga), "user");
    EXPECT_EQ(Read(english.lookup("Map.tga").tga), "english");
    EXPECT_FALSE(english.lookup("Map.tga").dds);  // map previews are looked for as .tga only
    EXPECT_EQ(Read(english.lookup("Extra.tga").tga), "first");
    EXPECT_EQ(Read(english.lookup("Only.tga").tga), "second only");
    EXPECT_FALSE(english.lookup("Nowhere.tga").tga);

    // The original game looks in the language folder last, after the user's MapPreviews.
    places.languageFolderFirst = false;
    const TextureSearch original(places);
    EXPECT_EQ(Read(original.lookup("TANK.tga").tga), "common");
    EXPECT_EQ(Read(original.lookup("Retail.tga").tga), "archived");
    EXPECT_EQ(Read(original.lookup("Map.tga").tga), "preview");
    EXPECT_EQ(Read(original.lookup("Flag.tga").tga), "english");  // before the --textures folders
    // Where a texture is not found: each folder, the archives, with the system's separator.
    EXPECT_EQ(original.describe(), "looked in " + Native("Art/Textures") + " and " + Native("Data/English/Art/Textures") +
                                       " of " + Quoted(mod.path().string()) + " and " + Quoted(game.path().string()) +
                                       ", and in 2 archives ('EnglishZH.big', 'TexturesZH.big'); in " +
                                       Quoted((user / "Textures").string()) + "; in " +
                                       Quoted((user / "MapPreviews").string()) + " (.tga only); in " +
                                       Quoted(first.path().string()) + "; in " + Quoted(second.path().string()));

    places.languageFolderFirst = true;
    places.language = "Spanish";
    const TextureSearch spanish(places);
    EXPECT_EQ(Read(spanish.lookup("Victorious.tga").dds), "spanish dds");
    EXPECT_EQ(Read(spanish.lookup("Tank.tga").tga), "common");
    EXPECT_EQ(Read(spanish.lookup("Retail.tga").tga), "archived");
}


// Lint of a mod with the game's own files: what the mod changes of the game is named with both
// places, the game's files themselves are not the mod's to mend, and a missing texture is said once.
TEST(LintWithTheGame, AModBlockOverTheGamesImageNamesBothPlacesAndAMissingTextureIsReportedOnce) {
    TempDir mod, game;
    const std::string retailBlock =
        "MappedImage SNTank\r\n Texture = SNCameos.tga\r\n TextureWidth = 512\r\n TextureHeight = 512\r\n"
        " Coords = Left:0 Top:0 Right:61 Bottom:48\r\nEnd\r\n"
        "MappedImage Unused\r\n bogus line the mod cannot mend\r\nEnd\r\n";
    WriteBytes(game / "INIZH.big",
               MakeBig({{"Data\\INI\\MappedImages\\TextureSize_512\\SCSNCameos.INI", retailBlock}}));
    WriteBytes(game / "TexturesZH.big", MakeBig({{"Art\\Textures\\SNCameos.tga", "checked by the inspector"}}));
    // HandCreated loads after TextureSize_512: overriding Coords alone keeps the game's texture size.
    WriteBytes(mod / "Data" / "INI" / "MappedImages" / "HandCreated" / "Mod.ini",
               "MappedImage SNTank\r\n Coords = Left:1 Top:1 Right:62 Bottom:49\r\nEnd\r\n"
               "MappedImage ModA\r\n Texture = ModIcons.tga\r\n TextureWidth = 64\r\n TextureHeight = 64\r\n"
               " Coords = Left:0 Top:0 Right:8 Bottom:8\r\nEnd\r\n"
               "MappedImage ModB\r\n Texture = modicons.TGA\r\n TextureWidth = 64\r\n TextureHeight = 64\r\n"
               " Coords = Left:8 Top:0 Right:16 Bottom:8\r\nEnd\r\n");
    const GameFileSystem files({{mod.path()}, {game.path()}});
    LintOptions options;
    options.textures.emplace(TextureSearch::Places{&files, "English", std::nullopt, {}});
    std::vector<std::string> inspected;
    options.inspectTarga = [&](const GameFile& texture) {
        inspected.push_back(texture.display);
        TargaFacts facts;
        facts.width = facts.height = 512;
        return facts;
    };
    Linter linter(std::move(options));
    for (const auto& file : MappedImageFilesInGameOrder(files, std::nullopt)) {
        std::string problem;
        linter.addFile(file.display, *file.read(&problem), file.fromGame);
    }
    const std::string retail = (game / "INIZH.big").string() + ":Data\\INI\\MappedImages\\TextureSize_512\\SCSNCameos.INI";
    const std::string modFile = (mod / "Data/INI/MappedImages/HandCreated/Mod.ini").make_preferred().string();
    const std::vector<Finding> expected = {
        {modFile, 1, Severity::Warning,
         "image 'SNTank' redefines the game's own image 'SNTank' from " + retail +
             ":1; the game merges this block into it, field by field"},
        {modFile, 5, Severity::Warning,
         "texture 'ModIcons.tga' not found; looked in " + Native("Data/English/Art/Textures") + " and " +
             Native("Art/Textures") + " of " + Quoted(mod.path().string()) + " and " + Quoted(game.path().string()) +
             ", and in 2 archives ('INIZH.big', 'TexturesZH.big') (named by 2 images; reported once)"},
    };
    EXPECT_EQ(linter.finish(), expected);
    // The texture of the game's image the mod changed is found in the archive and checked.
    EXPECT_EQ(inspected, std::vector<std::string>{(game / "TexturesZH.big").string() + ":Art\\Textures\\SNCameos.tga"});
}

}  // namespace
}  // namespace vantrel::check
