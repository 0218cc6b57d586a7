#include "editor/qt/frmDelete.h"

#include <QCloseEvent>
#include <QShowEvent>

#include "editor/qt/NativeWindowHints.h"
#include "editor/qt/DescribedWindow.h"
#include "ui/WindowDescriptions.h"

namespace vantrel {

frmDelete::frmDelete(MappingEditor& editor) : QWidget(nullptr), logic_(editor) {
    const ui::WindowDescription& description = ui::DeleteDialogDescription();
    setObjectName(ToQString(description.name));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(ToQString(description.caption));
    // A tool window; sizable, with neither maximize nor minimize button.
    setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint);
    resize(ToQRect(description.client).size());
    // Laid out for the small dialog face: in the desktop's default font "Delete Selected" is
    // clipped at both ends of its button.
    setFont(DialogFont());

    const DescribedControls controls = BuildControls(description, this);
    cmbDelete = controls.get<QComboBox>("cmbDelete");
    cmdDelete = controls.get<QPushButton>("cmdDelete");
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

void frmDelete::showEvent(QShowEvent* event) {
    // No taskbar entry: a tool window alone does not keep it out of every taskbar on X11.
    KeepOutOfTaskbar(this);
    QWidget::showEvent(event);
}

void frmDelete::closeEvent(QCloseEvent* event) {
    logic_.Unload();
    event->accept();
}

}  // namespace vantrel
