#include "targa/FileByteSource.h"

#include <cerrno>
#include <filesystem>
#include <stdexcept>
#include <system_error>

namespace vantrel {

namespace {

std::filesystem::path PathFromUtf8(const std::string& utf8) {
    // On Windows this converts to the wide form the file functions need; elsewhere it is the bytes.
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

std::FILE* OpenForReading(const std::filesystem::path& path) {
#ifdef _WIN32
    return _wfopen(path.c_str(), L"rb");
#else
    return std::fopen(path.c_str(), "rb");
#endif
}

}  // namespace

FileByteSource::FileByteSource(const std::string& strFileName) {
    if (strFileName.empty()) {
        openFailure_ = "No file name was given.";
        return;
    }
    const std::filesystem::path path = PathFromUtf8(strFileName);
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    if (status.type() == std::filesystem::file_type::not_found) {
        openFailure_ = "The file was not found.";
        return;
    }
    if (status.type() == std::filesystem::file_type::directory) {
        openFailure_ = "The path names a folder, not a file.";
        return;
    }
    // A device or a pipe has no end a load could be bounded by (a stream of random bytes can declare
    // a 32767 x 32767 image and never run out), so only regular files are read.
    if (status.type() != std::filesystem::file_type::regular && status.type() != std::filesystem::file_type::unknown) {
        openFailure_ = "The path does not name a regular file.";
        return;
    }
    // "rb" opens an existing file only; it never creates one.
    file_ = OpenForReading(path);
    if (!file_) {
        const std::error_code why(errno, std::generic_category());
        openFailure_ = "The file could not be opened (" + why.message() + ").";
    }
}

FileByteSource::~FileByteSource() { close(); }

void FileByteSource::close() {
    if (file_) std::fclose(file_);
    file_ = nullptr;
}

std::size_t FileByteSource::read(std::uint8_t* destination, std::size_t n) {
    if (!file_ || n == 0) return 0;
    const std::size_t got = std::fread(destination, 1, n, file_);
    if (got < n && std::ferror(file_)) throw std::runtime_error("The file could not be read.");
    return got;
}

}  // namespace vantrel
