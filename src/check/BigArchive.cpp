#include "check/BigArchive.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>

#include "check/FolderWalk.h"

namespace vantrel::check {

namespace {

constexpr std::size_t kHeaderBytes = 16;
constexpr std::size_t kTableStart = 0x10;
// _MAX_PATH: the game's buffer for an entry's path, its NUL included.
constexpr std::size_t kGamePathBuffer = 260;

std::uint32_t BigEndian(const unsigned char* bytes) {
    return (std::uint32_t{bytes[0]} << 24) | (std::uint32_t{bytes[1]} << 16) | (std::uint32_t{bytes[2]} << 8) |
           std::uint32_t{bytes[3]};
}

std::string Hex(std::uintmax_t value) {
    char text[24];
    std::snprintf(text, sizeof text, "0x%llX", static_cast<unsigned long long>(value));
    return text;
}

std::string Printable(std::string_view bytes) {
    std::string text;
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F) {
            text += c;
        } else {
            char escaped[5];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
            text += escaped;
        }
    }
    return text;
}

}  // namespace

BigOpenResult BigArchive::Open(const std::filesystem::path& file) {
    BigOpenResult result;
    std::error_code error;
    // Through the long-path form on Windows, as the folder walk that found the archive.
    const std::filesystem::path systemPath = SystemPath(file);
    const std::uintmax_t fileSize = std::filesystem::file_size(systemPath, error);
    std::ifstream in(systemPath, std::ios::binary);
    if (error || !in) {
        result.problems.push_back({"cannot open the archive: " + (error ? error.message() : std::string(std::strerror(errno)))});
        return result;
    }
    // The table is read through a buffer of our own; the stream's is too small for a table of
    // many thousand entries read byte by byte.
    std::vector<char> buffer(1 << 16);
    in.rdbuf()->pubsetbuf(buffer.data(), static_cast<std::streamsize>(buffer.size()));

    unsigned char header[kHeaderBytes];
    in.read(reinterpret_cast<char*>(header), kHeaderBytes);
    const auto got = static_cast<std::size_t>(in.gcount());
    const std::string_view magic(reinterpret_cast<const char*>(header), std::min<std::size_t>(got, 4));
    BigFormat format;
    if (magic == "BIGF") {
        format = BigFormat::Bigf;
    } else if (magic == "BIG4") {
        format = BigFormat::Big4;
    } else {
        result.problems.push_back({"not a .big archive: it starts with '" + Printable(magic) + "' at offset 0x0, not 'BIGF'"});
        return result;
    }
    if (got < kHeaderBytes) {
        result.problems.push_back({"the header ends at offset " + Hex(got) + ", before its 16 bytes"});
        return result;
    }
    const std::uint32_t count = BigEndian(header + 8);
    // Every entry takes at least 9 bytes (offset, size, a path of at least its NUL). The game
    // reads on past the end of the file, its path loop looking for a NUL that never comes.
    if (count > (fileSize - kTableStart) / 9) {
        result.problems.push_back({"the entry count at offset 0x8 says " +
                                       std::to_string(count) + (count == 1 ? " entry" : " entries") + ", more than the " +
                                       std::to_string(fileSize) +
                                       "-byte file can hold; the game reads past its end",
                                   true});
        return result;
    }

    // The table grows entry by entry as it is read: the count may still be far more than the
    // entries the file holds (a file of zeros passes the test above).
    std::unique_ptr<BigArchive> archive(new BigArchive(file, format, fileSize));
    std::uintmax_t position = kTableStart;
    for (std::uint32_t i = 0; i < count; ++i) {
        unsigned char fields[8];
        in.read(reinterpret_cast<char*>(fields), 8);
        if (in.gcount() != 8) {
            result.problems.push_back({"the entry table ends at offset " +
                                       Hex(position + static_cast<std::uintmax_t>(in.gcount())) + " (end of file) in entry " +
                                       std::to_string(i + 1) + " of " + std::to_string(count)});
            return result;
        }
        BigEntry entry;
        entry.offset = BigEndian(fields);
        entry.size = BigEndian(fields + 4);
        const std::uintmax_t entryAt = position;
        position += 8;
        std::getline(in, entry.path, '\0');
        if (in.eof()) {
            result.problems.push_back({"the path of entry " + std::to_string(i + 1) + " at offset " + Hex(position) +
                                       " has no terminating NUL byte before the end of the file"});
            return result;
        }
        if (entry.path.empty()) {
            // No archive has a nameless file; a table of zeros reads this way, and reading it to
            // the count would take minutes for nothing.
            result.problems.push_back({"entry " + std::to_string(i + 1) + " of " + std::to_string(count) +
                                       " (table offset " + Hex(entryAt) +
                                       ") has an empty path: the entry table is damaged"});
            return result;
        }
        position += entry.path.size() + 1;
        if (entry.path.size() >= kGamePathBuffer)
            // Win32BIGFileSystem::openArchiveFile copies the path byte by byte into a char[_MAX_PATH]
            // on the stack, with no bound.
            result.problems.push_back({"entry '" + Printable(entry.path.substr(0, 60)) + "...' (table offset " +
                                           Hex(entryAt) + ") has a path of " + std::to_string(entry.path.size()) +
                                           " bytes; the game copies it into a buffer of " +
                                           std::to_string(kGamePathBuffer) +
                                           " bytes with its NUL and may crash while opening the archive",
                                       true});
        if (std::uintmax_t{entry.offset} + entry.size > fileSize)
            result.problems.push_back({"entry '" + Printable(entry.path) + "' (table offset " + Hex(entryAt) +
                                       ") says its data lie at offset " + Hex(entry.offset) + " for " +
                                       std::to_string(entry.size) + (entry.size == 1 ? " byte" : " bytes") +
                                       ", past the end of the " +
                                       std::to_string(fileSize) + "-byte file"});
        archive->entries_.push_back(std::move(entry));
    }
    result.archive = std::move(archive);
    return result;
}

std::optional<std::string> BigArchive::read(const BigEntry& entry, std::string* problem) const {
    if (std::uintmax_t{entry.offset} + entry.size > fileSize_) {
        *problem = "its data at offset " + Hex(entry.offset) + " run past the end of " + file_.string();
        return std::nullopt;
    }
    std::ifstream in(SystemPath(file_), std::ios::binary);
    if (!in) {
        *problem = "cannot open " + file_.string() + ": " + std::strerror(errno);
        return std::nullopt;
    }
    std::string bytes(entry.size, '\0');
    in.seekg(entry.offset);
    in.read(bytes.data(), static_cast<std::streamsize>(entry.size));
    if (static_cast<std::uint32_t>(in.gcount()) != entry.size) {
        *problem = "read error in " + file_.string() + " at offset " + Hex(entry.offset);
        return std::nullopt;
    }
    return bytes;
}

}  // namespace vantrel::check
