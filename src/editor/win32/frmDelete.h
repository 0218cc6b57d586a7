#pragma once

#include <windows.h>

#include "editor/DeleteDialogLogic.h"
#include "platform/win32/Window.h"

namespace vantrel::win32 {

// The delete dialog: a list of the entries and "Delete Selected", realised from
// ui::DeleteDialogDescription(). Modeless and out of the taskbar (owned by the hidden taskbarless
// owner, so the window manager still frames it); the entry chosen is deleted when the dialog
// closes, however it is closed. A closed dialog is not shown again: the next Delete Entry loads a
// new one.
class frmDelete : public Window {
public:
    // over: the window the dialog opens centred on where the system leaves its place to the
    // program (see PlaceStartPosition).
    explicit frmDelete(MappingEditor& editor, HWND over = nullptr);
    ~frmDelete() override;

    HWND list() const { return cmbDelete_; }
    HWND deleteButton() const { return cmdDelete_; }

    // Shows the dialog and brings it forward.
    void show();

private:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void cmdDelete_Click();
    // Unload, then the window goes.
    void close();

    DeleteDialogLogic logic_;
    Font font_;
    HWND cmbDelete_ = nullptr;
    HWND cmdDelete_ = nullptr;
    HWND focused_ = nullptr;
};

}  // namespace vantrel::win32
