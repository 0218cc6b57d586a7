#include "app/RegistrySysInfoLauncher.h"

#include <algorithm>
#include <array>
#include <exception>

namespace vantrel {

namespace {

// Closes an opened key when the read is over, whichever way it ends.
class OpenKey {
public:
    OpenKey(Registry& registry, RegistryKey key) : registry_(registry), key_(key) {}
    ~OpenKey() { registry_.CloseKey(key_); }
    OpenKey(const OpenKey&) = delete;
    OpenKey& operator=(const OpenKey&) = delete;
    RegistryKey get() const { return key_; }

private:
    Registry& registry_;
    RegistryKey key_;
};

std::string HexOfBytesLastFirst(const std::string& bytes) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text = "&h";
    for (auto it = bytes.rbegin(); it != bytes.rend(); ++it) {
        const auto byte = static_cast<unsigned char>(*it);
        text += kDigits[byte >> 4];
        text += kDigits[byte & 0x0F];
    }
    return text;
}

}  // namespace

RegistrySysInfoLauncher::RegistrySysInfoLauncher(Registry& registry, const FileProbe& files, ProgramStarter& starter,
                                                 UserInteraction& ui)
    : registry_(registry), files_(files), starter_(starter), ui_(ui) {}

bool RegistrySysInfoLauncher::GetKeyValue(RegistryKey KeyRoot, const std::string& KeyName,
                                          const std::string& SubKeyRef, std::string& KeyVal) {
    const auto opened = registry_.OpenKeyForReading(KeyRoot, KeyName);
    if (!opened) {
        KeyVal.clear();
        return false;
    }
    const OpenKey key(registry_, *opened);

    std::array<unsigned char, kValueBufferSize> buffer{};
    std::uint32_t size = kValueBufferSize;
    std::uint32_t type = 0;
    if (!registry_.QueryValue(key.get(), SubKeyRef, type, buffer.data(), size)) {
        KeyVal.clear();
        return false;
    }

    const std::string bytes(reinterpret_cast<const char*>(buffer.data()), std::min(size, kValueBufferSize));

    switch (type) {
        case kRegSz: {
            // The size counts the terminating zero, which goes; a value stored without one keeps
            // every byte, and an empty value (size 0) keeps nothing.
            std::string kept = bytes;
            if (!kept.empty() && kept.back() == '\0') kept.pop_back();
            // Anything after an embedded zero is not part of the text any Windows call would see;
            // keeping it would make a folder plus "\MSINFO32.EXE" test only the folder.
            KeyVal = kept.substr(0, kept.find('\0'));
            break;
        }
        case kRegDword:
            // All four bytes: dropping a zero high byte as if it ended a string would change the width.
            KeyVal = HexOfBytesLastFirst(bytes);
            break;
        default:
            break;
    }
    return true;
}

void RegistrySysInfoLauncher::StartSysInfo() {
    // One trap around the whole search: whatever fails on the way ends in the same message.
    try {
        StartSysInfoUntrapped();
    } catch (const std::exception&) {
        ShowSysInfoUnavailable(ui_);
    }
}

void RegistrySysInfoLauncher::StartSysInfoUntrapped() {
    std::string path;
    if (!GetKeyValue(kHkeyLocalMachine, kToolPathKey, kToolPathValue, path)) {
        if (!GetKeyValue(kHkeyLocalMachine, kToolFolderKey, kToolFolderValue, path) || path.empty()) {
            ShowSysInfoUnavailable(ui_);
            return;
        }
        path += kToolFileName;
        if (!files_.IsFile(path)) {
            ShowSysInfoUnavailable(ui_);
            return;
        }
    }
    // The full path from the first value is started as it is; when it cannot be (or is empty), the
    // folder value is not tried.
    if (path.empty() || !starter_.StartDetached(path)) ShowSysInfoUnavailable(ui_);
}

}  // namespace vantrel
