// The tutorial module as the program meets it: a process that links no part of the browser engine
// and made no shared OpenGL context at start (so this suite has a main() of its own, without the
// attribute the other widget tests set). Opening the tutorial brings the engine in, and it works.
#include <QApplication>
#include <QFile>
#include <QOpenGLContext>
#include <QPointer>
#include <QTest>
#include <gtest/gtest.h>

#include <cstdlib>

#include "app/qt/AuxiliaryWindows.h"

namespace vantrel::test {
namespace {

bool BrowserEngineMapped() {
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libQt6WebEngineCore");
}

TEST(TutorialModuleTest, BrowserEngineComesOnlyWithTheFirstTutorial) {
    EXPECT_FALSE(BrowserEngineMapped()) << "the browser engine is loaded before the tutorial is asked for";
    EXPECT_EQ(QOpenGLContext::globalShareContext(), nullptr) << "an OpenGL context was made at start";

    AuxiliaryWindows windows(nullptr, {QStringLiteral(VANTREL_TUTORIAL_MODULE)});
    windows.ShowOnlineTutorial();
    QPointer<QWidget> tutorial = windows.onlineTutorial();
    ASSERT_NE(tutorial, nullptr) << "the tutorial module did not open";
    EXPECT_TRUE(BrowserEngineMapped());
    EXPECT_NE(QOpenGLContext::globalShareContext(), nullptr);

    // The tutorial address cannot be reached from the tests; the page shipped in the module shows.
    QWidget* browser = tutorial->findChild<QWidget*>(QStringLiteral("WebBrowser1"));
    ASSERT_NE(browser, nullptr);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return browser->property("title").toString() == QStringLiteral("Vantrel Tutorial"); }, 20000))
        << browser->property("title").toString().toStdString();
    EXPECT_TRUE(tutorial->property("showsBundledTutorial").toBool());
}

}  // namespace
}  // namespace vantrel::test

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    if (!std::getenv("QTWEBENGINE_DISABLE_SANDBOX")) setenv("QTWEBENGINE_DISABLE_SANDBOX", "1", 1);
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
