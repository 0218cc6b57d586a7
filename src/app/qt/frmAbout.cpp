#include "app/qt/frmAbout.h"

#include <QFrame>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QPalette>
#include <QPushButton>

#include "app/qt/AppResources.h"
#include "editor/qt/NativeWindowHints.h"
#include "editor/qt/DescribedWindow.h"
#include "editor/qt/QtUserInteraction.h"
#include "ui/AppIdentity.h"
#include "ui/WindowDescriptions.h"

namespace vantrel {

frmAbout::frmAbout(LauncherFactory makeLauncher)
    : QDialog(nullptr, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                           Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint) {
    const ui::WindowDescription& description = ui::AboutDescription();
    setObjectName(ToQString(description.name));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    // Its own stored place: the client area's top-left corner where the description puts it.
    setGeometry(ToQRect(description.client));
    setFixedSize(size());

    const DescribedControls controls = BuildControls(description, this);
    picIcon = controls.get<QLabel>("picIcon");
    lblTitle = controls.get<QLabel>("lblTitle");
    lblVersion = controls.get<QLabel>("lblVersion");
    lblDescription = controls.get<QLabel>("lblDescription");
    lblDisclaimer = controls.get<QLabel>("lblDisclaimer");
    Line1 = {controls.get<QFrame>("Line1", 0), controls.get<QFrame>("Line1", 1)};
    cmdOK = controls.get<QPushButton>("cmdOK");
    cmdSysInfo = controls.get<QPushButton>("cmdSysInfo");

    for (QLabel* label : {lblTitle, lblVersion, lblDescription, lblDisclaimer})
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    const QPixmap icon = QIcon(AppResources::kApplicationIcon).pixmap(32, 32);
    picIcon->setPixmap(icon);
    if (!icon.isNull()) picIcon->resize(icon.size());
    lblDescription->setWordWrap(true);
    lblDescription->setText(DescriptionText());
    lblDisclaimer->setWordWrap(true);

    // Enter presses OK wherever the focus is, the other button included.
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    cmdSysInfo->setAutoDefault(false);
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::StartSysInfo);
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
    return QString::fromUtf8(ui::texts::kAboutDescriptionLead) + address;
}

void frmAbout::Load() {
    setWindowTitle(QString::fromStdString(ui::texts::AboutCaption()));
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
