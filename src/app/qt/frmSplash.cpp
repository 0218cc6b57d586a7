#include "app/qt/frmSplash.h"

#include <QEvent>
#include <QFont>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QScreen>
#include <QShowEvent>
#include <QTimer>
#include <utility>

#include "app/qt/AppResources.h"
#include "editor/qt/DescribedWindow.h"
#include "ui/AppIdentity.h"
#include "ui/WindowDescriptions.h"

namespace vantrel {

frmSplash::frmSplash(MainWindowFactory createMainWindow, std::chrono::milliseconds displayTime)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint), createMainWindow_(std::move(createMainWindow)) {
    const ui::WindowDescription& description = ui::SplashDescription();
    setObjectName(ToQString(description.name));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(ToQRect(description.client).size());

    const DescribedControls controls =
        BuildControls(description, this, [](const ui::ControlDescription& control, QWidget* parent) -> QWidget* {
            if (control.kind != ui::ControlKind::Frame) return nullptr;
            auto* frame = new QFrame(parent);
            frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
            return frame;
        });
    Frame1 = controls.get<QFrame>("Frame1");
    imgLogo = {controls.get<QLabel>("imgLogo", 0), controls.get<QLabel>("imgLogo", 1)};
    lblVersion = controls.get<QLabel>("lblVersion");
    lblCompany = controls.get<QLabel>("lblCompany");
    lblWarning = controls.get<QLabel>("lblWarning");

    const std::array<QString, 2> banners{AppResources::kSplashBannerTop, AppResources::kSplashBannerBottom};
    for (std::size_t index = 0; index < imgLogo.size(); ++index) {
        imgLogo[index]->setScaledContents(true);
        imgLogo[index]->setPixmap(QPixmap(banners[index]));
    }
    lblVersion->setAlignment(Qt::AlignRight | Qt::AlignTop);

    // Running from the moment the window is loaded, not from when it is first painted.
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setSingleShot(true);
    connect(Timer1, &QTimer::timeout, this, &frmSplash::Dismiss);

    Load();
    CentreOnScreen();
    Timer1->start(displayTime);
}

void frmSplash::Load() {
    lblVersion->setText(QString::fromStdString(VersionLine()));
    // The label fits its text; its left edge stays where it was placed.
    lblVersion->adjustSize();
}

void frmSplash::CentreOnScreen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    QRect place(QPoint(0, 0), size());
    place.moveCenter(screen->geometry().center());
    move(place.topLeft());
}

bool frmSplash::event(QEvent* event) {
    // Any key that produces a character, Tab, Enter and Esc included, before focus handling or
    // shortcuts see it. Shift, arrows and function keys produce none and leave the splash up.
    if (event->type() == QEvent::KeyPress && !static_cast<QKeyEvent*>(event)->text().isEmpty()) {
        Dismiss();
        return true;
    }
    return QWidget::event(event);
}

void frmSplash::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // The splash takes the keyboard as it shows, so a key typed at once dismisses it. A window
    // manager does not give the focus to a splash of its own accord; asked now, the request is
    // made as soon as the window is mapped.
    raise();
    activateWindow();
}

// Presses on the frame, the banners and the labels reach the window too: none of them takes
// mouse input, so the press travels up to here.
void frmSplash::mousePressEvent(QMouseEvent* event) {
    pressed_ = true;
    event->accept();
}

void frmSplash::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (pressed_) Dismiss();
}

void frmSplash::Dismiss() {
    // The first trigger wins; a tick, click or key that follows it before the window is gone
    // does nothing.
    if (dismissed_) return;
    dismissed_ = true;
    Timer1->stop();
    hide();

    mainWindow_ = createMainWindow_();
    if (mainWindow_) {
        mainWindow_->show();
        mainWindow_->raise();
        mainWindow_->activateWindow();
    }
    emit dismissed(mainWindow_);
    // Closed only now that the main window is visible, so the application does not take the
    // splash for its last window and quit.
    close();
}

}  // namespace vantrel
