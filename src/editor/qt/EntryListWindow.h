#pragma once

#include <QListWidget>
#include <QWidget>
#include <string>
#include <vector>

namespace vantrel {

class MappingEditor;

// View, Entry List: a small modeless tool window, built from ui::EntryListDescription(), listing
// every entry's first line in the document's order. Selecting a row (a click or the arrow keys)
// selects that entry in the editor; the window follows the document and the selection whenever
// the main window's overlay changes.
class EntryListWindow : public QWidget {
    Q_OBJECT
public:
    EntryListWindow(MappingEditor& editor, QWidget* owner);

    QListWidget* list() const { return lstEntries; }
    // Takes the document's entries (only when they changed) and the editor's selection.
    void refresh();

protected:
    void showEvent(QShowEvent* event) override;
    // The list keeps its margins as the window is sized.
    void resizeEvent(QResizeEvent* event) override;

private:
    MappingEditor& editor_;
    QListWidget* lstEntries = nullptr;
    // The entries the list shows, to tell a change of the document from one of the selection.
    std::vector<std::string> shown_;
};

}  // namespace vantrel
