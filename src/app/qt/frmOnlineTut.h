#pragma once

#include <QSize>
#include <QTimer>
#include <QUrl>
#include <QWidget>
#include <chrono>

#include "ui/WindowDescriptions.h"

class QResizeEvent;
class QShowEvent;
class QWebEngineLoadingInfo;
class QWebEngineView;

// The online tutorial in an embedded browser that fills the window, less a margin. The maker's
// site may not answer; then the window shows the tutorial page shipped with the program instead
// of the browser's error page. Modeless and without an owner; it deletes itself when closed.
// It lives in the tutorial module with the browser engine (see TutorialModule.h).
namespace vantrel {

class frmOnlineTut : public QWidget {
    Q_OBJECT
    // Readable by name too, for code that sees the window only as a QWidget from the module.
    Q_PROPERTY(bool showsBundledTutorial READ showsBundledTutorial NOTIFY bundledTutorialShown)

public:
    // How long the tutorial address may take before the shipped page is shown instead.
    static constexpr std::chrono::milliseconds kLoadTimeout{ui::kTutorialLoadTimeoutMilliseconds};

    static QUrl TutorialUrl();
    static QUrl BundledTutorialUrl();

    // address and loadTimeout are for tests; the program always uses the defaults.
    explicit frmOnlineTut(const QUrl& address = TutorialUrl(), std::chrono::milliseconds loadTimeout = kLoadTimeout);

    QWebEngineView* browser() const { return WebBrowser1; }
    // The browser's width and height in twips as last set.
    QSize browserSizeTwips() const { return browserTwips_; }
    bool showsBundledTutorial() const { return showsBundledTutorial_; }

signals:
    // The tutorial address could not be reached (or took too long); the shipped page is loading.
    void bundledTutorialShown();

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void Load(const QUrl& address);
    void SetBrowserSizeTwips(const QSize& twips);
    void OnLoadingChanged(const QWebEngineLoadingInfo& info);
    void ShowBundledTutorial();

    QWebEngineView* WebBrowser1;
    QSize browserTwips_;
    QTimer loadTimer_;
    std::chrono::milliseconds loadTimeout_;
    bool awaitingTutorial_ = false;
    bool showsBundledTutorial_ = false;
    bool openedOnce_ = false;
};

}  // namespace vantrel
