#pragma once

#include <QWidget>
#include <array>
#include <chrono>
#include <functional>

#include "ui/WindowDescriptions.h"

class QEvent;
class QFrame;
class QLabel;
class QMouseEvent;
class QShowEvent;
class QTimer;

// The window the program starts through, built from ui::SplashDescription(): two banners, the
// version and the credits. It goes away ui::kSplashDisplayMilliseconds after it was loaded, or at
// the first click anywhere on it or the first key that produces a character, and hands over to
// the main window.
namespace vantrel {

class frmSplash : public QWidget {
    Q_OBJECT

public:
    static constexpr std::chrono::milliseconds kDisplayTime{ui::kSplashDisplayMilliseconds};

    // Creates the main window when the splash goes; called at most once. The window it returns
    // is shown and activated and belongs to the caller.
    using MainWindowFactory = std::function<QWidget*()>;

    // The splash deletes itself once dismissed. displayTime is shortened by tests only.
    explicit frmSplash(MainWindowFactory createMainWindow, std::chrono::milliseconds displayTime = kDisplayTime);

    // The main window it created, or null before it was dismissed.
    QWidget* mainWindow() const { return mainWindow_; }

signals:
    // Emitted once, after the main window was shown.
    void dismissed(QWidget* mainWindow);

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void Load();
    void Dismiss();
    void CentreOnScreen();

    QFrame* Frame1;
    std::array<QLabel*, 2> imgLogo;
    QLabel* lblVersion;
    QLabel* lblCompany;
    QLabel* lblWarning;
    QTimer* Timer1;

    MainWindowFactory createMainWindow_;
    QWidget* mainWindow_ = nullptr;
    bool pressed_ = false;
    bool dismissed_ = false;
};

}  // namespace vantrel
