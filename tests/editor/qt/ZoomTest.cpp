// The zoomed canvas in the real main window, offscreen: presses pick the texture pixel under the
// pointer at every zoom and scroll position, Ctrl+wheel keeps the point under the pointer, and the
// window keeps its size while the frame stays in view and every texture pixel can be scrolled out
// from under it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QGroupBox>
#include <QMouseEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

#include "editor/Zoom.h"
#include "editor/qt/CanvasWidget.h"
#include "editor/qt/MainWindow.h"
#include "support/ScriptedUserInteraction.h"
#include "support/TestData.h"
#include "support/TgaFiles.h"

namespace vantrel::test {
namespace {

constexpr int kWidth = 300;
constexpr int kHeight = 200;

class ZoomTest : public ::testing::Test {
protected:
    void SetUp() override {
        window.setAvailableArea(QRect(0, 0, 1200, 900));
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        load();
    }

    void load() {
        const auto path = temp / "gradient.tga";
        WriteBytes(path, GradientTga24(kWidth, kHeight));
        ui.openAnswers.push_back(path.string());
        window.mnuFileOpen_Click();
        ASSERT_TRUE(ui.messages().empty());
        QCoreApplication::processEvents();
    }

    void zoomTo(int percent) {
        window.editor().ActualSize();
        while (window.editor().zoomPercent() < percent) window.editor().ZoomIn();
        QCoreApplication::processEvents();
    }

    QWidget* view() const { return window.scrollArea()->viewport(); }
    QPoint scroll() const {
        return QPoint(window.scrollArea()->horizontalScrollBar()->value(), window.scrollArea()->verticalScrollBar()->value());
    }
    QRect frameInWindow() const {
        const auto* frame = window.findChild<QGroupBox*>("fraInfo");
        return QRect(frame->mapTo(&window, QPoint(0, 0)), frame->size());
    }

    // Presses at a point of the view the way a user would, on whatever widget is there.
    void pressInView(QPoint at, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        const QPoint inWindow = view()->mapTo(&window, at);
        QWidget* target = window.childAt(inWindow);
        ASSERT_NE(target, nullptr);
        const QPointF local = QPointF(target->mapFrom(&window, inWindow));
        QMouseEvent press(QEvent::MouseButtonPress, local, target->mapToGlobal(local), Qt::LeftButton, Qt::LeftButton,
                          modifiers);
        QApplication::sendEvent(target, &press);
    }

    void wheelInView(QPoint at, int delta, Qt::KeyboardModifiers modifiers) {
        QWidget* canvas = window.canvasWidget();
        const QPointF local = QPointF(canvas->mapFrom(view(), at));
        QWheelEvent wheel(local, canvas->mapToGlobal(local), QPoint(), QPoint(0, delta), Qt::NoButton, modifiers,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(canvas, &wheel);
        QCoreApplication::processEvents();
    }

    std::string box(EditorView::Box which) const { return window.boxText(which); }

    TempDir temp;
    ScriptedUserInteraction ui;
    MainWindow window{&ui};
};

TEST_F(ZoomTest, APressPicksTheTexturePixelUnderThePointerAtEveryZoomAndScroll) {
    for (const int percent : kZoomSteps) {
        zoomTo(percent);
        QScrollBar* across = window.scrollArea()->horizontalScrollBar();
        QScrollBar* down = window.scrollArea()->verticalScrollBar();
        for (const double part : {0.0, 0.37, 1.0}) {
            across->setValue(static_cast<int>(across->maximum() * part));
            down->setValue(static_cast<int>(down->maximum() * part));
            QCoreApplication::processEvents();
            SCOPED_TRACE(std::to_string(percent) + " % scrolled to " + std::to_string(scroll().x()) + ", " +
                         std::to_string(scroll().y()));
            const QPoint first(13, 17);
            // Low in the view, on the texture's last shown rows.
            const QPoint second(41, std::min(view()->height(), kHeight * ZoomFactor(percent) - scroll().y()) - 3);
            pressInView(first);
            pressInView(second);
            EXPECT_EQ(box(EditorView::Box::Left), std::to_string(TexturePixelAt(first.x(), scroll().x(), percent)));
            EXPECT_EQ(box(EditorView::Box::Top), std::to_string(TexturePixelAt(first.y(), scroll().y(), percent)));
            EXPECT_EQ(box(EditorView::Box::Right), std::to_string(TexturePixelAt(second.x(), scroll().x(), percent)));
            EXPECT_EQ(box(EditorView::Box::Bottom), std::to_string(TexturePixelAt(second.y(), scroll().y(), percent)));
            window.editor().ClearCorners();
        }
    }
}

TEST_F(ZoomTest, CtrlWheelZoomsKeepingTheTexturePixelUnderThePointer) {
    const QPoint pointer(101, 57);
    const auto under = [&] {
        const int percent = window.editor().zoomPercent();
        return QPoint(TexturePixelAt(pointer.x(), scroll().x(), percent), TexturePixelAt(pointer.y(), scroll().y(), percent));
    };
    for (const int expected : {200, 300, 400}) {
        wheelInView(pointer, 120, Qt::ControlModifier);
        EXPECT_EQ(window.editor().zoomPercent(), expected);
        EXPECT_EQ(under(), QPoint(101, 57)) << "at " << expected << " %";
    }
    wheelInView(pointer, -240, Qt::ControlModifier);  // two notches at once
    EXPECT_EQ(window.editor().zoomPercent(), 200);
    EXPECT_EQ(under(), QPoint(101, 57));
    wheelInView(pointer, 120, Qt::NoModifier);  // a plain wheel scrolls the view, it does not zoom
    EXPECT_EQ(window.editor().zoomPercent(), 200);
}

TEST_F(ZoomTest, ZoomedTheWindowKeepsItsSizeAndEveryPixelScrollsOutFromUnderTheFrame) {
    const QSize size = window.size();
    const QRect frame = frameInWindow();
    window.run(ui::Command::ViewZoomIn);
    zoomTo(1600);
    EXPECT_EQ(window.size(), size);
    EXPECT_EQ(frameInWindow(), frame) << "the frame stays where it was in the window";

    QScrollBar* across = window.scrollArea()->horizontalScrollBar();
    QScrollBar* down = window.scrollArea()->verticalScrollBar();
    across->setValue(across->maximum());
    down->setValue(down->maximum());
    QCoreApplication::processEvents();
    EXPECT_EQ(frameInWindow(), frame) << "scrolling leaves the frame in place";
    // Scrolled to the end, the texture's last column and row show just left of the frame and at
    // the view's bottom; a press on the frame picks nothing.
    const QPoint frameInView = view()->mapFrom(&window, frame.topLeft());
    pressInView(QPoint(frameInView.x() + 2, frameInView.y() + frame.height() / 2));
    EXPECT_FALSE(window.editor().blnLeftTopPicked());
    pressInView(QPoint(frameInView.x() - 1, view()->height() - 1));
    EXPECT_EQ(box(EditorView::Box::Left), std::to_string(kWidth - 1));
    EXPECT_EQ(box(EditorView::Box::Top), std::to_string(kHeight - 1));

    // Back at 100 %, everything is as before the zoom; a new texture also starts at 100 %.
    window.run(ui::Command::ViewActualSize);
    QCoreApplication::processEvents();
    EXPECT_EQ(frameInWindow(), frame);
    EXPECT_EQ(window.canvasWidget()->size(), view()->size());
    EXPECT_FALSE(across->isVisible());
    zoomTo(800);
    load();
    EXPECT_EQ(window.editor().zoomPercent(), 100);
    EXPECT_EQ(frameInWindow(), frame);
    EXPECT_EQ(window.canvasWidget()->size(), view()->size());
}

}  // namespace
}  // namespace vantrel::test
