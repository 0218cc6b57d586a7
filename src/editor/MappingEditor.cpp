#include "editor/MappingEditor.h"

#include <filesystem>

#include "check/GameIniTokens.h"
#include "editor/DocumentFile.h"
#include "editor/EntryText.h"
#include "editor/Zoom.h"
#include "platform/UserFolders.h"
#include "targa/TargaReader.h"
#include "ui/AppIdentity.h"
#include "ui/Twips.h"

namespace vantrel {

namespace {

using Box = EditorView::Box;

using ui::kTwipsPerPixel;

// A 16-bit signed result, or nullopt where the arithmetic would overflow.
std::optional<std::int16_t> Checked16(long value) {
    if (value < -32768 || value > 32767) return std::nullopt;
    return static_cast<std::int16_t>(value);
}

}  // namespace

MappingEditor::MappingEditor(UserInteraction& ui, EditorView& view, Canvas& canvas, const AnsiCodePage& codePage)
    : ui_(ui), view_(view), canvas_(canvas), codePage_(codePage), document_(codePage) {}

void MappingEditor::Load() {
    savedRevision_ = document_.revision();
    blnLeftTopPicked_ = false;
    blnRightBottomPicked_ = false;
    document_.Initialise();
    blnFirstSave_ = true;
    blnTextureLoaded_ = false;
    blnSaved_ = true;
}

std::string MappingEditor::InitialDialogFolder() {
    std::error_code error;
    if (std::filesystem::is_directory("D:\\", error)) return "D:\\";
    if (std::string home = HomeFolder(); !home.empty()) return home;
    const std::u8string current = std::filesystem::current_path(error).u8string();
    return std::string(current.begin(), current.end());
}

FileDialogRequest MappingEditor::OpenDialogRequest() {
    return FileDialogRequest{"Open", "Targa (*.tga)", "*.tga", "", InitialDialogFolder()};
}

FileDialogRequest MappingEditor::SaveDialogRequest() {
    return FileDialogRequest{"Save As", "Ini File (*.ini)", "*.ini", "ini", InitialDialogFolder()};
}

FileDialogRequest MappingEditor::OpenMappingDialogRequest() {
    return FileDialogRequest{"Open Mapping", "Ini File (*.ini)", "*.ini", "", InitialDialogFolder()};
}

// ---- Texture loading --------------------------------------------------------------------------

void MappingEditor::LoadUserFile() {
    if (blnTextureLoaded_)
        PaintBackground(intTextureHeight_, intTextureWidth_, canvas_, intBackRed_, intBackGreen_, intBackBlue_);

    const auto chosen = ui_.openFileDialog(OpenDialogRequest());
    if (!chosen) return;
    const std::string path = *chosen;
    // A new texture is shown at full size.
    SetZoom(100);

    // The reader reports its own failures and hands the size back as soon as the header allows;
    // whatever happened, the window follows the size it left.
    LoadTarga(path, canvas_, intTextureWidth_, intTextureHeight_, ui_);
    texturePath_ = path;
    ++textureOpenCount_;

    if (!FitWindowToTexture()) return;

    const auto separator = path.find_last_of("\\/");
    if (separator == std::string::npos) return;
    strTextureName_ = path.substr(separator + 1);
    blnTextureLoaded_ = true;
    if (showEntries_ || selectedEntry_ != 0) view_.overlayChanged();
}

bool MappingEditor::FitWindowToTexture() {
    const long w = intTextureWidth_;
    const long h = intTextureHeight_;

    const auto widthProduct = Checked16(w * kTwipsPerPixel);
    if (!widthProduct) return false;
    const auto windowWidth = Checked16(*widthProduct + 3000L);
    if (!windowWidth) return false;
    view_.setWindowWidth(*windowWidth);

    const auto heightProduct = Checked16(h * kTwipsPerPixel);
    if (!heightProduct) return false;
    const auto windowHeight = Checked16(*heightProduct + 1000L);
    if (!windowHeight) return false;
    view_.setWindowHeight(*windowHeight);

    const auto frameLeft = Checked16(*widthProduct + 120L);
    if (!frameLeft) return false;
    view_.setFrameLeft(*frameLeft);

    view_.setFrameTop(*heightProduct / 2.0 - view_.frameHeight() / 2.0);
    return true;
}

// ---- Corner picking ---------------------------------------------------------------------------

void MappingEditor::MouseDown(std::int16_t /*button*/, std::int16_t /*shift*/, float X, float Y) {
    const float x = X / kTwipsPerPixel;
    const float y = Y / kTwipsPerPixel;
    if (x >= intTextureWidth_ || y >= intTextureHeight_) return;
    if (!blnLeftTopPicked_) {
        view_.setBoxText(Box::Left, SingleToText(x));
        view_.setBoxText(Box::Top, SingleToText(y));
        blnLeftTopPicked_ = true;
    } else if (!blnRightBottomPicked_) {
        view_.setBoxText(Box::Right, SingleToText(x));
        view_.setBoxText(Box::Bottom, SingleToText(y));
        blnRightBottomPicked_ = true;
    } else {
        return;
    }
    if (showEntries_) view_.overlayChanged();
}

// ---- Completing an entry ----------------------------------------------------------------------

std::optional<EntryRectangle> MappingEditor::CheckedBoxes() {
    const std::string title = kApplicationTitle;
    if (!blnLeftTopPicked_ || !blnRightBottomPicked_) {
        ui_.message("Please map all coordinates with the mouse before proceeding", title);
        return std::nullopt;
    }

    const std::string leftText = view_.boxText(Box::Left);
    const std::string rightText = view_.boxText(Box::Right);
    const std::string bottomText = view_.boxText(Box::Bottom);
    const std::string topText = view_.boxText(Box::Top);
    if (!IsNumericText(leftText) || !IsNumericText(rightText) || !IsNumericText(bottomText) ||
        !IsNumericText(topText)) {
        ui_.message("One or more of the fields is invalid, please enter only integers", title);
        return std::nullopt;
    }

    const auto L = ToCoordinate(leftText);
    const auto R = ToCoordinate(rightText);
    const auto B = ToCoordinate(bottomText);
    const auto T = ToCoordinate(topText);
    if (!L || !R || !B || !T) {
        ui_.message("One or more coordinates is outside the range of -32768 to 32767", title);
        return std::nullopt;
    }

    const int W = intTextureWidth_ - 1;
    const int H = intTextureHeight_ - 1;
    if (*R > W || *L > W || *B > H || *T > H) {
        ui_.message("One or more coordinates exceeds the maximum width of " + std::to_string(W) +
                        " or the maximum height of " + std::to_string(H),
                    title);
        return std::nullopt;
    }
    if (*L < 0 || *R < 0 || *T < 0 || *B < 0) {
        ui_.message("One or more coordinates is less than the minimum value of 0", title);
        return std::nullopt;
    }
    if (*L > *R) {
        ui_.message("The Right coordinate cannot be smaller than the Left coordinate", title);
        return std::nullopt;
    }
    if (*T > *B) {
        ui_.message("The Bottom coordinate cannot be smaller than the Top coordinate", title);
        return std::nullopt;
    }
    return EntryRectangle{*L, *T, *R, *B};
}

void MappingEditor::CompleteEntry() {
    const auto rectangle = CheckedBoxes();
    if (!rectangle) return;

    const std::string answer = ui_.inputBox("Enter Entry Name", "Entry Name", "");
    if (answer.empty()) return;
    const std::string entryName = CutEntryName(answer);

    // The game stops at start-up on a MappedImage line it cannot read, so such a name is refused
    // here rather than written.
    if (const auto problem = GameNameProblem(entryName, codePage_)) {
        ui_.message(*problem, "Entry Name");
        return;
    }
    if (RefuseUnwritableTextureName()) return;

    if (document_.containsName(MappingDocument::FirstLineFor(entryName))) {
        ui_.message(entryName + " is already a image map name", "Duplicate Name", MessageIcon::Information);
        return;
    }

    document_.AppendEntry(entryName, strTextureName_, intTextureWidth_, intTextureHeight_, *rectangle);

    blnLeftTopPicked_ = false;
    blnRightBottomPicked_ = false;
    EmptyBoxes();
    blnSaved_ = false;
    selectedEntry_ = 0;
    view_.overlayChanged();
}

bool MappingEditor::RefuseUnwritableTextureName() {
    if (codePage_.CanEncode(strTextureName_)) return false;
    ui_.message("The texture's file name " + strTextureName_ + " holds a character that the INI file's " +
                    codePage_.Name() + " encoding cannot represent. Rename the texture and open it again.",
                kApplicationTitle);
    return true;
}

// ---- Background colour ------------------------------------------------------------------------

void MappingEditor::SelectBackgroundColor() {
    if (const auto chosen = ui_.colorDialog(dialogColor_)) dialogColor_ = *chosen & 0xFFFFFFu;
    intBackBlue_ = static_cast<std::int16_t>(ColorBlue(dialogColor_));
    intBackGreen_ = static_cast<std::int16_t>(ColorGreen(dialogColor_));
    intBackRed_ = static_cast<std::int16_t>(ColorRed(dialogColor_));
}

// ---- Entry deletion ---------------------------------------------------------------------------

void MappingEditor::DeleteEntry() {
    view_.showDeleteDialog();
    blnSaved_ = false;
}

// ---- Saving and leaving -----------------------------------------------------------------------

std::optional<std::string> MappingEditor::WriteDocument() {
    // The lines are held in the file's code page already, each with its own line end.
    const std::string bytes = document_.Text();
    if (auto failure = WriteFileAtomically(strSaveFileName_, bytes)) return failure;
    blnSaved_ = true;
    savedRevision_ = document_.revision();
    blnFirstSave_ = false;
    return std::nullopt;
}

void MappingEditor::SaveAs() {
    const auto chosen = ui_.saveFileDialog(SaveDialogRequest());
    if (!chosen) return;
    strSaveFileName_ = *chosen;
    // Save As ends silently whatever happened; the flags show whether the file was written.
    (void)WriteDocument();
}

void MappingEditor::Save() {
    if (blnFirstSave_) {
        SaveAs();
        return;
    }
    if (const auto failure = WriteDocument()) {
        ui_.message("The map information could not be saved to " + strSaveFileName_ + ":\r\n" + *failure,
                    kApplicationTitle, MessageIcon::Critical);
    }
}

MessageResult MappingEditor::AskToSaveWork() {
    return ui_.messageBox(MessageBoxRequest{
        "The map information has changed since your last save.  Would you like to save your work?",
        MessageButtons::YesNoCancel, MessageIcon::None, kApplicationTitle, MessageResult::Yes});
}

bool MappingEditor::RefuseWithoutSelection() {
    if (selectedEntry_ != 0) return false;
    ui_.message("Select an entry first: Ctrl+click inside its outline, or choose it from View, Entry List.",
                kApplicationTitle);
    return true;
}

void MappingEditor::EmptyBoxes() {
    view_.setBoxText(Box::Top, "");
    view_.setBoxText(Box::Bottom, "");
    view_.setBoxText(Box::Right, "");
    view_.setBoxText(Box::Left, "");
}

bool MappingEditor::MayReplaceDocument() {
    if (blnSaved_) return true;
    const MessageResult answer = AskToSaveWork();
    if (answer == MessageResult::No) return true;
    if (answer != MessageResult::Yes) return false;
    Save();
    // Only a save that happened lets the document go; a cancelled or failed one keeps it.
    return blnSaved_;
}

void MappingEditor::OpenMapping() {
    if (!MayReplaceDocument()) return;
    const auto chosen = ui_.openFileDialog(OpenMappingDialogRequest());
    if (!chosen) return;
    std::string bytes;
    if (const auto failure = ReadDocumentFile(*chosen, MappingDocument::kMaxFileBytes, bytes)) {
        ui_.message("The mapping could not be opened from " + *chosen + ":\r\n" + *failure, kApplicationTitle,
                    MessageIcon::Critical);
        return;
    }
    const std::vector<GameStop> stops = document_.Open(bytes);
    strSaveFileName_ = *chosen;
    blnFirstSave_ = false;
    blnSaved_ = true;
    savedRevision_ = document_.revision();
    selectedEntry_ = 0;
    showEntries_ = true;
    view_.overlayChanged();
    if (stops.empty()) return;

    // The file is kept whole; the message says where the game would stop reading it.
    constexpr std::size_t kShown = 10;
    std::string text = "The game would stop reading this file at start-up:";
    for (std::size_t k = 0; k < std::min(stops.size(), kShown); ++k)
        text += "\r\nLine " + std::to_string(stops[k].line) + ": " + stops[k].reason;
    if (stops.size() > kShown) text += "\r\n... and " + std::to_string(stops.size() - kShown) + " more";
    text += "\r\n\r\nThe file was opened as it is; nothing in it has been changed.";
    ui_.message(text, kApplicationTitle, MessageIcon::Information);
}

void MappingEditor::DocumentChanged() {
    blnSaved_ = document_.revision() == savedRevision_;
    if (selectedEntry_ > document_.entryCount()) selectedEntry_ = 0;
    view_.overlayChanged();
}

void MappingEditor::RemoveEntry() {
    const std::size_t before = document_.revision();
    document_.RemoveEntry();
    if (document_.revision() == before) return;
    selectedEntry_ = 0;
    DocumentChanged();
    // The dialog's opening already marked the work unsaved; a deletion keeps it so.
    blnSaved_ = false;
}

void MappingEditor::Undo() {
    if (document_.Undo()) DocumentChanged();
}

void MappingEditor::Redo() {
    if (document_.Redo()) DocumentChanged();
}

void MappingEditor::UpdateEntry() {
    if (RefuseWithoutSelection()) return;
    const auto rectangle = CheckedBoxes();
    if (!rectangle) return;
    if (document_.entry(selectedEntry_).coords == *rectangle) return;
    document_.SetCoords(selectedEntry_, *rectangle);
    DocumentChanged();
}

void MappingEditor::RenameEntry() {
    if (RefuseWithoutSelection()) return;
    const DocumentEntry& entry = document_.entry(selectedEntry_);
    const std::string answer = ui_.inputBox("Enter Entry Name", "Entry Name", entry.name);
    if (answer.empty()) return;
    const std::string entryName = CutEntryName(answer);
    if (const auto problem = GameNameProblem(entryName, codePage_)) {
        ui_.message(*problem, "Entry Name");
        return;
    }
    const std::string firstLine = MappingDocument::FirstLineFor(entryName);
    if (firstLine == document_.name(selectedEntry_)) return;
    // The entry's own name is no duplicate of itself.
    if (document_.containsName(firstLine, selectedEntry_)) {
        ui_.message(entryName + " is already a image map name", "Duplicate Name", MessageIcon::Information);
        return;
    }
    document_.Rename(selectedEntry_, entryName);
    DocumentChanged();
}

void MappingEditor::ClearCorners() {
    EmptyBoxes();
    blnLeftTopPicked_ = false;
    blnRightBottomPicked_ = false;
    selectedEntry_ = 0;
    view_.overlayChanged();
}

void MappingEditor::SelectEntry(int entry) {
    if (entry < 0 || entry > document_.entryCount()) return;
    selectedEntry_ = entry;
    if (entry != 0) {
        if (const auto& coords = document_.entry(entry).coords) {
            view_.setBoxText(Box::Left, std::to_string(coords->left));
            view_.setBoxText(Box::Top, std::to_string(coords->top));
            view_.setBoxText(Box::Right, std::to_string(coords->right));
            view_.setBoxText(Box::Bottom, std::to_string(coords->bottom));
            blnLeftTopPicked_ = true;
            blnRightBottomPicked_ = true;
        }
    }
    view_.overlayChanged();
}

bool MappingEditor::IsOnOpenTexture(const DocumentEntry& entry) const {
    return blnTextureLoaded_ && check::EqualsIgnoringCase(entry.texture, strTextureName_);
}

void MappingEditor::SelectEntryAt(int x, int y) {
    int best = 0;
    long long bestArea = 0;
    const auto& entries = document_.entries();
    for (std::size_t k = 0; k < entries.size(); ++k) {
        const DocumentEntry& entry = entries[k];
        if (!entry.coords || !IsOnOpenTexture(entry)) continue;
        const EntryRectangle& r = *entry.coords;
        if (x < r.left || x > r.right || y < r.top || y > r.bottom) continue;
        const long long area = (static_cast<long long>(r.right) - r.left + 1) * (static_cast<long long>(r.bottom) - r.top + 1);
        if (best == 0 || area <= bestArea) {
            best = static_cast<int>(k) + 1;
            bestArea = area;
        }
    }
    if (best == 0) {
        selectedEntry_ = 0;
        view_.overlayChanged();
        return;
    }
    SelectEntry(best);
}

void MappingEditor::SetZoom(int percent) {
    if (percent == zoomPercent_) return;
    const int old = zoomPercent_;
    zoomPercent_ = percent;
    view_.zoomChanged(old);
}

void MappingEditor::ZoomIn() { SetZoom(ZoomedIn(zoomPercent_)); }
void MappingEditor::ZoomOut() { SetZoom(ZoomedOut(zoomPercent_)); }
void MappingEditor::ActualSize() { SetZoom(100); }

void MappingEditor::ZoomBy(int steps) {
    int percent = zoomPercent_;
    for (; steps > 0; --steps) percent = ZoomedIn(percent);
    for (; steps < 0; ++steps) percent = ZoomedOut(percent);
    SetZoom(percent);
}

void MappingEditor::ToggleShowEntries() {
    showEntries_ = !showEntries_;
    view_.overlayChanged();
}

bool MappingEditor::Exit() {
    if (blnSaved_) return true;
    const MessageResult answer = AskToSaveWork();
    switch (answer) {
        case MessageResult::Yes:
            Save();
            return false;
        case MessageResult::No:
            return true;
        default:
            return false;
    }
}

}  // namespace vantrel
