#include "editor/EntryText.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "editor/MappingDocument.h"

namespace vantrel {

namespace {

// The decimal order of magnitude of an unsigned number's text (the power of ten of its leading
// nonzero digit), or nullopt for a zero. A value too small or too large for a double is told apart
// by it: an order below 0 is a value below 1.
std::optional<long long> DecimalOrder(std::string_view text) {
    const std::size_t e = text.find_first_of("eE");
    const std::string_view mantissa = text.substr(0, e);
    long long exponent = 0;
    if (e != std::string_view::npos) {
        std::string_view digits = text.substr(e + 1);
        bool negative = false;
        if (!digits.empty() && (digits.front() == '+' || digits.front() == '-')) {
            negative = digits.front() == '-';
            digits.remove_prefix(1);
        }
        for (const char c : digits) exponent = std::min(exponent * 10 + (c - '0'), 1'000'000'000LL);
        if (negative) exponent = -exponent;
    }
    const std::size_t point = mantissa.find('.');
    const std::string_view whole = mantissa.substr(0, point);
    const std::string_view fraction = point == std::string_view::npos ? std::string_view() : mantissa.substr(point + 1);
    if (const std::size_t first = whole.find_first_not_of('0'); first != std::string_view::npos)
        return static_cast<long long>(whole.size() - first - 1) + exponent;
    if (const std::size_t first = fraction.find_first_not_of('0'); first != std::string_view::npos)
        return -static_cast<long long>(first + 1) + exponent;
    return std::nullopt;
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::size_t SkipDigits(std::string_view text, std::size_t at) {
    while (at < text.size() && IsDigit(text[at])) ++at;
    return at;
}

// Length in bytes of the UTF-8 sequence that starts with this byte (1 for anything unexpected).
std::size_t Utf8SequenceLength(unsigned char lead) {
    if (lead >= 0xF0 && lead <= 0xF7) return 4;
    if (lead >= 0xE0) return 3;
    if (lead >= 0xC0) return 2;
    return 1;
}

}  // namespace

bool IsNumericText(std::string_view text) {
    text = TrimBlanks(text);
    std::size_t at = 0;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) ++at;
    const std::size_t integerStart = at;
    at = SkipDigits(text, at);
    bool digits = at > integerStart;
    if (at < text.size() && text[at] == '.') {
        const std::size_t fractionStart = ++at;
        at = SkipDigits(text, at);
        digits = digits || at > fractionStart;
    }
    if (!digits) return false;
    if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        ++at;
        if (at < text.size() && (text[at] == '+' || text[at] == '-')) ++at;
        const std::size_t exponentStart = at;
        at = SkipDigits(text, at);
        if (at == exponentStart) return false;
    }
    return at == text.size();
}

std::optional<std::int16_t> ToCoordinate(std::string_view text) {
    if (!IsNumericText(text)) return std::nullopt;
    text = TrimBlanks(text);
    bool negative = false;
    if (text.front() == '+' || text.front() == '-') {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    double value = 0;
    // from_chars reads the C locale's form whatever the user's locale says; a huge exponent gives
    // result_out_of_range, which is out of range here too.
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
    if (result.ptr != text.data() + text.size()) return std::nullopt;
    if (result.ec == std::errc::result_out_of_range) {
        // Too small for a double is not out of range: such a value rounds to 0 like any other
        // below one half. Too large is.
        const auto order = DecimalOrder(text);
        if (!order || *order >= 0) return std::nullopt;
        value = 0;
    } else if (result.ec != std::errc()) {
        return std::nullopt;
    }
    if (negative) value = -value;
    const double rounded = std::nearbyint(value);  // the default rounding mode: halfway to even
    if (!(rounded >= -32768.0 && rounded <= 32767.0)) return std::nullopt;
    return static_cast<std::int16_t>(rounded);
}

std::string CutEntryName(const std::string& answer) {
    if (answer.empty()) return answer;
    const std::size_t firstCharacterLength =
        std::min(Utf8SequenceLength(static_cast<unsigned char>(answer.front())), answer.size());
    const std::size_t blank = answer.find(' ', firstCharacterLength);
    if (blank == std::string::npos) return answer;
    return answer.substr(0, blank + 1);
}

std::optional<std::string> GameNameProblem(const std::string& entryName, const AnsiCodePage& codePage) {
    bool onlyBlanks = true;
    for (std::size_t i = 0; i < entryName.size(); ++i) {
        const char c = entryName[i];
        const auto byte = static_cast<unsigned char>(c);
        // C1 controls (U+0080 to U+009F, in UTF-8 0xC2 followed by 0x80 to 0x9F) are control
        // characters too, whatever the code page would make of them.
        const bool c1Control = byte == 0xC2 && i + 1 < entryName.size() &&
                               static_cast<unsigned char>(entryName[i + 1]) >= 0x80 &&
                               static_cast<unsigned char>(entryName[i + 1]) <= 0x9F;
        if (c == ';' || c == '=' || byte < 32 || byte == 127 || c1Control)
            return std::string("The entry name cannot contain ';', '=', a tab or another control character: "
                               "the game would not read the entry.");
        if (c != ' ') onlyBlanks = false;
    }
    if (onlyBlanks) return std::string("The entry name cannot be only blanks: the game would not read the entry.");
    const auto encoded = codePage.Encode(MappingDocument::FirstLineFor(entryName));
    if (!encoded)
        return "The entry name holds a character that the INI file's " + codePage.Name() +
               " encoding cannot represent.";
    if (encoded->size() > kGameMaxLineLength)
        return "The entry name is too long: the game reads at most " + std::to_string(kGameMaxLineLength) +
               " characters on its MappedImage line.";
    return std::nullopt;
}

std::string SingleToText(float value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.7G", static_cast<double>(value));
    return buffer;
}

}  // namespace vantrel
