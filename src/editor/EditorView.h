#pragma once

#include <string>

// What the editor's commands change on the main window besides the canvas: the four coordinate
// boxes, the window's outer size, the coordinate frame's position, and the delete dialog.
// Lengths are in twips, 15 to the pixel.
namespace vantrel {

class EditorView {
public:
    enum class Box { Top, Left, Bottom, Right };

    virtual ~EditorView() = default;

    virtual std::string boxText(Box box) const = 0;
    virtual void setBoxText(Box box, const std::string& text) = 0;

    virtual void setWindowWidth(int twips) = 0;
    virtual void setWindowHeight(int twips) = 0;
    virtual void setFrameLeft(int twips) = 0;
    virtual void setFrameTop(double twips) = 0;
    virtual int frameHeight() const = 0;

    // Shows the delete dialog modeless, loading it first when it is not open.
    virtual void showDeleteDialog() = 0;

    // The overlay (entries, selection, picks) or the document it draws from changed: redraw it, and
    // refresh whatever lists the entries.
    virtual void overlayChanged() = 0;
    // The zoom changed: the canvas takes its new size; the view keeps the texture point under the
    // pointer (Ctrl+wheel) or at its centre (the menu) where it was.
    virtual void zoomChanged(int oldPercent) = 0;
    // The entry list and the game preview windows, modeless.
    virtual void showEntryList() = 0;
    virtual void showGamePreview() = 0;
};

}  // namespace vantrel
