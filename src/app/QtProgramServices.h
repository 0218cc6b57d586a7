#pragma once

#include "app/ProgramStarter.h"

// The program starter, file probe and search-path lookup through Qt Core.
namespace vantrel {

class QtProgramStarter final : public ProgramStarter {
public:
    bool StartDetached(const std::string& path) override;
};

class QtFileProbe final : public FileProbe {
public:
    bool IsFile(const std::string& path) const override;
};

class QtProgramLocator final : public ProgramLocator {
public:
    std::string FindOnPath(const std::string& name) const override;
};

}  // namespace vantrel
