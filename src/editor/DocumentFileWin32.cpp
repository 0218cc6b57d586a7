// The atomic save on Windows: write a temporary file beside the target, flush it to disk, then
// move it over the target with write-through, so the target is either the old file or the new one.
#ifdef _WIN32
#include <windows.h>

#include <random>

#include "editor/DocumentFile.h"
#include "platform/WideText.h"

namespace vantrel {

namespace {

std::string Reason(DWORD error) {
    wchar_t* text = nullptr;
    const DWORD length =
        FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring message = length && text ? std::wstring(text, length) : L"Windows error " + std::to_wstring(error);
    if (text) LocalFree(text);
    while (!message.empty() && (message.back() == L'\r' || message.back() == L'\n' || message.back() == L' '))
        message.pop_back();
    return WideToUtf8(message);
}

}  // namespace

std::optional<std::string> WriteFileAtomically(const std::string& utf8Path, const std::string& bytes) {
    if (utf8Path.empty()) return std::string("No file name was given.");
    const std::wstring target = Utf8ToWide(utf8Path);
    const DWORD attributes = GetFileAttributesW(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return std::string("The path names a folder.");
    // A read-only target is refused as the plain write would refuse it, rather than replaced.
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        return Reason(ERROR_ACCESS_DENIED);

    std::random_device random;
    std::wstring temporary;
    HANDLE file = INVALID_HANDLE_VALUE;
    for (int attempt = 0; attempt < 100 && file == INVALID_HANDLE_VALUE; ++attempt) {
        temporary = target + L".vantrel-" + std::to_wstring(random()) + L".tmp";
        file = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_EXISTS) break;
    }
    if (file == INVALID_HANDLE_VALUE) return Reason(GetLastError());

    const auto fail = [&](DWORD error) -> std::optional<std::string> {
        if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
        DeleteFileW(temporary.c_str());
        return Reason(error);
    };

    std::size_t done = 0;
    while (done < bytes.size()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 30));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data() + done, chunk, &written, nullptr)) return fail(GetLastError());
        if (written == 0) return fail(ERROR_WRITE_FAULT);
        done += written;
    }
    if (!FlushFileBuffers(file)) return fail(GetLastError());
    if (!CloseHandle(file)) {
        file = INVALID_HANDLE_VALUE;
        return fail(GetLastError());
    }
    file = INVALID_HANDLE_VALUE;
    if (!MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return fail(GetLastError());
    return std::nullopt;
}

}  // namespace vantrel
#endif
