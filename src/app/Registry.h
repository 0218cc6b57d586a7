#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

// The few registry calls the system information launcher makes, shaped after RegOpenKeyExA,
// RegQueryValueExA and RegCloseKey so that the launcher's own logic (buffer, size and
// terminating-zero rules, closing the key) runs unchanged against a real registry on Windows and
// against a scripted one in tests. Names and values are 8-bit text in the system code page.
namespace vantrel {

// A key handle as the registry API passes it; the predefined roots carry their Windows values.
using RegistryKey = std::uintptr_t;
inline constexpr RegistryKey kHkeyLocalMachine = 0x80000002u;

// Value types the launcher understands.
inline constexpr std::uint32_t kRegSz = 1;
inline constexpr std::uint32_t kRegDword = 4;

class Registry {
public:
    virtual ~Registry() = default;

    // Opens keyName below root with read access only (query value); nullopt when that fails.
    virtual std::optional<RegistryKey> OpenKeyForReading(RegistryKey root, const std::string& keyName) = 0;

    // Reads the value valueName of an open key into buffer. On entry size is the buffer's capacity
    // in bytes; on success it is the number of bytes the value holds and type its value type.
    // Fails (false) when the value is missing or longer than the buffer.
    virtual bool QueryValue(RegistryKey key, const std::string& valueName, std::uint32_t& type,
                            unsigned char* buffer, std::uint32_t& size) = 0;

    virtual void CloseKey(RegistryKey key) = 0;
};

}  // namespace vantrel
