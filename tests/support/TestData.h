#pragma once

#include <filesystem>
#include <string>
#include <vector>

// The shared test data (real files written by other programs) lives outside the repository. Tests
// that read it call SkipUnlessSharedTestData() first so that a clone without it still passes.
namespace vantrel::test {

// The folder ../shared/testdata beside the checkout, or $VANTREL_SHARED_TESTDATA when set.
std::filesystem::path SharedTestDataDir();
bool HasSharedTestData();
std::vector<unsigned char> ReadFileBytes(const std::filesystem::path& path);
std::string ReadFileText(const std::filesystem::path& path);

// A fresh empty folder under the system temporary folder, removed by the destructor.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

}  // namespace vantrel::test

#define SKIP_UNLESS_SHARED_TESTDATA()                                                                      \
    do {                                                                                                   \
        if (!::vantrel::test::HasSharedTestData())                                                         \
            GTEST_SKIP() << "shared test data not found at " << ::vantrel::test::SharedTestDataDir()       \
                         << " (set VANTREL_SHARED_TESTDATA to run this test)";                             \
    } while (0)
