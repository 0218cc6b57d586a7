#pragma once

#include <string>

// Starting another program and looking at the file system, kept behind interfaces so that the
// system information launcher can be exercised without starting anything.
namespace vantrel {

class ProgramStarter {
public:
    virtual ~ProgramStarter() = default;
    // Starts the program at path as a separate process, shown normally, and does not wait for it.
    // False when it could not be started.
    virtual bool StartDetached(const std::string& path) = 0;
};

class FileProbe {
public:
    virtual ~FileProbe() = default;
    // True when path names an existing ordinary file (not a folder).
    virtual bool IsFile(const std::string& path) const = 0;
};

class ProgramLocator {
public:
    virtual ~ProgramLocator() = default;
    // The full path of the executable name found on the search path; empty when there is none.
    virtual std::string FindOnPath(const std::string& name) const = 0;
};

}  // namespace vantrel
