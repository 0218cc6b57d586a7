#pragma once

#ifdef _WIN32
#include <string>
#include <string_view>

// Every text inside the program is UTF-8. The Windows API takes and gives UTF-16 through its wide
// (W) functions; these convert at that boundary and nowhere else.
namespace vantrel {

// Invalid UTF-8 becomes U+FFFD; the conversion never fails.
std::wstring Utf8ToWide(std::string_view utf8);
// Unpaired surrogates become U+FFFD.
std::string WideToUtf8(std::wstring_view wide);

}  // namespace vantrel
#endif
