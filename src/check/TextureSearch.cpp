#include "check/TextureSearch.h"

#include "check/Finding.h"
#include "check/GameIniTokens.h"

namespace vantrel::check {

TextureSearch::TextureSearch(Places places)
    : game_(places.game), language_(std::move(places.language)), languageFolder_(places.languageFolder) {
    if (places.userData) userTextures_.emplace(*places.userData / "Textures");
    for (const auto& folder : places.folders) folders_.emplace_back(folder);
}

std::optional<GameFile> TextureSearch::find(std::string_view fileName) const {
    if (game_) {
        // GameFileClass::Set_Name: the language's folder (Zero Hour's), then the common one.
        if (languageFolder_)
            if (auto file = game_->find("Data\\" + language_ + "\\Art\\Textures\\" + std::string(fileName)))
                return file;
        if (auto file = game_->find("Art\\Textures\\" + std::string(fileName))) return file;
    }
    if (userTextures_) {
        if (auto path = userTextures_->find(fileName)) {
            GameFile file;
            file.display = path->string();
            file.loose = *path;
            return file;
        }
    }
    for (const auto& folder : folders_) {
        const TextureLookup found = folder.lookup(fileName);
        const auto& path = LowerAscii(fileName).ends_with(".dds") ? found.dds : found.tga;
        if (path) {
            GameFile file;
            file.display = path->string();
            file.loose = *path;
            return file;
        }
    }
    return std::nullopt;
}

FoundTexture TextureSearch::lookup(std::string_view textureName) const {
    FoundTexture result;
    const std::string lower = LowerAscii(textureName);
    if (lower.size() > 4 && lower.ends_with(".tga")) {
        result.dds = find(std::string(textureName.substr(0, textureName.size() - 4)) + ".dds");
        result.tga = find(textureName);
    } else if (lower.ends_with(".dds")) {
        result.dds = find(textureName);
    }
    return result;
}

std::string TextureSearch::describe() const {
    std::string places;
    auto add = [&](const std::string& place) { places += (places.empty() ? "" : ", ") + place; };
    if (game_) {
        if (languageFolder_) add(Quoted("Data\\" + language_ + "\\Art\\Textures"));
        add(Quoted("Art\\Textures"));
    }
    if (userTextures_) add(Quoted(userTextures_->folder().string()));
    for (const auto& folder : folders_) add(Quoted(folder.folder().string()));
    return places;
}

}  // namespace vantrel::check
