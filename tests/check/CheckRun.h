#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "check/CheckCommand.h"

// vantrel-check run in-process with its arguments, its output and errors captured.
namespace vantrel::check::test {

struct CommandRun {
    int status;
    std::string out;
    std::string err;
};

inline CommandRun Check(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), "vantrel-check");
    std::vector<const char*> argv;
    for (const auto& argument : arguments) argv.push_back(argument.c_str());
    std::ostringstream out, err;
    const int status = RunCheckCommand(static_cast<int>(argv.size()), argv.data(), out, err);
    return {status, out.str(), err.str()};
}

}  // namespace vantrel::check::test
