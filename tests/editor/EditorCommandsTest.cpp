// Open, corner picking, Complete Entry, Delete Entry and Select Background Color, driven through
// the scripted user and the fake window.
#include <gtest/gtest.h>

#include "EditorFixture.h"
#include "editor/DeleteDialogLogic.h"

namespace vantrel::test {
namespace {

using Box = EditorView::Box;
const char* const kTitle = "Vantrel";

// ---- Open -------------------------------------------------------------------------------------

using TextureLoading = EditorFixture;

TEST_F(TextureLoading, FitsTheWindowAndCentresTheFrameBesideTheTexture) {
    loadTexture(100, 50);
    const FileDialogRequest& dialog = ui.requests.at(0).file;
    EXPECT_EQ(dialog.title, "Open");
    EXPECT_EQ(dialog.filterDescription, "Targa (*.tga)");
    EXPECT_EQ(dialog.filterPattern, "*.tga");
    EXPECT_EQ(ui.requests.size(), 1u);  // the reader had nothing to complain about
    EXPECT_EQ(view.windowWidth, 4500);
    EXPECT_EQ(view.windowHeight, 1750);
    EXPECT_EQ(view.frameLeft, 1620);
    EXPECT_EQ(view.frameTop, -232.5);
    EXPECT_EQ(view.calls, (std::vector<std::string>{"width", "height", "left", "top"}));
    EXPECT_EQ(editor.strTextureName(), "Icons.tga");
    EXPECT_TRUE(editor.blnTextureLoaded());
    EXPECT_EQ(canvas.getPixel(99, 49), PackColor(99, 49, 200));
    EXPECT_TRUE(editor.blnSaved());  // loading a texture is not a change to the document
}

TEST_F(TextureLoading, StopsAtTheFirstValueOutsideThe16BitRange) {
    // 1985 * 15 + 3000 leaves the range: painted, but the window is not touched at all.
    loadTexture(1985, 2);
    EXPECT_TRUE(view.calls.empty());
    EXPECT_EQ(editor.intTextureWidth(), 1985);
    EXPECT_FALSE(editor.blnTextureLoaded());
    EXPECT_TRUE(editor.strTextureName().empty());
    EXPECT_EQ(canvas.getPixel(299, 1), PackColor(299 & 255, 1, 200));

    // 2118 rows: the width is set, then the height leaves the range.
    view.calls.clear();
    loadTexture(1, 2118, "tall.tga");
    EXPECT_EQ(view.calls, (std::vector<std::string>{"width"}));
    EXPECT_EQ(view.windowWidth, 3015);
    EXPECT_FALSE(editor.blnTextureLoaded());

    // 1984 x 2117 is the largest that still fits.
    view.calls.clear();
    loadTexture(1984, 2117, "largest.tga");
    EXPECT_EQ(view.windowWidth, 32760);
    EXPECT_EQ(view.windowHeight, 32755);
    EXPECT_EQ(view.frameLeft, 29880);
    EXPECT_TRUE(editor.blnTextureLoaded());
}

TEST_F(TextureLoading, CancellingBeforeAnyLoadChangesNothing) {
    editor.LoadUserFile();
    EXPECT_TRUE(view.calls.empty());
    EXPECT_FALSE(editor.blnTextureLoaded());
    EXPECT_EQ(canvas.getPixel(0, 0), kStartColor);
    EXPECT_EQ(ui.requests.size(), 1u);
}

TEST_F(TextureLoading, CancellingAfterALoadWashesTheTextureAndKeepsTheRest) {
    loadTexture(8, 4);
    ui.colorAnswers.push_back(PackColor(255, 255, 255));
    editor.SelectBackgroundColor();
    view.calls.clear();
    editor.LoadUserFile();  // cancelled
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 8; ++x)
            EXPECT_EQ(canvas.getPixel(x, y), PackColor(BlendChannel(x, 255, 255), BlendChannel(y, 255, 255),
                                                       BlendChannel(200, 255, 255)))
                << x << "," << y;
    EXPECT_EQ(canvas.getPixel(0, 0), PackColor(254, 254, 255));
    EXPECT_EQ(canvas.getPixel(8, 0), kStartColor);  // only the texture's rectangle is washed
    EXPECT_TRUE(view.calls.empty());
    EXPECT_EQ(editor.intTextureWidth(), 8);
    EXPECT_EQ(editor.strTextureName(), "Icons.tga");
}

TEST_F(TextureLoading, ARejectedFileStillSizesTheWindowAndRecordsTheName) {
    loadTexture(8, 4);
    const auto rejected = temp / "grey.tga";
    WriteBytes(rejected, TgaBytes(3, 8, 20, 10, std::vector<std::uint8_t>(200, 0)));
    ui.clear();
    ui.openAnswers.push_back(rejected.string());
    editor.LoadUserFile();
    ASSERT_EQ(ui.messages().size(), 1u);
    EXPECT_EQ(ui.messages()[0].text, "This image type is not supported.");
    EXPECT_EQ(ui.messages()[0].title, "Error");
    EXPECT_EQ(editor.intTextureWidth(), 20);
    EXPECT_EQ(view.windowWidth, 20 * 15 + 3000);
    EXPECT_EQ(editor.strTextureName(), "grey.tga");
    EXPECT_EQ(canvas.getPixel(0, 0), PackColor(0, 0, 1));  // the old (0, 0, 200), washed toward black
}

TEST_F(TextureLoading, AMissingFileKeepsTheOldSizeAndTakesTheNameAfterTheLastSeparator) {
    loadTexture(8, 4);
    ui.clear();
    ui.openAnswers.push_back("D:\\tex\\icons.tga");
    editor.LoadUserFile();
    ASSERT_EQ(ui.messages().size(), 1u);
    EXPECT_EQ(ui.messages()[0].text.rfind("There was an error reading the file:\r\n", 0), 0u);
    EXPECT_EQ(editor.intTextureWidth(), 8);
    EXPECT_EQ(view.windowWidth, 8 * 15 + 3000);
    EXPECT_EQ(editor.strTextureName(), "icons.tga");
    EXPECT_TRUE(editor.blnTextureLoaded());
}

TEST_F(TextureLoading, ThePreviousTextureIsWashedTowardTheColourLastChosen) {
    ui.colorAnswers.push_back(PackColor(0, 0, 255));
    editor.SelectBackgroundColor();
    loadTexture(8, 4);  // the first load washes nothing
    EXPECT_EQ(canvas.getPixel(9, 0), kStartColor);
    EXPECT_EQ(canvas.getPixel(7, 3), PackColor(7, 3, 200));
    loadTexture(4, 2, "small.tga");
    EXPECT_EQ(canvas.getPixel(3, 1), PackColor(3, 1, 200));  // the new texture
    EXPECT_EQ(canvas.getPixel(7, 3), PackColor(0, 0, 255));  // the old (7, 3, 200), washed toward blue
}

// ---- Corner picking ---------------------------------------------------------------------------

using CornerPicking = EditorFixture;

TEST_F(CornerPicking, PressesWithoutATextureAreIgnored) {
    press(0, 0);
    press(10, 10, 2);
    EXPECT_TRUE(view.boxesEmpty());
    EXPECT_FALSE(editor.blnLeftTopPicked());
}

TEST_F(CornerPicking, BoundsAreTheTextureSize) {
    loadTexture(64, 32);
    press(64, 0);
    press(0, 32);
    EXPECT_FALSE(editor.blnLeftTopPicked());
    press(63, 31);
    EXPECT_TRUE(editor.blnLeftTopPicked());
    EXPECT_EQ(view.boxes[Box::Left], "63");
    EXPECT_EQ(view.boxes[Box::Top], "31");
}

TEST_F(CornerPicking, TwoPressesFillTheBoxesThenTheMouseIsInert) {
    loadTexture(64, 32);
    press(40, 20, 2);  // the right button picks as the left does
    press(10, 5, 4);   // left of and above the first: still Right and Bottom
    EXPECT_EQ(view.calls.back(), "box Bottom=5");
    press(30, 30, 1);
    EXPECT_EQ(view.boxes[Box::Left], "40");
    EXPECT_EQ(view.boxes[Box::Top], "20");
    EXPECT_EQ(view.boxes[Box::Right], "10");
    EXPECT_EQ(view.boxes[Box::Bottom], "5");
    ui.inputAnswers.push_back("Refused");
    editor.CompleteEntry();
    EXPECT_EQ(ui.onlyMessageText(), "The Right coordinate cannot be smaller than the Left coordinate");
    EXPECT_TRUE(editor.blnRightBottomPicked());
}

TEST_F(CornerPicking, AFractionalPositionIsWrittenWithItsFraction) {
    loadTexture(64, 32);
    editor.MouseDown(1, 0, 562.5f, 30.0f);
    EXPECT_EQ(view.boxes[Box::Left], "37.5");
    EXPECT_EQ(view.boxes[Box::Top], "2");
}

TEST_F(CornerPicking, ASmallerTextureKeepsTheFlagsAndNarrowsTheBounds) {
    loadTexture(64, 32);
    press(50, 20);
    loadTexture(16, 16, "small.tga");
    EXPECT_TRUE(editor.blnLeftTopPicked());
    EXPECT_EQ(view.boxes[Box::Left], "50");
    press(20, 5);
    EXPECT_FALSE(editor.blnRightBottomPicked());
    press(15, 15);
    EXPECT_TRUE(editor.blnRightBottomPicked());
}

// ---- Complete Entry ---------------------------------------------------------------------------

class CompletingEntries : public EditorFixture {
protected:
    void SetUp() override {
        EditorFixture::SetUp();
        loadTexture(128, 64);
        ui.clear();
    }
    // Both corners picked, then the boxes overwritten by typing.
    void typed(const std::string& left, const std::string& top, const std::string& right, const std::string& bottom) {
        press(0, 0);
        press(1, 1);
        view.setRectangle(left, top, right, bottom);
    }
    void expectRefused(const std::string& message, const std::string& title = kTitle) {
        const std::vector<std::string> linesBefore = editor.document().colLines();
        const auto boxesBefore = view.boxes;
        ui.inputAnswers.push_back("Name");
        editor.CompleteEntry();
        ASSERT_EQ(ui.messages().size(), 1u);
        EXPECT_EQ(ui.messages()[0].text, message);
        EXPECT_EQ(ui.messages()[0].title, title);
        EXPECT_EQ(ui.messages()[0].buttons, MessageButtons::Ok);
        EXPECT_EQ(editor.document().colLines(), linesBefore);
        EXPECT_EQ(view.boxes, boxesBefore);
        EXPECT_TRUE(editor.blnSaved());
        ui.clear();
        ui.inputAnswers.clear();
    }
};

TEST_F(CompletingEntries, CornersMustBePickedWithTheMouse) {
    view.setRectangle("1", "2", "3", "4");
    expectRefused("Please map all coordinates with the mouse before proceeding");
    press(1, 1);
    view.setRectangle("1", "2", "3", "4");
    expectRefused("Please map all coordinates with the mouse before proceeding");
}

TEST_F(CompletingEntries, ChecksRunInOrderAndTheFirstFailingOneSpeaks) {
    typed("1", "", "3", "4");
    expectRefused("One or more of the fields is invalid, please enter only integers");
    view.setRectangle("1", "2", "12abc", "4");
    expectRefused("One or more of the fields is invalid, please enter only integers");
    view.setRectangle("0", "0", "128", "63");
    expectRefused("One or more coordinates exceeds the maximum width of 127 or the maximum height of 63");
    view.setRectangle("0", "64", "1", "1");
    expectRefused("One or more coordinates exceeds the maximum width of 127 or the maximum height of 63");
    view.setRectangle("20", "-1", "10", "5");
    expectRefused("One or more coordinates is less than the minimum value of 0");
    view.setRectangle("20", "0", "10", "5");
    expectRefused("The Right coordinate cannot be smaller than the Left coordinate");
    view.setRectangle("1", "9", "2", "8");
    expectRefused("The Bottom coordinate cannot be smaller than the Top coordinate");
    view.setRectangle("1", "2", "40000", "4");
    expectRefused("One or more coordinates is outside the range of -32768 to 32767");
    EXPECT_TRUE(ui.requests.empty());  // no refusal ever got as far as the name prompt
}

TEST_F(CompletingEntries, AcceptsTheEdgesASinglePixelAndRoundsHalfwayToEven) {
    typed("0", "0", "127", "63");
    ui.inputAnswers.push_back("Whole");
    editor.CompleteEntry();
    typed("5", "9", "5", "9");
    ui.inputAnswers.push_back("Pixel");
    editor.CompleteEntry();
    typed(" 7.5 ", "6.5", "10.5", "11.5");
    ui.inputAnswers.push_back("Halves");
    editor.CompleteEntry();
    ASSERT_EQ(editor.document().entryCount(), 3);
    EXPECT_EQ(editor.document().line(10), "Coords = Left:0 Top:0 Right:127 Bottom:63");
    EXPECT_EQ(editor.document().line(18), "Coords = Left:5 Top:9 Right:5 Bottom:9");
    EXPECT_EQ(editor.document().line(26), "Coords = Left:8 Top:6 Right:10 Bottom:12");
}

TEST_F(CompletingEntries, AppendsTheBlockAndResetsTheBoxesAndFlags) {
    ASSERT_TRUE(ui.requests.empty());
    view.calls.clear();
    completeEntry(10, 20, 73, 63, "Tank1");
    ASSERT_EQ(ui.requests.size(), 1u);
    EXPECT_EQ(ui.requests[0].prompt, "Enter Entry Name");
    EXPECT_EQ(ui.requests[0].title, "Entry Name");
    EXPECT_EQ(ui.requests[0].defaultText, "");
    const auto expected = MappingDocument::BlockLines("Tank1", "Icons.tga", 128, 64, {10, 20, 73, 63});
    const std::vector<std::string> lines = editor.document().colLines();
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 5, lines.end()), expected);
    EXPECT_EQ(editor.colNames(), std::vector<std::string>{"MappedImage Tank1"});
    const std::vector<std::string> lastCalls(view.calls.end() - 4, view.calls.end());
    EXPECT_EQ(lastCalls, (std::vector<std::string>{"box Top=", "box Bottom=", "box Right=", "box Left="}));
    EXPECT_FALSE(editor.blnLeftTopPicked());
    EXPECT_FALSE(editor.blnRightBottomPicked());
    EXPECT_FALSE(editor.blnSaved());
    ui.clear();
    EXPECT_FALSE(editor.Exit());
    EXPECT_EQ(ui.messages().size(), 1u);
}

TEST_F(CompletingEntries, NamesAreCutAtTheFirstBlankAndComparedExactly) {
    completeEntry(1, 1, 2, 2, "Tank one");
    EXPECT_EQ(editor.colNames().back(), "MappedImage Tank ");
    completeEntry(1, 1, 2, 2, "Tank two");
    ASSERT_EQ(ui.messages().size(), 1u);
    EXPECT_EQ(ui.messages()[0].text, "Tank  is already a image map name");
    EXPECT_EQ(ui.messages()[0].title, "Duplicate Name");
    EXPECT_EQ(ui.messages()[0].icon, MessageIcon::Information);
    // The refused rectangle is still in the boxes: another name completes it.
    EXPECT_EQ(view.boxes[Box::Right], "2");
    ui.inputAnswers.push_back("Tank");
    editor.CompleteEntry();
    completeEntry(1, 1, 2, 2, "tank1");
    completeEntry(1, 1, 2, 2, "Tank1");
    EXPECT_EQ(editor.colNames(), (std::vector<std::string>{"MappedImage Tank ", "MappedImage Tank",
                                                           "MappedImage tank1", "MappedImage Tank1"}));
}

TEST_F(CompletingEntries, AnEmptyOrCancelledNameEndsSilently) {
    completeEntry(1, 1, 2, 2, "");
    EXPECT_TRUE(ui.messages().empty());
    EXPECT_EQ(editor.document().entryCount(), 0);
    EXPECT_TRUE(editor.blnRightBottomPicked());
    EXPECT_EQ(view.boxes[Box::Left], "1");
}

TEST_F(CompletingEntries, NamesTheGameCouldNotReadAreRefusedWithoutChange) {
    press(1, 1);
    press(2, 2);
    for (const std::string& answer : std::vector<std::string>{" ", "semi;colon", "a=b", "tab\tbed",
                                                              std::string(1100, 'x'), "\xe5\x9b\xbe"}) {
        ui.clear();
        ui.inputAnswers.push_back(answer);
        editor.CompleteEntry();
        ASSERT_EQ(ui.messages().size(), 1u) << answer;
        EXPECT_EQ(ui.messages()[0].title, "Entry Name");
        EXPECT_EQ(ui.messages()[0].buttons, MessageButtons::Ok);
        EXPECT_EQ(editor.document().entryCount(), 0);
        EXPECT_TRUE(editor.blnRightBottomPicked());
        EXPECT_EQ(view.boxes[Box::Right], "2");
        EXPECT_TRUE(editor.blnSaved());
    }
    // The rules bite on the cut name: "A B;C" becomes "A ", which the game reads.
    ui.clear();
    ui.inputAnswers.push_back("A B;C");
    editor.CompleteEntry();
    EXPECT_TRUE(ui.messages().empty());
    EXPECT_EQ(editor.colNames(), std::vector<std::string>{"MappedImage A "});
}

TEST_F(CompletingEntries, ATextureNameTheFileCannotHoldIsRefused) {
    loadTexture(16, 16, "\xe5\x9b\xbe.tga");
    completeEntry(1, 1, 2, 2, "Icon");
    ASSERT_EQ(ui.messages().size(), 1u);
    EXPECT_EQ(editor.document().entryCount(), 0);
}

TEST_F(CompletingEntries, EntriesCarryTheTextureLoadedWhenTheyWereCompleted) {
    completeEntry(1, 1, 2, 2, "First");
    loadTexture(32, 16, "Second.tga");
    completeEntry(1, 1, 2, 2, "Second");
    EXPECT_EQ(editor.document().line(7), "Texture = Icons.tga");
    EXPECT_EQ(editor.document().line(8), "TextureWidth = 128");
    EXPECT_EQ(editor.document().line(15), "Texture = Second.tga");
    EXPECT_EQ(editor.document().line(16), "TextureWidth = 32");
    EXPECT_EQ(editor.document().line(17), "TextureHeight = 16");
}

// ---- Delete Entry -----------------------------------------------------------------------------

class DeletingEntries : public CompletingEntries {
protected:
    DeleteDialogLogic dialog{editor};
    void SetUp() override {
        CompletingEntries::SetUp();
        for (const char* name : {"A", "B", "C"}) completeEntry(1, 1, 2, 2, name);
        ui.colorAnswers.clear();
        ASSERT_TRUE(ui.messages().empty());
    }
};

TEST_F(DeletingEntries, TheChosenEntryGoesWhenTheDialogCloses) {
    ASSERT_FALSE(editor.Exit() && false);
    ui.clear();
    ui.saveAnswers.push_back((temp / "abc.ini").string());
    editor.SaveAs();
    ASSERT_TRUE(editor.blnSaved());

    editor.DeleteEntry();
    EXPECT_EQ(view.deleteDialogShown, 1);
    EXPECT_FALSE(editor.blnSaved());
    const auto list = dialog.Load();
    EXPECT_EQ(list, (std::vector<std::string>{"MappedImage A", "MappedImage B", "MappedImage C"}));
    EXPECT_EQ(editor.lngRemoveNumber(), 0);
    dialog.DeleteSelected(1);
    dialog.Unload();
    EXPECT_EQ(editor.colNames(), (std::vector<std::string>{"MappedImage A", "MappedImage C"}));
    EXPECT_EQ(editor.document().lineCount(), 21);
    EXPECT_EQ(editor.document().line(14), "MappedImage C");
}

TEST_F(DeletingEntries, ClosingWithoutAChoiceDeletesNothingButStillCountsAsAChange) {
    ui.saveAnswers.push_back((temp / "abc.ini").string());
    editor.SaveAs();
    editor.DeleteEntry();
    dialog.Load();
    dialog.DeleteSelected(-1);  // "Delete Selected" with nothing selected
    dialog.Unload();
    EXPECT_EQ(editor.document().entryCount(), 3);
    editor.DeleteEntry();
    dialog.Load();
    dialog.Unload();  // closed with its close control
    EXPECT_EQ(editor.document().entryCount(), 3);
    EXPECT_FALSE(editor.blnSaved());
}

TEST_F(DeletingEntries, EntriesCompletedWhileTheDialogIsOpenAreListedNextTime) {
    editor.DeleteEntry();
    const auto list = dialog.Load();
    completeEntry(1, 1, 2, 2, "D");
    editor.DeleteEntry();  // only brings the open dialog forward; the list stays as loaded
    EXPECT_EQ(view.deleteDialogShown, 2);
    dialog.DeleteSelected(2);  // C, as listed
    dialog.Unload();
    EXPECT_EQ(editor.colNames(), (std::vector<std::string>{"MappedImage A", "MappedImage B", "MappedImage D"}));
    EXPECT_EQ(dialog.Load().size(), 3u);
}

// ---- Select Background Color ------------------------------------------------------------------

using BackgroundColour = EditorFixture;

TEST_F(BackgroundColour, ComponentsComeFromTheColourChosen) {
    struct Case {
        std::uint32_t chosen;
        int red, green, blue;
    };
    for (const Case& c : {Case{PackColor(255, 0, 0), 255, 0, 0}, Case{PackColor(0, 0, 255), 0, 0, 255},
                          Case{PackColor(64, 128, 10), 64, 128, 10}, Case{0, 0, 0, 0}}) {
        ui.colorAnswers.push_back(c.chosen);
        editor.SelectBackgroundColor();
        EXPECT_EQ(editor.intBackRed(), c.red);
        EXPECT_EQ(editor.intBackGreen(), c.green);
        EXPECT_EQ(editor.intBackBlue(), c.blue);
    }
}

TEST_F(BackgroundColour, CancellingKeepsTheColourLastChosen) {
    editor.SelectBackgroundColor();  // cancelled before any choice: black
    EXPECT_EQ(editor.intBackRed() + editor.intBackGreen() + editor.intBackBlue(), 0);
    ui.colorAnswers = {PackColor(1, 2, 3), PackColor(64, 128, 10), std::nullopt};
    editor.SelectBackgroundColor();
    editor.SelectBackgroundColor();
    editor.SelectBackgroundColor();
    EXPECT_EQ(editor.intBackRed(), 64);
    EXPECT_EQ(editor.intBackGreen(), 128);
    EXPECT_EQ(editor.intBackBlue(), 10);
    // The dialog opens on the colour last chosen.
    EXPECT_EQ(ui.requests.back().initialColor, PackColor(64, 128, 10));
    EXPECT_TRUE(editor.blnSaved());
}

// ---- Commands during a load -------------------------------------------------------------------

TEST_F(EditorFixture, CommandsDuringALoadSeeTheSizeAlreadyHandedBackAndASecondOpenIsRefused) {
    loadTexture(16, 16, "first.tga");
    completeEntry(0, 0, 1, 1, "Before");
    const auto second = temp / "second.tga";
    WriteBytes(second, GradientTga24(40, 70));
    const auto third = temp / "third.tga";
    WriteBytes(third, GradientTga24(8, 8));

    bool reentered = false;
    canvas.setProgressHandler([&] {
        if (reentered) return;
        reentered = true;
        // A press beyond the old 16 x 16 texture but inside the new one is accepted.
        press(30, 60);
        press(35, 65);
        ui.inputAnswers.push_back("During");
        editor.CompleteEntry();
        ui.openAnswers.push_back(third.string());
        editor.LoadUserFile();
    });
    ui.clear();
    ui.openAnswers.push_back(second.string());
    editor.LoadUserFile();

    // The entry completed mid-load carries the new size and the previous texture's name.
    ASSERT_EQ(editor.document().entryCount(), 2);
    EXPECT_EQ(editor.document().line(14), "MappedImage During");
    EXPECT_EQ(editor.document().line(15), "Texture = first.tga");
    EXPECT_EQ(editor.document().line(16), "TextureWidth = 40");
    // The second Open is refused by the reader; the first load finishes undisturbed.
    const auto shown = ui.messages();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, "There was an error reading the file:\r\nAnother texture is still loading.");
    EXPECT_EQ(editor.strTextureName(), "second.tga");
    EXPECT_EQ(editor.intTextureWidth(), 40);
    // The refused Open still washed what had been painted by then (rows 69 to 64, the first band);
    // the rows painted after it are the texture's own.
    EXPECT_EQ(canvas.getPixel(0, 69), PackColor(0, BlendChannel(69, 0, 255), BlendChannel(200, 0, 255)));
    EXPECT_EQ(canvas.getPixel(39, 63), PackColor(39, 63, 200));
    EXPECT_EQ(canvas.getPixel(39, 0), PackColor(39, 0, 200));
}

}  // namespace
}  // namespace vantrel::test
