// The platform's own boxes and common dialogs, shown for real and answered the way a user would.
#include "editor/win32/Win32UserInteraction.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "WindowTestSupport.h"
#include "editor/win32/ControlIds.h"
#include "platform/WideText.h"
#include "support/TestData.h"

namespace vantrel::test {
namespace {

using namespace win32;

// The dialogs' common controls: the file name box of the file dialogs.
constexpr int kFileNameCombo = 0x047C;  // cmb13
constexpr int kFileNameEdit = 0x0480;   // edt1

struct BoxContents {
    std::wstring text;
    bool hasIcon = false;
    bool yesIsDefault = false;
    int buttons = 0;
};

BoxContents Inspect(HWND box) {
    BoxContents contents;
    EnumChildWindows(
        box,
        [](HWND child, LPARAM data) -> BOOL {
            auto* c = reinterpret_cast<BoxContents*>(data);
            wchar_t className[32] = {};
            GetClassNameW(child, className, 32);
            const LONG_PTR style = GetWindowLongPtrW(child, GWL_STYLE);
            if (lstrcmpiW(className, L"Static") == 0) {
                if ((style & SS_TYPEMASK) == SS_ICON) {
                    if (IsWindowVisible(child) && SendMessageW(child, STM_GETICON, 0, 0)) c->hasIcon = true;
                } else if (!TextOf(child).empty()) {
                    c->text = TextOf(child);
                }
            } else if (lstrcmpiW(className, L"Button") == 0 && IsWindowVisible(child)) {
                ++c->buttons;
                if (GetDlgCtrlID(child) == IDYES && (style & 0x0F) == BS_DEFPUSHBUTTON) c->yesIsDefault = true;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&contents));
    return contents;
}

class UserInteractionTest : public ::testing::Test {
protected:
    void SetUp() override { SKIP_WITHOUT_DISPLAY(); }
    void TearDown() override { EXPECT_FALSE(DialogHadToBeCancelled()) << "the dialog did not take the answer"; }

    Win32UserInteraction ui;
};

TEST_F(UserInteractionTest, ExitQuestionBoxAndItsAnswers) {
    const MessageBoxRequest question{"Save?\r\nReally.", MessageButtons::YesNoCancel, MessageIcon::None, "Vantrel",
                                     MessageResult::Yes};
    BoxContents seen;
    AnswerDialog(L"Vantrel", [&](HWND box) {
        seen = Inspect(box);
        ClickButton(box, IDNO);
    });
    EXPECT_EQ(ui.messageBox(question), MessageResult::No);
    ASSERT_TRUE(DialogAnswered());
    EXPECT_EQ(seen.text, L"Save?\r\nReally.");
    EXPECT_EQ(seen.buttons, 3);
    EXPECT_TRUE(seen.yesIsDefault);
    EXPECT_FALSE(seen.hasIcon);

    AnswerDialog(L"Vantrel", [](HWND box) { ClickButton(box, IDYES); });
    EXPECT_EQ(ui.messageBox(question), MessageResult::Yes);

    // Closed by its close control or by Esc: Cancel.
    AnswerDialog(L"Vantrel", [](HWND box) { PostMessageW(box, WM_CLOSE, 0, 0); });
    EXPECT_EQ(ui.messageBox(question), MessageResult::Cancel);
    AnswerDialog(L"Vantrel", [](HWND box) {
        PostMessageW(GetFocus() ? GetFocus() : box, WM_KEYDOWN, VK_ESCAPE, 1);
    });
    EXPECT_EQ(ui.messageBox(question), MessageResult::Cancel);
    EXPECT_TRUE(DialogAnswered());
}

TEST_F(UserInteractionTest, OkBoxesCarryTheirIconAndTitle) {
    BoxContents seen;
    AnswerDialog(L"Error", [&](HWND box) {
        seen = Inspect(box);
        PostMessageW(box, WM_CLOSE, 0, 0);
    });
    ui.message("This image type is not supported.", "Error", MessageIcon::Critical);
    ASSERT_TRUE(DialogAnswered());
    EXPECT_EQ(seen.text, L"This image type is not supported.");
    EXPECT_EQ(seen.buttons, 1);
    EXPECT_TRUE(seen.hasIcon);

}

TEST_F(UserInteractionTest, InputBoxReturnsTheTextOrNothingOnCancel) {
    std::wstring prompt, defaultText;
    AnswerDialog(L"Entry Name", [&](HWND box) {
        prompt = TextOf(GetDlgItem(box, lblPromptId));
        defaultText = TextOf(GetDlgItem(box, txtInputId));
        SetWindowTextW(GetDlgItem(box, txtInputId), L"Ic\u00f6n One");
        ClickButton(box, IDOK);
    });
    EXPECT_EQ(ui.inputBox("Enter Entry Name", "Entry Name", "old"), "Ic\xc3\xb6n One");
    ASSERT_TRUE(DialogAnswered());
    EXPECT_EQ(prompt, L"Enter Entry Name");
    EXPECT_EQ(defaultText, L"old");

    AnswerDialog(L"Entry Name", [](HWND box) {
        SetWindowTextW(GetDlgItem(box, txtInputId), L"typed");
        ClickButton(box, IDCANCEL);
    });
    EXPECT_EQ(ui.inputBox("Enter Entry Name", "Entry Name", "old"), "");
    EXPECT_TRUE(DialogAnswered());

    // Enter in the edit presses OK.
    AnswerDialog(L"Entry Name", [](HWND box) {
        HWND edit = GetDlgItem(box, txtInputId);
        SetFocus(edit);
        PostMessageW(edit, WM_KEYDOWN, VK_RETURN, 1);
    });
    EXPECT_EQ(ui.inputBox("Enter Entry Name", "Entry Name", "kept"), "kept");
}

void TypeFileName(HWND dialog, const std::wstring& name) {
    HWND target = GetDlgItem(dialog, kFileNameCombo);
    if (!target) target = GetDlgItem(dialog, kFileNameEdit);
    SetWindowTextW(target, name.c_str());
    ClickButton(dialog, IDOK);
}

TEST_F(UserInteractionTest, OpenDialogAcceptsANameThatDoesNotExist) {
    TempDir folder;
    const FileDialogRequest request{"Open", "Targa (*.tga)", "*.tga", "", folder.path().string()};
    const std::wstring wanted = (folder.path() / L"n\u00e9w icons.tga").wstring();
    AnswerDialog(L"Open", [&](HWND dialog) { TypeFileName(dialog, wanted); });
    const auto chosen = ui.openFileDialog(request);
    ASSERT_TRUE(DialogAnswered());
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(Utf8ToWide(*chosen), wanted);

    AnswerDialog(L"Open", [](HWND dialog) { ClickButton(dialog, IDCANCEL); });
    EXPECT_EQ(ui.openFileDialog(request), std::nullopt);
    EXPECT_TRUE(DialogAnswered());
}

TEST_F(UserInteractionTest, SaveDialogAddsTheDefaultExtension) {
    TempDir folder;
    const FileDialogRequest request{"Save As", "Ini File (*.ini)", "*.ini", "ini", folder.path().string()};
    AnswerDialog(L"Save As", [&](HWND dialog) { TypeFileName(dialog, (folder.path() / L"cameos").wstring()); });
    const auto chosen = ui.saveFileDialog(request);
    ASSERT_TRUE(DialogAnswered());
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(Utf8ToWide(*chosen), (folder.path() / L"cameos.ini").wstring());
}

TEST_F(UserInteractionTest, ColorDialogOpensOnTheGivenColour) {
    AnswerDialog(L"", [](HWND dialog) { ClickButton(dialog, IDOK); });
    EXPECT_EQ(ui.colorDialog(0x00345678u), std::optional<std::uint32_t>(0x00345678u));
    ASSERT_TRUE(DialogAnswered());

    AnswerDialog(L"", [](HWND dialog) { ClickButton(dialog, IDCANCEL); });
    EXPECT_EQ(ui.colorDialog(0x00112233u), std::nullopt);
    EXPECT_TRUE(DialogAnswered());
}

}  // namespace
}  // namespace vantrel::test
