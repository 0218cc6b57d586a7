// A texture mapped and saved through the real main window, and the real delete dialog.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QTest>

#include "editor/qt/CanvasWidget.h"
#include "editor/qt/MainWindow.h"
#include "support/ScriptedUserInteraction.h"
#include "support/TestData.h"

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
