#pragma once

#include <optional>
#include <string>
#include <string_view>

// Words of one line as the game's INI reader takes them: C strtok over the line's content, each
// call with its own set of separators, each separator that ends a word consumed with it.
namespace vantrel::check {

// Field names, values and words are split at these.
inline constexpr std::string_view kSeparators = " \n\r\t=";
// Coords' Label:value pairs are split at these.
inline constexpr std::string_view kColonSeparators = " \n\r\t=:";
// The rest of a quoted string runs to the next of these.
inline constexpr std::string_view kQuoteSeparators = "\"\n=";

class TokenCursor {
public:
    explicit TokenCursor(std::string_view content) : content_(content) {}

    // The next word, or nullopt at the end of the content.
    std::optional<std::string_view> next(std::string_view separators = kSeparators);

    // Whether anything but separators is left.
    bool hasMore(std::string_view separators = kSeparators) const;

    // What is left, without the separators around it (for messages).
    std::string_view rest(std::string_view separators = kSeparators) const;

private:
    std::string_view content_;
    std::size_t position_ = 0;
};

// A string field's value as the game reads it: one word, or, when the word starts with '"', the
// text up to the next quote. Empty when the line has no value at all.
std::string NextStringValue(TokenCursor& cursor);

// A number read as sscanf("%d") reads it: optional sign, then decimal digits; whatever follows
// the digits is ignored ("12abc" is 12).
struct ScannedNumber {
    int value = 0;
    bool trailingText = false;  // something followed the digits
    bool outOfRange = false;    // the digits do not fit in 32 bits
};
std::optional<ScannedNumber> ScanNumber(std::string_view word);

// ASCII case-insensitive comparison and lower-casing, as the game compares names.
bool EqualsIgnoringCase(std::string_view a, std::string_view b);
std::string LowerAscii(std::string_view text);

}  // namespace vantrel::check
