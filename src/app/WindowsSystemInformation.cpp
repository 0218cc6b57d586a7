// The system information launcher on Windows: the real registry, ShellExecute and file attributes
// behind the interfaces that RegistrySysInfoLauncher works against.
#ifdef _WIN32
#include <windows.h>
#include <shellapi.h>

#include <memory>

#include "app/RegistrySysInfoLauncher.h"

namespace vantrel {

namespace {

HKEY ToHkey(RegistryKey key) {
    if (key == kHkeyLocalMachine) return HKEY_LOCAL_MACHINE;
    return reinterpret_cast<HKEY>(key);
}

class WindowsRegistry final : public Registry {
public:
    std::optional<RegistryKey> OpenKeyForReading(RegistryKey root, const std::string& keyName) override {
        // Query access only: asking for write access under HKEY_LOCAL_MACHINE is refused to
        // ordinary users, and the tool would then be reported missing although it is installed.
        HKEY key = nullptr;
        if (RegOpenKeyExA(ToHkey(root), keyName.c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
            return std::nullopt;
        return reinterpret_cast<RegistryKey>(key);
    }

    bool QueryValue(RegistryKey key, const std::string& valueName, std::uint32_t& type, unsigned char* buffer,
                    std::uint32_t& size) override {
        DWORD valueType = 0;
        DWORD valueSize = size;
        // ERROR_MORE_DATA (a value longer than the buffer) is a failure like any other.
        if (RegQueryValueExA(ToHkey(key), valueName.c_str(), nullptr, &valueType, buffer, &valueSize) !=
            ERROR_SUCCESS)
            return false;
        type = valueType;
        size = valueSize;
        return true;
    }

    void CloseKey(RegistryKey key) override { RegCloseKey(ToHkey(key)); }
};

class ShellProgramStarter final : public ProgramStarter {
public:
    bool StartDetached(const std::string& path) override {
        const HINSTANCE result = ShellExecuteA(nullptr, "open", path.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
        return reinterpret_cast<INT_PTR>(result) > 32;
    }
};

class WindowsFileProbe final : public FileProbe {
public:
    bool IsFile(const std::string& path) const override {
        const DWORD attributes = GetFileAttributesA(path.c_str());
        return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
    }
};

class WindowsSystemInformation final : public SystemInformationLauncher {
public:
    explicit WindowsSystemInformation(UserInteraction& ui) : launcher_(registry_, files_, starter_, ui) {}
    void StartSysInfo() override { launcher_.StartSysInfo(); }

private:
    WindowsRegistry registry_;
    WindowsFileProbe files_;
    ShellProgramStarter starter_;
    RegistrySysInfoLauncher launcher_;
};

}  // namespace

std::unique_ptr<SystemInformationLauncher> MakeSystemInformationLauncher(UserInteraction& ui) {
    return std::make_unique<WindowsSystemInformation>(ui);
}

}  // namespace vantrel
#endif
