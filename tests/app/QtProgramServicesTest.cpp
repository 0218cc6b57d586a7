#include <QFile>
#include <gtest/gtest.h>

#include "app/QtProgramServices.h"
#include "support/TestData.h"

namespace vantrel::test {
namespace {

TEST(QtProgramServicesTest, StartsWhatCanRunAndReportsWhatCannot) {
    QtProgramLocator locator;
    const std::string truePath = locator.FindOnPath("true");
    ASSERT_FALSE(truePath.empty()) << "no 'true' on the search path";
    EXPECT_TRUE(QtFileProbe().IsFile(truePath));

    QtProgramStarter starter;
    EXPECT_TRUE(starter.StartDetached(truePath));

    TempDir dir;
    const std::string notExecutable = (dir / "plain.txt").string();
    QFile file(QString::fromStdString(notExecutable));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a program");
    file.close();
    EXPECT_FALSE(starter.StartDetached(notExecutable));
    EXPECT_FALSE(starter.StartDetached((dir / "missing").string()));
    EXPECT_FALSE(QtFileProbe().IsFile(dir.path().string())) << "a folder is not a file";
    EXPECT_EQ(locator.FindOnPath("vantrel-no-such-program"), "");
}

}  // namespace
}  // namespace vantrel::test
