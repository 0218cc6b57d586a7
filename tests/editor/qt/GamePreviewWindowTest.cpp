// The Game Preview window through the real main window: a texture opened, the boxes set, Ctrl+G,
// and the window's pictures read back pixel for pixel against the game's view of the texture.
#include "editor/qt/GamePreviewWindow.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include "editor/qt/MainWindow.h"
#include "support/ScriptedUserInteraction.h"
#include "support/TestData.h"
#include "support/TgaFiles.h"

namespace vantrel::test {
namespace {

// A colour-mapped texture stored bottom row first, 32 x 24: the game turns it upright and reads
// each colour-map entry with red and blue swapped. The editor's canvas shows neither.
constexpr int kWidth = 32;
constexpr int kHeight = 24;
const std::vector<std::uint32_t> kTable{0x0000FF, 0x00FF00, 0xFF0000, 0x204080, 0xFFFFFF};
int IndexAt(int x, int y) { return (x / 3 + y * 2) % 5; }
// The game's pixel, 0xAARRGGBB: the table's colour value (red in the low byte) with red and blue swapped.
std::uint32_t GamePixel(int x, int y) { return 0xFF000000u | (kTable[IndexAt(x, y)] & 0xFFFFFFu); }

TEST(GamePreviewWindow, CtrlGShowsTheGamesPixelsAtOneAndTwoTimesAndFollowsTheBoxes) {
    TempDir temp;
    const auto path = temp / "Cameos.tga";
    WriteBytes(path, EncodeTarga({.width = kWidth, .height = kHeight,
                                  .pixel = [](int x, int y) { return static_cast<std::uint32_t>(IndexAt(x, y)); },
                                  .bitsPerPixel = 8, .colorTable = kTable}));
    ScriptedUserInteraction ui;
    MainWindow window(&ui);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    ui.openAnswers.push_back(path.string());
    QTest::keyClick(&window, Qt::Key_O, Qt::ControlModifier);
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    window.setBoxText(EditorView::Box::Left, "4");
    window.setBoxText(EditorView::Box::Top, "3");
    window.setBoxText(EditorView::Box::Right, "21");
    window.setBoxText(EditorView::Box::Bottom, "13");

    ASSERT_EQ(window.gamePreview(), nullptr);
    QTest::keyClick(&window, Qt::Key_G, Qt::ControlModifier);
    GamePreviewWindow* preview = window.gamePreview();
    ASSERT_NE(preview, nullptr) << "Ctrl+G opens Game Preview";
    ASSERT_TRUE(QTest::qWaitForWindowExposed(preview));
    EXPECT_EQ(preview->windowTitle(), "Game Preview");
    EXPECT_EQ(preview->sizeLabel()->text(), QString::fromUtf8("17 \xC3\x97 10 pixels"));
    EXPECT_EQ(preview->noteLabel()->text(),
              QString::fromUtf8("The game draws 17 \xC3\x97 10: it leaves out the Right column and the Bottom row"));

    // What the window shows, in device pixels: one picture pixel to one, then to a 2 x 2 square.
    auto expectPictures = [&](int left, int top, int width, int height) {
        const QImage actual = preview->actualPicture()->grab().toImage();
        const QImage doubled = preview->doublePicture()->grab().toImage();
        ASSERT_GE(actual.width(), width);
        ASSERT_GE(doubled.width(), 2 * width);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                const std::uint32_t game = GamePixel(left + x, top + y);
                ASSERT_EQ(actual.pixel(x, y), game) << "1x at " << x << ", " << y;
                for (int d = 0; d < 4; ++d)
                    ASSERT_EQ(doubled.pixel(2 * x + d % 2, 2 * y + d / 2), game) << "2x at " << x << ", " << y;
            }
        // Nothing of the game's cut beyond its size: the column after it is the window's own.
        EXPECT_NE(actual.pixel(width, 0), GamePixel(left + width, top));
    };
    expectPictures(4, 3, 17, 10);

    // Typing into a box updates the window while it stays open.
    window.setBoxText(EditorView::Box::Right, "32");
    EXPECT_EQ(preview->sizeLabel()->text(), QString::fromUtf8("28 \xC3\x97 10 pixels"));
    EXPECT_EQ(preview->noteLabel()->text(),
              QString::fromUtf8("The game draws 28 \xC3\x97 10: it leaves out the Bottom row"));
    expectPictures(4, 3, 28, 10);

    // Opening a texture updates it too: here one the game cannot open.
    ui.openAnswers.push_back((temp / "Missing.tga").string());
    window.run(ui::Command::FileOpen);
    EXPECT_EQ(preview->shown().shows, GameShows::MissingTexture);
    EXPECT_TRUE(preview->noteLabel()->text().contains("missing-texture placeholder")) << preview->noteLabel()->text().toStdString();
}

}  // namespace
}  // namespace vantrel::test
