#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

// The INI file is 8-bit text in the system's ANSI code page, the form the game reads. On Windows
// that is the active code page; elsewhere it is Windows-1252, the code page the game ships for.
// A character the code page cannot hold is never written as a substitute: Encode answers nullopt.
namespace vantrel {

class AnsiCodePage {
public:
    virtual ~AnsiCodePage() = default;
    // UTF-8 in, 8-bit bytes out; nullopt when a character has no byte in this code page (or the
    // input is not valid UTF-8).
    virtual std::optional<std::string> Encode(std::string_view utf8) const = 0;
    // 8-bit bytes in, UTF-8 out, for showing a file's text. Never fails: a byte the code page leaves
    // undefined comes out as the control character of the same value (0x81 as U+0081), as Windows
    // itself decodes it. Shown text only; a file's bytes are written back from the bytes, not from this.
    virtual std::string Decode(std::string_view bytes) const = 0;
    // A name for messages, such as "Windows-1252".
    virtual std::string Name() const = 0;

    bool CanEncode(std::string_view utf8) const { return Encode(utf8).has_value(); }
};

// The code page of this platform.
const AnsiCodePage& SystemAnsiCodePage();

// Windows-1252, available everywhere (the Linux system code page, and the tests' reference).
std::unique_ptr<AnsiCodePage> MakeWindows1252CodePage();

}  // namespace vantrel
