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

// A line edit claims Ctrl+E, Ctrl+D and others for its own editing keys (end of line, delete
// character) before the menu's shortcuts see them. The coordinate boxes nearly always hold the
// focus, so they give every shortcut of the menu bar back to the window.
class MenuShortcutsFirst : public QObject {
public:
    explicit MenuShortcutsFirst(QObject* parent) : QObject(parent) {
        for (const ui::MenuDescription& menu : ui::MainMenuBar())
            for (const ui::MenuItemDescription& item : menu.items)
                if (!item.shortcut.empty()) shortcuts_.push_back(ToKeySequence(item.shortcut));
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::ShortcutOverride) {
            const QKeySequence pressed(static_cast<QKeyEvent*>(event)->keyCombination());
            if (std::find(shortcuts_.begin(), shortcuts_.end(), pressed) != shortcuts_.end()) {
                event->ignore();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::vector<QKeySequence> shortcuts_;
};

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
    canvasWidget_ = new CanvasWidget(canvas_);
    canvasWidget_->setObjectName(QStringLiteral("canvas"));
    canvasWidget_->onMousePress = [this](Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y) {
        editor_.MouseDown(static_cast<std::int16_t>(button), static_cast<std::int16_t>(modifiers),
                          static_cast<float>(ui::PixelsToTwips(x)), static_cast<float>(ui::PixelsToTwips(y)));
    };
    scrollArea_->setWidget(canvasWidget_);
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
    auto* shortcutsFirst = new MenuShortcutsFirst(this);
    for (QLineEdit* edit : {txtTop, txtLeft, txtBottom, txtRight}) edit->installEventFilter(shortcutsFirst);
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
            if (!item.shortcut.empty()) action->setShortcut(ToKeySequence(item.shortcut));
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
    canvasWidget_->setMinimumSize(editorContent_ + growth_);
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
    if (watched == scrollArea_ && event->type() == QEvent::Resize) absorbScalingShortfall();
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::absorbScalingShortfall() {
    // At a fractional scale a size in logical pixels reaches the screen rounded to device pixels
    // and comes back rounded again, so the window can end up a logical pixel short of the size
    // asked for. The canvas gives up that pixel rather than bring up two scroll bars for it.
    const qreal scale = devicePixelRatioF();
    if (scale == std::floor(scale)) return;
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
    fraInfo->move(texturePixels(twips), fraInfo->y());
    showScaledFrameWhole(Qt::Horizontal);
}

void MainWindow::setFrameTop(double twips) {
    frameTopTwips_ = twips;
    fraInfo->move(fraInfo->x(), texturePixels(twips));
    showScaledFrameWhole(Qt::Vertical);
}

int MainWindow::frameHeight() const {
    return static_cast<int>(std::lround(ui::PixelsToTwips(fraInfo->height()) * devicePixelRatioF()));
}

void MainWindow::showScaledFrameWhole(Qt::Orientation across) {
    const qreal scale = devicePixelRatioF();
    QSize growth = growth_;
    if (across == Qt::Horizontal)
        growth.setWidth(GrowthForScaledFrame(editorContent_.width(), fraInfo->x(), fraInfo->width(), scale));
    else
        growth.setHeight(GrowthForScaledFrame(editorContent_.height(), fraInfo->y(), fraInfo->height(), scale));
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

void MainWindow::overlayChanged() { canvasWidget_->update(); }

void MainWindow::zoomChanged(int /*oldPercent*/) { canvasWidget_->update(); }

void MainWindow::showEntryList() {}

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
