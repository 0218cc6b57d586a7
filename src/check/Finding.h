#pragma once

#include <string>
#include <string_view>

// One thing lint has to say about one line of one INI file. An error is something that stops the
// game at start-up; a warning is something the game accepts but that shows a wrong, missing or
// surprising picture.
namespace vantrel::check {

enum class Severity { Error, Warning };

struct Finding {
    std::string file;
    int line = 0;  // from 1; 0 when the finding concerns the whole file
    Severity severity = Severity::Error;
    std::string text;

    bool operator==(const Finding&) const = default;
};

const char* SeverityWord(Severity severity);

// "file:line: error: text" (without ":line" when line is 0).
std::string FormatFinding(const Finding& finding);

// INI bytes quoted for a message: 'text', with control bytes and bytes from 0x7F up written as
// \xNN, so that a finding is plain ASCII whatever code page the file was written in.
std::string Quoted(std::string_view bytes);

}  // namespace vantrel::check
