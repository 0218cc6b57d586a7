#pragma once

#ifndef _WIN32
#include "app/ProgramStarter.h"

// The program starter, file probe and search-path lookup on POSIX systems.
namespace vantrel {

class PosixProgramStarter final : public ProgramStarter {
public:
    // Starts the program in a process of its own that this one never waits for, and reports a
    // program that cannot be executed (missing, not executable, not a program) as a failure.
    bool StartDetached(const std::string& path) override;
};

class PosixFileProbe final : public FileProbe {
public:
    bool IsFile(const std::string& path) const override;
};

class PosixProgramLocator final : public ProgramLocator {
public:
    std::string FindOnPath(const std::string& name) const override;
};

}  // namespace vantrel
#endif
