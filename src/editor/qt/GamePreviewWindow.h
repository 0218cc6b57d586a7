#pragma once

#include <QImage>
#include <QLabel>
#include <QWidget>

#include "editor/GamePreview.h"

namespace vantrel {

class MappingEditor;

// View, Game Preview (Ctrl+G): a small modeless tool window, built from
// ui::GamePreviewDescription(), with what the game draws for the main window's current rectangle
// (editor/GamePreview.h): the cut at 1x and at 2x (nearest neighbour, one picture pixel to one and
// to two device pixels on a scaled display too), its size, and the note on what the game leaves
// out. The main window calls refresh() when a box's text changes and when a texture opens.
class GamePreviewWindow : public QWidget {
    Q_OBJECT
public:
    GamePreviewWindow(const MappingEditor& editor, QWidget* owner);

    void refresh();

    QLabel* sizeLabel() const { return lblSize; }
    QLabel* noteLabel() const { return lblNote; }
    QLabel* actualPicture() const { return picActual; }
    QLabel* doublePicture() const { return picDouble; }
    // The preview last shown.
    const GamePreviewPicture& shown() const { return shown_; }

private:
    const MappingEditor& editor_;
    GamePreview preview_;
    GamePreviewPicture shown_;
    QLabel* lblSize = nullptr;
    QLabel* lblNote = nullptr;
    QLabel* picActual = nullptr;
    QLabel* picDouble = nullptr;
};

}  // namespace vantrel
