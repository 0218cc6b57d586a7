#pragma once

#include <cstring>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "app/ProgramStarter.h"
#include "app/Registry.h"

// A registry held in memory that behaves like RegQueryValueExA on the edges the launcher cares
// about (a value longer than the buffer fails, the size counts what is stored, terminating zero or
// not), plus a file system and a program starter that only record what was asked of them.
namespace vantrel::test {

struct StoredValue {
    std::uint32_t type = kRegSz;
    std::string bytes;  // exactly as stored, terminating zero included when there is one
};

// A string stored the way Windows stores REG_SZ: with its terminating zero.
inline StoredValue StringValue(const std::string& text) { return {kRegSz, text + std::string(1, '\0')}; }

class FakeRegistry final : public Registry {
public:
    // Values live below HKEY_LOCAL_MACHINE only.
    void Set(const std::string& keyName, const std::string& valueName, StoredValue value) {
        keys_[keyName][valueName] = std::move(value);
    }
    void AddEmptyKey(const std::string& keyName) { keys_[keyName]; }

    std::optional<RegistryKey> OpenKeyForReading(RegistryKey root, const std::string& keyName) override {
        opened.push_back(keyName);
        if (root != kHkeyLocalMachine || !keys_.count(keyName)) return std::nullopt;
        const RegistryKey handle = nextHandle_++;
        open_[handle] = keyName;
        return handle;
    }

    bool QueryValue(RegistryKey key, const std::string& valueName, std::uint32_t& type, unsigned char* buffer,
                    std::uint32_t& size) override {
        queried.push_back(valueName);
        const auto& values = keys_.at(open_.at(key));
        const auto found = values.find(valueName);
        if (found == values.end()) return false;
        const StoredValue& value = found->second;
        if (value.bytes.size() > size) return false;  // ERROR_MORE_DATA
        std::memcpy(buffer, value.bytes.data(), value.bytes.size());
        type = value.type;
        size = static_cast<std::uint32_t>(value.bytes.size());
        return true;
    }

    void CloseKey(RegistryKey key) override {
        if (open_.erase(key) == 0) closedTwiceOrUnknown = true;
    }

    std::size_t openKeyCount() const { return open_.size(); }

    std::vector<std::string> opened;   // key names, in order
    std::vector<std::string> queried;  // value names, in order
    bool closedTwiceOrUnknown = false;

private:
    std::map<std::string, std::map<std::string, StoredValue>> keys_;
    std::map<RegistryKey, std::string> open_;
    RegistryKey nextHandle_ = 0x100;
};

class FakeFileProbe final : public FileProbe {
public:
    std::set<std::string> files;
    mutable std::vector<std::string> probed;
    bool IsFile(const std::string& path) const override {
        probed.push_back(path);
        return files.count(path) > 0;
    }
};

class FakeProgramStarter final : public ProgramStarter {
public:
    std::set<std::string> startable;  // paths that start; every other path fails
    std::vector<std::string> attempts;
    bool StartDetached(const std::string& path) override {
        attempts.push_back(path);
        return startable.count(path) > 0;
    }
};

class FakeProgramLocator final : public ProgramLocator {
public:
    std::map<std::string, std::string> onPath;  // name -> full path
    std::string FindOnPath(const std::string& name) const override {
        const auto found = onPath.find(name);
        return found == onPath.end() ? std::string() : found->second;
    }
};

}  // namespace vantrel::test
