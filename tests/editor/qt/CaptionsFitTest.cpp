// The editor's windows against their description, and their captions measured in the fonts the
// windows really use. Also run at display scale factors 1.25, 1.5 and 2 (see CMakeLists.txt).
#include <gtest/gtest.h>

#include <QAction>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include "editor/qt/DescribedWindowCheck.h"
#include "editor/qt/MainWindow.h"
#include "editor/qt/frmDelete.h"
#include "support/ScriptedUserInteraction.h"

namespace vantrel::test {
namespace {

class CaptionsFit : public ::testing::Test {
protected:
    void SetUp() override {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    ScriptedUserInteraction ui;
    MainWindow window{&ui};
};

TEST_F(CaptionsFit, MainWindowIsBuiltFromItsDescriptionAndItsCaptionsFit) {
    const ui::WindowDescription& description = ui::MainWindowDescription();
    EXPECT_EQ(window.windowTitle(), QString::fromUtf8(description.caption));
    EXPECT_EQ(window.centralWidget()->size(), ToQRect(description.client).size());
    ExpectBuiltFrom(&window, description);
    ExpectCaptionsFit(&window);
    for (const char* name : {"txtTop", "txtLeft", "txtBottom", "txtRight"})
        EXPECT_TRUE(window.findChild<QLineEdit*>(name)->text().isEmpty()) << name;
}

TEST_F(CaptionsFit, DeleteDialogIsBuiltFromItsDescriptionAndItsCaptionsFit) {
    window.mnuEditDelete_Click();
    frmDelete* dialog = window.deleteDialog();
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog));
    const ui::WindowDescription& description = ui::DeleteDialogDescription();
    EXPECT_EQ(dialog->windowTitle(), QString::fromUtf8(description.caption));
    EXPECT_EQ(dialog->size(), ToQRect(description.client).size());
    ExpectBuiltFrom(dialog, description);
    ExpectCaptionsFit(dialog);
    dialog->close();
}

// The labels of the frame overlap their boxes by design ("Bottom:" reaches a pixel into its box),
// so the caption itself must end clear of the box.
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
    }
}

TEST_F(CaptionsFit, FrameAndMenusShareOneFace) {
    const QFontInfo frameFace(window.findChild<QWidget*>("fraInfo")->font());
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
}

}  // namespace
}  // namespace vantrel::test
