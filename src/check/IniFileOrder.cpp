#include "check/IniFileOrder.h"

#include <algorithm>
#include <string>

#include "check/GameIniTokens.h"

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
    std::error_code error;
    for (auto it = std::filesystem::recursive_directory_iterator(
             folder, std::filesystem::directory_options::skip_permission_denied, error);
         !error && it != std::filesystem::recursive_directory_iterator(); it.increment(error)) {
        if (!it->is_regular_file(error)) continue;
        const std::string name = LowerAscii(it->path().filename().string());
        if (!name.ends_with(".ini")) continue;
        const auto relative = it->path().lexically_relative(folder);
        entries.push_back({GameSortKey(relative), relative.has_parent_path(), it->path()});
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

}  // namespace vantrel::check
