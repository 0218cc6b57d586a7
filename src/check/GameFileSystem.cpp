#include "check/GameFileSystem.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>

#include "check/Finding.h"
#include "check/FolderWalk.h"
#include "check/GameIniTokens.h"

namespace vantrel::check {

namespace fs = std::filesystem;

std::string GameKey(std::string_view path) {
    std::string key;
    key.reserve(path.size());
    for (const char c : path) {
        if (c == '/' || c == '\\') {
            if (!key.empty() && key.back() != '\\') key += '\\';
        } else {
            key += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
        }
    }
    return key;
}

std::optional<std::string> GameFile::read(std::string* problem) const {
    if (archive) {
        auto bytes = archive->read(*entry, problem);
        if (!bytes) *problem = "cannot read " + display + ": " + *problem;
        return bytes;
    }
    return ReadWholeFile(*loose, problem);
}

namespace {

const char* KindOfFile(fs::file_type type) {
    switch (type) {
        case fs::file_type::directory: return "a folder";
        case fs::file_type::fifo: return "a pipe";
        case fs::file_type::character: return "a character device";
        case fs::file_type::block: return "a block device";
        case fs::file_type::socket: return "a socket";
        default: return "not a regular file";
    }
}

}  // namespace

bool GameListsSubfolder(std::string_view name) { return name.find('.') == std::string_view::npos; }

std::optional<std::string> ReadWholeFile(const std::filesystem::path& path, std::string* problem) {
    // Only regular files are read, as the editor's reader reads them: a device such as /dev/zero
    // has no end, and opening a pipe waits for a writer that may never come.
    std::error_code error;
    const fs::file_status status = fs::status(SystemPath(path), error);
    if (status.type() == fs::file_type::not_found) {
        *problem = error ? error.message() : "no such file";
        return std::nullopt;
    }
    if (status.type() != fs::file_type::regular && status.type() != fs::file_type::unknown) {
        *problem = std::string("it is ") + KindOfFile(status.type()) + ", not a regular file; only regular files are read";
        return std::nullopt;
    }
    std::ifstream in(SystemPath(path), std::ios::binary);
    if (!in) {
        *problem = std::strerror(errno);
        return std::nullopt;
    }
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) {
        *problem = "read error";
        return std::nullopt;
    }
    return bytes;
}

LooseFolder::LooseFolder(const fs::path& folder) : folder_(folder) {
    for (const fs::path& path : FilesUnder(folder)) {
        std::string key = GameKey(path.lexically_relative(folder).string());
        auto [known, isNew] = files_.try_emplace(std::move(key), path);
        if (!isNew && path < known->second) known->second = path;
    }
}

std::optional<fs::path> LooseFolder::find(std::string_view relativePath) const {
    const auto it = files_.find(GameKey(relativePath));
    if (it == files_.end()) return std::nullopt;
    return it->second;
}

GameFileSystem::GameFileSystem(const GameFolders& folders) {
    std::vector<std::pair<fs::path, bool>> gameFolder;
    for (const auto& mod : folders.mods) {
        loose_.push_back({LooseFolder(mod), false});
        gameFolder.emplace_back(mod, false);
    }
    if (!folders.games.empty()) {
        loose_.push_back({LooseFolder(folders.games.front()), true});
        gameFolder.emplace_back(folders.games.front(), true);
    }
    openArchives(gameFolder, folders.archives);
    for (std::size_t i = 1; i < folders.games.size(); ++i) openArchives({{folders.games[i], true}});
    if (!folders.games.empty()) kind_ = DetectGameKind(folders.games.front());
}

GameKind DetectGameKind(const fs::path& gameFolder) {
    // Zero Hour's engine names its own archives with a ZH ending (it checks for genseczh.big and
    // musiczh.big where the original game checks gensec.big and music.big; its INI files are in
    // INIZH.big).
    for (const auto& entry : ListFolder(gameFolder)) {
        const std::string name = LowerAscii(entry.path.filename().string());
        if (name.size() > 6 && name.ends_with("zh.big")) return GameKind::ZeroHour;
    }
    return GameKind::Generals;
}

std::size_t GameFileSystem::looseFileCount() const {
    std::size_t count = 0;
    for (const auto& layer : loose_) count += layer.files.files().size();
    return count;
}

void GameFileSystem::openArchives(const std::vector<std::pair<fs::path, bool>>& folders,
                                  const std::vector<fs::path>& files) {
    struct Found {
        std::string key;
        fs::path path;
        bool fromGame;
    };
    std::vector<Found> found;
    for (const auto& [folder, fromGame] : folders) {
        // The loose index of the folder already holds every file; the archives are among them.
        for (const fs::path& path : FilesUnder(folder, GameListsSubfolder)) {
            std::string key = GameKey(path.lexically_relative(folder).string());
            if (key.size() > 4 && key.ends_with(".big")) found.push_back({std::move(key), path, fromGame});
        }
    }
    // An archive named on its own sorts by its name, as it would in the game's folder.
    for (const auto& file : files) found.push_back({GameKey(file.filename().string()), file, false});
    // In path order without regard to case; the same name in two folders keeps the folders' order.
    std::stable_sort(found.begin(), found.end(), [](const Found& a, const Found& b) { return a.key < b.key; });
    for (const auto& archiveFile : found) {
        BigOpenResult opened = BigArchive::Open(archiveFile.path);
        // Without an archive, the last problem is why; those before it concern single entries.
        for (std::size_t i = 0; i < opened.problems.size(); ++i)
            problems_.push_back({archiveFile.path, opened.problems[i].text, opened.problems[i].stopsTheGame,
                                 !opened.archive && i + 1 == opened.problems.size(), archiveFile.fromGame});
        if (!opened.archive) continue;
        if (opened.archive->format() != BigFormat::Bigf) {
            // Win32BIGFileSystem::openArchiveFile compares the first four bytes with "BIGF" and
            // leaves any other archive out.
            problems_.push_back({archiveFile.path,
                                 "the archive starts with 'BIG4' at offset 0x0; the game opens only archives that "
                                 "start with 'BIGF' and leaves this one out",
                                 false, true, archiveFile.fromGame});
            continue;
        }
        archives_.push_back({std::move(opened.archive), archiveFile.fromGame});
        const BigArchive* archive = archives_.back().archive.get();
        // Across archives the first opened keeps a path (ArchiveFileSystem::loadIntoDirectoryTree
        // without overwrite); within one archive ArchiveFile::addFile assigns its map entry by
        // name, so the last entry of a path wins.
        for (const auto& entry : archive->entries()) {
            const ArchivedFile file{archive, &entry, archiveFile.fromGame};
            auto [it, isNew] = archived_.try_emplace(GameKey(entry.path), file);
            if (!isNew && it->second.archive == archive) it->second = file;
        }
    }
}

GameFile GameFileSystem::fileFor(const Layer& layer, const fs::path& path) const {
    GameFile file;
    file.display = path.string();
    file.loose = path;
    file.fromGame = layer.fromGame;
    return file;
}

GameFile GameFileSystem::fileFor(const ArchivedFile& archived) {
    GameFile file;
    file.display = archived.archive->file().string() + ":" + archived.entry->path;
    file.archive = archived.archive;
    file.entry = archived.entry;
    file.fromGame = archived.fromGame;
    return file;
}

std::optional<GameFile> GameFileSystem::find(std::string_view gamePath) const {
    const std::string key = GameKey(gamePath);
    for (const auto& layer : loose_) {
        const auto it = layer.files.files().find(key);
        if (it != layer.files.files().end()) return fileFor(layer, it->second);
    }
    const auto it = archived_.find(key);
    if (it == archived_.end()) return std::nullopt;
    return fileFor(it->second);
}

std::string DisplayGamePath(std::string gamePath) {
    if (fs::path::preferred_separator != '\\') std::replace(gamePath.begin(), gamePath.end(), '\\', '/');
    return gamePath;
}

std::string JoinedList(const std::vector<std::string>& items, const char* conjunction) {
    std::string text;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0) text += i + 1 == items.size() ? std::string(" ") + conjunction + " " : std::string(", ");
        text += items[i];
    }
    return text;
}

std::string CountOf(std::uintmax_t count, const char* one, const char* many) {
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

std::string GameFileSystem::describePlaces(const std::vector<std::string>& gamePaths, const char* conjunction) const {
    // Game paths as this system writes paths.
    std::vector<std::string> paths;
    for (const auto& path : gamePaths) paths.push_back(DisplayGamePath(path));
    std::vector<std::string> folders;
    for (const auto& layer : loose_) folders.push_back(Quoted(layer.files.folder().string()));
    // The user's archives first: they are the ones a modder looks for. A real game has dozens.
    constexpr std::size_t kNamed = 4;
    std::vector<std::string> names;
    for (const bool fromGame : {false, true})
        for (const auto& open : archives_)
            if (open.fromGame == fromGame) names.push_back(Quoted(open.archive->file().filename().string()));
    std::string text = JoinedList(paths, conjunction);
    if (!folders.empty()) text += " of " + JoinedList(folders, conjunction);
    if (folders.empty() && names.empty()) text += ", with no folder and no archive that could be read";
    if (!names.empty()) {
        const std::size_t more = names.size() > kNamed + 1 ? names.size() - kNamed : 0;
        std::string named;
        for (std::size_t i = 0; i < names.size() - more; ++i) named += (i > 0 ? ", " : "") + names[i];
        if (more > 0) named += " and " + std::to_string(more) + " more";
        text += std::string(folders.empty() ? " in " : std::string(", ") + conjunction + " in ") +
                CountOf(archives_.size(), "archive", "archives") + " (" + named + ")";
    }
    return text;
}

std::vector<GameFile> GameFileSystem::iniFilesInGameOrder(std::string_view gameFolder) const {
    std::string prefix = GameKey(gameFolder);
    if (!prefix.empty() && prefix.back() != '\\') prefix += '\\';
    // Every path under the folder, loose or archived, once (FileSystem::getFileListInDirectory
    // lists both into one set ordered without regard to case).
    // The loose files' listing (Win32LocalFileSystem::getFileListInDirectory) descends only into
    // subfolders that match "*.", names without a dot; the archives' listing has no such rule.
    std::vector<std::string> keys;
    auto collect = [&](const auto& map, bool loose) {
        for (auto it = map.lower_bound(prefix); it != map.end() && it->first.starts_with(prefix); ++it) {
            if (!it->first.ends_with(".ini")) continue;
            if (loose) {
                const std::size_t lastSeparator = it->first.rfind('\\');
                if (lastSeparator != std::string::npos && lastSeparator >= prefix.size() &&
                    it->first.find('.', prefix.size()) < lastSeparator)
                    continue;
            }
            keys.push_back(it->first);
        }
    };
    for (const auto& layer : loose_) collect(layer.files.files(), true);
    collect(archived_, false);
    std::sort(keys.begin(), keys.end());
    keys.erase(std::unique(keys.begin(), keys.end()), keys.end());
    std::stable_partition(keys.begin(), keys.end(), [&](const std::string& key) {
        return key.find('\\', prefix.size()) == std::string::npos;
    });
    std::vector<GameFile> files;
    files.reserve(keys.size());
    for (const auto& key : keys) files.push_back(*find(key));
    return files;
}

}  // namespace vantrel::check
