#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "check/GameFileSystem.h"
#include "check/TextureFolder.h"

// Where the textures that MappedImage blocks name are found.
//
// In the game's file system (GameFileClass::Set_Name), Zero Hour's order:
// Data\<language>\Art\Textures\<name>, then Art\Textures\<name>, each loose before archived;
// then <user data>\Textures\<name>; then, for a .tga only, <user data>\MapPreviews\<name> (where
// the game copies a map's preview). The original game's Set_Name looks in the same places but in
// the language folder last, after MapPreviews.
// A name ending in .tga is looked for as the .dds of the same name first, along the same places,
// since the game's texture loader opens that in its place (DDSFileClass, through the same
// GameFileClass lookup). After the game's places come the --textures folders, each searched (with
// its subfolders) by file name alone, in the order given.
namespace vantrel::check {

struct FoundTexture {
    std::optional<GameFile> dds;  // the .dds the game loads in place of a .tga
    std::optional<GameFile> tga;
};

class TextureSearch {
public:
    struct Places {
        const GameFileSystem* game = nullptr;  // may be null
        std::string language = "English";
        std::optional<std::filesystem::path> userData;
        std::vector<std::filesystem::path> folders;  // --textures
        // Data\<language>\Art\Textures is searched first (Zero Hour), or last (the original game).
        bool languageFolderFirst = true;
    };
    explicit TextureSearch(Places places);
    // Only the one folder, searched by file name as --textures is.
    explicit TextureSearch(const std::filesystem::path& folder)
        : TextureSearch(Places{nullptr, "English", std::nullopt, {folder}}) {}

    FoundTexture lookup(std::string_view textureName) const;

    // Where textures were looked for, for a "not found" message.
    std::string describe() const;

private:
    std::optional<GameFile> find(std::string_view fileName) const;
    std::optional<GameFile> findInLanguageFolder(std::string_view fileName) const;

    const GameFileSystem* game_;
    std::string language_;
    bool languageFolderFirst_;
    std::optional<LooseFolder> userTextures_;
    std::optional<LooseFolder> userMapPreviews_;
    std::vector<TextureFolder> folders_;
};

}  // namespace vantrel::check
