#include "app/qt/frmOnlineTut.h"

#include <QIcon>
#include <QResizeEvent>
#include <QWebEngineLoadingInfo>
#include <QWebEnginePage>
#include <QWebEngineView>

#include "app/qt/AppResources.h"
#include "editor/qt/NativeWindowHints.h"
#include "ui/AppIdentity.h"
#include "ui/Twips.h"
#include "ui/WindowDescriptions.h"

namespace vantrel {

namespace {
// Chromium's net::ERR_ABORTED: the load was replaced by another one (a link the user followed,
// or our own switch to the shipped page), not a site that failed to answer.
constexpr int kLoadAbortedError = -3;

const ui::WindowDescription& Description() { return ui::OnlineTutorialDescription(); }
const ui::ControlDescription& BrowserDescription() { return Description().control("WebBrowser1"); }

QSize BrowserSizeTwipsFor(const QSize& areaPixels) {
    const ui::TwipsSize twips =
        ui::BrowserSizeTwips({ui::PixelsToTwips(areaPixels.width()), ui::PixelsToTwips(areaPixels.height())});
    return QSize(twips.width, twips.height);
}
}  // namespace

QUrl frmOnlineTut::TutorialUrl() { return QUrl(QString::fromStdString(TutorialAddress())); }

QUrl frmOnlineTut::BundledTutorialUrl() { return QUrl(AppResources::kTutorialPage); }

frmOnlineTut::frmOnlineTut(const QUrl& address, std::chrono::milliseconds loadTimeout)
    : QWidget(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMaximizeButtonHint |
                           Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint),
      loadTimeout_(loadTimeout) {
    const ui::WindowDescription& description = Description();
    setObjectName(QString::fromUtf8(description.name));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QString::fromUtf8(description.caption));
    // From the program's resources, which the module shares with the rest of the process.
    setWindowIcon(QIcon(AppResources::kApplicationIcon));
    // The design size is the restored size; at it the page shows a handful of lines, so the window
    // opens maximized, where the page can be read (see showEvent).
    resize(ui::TwipsToPixels(description.client.width), ui::TwipsToPixels(description.client.height));

    const ui::ControlDescription& browser = BrowserDescription();
    WebBrowser1 = new QWebEngineView(this);
    WebBrowser1->setObjectName(QString::fromUtf8(browser.name));
    WebBrowser1->move(ui::TwipsToPixels(browser.place.left), ui::TwipsToPixels(browser.place.top));
    SetBrowserSizeTwips(QSize(browser.place.width, browser.place.height));

    loadTimer_.setSingleShot(true);
    connect(&loadTimer_, &QTimer::timeout, this, [this] {
        if (!awaitingTutorial_) return;
        WebBrowser1->stop();
        ShowBundledTutorial();
    });
    connect(WebBrowser1->page(), &QWebEnginePage::loadingChanged, this, &frmOnlineTut::OnLoadingChanged);

    Load(address);
}

void frmOnlineTut::Load(const QUrl& address) {
    // load() returns at once; the page arrives while the window goes on.
    awaitingTutorial_ = true;
    WebBrowser1->load(address);
    loadTimer_.start(loadTimeout_);
    // Sized from the outer size first; the first resize event replaces it with the client rule.
    SetBrowserSizeTwips(BrowserSizeTwipsFor(frameGeometry().size()));
}

void frmOnlineTut::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    SetBrowserSizeTwips(BrowserSizeTwipsFor(size()));
}

void frmOnlineTut::SetBrowserSizeTwips(const QSize& twips) {
    browserTwips_ = twips;
    WebBrowser1->resize(ui::TwipsToPixels(twips.width()), ui::TwipsToPixels(twips.height()));
}

void frmOnlineTut::OnLoadingChanged(const QWebEngineLoadingInfo& info) {
    if (!awaitingTutorial_) return;
    switch (info.status()) {
        case QWebEngineLoadingInfo::LoadSucceededStatus:
            awaitingTutorial_ = false;
            loadTimer_.stop();
            break;
        case QWebEngineLoadingInfo::LoadFailedStatus:
            if (info.errorCode() == kLoadAbortedError) break;
            ShowBundledTutorial();
            break;
        default:
            break;
    }
}

void frmOnlineTut::ShowBundledTutorial() {
    awaitingTutorial_ = false;
    loadTimer_.stop();
    showsBundledTutorial_ = true;
    WebBrowser1->load(BundledTutorialUrl());
    emit bundledTutorialShown();
}

void frmOnlineTut::showEvent(QShowEvent* event) {
    // Out of the taskbar, like the other secondary windows, yet with a dialog's or window's frame.
    KeepOutOfTaskbar(this);
    // Opened maximized (set here, when the native window exists but is not yet mapped: a state set
    // before it exists does not reach the window manager).
    if (!openedOnce_) {
        openedOnce_ = true;
        setWindowState(windowState() | Qt::WindowMaximized);
    }
    QWidget::showEvent(event);
}

}  // namespace vantrel
