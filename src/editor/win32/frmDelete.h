#pragma once

#include <windows.h>

#include "editor/DeleteDialogLogic.h"

namespace vantrel {

// The delete dialog: a list of the entries and "Delete Selected". Modeless, without an owner and
// out of the taskbar; the entry chosen is deleted when the dialog closes, however it is closed.
// A closed dialog is not shown again: the next Delete Entry loads a new one.
class frmDelete {
public:
    explicit frmDelete(MappingEditor& mainWindow);
    ~frmDelete();
    frmDelete(const frmDelete&) = delete;
    frmDelete& operator=(const frmDelete&) = delete;

    HWND hwnd() const { return hwnd_; }
    HWND list() const { return cmbDelete; }
    HWND deleteButton() const { return cmdDelete; }
    bool isOpen() const { return hwnd_ != nullptr; }

    // Shows the dialog and brings it forward.
    void show();

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    void cmdDelete_Click();
    // Unload, then the window goes.
    void close();

    DeleteDialogLogic logic_;
    HWND hwnd_ = nullptr;
    HWND cmbDelete = nullptr;
    HWND cmdDelete = nullptr;
    HWND focused_ = nullptr;
    HFONT font_ = nullptr;
};

}  // namespace vantrel
