#pragma once

#include <optional>
#include <string>

// Writes a whole file so that it is either replaced completely or left exactly as it was: the
// bytes go to a temporary file in the target's folder, are flushed to disk, and the temporary file
// is then renamed over the target. On any failure the temporary file is removed.
namespace vantrel {

// Returns nullopt on success, otherwise a one-line reason such as "Permission denied".
std::optional<std::string> WriteFileAtomically(const std::string& utf8Path, const std::string& bytes);

}  // namespace vantrel
