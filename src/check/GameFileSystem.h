#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "check/BigArchive.h"

// The files the game sees, as its file system finds them (FileSystem::openFile): a loose file
// first, and only when there is none, the file of that path in the archives. Paths are matched
// without regard to letter case, with '\' or '/' between folder names.
//
// What is loose and which archives are open, in the game's order:
// - the mod folders' loose files (a mod is its files copied into the game's folder; they replace
//   the game's own), then the first game folder's loose files;
// - the .big archives of the mod folders and the first game folder, found in every subfolder (whose
//   name has no dot, see GameListsSubfolder) and
//   opened in order of their paths without regard to case, as one folder
//   (Win32BIGFileSystem::loadBigFilesFromDirectory); when two hold the same path, the one opened
//   first wins (ArchiveFileSystem::loadIntoDirectoryTree does not overwrite);
// - the .big archives of each further game folder, opened after those, in the same way. Zero
//   Hour opens the original game's archives this way after its own (Win32BIGFileSystem::init,
//   with the install path the registry gives), so the first game folder is Zero Hour's and the
//   second the original game's. Of those folders only the archives are seen, no loose file.
namespace vantrel::check {

// One file the game finds.
struct GameFile {
    std::string display;  // what findings call it: the loose file's path, or "archive:path inside"
    std::optional<std::filesystem::path> loose;
    const BigArchive* archive = nullptr;
    const BigEntry* entry = nullptr;
    bool fromGame = false;  // found in a game folder (loose or archived), not in a mod folder

    std::optional<std::string> read(std::string* problem) const;
};

// A folder's files by lower-case relative path with '\' separators, for lookups without regard
// to case. Among paths that differ only in case, the first in path order is kept.
class LooseFolder {
public:
    explicit LooseFolder(const std::filesystem::path& folder);

    const std::filesystem::path& folder() const { return folder_; }
    const std::map<std::string, std::filesystem::path>& files() const { return files_; }
    std::optional<std::filesystem::path> find(std::string_view relativePath) const;

private:
    std::filesystem::path folder_;
    std::map<std::string, std::filesystem::path> files_;
};

// Whether the game's listing of loose files descends into a subfolder of this name: only names
// without a dot match its "*." (Win32LocalFileSystem::getFileListInDirectory). That listing finds
// the .big archives and a folder's INI files; a file opened by its path is found in any folder.
bool GameListsSubfolder(std::string_view name);

// The lower-case form of a game path with '\' between names and no leading separator.
std::string GameKey(std::string_view path);

// Which game a --game folder holds. The two differ where vantrel-check models them: Zero Hour looks
// for textures in Data\<language>\Art\Textures first (GameFileClass::Set_Name), the original
// game last; Zero Hour's Targa reader leaves a strip of bottom-origin textures upside down.
enum class GameKind { ZeroHour, Generals };

// Zero Hour when the folder holds an archive whose name ends in "ZH.big" (INIZH.big and the rest of
// Zero Hour's own), in any letter case; else the original game.
GameKind DetectGameKind(const std::filesystem::path& gameFolder);

struct GameFolders {
    std::vector<std::filesystem::path> mods;   // searched first, in this order
    std::vector<std::filesystem::path> games;  // --game, in this order
    // .big files named on their own: a mod's archives, opened with the mod folders' archives as
    // if they lay in the game's folder.
    std::vector<std::filesystem::path> archives = {};
};

class GameFileSystem {
public:
    explicit GameFileSystem(const GameFolders& folders);

    // Archives that could not be opened or are left out, or have entries outside the file.
    struct Problem {
        std::filesystem::path archive;
        std::string text;  // names the offset where there is one
        bool stopsTheGame = false;  // see BigProblem
        bool leftOut = false;       // this is why the archive is not read at all
        bool fromGame = false;      // one of the game's own archives (from a --game folder)
    };
    const std::vector<Problem>& problems() const { return problems_; }
    std::size_t archiveCount() const { return archives_.size(); }
    std::size_t looseFileCount() const;

    std::optional<GameFile> find(std::string_view gamePath) const;

    // Where find() looks for the given game paths, for a message: "A and B of 'Mod' and 'Game',
    // and in 3 archives ('X.big', 'Y.big', 'Z.big')", with `conjunction` ("and", "or") between the
    // last two of each list. The mods' archives are named before the game's, at most a few.
    std::string describePlaces(const std::vector<std::string>& gamePaths, const char* conjunction) const;

    // The game of the first --game folder; Zero Hour, which mods mostly target, without one.
    GameKind kind() const { return kind_; }

    // The .ini files under the folder and its subfolders, each found as find() finds it, in the
    // order INI::loadDirectory loads them: by path without regard to case, the folder's own files
    // first, then those of its subfolders.
    std::vector<GameFile> iniFilesInGameOrder(std::string_view gameFolder) const;

private:
    struct Layer {
        LooseFolder files;
        bool fromGame;
    };
    struct ArchivedFile {
        const BigArchive* archive;
        const BigEntry* entry;
        bool fromGame;
    };
    void openArchives(const std::vector<std::pair<std::filesystem::path, bool>>& folders,
                      const std::vector<std::filesystem::path>& files = {});
    GameFile fileFor(const Layer& layer, const std::filesystem::path& path) const;
    static GameFile fileFor(const ArchivedFile& archived);

    struct OpenArchive {
        std::unique_ptr<BigArchive> archive;
        bool fromGame;
    };
    std::vector<Layer> loose_;
    std::vector<OpenArchive> archives_;
    std::map<std::string, ArchivedFile> archived_;  // by GameKey; the winning archive's entry
    std::vector<Problem> problems_;
    GameKind kind_ = GameKind::ZeroHour;
};

// A game path (with '\\' between names) as this system writes paths, for messages.
std::string DisplayGamePath(std::string gamePath);

// "a", "a and b", "a, b and c", with the conjunction given.
std::string JoinedList(const std::vector<std::string>& items, const char* conjunction);

// A count and its unit: "1 pixel", "2 pixels".
std::string CountOf(std::uintmax_t count, const char* one, const char* many);

// A loose file's bytes, whole; nullopt with *problem set when it cannot be read.
std::optional<std::string> ReadWholeFile(const std::filesystem::path& path, std::string* problem);

}  // namespace vantrel::check
