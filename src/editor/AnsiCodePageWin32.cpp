// The active ANSI code page of a Windows system, through WideCharToMultiByte.
#ifdef _WIN32
#include <windows.h>

#include "editor/AnsiCodePage.h"
#include "platform/WideText.h"

namespace vantrel {

namespace {

class ActiveAnsiCodePage final : public AnsiCodePage {
public:
    std::optional<std::string> Encode(std::string_view utf8) const override {
        if (utf8.empty()) return std::string();
        const int wideLength = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(),
                                                   static_cast<int>(utf8.size()), nullptr, 0);
        if (wideLength <= 0) return std::nullopt;
        std::wstring wide(static_cast<std::size_t>(wideLength), L'\0');
        MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), static_cast<int>(utf8.size()), wide.data(),
                            wideLength);
        // WC_NO_BEST_FIT_CHARS and the used-default flag together refuse any character that would
        // otherwise be written as '?' or as a look-alike.
        BOOL usedDefault = FALSE;
        const int length = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), wideLength, nullptr, 0,
                                               nullptr, &usedDefault);
        if (length <= 0 || usedDefault) return std::nullopt;
        std::string out(static_cast<std::size_t>(length), '\0');
        WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), wideLength, out.data(), length, nullptr,
                            &usedDefault);
        if (usedDefault) return std::nullopt;
        return out;
    }

    std::string Decode(std::string_view bytes) const override {
        if (bytes.empty()) return std::string();
        const int wideLength = MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
        if (wideLength <= 0) return std::string(bytes);
        std::wstring wide(static_cast<std::size_t>(wideLength), L'\0');
        MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), wide.data(), wideLength);
        return WideToUtf8(wide);
    }

    std::string Name() const override { return "code page " + std::to_string(GetACP()); }
};

}  // namespace

const AnsiCodePage& SystemAnsiCodePage() {
    static const ActiveAnsiCodePage codePage;
    return codePage;
}

}  // namespace vantrel
#endif
