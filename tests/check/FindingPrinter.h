#pragma once

#include <ostream>

#include "check/Finding.h"

// Lets GoogleTest print a finding as lint prints it (found by argument-dependent lookup).
namespace vantrel::check {

inline void PrintTo(const Finding& finding, std::ostream* os) { *os << FormatFinding(finding); }

}  // namespace vantrel::check
