// Text that crosses the operating system's boundary: the user's folders and, on Windows, the
// conversion between the program's UTF-8 and the wide API.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "editor/MappingEditor.h"
#include "platform/UserFolders.h"

#ifdef _WIN32
#include <windows.h>

#include "platform/WideText.h"
#endif

namespace vantrel::test {
namespace {

// Sets an environment variable for the length of a test and puts the old value back.
class ScopedEnvironment {
public:
#ifdef _WIN32
    ScopedEnvironment(const wchar_t* name, const wchar_t* value) : name_(name) {
        if (const wchar_t* old = _wgetenv(name)) old_ = old, hadOld_ = true;
        SetEnvironmentVariableW(name, value);
        _wputenv_s(name, value);
    }
    ~ScopedEnvironment() {
        SetEnvironmentVariableW(name_.c_str(), hadOld_ ? old_.c_str() : nullptr);
        _wputenv_s(name_.c_str(), hadOld_ ? old_.c_str() : L"");
    }

private:
    std::wstring name_, old_;
#else
    ScopedEnvironment(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old, hadOld_ = true;
        setenv(name, value, 1);
    }
    ~ScopedEnvironment() {
        if (hadOld_)
            setenv(name_.c_str(), old_.c_str(), 1);
        else
            unsetenv(name_.c_str());
    }

private:
    std::string name_, old_;
#endif
    bool hadOld_ = false;
};

bool DriveDExists() {
    std::error_code error;
    return std::filesystem::is_directory("D:\\", error);
}

#ifdef _WIN32
TEST(WideText, RoundTripsEveryPlaneAndReplacesWhatIsBroken) {
    const std::string utf8 = "Zo\xc3\xab \xe6\xbc\xa2\xe5\xad\x97 \xf0\x9f\x98\x80";  // Zoë 漢字 and an emoji
    const std::wstring wide = Utf8ToWide(utf8);
    EXPECT_EQ(wide, L"Zo\u00eb \u6f22\u5b57 \U0001F600");
    EXPECT_EQ(WideToUtf8(wide), utf8);
    EXPECT_EQ(Utf8ToWide(""), L"");
    EXPECT_EQ(Utf8ToWide("a\xff"), L"a\uFFFD");
    EXPECT_EQ(WideToUtf8(std::wstring(1, wchar_t(0xD800))), "\xef\xbf\xbd");
}

TEST(HomeFolder, IsTheProfileFolderInUtf8EvenOutsideTheAnsiCodePage) {
    // getenv would give code-page bytes here ("Zo\xeb") or question marks for the CJK characters.
    ScopedEnvironment profile(L"USERPROFILE", L"C:\\users\\Zo\u00eb \u6f22\u5b57");
    EXPECT_EQ(HomeFolder(), "C:\\users\\Zo\xc3\xab \xe6\xbc\xa2\xe5\xad\x97");
    if (DriveDExists()) GTEST_SKIP() << "drive D: exists here, so the dialogs open there instead";
    EXPECT_EQ(MappingEditor::InitialDialogFolder(), "C:\\users\\Zo\xc3\xab \xe6\xbc\xa2\xe5\xad\x97");
    EXPECT_EQ(MappingEditor::OpenDialogRequest().initialFolder, MappingEditor::InitialDialogFolder());
}
#else
TEST(HomeFolder, IsHomeAndTheDialogsStartThereWithoutADriveD) {
    ScopedEnvironment home("HOME", "/home/zo\xc3\xab");
    EXPECT_EQ(HomeFolder(), "/home/zo\xc3\xab");
    ASSERT_FALSE(DriveDExists());
    EXPECT_EQ(MappingEditor::InitialDialogFolder(), "/home/zo\xc3\xab");
    EXPECT_EQ(MappingEditor::SaveDialogRequest().initialFolder, "/home/zo\xc3\xab");
}
#endif

}  // namespace
}  // namespace vantrel::test
