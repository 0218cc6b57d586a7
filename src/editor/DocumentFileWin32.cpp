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

std::optional<std::string> ReadDocumentFile(const std::string& utf8Path, std::size_t maxBytes, std::string& bytes) {
    bytes.clear();
    const std::wstring path = Utf8ToWide(utf8Path);
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return Reason(GetLastError());
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) return std::string(read_refusal::kFolder);
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return Reason(GetLastError());
    const auto fail = [&](std::string reason) -> std::optional<std::string> {
        CloseHandle(file);
        bytes.clear();
        return reason;
    };
    // Devices (CON, NUL, COM1) and pipes open as files too; only a file on a disk is read.
    if (GetFileType(file) != FILE_TYPE_DISK) return fail(read_refusal::kNotAFile);
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file, &size)) return fail(Reason(GetLastError()));
    if (static_cast<unsigned long long>(size.QuadPart) > maxBytes) return fail(read_refusal::TooLarge(maxBytes));
    bytes.resize(static_cast<std::size_t>(size.QuadPart) + 1);
    std::size_t done = 0;
    for (;;) {
        DWORD got = 0;
        if (done == bytes.size()) return fail(read_refusal::TooLarge(maxBytes));
        if (!ReadFile(file, bytes.data() + done, static_cast<DWORD>(bytes.size() - done), &got, nullptr))
            return fail(Reason(GetLastError()));
        if (got == 0) break;
        done += got;
        if (done > maxBytes) return fail(read_refusal::TooLarge(maxBytes));
    }
    CloseHandle(file);
    bytes.resize(done);
    return std::nullopt;
}

}  // namespace vantrel
#endif
