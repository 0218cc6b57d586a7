// What the window shows, read back from the screen: after a command changes the canvas, the next
// repaint shows the canvas as it now is. Runs offscreen (the platform's grab reads the backing
// store) and on an X11 display (the grab reads the server's pixels).
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QTest>

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

}  // namespace
}  // namespace vantrel::test
