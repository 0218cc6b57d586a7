#pragma once

#include <cstddef>
#include <optional>
#include <string>

// Writes a whole file so that it is either replaced completely or left exactly as it was: the
// bytes go to a temporary file in the target's folder, are flushed to disk, and the temporary file
// is then renamed over the target. On any failure the temporary file is removed.
namespace vantrel {

// Returns nullopt on success, otherwise a one-line reason such as "Permission denied".
std::optional<std::string> WriteFileAtomically(const std::string& utf8Path, const std::string& bytes);

// Reads a whole file that is to be opened as a document into bytes: a regular file of at most
// maxBytes only. A folder, a device or a pipe is refused before anything is read from it (a pipe is
// never waited on). Returns nullopt on success, otherwise a one-line reason; bytes is then empty.
std::optional<std::string> ReadDocumentFile(const std::string& utf8Path, std::size_t maxBytes, std::string& bytes);

// The reasons ReadDocumentFile gives that are the same on every system.
namespace read_refusal {
inline constexpr const char* kFolder = "The path names a folder.";
inline constexpr const char* kNotAFile = "The path names a device or a pipe, not a file.";
inline std::string TooLarge(std::size_t maxBytes) {
    return "The file is larger than " + std::to_string(maxBytes >> 20) + " MiB, far more than a mapping holds.";
}
}  // namespace read_refusal

}  // namespace vantrel
