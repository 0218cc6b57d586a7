#include "check/FindingOutput.h"

#include <cstdio>

namespace vantrel::check {

namespace {

// The length of the well-formed UTF-8 sequence at text[i], or 0 when the byte there does not
// start one (overlong forms, surrogates and code points above U+10FFFF are not well formed).
std::size_t Utf8SequenceLength(std::string_view text, std::size_t i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    std::size_t length;
    unsigned char low = 0x80, high = 0xBF;  // the range of the second byte
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    if (i + length > text.size()) return 0;
    if (byte(i + 1) < low || byte(i + 1) > high) return 0;
    for (std::size_t k = 2; k < length; ++k)
        if (byte(i + k) < 0x80 || byte(i + k) > 0xBF) return 0;
    return length;
}

void AppendUnicodeEscape(std::string& out, unsigned value) {
    char escaped[8];
    std::snprintf(escaped, sizeof escaped, "\\u%04x", value);
    out += escaped;
}

}  // namespace

std::string JsonString(std::string_view bytes) {
    std::string out = "\"";
    for (std::size_t i = 0; i < bytes.size();) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        if (byte == '"' || byte == '\\') {
            out += '\\';
            out += static_cast<char>(byte);
            ++i;
        } else if (byte < 0x20 || byte == 0x7F) {
            AppendUnicodeEscape(out, byte);
            ++i;
        } else if (const std::size_t length = Utf8SequenceLength(bytes, i); length > 0) {
            out.append(bytes.substr(i, length));
            i += length;
        } else {
            // A byte that is not UTF-8 keeps its value as a lone low surrogate, U+DC80 to U+DCFF,
            // the form file names that are not UTF-8 commonly take; reading the escapes back gives
            // the bytes of the name.
            AppendUnicodeEscape(out, 0xDC00u + byte);
            ++i;
        }
    }
    out += '"';
    return out;
}

std::string FindingAsJsonLine(const Finding& finding) {
    return "{\"file\":" + JsonString(finding.file) + ",\"line\":" + std::to_string(finding.line) +
           ",\"severity\":\"" + SeverityWord(finding.severity) + "\",\"text\":" + JsonString(finding.text) + "}";
}

}  // namespace vantrel::check
