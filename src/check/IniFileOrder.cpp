#include "check/IniFileOrder.h"

#include <algorithm>
#include <string>

#include "check/FolderWalk.h"
#include "check/GameIniTokens.h"
#include <initializer_list>
#include <string_view>

namespace vantrel::check {

std::string GameSortKey(const std::filesystem::path& relative) {
    std::string key;
    for (const auto& part : relative) {
        if (!key.empty()) key += '\\';
        key += LowerAscii(part.string());
    }
    return key;
}

std::vector<std::filesystem::path> IniFilesInGameOrder(const std::filesystem::path& folder) {
    struct Entry {
        std::string key;
        bool inSubfolder;
        std::filesystem::path path;
    };
    std::vector<Entry> entries;
    for (auto& path : FilesUnder(folder, GameListsSubfolder)) {
        const std::string name = LowerAscii(path.filename().string());
        if (!name.ends_with(".ini")) continue;
        const auto relative = path.lexically_relative(folder);
        entries.push_back({GameSortKey(relative), relative.has_parent_path(), std::move(path)});
    }
    std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
        if (a.inSubfolder != b.inSubfolder) return !a.inSubfolder;
        if (a.key != b.key)
            // Bytes compare as unsigned, as the game's case-insensitive compare does.
            return std::lexicographical_compare(a.key.begin(), a.key.end(), b.key.begin(), b.key.end(),
                                                [](char x, char y) {
                                                    return static_cast<unsigned char>(x) <
                                                           static_cast<unsigned char>(y);
                                                });
        return a.path < b.path;
    });
    std::vector<std::filesystem::path> files;
    for (auto& entry : entries) files.push_back(std::move(entry.path));
    return files;
}

namespace {

// The entry of the folder whose name matches without regard to case, if any.
std::optional<std::filesystem::path> SubfolderIgnoringCase(const std::filesystem::path& folder, std::string_view name) {
    std::optional<std::filesystem::path> found;
    for (const auto& entry : ListFolder(folder)) {
        if (entry.folder && EqualsIgnoringCase(entry.path.filename().string(), name) && (!found || entry.path < *found))
            found = entry.path;
    }
    return found;
}

std::optional<std::filesystem::path> SubfoldersIgnoringCase(std::filesystem::path folder,
                                                           std::initializer_list<std::string_view> names) {
    for (const auto name : names) {
        const auto next = SubfolderIgnoringCase(folder, name);
        if (!next) return std::nullopt;
        folder = *next;
    }
    return folder;
}

}  // namespace

bool IsGameRoot(const std::filesystem::path& folder) {
    return SubfoldersIgnoringCase(folder, {"Data", "INI", "MappedImages"}) ||
           SubfoldersIgnoringCase(folder, {"Art", "Textures"});
}

bool IsArchiveName(const std::filesystem::path& file) {
    const std::string name = LowerAscii(file.filename().string());
    return name.size() > 4 && name.ends_with(".big");
}

bool HoldsArchivesOnly(const std::filesystem::path& folder) {
    const auto files = FilesUnder(folder, GameListsSubfolder);
    return std::any_of(files.begin(), files.end(), [](const auto& file) { return IsArchiveName(file); }) &&
           std::none_of(files.begin(), files.end(),
                        [](const auto& file) { return LowerAscii(file.filename().string()).ends_with(".ini"); });
}

std::vector<GameFile> MappedImageFilesInGameOrder(const GameFileSystem& game,
                                                  const std::optional<std::filesystem::path>& userData) {
    std::vector<GameFile> files;
    if (userData) {
        // Read as the game reads any folder, but only its loose files: the archives hold no path
        // in the user's folder.
        if (const auto folder = SubfoldersIgnoringCase(*userData, {"INI", "MappedImages"})) {
            const auto userFiles = IniFilesInGameOrder(*folder);
            const bool holdsIniFiles = !userFiles.empty() && !userFiles.front().lexically_relative(*folder).has_parent_path();
            if (holdsIniFiles) {
                for (const auto& path : userFiles) {
                    GameFile file;
                    file.display = path.string();
                    file.loose = path;
                    files.push_back(std::move(file));
                }
            }
        }
    }
    for (const char* folder : {"Data\\INI\\MappedImages\\TextureSize_512", "Data\\INI\\MappedImages\\HandCreated"})
        for (auto& file : game.iniFilesInGameOrder(folder)) files.push_back(std::move(file));
    return files;
}

}  // namespace vantrel::check
