#pragma once

#include <filesystem>
#include <string_view>
#include <vector>

// Listing folders at any path length. On Windows the C library's directory functions behind
// std::filesystem's iterators stop at MAX_PATH (260 characters); these go to the system's own
// API with the \\?\ prefix instead. Elsewhere they are std::filesystem's.
namespace vantrel::check {

struct FolderEntry {
    std::filesystem::path path;  // the folder as given, then the entry's name
    bool folder = false;         // a folder, or a link to one
    bool link = false;           // a symbolic link or junction (to a folder, when folder is set)
    bool file = false;           // a regular file, or a link to one
};

// The entries of one folder, without "." and "..", in no particular order; none when it cannot be read.
std::vector<FolderEntry> ListFolder(const std::filesystem::path& folder);

// Every regular file in the folder and its subfolders, in no particular order. Links and junctions to
// folders are not followed, and subfolders that cannot be read are left out, as are those whose
// name `descend` (when given) refuses.
std::vector<std::filesystem::path> FilesUnder(const std::filesystem::path& folder,
                                              bool (*descend)(std::string_view name) = nullptr);

enum class PathKind { Missing, Folder, File, Other };

// What the path names, at any length: a folder, a regular file, something else (a device, a pipe),
// or nothing. On Windows through the system's own API with the \\?\ prefix: the C library's stat
// behind std::filesystem's status stops at MAX_PATH.
PathKind KindOf(const std::filesystem::path& path);

// The path as the Windows file API takes it at any length: absolute, with the \\?\ (or \\?\UNC\)
// prefix. Unchanged on other systems.
std::filesystem::path SystemPath(const std::filesystem::path& path);

}  // namespace vantrel::check
