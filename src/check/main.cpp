#include <iostream>
#include <string>
#include <vector>

#include "check/CheckCommand.h"

#ifdef _WIN32
#include "check/win32/ConsoleOutput.h"
#include "platform/WideText.h"

// The arguments arrive as UTF-16, so a path outside the ANSI code page arrives whole; inside, every
// text is UTF-8, which std::filesystem on this system turns back into UTF-16 for the file API.
int wmain(int argc, wchar_t** argv) {
    std::vector<std::string> arguments;
    for (int i = 0; i < argc; ++i) arguments.push_back(vantrel::WideToUtf8(argv[i]));
    std::vector<const char*> pointers;
    for (const auto& argument : arguments) pointers.push_back(argument.c_str());
    pointers.push_back(nullptr);

    vantrel::check::ConsoleOutput outBuffer(STD_OUTPUT_HANDLE);
    vantrel::check::ConsoleOutput errBuffer(STD_ERROR_HANDLE);
    std::ostream out(&outBuffer);
    std::ostream err(&errBuffer);
    const int status = vantrel::check::RunCheckCommand(argc, pointers.data(), out, err);
    out.flush();
    err.flush();
    return status;
}
#else
int main(int argc, char** argv) { return vantrel::check::RunCheckCommand(argc, argv, std::cout, std::cerr); }
#endif
