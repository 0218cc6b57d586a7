#include "check/TextureSearch.h"

#include "check/Finding.h"
#include "check/GameIniTokens.h"

namespace vantrel::check {

TextureSearch::TextureSearch(Places places)
    : game_(places.game), language_(std::move(places.language)), languageFolderFirst_(places.languageFolderFirst) {
    if (places.userData) {
        userTextures_.emplace(*places.userData / "Textures");
        userMapPreviews_.emplace(*places.userData / "MapPreviews");
    }
    for (const auto& folder : places.folders) folders_.emplace_back(folder);
}

namespace {

std::optional<GameFile> LooseFile(const std::optional<LooseFolder>& folder, std::string_view fileName) {
    if (!folder) return std::nullopt;
    const auto path = folder->find(fileName);
    if (!path) return std::nullopt;
    GameFile file;
    file.display = path->string();
    file.loose = *path;
    return file;
}

}  // namespace

std::optional<GameFile> TextureSearch::findInLanguageFolder(std::string_view fileName) const {
    if (!game_) return std::nullopt;
    return game_->find("Data\\" + language_ + "\\Art\\Textures\\" + std::string(fileName));
}

std::optional<GameFile> TextureSearch::find(std::string_view fileName) const {
    // GameFileClass::Set_Name: the language's folder first in Zero Hour, then the common one, the
    // user's Textures, and for a .tga the user's MapPreviews (map previews are never .dds); the
    // original game tries the language's folder after all of those.
    if (languageFolderFirst_)
        if (auto file = findInLanguageFolder(fileName)) return file;
    if (game_)
        if (auto file = game_->find("Art\\Textures\\" + std::string(fileName))) return file;
    if (auto file = LooseFile(userTextures_, fileName)) return file;
    if (LowerAscii(fileName).ends_with(".tga"))
        if (auto file = LooseFile(userMapPreviews_, fileName)) return file;
    if (!languageFolderFirst_)
        if (auto file = findInLanguageFolder(fileName)) return file;
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
    // Where it is not found the order does not matter; each place is named once.
    std::vector<std::string> places;
    if (game_) {
        const std::string language = "Data\\" + language_ + "\\Art\\Textures";
        places.push_back(languageFolderFirst_ ? game_->describePlaces({language, "Art\\Textures"}, "and")
                                              : game_->describePlaces({"Art\\Textures", language}, "and"));
    }
    if (userTextures_) places.push_back(Quoted(userTextures_->folder().string()));
    if (userMapPreviews_) places.push_back(Quoted(userMapPreviews_->folder().string()) + " (.tga only)");
    for (const auto& folder : folders_) places.push_back(Quoted(folder.folder().string()));
    std::string text;
    for (const auto& place : places) text += (text.empty() ? "looked in " : "; in ") + place;
    return text;
}

}  // namespace vantrel::check
