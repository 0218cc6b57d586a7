#pragma once

#include <string>
#include <string_view>
#include <vector>

// Splits an INI file into lines the way the game's INI reader does, byte for byte:
// - a line ends at LF (CR is just another byte);
// - a line holds at most kMaxLineBytes bytes before its LF; a longer one is cut there and the
//   bytes after the cut are read as a line of their own;
// - ';' ends the line's content (the rest of the line is a comment), and so does a NUL byte;
// - bytes 1 to 31 (tab and CR included) are blanks.
// Bytes from 0x80 up are kept as they are, so a UTF-8 byte-order mark is content: the game reads
// it as part of the first word of the file.
namespace vantrel::check {

// The game's line buffer holds this many bytes; the 1029th byte of a line starts a new one.
inline constexpr std::size_t kMaxLineBytes = 1028;

struct GameLine {
    int number = 0;             // the line in the file (from 1), as an editor counts it
    bool continuation = false;  // the bytes after a cut of a line longer than kMaxLineBytes
    std::string content;        // what the game tokenises: blanks mapped, cut at ';' or NUL
    std::string comment;        // the bytes after a ';' that ends the content, as they are
};

struct GameLines {
    std::vector<GameLine> lines;
    bool byteOrderMark = false;  // the file starts with EF BB BF (kept out of the first line's content)
    // Lines that were cut and whose bytes after the cut hold more than blanks.
    std::vector<int> cutLines;
};

GameLines SplitGameLines(std::string_view bytes);

}  // namespace vantrel::check
