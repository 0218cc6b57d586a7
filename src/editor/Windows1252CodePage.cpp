// Windows-1252 through the C library's iconv. Windows builds use the active code page instead
// (AnsiCodePageWin32.cpp) but keep this one for reference.
#include <iconv.h>

#include <cerrno>
#include <mutex>

#include "editor/AnsiCodePage.h"

namespace vantrel {

namespace {

class Windows1252CodePage final : public AnsiCodePage {
public:
    Windows1252CodePage() : converter_(iconv_open("WINDOWS-1252", "UTF-8")) {}
    ~Windows1252CodePage() override {
        if (converter_ != reinterpret_cast<iconv_t>(-1)) iconv_close(converter_);
    }

    std::optional<std::string> Encode(std::string_view utf8) const override {
        if (converter_ == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
        std::lock_guard lock(mutex_);
        iconv(converter_, nullptr, nullptr, nullptr, nullptr);  // reset the shift state
        std::string out(utf8.size(), '\0');  // never longer than the UTF-8 input
        char* in = const_cast<char*>(utf8.data());
        std::size_t inLeft = utf8.size();
        char* outPtr = out.data();
        std::size_t outLeft = out.size();
        // Without //TRANSLIT or //IGNORE iconv stops with EILSEQ at a character 1252 cannot hold.
        if (iconv(converter_, &in, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1)) return std::nullopt;
        out.resize(out.size() - outLeft);
        return out;
    }

    std::string Name() const override { return "Windows-1252"; }

private:
    iconv_t converter_;
    mutable std::mutex mutex_;
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
