#include <gtest/gtest.h>

#include <fstream>

#include "app/PosixProgramServices.h"
#include "support/TestData.h"

namespace vantrel::test {
namespace {

TEST(PosixProgramServicesTest, StartsWhatCanRunAndReportsWhatCannot) {
    PosixProgramLocator locator;
    const std::string truePath = locator.FindOnPath("true");
    ASSERT_FALSE(truePath.empty()) << "no 'true' on the search path";
    EXPECT_TRUE(PosixFileProbe().IsFile(truePath));

    PosixProgramStarter starter;
    EXPECT_TRUE(starter.StartDetached(truePath));

    TempDir dir;
    const std::string notExecutable = (dir / "plain.txt").string();
    std::ofstream(notExecutable) << "not a program";
    EXPECT_FALSE(starter.StartDetached(notExecutable));
    EXPECT_FALSE(starter.StartDetached((dir / "missing").string()));
    EXPECT_FALSE(PosixFileProbe().IsFile(dir.path().string())) << "a folder is not a file";
    EXPECT_EQ(locator.FindOnPath("vantrel-no-such-program"), "");
}

}  // namespace
}  // namespace vantrel::test
