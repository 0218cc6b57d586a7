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

#include "ui/AppIdentity.h"
#include "editor/qt/CanvasWidget.h"
#include "editor/qt/DialogFont.h"
#include "editor/qt/frmDelete.h"

namespace vantrel {

namespace {

constexpr int kTwipsPerPixel = 15;
constexpr int Px(int twips) { return twips / kTwipsPerPixel; }

// The coordinate frame takes mouse presses itself, so a press on it never reaches corner picking.
class InfoFrame : public QGroupBox {
public:
    using QGroupBox::QGroupBox;

protected:
    void mousePressEvent(QMouseEvent* event) override { event->accept(); }
};

// A line edit claims Ctrl+E, Ctrl+D and others for its own editing keys (end of line, delete
// character) before the menu's shortcuts see them. The coordinate boxes nearly always hold the
// focus, so they give the four menu shortcuts back to the window.
class MenuShortcutsFirst : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::ShortcutOverride) {
            auto* key = static_cast<QKeyEvent*>(event);
            const QKeySequence pressed(key->keyCombination());
            for (const auto& shortcut : {QKeySequence(Qt::CTRL | Qt::Key_O), QKeySequence(Qt::CTRL | Qt::Key_S),
                                         QKeySequence(Qt::CTRL | Qt::Key_E), QKeySequence(Qt::CTRL | Qt::Key_D)}) {
                if (pressed == shortcut) {
                    event->ignore();
                    return true;
                }
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

std::uint32_t WindowBackgroundColor() {
    const QColor color = QApplication::palette().color(QPalette::Window);
    return PackColor(color.red(), color.green(), color.blue());
}

}  // namespace

MainWindow::MainWindow(UserInteraction* ui, QWidget* parent)
    : QMainWindow(parent),
      ownUi_(ui ? nullptr : std::make_unique<QtUserInteraction>(this)),
      canvas_(WindowBackgroundColor()),
      editor_(ui ? *ui : *ownUi_, *this, canvas_),
      endProgram_([] { QCoreApplication::exit(0); }) {
    setObjectName(QStringLiteral("MainWindow"));
    setWindowTitle(QString::fromUtf8(kMainWindowCaption));
    // Sizable, with a minimize button and no maximize button.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setWindowIcon(QIcon(QStringLiteral(":/vantrel/icon48.png")));

    // The canvas scrolls, with the frame on it, when the window is smaller than the texture and
    // the frame beside it (a texture taller or wider than the screen).
    scrollArea_ = new QScrollArea(this);
    scrollArea_->setObjectName(QStringLiteral("canvasView"));
    scrollArea_->setFrameShape(QFrame::NoFrame);
    scrollArea_->setWidgetResizable(true);
    canvasWidget_ = new CanvasWidget(canvas_);
    canvasWidget_->setObjectName(QStringLiteral("canvas"));
    canvasWidget_->onMousePress = [this](Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int x, int y) {
        editor_.MouseDown(static_cast<std::int16_t>(button), static_cast<std::int16_t>(modifiers),
                          static_cast<float>(x * kTwipsPerPixel), static_cast<float>(y * kTwipsPerPixel));
    };
    scrollArea_->setWidget(canvasWidget_);
    setCentralWidget(scrollArea_);
    buildFrame();
    menuBar()->setFont(DialogFont());
    buildMenus();

    // Presenting progress while a texture paints: show what is painted so far, then let pending
    // window events (menu commands, mouse presses) run.
    canvas_.setProgressHandler([this] {
        canvasWidget_->repaint();
        QCoreApplication::processEvents();
    });

    // Design client area 5145 x 3195 twips below the menu bar.
    canvasWidget_->setMinimumSize(Px(5145), Px(3195));
    resize(Px(5145), Px(3195) + menuBar()->sizeHint().height());

    editor_.Load();
}

MainWindow::~MainWindow() {
    canvas_.setProgressHandler(nullptr);
    if (deleteDialog_) delete deleteDialog_.data();
}

void MainWindow::buildFrame() {
    fraInfo = new InfoFrame(canvasWidget_);
    fraInfo->setObjectName(QStringLiteral("fraInfo"));
    fraInfo->setGeometry(Px(2520), Px(1320), Px(2535), Px(1215));
    // The frame's labels are laid out for the small dialog face; the desktop's default font would
    // clip "Bottom:" in its 41-pixel label. The menus use the same face.
    fraInfo->setFont(DialogFont());

    struct Row {
        const char* labelName;
        const char* caption;
        int labelLeft, labelWidth;
        const char* boxName;
        int boxLeft;
        int top;
        QLineEdit** box;
    };
    const Row rows[] = {
        {"Label1", "Top:", 120, 375, "txtTop", 600, 240, &txtTop},
        {"Label2", "Left:", 1200, 375, "txtLeft", 1680, 240, &txtLeft},
        {"Label3", "Bottom:", 120, 615, "txtBottom", 720, 720, &txtBottom},
        {"Label4", "Right:", 1320, 495, "txtRight", 1920, 720, &txtRight},
    };
    for (const Row& row : rows) {
        auto* label = new QLabel(QString::fromUtf8(row.caption), fraInfo);
        label->setObjectName(QString::fromUtf8(row.labelName));
        label->setGeometry(Px(row.labelLeft), Px(row.top), Px(row.labelWidth), Px(255));
        auto* edit = new QLineEdit(fraInfo);
        edit->setObjectName(QString::fromUtf8(row.boxName));
        edit->setGeometry(Px(row.boxLeft), Px(row.top), Px(495), Px(285));
        *row.box = edit;
    }
    auto* shortcutsFirst = new MenuShortcutsFirst(this);
    for (QLineEdit* edit : {txtTop, txtLeft, txtBottom, txtRight}) edit->installEventFilter(shortcutsFirst);
    setTabOrder(txtTop, txtLeft);
    setTabOrder(txtLeft, txtBottom);
    setTabOrder(txtBottom, txtRight);
}

void MainWindow::buildMenus() {
    struct Item {
        const char* name;
        const char* caption;  // nullptr for a separator
        QKeySequence shortcut;
        std::function<void()> run;
    };
    const auto addMenu = [this](const char* name, const char* caption, const std::vector<Item>& items) {
        QMenu* menu = menuBar()->addMenu(QString::fromUtf8(caption));
        menu->setFont(DialogFont());  // a popup is a window of its own: the face is not inherited
        menu->setObjectName(QString::fromUtf8(name));
        menu->menuAction()->setObjectName(QString::fromUtf8(name));
        for (const Item& item : items) {
            QAction* action = item.caption ? menu->addAction(QString::fromUtf8(item.caption)) : menu->addSeparator();
            action->setObjectName(QString::fromUtf8(item.name));
            if (!item.shortcut.isEmpty()) action->setShortcut(item.shortcut);
            if (item.run) connect(action, &QAction::triggered, this, item.run);
        }
    };
    addMenu("mnuFile", "File",
            {{"mnuFileOpen", "Open", QKeySequence(Qt::CTRL | Qt::Key_O), [this] { mnuFileOpen_Click(); }},
             {"mnuDivider3", nullptr, {}, {}},
             {"mnuFileSave", "Save", QKeySequence(Qt::CTRL | Qt::Key_S), [this] { mnuFileSave_Click(); }},
             {"mnuFileSaveAs", "Save As", {}, [this] { mnuFileSaveAs_Click(); }},
             {"mnuDivider1", nullptr, {}, {}},
             {"mnuFileExit", "Exit", {}, [this] { mnuFileExit_Click(); }}});
    addMenu("mnuEdit", "Edit",
            {{"mnuEditComplete", "Complete Entry", QKeySequence(Qt::CTRL | Qt::Key_E),
              [this] { mnuEditComplete_Click(); }},
             {"mnuDivider2", nullptr, {}, {}},
             {"mnuEditBackground", "Select Background Color", {}, [this] { mnuEditBackground_Click(); }},
             {"mnuDivider4", nullptr, {}, {}},
             {"mnuEditDelete", "Delete Entry", QKeySequence(Qt::CTRL | Qt::Key_D), [this] { mnuEditDelete_Click(); }}});
    addMenu("mnuHelp", "Help",
            {{"mnuHelpAbout", "About", {}, [this] { emit aboutRequested(); }},
             {"mnuHelpOnline", "Online Tutorial", {}, [this] { emit onlineTutorialRequested(); }}});
}

void MainWindow::mnuFileOpen_Click() {
    editor_.LoadUserFile();
    // Painted, or washed when the dialog was cancelled: either way the canvas changed, and the rows
    // read after the last progress report have not been shown yet. Shown at the next repaint.
    canvasWidget_->update();
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

void MainWindow::fitWindow(QSize inner, QSize content) {
    canvasWidget_->setMinimumSize(content);
    const QRect area = availableArea();
    const QSize room = outerToInner(area.size());
    resize(inner.boundedTo(room));
    // Kept on the available area: moved back where the new size would reach past its edges.
    const QRect outer = frameGeometry();
    const int x = std::max(area.left(), std::min(outer.x(), area.right() + 1 - outer.width()));
    const int y = std::max(area.top(), std::min(outer.y(), area.bottom() + 1 - outer.height()));
    if (x != outer.x() || y != outer.y()) move(x, y);
}

void MainWindow::setWindowWidth(int twips) {
    const QSize inner = outerToInner(QSize(static_cast<int>(std::lround(twips / double(kTwipsPerPixel))), 0));
    fitWindow(QSize(inner.width(), height()), QSize(inner.width(), canvasWidget_->minimumHeight()));
}

void MainWindow::setWindowHeight(int twips) {
    const QSize inner = outerToInner(QSize(0, static_cast<int>(std::lround(twips / double(kTwipsPerPixel)))));
    const int content = std::max(1, inner.height() - menuBar()->sizeHint().height());
    fitWindow(QSize(width(), inner.height()), QSize(canvasWidget_->minimumWidth(), content));
}

void MainWindow::setFrameLeft(int twips) {
    fraInfo->move(static_cast<int>(std::lround(twips / double(kTwipsPerPixel))), fraInfo->y());
}

void MainWindow::setFrameTop(double twips) {
    frameTopTwips_ = twips;
    fraInfo->move(fraInfo->x(), static_cast<int>(std::lround(twips / kTwipsPerPixel)));
}

int MainWindow::frameHeight() const { return fraInfo->height() * kTwipsPerPixel; }

void MainWindow::showDeleteDialog() {
    if (!deleteDialog_) deleteDialog_ = new frmDelete(*this);
    deleteDialog_->show();
    deleteDialog_->raise();
    deleteDialog_->activateWindow();
}

}  // namespace vantrel
