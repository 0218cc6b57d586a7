#pragma once

#include <windows.h>

#include <streambuf>
#include <string>

// Output to the standard output or error handle, for text that is UTF-8. In a console the text
// goes through WriteConsoleW, so names outside the console's code page show as they are;
// redirected to a file or a pipe, the UTF-8 bytes are written unchanged.
namespace vantrel::check {

class ConsoleOutput : public std::streambuf {
public:
    explicit ConsoleOutput(DWORD standardHandle);
    ~ConsoleOutput() override;
    bool isConsole() const { return console_; }

protected:
    int_type overflow(int_type c) override;
    std::streamsize xsputn(const char* s, std::streamsize n) override;
    int sync() override;

private:
    // Writes what is held, up to the last whole UTF-8 sequence when `all` is false.
    void flushHeld(bool all);

    HANDLE handle_;
    bool console_ = false;
    std::string held_;
};

}  // namespace vantrel::check
