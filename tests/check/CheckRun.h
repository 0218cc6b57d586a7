#pragma once

#include <filesystem>
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

// The path as the tool prints it: with the system's own separator (a '\\' on Windows).
inline std::string Native(std::filesystem::path path) { return path.make_preferred().string(); }

inline CommandRun Check(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), "vantrel-check");
    std::vector<const char*> argv;
    for (const auto& argument : arguments) argv.push_back(argument.c_str());
    std::ostringstream out, err;
    const int status = RunCheckCommand(static_cast<int>(argv.size()), argv.data(), out, err);
    return {status, out.str(), err.str()};
}

}  // namespace vantrel::check::test
