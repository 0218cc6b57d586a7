#pragma once

#include <ostream>

// vantrel-check: lint, crop, sheet and render. Returns the exit status: 0 when all went well
// (lint: no errors), 1 when something was found or failed (lint: errors), 2 on bad usage.
namespace vantrel::check {

int RunCheckCommand(int argc, const char* const* argv, std::ostream& out, std::ostream& err);

}  // namespace vantrel::check
