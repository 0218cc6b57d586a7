#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

// The version record of the built program, read back as Explorer reads it.
namespace vantrel::test {
namespace {

#ifdef VANTREL_PROGRAM_PATH
class VersionRecordTest : public ::testing::Test {
protected:
    void SetUp() override {
        DWORD handle = 0;
        const DWORD size = GetFileVersionInfoSizeW(program, &handle);
        ASSERT_GT(size, 0u) << "no version record in the program";
        record.resize(size);
        ASSERT_TRUE(GetFileVersionInfoW(program, 0, size, record.data()));
    }
    std::wstring String(const std::wstring& name) {
        void* value = nullptr;
        UINT length = 0;
        const std::wstring path = L"\\StringFileInfo\\040904b0\\" + name;
        if (!VerQueryValueW(record.data(), path.c_str(), &value, &length) || !value) return L"<missing>";
        return std::wstring(static_cast<const wchar_t*>(value));
    }

    const wchar_t* program = L"" VANTREL_PROGRAM_PATH;
    std::vector<unsigned char> record;
};

TEST_F(VersionRecordTest, FileAndProductVersionAreTwoZeroZeroZero) {
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(record.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    ASSERT_EQ(fixed->dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(fixed->dwFileVersionMS, MAKELONG(0, 2));
    EXPECT_EQ(fixed->dwFileVersionLS, 0u);
    EXPECT_EQ(fixed->dwProductVersionMS, MAKELONG(0, 2));
    EXPECT_EQ(fixed->dwProductVersionLS, 0u);
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));
}

TEST_F(VersionRecordTest, EnglishUnitedStatesInUnicode) {
    struct Translation {
        WORD language;
        WORD codePage;
    }* translations = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(record.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translations),
                               &length));
    ASSERT_EQ(length, sizeof(Translation));
    EXPECT_EQ(translations->language, 0x0409);
    EXPECT_EQ(translations->codePage, 1200);
}

TEST_F(VersionRecordTest, Strings) {
    EXPECT_EQ(String(L"FileVersion"), L"2.00");
    EXPECT_EQ(String(L"ProductVersion"), L"2.00");
    EXPECT_EQ(String(L"ProductName"), L"Vantrel 2.0");
    EXPECT_EQ(String(L"CompanyName"), L"Kestwin");
    EXPECT_EQ(String(L"OriginalFilename"), L"vantrel.exe");
    EXPECT_EQ(String(L"InternalName"), L"vantrel.exe");
    EXPECT_NE(String(L"FileDescription"), L"<missing>");
    EXPECT_NE(String(L"LegalCopyright"), L"<missing>");
}

TEST_F(VersionRecordTest, ProgramCarriesItsIconAndManifest) {
    HMODULE module = LoadLibraryExW(program, nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(module, nullptr);
    EXPECT_NE(FindResourceW(module, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(14) /* RT_GROUP_ICON */), nullptr);
    HRSRC manifest = FindResourceW(module, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24) /* RT_MANIFEST */);
    ASSERT_NE(manifest, nullptr);
    const std::string text(static_cast<const char*>(LockResource(LoadResource(module, manifest))),
                           SizeofResource(module, manifest));
    EXPECT_NE(text.find("Microsoft.Windows.Common-Controls"), std::string::npos);
    EXPECT_NE(text.find("asInvoker"), std::string::npos);
    EXPECT_NE(text.find("PerMonitorV2"), std::string::npos);
    // Three icon sizes: 16, 32 and 48 pixels.
    HRSRC group = FindResourceW(module, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(14));
    ASSERT_NE(group, nullptr);
    const auto* directory = static_cast<const WORD*>(LockResource(LoadResource(module, group)));
    EXPECT_EQ(directory[2], 3) << "icon images";
    FreeLibrary(module);
}
#else
TEST(VersionRecordTest, NeedsTheProgram) { GTEST_SKIP() << "the program vantrel is not built in this tree"; }
#endif

}  // namespace
}  // namespace vantrel::test
