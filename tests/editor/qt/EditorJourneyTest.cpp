// A texture mapped and saved through the real main window, a mapping reopened and corrected on the
// zoomed canvas, and the real delete dialog.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

#include "editor/qt/CanvasWidget.h"
#include "editor/qt/DescribedWindow.h"
#include "editor/qt/MainWindow.h"
#include "ui/WindowDescriptions.h"
#include "support/ScriptedUserInteraction.h"
#include "support/TestData.h"
#include "support/TgaFiles.h"

namespace vantrel::test {
namespace {

// An exact pixel: QTest::mouseClick at QPoint(0, 0) would mean the widget's centre.
void PressAt(QWidget* widget, QPoint pixel, Qt::MouseButton button = Qt::LeftButton) {
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(pixel), widget->mapToGlobal(QPointF(pixel)), button, button,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(pixel), widget->mapToGlobal(QPointF(pixel)), button,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &release);
}

class EditorJourney : public ::testing::Test {
protected:
    ScriptedUserInteraction ui;
    MainWindow window{&ui};
    TempDir temp;

    void SetUp() override {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    // Scrolls the texture pixel into view, left of the frame, and presses in the middle of its
    // square at the view's point, on whatever widget is there.
    void pressTexel(QPoint texel, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
                    Qt::MouseButton button = Qt::LeftButton) {
        const int z = window.editor().zoomPercent() / 100;
        QScrollArea* area = window.scrollArea();
        area->horizontalScrollBar()->setValue(texel.x() * z - 20);
        area->verticalScrollBar()->setValue(texel.y() * z - 10);
        QCoreApplication::processEvents();
        const QPoint inView(texel.x() * z + z / 2 - area->horizontalScrollBar()->value(),
                            texel.y() * z + z / 2 - area->verticalScrollBar()->value());
        const QPoint inWindow = area->viewport()->mapTo(&window, inView);
        QWidget* target = window.childAt(inWindow);
        ASSERT_EQ(target, window.canvasWidget()) << "the texture pixel is not on view";
        const QPointF local = QPointF(target->mapFrom(&window, inWindow));
        QMouseEvent press(QEvent::MouseButtonPress, local, target->mapToGlobal(local), button, button, modifiers);
        QApplication::sendEvent(target, &press);
    }
    std::string boxes() const {
        return window.boxText(EditorView::Box::Left) + " " + window.boxText(EditorView::Box::Top) + " " +
               window.boxText(EditorView::Box::Right) + " " + window.boxText(EditorView::Box::Bottom);
    }
    void addEntry(const std::string& name, QPoint first, QPoint second) {
        PressAt(window.canvasWidget(), first);
        PressAt(window.canvasWidget(), second, Qt::RightButton);
        ui.inputAnswers.push_back(name);
        window.mnuEditComplete_Click();
    }
};

TEST_F(EditorJourney, MapsASharedTextureAndSavesTheExpectedBytes) {
    SKIP_UNLESS_SHARED_TESTDATA();
    const auto texture = SharedTestDataDir() / "tga" / "200x32_rgb_bl_rle.tga";
    ui.openAnswers.push_back(texture.string());
    window.mnuFileOpen_Click();
    ASSERT_TRUE(ui.messages().empty()) << ui.messages()[0].text;
    EXPECT_EQ(window.editor().intTextureWidth(), 200);
    // The frame now stands right of the texture, centred on it.
    // Left 200 * 15 + 120 twips = 208 px; top 240 - 607.5 = -367.5 twips, -24.5 px, drawn at -25.
    EXPECT_EQ(window.findChild<QWidget*>("fraInfo")->pos(), QPoint(208, -25));
    EXPECT_DOUBLE_EQ(window.frameTopTwips(), 32 * 15 / 2.0 - 1215 / 2.0);

    addEntry("Tank1", QPoint(10, 3), QPoint(73, 30));
    // A press on the frame does not reach the canvas.
    QWidget* frame = window.findChild<QWidget*>("fraInfo");
    PressAt(frame, QPoint(2, 2));
    EXPECT_FALSE(window.editor().blnLeftTopPicked());

    const auto path = temp / "Tank.ini";
    ui.saveAnswers.push_back(path.string());
    window.mnuFileSave_Click();

    std::string expected;
    for (const auto& line : MappingDocument::HeaderLines()) expected += line + "\r\n";
    expected +=
        "MappedImage Tank1\r\nTexture = 200x32_rgb_bl_rle.tga\r\nTextureWidth = 200\r\nTextureHeight = 32\r\n"
        "Coords = Left:10 Top:3 Right:73 Bottom:30\r\nStatus = NONE\r\nEnd\r\n \r\n";
    EXPECT_EQ(ReadFileText(path), expected);
    EXPECT_TRUE(ui.messages().empty());
}

// Reopening yesterday's mapping and working on it with the keyboard's shortcuts on a coordinate
// box and presses on the zoomed canvas: Open Mapping, Show Entries on, 400 %, two corners picked,
// Complete, Undo, Redo, Ctrl+press selecting the old entry, Rename (F2), Update (Ctrl+U) and Save
// (Ctrl+S, to the opened file). The file's own lines keep their bytes; only the changed lines and
// the new block differ.
TEST_F(EditorJourney, ReopensAMappingZoomsPicksUndoesRenamesUpdatesAndSavesTheExpectedBytes) {
    const auto texture = temp / "journey.tga";
    WriteBytes(texture, GradientTga24(64, 32));
    const auto mapping = temp / "journey.ini";
    const std::string file =
        "; cameos, mapped by hand\nMappedImage Old\nTexture = JOURNEY.tga\nTextureWidth = 64\nTextureHeight = 32\n"
        "Coords = Left:1 Top:2 Right:9 Bottom:12\nStatus = NONE\nEnd";
    WriteBytes(mapping, std::vector<std::uint8_t>(file.begin(), file.end()));

    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    auto* box = window.findChild<QLineEdit*>("txtTop");
    box->setFocus();
    const auto keys = [&](Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    };
    ui.openAnswers.push_back(texture.string());
    keys(Qt::Key_O);
    ui.openAnswers.push_back(mapping.string());
    keys(Qt::Key_O, Qt::ControlModifier | Qt::ShiftModifier);
    ASSERT_TRUE(ui.messages().empty()) << ui.messages()[0].text;
    EXPECT_EQ(ui.requests.back().file.title, "Open Mapping");
    ASSERT_EQ(window.colNames(), (std::vector<std::string>{"MappedImage Old"}));
    EXPECT_TRUE(window.editor().showEntries());
    EXPECT_TRUE(window.findChild<QAction*>("mnuViewShowEntries")->isChecked());

    for (int step = 0; step < 3; ++step) keys(Qt::Key_Equal);
    ASSERT_EQ(window.editor().zoomPercent(), 400);
    pressTexel(QPoint(20, 4));
    pressTexel(QPoint(30, 13), Qt::NoModifier, Qt::RightButton);
    EXPECT_EQ(boxes(), "20 4 30 13");

    ui.inputAnswers.push_back("New");
    keys(Qt::Key_E);
    EXPECT_EQ(window.colNames().size(), 2u);
    keys(Qt::Key_Z);
    EXPECT_EQ(window.colNames().size(), 1u);
    keys(Qt::Key_Y);
    EXPECT_EQ(window.colNames().size(), 2u);

    pressTexel(QPoint(5, 6), Qt::ControlModifier);  // inside Old's outline
    EXPECT_EQ(window.editor().selectedEntry(), 1);
    EXPECT_EQ(boxes(), "1 2 9 12");
    ui.inputAnswers.push_back("Renamed");
    keys(Qt::Key_F2, Qt::NoModifier);
    EXPECT_EQ(window.colNames()[0], "MappedImage Renamed");
    auto* right = window.findChild<QLineEdit*>("txtRight");
    right->setFocus();
    right->selectAll();
    QTest::keyClicks(right, "10");
    keys(Qt::Key_U);
    keys(Qt::Key_S);
    EXPECT_TRUE(ui.messages().empty()) << ui.messages()[0].text;
    EXPECT_EQ(ui.requests.back().kind, RecordedRequest::Kind::InputBox) << "Save asked for no file name";

    const std::string expected =
        "; cameos, mapped by hand\nMappedImage Renamed\nTexture = JOURNEY.tga\nTextureWidth = 64\nTextureHeight = 32\n"
        "Coords = Left:1 Top:2 Right:10 Bottom:12\nStatus = NONE\nEnd\r\n"
        "MappedImage New\r\nTexture = journey.tga\r\nTextureWidth = 64\r\nTextureHeight = 32\r\n"
        "Coords = Left:20 Top:4 Right:30 Bottom:13\r\nStatus = NONE\r\nEnd\r\n \r\n";
    EXPECT_EQ(ReadFileText(mapping), expected);
    EXPECT_TRUE(window.editor().blnSaved());
}

// View, Entry List: showing it selects nothing; a click on a row selects that entry; the list
// follows new entries and selections made on the canvas.
TEST_F(EditorJourney, TheEntryListFollowsTheDocumentAndSelectsTheRowClicked) {
    const auto texture = temp / "list.tga";
    WriteBytes(texture, GradientTga24(64, 32));
    const auto mapping = temp / "list.ini";
    std::string file;
    for (const char* name : {"One", "Two"})
        file += std::string("MappedImage ") + name +
                "\r\nTexture = list.tga\r\nCoords = Left:" + (name[0] == 'O' ? "0" : "20") +
                " Top:0 Right:10 Bottom:10\r\nEnd\r\n";
    WriteBytes(mapping, std::vector<std::uint8_t>(file.begin(), file.end()));
    ui.openAnswers = {texture.string(), mapping.string()};
    window.mnuFileOpen_Click();
    window.run(ui::Command::FileOpenMapping);
    ASSERT_TRUE(ui.messages().empty()) << ui.messages()[0].text;

    window.run(ui::Command::ViewEntryList);
    EntryListWindow* list = window.entryList();
    ASSERT_NE(list, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(list));
    EXPECT_EQ(list->windowTitle(), "Entries");
    EXPECT_EQ(list->size(), ToQRect(ui::EntryListDescription().client).size());
    EXPECT_EQ(window.editor().selectedEntry(), 0) << "showing the list selected an entry";
    ASSERT_EQ(list->list()->count(), 2);
    EXPECT_EQ(list->list()->item(1)->text(), "MappedImage Two");

    QWidget* rows = list->list()->viewport();
    QTest::mouseClick(rows, Qt::LeftButton, {}, list->list()->visualItemRect(list->list()->item(1)).center());
    EXPECT_EQ(window.editor().selectedEntry(), 2);
    EXPECT_EQ(boxes(), "20 0 10 10");

    window.editor().ClearCorners();
    EXPECT_TRUE(list->list()->selectedItems().isEmpty());
    addEntry("Three", QPoint(30, 20), QPoint(40, 30));
    ASSERT_EQ(list->list()->count(), 3);
    EXPECT_EQ(list->list()->item(2)->text(), "MappedImage Three");
    window.editor().SelectEntryAt(5, 5);
    ASSERT_EQ(list->list()->selectedItems().size(), 1);
    EXPECT_EQ(list->list()->row(list->list()->selectedItems()[0]), 0);
    list->close();
}

TEST_F(EditorJourney, TheDeleteDialogListsLoadsOnceAndDeletesOnClose) {
    const auto path = temp / "t.tga";
    std::vector<std::uint8_t> tga = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 16, 0, 16, 0, 24, 0};
    tga.resize(18 + 16 * 16 * 3, 90);
    std::FILE* file = std::fopen(path.c_str(), "wb");
    std::fwrite(tga.data(), 1, tga.size(), file);
    std::fclose(file);
    ui.openAnswers.push_back(path.string());
    window.mnuFileOpen_Click();
    for (const char* name : {"A", "B", "C"}) addEntry(name, QPoint(1, 1), QPoint(2, 2));
    ASSERT_EQ(window.colNames().size(), 3u);

    window.mnuEditDelete_Click();
    frmDelete* dialog = window.deleteDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowTitle(), "Delete Entry");
    EXPECT_EQ(dialog->size(), QSize(232, 54));
    EXPECT_FALSE(dialog->list()->isEditable());
    EXPECT_EQ(dialog->list()->currentIndex(), -1);
    EXPECT_EQ(dialog->parentWidget(), nullptr);
    EXPECT_TRUE(dialog->windowFlags() & Qt::Tool);
    EXPECT_EQ(dialog->deleteButton()->text(), "Delete Selected");

    addEntry("D", QPoint(1, 1), QPoint(2, 2));
    window.mnuEditDelete_Click();  // opening again only brings it forward
    EXPECT_EQ(window.deleteDialog(), dialog);
    ASSERT_EQ(dialog->list()->count(), 3);
    EXPECT_EQ(dialog->list()->itemText(1), "MappedImage B");

    dialog->list()->setCurrentIndex(1);
    QTest::mouseClick(dialog->deleteButton(), Qt::LeftButton);
    QTest::qWait(0);
    EXPECT_EQ(window.colNames(), (std::vector<std::string>{"MappedImage A", "MappedImage C", "MappedImage D"}));
    EXPECT_TRUE(window.deleteDialog() == nullptr || !window.deleteDialog()->isVisible());

    // Reopened, the list is loaded anew; selecting and closing with the close control deletes nothing.
    QApplication::processEvents();
    window.mnuEditDelete_Click();
    ASSERT_NE(window.deleteDialog(), nullptr);
    EXPECT_EQ(window.deleteDialog()->list()->count(), 3);
    window.deleteDialog()->list()->setCurrentIndex(0);
    window.deleteDialog()->close();
    EXPECT_EQ(window.colNames().size(), 3u);
}

}  // namespace
}  // namespace vantrel::test
