#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "editor/AnsiCodePage.h"
#include "editor/EditorView.h"
#include "editor/MappingDocument.h"
#include "platform/UserInteraction.h"
#include "targa/Canvas.h"

// The main window's document, editor state and every command on them, without any widget: each
// front end's main window (Qt and Win32) forwards its menu items, mouse presses and close request
// here, and realises the EditorView and UserInteraction this talks through.
namespace vantrel {

class MappingEditor {
public:
    MappingEditor(UserInteraction& ui, EditorView& view, Canvas& canvas,
                  const AnsiCodePage& codePage = SystemAnsiCodePage());

    // The main window's load step: corner flags cleared, header lines added, save flags set.
    void Load();

    // File menu.
    void LoadUserFile();  // Open (Ctrl+O)
    void Save();          // Save (Ctrl+S): Save As the first time, then straight to the same file
    void SaveAs();
    // Exit: true when the program is to end now; asks first when there are unsaved changes.
    bool Exit();
    // The title-bar close control: the same question and outcomes as Exit.
    bool CloseRequested() { return Exit(); }

    // Edit menu.
    void CompleteEntry();          // Complete Entry (Ctrl+E)
    void SelectBackgroundColor();  // Select Background Color
    void DeleteEntry();            // Delete Entry (Ctrl+D): opens the delete dialog

    // A mouse press on the canvas at X, Y twips; button and shift are not looked at.
    void MouseDown(std::int16_t button, std::int16_t shift, float X, float Y);

    // Reached from the delete dialog.
    const std::vector<std::string>& colNames() const { return document_.colNames(); }
    std::int32_t& lngRemoveNumber() { return document_.lngRemoveNumber; }
    void RemoveEntry() { document_.RemoveEntry(); }

    // Read access for the window and for tests.
    const MappingDocument& document() const { return document_; }
    std::int16_t intTextureWidth() const { return intTextureWidth_; }
    std::int16_t intTextureHeight() const { return intTextureHeight_; }
    bool blnLeftTopPicked() const { return blnLeftTopPicked_; }
    bool blnRightBottomPicked() const { return blnRightBottomPicked_; }
    const std::string& strTextureName() const { return strTextureName_; }
    const std::string& strSaveFileName() const { return strSaveFileName_; }
    bool blnFirstSave() const { return blnFirstSave_; }
    bool blnTextureLoaded() const { return blnTextureLoaded_; }
    bool blnSaved() const { return blnSaved_; }
    std::int16_t intBackRed() const { return intBackRed_; }
    std::int16_t intBackGreen() const { return intBackGreen_; }
    std::int16_t intBackBlue() const { return intBackBlue_; }

    // The folder both file dialogs open in: the root of drive D where it exists, otherwise the
    // user's home folder.
    static std::string InitialDialogFolder();
    static FileDialogRequest OpenDialogRequest();
    static FileDialogRequest SaveDialogRequest();

private:
    // Writes the document to strSaveFileName_; nullopt on success, otherwise the reason.
    std::optional<std::string> WriteDocument();
    // The geometry after a load; stops at the first value that leaves the 16-bit range.
    bool FitWindowToTexture();
    // Refuses completing when a line of the entry could not be written in the file's code page.
    bool RefuseUnwritableTextureName();

    UserInteraction& ui_;
    EditorView& view_;
    Canvas& canvas_;
    const AnsiCodePage& codePage_;
    MappingDocument document_;

    std::int16_t intTextureWidth_ = 0;
    std::int16_t intTextureHeight_ = 0;
    bool blnLeftTopPicked_ = false;
    bool blnRightBottomPicked_ = false;
    std::string strTextureName_;
    std::string strSaveFileName_;
    bool blnFirstSave_ = false;
    bool blnTextureLoaded_ = false;
    bool blnSaved_ = false;
    std::int16_t intBackRed_ = 0;
    std::int16_t intBackGreen_ = 0;
    std::int16_t intBackBlue_ = 0;
    // The colour dialog's colour: cancelling the dialog leaves it as it was last chosen.
    std::uint32_t dialogColor_ = 0;
};

}  // namespace vantrel
