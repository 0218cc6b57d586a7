#include "editor/qt/frmDelete.h"

#include <QCloseEvent>

#include "editor/qt/DialogFont.h"
#include "editor/qt/MainWindow.h"

namespace vantrel {

namespace {
constexpr int Px(int twips) { return twips / 15; }
}  // namespace

frmDelete::frmDelete(MainWindow& mainWindow) : QWidget(nullptr), logic_(mainWindow.editor()) {
    setObjectName(QStringLiteral("frmDelete"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Delete Entry"));
    // A tool window stays out of the taskbar; sizable, with neither maximize nor minimize button.
    setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint);
    resize(Px(3480), Px(810));
    // Laid out for the small dialog face: in the desktop's default font "Delete Selected" is
    // clipped at both ends of its 89-pixel button.
    setFont(DialogFont());

    cmbDelete = new QComboBox(this);
    cmbDelete->setObjectName(QStringLiteral("cmbDelete"));
    cmbDelete->setEditable(false);
    cmbDelete->setGeometry(0, 0, Px(3495), Px(315));

    cmdDelete = new QPushButton(QStringLiteral("Delete Selected"), this);
    cmdDelete->setObjectName(QStringLiteral("cmdDelete"));
    cmdDelete->setGeometry(Px(1080), Px(360), Px(1335), Px(375));
    setTabOrder(cmbDelete, cmdDelete);
    connect(cmdDelete, &QPushButton::clicked, this, [this] { cmdDelete_Click(); });

    // Load: the list is filled once, here; entries completed while the dialog is open show up the
    // next time it is opened.
    cmbDelete->clear();
    for (const auto& line : logic_.Load()) cmbDelete->addItem(QString::fromStdString(line));
    cmbDelete->setCurrentIndex(-1);
}

void frmDelete::cmdDelete_Click() {
    logic_.DeleteSelected(cmbDelete->currentIndex());
    close();
}

void frmDelete::closeEvent(QCloseEvent* event) {
    logic_.Unload();
    event->accept();
}

}  // namespace vantrel
