#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "editor/MappingEditor.h"
#include "platform/win32/Window.h"

namespace vantrel::win32 {

// View, Entry List: a small modeless tool window, realised from ui::EntryListDescription(), that
// lists every entry's colNames item in the document's order. Choosing a row selects that entry in
// the editor; the row of the editor's selected entry is highlighted. Closing it only hides it, so
// it opens again where the user left it.
class EntryListWindow : public Window {
public:
    EntryListWindow(MappingEditor& editor, HWND owner);
    ~EntryListWindow() override;

    HWND list() const { return lstEntries_; }
    // Shows the window and brings it forward.
    void show();
    // The rows and the highlighted row follow the document and the selection.
    void refresh();

private:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void layout();

    MappingEditor& editor_;
    Font font_;
    HWND lstEntries_ = nullptr;
    // The rows as last listed: the list is filled anew only when they change.
    std::vector<std::string> shown_;
};

}  // namespace vantrel::win32
