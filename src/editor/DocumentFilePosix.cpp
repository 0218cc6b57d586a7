// The atomic save on POSIX systems: write a temporary file beside the target, flush it to disk,
// rename it over the target, then flush the folder so that the rename itself survives a crash. A
// target the user may not write is refused first, as on Windows.
#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <algorithm>
#include <random>

#include "editor/DocumentFile.h"

namespace vantrel {

namespace {

std::string Reason(int error) { return std::strerror(error); }

// Windows' words for a target it will not let this user write; both systems say the same.
constexpr const char* kAccessDenied = "Access is denied.";

// The rename below needs only the folder's write permission, so it would replace a file this user
// may not write. Such a file is refused here instead, and so is a file with no write bit at all,
// which root could write but whose owner marked it read-only, as Windows refuses its read-only
// files even to administrators. nullopt when the file may be replaced.
std::optional<std::string> RefusalToReplace(const std::string& path, const struct stat& existing) {
    if (::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0)
        return errno == EACCES || errno == EPERM ? std::string(kAccessDenied) : Reason(errno);
    if ((existing.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return std::string(kAccessDenied);
    return std::nullopt;
}

// Writes all of bytes to fd, retrying after signals and short writes.
bool WriteAll(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (written == 0) {
            errno = EIO;
            return false;
        }
        done += static_cast<std::size_t>(written);
    }
    return true;
}

// A new file beside the target that nobody else can have; -1 with errno set on failure.
int CreateTemporary(const std::string& target, std::string& temporaryPath) {
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporaryPath = target + ".vantrel-" + std::to_string(random()) + ".tmp";
        const int fd = ::open(temporaryPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    errno = EEXIST;
    return -1;
}

}  // namespace

std::optional<std::string> WriteFileAtomically(const std::string& utf8Path, const std::string& bytes) {
    if (utf8Path.empty()) return std::string("No file name was given.");
    std::error_code ignored;
    if (std::filesystem::is_directory(utf8Path, ignored)) return std::string("The path names a folder.");

    // An existing file keeps its permission bits; a new one gets the umask's, as open would give.
    struct stat existing {};
    const bool replacing = ::stat(utf8Path.c_str(), &existing) == 0;
    if (replacing) {
        if (auto refusal = RefusalToReplace(utf8Path, existing)) return refusal;
    }

    std::string temporary;
    const int fd = CreateTemporary(utf8Path, temporary);
    if (fd < 0) return Reason(errno);

    const auto fail = [&](int error) -> std::optional<std::string> {
        ::close(fd);
        ::unlink(temporary.c_str());
        return Reason(error);
    };
    if (!WriteAll(fd, bytes)) return fail(errno);
    if (replacing && ::fchmod(fd, existing.st_mode & 07777) != 0) return fail(errno);
    if (::fsync(fd) != 0) return fail(errno);
    if (::close(fd) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        return Reason(error);
    }
    if (::rename(temporary.c_str(), utf8Path.c_str()) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        return Reason(error);
    }

    // The new name is in place; flushing the folder makes it durable. A folder that cannot be
    // opened or flushed (some file systems refuse) does not undo a save that has already happened.
    const std::string folder = std::filesystem::path(utf8Path).parent_path().string();
    const int folderFd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folderFd >= 0) {
        (void)::fsync(folderFd);
        ::close(folderFd);
    }
    return std::nullopt;
}

std::optional<std::string> ReadDocumentFile(const std::string& utf8Path, std::size_t maxBytes, std::string& bytes) {
    bytes.clear();
    struct stat status {};
    if (::stat(utf8Path.c_str(), &status) != 0) return Reason(errno);
    if (S_ISDIR(status.st_mode)) return std::string(read_refusal::kFolder);
    if (!S_ISREG(status.st_mode)) return std::string(read_refusal::kNotAFile);
    // Non-blocking, so that a file swapped for a pipe after the check above is not waited on.
    const int fd = ::open(utf8Path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return Reason(errno);
    const auto fail = [&](std::string reason) -> std::optional<std::string> {
        ::close(fd);
        bytes.clear();
        return reason;
    };
    if (::fstat(fd, &status) != 0) return fail(Reason(errno));
    if (!S_ISREG(status.st_mode)) return fail(read_refusal::kNotAFile);
    if (static_cast<unsigned long long>(status.st_size) > maxBytes) return fail(read_refusal::TooLarge(maxBytes));
    bytes.resize(static_cast<std::size_t>(status.st_size));
    std::size_t done = 0;
    for (;;) {
        if (done == bytes.size()) {
            // The file may have grown since fstat; one more byte than allowed is enough to know.
            if (bytes.size() > maxBytes) return fail(read_refusal::TooLarge(maxBytes));
            bytes.resize(std::min(maxBytes + 1, bytes.size() + 65536));
            if (done == bytes.size()) return fail(read_refusal::TooLarge(maxBytes));
        }
        const ssize_t got = ::read(fd, bytes.data() + done, bytes.size() - done);
        if (got < 0) {
            if (errno == EINTR) continue;
            return fail(Reason(errno));
        }
        if (got == 0) break;
        done += static_cast<std::size_t>(got);
    }
    ::close(fd);
    bytes.resize(done);
    return std::nullopt;
}

}  // namespace vantrel
#endif
