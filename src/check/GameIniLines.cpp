#include "check/GameIniLines.h"

namespace vantrel::check {

namespace {

bool IsBlankContent(const std::string& content) {
    for (const char c : content)
        if (c != ' ') return false;
    return true;
}

}  // namespace

GameLines SplitGameLines(std::string_view bytes) {
    GameLines result;
    if (bytes.size() >= 3 && bytes.substr(0, 3) == "\xEF\xBB\xBF") {
        result.byteOrderMark = true;
        bytes.remove_prefix(3);
    }

    std::size_t lineFeeds = 0;
    for (const char byte : bytes) lineFeeds += byte == '\n';
    result.lines.reserve(lineFeeds + 1);

    std::size_t position = 0;
    int number = 1;
    bool continuation = false;
    while (position < bytes.size()) {
        GameLine line{number, continuation, {}, {}};
        bool commented = false;
        bool semicolon = false;
        std::size_t taken = 0;
        bool endedByLineFeed = false;
        while (taken < kMaxLineBytes && position < bytes.size()) {
            const auto byte = static_cast<unsigned char>(bytes[position++]);
            if (byte == '\n') {
                endedByLineFeed = true;
                break;
            }
            ++taken;
            if (commented) {
                if (semicolon) line.comment += static_cast<char>(byte);
                continue;
            }
            if (byte == ';' || byte == 0) {
                commented = true;
                semicolon = byte == ';';
            } else if (byte < 32) {
                line.content += ' ';
            } else {
                line.content += static_cast<char>(byte);
            }
        }
        const bool cut = !endedByLineFeed && taken == kMaxLineBytes && position < bytes.size();
        if (continuation && !IsBlankContent(line.content) &&
            (result.cutLines.empty() || result.cutLines.back() != number))
            result.cutLines.push_back(number);
        result.lines.push_back(std::move(line));
        if (cut) {
            // The next piece is the same line of the file, read on as a line of its own.
            continuation = true;
        } else {
            continuation = false;
            ++number;
        }
    }
    return result;
}

}  // namespace vantrel::check
