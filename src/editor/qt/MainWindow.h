#pragma once

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <memory>
#include <optional>

#include "editor/EditorView.h"
#include "editor/MappingEditor.h"
#include "editor/qt/EntryListWindow.h"
#include "editor/qt/GamePreviewWindow.h"
#include "editor/qt/QtUserInteraction.h"
#include "editor/qt/frmDelete.h"
#include "targa/Canvas.h"
#include "ui/MenuDescription.h"

class QAction;
class QScrollArea;

namespace vantrel {

class CanvasWidget;

// The editor's document window, built from its description (ui::MainWindowDescription() and
// ui::MainMenuBar()): the canvas with the texture, the coordinate frame, and the menu bar whose
// items run the editor's commands.
//
// On a scaled display (a device pixel ratio above 1) the texture keeps one texture pixel to one
// device pixel, while the frame, its controls and the menus scale with the display. The editor's
// twips for the window's size and the frame's place are texture space (15 twips to a device
// pixel); where the scaled frame would not fit in the window the editor sized, the window grows
// just enough to show it whole.
//
// Zoomed (View, Zoom In, or Ctrl+wheel over the canvas), the window keeps its size and the canvas
// scrolls. The coordinate frame then stays where it stood in the window (moved in just far enough
// to show whole) rather than scrolling away, and the canvas reaches that much further right, so
// that every texture pixel can be scrolled out from under the frame.
class MainWindow : public QMainWindow, public EditorView {
    Q_OBJECT
public:
    // ui: the user interaction the commands talk through; the window's own Qt one when null.
    explicit MainWindow(UserInteraction* ui = nullptr, QWidget* parent = nullptr);
    ~MainWindow() override;

    MappingEditor& editor() { return editor_; }
    Canvas& canvas() { return canvas_; }
    CanvasWidget* canvasWidget() const { return canvasWidget_; }
    // The scrolled view around the canvas; the window's central widget.
    QScrollArea* scrollArea() const { return scrollArea_; }

    // The part of the desktop the window may take: the window's screen less its taskbars, or the
    // area given here (for tests).
    QRect availableArea() const;
    void setAvailableArea(const QRect& area) { availableArea_ = area; }

    // Runs a menu item's command: one handler per command.
    void run(ui::Command command);
    void mnuFileOpen_Click();
    void mnuFileSave_Click() { editor_.Save(); }
    void mnuFileSaveAs_Click() { editor_.SaveAs(); }
    void mnuFileExit_Click();
    void mnuEditComplete_Click() { editor_.CompleteEntry(); }
    void mnuEditBackground_Click() { editor_.SelectBackgroundColor(); }
    void mnuEditDelete_Click() { editor_.DeleteEntry(); }
    void mnuHelpAbout_Click() { emit aboutRequested(); }
    void mnuHelpOnline_Click() { emit onlineTutorialRequested(); }

    const std::vector<std::string>& colNames() const { return editor_.colNames(); }

    // Ending the program at once; tests replace it. By default it leaves the application's event loops.
    void setEndProgram(std::function<void()> endProgram) { endProgram_ = std::move(endProgram); }

    // The frame's top in twips as last set (a widget's position is whole pixels, the value may not be).
    double frameTopTwips() const { return frameTopTwips_; }
    frmDelete* deleteDialog() const { return deleteDialog_; }
    // View, Entry List; null until first shown.
    EntryListWindow* entryList() const { return entryList_; }
    GamePreviewWindow* gamePreview() const { return gamePreview_; }

    // EditorView
    std::string boxText(Box box) const override;
    void setBoxText(Box box, const std::string& text) override;
    void setWindowWidth(int twips) override;
    void setWindowHeight(int twips) override;
    void setFrameLeft(int twips) override;
    void setFrameTop(double twips) override;
    int frameHeight() const override;
    void showDeleteDialog() override;
    void overlayChanged() override;
    void zoomChanged(int oldPercent) override;
    void showEntryList() override;
    void showGamePreview() override;

signals:
    void aboutRequested();
    void onlineTutorialRequested();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildFrame();
    void buildMenus();
    QLineEdit* box(Box which) const;
    // Outer size (title bar and borders included) to the size Qt's resize() takes.
    QSize outerToInner(QSize outer) const;
    // Makes the canvas at least the content the editor asked for and the window the inner size it
    // asked for (both grown for a scaled frame), or as much of that as the available area shows;
    // scroll bars reach the rest.
    void fitWindow();
    // Lets the canvas be a logical pixel smaller than asked where a fractional scale's rounding
    // left the window that much short.
    void absorbScalingShortfall();
    // Logical pixels for a length in texture-space twips.
    int texturePixels(double twips) const;
    // Grows the window where the scaled frame reaches past the content the editor sized, across
    // the texture (after the frame's left was set) or down it (after its top was set).
    void showScaledFrameWhole(Qt::Orientation across);
    // The canvas's size at the current zoom: at 100 % what the editor sized (see fitWindow); zoomed,
    // the zoomed texture and room to scroll it out from under the frame.
    void layoutCanvas();
    // The frame at the place the editor gave it, or, zoomed, at that place in the view.
    void placeFrame();
    // Ctrl+wheel over the canvas: zooms keeping the texture point under the pointer in place.
    void zoomAtPointer(int steps, QPoint canvasPosition);

    std::unique_ptr<QtUserInteraction> ownUi_;
    Canvas canvas_;
    MappingEditor editor_;
    QScrollArea* scrollArea_ = nullptr;
    CanvasWidget* canvasWidget_ = nullptr;
    std::optional<QRect> availableArea_;
    QGroupBox* fraInfo = nullptr;
    QLineEdit* txtTop = nullptr;
    QLineEdit* txtLeft = nullptr;
    QLineEdit* txtBottom = nullptr;
    QLineEdit* txtRight = nullptr;
    QPointer<frmDelete> deleteDialog_;
    QPointer<EntryListWindow> entryList_;
    QAction* showEntriesItem_ = nullptr;
    QPointer<GamePreviewWindow> gamePreview_;
    double frameTopTwips_ = 0;
    // Where the editor placed the frame, in logical pixels of the canvas at 100 %.
    QPoint frameHome_;
    // The view position (logical pixels) a zoom keeps in place; the view's centre when unset.
    std::optional<QPoint> zoomAnchor_;
    // What the editor last asked for (logical pixels), and what the scaled frame added to it.
    QSize editorInner_;
    QSize editorContent_;
    QSize growth_{0, 0};
    std::function<void()> endProgram_;
};

}  // namespace vantrel
