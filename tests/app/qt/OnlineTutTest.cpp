#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QScreen>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QWebEngineView>
#include <gtest/gtest.h>
#include <memory>

#include "app/qt/AuxiliaryWindows.h"
#include "app/qt/frmOnlineTut.h"
#include "support/ScriptedUserInteraction.h"
#include "ui/Twips.h"
#include "ui/WindowDescriptions.h"

namespace vantrel::test {
namespace {

using namespace std::chrono_literals;

// A local server for the tutorial address: one that answers with a page, or one that takes the
// connection and never answers.
class TutorialServer {
public:
    explicit TutorialServer(bool answers) {
        server_.listen(QHostAddress::LocalHost);
        QObject::connect(&server_, &QTcpServer::newConnection, [this, answers] {
            while (QTcpSocket* socket = server_.nextPendingConnection()) {
                if (!answers) continue;  // kept open, never written to
                QObject::connect(socket, &QTcpSocket::readyRead, socket, [socket] {
                    socket->readAll();
                    socket->write("HTTP/1.0 200 OK\r\nContent-Type: text/html\r\nConnection: close\r\n\r\n"
                                  "<html><head><title>Online page</title></head><body>online</body></html>");
                    socket->disconnectFromHost();
                });
            }
        });
    }
    QUrl url() const {
        return QUrl(QStringLiteral("http://127.0.0.1:%1/page.php?file=vantrel_use").arg(server_.serverPort()));
    }

private:
    QTcpServer server_;
};

// An address nothing listens on: the connection is refused at once.
QUrl UnreachableUrl() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    const quint16 port = probe.serverPort();
    probe.close();
    return QUrl(QStringLiteral("http://127.0.0.1:%1/page.php?file=vantrel_use").arg(port));
}

bool WaitForTitle(QWebEngineView* view, const QString& title, int ms = 20000) {
    return QTest::qWaitFor([&] { return view->title() == title; }, ms);
}

// The module built beside the programs, as the program finds it.
QStringList ModulePaths() { return {QStringLiteral(VANTREL_TUTORIAL_MODULE)}; }

class OnlineTutTest : public ::testing::Test {
protected:
    frmOnlineTut* Open(const QUrl& address, std::chrono::milliseconds timeout = frmOnlineTut::kLoadTimeout) {
        window = new frmOnlineTut(address, timeout);
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window));
        return window;
    }
    void TearDown() override { delete window.data(); }
    QPointer<frmOnlineTut> window;
};

TEST_F(OnlineTutTest, OpensMaximizedAndRestoresToTheDesignSize) {
    const ui::WindowDescription& description = ui::OnlineTutorialDescription();
    Open(UnreachableUrl());
    EXPECT_EQ(window->windowTitle(), QString::fromUtf8(description.caption));
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_FALSE(window->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(window->windowIcon().isNull()) << "application icon missing";
    QWebEngineView* browser = window->findChild<QWebEngineView*>(QStringLiteral("WebBrowser1"));
    ASSERT_EQ(browser, window->browser());

    // Maximized: the page gets the screen's available area, the browser the client rule.
    const QSize available = window->screen()->availableSize();
    EXPECT_TRUE(QTest::qWaitFor([&] {
        return window->isMaximized() && window->size().width() > available.width() * 3 / 4 &&
               window->size().height() > available.height() * 3 / 4;
    })) << window->size().width() << " x " << window->size().height();
    EXPECT_TRUE(QTest::qWaitFor([&] {
        return window->browserSizeTwips() == QSize(window->width() * 15 - 100, window->height() * 15 - 100);
    }));

    // Restored: the design client area, the browser at its place and the margin smaller each way.
    window->showNormal();
    const QSize design(ui::TwipsToPixels(description.client.width), ui::TwipsToPixels(description.client.height));
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->size() == design; }))
        << window->size().width() << " x " << window->size().height();
    const ui::TwipsSize browserTwips =
        ui::BrowserSizeTwips({ui::PixelsToTwips(design.width()), ui::PixelsToTwips(design.height())});
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return window->browserSizeTwips() == QSize(browserTwips.width, browserTwips.height); }));
    const ui::TwipsRect place = description.control("WebBrowser1").place;
    EXPECT_EQ(browser->geometry(),
              QRect(ui::TwipsToPixels(place.left), ui::TwipsToPixels(place.top),
                    ui::TwipsToPixels(browserTwips.width), ui::TwipsToPixels(browserTwips.height)));
}

TEST_F(OnlineTutTest, BrowserFollowsResizingAndMaximizing) {
    Open(UnreachableUrl());
    window->showNormal();
    // The platform reports a new window size a little later than it is asked for.
    window->resize(600, 400);
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->browserSizeTwips() == QSize(8900, 5900); }));
    EXPECT_EQ(window->browser()->geometry(), QRect(8, 8, 593, 393));

    window->resize(5, 5);
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->browserSizeTwips() == QSize(0, 0); }));

    window->showMaximized();
    const auto followsClient = [&] {
        const QSize client = window->size();
        return window->isMaximized() && client.width() > 600 &&
               window->browserSizeTwips() == QSize(client.width() * 15 - 100, client.height() * 15 - 100);
    };
    EXPECT_TRUE(QTest::qWaitFor(followsClient));
    EXPECT_EQ(window->browser()->pos(), QPoint(8, 8));
}

TEST_F(OnlineTutTest, UnreachableSiteShowsTheBundledTutorial) {
    // A timeout far beyond the wait: the failed load itself must bring the bundled page.
    Open(UnreachableUrl(), 120s);
    QSignalSpy bundled(window.data(), &frmOnlineTut::bundledTutorialShown);
    ASSERT_TRUE(WaitForTitle(window->browser(), QStringLiteral("Vantrel Tutorial"), 10000));
    EXPECT_TRUE(window->showsBundledTutorial());
    EXPECT_EQ(window->browser()->url(), frmOnlineTut::BundledTutorialUrl());
    EXPECT_LE(bundled.count(), 1);
    EXPECT_TRUE(window->isVisible());
}

TEST_F(OnlineTutTest, SiteThatNeverAnswersShowsTheBundledTutorialAfterTheTimeout) {
    TutorialServer silent(false);
    Open(silent.url(), 300ms);
    EXPECT_FALSE(window->showsBundledTutorial());
    ASSERT_TRUE(WaitForTitle(window->browser(), QStringLiteral("Vantrel Tutorial")));
    EXPECT_TRUE(window->showsBundledTutorial());
}

TEST_F(OnlineTutTest, ReachableSiteIsShownAsItIs) {
    TutorialServer site(true);
    Open(site.url(), 20s);
    ASSERT_TRUE(WaitForTitle(window->browser(), QStringLiteral("Online page")));
    QTest::qWait(200);
    EXPECT_FALSE(window->showsBundledTutorial());
    EXPECT_EQ(window->browser()->url(), site.url());
}

QWebEngineView* BrowserOf(QWidget* window) {
    return window ? window->findChild<QWebEngineView*>(QStringLiteral("WebBrowser1")) : nullptr;
}

// Through the tutorial module, as the Help menu opens the window.
TEST(OnlineTutWindowTest, OneWindowPerProcessNavigatingAnewAfterClosing) {
    AuxiliaryWindows windows(nullptr, ModulePaths());
    windows.ShowOnlineTutorial();
    QPointer<QWidget> first = windows.onlineTutorial();
    ASSERT_NE(first, nullptr) << "the tutorial module did not open";
    EXPECT_EQ(first->objectName(), QStringLiteral("frmOnlineTut"));
    ASSERT_NE(BrowserOf(first), nullptr);
    ASSERT_TRUE(WaitForTitle(BrowserOf(first), QStringLiteral("Vantrel Tutorial")));

    QSignalSpy reloads(BrowserOf(first), &QWebEngineView::loadStarted);
    windows.ShowOnlineTutorial();
    EXPECT_EQ(windows.onlineTutorial(), first.data());
    QTest::qWait(200);
    EXPECT_EQ(reloads.count(), 0) << "showing the open window again must not reload it";
    int open = 0;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->objectName() == QStringLiteral("frmOnlineTut") && widget->isVisible()) ++open;
    EXPECT_EQ(open, 1);

    first->close();
    EXPECT_EQ(windows.onlineTutorial(), nullptr);
    windows.ShowOnlineTutorial();
    QWidget* second = windows.onlineTutorial();
    ASSERT_NE(second, nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.isNull());
    EXPECT_FALSE(second->property("showsBundledTutorial").toBool()) << "a new window starts from the tutorial address";
}

TEST(OnlineTutWindowTest, MissingModuleIsReportedAndTheProgramGoesOn) {
    ScriptedUserInteraction ui;
    const QString missing = QDir::temp().filePath(QStringLiteral("no-such-folder/libvantrel-tutorial.so"));
    AuxiliaryWindows windows(&ui, {missing});
    for (int attempt = 0; attempt < 2; ++attempt) {  // each attempt is told, none ends the program
        windows.ShowOnlineTutorial();
        EXPECT_EQ(windows.onlineTutorial(), nullptr);
    }
    const std::vector<MessageBoxRequest> shown = ui.messages();
    ASSERT_EQ(shown.size(), 2u);
    const QString text = QString::fromStdString(shown[0].text);
    EXPECT_TRUE(text.startsWith(QStringLiteral("The online tutorial cannot be opened"))) << shown[0].text;
    EXPECT_TRUE(text.contains(QFileInfo(missing).absolutePath())) << "the folder looked in is not named";
    EXPECT_EQ(shown[0].icon, MessageIcon::Critical);
    EXPECT_FALSE(windows.tutorialModuleLoaded());
    windows.ShowAbout();
    EXPECT_NE(windows.about(), nullptr) << "the rest of the Help menu still works";
}

}  // namespace
}  // namespace vantrel::test
