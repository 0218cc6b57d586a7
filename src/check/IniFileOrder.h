#pragma once

#include <filesystem>
#include <vector>

// The order in which the game loads the INI files of a folder: every file whose name ends in
// .ini (any letter case), sorted by path relative to the folder without regard to case and with
// '\' between folder names; the folder's own files first, then all files of its subfolders, in
// that same order.
namespace vantrel::check {

std::vector<std::filesystem::path> IniFilesInGameOrder(const std::filesystem::path& folder);

// The key the game sorts by: the relative path, lower-cased, with '\' as separator.
std::string GameSortKey(const std::filesystem::path& relative);

}  // namespace vantrel::check
