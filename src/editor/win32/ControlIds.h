#pragma once

#include <windows.h>

#include <optional>

#include "ui/MenuDescription.h"

// The identifiers the editor's windows give their menu items and child controls. A menu item's
// identifier is derived from the command it runs, so the menu bar, the accelerator table and the
// handler agree by construction. All stay clear of IDOK and IDCANCEL, which the dialog navigation
// sends for Enter and Esc.
namespace vantrel::win32 {

inline constexpr WORD kFirstCommandId = 40000;

constexpr WORD CommandId(ui::Command command) { return static_cast<WORD>(kFirstCommandId + static_cast<WORD>(command)); }

// The command a menu item or accelerator identifier runs; none for other identifiers.
inline std::optional<ui::Command> CommandFromId(WORD id) {
    if (id <= kFirstCommandId || id >= kFirstCommandId + 1000) return std::nullopt;
    const auto command = static_cast<ui::Command>(id - kFirstCommandId);
    if (!ui::FindMenuItem(command)) return std::nullopt;
    return command;
}

// Child window identifiers of the coordinate frame: the frame itself, then each described control
// by its place in the description (labels and boxes alike).
inline constexpr int kFrameId = 100;
inline constexpr int kFrameControlIdBase = 101;

// Child window identifiers of the delete dialog, by the controls' places in its description.
inline constexpr int kDeleteDialogControlIdBase = 201;

// The entry list's list box.
inline constexpr int kEntryListControlId = 251;

// Child window identifiers of the input box (besides IDOK and IDCANCEL).
enum InputBoxControl : int {
    lblPromptId = 301,
    txtInputId = 302,
};

}  // namespace vantrel::win32
