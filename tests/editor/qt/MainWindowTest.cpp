// The real main window, offscreen: caption, menu tree, shortcuts, frame layout, tab order, and
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

#include "editor/qt/CanvasWidget.h"
#include "support/ScriptedUserInteraction.h"
#include "support/TestData.h"
#include "support/TgaFiles.h"

namespace vantrel::test {
namespace {

struct ExpectedItem {
    const char* name;
    const char* caption;  // "-" for a separator
    const char* shortcut;
};

std::vector<ExpectedItem> ItemsOf(const char* menu) {
    if (std::string(menu) == "mnuFile")
        return {{"mnuFileOpen", "Open", "Ctrl+O"}, {"mnuDivider3", "-", ""},     {"mnuFileSave", "Save", "Ctrl+S"},
                {"mnuFileSaveAs", "Save As", ""},  {"mnuDivider1", "-", ""},     {"mnuFileExit", "Exit", ""}};
    if (std::string(menu) == "mnuEdit")
        return {{"mnuEditComplete", "Complete Entry", "Ctrl+E"},
                {"mnuDivider2", "-", ""},
                {"mnuEditBackground", "Select Background Color", ""},
                {"mnuDivider4", "-", ""},
                {"mnuEditDelete", "Delete Entry", "Ctrl+D"}};
    return {{"mnuHelpAbout", "About", ""}, {"mnuHelpOnline", "Online Tutorial", ""}};
}

class MainWindowTest : public ::testing::Test {
protected:
    ScriptedUserInteraction ui;
    MainWindow window{&ui};
};

TEST_F(MainWindowTest, CaptionBorderAndIcon) {
    EXPECT_EQ(window.windowTitle(), "Vantrel 2.0");
    const Qt::WindowFlags flags = window.windowFlags();
    EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(window.windowIcon().isNull());
    EXPECT_EQ(window.windowIcon().availableSizes().value(0), QSize(48, 48));
    // Design client area 5145 x 3195 twips below the menu bar.
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_EQ(window.centralWidget()->size(), QSize(343, 213));
}

TEST_F(MainWindowTest, MenuTreeCaptionsAndShortcuts) {
    const QList<QAction*> menus = window.menuBar()->actions();
    ASSERT_EQ(menus.size(), 3);
    const char* names[] = {"mnuFile", "mnuEdit", "mnuHelp"};
    const char* captions[] = {"File", "Edit", "Help"};
    int shortcuts = 0;
    for (int m = 0; m < 3; ++m) {
        EXPECT_EQ(menus[m]->text(), captions[m]);
        EXPECT_EQ(menus[m]->objectName(), names[m]);
        const QList<QAction*> items = menus[m]->menu()->actions();
        const auto expected = ItemsOf(names[m]);
        ASSERT_EQ(items.size(), static_cast<int>(expected.size())) << names[m];
        for (std::size_t i = 0; i < expected.size(); ++i) {
            QAction* item = items[static_cast<int>(i)];
            EXPECT_EQ(item->objectName(), expected[i].name);
            if (std::string(expected[i].caption) == "-") {
                EXPECT_TRUE(item->isSeparator()) << expected[i].name;
            } else {
                EXPECT_EQ(item->text(), expected[i].caption);
                EXPECT_FALSE(item->text().contains('&')) << "no access keys";
            }
            EXPECT_EQ(item->shortcut().toString(), expected[i].shortcut) << expected[i].name;
            EXPECT_TRUE(item->isEnabled() && item->isVisible());
            EXPECT_FALSE(item->isCheckable());
            if (!item->shortcut().isEmpty()) ++shortcuts;
        }
    }
    EXPECT_EQ(shortcuts, 4);
}

TEST_F(MainWindowTest, FrameLabelsAndBoxesStandWhereTheyShould) {
    auto* frame = window.findChild<QGroupBox*>("fraInfo");
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->geometry(), QRect(168, 88, 169, 81));
    EXPECT_TRUE(frame->title().isEmpty());
    struct Control {
        const char* name;
        QRect pixels;
        const char* caption;
    };
    const Control controls[] = {
        {"Label1", QRect(8, 16, 25, 17), "Top:"},    {"txtTop", QRect(40, 16, 33, 19), ""},
        {"Label2", QRect(80, 16, 25, 17), "Left:"},  {"txtLeft", QRect(112, 16, 33, 19), ""},
        {"Label3", QRect(8, 48, 41, 17), "Bottom:"}, {"txtBottom", QRect(48, 48, 33, 19), ""},
        {"Label4", QRect(88, 48, 33, 17), "Right:"}, {"txtRight", QRect(128, 48, 33, 19), ""},
    };
    for (const Control& c : controls) {
        QWidget* widget = frame->findChild<QWidget*>(c.name);
        ASSERT_NE(widget, nullptr) << c.name;
        EXPECT_EQ(widget->geometry(), c.pixels) << c.name;
        if (auto* label = qobject_cast<QLabel*>(widget)) EXPECT_EQ(label->text(), c.caption);
        if (auto* edit = qobject_cast<QLineEdit*>(widget)) EXPECT_TRUE(edit->text().isEmpty());
    }
}

TEST_F(MainWindowTest, TabMovesThroughTheBoxesTopLeftBottomRight) {
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.activateWindow();
    QTest::qWaitForWindowActive(&window);
    auto* top = window.findChild<QLineEdit*>("txtTop");
    top->setFocus();
    std::vector<QString> order;
    for (int i = 0; i < 4; ++i) {
        order.push_back(QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(order, (std::vector<QString>{"txtTop", "txtLeft", "txtBottom", "txtRight"}));
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
