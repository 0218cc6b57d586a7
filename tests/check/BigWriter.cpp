#include "BigWriter.h"

#include <cstdint>

namespace vantrel::check::test {

namespace {

void PutBigEndian(std::string& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) out += static_cast<char>((value >> shift) & 0xFF);
}

void PutLittleEndian(std::string& out, std::uint32_t value) {
    for (int shift = 0; shift <= 24; shift += 8) out += static_cast<char>((value >> shift) & 0xFF);
}

}  // namespace

std::string MakeBig(const BigEntries& entries, std::string_view magic) {
    std::size_t tableEnd = 16;
    for (const auto& [path, bytes] : entries) tableEnd += 8 + path.size() + 1;
    std::size_t total = tableEnd;
    for (const auto& [path, bytes] : entries) total += bytes.size();

    std::string out(magic);
    PutLittleEndian(out, static_cast<std::uint32_t>(total));
    PutBigEndian(out, static_cast<std::uint32_t>(entries.size()));
    PutBigEndian(out, static_cast<std::uint32_t>(tableEnd));
    std::size_t offset = tableEnd;
    for (const auto& [path, bytes] : entries) {
        PutBigEndian(out, static_cast<std::uint32_t>(offset));
        PutBigEndian(out, static_cast<std::uint32_t>(bytes.size()));
        out += path;
        out += '\0';
        offset += bytes.size();
    }
    for (const auto& [path, bytes] : entries) out += bytes;
    return out;
}

}  // namespace vantrel::check::test
