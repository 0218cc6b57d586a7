#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The game's .big archives, read in place: opening one reads its header and entry table only;
// an entry's bytes are read from the archive file when asked for, never unpacked to disk.
//
// Layout, as Win32BIGFileSystem::openArchiveFile reads it:
//   0x00  4 bytes  "BIGF" (the game's archives) or "BIG4" (the same layout, written by later games
//                  and some tools)
//   0x04  4 bytes  archive size, little-endian (not used by the game)
//   0x08  4 bytes  number of entries, big-endian
//   0x0C  4 bytes  end of the entry table (not used by the game)
//   0x10  entries: data offset (4 bytes, big-endian), data size (4 bytes, big-endian), path
//         ended by a NUL byte, such as "Data\INI\MappedImages\HandCreated\Foo.ini".
//
// The table is read entry by entry and never sized from the header's count, so that memory
// follows what the file really holds.
namespace vantrel::check {

enum class BigFormat { Bigf, Big4 };

struct BigEntry {
    std::string path;  // as stored
    std::uint32_t offset = 0;
    std::uint32_t size = 0;
};

class BigArchive;

// One thing wrong with an archive, naming the byte offset.
struct BigProblem {
    std::string text;
    // The game crashes or hangs on it while opening the archive at start-up, rather than
    // merely finding a file missing or damaged later.
    bool stopsTheGame = false;
};

struct BigOpenResult {
    std::unique_ptr<BigArchive> archive;  // null when the archive cannot be used at all
    // What is wrong with it: the reason it cannot be used, or entries the game chokes on or whose
    // data lie outside the file (those entries are kept, as the game keeps them, and fail when
    // read).
    std::vector<BigProblem> problems;
};

class BigArchive {
public:
    static BigOpenResult Open(const std::filesystem::path& file);

    const std::filesystem::path& file() const { return file_; }
    BigFormat format() const { return format_; }
    const std::vector<BigEntry>& entries() const { return entries_; }

    // The entry's bytes; nullopt with *problem set when they cannot be read.
    std::optional<std::string> read(const BigEntry& entry, std::string* problem) const;

private:
    BigArchive(std::filesystem::path file, BigFormat format, std::uintmax_t fileSize)
        : file_(std::move(file)), format_(format), fileSize_(fileSize) {}

    std::filesystem::path file_;
    BigFormat format_;
    std::uintmax_t fileSize_;
    std::vector<BigEntry> entries_;
};

}  // namespace vantrel::check
