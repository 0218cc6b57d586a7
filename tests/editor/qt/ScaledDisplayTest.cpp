// The canvas on a scaled display: one texture pixel on one device pixel, never smoothed, and a
// press picks the device pixel under the pointer. The frame scales with the display and still
// shows whole beside the texture. Run at the scale factor of the test run: also registered at
// QT_SCALE_FACTOR 1.25, 1.5 and 2 (see CMakeLists.txt).
#include <gtest/gtest.h>

#include <QApplication>
#include <QGroupBox>
#include <QMouseEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <cmath>

#include "editor/qt/CanvasWidget.h"
#include "editor/qt/MainWindow.h"
#include "support/ScriptedUserInteraction.h"
#include "support/TestData.h"
#include "support/TgaFiles.h"

namespace vantrel::test {
namespace {

constexpr int kWidth = 256;
constexpr int kHeight = 128;

class ScaledCanvas : public ::testing::Test {
protected:
    void SetUp() override {
        window.setAvailableArea(QRect(0, 0, 4000, 3000));
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        const auto path = temp / "gradient.tga";
        WriteBytes(path, GradientTga24(kWidth, kHeight));
        ui.openAnswers.push_back(path.string());
        window.mnuFileOpen_Click();
        ASSERT_TRUE(ui.messages().empty());
        QCoreApplication::processEvents();
        scale = window.canvasWidget()->devicePixelRatioF();
    }

    void Press(QPointF logical) {
        QWidget* canvas = window.canvasWidget();
        QMouseEvent press(QEvent::MouseButtonPress, logical, canvas->mapToGlobal(logical), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(canvas, &press);
    }

    TempDir temp;
    ScriptedUserInteraction ui;
    MainWindow window{&ui};
    qreal scale = 1;
};

TEST_F(ScaledCanvas, TheTextureIsDrawnOneTexturePixelToOneDevicePixel) {
    const QSize logical(static_cast<int>(std::ceil(kWidth / scale)), static_cast<int>(std::ceil(kHeight / scale)));
    const QImage shown = window.canvasWidget()->grab(QRect(QPoint(0, 0), logical)).toImage();
    ASSERT_GE(shown.width(), kWidth);
    ASSERT_GE(shown.height(), kHeight);
    int wrong = 0;
    QString first;
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            if (shown.pixel(x, y) != qRgb(x, y, 200) && wrong++ == 0)
                first = QStringLiteral("(%1, %2) is %3").arg(x).arg(y).arg(shown.pixel(x, y), 8, 16);
    EXPECT_EQ(wrong, 0) << "at scale " << scale << ", first " << first.toStdString();
}

TEST_F(ScaledCanvas, APressPicksTheDevicePixelUnderThePointer) {
    // A device pixel's top-left edge, then the middle of the last pixel.
    Press(QPointF(3 / scale, 5 / scale));
    Press(QPointF((kWidth - 0.5) / scale, (kHeight - 0.5) / scale));
    EXPECT_EQ(window.boxText(EditorView::Box::Left), "3");
    EXPECT_EQ(window.boxText(EditorView::Box::Top), "5");
    EXPECT_EQ(window.boxText(EditorView::Box::Right), std::to_string(kWidth - 1));
    EXPECT_EQ(window.boxText(EditorView::Box::Bottom), std::to_string(kHeight - 1));
}

TEST_F(ScaledCanvas, TheScaledFrameShowsWholeBesideTheTexture) {
    const QRect frame = window.findChild<QGroupBox*>("fraInfo")->geometry();
    const QSize view = window.scrollArea()->viewport()->size();
    EXPECT_FALSE(window.scrollArea()->horizontalScrollBar()->isVisible());
    EXPECT_FALSE(window.scrollArea()->verticalScrollBar()->isVisible());
    // Beside the texture: 8 device pixels to its right.
    EXPECT_EQ(frame.x(), static_cast<int>(std::lround((kWidth + 8) / scale)));
    EXPECT_LE(frame.x() + frame.width(), view.width());
    EXPECT_LE(frame.y() + frame.height(), view.height());
    // Grown just enough: here the scaled frame is wider than the room the editor left for it.
    if (scale > 1) {
        EXPECT_LE(view.width() - (frame.x() + frame.width()), 1);
    }
}

// At 400 % each texture pixel is a 4 x 4 square of device pixels, unsmoothed, and a press anywhere
// in a square picks its texture pixel.
TEST_F(ScaledCanvas, AtFourHundredPerCentATexturePixelIsAFourByFourSquareThatPressesPick) {
    window.editor().ZoomBy(3);
    ASSERT_EQ(window.editor().zoomPercent(), 400);
    constexpr int kShownWidth = 4 * 40;
    constexpr int kShownHeight = 4 * 24;
    const QSize logical(static_cast<int>(std::ceil(kShownWidth / scale)), static_cast<int>(std::ceil(kShownHeight / scale)));
    const QImage shown = window.canvasWidget()->grab(QRect(QPoint(0, 0), logical)).toImage();
    ASSERT_GE(shown.width(), kShownWidth);
    ASSERT_GE(shown.height(), kShownHeight);
    int wrong = 0;
    QString first;
    for (int y = 0; y < kShownHeight; ++y)
        for (int x = 0; x < kShownWidth; ++x)
            if (shown.pixel(x, y) != qRgb(x / 4, y / 4, 200) && wrong++ == 0)
                first = QStringLiteral("(%1, %2) is %3").arg(x).arg(y).arg(shown.pixel(x, y), 8, 16);
    EXPECT_EQ(wrong, 0) << "at scale " << scale << ", first " << first.toStdString();

    // A square's first device pixel, then the last one of another.
    Press(QPointF(4 * 7 / scale, 4 * 9 / scale));
    Press(QPointF((4 * 30 + 3.5) / scale, (4 * 20 + 3.5) / scale));
    EXPECT_EQ(window.boxText(EditorView::Box::Left), "7");
    EXPECT_EQ(window.boxText(EditorView::Box::Top), "9");
    EXPECT_EQ(window.boxText(EditorView::Box::Right), "30");
    EXPECT_EQ(window.boxText(EditorView::Box::Bottom), "20");
}

// Under a window manager the window can come out a logical pixel short of the size asked for:
// the size goes to the screen in device pixels and comes back rounded.
TEST_F(ScaledCanvas, AWindowRoundedALogicalPixelShortShowsNoScrollBars) {
    if (scale == std::floor(scale)) GTEST_SKIP() << "only a fractional scale rounds";
    window.resize(window.width() - 1, window.height() - 1);
    QCoreApplication::processEvents();
    EXPECT_FALSE(window.scrollArea()->horizontalScrollBar()->isVisible());
    EXPECT_FALSE(window.scrollArea()->verticalScrollBar()->isVisible());
}

// Positions come as logical pixels, the device position divided by the ratio; multiplied back they
// may fall a hair short of the device pixel's edge.
TEST(CanvasPixels, EveryDevicePixelIsFoundFromItsLogicalEdgeAndMiddle) {
    for (const qreal ratio : {1.0, 1.1, 1.25, 1.5, 1.75, 2.0, 3.0}) {
        int wrong = 0;
        for (int d = 0; d < 2240; ++d) {
            const qreal edge = d / ratio;
            const qreal middle = (d + 0.5) / ratio;
            for (const QPointF at : {QPointF(edge, middle), QPointF(middle, edge)})
                if (CanvasWidget::DevicePixelAt(at, ratio) != QPoint(d, d)) ++wrong;
        }
        EXPECT_EQ(wrong, 0) << "at ratio " << ratio;
    }
}

}  // namespace
}  // namespace vantrel::test
