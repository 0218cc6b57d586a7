#include "check/GameIniTokens.h"

#include <cstdint>

namespace vantrel::check {

std::optional<std::string_view> TokenCursor::next(std::string_view separators) {
    const auto start = content_.find_first_not_of(separators, position_);
    if (start == std::string_view::npos) {
        position_ = content_.size();
        return std::nullopt;
    }
    const auto end = content_.find_first_of(separators, start);
    if (end == std::string_view::npos) {
        position_ = content_.size();
        return content_.substr(start);
    }
    position_ = end + 1;  // strtok overwrites the separator that ends the word
    return content_.substr(start, end - start);
}

bool TokenCursor::hasMore(std::string_view separators) const {
    return content_.find_first_not_of(separators, position_) != std::string_view::npos;
}

std::string_view TokenCursor::rest(std::string_view separators) const {
    const auto start = content_.find_first_not_of(separators, position_);
    if (start == std::string_view::npos) return {};
    const auto end = content_.find_last_not_of(separators);
    return content_.substr(start, end - start + 1);
}

std::string NextStringValue(TokenCursor& cursor) {
    const auto word = cursor.next();
    if (!word) return {};
    if (word->front() != '"') return std::string(*word);

    std::string text(word->substr(1));
    if (const auto rest = cursor.next(kQuoteSeparators)) {
        // The game puts one blank back between the first word and the rest, unless the rest is a
        // single character or starts with a tab.
        if (rest->size() > 1 && (*rest)[1] != '\t') text += ' ';
        text += *rest;
    } else if (!text.empty() && text.back() == '"') {
        text.pop_back();
    }
    return text;
}

std::optional<ScannedNumber> ScanNumber(std::string_view word) {
    std::size_t position = 0;
    bool negative = false;
    if (position < word.size() && (word[position] == '+' || word[position] == '-')) {
        negative = word[position] == '-';
        ++position;
    }
    const std::size_t firstDigit = position;
    std::uint64_t magnitude = 0;
    bool overflow = false;
    while (position < word.size() && word[position] >= '0' && word[position] <= '9') {
        magnitude = magnitude * 10 + static_cast<std::uint64_t>(word[position] - '0');
        if (magnitude > (1ull << 31)) {  // already beyond any 32-bit value; stop growing
            overflow = true;
            magnitude = 1ull << 31;
        }
        ++position;
    }
    if (position == firstDigit) return std::nullopt;

    ScannedNumber number;
    number.trailingText = position < word.size();
    const std::uint64_t limit = negative ? (1ull << 31) : (1ull << 31) - 1;
    number.outOfRange = overflow || magnitude > limit;
    const std::uint64_t clamped = magnitude > limit ? limit : magnitude;
    number.value = negative ? static_cast<int>(-static_cast<std::int64_t>(clamped)) : static_cast<int>(clamped);
    return number;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
        if (x != y) return false;
    }
    return true;
}

std::string LowerAscii(std::string_view text) {
    std::string lower(text);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return lower;
}

}  // namespace vantrel::check
