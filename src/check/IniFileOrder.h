#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "check/GameFileSystem.h"

// The order in which the game loads the INI files of a folder: every file whose name ends in
// .ini (any letter case), sorted by path relative to the folder without regard to case and with
// '\' between folder names; the folder's own files first, then all files of its subfolders, in
// that same order. Subfolders whose names hold a dot are not read: the game's listing skips them
// (see GameListsSubfolder).
namespace vantrel::check {

std::vector<std::filesystem::path> IniFilesInGameOrder(const std::filesystem::path& folder);

// The MappedImage files the game loads, in its order (ImageCollection::load):
// - <user data>\INI\MappedImages, only when the folder itself holds a .ini file;
// - Data\INI\MappedImages\TextureSize_512;
// - Data\INI\MappedImages\HandCreated;
// each folder with its subfolders, as IniFilesInGameOrder orders them, and nothing else.
std::vector<GameFile> MappedImageFilesInGameOrder(const GameFileSystem& game,
                                                  const std::optional<std::filesystem::path>& userData);

// Whether the folder is the root of a mod or of the game: it holds Data/INI/MappedImages or
// Art/Textures (any letter case).
bool IsGameRoot(const std::filesystem::path& folder);

// Whether the file's name ends in .big (any letter case), the name the game opens archives by.
bool IsArchiveName(const std::filesystem::path& file);

// Whether the folder holds a mod shipped as .big archives: archives where the game finds them (in it
// or in its subfolders without a dot) and no .ini file that a plain folder would be read for.
bool HoldsArchivesOnly(const std::filesystem::path& folder);

// The key the game sorts by: the relative path, lower-cased, with '\' as separator.
std::string GameSortKey(const std::filesystem::path& relative);

}  // namespace vantrel::check
