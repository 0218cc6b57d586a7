#include "check/TextureFolder.h"

#include <algorithm>
#include <vector>

#include "check/FolderWalk.h"
#include "check/GameIniTokens.h"

namespace vantrel::check {

TextureFolder::TextureFolder(const std::filesystem::path& folder) : folder_(folder) {
    std::vector<std::filesystem::path> files = FilesUnder(folder);
    std::sort(files.begin(), files.end());
    for (const auto& file : files) byLowerName_.try_emplace(LowerAscii(file.filename().string()), file);
}

std::optional<std::filesystem::path> TextureFolder::find(const std::string& lowerFileName) const {
    const auto it = byLowerName_.find(lowerFileName);
    if (it == byLowerName_.end()) return std::nullopt;
    return it->second;
}

TextureLookup TextureFolder::lookup(std::string_view textureName) const {
    const auto slash = textureName.find_last_of("/\\");
    const std::string lower = LowerAscii(slash == std::string_view::npos ? textureName : textureName.substr(slash + 1));
    TextureLookup result;
    if (lower.size() > 4 && lower.ends_with(".tga")) {
        result.dds = find(lower.substr(0, lower.size() - 4) + ".dds");
        result.tga = find(lower);
    } else if (lower.ends_with(".dds")) {
        result.dds = find(lower);
    }
    return result;
}

}  // namespace vantrel::check
