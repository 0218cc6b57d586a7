#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>

// The textures under one folder, found by file name without regard to case (the game's file
// system ignores case), searching every subfolder.
namespace vantrel::check {

struct TextureLookup {
    // The file the game would load for the name: the .dds of the same name comes first.
    std::optional<std::filesystem::path> dds;
    std::optional<std::filesystem::path> tga;
};

class TextureFolder {
public:
    explicit TextureFolder(const std::filesystem::path& folder);

    const std::filesystem::path& folder() const { return folder_; }

    // The texture a Texture value names. Only its last path component is looked up. For a name
    // ending in .tga the .dds of the same name is looked up as well.
    TextureLookup lookup(std::string_view textureName) const;

private:
    std::optional<std::filesystem::path> find(const std::string& lowerFileName) const;

    std::filesystem::path folder_;
    std::map<std::string, std::filesystem::path> byLowerName_;  // the first in path order wins
};

}  // namespace vantrel::check
