#include "editor/qt/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <algorithm>
#include <cmath>

#include "editor/Zoom.h"
#include "editor/qt/CanvasWidget.h"
#include "editor/qt/DescribedWindow.h"
#include "editor/qt/frmDelete.h"
#include "ui/MenuDescription.h"
#include "ui/Twips.h"
#include "ui/WindowDescriptions.h"

namespace vantrel {

namespace {

// The coordinate frame takes mouse presses itself, so a press on it never reaches corner picking.
class InfoFrame : public QGroupBox {
public:
    using QGroupBox::QGroupBox;

protected:
    void mousePressEvent(QMouseEvent* event) override { event->accept(); }
};

// A line edit claims Ctrl+E, Ctrl+D, Ctrl+Z, Ctrl+Y, Ctrl+U and others for its own editing keys
// (end of line, delete character, its own undo and redo) before the menu's shortcuts see them.
// The coordinate boxes nearly always hold the focus, so they give every shortcut of the menu bar,
// second keys included, back to the window: the menu's Undo wins over the box's.
class MenuShortcutsFirst : public QObject {
public:
    explicit MenuShortcutsFirst(QObject* parent) : QObject(parent) {
        for (const ui::MenuDescription& menu : ui::MainMenuBar())
            for (const ui::MenuItemDescription& item : menu.items)
                for (const ui::Shortcut& shortcut : {item.shortcut, item.alternate})
                    if (!shortcut.empty()) shortcuts_.push_back(ToKeySequence(shortcut));
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::ShortcutOverride && isMenuShortcut(*static_cast<QKeyEvent*>(event))) {
            event->ignore();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool isMenuShortcut(const QKeyEvent& key) const {
        Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
        const auto known = [&](Qt::KeyboardModifiers held) {
            const QKeySequence pressed(QKeyCombination(held, static_cast<Qt::Key>(key.key())));
            return std::find(shortcuts_.begin(), shortcuts_.end(), pressed) != shortcuts_.end();
        };
        if (known(modifiers)) return true;
        // "+" is Shift+= on many keyboards: Ctrl+Shift+"+" is the menu's Ctrl++.
        const bool letter = key.key() >= Qt::Key_A && key.key() <= Qt::Key_Z;
        return !letter && (modifiers & Qt::ShiftModifier) && known(modifiers & ~Qt::ShiftModifier);
    }

    std::vector<QKeySequence> shortcuts_;
};

// Where a frame of `length` at `home` shows in a view of `room`: where it is when that shows it
// whole, otherwise moved back just far enough, never before the view's start (nor before home,
// where the frame stood partly above the view already).
int KeptInView(int home, int length, int room) { return std::max(std::min(home, room - length), std::min(home, 0)); }

std::uint32_t WindowBackgroundColor() {
    const QColor color = QApplication::palette().color(QPalette::Window);
    return PackColor(color.red(), color.green(), color.blue());
}

// How far the frame's scaling makes it reach past the content the editor sized (all in logical
// pixels): the content grows by what the scaled frame needs beyond what the unscaled frame would.
int GrowthForScaledFrame(int content, int frameStart, int frameLength, qreal scale) {
    const qreal unscaledEnd = frameStart + frameLength / scale;
    const qreal scaledEnd = frameStart + frameLength;
    return std::max(0, static_cast<int>(std::ceil(scaledEnd - std::max<qreal>(content, unscaledEnd))));
}

}  // namespace

MainWindow::MainWindow(UserInteraction* ui, QWidget* parent)
    : QMainWindow(parent),
      ownUi_(ui ? nullptr : std::make_unique<QtUserInteraction>(this)),
      canvas_(WindowBackgroundColor()),
      editor_(ui ? *ui : *ownUi_, *this, canvas_),
      endProgram_([] { QCoreApplication::exit(0); }) {
    const ui::WindowDescription& description = ui::MainWindowDescription();
    setObjectName(ToQString(description.name));
    setWindowTitle(ToQString(description.caption));
    // Sizable, with a minimize button and no maximize button.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setWindowIcon(QIcon(QStringLiteral(":/vantrel/icon48.png")));

    // The canvas scrolls, with the frame on it, when the window is smaller than the texture and
    // the frame beside it (a texture taller or wider than the screen). The view itself takes no
    // keyboard focus: Tab goes round the coordinate boxes only.
    scrollArea_ = new QScrollArea(this);
    scrollArea_->setObjectName(QStringLiteral("canvasView"));
    scrollArea_->setFrameShape(QFrame::NoFrame);
    scrollArea_->setWidgetResizable(true);
    scrollArea_->setFocusPolicy(Qt::NoFocus);
    scrollArea_->installEventFilter(this);
    scrollArea_->viewport()->installEventFilter(this);
    canvasWidget_ = new CanvasWidget(canvas_, &editor_);
    canvasWidget_->setObjectName(QStringLiteral("canvas"));
    // A press picks the texture pixel under the pointer; Ctrl+press selects the entry there.
    canvasWidget_->onMousePress = [this](Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y) {
        if (modifiers & Qt::ControlModifier) return editor_.SelectEntryAt(x, y);
        editor_.MouseDown(static_cast<std::int16_t>(button), static_cast<std::int16_t>(modifiers),
                          static_cast<float>(ui::PixelsToTwips(x)), static_cast<float>(ui::PixelsToTwips(y)));
    };
    canvasWidget_->onZoomWheel = [this](int steps, QPoint position) { zoomAtPointer(steps, position); };
    scrollArea_->setWidget(canvasWidget_);
    for (QScrollBar* bar : {scrollArea_->horizontalScrollBar(), scrollArea_->verticalScrollBar()})
        connect(bar, &QScrollBar::valueChanged, this, [this] {
            if (editor_.zoomPercent() != 100) placeFrame();
        });
    setCentralWidget(scrollArea_);
    buildFrame();
    buildMenus();

    // Presenting progress while a texture paints: show what is painted so far, then let pending
    // window events (menu commands, mouse presses) run.
    canvas_.setProgressHandler([this] {
        canvasWidget_->repaint();
        QCoreApplication::processEvents();
    });

    // The design client area below the menu bar.
    editorContent_ = ToQRect(description.client).size();
    editorInner_ = QSize(editorContent_.width(), editorContent_.height() + menuBar()->sizeHint().height());
    canvasWidget_->setMinimumSize(editorContent_);
    resize(editorInner_);

    editor_.Load();
}

MainWindow::~MainWindow() {
    canvas_.setProgressHandler(nullptr);
    if (deleteDialog_) delete deleteDialog_.data();
    if (entryList_) delete entryList_.data();
}

void MainWindow::buildFrame() {
    const DescribedControls controls =
        BuildControls(ui::MainWindowDescription(), canvasWidget_,
                      [](const ui::ControlDescription& control, QWidget* parent) -> QWidget* {
                          return control.kind == ui::ControlKind::Frame ? new InfoFrame(parent) : nullptr;
                      });
    fraInfo = controls.get<QGroupBox>("fraInfo");
    txtTop = controls.get<QLineEdit>("txtTop");
    txtLeft = controls.get<QLineEdit>("txtLeft");
    txtBottom = controls.get<QLineEdit>("txtBottom");
    txtRight = controls.get<QLineEdit>("txtRight");
    frameHome_ = fraInfo->pos();
    auto* shortcutsFirst = new MenuShortcutsFirst(this);
    for (QLineEdit* edit : {txtTop, txtLeft, txtBottom, txtRight}) {
        edit->installEventFilter(shortcutsFirst);
        // The pending rectangle follows the values typed into the boxes.
        connect(edit, &QLineEdit::textChanged, this, [this] {
            if (editor_.showEntries()) canvasWidget_->update();
        });
    }
}

void MainWindow::buildMenus() {
    // The frame's face; a popup is a window of its own, so each menu is given it too.
    menuBar()->setFont(DialogFont());
    for (const ui::MenuDescription& description : ui::MainMenuBar()) {
        QMenu* menu = menuBar()->addMenu(ToQString(description.caption));
        menu->setFont(DialogFont());
        menu->setObjectName(ToQString(description.name));
        menu->menuAction()->setObjectName(ToQString(description.name));
        for (const ui::MenuItemDescription& item : description.items) {
            QAction* action = item.separator() ? menu->addSeparator() : menu->addAction(ToQString(item.caption));
            action->setObjectName(ToQString(item.name));
            // The menu shows the first key; a second one (Ctrl+= beside Ctrl++) works unshown.
            QList<QKeySequence> keys;
            for (const ui::Shortcut& shortcut : {item.shortcut, item.alternate})
                if (!shortcut.empty()) keys.push_back(ToKeySequence(shortcut));
            action->setShortcuts(keys);
            if (item.checkable) {
                action->setCheckable(true);
                // Its check follows the editor's state, set again on every change of the overlay.
                if (item.command == ui::Command::ViewShowEntries) showEntriesItem_ = action;
            }
            if (item.command != ui::Command::None)
                connect(action, &QAction::triggered, this, [this, command = item.command] { run(command); });
        }
    }
}

void MainWindow::run(ui::Command command) {
    switch (command) {
        case ui::Command::FileOpen:
            return mnuFileOpen_Click();
        case ui::Command::FileSave:
            return mnuFileSave_Click();
        case ui::Command::FileSaveAs:
            return mnuFileSaveAs_Click();
        case ui::Command::FileExit:
            return mnuFileExit_Click();
        case ui::Command::EditComplete:
            return mnuEditComplete_Click();
        case ui::Command::EditBackground:
            return mnuEditBackground_Click();
        case ui::Command::EditDelete:
            return mnuEditDelete_Click();
        case ui::Command::HelpAbout:
            return mnuHelpAbout_Click();
        case ui::Command::HelpOnline:
            return mnuHelpOnline_Click();
        case ui::Command::FileOpenMapping:
            return editor_.OpenMapping();
        case ui::Command::EditUndo:
            return editor_.Undo();
        case ui::Command::EditRedo:
            return editor_.Redo();
        case ui::Command::EditUpdate:
            return editor_.UpdateEntry();
        case ui::Command::EditRename:
            return editor_.RenameEntry();
        case ui::Command::EditClearCorners:
            return editor_.ClearCorners();
        case ui::Command::ViewZoomIn:
            return editor_.ZoomIn();
        case ui::Command::ViewZoomOut:
            return editor_.ZoomOut();
        case ui::Command::ViewActualSize:
            return editor_.ActualSize();
        case ui::Command::ViewShowEntries:
            return editor_.ToggleShowEntries();
        case ui::Command::ViewEntryList:
            return editor_.ShowEntryList();
        case ui::Command::ViewGamePreview:
            return editor_.ShowGamePreview();
        case ui::Command::None:
            return;
    }
}

void MainWindow::mnuFileOpen_Click() {
    editor_.LoadUserFile();
    // Painted, or washed when the dialog was cancelled: either way the canvas changed, and the rows
    // read after the last progress report have not been shown yet. Shown at the next repaint.
    canvasWidget_->update();
    if (gamePreview_) gamePreview_->refresh();
}

void MainWindow::mnuFileExit_Click() {
    if (editor_.Exit()) endProgram_();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // Closing with the title bar's close control asks about unsaved work, as Exit does.
    if (editor_.CloseRequested())
        event->accept();
    else
        event->ignore();
}

QLineEdit* MainWindow::box(Box which) const {
    switch (which) {
        case Box::Top:
            return txtTop;
        case Box::Left:
            return txtLeft;
        case Box::Bottom:
            return txtBottom;
        case Box::Right:
            return txtRight;
    }
    return txtTop;
}

std::string MainWindow::boxText(Box which) const { return box(which)->text().toStdString(); }

void MainWindow::setBoxText(Box which, const std::string& text) { box(which)->setText(QString::fromStdString(text)); }

QSize MainWindow::outerToInner(QSize outer) const {
    const QSize decorations = frameGeometry().size() - geometry().size();
    return QSize(std::max(1, outer.width() - decorations.width()), std::max(1, outer.height() - decorations.height()));
}

QRect MainWindow::availableArea() const {
    if (availableArea_) return *availableArea_;
    const QScreen* shown = screen() ? screen() : QGuiApplication::primaryScreen();
    return shown ? shown->availableGeometry() : QRect(0, 0, 1 << 15, 1 << 15);
}

void MainWindow::fitWindow() {
    layoutCanvas();
    const QRect area = availableArea();
    const QSize room = outerToInner(area.size());
    resize((editorInner_ + growth_).boundedTo(room));
    // Kept on the available area: moved back where the new size would reach past its edges.
    const QRect outer = frameGeometry();
    const int x = std::max(area.left(), std::min(outer.x(), area.right() + 1 - outer.width()));
    const int y = std::max(area.top(), std::min(outer.y(), area.bottom() + 1 - outer.height()));
    if (x != outer.x() || y != outer.y()) move(x, y);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Resize && (watched == scrollArea_ || watched == scrollArea_->viewport())) {
        if (editor_.zoomPercent() == 100) {
            if (watched == scrollArea_) absorbScalingShortfall();
        } else {
            layoutCanvas();
            placeFrame();
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::absorbScalingShortfall() {
    // At a fractional scale a size in logical pixels reaches the screen rounded to device pixels
    // and comes back rounded again, so the window can end up a logical pixel short of the size
    // asked for. The canvas gives up that pixel rather than bring up two scroll bars for it.
    const qreal scale = devicePixelRatioF();
    if (scale == std::floor(scale) || editor_.zoomPercent() != 100) return;
    const QSize wanted = editorContent_ + growth_;
    const QSize room = scrollArea_->maximumViewportSize();
    const QSize canvas(wanted.width() - room.width() == 1 ? room.width() : wanted.width(),
                       wanted.height() - room.height() == 1 ? room.height() : wanted.height());
    if (canvas != canvasWidget_->minimumSize()) canvasWidget_->setMinimumSize(canvas);
}

int MainWindow::texturePixels(double twips) const { return ui::TwipsToPixels(twips / devicePixelRatioF()); }

void MainWindow::setWindowWidth(int twips) {
    const int inner = outerToInner(QSize(texturePixels(twips), 0)).width();
    editorInner_ = QSize(inner, height() - growth_.height());
    editorContent_.setWidth(inner);
    fitWindow();
}

void MainWindow::setWindowHeight(int twips) {
    const int inner = outerToInner(QSize(0, texturePixels(twips))).height();
    editorInner_ = QSize(width() - growth_.width(), inner);
    editorContent_.setHeight(std::max(1, inner - menuBar()->sizeHint().height()));
    fitWindow();
}

void MainWindow::setFrameLeft(int twips) {
    frameHome_.setX(texturePixels(twips));
    placeFrame();
    showScaledFrameWhole(Qt::Horizontal);
}

void MainWindow::setFrameTop(double twips) {
    frameTopTwips_ = twips;
    frameHome_.setY(texturePixels(twips));
    placeFrame();
    showScaledFrameWhole(Qt::Vertical);
}

int MainWindow::frameHeight() const {
    return static_cast<int>(std::lround(ui::PixelsToTwips(fraInfo->height()) * devicePixelRatioF()));
}

void MainWindow::showScaledFrameWhole(Qt::Orientation across) {
    const qreal scale = devicePixelRatioF();
    QSize growth = growth_;
    if (across == Qt::Horizontal)
        growth.setWidth(GrowthForScaledFrame(editorContent_.width(), frameHome_.x(), fraInfo->width(), scale));
    else
        growth.setHeight(GrowthForScaledFrame(editorContent_.height(), frameHome_.y(), fraInfo->height(), scale));
    if (growth == growth_) return;
    growth_ = growth;
    fitWindow();
}

void MainWindow::showDeleteDialog() {
    if (!deleteDialog_) deleteDialog_ = new frmDelete(editor_);
    deleteDialog_->show();
    deleteDialog_->raise();
    deleteDialog_->activateWindow();
}

void MainWindow::layoutCanvas() {
    if (editor_.zoomPercent() == 100) {
        canvasWidget_->setMinimumSize(editorContent_ + growth_);
        absorbScalingShortfall();
    } else {
        // The zoomed texture, and past its right edge as much as lies from the frame's left to the
        // view's right: scrolled to its end, the texture's last column shows left of the frame.
        const QSize texture = canvasWidget_->zoomedTextureSize();
        const QSize view = scrollArea_->viewport()->size();
        const int frameLeft = KeptInView(frameHome_.x(), fraInfo->width(), view.width());
        canvasWidget_->setMinimumSize(texture.width() + std::max(0, view.width() - frameLeft), texture.height());
    }
    // Shrunk at once too (the scrolled view would only take a smaller minimum later), so that the
    // scroll ranges are the new ones before a zoom sets the scroll position.
    canvasWidget_->resize(scrollArea_->viewport()->size().expandedTo(canvasWidget_->minimumSize()));
}

void MainWindow::placeFrame() {
    if (editor_.zoomPercent() == 100) {
        fraInfo->move(frameHome_);
        return;
    }
    const QSize view = scrollArea_->viewport()->size();
    const QPoint inView(KeptInView(frameHome_.x(), fraInfo->width(), view.width()),
                        KeptInView(frameHome_.y(), fraInfo->height(), view.height()));
    fraInfo->move(inView + QPoint(scrollArea_->horizontalScrollBar()->value(), scrollArea_->verticalScrollBar()->value()));
}

void MainWindow::zoomAtPointer(int steps, QPoint canvasPosition) {
    zoomAnchor_ = canvasWidget_->mapTo(scrollArea_->viewport(), canvasPosition);
    editor_.ZoomBy(steps);
    zoomAnchor_.reset();
}

void MainWindow::overlayChanged() {
    canvasWidget_->update();
    if (showEntriesItem_) showEntriesItem_->setChecked(editor_.showEntries());
    if (entryList_) entryList_->refresh();
}

void MainWindow::zoomChanged(int oldPercent) {
    const int newPercent = editor_.zoomPercent();
    const QSize view = scrollArea_->viewport()->size();
    const QPoint anchor = zoomAnchor_.value_or(QPoint(view.width() / 2, view.height() / 2));
    zoomAnchor_.reset();
    QScrollBar* across = scrollArea_->horizontalScrollBar();
    QScrollBar* down = scrollArea_->verticalScrollBar();
    const int oldAcross = across->value();
    const int oldDown = down->value();
    layoutCanvas();
    // The texture point under the anchor stays there: worked out in device pixels, where a texture
    // pixel is a whole number of them.
    const qreal scale = devicePixelRatioF();
    const auto keep = [&](int at, int scroll, int textureLength, int viewLength) {
        const auto device = [scale](int logical) { return static_cast<int>(std::lround(logical * scale)); };
        const int kept =
            ScrollKeepingPoint(device(at), device(scroll), oldPercent, newPercent, textureLength, device(viewLength));
        return static_cast<int>(std::lround(kept / scale));
    };
    // Zoomed, the texture is seen left of the frame, and scrolls as far as the canvas lets it.
    const int seenAcross =
        newPercent == 100 ? view.width() : KeptInView(frameHome_.x(), fraInfo->width(), view.width());
    across->setValue(keep(anchor.x(), oldAcross, editor_.intTextureWidth(), seenAcross));
    down->setValue(keep(anchor.y(), oldDown, editor_.intTextureHeight(), view.height()));
    placeFrame();
    canvasWidget_->update();
}

void MainWindow::showEntryList() {
    if (!entryList_) {
        entryList_ = new EntryListWindow(editor_, this);
        // First shown beside the main window where the screen has room, else over its right edge.
        const QRect area = availableArea();
        const QRect outer = frameGeometry();
        const int x = std::min(outer.right() + 1, area.right() + 1 - entryList_->width());
        entryList_->move(std::max(area.left(), x), std::max(area.top(), outer.top()));
    }
    entryList_->refresh();
    entryList_->show();
    entryList_->raise();
    entryList_->activateWindow();
}

void MainWindow::showGamePreview() {
    // One window, made the first time and kept (hidden when closed); it follows the boxes.
    if (!gamePreview_) {
        gamePreview_ = new GamePreviewWindow(editor_, this);
        for (QLineEdit* edit : {txtTop, txtLeft, txtBottom, txtRight})
            connect(edit, &QLineEdit::textChanged, gamePreview_, &GamePreviewWindow::refresh);
    }
    gamePreview_->refresh();
    gamePreview_->show();
    gamePreview_->raise();
}

}  // namespace vantrel
