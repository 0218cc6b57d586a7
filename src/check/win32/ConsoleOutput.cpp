#include "check/win32/ConsoleOutput.h"

#include "platform/WideText.h"

namespace vantrel::check {

namespace {

// Where the last UTF-8 sequence of text starts when it is cut short, so that it waits for the
// rest; text.size() when text ends on a whole sequence.
std::size_t WholeSequencesEnd(const std::string& text) {
    const std::size_t size = text.size();
    for (std::size_t back = 1; back <= 4 && back <= size; ++back) {
        const auto byte = static_cast<unsigned char>(text[size - back]);
        if ((byte & 0xC0) == 0x80) continue;  // a continuation byte: look further back
        const std::size_t length = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
        return length > back ? size - back : size;
    }
    return size;
}

constexpr std::size_t kHoldAtMost = 4096;

}  // namespace

ConsoleOutput::ConsoleOutput(DWORD standardHandle) : handle_(GetStdHandle(standardHandle)) {
    DWORD mode = 0;
    console_ = handle_ != nullptr && handle_ != INVALID_HANDLE_VALUE && GetConsoleMode(handle_, &mode);
}

ConsoleOutput::~ConsoleOutput() { flushHeld(true); }

ConsoleOutput::int_type ConsoleOutput::overflow(int_type c) {
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    held_ += traits_type::to_char_type(c);
    if (c == '\n' || held_.size() >= kHoldAtMost) flushHeld(false);
    return c;
}

std::streamsize ConsoleOutput::xsputn(const char* s, std::streamsize n) {
    held_.append(s, static_cast<std::size_t>(n));
    if (held_.size() >= kHoldAtMost || held_.find('\n') != std::string::npos) flushHeld(false);
    return n;
}

int ConsoleOutput::sync() {
    flushHeld(true);
    return 0;
}

void ConsoleOutput::flushHeld(bool all) {
    if (held_.empty() || handle_ == nullptr || handle_ == INVALID_HANDLE_VALUE) {
        held_.clear();
        return;
    }
    const std::size_t end = all ? held_.size() : WholeSequencesEnd(held_);
    const std::string text = held_.substr(0, end);
    held_.erase(0, end);
    if (text.empty()) return;
    if (console_) {
        const std::wstring wide = Utf8ToWide(text);
        DWORD written = 0;
        WriteConsoleW(handle_, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
    } else {
        DWORD written = 0;
        WriteFile(handle_, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    }
}

}  // namespace vantrel::check
