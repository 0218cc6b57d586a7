#include "check/Finding.h"

#include <cstdio>

namespace vantrel::check {

const char* SeverityWord(Severity severity) { return severity == Severity::Error ? "error" : "warning"; }

std::string FormatFinding(const Finding& finding) {
    std::string text = finding.file;
    if (finding.line > 0) text += ":" + std::to_string(finding.line);
    text += ": ";
    text += SeverityWord(finding.severity);
    text += ": ";
    text += finding.text;
    return text;
}

std::string Quoted(std::string_view bytes) {
    std::string text = "'";
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte >= 0x7F) {
            char escaped[5];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
            text += escaped;
        } else {
            text += c;
        }
    }
    text += "'";
    return text;
}

}  // namespace vantrel::check
