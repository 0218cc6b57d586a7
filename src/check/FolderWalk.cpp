#include "check/FolderWalk.h"

#ifdef _WIN32
#include <windows.h>

#include <string>
#endif

namespace vantrel::check {

namespace fs = std::filesystem;

#ifdef _WIN32

fs::path SystemPath(const fs::path& path) {
    const std::wstring& text = path.native();
    if (text.starts_with(L"\\\\?\\") || text.starts_with(L"\\\\.\\")) return path;
    std::error_code error;
    fs::path absolute = fs::absolute(path, error);  // GetFullPathNameW: also resolves "." and ".."
    if (error) return path;
    absolute.make_preferred();
    const std::wstring& full = absolute.native();
    if (full.starts_with(L"\\\\")) return fs::path(L"\\\\?\\UNC\\" + full.substr(2));
    return fs::path(L"\\\\?\\" + full);
}

PathKind KindOf(const fs::path& path) {
    const DWORD attributes = GetFileAttributesW(SystemPath(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return PathKind::Missing;
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) return PathKind::Folder;
    if (attributes & FILE_ATTRIBUTE_DEVICE) return PathKind::Other;
    return PathKind::File;
}

std::vector<FolderEntry> ListFolder(const fs::path& folder) {
    std::vector<FolderEntry> entries;
    const std::wstring pattern = SystemPath(folder).native() + L"\\*";
    WIN32_FIND_DATAW data;
    const HANDLE find =
        FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &data, FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH);
    if (find == INVALID_HANDLE_VALUE) return entries;
    do {
        const std::wstring_view name = data.cFileName;
        if (name == L"." || name == L"..") continue;
        const DWORD attributes = data.dwFileAttributes;
        FolderEntry entry;
        entry.path = folder / data.cFileName;
        entry.link = (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
        if (attributes & FILE_ATTRIBUTE_DIRECTORY)
            entry.folder = true;
        else
            entry.file = !(attributes & FILE_ATTRIBUTE_DEVICE);
        entries.push_back(std::move(entry));
    } while (FindNextFileW(find, &data));
    FindClose(find);
    return entries;
}

#else

fs::path SystemPath(const fs::path& path) { return path; }

PathKind KindOf(const fs::path& path) {
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (fs::is_directory(status)) return PathKind::Folder;
    if (fs::is_regular_file(status)) return PathKind::File;
    return fs::exists(status) ? PathKind::Other : PathKind::Missing;
}

std::vector<FolderEntry> ListFolder(const fs::path& folder) {
    std::vector<FolderEntry> entries;
    std::error_code error;
    for (auto it = fs::directory_iterator(folder, fs::directory_options::skip_permission_denied, error);
         !error && it != fs::directory_iterator(); it.increment(error)) {
        std::error_code ignored;
        entries.push_back({it->path(), it->is_directory(ignored), it->is_symlink(ignored), it->is_regular_file(ignored)});
    }
    return entries;
}

#endif

std::vector<fs::path> FilesUnder(const fs::path& folder, bool (*descend)(std::string_view name)) {
    std::vector<fs::path> files;
    std::vector<fs::path> pending{folder};
    while (!pending.empty()) {
        const fs::path next = std::move(pending.back());
        pending.pop_back();
        for (auto& entry : ListFolder(next)) {
            if (entry.folder && !entry.link) {
                if (!descend || descend(entry.path.filename().string())) pending.push_back(std::move(entry.path));
            } else if (entry.file) {
                files.push_back(std::move(entry.path));
            }
        }
    }
    return files;
}

}  // namespace vantrel::check
