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
    std::string places;
    auto add = [&](const std::string& place) { places += (places.empty() ? "" : ", ") + place; };
    const std::string language = Quoted("Data\\" + language_ + "\\Art\\Textures");
    if (game_ && languageFolderFirst_) add(language);
    if (game_) add(Quoted("Art\\Textures"));
    if (userTextures_) add(Quoted(userTextures_->folder().string()));
    if (userMapPreviews_) add(Quoted(userMapPreviews_->folder().string()) + " (.tga only)");
    if (game_ && !languageFolderFirst_) add(language);
    for (const auto& folder : folders_) add(Quoted(folder.folder().string()));
    return places;
}

}  // namespace vantrel::check
