#pragma once

#include <string>

namespace vantrel {

// The user's home folder in UTF-8: the profile folder on Windows, $HOME elsewhere. Empty when the
// system names none.
std::string HomeFolder();

}  // namespace vantrel
