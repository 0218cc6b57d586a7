#pragma once

#include <string>

#include "check/Finding.h"

namespace vantrel::check {

// One JSON object on one line: {"file":...,"line":...,"severity":"error"|"warning","text":...}.
std::string FindingAsJsonLine(const Finding& finding);

}  // namespace vantrel::check
