#include <QApplication>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPointer>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

#include "app/qt/frmSplash.h"
#include "editor/qt/DescribedWindowCheck.h"
#include "ui/WindowDescriptions.h"

namespace vantrel::test {
namespace {

using namespace std::chrono_literals;

// A splash whose factory counts the main windows it was asked for.
class SplashTest : public ::testing::Test {
protected:
    frmSplash* MakeSplash(std::chrono::milliseconds displayTime = 60s) {
        splash = new frmSplash(
            [this]() -> QWidget* {
                ++created;
                mainWindow = std::make_unique<QWidget>();
                mainWindow->setWindowTitle(QStringLiteral("main"));
                return mainWindow.get();
            },
            displayTime);
        splash->show();
        splash->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(splash));
        return splash;
    }

    // True once the splash has closed and deleted itself and the main window is up.
    bool Dismissed() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return splash.isNull() && mainWindow && mainWindow->isVisible();
    }

    void TearDown() override {
        delete splash.data();
        mainWindow.reset();
    }

    QPointer<frmSplash> splash;
    std::unique_ptr<QWidget> mainWindow;
    int created = 0;
};

TEST_F(SplashTest, BuiltFromItsDescriptionCentredWithItsVersion) {
    MakeSplash();
    const ui::WindowDescription& description = ui::SplashDescription();
    EXPECT_EQ(splash->size(), ToQRect(description.client).size());
    EXPECT_TRUE(splash->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(splash->windowType(), Qt::SplashScreen);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_LE((splash->frameGeometry().center() - screen.center()).manhattanLength(), 2);
    // The version label is sized to its text, not to the design width of "Version".
    ExpectBuiltFrom(splash, description, {"lblVersion"});
    ExpectCaptionsFit(splash);

    for (QLabel* banner : splash->findChildren<QLabel*>(QStringLiteral("imgLogo")))
        EXPECT_EQ(banner->pixmap().size(), banner->size()) << "banner picture missing from the resources";
    auto* version = splash->findChild<QLabel*>(QStringLiteral("lblVersion"));
    ASSERT_NE(version, nullptr);
    EXPECT_EQ(version->text(), QStringLiteral("Version 2.0.0"));
    EXPECT_TRUE(version->alignment().testFlag(Qt::AlignRight));
    EXPECT_EQ(version->size(), version->sizeHint());
    EXPECT_EQ(created, 0);
}

TEST_F(SplashTest, TimerHandsOverToTheMainWindow) {
    MakeSplash(50ms);
    QSignalSpy lastWindowClosed(qApp, &QGuiApplication::lastWindowClosed);
    EXPECT_FALSE(Dismissed());
    EXPECT_TRUE(QTest::qWaitFor([&] { return Dismissed(); }, 5000));
    EXPECT_EQ(created, 1);
    EXPECT_TRUE(QTest::qWaitForWindowActive(mainWindow.get()));
    EXPECT_EQ(lastWindowClosed.count(), 0) << "the application would have quit";
}

TEST_F(SplashTest, ClickOnAnyPartDismisses) {
    for (const char* name : {"lblVersion", "lblCompany", "lblWarning", "imgLogo", "Frame1", "frmSplash"}) {
        SCOPED_TRACE(name);
        MakeSplash();
        QWidget* target = QString::fromLatin1(name) == QStringLiteral("frmSplash")
                              ? splash.data()
                              : splash->findChild<QWidget*>(QString::fromLatin1(name));
        ASSERT_NE(target, nullptr);
        // The window's margin outside the frame, or the middle of the part.
        const QPoint at = target == splash.data() ? QPoint(3, 3) : target->rect().center();
        QTest::mouseClick(target, Qt::LeftButton, {}, at);
        EXPECT_TRUE(Dismissed());
        EXPECT_EQ(created, 1);
        created = 0;
        mainWindow.reset();
    }
}

TEST_F(SplashTest, CharacterKeysDismiss) {
    for (Qt::Key key : {Qt::Key_A, Qt::Key_5, Qt::Key_Space, Qt::Key_Return, Qt::Key_Escape, Qt::Key_Backspace}) {
        SCOPED_TRACE(QKeySequence(key).toString().toStdString());
        MakeSplash();
        QTest::keyClick(splash.data(), key);
        EXPECT_TRUE(Dismissed());
        EXPECT_EQ(created, 1);
        created = 0;
        mainWindow.reset();
    }
}

TEST_F(SplashTest, KeysWithoutACharacterLeaveItToTheTimer) {
    MakeSplash(400ms);
    for (Qt::Key key : {Qt::Key_Shift, Qt::Key_Left, Qt::Key_Down, Qt::Key_F1, Qt::Key_Control}) {
        QTest::keyClick(splash.data(), key);
        EXPECT_FALSE(Dismissed()) << QKeySequence(key).toString().toStdString();
    }
    EXPECT_EQ(created, 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return Dismissed(); }, 5000));
    EXPECT_EQ(created, 1);
}

TEST_F(SplashTest, MainWindowIsCreatedOnceWhateverFollowsTheFirstTrigger) {
    MakeSplash(30ms);
    QSignalSpy dismissed(splash.data(), &frmSplash::dismissed);
    frmSplash* raw = splash.data();
    auto* version = raw->findChild<QLabel*>(QStringLiteral("lblVersion"));
    // The click dismisses; a key and the (stopped) timer follow before the deferred deletion.
    QTest::mouseClick(version, Qt::LeftButton);
    QTest::keyClick(raw, Qt::Key_B);
    QTest::qWait(80);
    EXPECT_TRUE(Dismissed());
    EXPECT_EQ(created, 1);
    EXPECT_EQ(dismissed.count(), 1);
}

}  // namespace
}  // namespace vantrel::test
