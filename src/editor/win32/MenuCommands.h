#pragma once

// Command identifiers of the main window's menu items; the accelerator table sends the same ones.
// They stay clear of IDOK and IDCANCEL, which the dialog navigation sends for Enter and Esc.
namespace vantrel::win32 {

enum MenuCommand : unsigned short {
    mnuFileOpen = 40001,
    mnuFileSave = 40002,
    mnuFileSaveAs = 40003,
    mnuFileExit = 40004,
    mnuEditComplete = 40011,
    mnuEditBackground = 40012,
    mnuEditDelete = 40013,
    mnuHelpAbout = 40021,
    mnuHelpOnline = 40022,
};

// Child window identifiers of the coordinate frame.
enum FrameControl : int {
    fraInfoId = 100,
    Label1Id = 101,
    Label2Id = 102,
    Label3Id = 103,
    Label4Id = 104,
    txtTopId = 111,
    txtLeftId = 112,
    txtBottomId = 113,
    txtRightId = 114,
};

// Child window identifiers of the delete dialog.
enum DeleteDialogControl : int {
    cmbDeleteId = 201,
    cmdDeleteId = 202,
};

// Child window identifiers of the input box (besides IDOK and IDCANCEL).
enum InputBoxControl : int {
    lblPromptId = 301,
    txtInputId = 302,
};

}  // namespace vantrel::win32
