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
    void OpenMapping();   // Open Mapping (Ctrl+Shift+O): an INI file as the document
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
    void Undo();                   // Undo (Ctrl+Z): nothing, and no message, when there is nothing to undo
    void Redo();                   // Redo (Ctrl+Y)
    void UpdateEntry();            // Update Entry (Ctrl+U): the boxes into the selected entry's Coords
    void RenameEntry();            // Rename Entry (F2)
    void ClearCorners();           // Clear Corners (Esc): empty boxes, no corner picked, no selection

    // View menu.
    void ZoomIn();
    void ZoomOut();
    void ActualSize();
    // Zooms one step in (steps > 0) or out, as Ctrl+wheel does; the view keeps its anchor in place.
    void ZoomBy(int steps);
    void ToggleShowEntries();  // Show Entries (Ctrl+L)
    void ShowEntryList() { view_.showEntryList(); }
    void ShowGamePreview() { view_.showGamePreview(); }
    int zoomPercent() const { return zoomPercent_; }
    bool showEntries() const { return showEntries_; }

    // Selecting an entry (from 1; 0 clears the selection): its coordinates fill the boxes, both
    // corners count as picked, and it is drawn highlighted.
    void SelectEntry(int entry);
    // Ctrl+press on the canvas at a texture pixel: selects the smallest entry on the open texture
    // whose picked rectangle holds the pixel (the later one of equals); outside every entry it
    // clears the selection.
    void SelectEntryAt(int x, int y);
    int selectedEntry() const { return selectedEntry_; }
    // Whether an entry's Texture names the open texture, compared as the game compares file names.
    bool IsOnOpenTexture(const DocumentEntry& entry) const;
    // A mouse press on the canvas at X, Y twips; button and shift are not looked at.
    void MouseDown(std::int16_t button, std::int16_t shift, float X, float Y);

    // Reached from the delete dialog.
    const std::vector<std::string>& colNames() const { return document_.colNames(); }
    std::int32_t& lngRemoveNumber() { return document_.lngRemoveNumber; }
    void RemoveEntry();

    // Read access for the window and for tests.
    const MappingDocument& document() const { return document_; }
    const EditorView& view() const { return view_; }
    std::int16_t intTextureWidth() const { return intTextureWidth_; }
    std::int16_t intTextureHeight() const { return intTextureHeight_; }
    bool blnLeftTopPicked() const { return blnLeftTopPicked_; }
    bool blnRightBottomPicked() const { return blnRightBottomPicked_; }
    const std::string& strTextureName() const { return strTextureName_; }
    const std::string& strSaveFileName() const { return strSaveFileName_; }
    bool blnFirstSave() const { return blnFirstSave_; }
    bool blnTextureLoaded() const { return blnTextureLoaded_; }
    // The full path (UTF-8) of the texture last opened onto the canvas, and how many textures have
    // been opened so far: a window that decodes the texture itself (the game preview) does it again
    // when the count moves on. Empty and 0 before the first open.
    const std::string& texturePath() const { return texturePath_; }
    int textureOpenCount() const { return textureOpenCount_; }
    bool blnSaved() const { return blnSaved_; }
    std::int16_t intBackRed() const { return intBackRed_; }
    std::int16_t intBackGreen() const { return intBackGreen_; }
    std::int16_t intBackBlue() const { return intBackBlue_; }

    // The folder both file dialogs open in: the root of drive D where it exists, otherwise the
    // user's home folder.
    static std::string InitialDialogFolder();
    static FileDialogRequest OpenDialogRequest();
    static FileDialogRequest SaveDialogRequest();
    static FileDialogRequest OpenMappingDialogRequest();

private:
    // The checks Complete Entry and Update Entry make of the boxes, each failure with its message;
    // the rectangle when all pass.
    std::optional<EntryRectangle> CheckedBoxes();
    // The question Exit and Open Mapping ask about unsaved work.
    MessageResult AskToSaveWork();
    // Update and Rename need a selected entry; without one a message says how to select one.
    bool RefuseWithoutSelection();
    // The four coordinate boxes emptied, in the order the commands have always emptied them.
    void EmptyBoxes();
    // Asks about unsaved work before the document is replaced: true to go on.
    bool MayReplaceDocument();
    // After any change to the document: the saved flag from the history, the selection kept valid.
    void DocumentChanged();
    void SetZoom(int percent);
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

    int zoomPercent_ = 100;
    bool showEntries_ = false;
    int selectedEntry_ = 0;
    // The document's revision at the last save (or open, or start): back there, nothing is unsaved.
    std::size_t savedRevision_ = 0;

    std::int16_t intTextureWidth_ = 0;
    std::int16_t intTextureHeight_ = 0;
    bool blnLeftTopPicked_ = false;
    bool blnRightBottomPicked_ = false;
    std::string strTextureName_;
    std::string strSaveFileName_;
    bool blnFirstSave_ = false;
    bool blnTextureLoaded_ = false;
    std::string texturePath_;
    int textureOpenCount_ = 0;
    bool blnSaved_ = false;
    std::int16_t intBackRed_ = 0;
    std::int16_t intBackGreen_ = 0;
    std::int16_t intBackBlue_ = 0;
    // The colour dialog's colour: cancelling the dialog leaves it as it was last chosen.
    std::uint32_t dialogColor_ = 0;
};

}  // namespace vantrel
