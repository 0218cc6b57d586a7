#pragma once

#include "app/SystemInformationLauncher.h"

// A system information launcher that only counts how often it was asked to start the tool.
namespace vantrel::test {

class CountingLauncher final : public SystemInformationLauncher {
public:
    explicit CountingLauncher(int& starts) : starts_(starts) {}
    void StartSysInfo() override { ++starts_; }

private:
    int& starts_;
};

}  // namespace vantrel::test
