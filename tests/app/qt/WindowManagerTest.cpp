// The start-up, auxiliary and delete windows under a real X11 window manager (openbox, xfwm4):
// which of them stay out of the taskbar, which carry an icon, and that the splash takes the keyboard when
// it shows. Read back from the X server as a taskbar or xprop reads it.
#include <QApplication>
#include <QGuiApplication>
#include <QIcon>
#include <QPointer>
#include <QProcess>
#include <QTest>
#include <gtest/gtest.h>
#include <xcb/xcb.h>

#include <QtGui/qguiapplication_platform.h>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "app/qt/AppResources.h"
#include "app/qt/frmAbout.h"
#include "app/qt/frmOnlineTut.h"
#include "app/qt/frmSplash.h"
#include "editor/qt/MainWindow.h"
#include "editor/qt/frmDelete.h"
#include "support/ScriptedUserInteraction.h"

namespace vantrel::test {
namespace {

using namespace std::chrono_literals;

xcb_connection_t* Connection() {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

xcb_atom_t Atom(const char* name) {
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        Connection(), xcb_intern_atom(Connection(), 0, static_cast<std::uint16_t>(std::strlen(name)), name), nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(reply);
    return atom;
}

// A property's 32-bit values; empty when the window has none.
std::vector<std::uint32_t> Property(const QWidget* window, const char* name, xcb_atom_t type) {
    std::vector<std::uint32_t> values;
    xcb_get_property_reply_t* reply = xcb_get_property_reply(
        Connection(),
        xcb_get_property(Connection(), 0, static_cast<xcb_window_t>(window->winId()), Atom(name), type, 0, 4096),
        nullptr);
    if (reply && reply->format == 32) {
        const auto* data = static_cast<const std::uint32_t*>(xcb_get_property_value(reply));
        values.assign(data, data + xcb_get_property_value_length(reply) / 4);
    }
    std::free(reply);
    return values;
}

bool HasAtom(const QWidget* window, const char* property, const char* atom) {
    const xcb_atom_t wanted = Atom(atom);
    for (std::uint32_t value : Property(window, property, XCB_ATOM_ATOM))
        if (value == wanted) return true;
    return false;
}

bool OutOfTaskbar(const QWidget* window) { return HasAtom(window, "_NET_WM_STATE", "_NET_WM_STATE_SKIP_TASKBAR"); }

// Title bar and borders: the window manager reports the frame it drew around the window.
bool Decorated(const QWidget* window) {
    const std::vector<std::uint32_t> extents = Property(window, "_NET_FRAME_EXTENTS", XCB_ATOM_CARDINAL);
    return extents.size() == 4 && extents[2] > 0;  // left, right, top, bottom
}

class WindowManagerTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (QGuiApplication::platformName() != QStringLiteral("xcb")) GTEST_SKIP() << "needs an X11 display";
        ASSERT_NE(Connection(), nullptr);
    }
};

TEST_F(WindowManagerTest, AboutStaysOutOfTheTaskbarWithItsFrameAndNoIcon) {
    QWidget withIcon;
    withIcon.setWindowIcon(QIcon(AppResources::kApplicationIcon));
    withIcon.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&withIcon));
    const std::vector<std::uint32_t> applicationIcon = Property(&withIcon, "_NET_WM_ICON", XCB_ATOM_CARDINAL);
    ASSERT_FALSE(applicationIcon.empty());
    for (int opening = 0; opening < 2; ++opening) {  // the state is asked for again at each showing
        QPointer<frmAbout> about = new frmAbout();
        about->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(about));
        EXPECT_TRUE(QTest::qWaitFor([&] { return OutOfTaskbar(about); }, 3000)) << "opening " << opening;
        EXPECT_TRUE(QTest::qWaitFor([&] { return Decorated(about); }, 3000));
        // The window manager may show a generic icon of its own; the dialog gives none.
        EXPECT_NE(Property(about, "_NET_WM_ICON", XCB_ATOM_CARDINAL), applicationIcon) << "About carries the icon";
        EXPECT_FALSE(HasAtom(about, "_NET_WM_ALLOWED_ACTIONS", "_NET_WM_ACTION_MAXIMIZE_HORZ"));
        about->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(about.isNull());
    }
}

TEST_F(WindowManagerTest, TutorialStaysOutOfTheTaskbarWithItsIconAndMaximizeButton) {
    QPointer<frmOnlineTut> tutorial = new frmOnlineTut(QUrl(QStringLiteral("about:blank")));
    tutorial->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(tutorial));
    EXPECT_TRUE(QTest::qWaitFor([&] { return OutOfTaskbar(tutorial); }, 3000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return Decorated(tutorial); }, 3000));
    EXPECT_FALSE(Property(tutorial, "_NET_WM_ICON", XCB_ATOM_CARDINAL).empty()) << "the icon is missing";
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return HasAtom(tutorial, "_NET_WM_ALLOWED_ACTIONS", "_NET_WM_ACTION_MAXIMIZE_VERT"); }, 3000));
    // Opened maximized, so the page can be read.
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return HasAtom(tutorial, "_NET_WM_STATE", "_NET_WM_STATE_MAXIMIZED_VERT") && tutorial->height() > 600; },
        3000));
    delete tutorial.data();
}

TEST_F(WindowManagerTest, DeleteDialogStaysOutOfTheTaskbarWithItsFrame) {
    ScriptedUserInteraction ui;
    MainWindow window(&ui);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_FALSE(OutOfTaskbar(&window));
    for (int opening = 0; opening < 2; ++opening) {  // a new dialog at each opening
        window.mnuEditDelete_Click();
        QPointer<frmDelete> dialog = window.deleteDialog();
        ASSERT_NE(dialog, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog));
        EXPECT_TRUE(QTest::qWaitFor([&] { return OutOfTaskbar(dialog); }, 3000)) << "opening " << opening;
        EXPECT_TRUE(QTest::qWaitFor([&] { return Decorated(dialog); }, 3000));
        dialog->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(dialog.isNull());
    }
}

TEST_F(WindowManagerTest, SplashTakesACharacterKeyTypedAtTheKeyboard) {
    std::unique_ptr<QWidget> mainWindow;
    QPointer<frmSplash> splash = new frmSplash(
        [&]() -> QWidget* {
            mainWindow = std::make_unique<QWidget>();
            mainWindow->resize(200, 100);
            return mainWindow.get();
        },
        60s);
    splash->show();  // as the program shows it: nobody else activates it
    ASSERT_TRUE(QTest::qWaitForWindowExposed(splash));
    EXPECT_TRUE(QTest::qWaitForWindowActive(splash, 3000)) << "the splash is not the active window";
    QTest::qWait(200);
    // A real key press through the X server, delivered wherever the keyboard focus is.
    ASSERT_EQ(QProcess::execute(QStringLiteral("xdotool"), {QStringLiteral("key"), QStringLiteral("a")}), 0);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            return splash.isNull();
        },
        3000))
        << "the key did not dismiss the splash";
    EXPECT_TRUE(mainWindow && mainWindow->isVisible());
    delete splash.data();
}

}  // namespace
}  // namespace vantrel::test
