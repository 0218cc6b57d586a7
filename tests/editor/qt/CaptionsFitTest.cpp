// Captions measured in the fonts the windows really use: every caption fits its control with the
// style's margins, and the main window uses one face for its frame and its menus.
#include <gtest/gtest.h>

#include <QAction>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QTest>

#include "editor/qt/DialogFont.h"
#include "editor/qt/MainWindow.h"
#include "editor/qt/frmDelete.h"
#include "support/ScriptedUserInteraction.h"

namespace vantrel::test {
namespace {

int CaptionWidth(const QWidget* widget, QString caption) {
    caption.remove(QLatin1Char('&'));
    return widget->fontMetrics().horizontalAdvance(caption);
}

// A push button's caption clears the bevel (the style's frame width) by two pixels at both ends.
void ExpectButtonCaptionFits(const QPushButton* button) {
    const int margin = button->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button) + 2;
    EXPECT_LE(CaptionWidth(button, button->text()) + 2 * margin, button->width())
        << button->objectName().toStdString() << " \"" << button->text().toStdString() << "\" in "
        << button->font().family().toStdString() << " " << button->font().pointSizeF();
}

class CaptionsFit : public ::testing::Test {
protected:
    ScriptedUserInteraction ui;
    MainWindow window{&ui};
};

TEST_F(CaptionsFit, DeleteDialogButtonCaptionFits) {
    window.mnuEditDelete_Click();
    frmDelete* dialog = window.deleteDialog();
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog));
    EXPECT_EQ(dialog->deleteButton()->size(), QSize(89, 25));
    ExpectButtonCaptionFits(dialog->deleteButton());
    // One line of the list in its 21-pixel box.
    EXPECT_LE(dialog->list()->fontMetrics().height(), dialog->list()->height() - 4);
    dialog->close();
}

TEST_F(CaptionsFit, FrameLabelsEndClearOfTheirBoxes) {
    struct Pair {
        const char* label;
        const char* box;
    };
    for (const Pair& pair : {Pair{"Label1", "txtTop"}, Pair{"Label2", "txtLeft"}, Pair{"Label3", "txtBottom"},
                             Pair{"Label4", "txtRight"}}) {
        auto* label = window.findChild<QLabel*>(pair.label);
        auto* box = window.findChild<QLineEdit*>(pair.box);
        ASSERT_TRUE(label && box) << pair.label;
        const int textEnd = label->x() + label->contentsRect().left() + CaptionWidth(label, label->text());
        // At least two pixels of frame between the caption's last column and the box's border.
        EXPECT_LE(textEnd + 2, box->x()) << label->text().toStdString() << " ends at " << textEnd
                                         << ", its box starts at " << box->x();
        EXPECT_LE(label->fontMetrics().height(), label->height()) << pair.label;
    }
}

TEST_F(CaptionsFit, FrameAndMenusShareOneFace) {
    const QFont frame = window.findChild<QWidget*>("fraInfo")->font();
    const QFontInfo frameFace(frame);
    const auto sameFace = [&](const QFont& font, const std::string& what) {
        const QFontInfo face(font);
        EXPECT_EQ(face.family(), frameFace.family()) << what;
        EXPECT_EQ(face.pointSizeF(), frameFace.pointSizeF()) << what;
    };
    sameFace(window.menuBar()->font(), "menu bar");
    for (QAction* menu : window.menuBar()->actions()) {
        ASSERT_NE(menu->menu(), nullptr);
        sameFace(menu->menu()->font(), menu->text().toStdString());
    }
    for (const char* name : {"txtTop", "Label3"}) sameFace(window.findChild<QWidget*>(name)->font(), name);
}

// The twip layout holds for Arial's widths. Font matching must land on Arial or a face with its
// metrics: a fallback to whatever sans-serif face is installed (DejaVu Sans is about 15% wider)
// pushes "Bottom:" into its box and clips "Delete Selected".
TEST_F(CaptionsFit, TheFaceHasArialsMetrics) {
    const QFontInfo face(window.findChild<QWidget*>("fraInfo")->font());
    EXPECT_TRUE(ArialMetricFamilies().contains(face.family()))
        << "the frame's face resolved to " << face.family().toStdString()
        << "; install fonts-liberation2 (Liberation Sans has Arial's metrics)";
}

}  // namespace
}  // namespace vantrel::test
