// Lints every input as one MappedImage INI file, twice, in two linters. Beyond the sanitizers'
// findings it stops on a finding without text or outside the file's lines, and on two runs over
// the same bytes that report differently.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "check/Linter.h"

namespace {

using namespace vantrel::check;

[[noreturn]] void Fail(const char* why) {
    std::fprintf(stderr, "ini lint fuzz: %s\n", why);
    std::abort();
}

std::vector<Finding> Lint(const std::string& text) {
    Linter linter(LintOptions{});
    linter.addFile("fuzz.ini", text);
    // A second file merges into the first one's names, as the game's collection does.
    linter.addFile("again.ini", text);
    return linter.finish();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    // The game ends a line at LF (and at 1,028 bytes); a finding may name the line after the last.
    const auto lines = static_cast<int>(std::count(text.begin(), text.end(), '\n') + size / 1000 + 2);
    const std::vector<Finding> findings = Lint(text);
    for (const auto& finding : findings) {
        if (finding.text.empty()) Fail("a finding without text");
        if (finding.file != "fuzz.ini" && finding.file != "again.ini") Fail("a finding names a file not read");
        if (finding.line < 0 || finding.line > lines) Fail("a finding outside the file's lines");
        if (finding.severity != Severity::Error && finding.severity != Severity::Warning) Fail("an unknown severity");
    }
    if (Lint(text) != findings) Fail("two runs over the same bytes reported differently");
    return 0;
}
