#pragma once

#include <string>
#include <string_view>

#include "check/Finding.h"

namespace vantrel::check {

// One JSON object on one line: {"file":...,"line":...,"severity":"error"|"warning","text":...}.
std::string FindingAsJsonLine(const Finding& finding);

// The bytes as a JSON string. UTF-8 is kept as it is; a byte that is not part of well-formed
// UTF-8 (a file name in a Windows code page, say) is written as \udc80 to \udcff, the byte's value
// plus 0xDC00, so that nothing is lost or replaced.
std::string JsonString(std::string_view bytes);

}  // namespace vantrel::check
