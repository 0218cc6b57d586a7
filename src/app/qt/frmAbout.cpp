#include "app/qt/frmAbout.h"

#include <QFrame>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QPalette>
#include <QPushButton>

#include "app/qt/AppResources.h"
#include "app/qt/NativeWindowHints.h"
#include "app/qt/Twips.h"
#include "ui/AppIdentity.h"
#include "editor/qt/DialogFont.h"
#include "editor/qt/QtUserInteraction.h"

namespace vantrel {

namespace {

constexpr const char* kCopyrightNotice =
    "Copyright (C) Kestwin. All rights reserved. Vantrel is not made or endorsed by the game's makers.";

QLabel* MakeLabel(QWidget* parent, const char* name, const QRect& geometry, bool blackText) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(geometry);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    if (blackText) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, Qt::black);
        label->setPalette(palette);
    }
    return label;
}

// One half of the etched separator: a grey hairline with a white line under it.
QFrame* MakeLine(QWidget* parent, int index, const QRect& geometry, const QColor& colour) {
    auto* line = new QFrame(parent);
    line->setObjectName(QStringLiteral("Line1"));
    line->setProperty("index", index);
    line->setGeometry(geometry);
    line->setAutoFillBackground(true);
    QPalette palette = line->palette();
    palette.setColor(QPalette::Window, colour);
    line->setPalette(palette);
    return line;
}

}  // namespace

frmAbout::frmAbout(LauncherFactory makeLauncher)
    : QDialog(nullptr, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                           Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint) {
    setObjectName(QStringLiteral("frmAbout"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    // Its own stored place: the client area's top-left corner at 2340, 1935 twips on the screen.
    setGeometry(TwipsRect(2340, 1935, 5730, 3555));
    setFixedSize(size());

    picIcon = MakeLabel(this, "picIcon", TwipsRect(240, 240, 540, 540), false);
    const QPixmap icon = QIcon(AppResources::kApplicationIcon).pixmap(32, 32);
    picIcon->setPixmap(icon);
    if (!icon.isNull()) picIcon->resize(icon.size());

    lblTitle = MakeLabel(this, "lblTitle", TwipsRect(1050, 240, 3885, 480), true);
    QFont titleFont = lblTitle->font();
    titleFont.setPointSize(14);
    titleFont.setBold(true);
    lblTitle->setFont(titleFont);
    lblTitle->setText(QStringLiteral("Application Title"));

    lblVersion = MakeLabel(this, "lblVersion", TwipsRect(1050, 780, 3885, 225), false);
    lblVersion->setText(QStringLiteral("Version"));

    lblDescription = MakeLabel(this, "lblDescription", TwipsRect(1050, 1125, 3885, 1170), true);
    lblDescription->setWordWrap(true);
    lblDescription->setText(DescriptionText());

    Line1[1] = MakeLine(this, 1, QRect(TwipsToPixels(90), TwipsToPixels(2445), TwipsToPixels(5654 - 90), 1),
                        QColor(0x80, 0x80, 0x80));
    Line1[0] = MakeLine(this, 0, QRect(TwipsToPixels(105), TwipsToPixels(2460), TwipsToPixels(5654 - 105), 2),
                        Qt::white);

    lblDisclaimer = MakeLabel(this, "lblDisclaimer", TwipsRect(255, 2625, 3870, 825), true);
    lblDisclaimer->setWordWrap(true);
    lblDisclaimer->setText(QString::fromUtf8(kCopyrightNotice));

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(TwipsRect(4245, 2625, 1260, 345));
    // Enter presses OK wherever the focus is, the other button included.
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    cmdSysInfo = new QPushButton(QStringLiteral("&System Info..."), this);
    cmdSysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    cmdSysInfo->setGeometry(TwipsRect(4260, 3075, 1245, 345));
    cmdSysInfo->setAutoDefault(false);
    // The buttons are laid out for the small dialog face; in the desktop's default font
    // "System Info..." fills its button edge to edge.
    cmdOK->setFont(DialogFont());
    cmdSysInfo->setFont(DialogFont());
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::StartSysInfo);

    // Tab order: OK, the icon, System Info; the labels take no focus.
    setTabOrder(cmdOK, cmdSysInfo);
    cmdOK->setFocus();

    ui_ = std::make_unique<QtUserInteraction>(this);
    launcher_ = makeLauncher(*ui_);

    Load();
}

frmAbout::~frmAbout() = default;

QString frmAbout::DescriptionText() {
    // The address is kept whole on one line: line breaking may otherwise part it after "https://".
    // A word joiner between its characters forbids a break there and shows nothing.
    QString address;
    for (const QChar c : QString::fromUtf8(kSupportSiteAddress)) {
        if (!address.isEmpty()) address += QChar(kWordJoiner);
        address += c;
    }
    return QString::fromUtf8(kDescription) + address;
}

void frmAbout::Load() {
    setWindowTitle(QStringLiteral("About ") + QString::fromUtf8(kApplicationTitle));
    lblVersion->setText(QString::fromStdString(VersionLine()));
    lblTitle->setText(QString::fromUtf8(kApplicationTitle));
}

void frmAbout::StartSysInfo() {
    if (launcher_) launcher_->StartSysInfo();
}

void frmAbout::keyPressEvent(QKeyEvent* event) {
    // Esc presses OK, so it closes the dialog the same way.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        cmdOK->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void frmAbout::showEvent(QShowEvent* event) {
    // Out of the taskbar, like the other secondary windows, yet with a dialog's frame.
    KeepOutOfTaskbar(this);
    QDialog::showEvent(event);
}

}  // namespace vantrel
