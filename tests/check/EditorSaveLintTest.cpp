// The editor's own commands, from opening a texture to Save, write a file that lints clean
// against that texture.
#include <gtest/gtest.h>

#include <map>

#include "FindingPrinter.h"
#include "check/Linter.h"
#include "check/InspectGameFile.h"
#include "check/PaintedTexture.h"
#include "editor/MappingEditor.h"
#include "support/ScriptedUserInteraction.h"
#include "support/TestData.h"
#include "TgaWriter.h"

namespace vantrel::check {
namespace {

using vantrel::test::TempDir;

// The main window's boxes as plain values; geometry is not looked at here.
class BoxesOnlyView : public EditorView {
public:
    std::string boxText(Box box) const override { return boxes.at(box); }
    void setBoxText(Box box, const std::string& text) override { boxes[box] = text; }
    void setWindowWidth(int) override {}
    void setWindowHeight(int) override {}
    void setFrameLeft(int) override {}
    void setFrameTop(double) override {}
    int frameHeight() const override { return 1215; }
    void showDeleteDialog() override {}
    void overlayChanged() override {}
    void zoomChanged(int) override {}
    void showEntryList() override {}
    void showGamePreview() override {}

private:
    std::map<Box, std::string> boxes{{Box::Top, ""}, {Box::Left, ""}, {Box::Bottom, ""}, {Box::Right, ""}};
};

constexpr float kTwipsPerPixel = 15.0f;

TEST(EditorSaveLint, AFileSavedByTheEditorLintsCleanAgainstItsTexture) {
    TempDir dir;
    const auto texture = dir / "Cameos.tga";
    test::WriteBytes(texture, test::MakeTarga24(64, 48, test::DistinctColor));
    const auto saved = dir / "Cameos.ini";

    vantrel::test::ScriptedUserInteraction ui;
    ui.openAnswers.push_back(texture.string());
    ui.inputAnswers = {"Tank1", "Whole page"};  // the second is cut at its blank to "Whole "
    ui.saveAnswers.push_back(saved.string());
    BoxesOnlyView view;
    Canvas canvas(0);
    MappingEditor editor(ui, view, canvas);
    editor.Load();
    editor.LoadUserFile();
    auto pick = [&](int x, int y) { editor.MouseDown(1, 0, x * kTwipsPerPixel, y * kTwipsPerPixel); };
    pick(10, 4);
    pick(40, 30);
    editor.CompleteEntry();
    pick(0, 0);
    pick(63, 47);
    editor.CompleteEntry();
    editor.Save();
    ASSERT_TRUE(ui.messages().empty()) << ui.messages().front().text;

    LintOptions options;
    options.textures.emplace(dir.path());
    options.inspectTarga = InspectGameFile;
    Linter linter(std::move(options));
    linter.addFile("Cameos.ini", vantrel::test::ReadFileText(saved));
    EXPECT_EQ(linter.finish(), std::vector<Finding>{});
    EXPECT_EQ(linter.images().images().size(), 2u);
}

}  // namespace
}  // namespace vantrel::check
