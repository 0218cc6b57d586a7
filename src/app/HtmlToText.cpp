#include "app/HtmlToText.h"

#include <cstdint>
#include <cstdlib>

namespace vantrel {

namespace {

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v'; }
bool IsAlnum(char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

void AppendUtf8(std::string& text, std::uint32_t code) {
    if (code < 0x80) {
        text += static_cast<char>(code);
    } else if (code < 0x800) {
        text += static_cast<char>(0xC0 | (code >> 6));
        text += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        text += static_cast<char>(0xE0 | (code >> 12));
        text += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        text += static_cast<char>(0xF0 | (code >> 18));
        text += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        text += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// The character a reference between "&" and ";" stands for; 0 for one this page does not use.
std::uint32_t DecodeReference(const std::string& entity) {
    if (entity == "amp") return '&';
    if (entity == "lt") return '<';
    if (entity == "gt") return '>';
    if (entity == "quot") return '"';
    if (entity == "apos") return '\'';
    if (entity == "nbsp") return ' ';
    if (entity.size() > 1 && entity[0] == '#') {
        const bool hex = entity[1] == 'x' || entity[1] == 'X';
        const char* digits = entity.c_str() + (hex ? 2 : 1);
        char* end = nullptr;
        const unsigned long code = std::strtoul(digits, &end, hex ? 16 : 10);
        if (end == digits || *end != '\0' || code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return 0;
        return static_cast<std::uint32_t>(code);
    }
    return 0;
}

// Where the end tag "</name ...>" after from ends, looked for without regard to case; npos if none.
std::size_t FindEndTag(std::string_view html, std::size_t from, const std::string& name) {
    for (std::size_t at = html.find("</", from); at != std::string_view::npos; at = html.find("</", at + 2)) {
        std::size_t k = 0;
        while (k < name.size() && at + 2 + k < html.size() && Lower(html[at + 2 + k]) == name[k]) ++k;
        if (k < name.size() || (at + 2 + k < html.size() && IsAlnum(html[at + 2 + k]))) continue;
        const std::size_t end = html.find('>', at);
        return end == std::string_view::npos ? end : end + 1;
    }
    return std::string_view::npos;
}

bool IsHeading(const std::string& name) {
    return name.size() == 2 && name[0] == 'h' && name[1] >= '1' && name[1] <= '6';
}

}  // namespace

std::string HtmlToText(std::string_view html) {
    std::string text;
    bool pendingSpace = false;
    // Ends the text so far with count line ends (no more), unless nothing was written yet.
    const auto newLine = [&](int count) {
        pendingSpace = false;
        if (text.empty()) return;
        int present = 0;
        for (auto it = text.rbegin(); it != text.rend() && *it == '\n' && present < count; ++it) ++present;
        text.append(static_cast<std::size_t>(count - present), '\n');
    };
    const auto put = [&](std::string_view characters) {
        if (pendingSpace && !text.empty() && text.back() != '\n') text += ' ';
        pendingSpace = false;
        text += characters;
    };

    for (std::size_t i = 0; i < html.size();) {
        const char c = html[i];
        if (c == '<') {
            const std::size_t end = html.find('>', i);
            if (end == std::string_view::npos) break;
            const std::string_view tag = html.substr(i + 1, end - i - 1);
            i = end + 1;
            const bool closing = !tag.empty() && tag[0] == '/';
            std::string name;
            for (std::size_t k = closing ? 1 : 0; k < tag.size() && IsAlnum(tag[k]); ++k) name += Lower(tag[k]);
            if (!closing && (name == "head" || name == "style" || name == "script")) {
                // Dropped whole, up to its end tag: what it holds is not text to show, and a
                // script may hold a "<" of its own.
                const std::size_t closer = FindEndTag(html, i, name);
                if (closer == std::string_view::npos) break;
                i = closer;
                continue;
            }
            if (name == "br" || name == "tr") {
                newLine(1);
            } else if (name == "li") {
                newLine(1);
                if (!closing) text += "- ";
            } else if (name == "p" || name == "pre" || name == "ol" || name == "ul" || name == "table" ||
                       IsHeading(name)) {
                newLine(2);
            } else if (name == "td" || name == "th") {
                pendingSpace = true;
            }
            continue;
        }
        ++i;
        if (c == '&') {
            const std::size_t end = html.find(';', i);
            if (end != std::string_view::npos && end - i <= 8) {
                if (const std::uint32_t code = DecodeReference(std::string(html.substr(i, end - i)))) {
                    std::string decoded;
                    AppendUtf8(decoded, code);
                    put(decoded);
                    i = end + 1;
                    continue;
                }
            }
            put("&");
        } else if (IsSpace(c)) {
            pendingSpace = true;
        } else {
            put(std::string_view(&html[i - 1], 1));
        }
    }
    while (!text.empty() && text.back() == '\n') text.pop_back();
    return text;
}

}  // namespace vantrel
