#pragma once

#include <cstdint>
#include <string>

#include "app/ProgramStarter.h"
#include "app/Registry.h"
#include "app/SystemInformationLauncher.h"

// Finds the system information program the way Windows records it: first the full path under
// "SOFTWARE\Microsoft\Shared Tools\MSINFO" (value "PATH"), else the folder under
// "SOFTWARE\Microsoft\Shared Tools Location" (value "MSINFO") with "\MSINFO32.EXE" appended,
// which must then exist. Plain C++ against the Registry interface, so it is the same code on Windows
// and in the tests.
namespace vantrel {

class RegistrySysInfoLauncher final : public SystemInformationLauncher {
public:
    static constexpr const char* kToolPathKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
    static constexpr const char* kToolPathValue = "PATH";
    static constexpr const char* kToolFolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
    static constexpr const char* kToolFolderValue = "MSINFO";
    static constexpr const char* kToolFileName = "\\MSINFO32.EXE";
    // The value buffer; a longer value counts as absent.
    static constexpr std::uint32_t kValueBufferSize = 1024;

    RegistrySysInfoLauncher(Registry& registry, const FileProbe& files, ProgramStarter& starter, UserInteraction& ui);

    void StartSysInfo() override;

    // Reads the value SubKeyRef of the key KeyName below KeyRoot into KeyVal. False, with KeyVal
    // empty, when the key cannot be opened or the value cannot be read. A string value loses its
    // terminating zero and ends at its first zero; a REG_DWORD becomes "&h" and two hex digits per
    // byte, last byte first ("&h0000000A"); a value of any other type leaves KeyVal as it was and
    // still answers true. The key is closed on every way out.
    bool GetKeyValue(RegistryKey KeyRoot, const std::string& KeyName, const std::string& SubKeyRef,
                     std::string& KeyVal);

private:
    void StartSysInfoUntrapped();

    Registry& registry_;
    const FileProbe& files_;
    ProgramStarter& starter_;
    UserInteraction& ui_;
};

}  // namespace vantrel
