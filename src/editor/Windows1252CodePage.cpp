// Windows-1252 from a built-in table, the same on every system: the Linux build writes the code
// page the game ships for without depending on the C library's converters. Windows builds use the
// active code page instead (AnsiCodePageWin32.cpp) and keep this one for reference and tests.
#include <array>
#include <cstdint>

#include "editor/AnsiCodePage.h"

namespace vantrel {

namespace {

// The characters of bytes 0x80 to 0x9F; 0 where the code page defines no character (0x81, 0x8D,
// 0x8F, 0x90, 0x9D). Every other byte is the code point of the same value.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,       // 88-8F
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,  // 98-9F
};

// The next code point of utf8 from position i (advanced past it); nullopt for invalid UTF-8:
// stray continuation bytes, overlong forms, surrogates, values above U+10FFFF, cut sequences.
std::optional<char32_t> NextCodePoint(std::string_view utf8, std::size_t& i) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    if (lead < 0x80) {
        ++i;
        return lead;
    }
    std::size_t length;
    char32_t value;
    char32_t minimum;
    if ((lead & 0xE0) == 0xC0) {
        length = 2, value = lead & 0x1F, minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, value = lead & 0x0F, minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, value = lead & 0x07, minimum = 0x10000;
    } else {
        return std::nullopt;
    }
    if (i + length > utf8.size()) return std::nullopt;
    for (std::size_t k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(utf8[i + k]);
        if ((next & 0xC0) != 0x80) return std::nullopt;
        value = (value << 6) | (next & 0x3F);
    }
    if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return std::nullopt;
    i += length;
    return value;
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        // Every character of the table lies below U+10000.
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

std::optional<unsigned char> ToWindows1252(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<unsigned char>(c);
    for (std::size_t k = 0; k < kHighControls.size(); ++k)
        if (kHighControls[k] != 0 && kHighControls[k] == c) return static_cast<unsigned char>(0x80 + k);
    // U+0080 to U+009F and everything else: no byte.
    return std::nullopt;
}

class Windows1252CodePage final : public AnsiCodePage {
public:
    std::optional<std::string> Encode(std::string_view utf8) const override {
        std::string out;
        out.reserve(utf8.size());
        for (std::size_t i = 0; i < utf8.size();) {
            const auto c = NextCodePoint(utf8, i);
            if (!c) return std::nullopt;
            const auto byte = ToWindows1252(*c);
            if (!byte) return std::nullopt;
            out.push_back(static_cast<char>(*byte));
        }
        return out;
    }

    std::string Decode(std::string_view bytes) const override {
        std::string out;
        out.reserve(bytes.size());
        for (const char byte : bytes) {
            const auto b = static_cast<unsigned char>(byte);
            char32_t c = b;
            if (b >= 0x80 && b < 0xA0 && kHighControls[b - 0x80] != 0) c = kHighControls[b - 0x80];
            AppendUtf8(out, c);
        }
        return out;
    }

    std::string Name() const override { return "Windows-1252"; }
};

}  // namespace

std::unique_ptr<AnsiCodePage> MakeWindows1252CodePage() { return std::make_unique<Windows1252CodePage>(); }

#ifndef _WIN32
const AnsiCodePage& SystemAnsiCodePage() {
    static const auto codePage = MakeWindows1252CodePage();
    return *codePage;
}
#endif

}  // namespace vantrel
