#include "editor/qt/EntryListWindow.h"

#include <QResizeEvent>
#include <QShowEvent>
#include <QSignalBlocker>

#include "editor/MappingEditor.h"
#include "editor/qt/DescribedWindow.h"
#include "editor/qt/NativeWindowHints.h"
#include "ui/WindowDescriptions.h"

namespace vantrel {

EntryListWindow::EntryListWindow(MappingEditor& editor, QWidget* owner) : QWidget(owner), editor_(editor) {
    const ui::WindowDescription& description = ui::EntryListDescription();
    setObjectName(ToQString(description.name));
    setWindowTitle(ToQString(description.caption));
    // A tool window over the main window: sizable, with a close button only.
    setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint);
    resize(ToQRect(description.client).size());
    setFont(DialogFont());

    const DescribedControls controls = BuildControls(description, this);
    lstEntries = controls.get<QListWidget>("lstEntries");
    lstEntries->setSelectionMode(QAbstractItemView::SingleSelection);
    lstEntries->setUniformItemSizes(true);  // thousands of entries stay quick to list
    // Chosen by the user: a click or the arrow keys select a row. The list taking the focus only
    // sets its current row, without selecting, so showing the window selects nothing.
    connect(lstEntries, &QListWidget::itemSelectionChanged, this, [this] {
        const QList<QListWidgetItem*> chosen = lstEntries->selectedItems();
        if (!chosen.isEmpty()) editor_.SelectEntry(lstEntries->row(chosen.front()) + 1);
    });
    refresh();
}

void EntryListWindow::refresh() {
    const QSignalBlocker quiet(lstEntries);
    const std::vector<std::string>& names = editor_.colNames();
    if (names != shown_) {
        shown_ = names;
        QStringList rows;
        rows.reserve(static_cast<qsizetype>(names.size()));
        for (const std::string& name : names) rows.push_back(QString::fromStdString(name));
        lstEntries->clear();
        lstEntries->addItems(rows);
    }
    const int row = editor_.selectedEntry() - 1;
    if (row < 0) {
        lstEntries->clearSelection();
        lstEntries->setCurrentRow(-1);
    } else {
        lstEntries->setCurrentRow(row);  // and selected, the list choosing one row at a time
        lstEntries->scrollToItem(lstEntries->item(row));
    }
}

void EntryListWindow::showEvent(QShowEvent* event) {
    KeepOutOfTaskbar(this);
    QWidget::showEvent(event);
}

void EntryListWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (!lstEntries) return;
    const QRect design = ToQRect(ui::EntryListDescription().client);
    const QRect place = ToQRect(ui::EntryListDescription().controls.front().place);
    lstEntries->setGeometry(place.adjusted(0, 0, width() - design.width(), height() - design.height()));
}

}  // namespace vantrel
