// What the window shows, read back from the screen: after a command changes the canvas, the next
// repaint shows the canvas as it now is. Runs offscreen (the platform's grab reads the backing
// store) and on an X11 display (the grab reads the server's pixels).
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

#include "editor/Overlay.h"
#include "editor/qt/CanvasWidget.h"
#include "editor/qt/MainWindow.h"
#include "support/ScriptedUserInteraction.h"
#include "support/TestData.h"
#include "support/TgaFiles.h"

namespace vantrel::test {
namespace {

// A run-length 24-bit texture whose every pixel is a run of one, pixel (x, y) (top-left origin)
// coloured red = 255 - x, green = 4 * y, blue = 7. Rows are stored bottom row first.
std::vector<std::uint8_t> RunLengthTga24(int width, int height) {
    std::vector<std::uint8_t> data;
    for (int y = height - 1; y >= 0; --y)
        for (int x = 0; x < width; ++x) {
            data.push_back(0x80);  // a run of one pixel
            data.push_back(7);
            data.push_back(static_cast<std::uint8_t>(4 * y));
            data.push_back(static_cast<std::uint8_t>(255 - x));
        }
    return TgaBytes(10, 24, width, height, data);
}

std::vector<std::uint8_t> SolidTga24(int width, int height, std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    std::vector<std::uint8_t> data;
    for (int i = 0; i < width * height; ++i) {
        data.push_back(b);
        data.push_back(g);
        data.push_back(r);
    }
    return TgaBytes(2, 24, width, height, data);
}

class CanvasRepaint : public ::testing::Test {
protected:
    ScriptedUserInteraction ui;
    MainWindow window{&ui};
    TempDir temp;

    void SetUp() override {
        window.move(40, 40);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    // The canvas as the screen shows it, after letting pending repaints run (no forced repaint).
    QImage shown() {
        for (int i = 0; i < 10; ++i) QTest::qWait(30);
        QWidget* canvas = window.canvasWidget();
        const QPoint origin = canvas->mapTo(canvas->window(), QPoint(0, 0));
        const QPixmap grab = window.screen()->grabWindow(window.winId(), origin.x(), origin.y(), canvas->width(),
                                                         canvas->height());
        return grab.toImage().convertToFormat(QImage::Format_RGB32);
    }

    // Every texture pixel on screen equals the canvas's persistent pixel.
    void expectScreenShowsCanvas(const QImage& screen, int width, int height) {
        ASSERT_GE(screen.width(), width);
        ASSERT_GE(screen.height(), height);
        int wrong = 0;
        QString first;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                const QRgb expected = window.canvas().bits()[static_cast<std::size_t>(y) * window.canvas().width() + x];
                const QRgb seen = screen.pixel(x, y);
                if ((seen & 0xFFFFFF) != (expected & 0xFFFFFF)) {
                    if (wrong++ == 0)
                        first = QStringLiteral("(%1, %2) shows %3, the canvas holds %4")
                                    .arg(x)
                                    .arg(y)
                                    .arg(seen & 0xFFFFFF, 6, 16, QLatin1Char('0'))
                                    .arg(expected & 0xFFFFFF, 6, 16, QLatin1Char('0'));
                }
            }
        EXPECT_EQ(wrong, 0) << first.toStdString();
    }
};

TEST_F(CanvasRepaint, AWashAfterACancelledOpenShows) {
    ui.colorAnswers.push_back(64u | (128u << 8) | (10u << 16));
    window.mnuEditBackground_Click();
    const auto texture = temp / "red.tga";
    WriteBytes(texture, SolidTga24(100, 50, 255, 0, 0));
    ui.openAnswers.push_back(texture.string());
    window.mnuFileOpen_Click();
    ASSERT_TRUE(ui.messages().empty());
    const QImage loaded = shown();
    ASSERT_FALSE(loaded.isNull());
    EXPECT_EQ(loaded.pixel(0, 0) & 0xFFFFFF, 0xFF0000u);

    ui.openAnswers.push_back(std::nullopt);  // Open, then Cancel: the texture's area is washed
    window.mnuFileOpen_Click();
    const std::uint32_t washed = window.canvas().bits()[0] & 0xFFFFFF;
    ASSERT_NE(washed, 0xFF0000u) << "the canvas itself was not washed";
    const QImage after = shown();
    EXPECT_EQ(after.pixel(0, 0) & 0xFFFFFF, washed);
    expectScreenShowsCanvas(after, 100, 50);
}

TEST_F(CanvasRepaint, ARunLengthTexturesLastRowsShow) {
    // A texture of the same size first, so that the window keeps its size (a resize would repaint).
    const auto first = temp / "red.tga";
    WriteBytes(first, SolidTga24(100, 50, 255, 0, 0));
    ui.openAnswers.push_back(first.string());
    window.mnuFileOpen_Click();
    ASSERT_FALSE(shown().isNull());
    // 50 rows: one progress report after 32 rows, the remaining 18 (top rows, row 0 last) after it.
    const auto texture = temp / "rle.tga";
    WriteBytes(texture, RunLengthTga24(100, 50));
    ui.openAnswers.push_back(texture.string());
    window.mnuFileOpen_Click();
    ASSERT_TRUE(ui.messages().empty());
    const QImage screen = shown();
    ASSERT_FALSE(screen.isNull());
    EXPECT_EQ(screen.pixel(0, 0) & 0xFFFFFF, 0xFF0007u);
    EXPECT_EQ(screen.pixel(99, 49) & 0xFFFFFF, (156u << 16) | (196u << 8) | 7u);
    expectScreenShowsCanvas(screen, 100, 50);
}

// Show Entries over a zoomed canvas, read back from the screen: at 400 % an entry picked 2, 10 to
// 7, 15 is outlined round the 5 x 5 pixels the game cuts (device pixels 8 to 27 and 40 to 59): a
// black halo, the line, a black halo, one device pixel each, outside them, and its name on a box
// above. With Show Entries off at 100 % the screen is the canvas, pixel for pixel.
TEST_F(CanvasRepaint, AnEntrysOutlineIsDrawnAtItsDevicePixelsAndNothingWhenShowEntriesIsOff) {
    constexpr QRgb kGrey = 0x808080;
    const auto texture = temp / "icons.tga";
    WriteBytes(texture, SolidTga24(40, 60, 0x80, 0x80, 0x80));
    ui.openAnswers.push_back(texture.string());
    window.mnuFileOpen_Click();
    std::string ini;
    for (const auto& line : MappingDocument::HeaderLines()) ini += line + "\r\n";
    ini += "MappedImage Box\r\nTexture = ICONS.TGA\r\nTextureWidth = 40\r\nTextureHeight = 60\r\n"
           "Coords = Left:2 Top:10 Right:7 Bottom:15\r\nStatus = NONE\r\nEnd\r\n";
    const auto mapping = temp / "icons.ini";
    WriteBytes(mapping, std::vector<std::uint8_t>(ini.begin(), ini.end()));
    ui.openAnswers.push_back(mapping.string());
    window.run(ui::Command::FileOpenMapping);
    ASSERT_TRUE(ui.messages().empty());
    ASSERT_TRUE(window.editor().showEntries());

    window.run(ui::Command::ViewShowEntries);
    window.editor().MouseDown(1, 0, 20 * 15, 5 * 15);  // a first corner: no marker with Show Entries off
    expectScreenShowsCanvas(shown(), 40, 60);
    window.editor().ClearCorners();

    window.run(ui::Command::ViewShowEntries);
    window.editor().ZoomBy(3);
    ASSERT_EQ(window.editor().zoomPercent(), 400);
    window.scrollArea()->horizontalScrollBar()->setValue(0);  // the zoom kept the view's centre
    window.scrollArea()->verticalScrollBar()->setValue(0);
    const QImage screen = shown();
    ASSERT_GE(screen.height(), 64);
    const auto at = [&](int x, int y) { return screen.pixel(x, y) & 0xFFFFFF; };
    const QRgb line = 0x00E5FF;
    int wrong = 0;
    QString first;
    const auto expect = [&](int x, int y, QRgb colour) {
        if (at(x, y) != colour && wrong++ == 0)
            first = QStringLiteral("(%1, %2) is %3, not %4").arg(x).arg(y).arg(at(x, y), 6, 16).arg(colour, 6, 16);
    };
    for (int y = 40; y < 60; ++y) {
        for (const auto& [x, colour] : {std::pair{4, kGrey}, {5, 0u}, {6, line}, {7, 0u}, {8, kGrey}, {27, kGrey},
                                        {28, 0u}, {29, line}, {30, 0u}, {31, kGrey}})
            expect(x, y, colour);
    }
    for (int x = 8; x < 28; ++x) {
        for (const auto& [y, colour] :
             {std::pair{37, 0u}, {38, line}, {39, 0u}, {40, kGrey}, {59, kGrey}, {60, 0u}, {61, line}, {62, 0u}, {63, kGrey}})
            expect(x, y, colour);
    }
    EXPECT_EQ(wrong, 0) << first.toStdString();
    // The name's box stands on the outline's top-left corner.
    EXPECT_EQ(at(5, 36), ColoursFor(OverlayStyle::Entry).labelBack);
    EXPECT_EQ(window.canvas().bits()[12 * window.canvas().width() + 4] & 0xFFFFFF, kGrey) << "the canvas is untouched";
}

}  // namespace
}  // namespace vantrel::test
