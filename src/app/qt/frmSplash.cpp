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
#include "app/qt/Twips.h"
#include "ui/AppIdentity.h"
#include "editor/qt/DialogFont.h"

namespace vantrel {

namespace {

constexpr const char* kAuthorCredit = "Written by Kestwin";
constexpr const char* kThanksCredit =
    "With thanks to everyone who shared what they learned about reading Targa textures.";

QLabel* MakeLabel(QWidget* parent, const char* name, const QRect& geometry) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(geometry);
    return label;
}

}  // namespace

frmSplash::frmSplash(MainWindowFactory createMainWindow, std::chrono::milliseconds displayTime)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint), createMainWindow_(std::move(createMainWindow)) {
    setObjectName(QStringLiteral("frmSplash"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(TwipsToPixels(7380), TwipsToPixels(4245));

    Frame1 = new QFrame(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Frame1->setGeometry(TwipsRect(120, 120, 7080, 4050));

    const std::array<QString, 2> banners{AppResources::kSplashBannerTop, AppResources::kSplashBannerBottom};
    const std::array<QRect, 2> bannerPlaces{TwipsRect(600, 240, 6000, 825), TwipsRect(600, 2040, 6000, 825)};
    for (std::size_t index = 0; index < imgLogo.size(); ++index) {
        imgLogo[index] = MakeLabel(Frame1, "imgLogo", bannerPlaces[index]);
        imgLogo[index]->setProperty("index", static_cast<int>(index));
        imgLogo[index]->setScaledContents(true);
        imgLogo[index]->setPixmap(QPixmap(banners[index]));
    }

    lblVersion = MakeLabel(Frame1, "lblVersion", TwipsRect(2640, 1440, 885, 285));
    lblVersion->setFont(ArialFont(12, true));
    lblVersion->setAlignment(Qt::AlignRight | Qt::AlignTop);
    lblVersion->setText(QStringLiteral("Version"));

    lblCompany = MakeLabel(Frame1, "lblCompany", TwipsRect(120, 3360, 2415, 255));
    lblCompany->setFont(ArialFont(8.25, false));
    lblCompany->setText(QString::fromUtf8(kAuthorCredit));

    lblWarning = MakeLabel(Frame1, "lblWarning", TwipsRect(150, 3660, 6855, 195));
    lblWarning->setFont(ArialFont(8.25, false));
    lblWarning->setText(QString::fromUtf8(kThanksCredit));

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
