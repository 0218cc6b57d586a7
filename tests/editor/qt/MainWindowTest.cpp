// The real main window, offscreen: the menu tree against its description, shortcuts, tab order, and
// that the title bar's close control asks before unsaved work is lost.
#include "editor/qt/MainWindow.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <functional>
#include <optional>

#include "editor/qt/CanvasWidget.h"
#include "ui/MenuDescription.h"
#include "support/ScriptedUserInteraction.h"
#include "support/TestData.h"
#include "support/TgaFiles.h"

namespace vantrel::test {
namespace {

class MainWindowTest : public ::testing::Test {
protected:
    ScriptedUserInteraction ui;
    MainWindow window{&ui};
};

TEST_F(MainWindowTest, BorderAndIcon) {
    const Qt::WindowFlags flags = window.windowFlags();
    EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(window.windowIcon().isNull());
    EXPECT_EQ(window.windowIcon().availableSizes().value(0), QSize(48, 48));
}

TEST_F(MainWindowTest, MenuBarIsBuiltFromTheMenuDescription) {
    const QList<QAction*> menus = window.menuBar()->actions();
    const auto described = ui::MainMenuBar();
    ASSERT_EQ(menus.size(), static_cast<qsizetype>(described.size()));
    for (std::size_t m = 0; m < described.size(); ++m) {
        const ui::MenuDescription& menu = described[m];
        SCOPED_TRACE(menu.name);
        EXPECT_EQ(menus[m]->text(), QString::fromUtf8(menu.caption));
        EXPECT_EQ(menus[m]->objectName(), QString::fromUtf8(menu.name));
        const QList<QAction*> items = menus[m]->menu()->actions();
        ASSERT_EQ(items.size(), static_cast<qsizetype>(menu.items.size()));
        for (std::size_t i = 0; i < menu.items.size(); ++i) {
            const ui::MenuItemDescription& expected = menu.items[i];
            QAction* item = items[static_cast<qsizetype>(i)];
            EXPECT_EQ(item->objectName(), QString::fromUtf8(expected.name));
            EXPECT_EQ(item->isSeparator(), expected.separator()) << expected.name;
            if (!expected.separator()) {
                EXPECT_EQ(item->text(), QString::fromUtf8(expected.caption));
                EXPECT_FALSE(item->text().contains('&')) << "no access keys";
            }
            // As the menu shows it, read back from Qt's own key sequence; a second key after it.
            EXPECT_EQ(item->shortcut().toString(QKeySequence::PortableText),
                      QString::fromStdString(ui::ShortcutText(expected.shortcut)))
                << expected.name;
            EXPECT_EQ(item->shortcuts().value(1).toString(QKeySequence::PortableText),
                      QString::fromStdString(ui::ShortcutText(expected.alternate)))
                << expected.name;
            EXPECT_TRUE(item->isEnabled() && item->isVisible());
            EXPECT_EQ(item->isCheckable(), expected.checkable) << expected.name;
        }
    }
}

// Each item, chosen from the menu, runs its own command: seen through the dialog or message the
// command asks for, or the signal or ending it gives.
TEST_F(MainWindowTest, EveryMenuItemRunsItsCommand) {
    int ended = 0;
    window.setEndProgram([&] { ++ended; });
    int about = 0;
    int tutorial = 0;
    QObject::connect(&window, &MainWindow::aboutRequested, [&] { ++about; });
    QObject::connect(&window, &MainWindow::onlineTutorialRequested, [&] { ++tutorial; });
    using Kind = RecordedRequest::Kind;
    struct Case {
        ui::Command command;
        std::optional<Kind> asks;       // the one request the command makes of the user, if any
        std::function<bool()> ran = {};  // otherwise, what shows it ran
    };
    const Case cases[] = {
        {ui::Command::FileOpen, Kind::OpenDialog},
        {ui::Command::FileOpenMapping, Kind::OpenDialog},  // before anything is unsaved: no question first
        {ui::Command::FileSave, Kind::SaveDialog},
        {ui::Command::FileSaveAs, Kind::SaveDialog},
        {ui::Command::EditComplete, Kind::MessageBox},  // the corners are not picked yet
        {ui::Command::EditBackground, Kind::ColorDialog},
        {ui::Command::HelpAbout, std::nullopt, [&] { return about == 1; }},
        {ui::Command::HelpOnline, std::nullopt, [&] { return tutorial == 1; }},
        {ui::Command::FileExit, std::nullopt, [&] { return ended == 1; }},
        {ui::Command::EditDelete, std::nullopt,
         [&] { return window.deleteDialog() && window.deleteDialog()->isVisible(); }},
        {ui::Command::EditUpdate, Kind::MessageBox},  // no entry selected
        {ui::Command::EditRename, Kind::MessageBox},
        {ui::Command::ViewZoomIn, std::nullopt, [&] { return window.editor().zoomPercent() == 200; }},
        {ui::Command::ViewZoomIn, std::nullopt, [&] { return window.editor().zoomPercent() == 300; }},
        {ui::Command::ViewZoomOut, std::nullopt, [&] { return window.editor().zoomPercent() == 200; }},
        {ui::Command::ViewActualSize, std::nullopt, [&] { return window.editor().zoomPercent() == 100; }},
        {ui::Command::ViewShowEntries, std::nullopt,
         [&] { return window.editor().showEntries() && window.findChild<QAction*>("mnuViewShowEntries")->isChecked(); }},
        {ui::Command::ViewEntryList, std::nullopt, [&] { return window.entryList() && window.entryList()->isVisible(); }},
    };
    for (const Case& c : cases) {
        const ui::MenuItemDescription* item = ui::FindMenuItem(c.command);
        ASSERT_NE(item, nullptr);
        SCOPED_TRACE(item->name);
        auto* action = window.findChild<QAction*>(QString::fromUtf8(item->name));
        ASSERT_NE(action, nullptr);
        const std::size_t before = ui.requests.size();
        action->trigger();
        if (c.asks) {
            ASSERT_EQ(ui.requests.size(), before + 1);
            EXPECT_EQ(ui.requests.back().kind, *c.asks);
        } else {
            EXPECT_EQ(ui.requests.size(), before);
            EXPECT_TRUE(c.ran());
        }
    }
    window.deleteDialog()->close();
}

// Part of the window's keyboard order: Tab goes round the four boxes and comes back to the first;
// the scrolled view around the canvas takes no focus.
TEST_F(MainWindowTest, TabGoesRoundTheBoxesTopLeftBottomRight) {
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    auto* top = window.findChild<QLineEdit*>("txtTop");
    top->setFocus();
    std::vector<std::string> order;
    for (int i = 0; i < 5; ++i) {
        order.push_back(QApplication::focusWidget() ? QApplication::focusWidget()->objectName().toStdString() : "");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(order, (std::vector<std::string>{"txtTop", "txtLeft", "txtBottom", "txtRight", "txtTop"}));
    EXPECT_EQ(window.scrollArea()->focusPolicy(), Qt::NoFocus);
}

TEST_F(MainWindowTest, ShortcutsRunTheirCommands) {
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_S, Qt::ControlModifier);  // Save: the save dialog, cancelled
    QTest::keyClick(&window, Qt::Key_O, Qt::ControlModifier);  // Open: the open dialog, cancelled
    QTest::keyClick(&window, Qt::Key_E, Qt::ControlModifier);  // Complete Entry: corners not picked
    ASSERT_EQ(ui.requests.size(), 3u);
    EXPECT_EQ(ui.requests[0].kind, RecordedRequest::Kind::SaveDialog);
    EXPECT_EQ(ui.requests[1].kind, RecordedRequest::Kind::OpenDialog);
    EXPECT_EQ(ui.requests[1].file.title, "Open");
    EXPECT_EQ(ui.requests[1].file.filterDescription, "Targa (*.tga)");
    EXPECT_EQ(ui.requests[2].message.text, "Please map all coordinates with the mouse before proceeding");
    QTest::keyClick(&window, Qt::Key_D, Qt::ControlModifier);  // Delete Entry: the dialog opens
    ASSERT_NE(window.deleteDialog(), nullptr);
    EXPECT_TRUE(window.deleteDialog()->isVisible());
    window.deleteDialog()->close();
}

TEST_F(MainWindowTest, ShortcutsWorkWhileACoordinateBoxHasTheFocus) {
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    auto* box = window.findChild<QLineEdit*>("txtBottom");
    box->setFocus();
    box->setText("12");
    box->setCursorPosition(0);
    // A line edit would take Ctrl+E as "end of line" and Ctrl+D as "delete character".
    QTest::keyClick(box, Qt::Key_E, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_D, Qt::ControlModifier);
    ASSERT_EQ(ui.messages().size(), 1u);
    EXPECT_EQ(ui.messages()[0].text, "Please map all coordinates with the mouse before proceeding");
    EXPECT_EQ(box->text(), "12");
    ASSERT_NE(window.deleteDialog(), nullptr);
    window.deleteDialog()->close();
    // Ordinary editing keys still reach the box.
    window.activateWindow();
    box->setFocus();
    QTest::keyClick(box, Qt::Key_End);
    QTest::keyClicks(box, "3");
    EXPECT_EQ(box->text(), "123");
}

// Every key of the menus while a box has the focus, and the box's own undo never eats Ctrl+Z:
// each key, pressed on the box, runs its menu command (seen in the editor) and leaves the box's
// typed text as it was, except for Esc's Clear Corners.
TEST_F(MainWindowTest, ShortcutsWorkWhileACoordinateBoxHasTheFocusTheMenusUndoFirst) {
    TempDir temp;
    const auto texture = temp / "t.tga";
    WriteBytes(texture, GradientTga24(16, 16));
    ui.openAnswers.push_back(texture.string());
    window.mnuFileOpen_Click();
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    window.editor().MouseDown(1, 0, 15, 15);
    window.editor().MouseDown(1, 0, 60, 60);
    ui.inputAnswers.push_back("A");
    window.mnuEditComplete_Click();
    ASSERT_EQ(window.colNames().size(), 1u);

    auto* box = window.findChild<QLineEdit*>("txtLeft");
    box->setFocus();
    QTest::keyClicks(box, "7");  // the box now has an undo step of its own
    ASSERT_EQ(box->text(), "7");
    const MappingEditor& editor = window.editor();
    auto* showEntries = window.findChild<QAction*>("mnuViewShowEntries");
    struct Case {
        const char* keys;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        std::function<bool()> ran;
    };
    const std::size_t messagesBefore = ui.messages().size();
    const Case cases[] = {
        {"Ctrl+Z", Qt::Key_Z, Qt::ControlModifier, [&] { return window.colNames().empty(); }},
        {"Ctrl+Y", Qt::Key_Y, Qt::ControlModifier, [&] { return window.colNames().size() == 1; }},
        {"Ctrl+=", Qt::Key_Equal, Qt::ControlModifier, [&] { return editor.zoomPercent() == 200; }},
        {"Ctrl++", Qt::Key_Plus, Qt::ControlModifier, [&] { return editor.zoomPercent() == 300; }},
        {"Ctrl+-", Qt::Key_Minus, Qt::ControlModifier, [&] { return editor.zoomPercent() == 200; }},
        {"Ctrl+0", Qt::Key_0, Qt::ControlModifier, [&] { return editor.zoomPercent() == 100; }},
        {"Ctrl+L", Qt::Key_L, Qt::ControlModifier, [&] { return editor.showEntries() && showEntries->isChecked(); }},
        {"Ctrl+L again", Qt::Key_L, Qt::ControlModifier,
         [&] { return !editor.showEntries() && !showEntries->isChecked(); }},
        {"Ctrl+U", Qt::Key_U, Qt::ControlModifier, [&] { return ui.messages().size() == messagesBefore + 1; }},
        {"F2", Qt::Key_F2, Qt::NoModifier, [&] { return ui.messages().size() == messagesBefore + 2; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.keys);
        QTest::keyClick(box, c.key, c.modifiers);
        EXPECT_TRUE(c.ran());
        EXPECT_EQ(box->text(), "7");
        EXPECT_EQ(QApplication::focusWidget(), box);
    }
    QTest::keyClick(box, Qt::Key_Escape);  // Clear Corners
    EXPECT_EQ(box->text(), "");
    EXPECT_FALSE(editor.blnLeftTopPicked());
    QTest::keyClick(box, Qt::Key_L, Qt::ControlModifier | Qt::ShiftModifier);  // Entry List, last: it takes the focus
    ASSERT_NE(window.entryList(), nullptr);
    EXPECT_TRUE(window.entryList()->isVisible());
}

TEST_F(MainWindowTest, CloseControlAsksOnlyWhenWorkIsUnsaved) {
    QCloseEvent first;
    QApplication::sendEvent(&window, &first);
    EXPECT_TRUE(first.isAccepted());
    EXPECT_TRUE(ui.messages().empty());

    window.mnuEditDelete_Click();  // opening the delete dialog marks the document changed
    window.deleteDialog()->close();
    ui.messageAnswers = {MessageResult::Cancel, MessageResult::No};
    QCloseEvent cancelled;
    QApplication::sendEvent(&window, &cancelled);
    EXPECT_FALSE(cancelled.isAccepted());
    QCloseEvent discarded;
    QApplication::sendEvent(&window, &discarded);
    EXPECT_TRUE(discarded.isAccepted());
    ASSERT_EQ(ui.messages().size(), 2u);
    EXPECT_EQ(ui.messages()[0].buttons, MessageButtons::YesNoCancel);
}

TEST_F(MainWindowTest, ExitEndsTheProgramOnlyWhenNothingIsUnsaved) {
    int ended = 0;
    window.setEndProgram([&] { ++ended; });
    window.mnuFileExit_Click();
    EXPECT_EQ(ended, 1);
    window.mnuEditDelete_Click();
    window.deleteDialog()->close();
    ui.messageAnswers = {MessageResult::Cancel};
    window.mnuFileExit_Click();
    EXPECT_EQ(ended, 1);
}

// Textures against the room the screen leaves: the window keeps the sizes fitting asks for where
// they fit, and otherwise takes the available area and scrolls the canvas with the frame on it.
class LargeTextureTest : public ::testing::Test {
protected:
    void SetUp() override {
        window.setAvailableArea(area);
        window.move(area.topLeft());
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    void Load(int width, int height) {
        const auto path = temp / "gradient.tga";
        WriteBytes(path, GradientTga24(width, height));
        ui.openAnswers.push_back(path.string());
        window.mnuFileOpen_Click();
        ASSERT_TRUE(ui.messages().empty());
        QCoreApplication::processEvents();
    }

    // The visible part of the canvas in window coordinates.
    QRect ShownCanvas() const {
        const QWidget* viewport = window.scrollArea()->viewport();
        return QRect(viewport->mapTo(&window, QPoint(0, 0)), viewport->size());
    }

    // Presses at a texture pixel the way a user would: at the window point where it shows, on
    // whatever widget is there. False when the pixel is not on view.
    bool PressTexturePixel(QPoint pixel) {
        const QPoint inWindow = window.canvasWidget()->mapTo(&window, pixel);
        if (!ShownCanvas().contains(inWindow)) return false;
        QWidget* target = window.childAt(inWindow);
        if (!target) return false;
        const QPointF local = QPointF(target->mapFrom(&window, inWindow));
        QMouseEvent press(QEvent::MouseButtonPress, local, target->mapToGlobal(local), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &press);
        return true;
    }

    QRect area{0, 0, 800, 600};
    TempDir temp;
    ScriptedUserInteraction ui;
    MainWindow window{&ui};
};

TEST_F(LargeTextureTest, ATextureThatFitsKeepsItsExactSizesAndNoScrollBars) {
    Load(300, 200);
    // 300 * 15 + 3000 = 7500 twips wide, 200 * 15 + 1000 = 4000 twips high, decorations included.
    EXPECT_EQ(window.frameGeometry().size(), QSize(500, 267));
    EXPECT_FALSE(window.scrollArea()->horizontalScrollBar()->isVisible());
    EXPECT_FALSE(window.scrollArea()->verticalScrollBar()->isVisible());
    EXPECT_EQ(window.canvasWidget()->size(), window.scrollArea()->viewport()->size());
    EXPECT_TRUE(PressTexturePixel(QPoint(299, 199)));
    EXPECT_EQ(window.boxText(EditorView::Box::Left), "299");
    EXPECT_EQ(window.boxText(EditorView::Box::Top), "199");
}

TEST_F(LargeTextureTest, ATallerTextureScrollsAndItsLastRowCanBePicked) {
    Load(400, 1500);
    const QRect outer = window.frameGeometry();
    EXPECT_TRUE(area.contains(outer)) << outer.x() << "," << outer.y() << " " << outer.width() << "x"
                                      << outer.height();
    EXPECT_EQ(outer.height(), area.height()) << "the largest height the area allows";
    EXPECT_EQ(outer.width(), 600) << "the width asked for still fits";
    QScrollBar* vertical = window.scrollArea()->verticalScrollBar();
    ASSERT_TRUE(vertical->isVisible());
    ASSERT_GT(vertical->maximum(), 0);

    // The last row is out of view until the canvas scrolls to it.
    EXPECT_FALSE(PressTexturePixel(QPoint(0, 1499)));
    vertical->setValue(vertical->maximum());
    QCoreApplication::processEvents();
    ASSERT_TRUE(PressTexturePixel(QPoint(7, 1499)));
    EXPECT_EQ(window.boxText(EditorView::Box::Left), "7");
    EXPECT_EQ(window.boxText(EditorView::Box::Top), "1499");
}

TEST_F(LargeTextureTest, AWideAndTallTextureScrollsToItsCornerAndTheFrameBesideIt) {
    window.move(area.right() - 100, area.bottom() - 100);
    Load(1984, 2117);
    const QRect outer = window.frameGeometry();
    EXPECT_EQ(outer, area) << "the whole available area, kept on it";
    QScrollArea* view = window.scrollArea();
    view->horizontalScrollBar()->setValue(view->horizontalScrollBar()->maximum());
    view->verticalScrollBar()->setValue(view->verticalScrollBar()->maximum());
    QCoreApplication::processEvents();
    ASSERT_TRUE(PressTexturePixel(QPoint(1983, 2116)));
    EXPECT_EQ(window.boxText(EditorView::Box::Left), "1983");
    EXPECT_EQ(window.boxText(EditorView::Box::Top), "2116");
    // Beside the texture the frame scrolls into view with it: its right edge is on view.
    auto* frame = window.findChild<QWidget*>("fraInfo");
    const QRect frameInWindow(frame->mapTo(&window, QPoint(0, 0)), frame->size());
    EXPECT_GE(ShownCanvas().right(), frameInWindow.right());
    EXPECT_EQ(frame->pos(), QPoint(1992, 2117 / 2 - 40));
}

}  // namespace
}  // namespace vantrel::test
