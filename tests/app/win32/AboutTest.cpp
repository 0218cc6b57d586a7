#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

#include "CountingLauncher.h"
#include "AppWindowTestSupport.h"
#include "app/win32/AuxiliaryWindows.h"
#include "platform/win32/Window.h"
#include "app/win32/frmAbout.h"
#include "ui/AppIdentity.h"
#include "platform/WideText.h"
#include "ui/WindowDescriptions.h"
#include "support/ScriptedUserInteraction.h"

namespace vantrel::test {
namespace {

using win32::frmAbout;

class AboutTest : public ::testing::Test {
protected:
    void SetUp() override {
        dialog = std::make_unique<frmAbout>(
            ui, [this](UserInteraction&) { return std::make_unique<CountingLauncher>(sysInfoStarts); });
        ASSERT_TRUE(dialog->isOpen());
        SetDialogWindows({dialog->hwnd()});
        ASSERT_TRUE(Activate(dialog->hwnd()));
        PumpFor(50);
    }
    void TearDown() override {
        SetDialogWindows({});
        dialog.reset();
        PumpFor(20);
    }

    // The real control for a described one; null for the lines, which the dialog paints.
    HWND Control(const ui::ControlDescription& control) const {
        const std::string name = control.name;
        if (name == "cmdOK") return dialog->okButton();
        if (name == "cmdSysInfo") return dialog->sysInfoButton();
        if (name == "picIcon") return dialog->iconPicture();
        if (name == "lblTitle") return dialog->titleLabel();
        if (name == "lblVersion") return dialog->versionLabel();
        if (name == "lblDescription") return dialog->descriptionLabel();
        if (name == "lblDisclaimer") return dialog->disclaimerLabel();
        return nullptr;
    }
    RECT Expected(const ui::TwipsRect& place) const { return win32::ToRect(ui::ToPixels(place, dialog->dpi())); }

    ScriptedUserInteraction ui;
    std::unique_ptr<frmAbout> dialog;
    int sysInfoStarts = 0;
};

TEST_F(AboutTest, CaptionTitleVersionAndTexts) {
    EXPECT_EQ(win32::WindowText(dialog->hwnd()), L"About Vantrel");
    EXPECT_EQ(win32::WindowText(dialog->titleLabel()), L"Vantrel");
    EXPECT_EQ(win32::WindowText(dialog->versionLabel()), L"Version 2.0.0");
    // The label holds the text with its line breaks put in.
    std::wstring description = win32::WindowText(dialog->descriptionLabel());
    for (std::size_t at; (at = description.find(L"\r\n")) != std::wstring::npos;) description.erase(at, 2);
    EXPECT_EQ(WideToUtf8(description), ui::texts::AboutDescription());
    EXPECT_EQ(WideToUtf8(win32::WindowText(dialog->disclaimerLabel())),
              ui::AboutDescription().control("lblDisclaimer").text);
    EXPECT_EQ(win32::WindowText(dialog->okButton()), L"OK");
    EXPECT_EQ(win32::WindowText(dialog->sysInfoButton()), L"&System Info...");
    EXPECT_EQ(GetDlgCtrlID(dialog->okButton()), IDOK);
    EXPECT_EQ(GetWindowLongPtrW(dialog->okButton(), GWL_STYLE) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
    EXPECT_EQ(GetFocus(), dialog->okButton());
}

// The stored place and every control as described, at the display's resolution.
TEST_F(AboutTest, ClientAreaAtItsStoredPlaceControlsAsDescribed) {
    const RECT design = Expected(ui::AboutDescription().client);
    POINT origin{0, 0};
    ClientToScreen(dialog->hwnd(), &origin);
    EXPECT_EQ(origin.x, design.left);
    EXPECT_EQ(origin.y, design.top);
    RECT client{};
    GetClientRect(dialog->hwnd(), &client);
    EXPECT_EQ(Width(client), Width(design));
    EXPECT_EQ(Height(client), Height(design));

    for (const ui::ControlDescription& control : ui::AboutDescription().controls) {
        HWND child = Control(control);
        if (!child) continue;
        SCOPED_TRACE(control.name);
        const RECT expected = Expected(control.place);
        const RECT place = ChildRectOf(child);
        EXPECT_EQ(place.left, expected.left);
        EXPECT_EQ(place.top, expected.top);
        if (control.kind == ui::ControlKind::Picture) continue;  // sized to its picture, below
        EXPECT_EQ(Width(place), Width(expected));
        EXPECT_EQ(Height(place), Height(expected));
        LOGFONTW font{};
        ASSERT_NE(GetObjectW(reinterpret_cast<HFONT>(SendMessageW(child, WM_GETFONT, 0, 0)), sizeof(font), &font), 0);
        EXPECT_EQ(font.lfHeight, -ui::PointsToPixels(control.font.points, dialog->dpi()));
        EXPECT_EQ(font.lfWeight >= FW_BOLD, control.font.bold);
    }
    // The picture box takes its picture's size: the 32 x 32 icon, grown with the display.
    const RECT icon = ChildRectOf(dialog->iconPicture());
    EXPECT_EQ(Width(icon), MulDiv(32, dialog->dpi(), 96));
    EXPECT_EQ(Height(icon), MulDiv(32, dialog->dpi(), 96));
    EXPECT_NE(SendMessageW(dialog->iconPicture(), STM_GETICON, 0, 0), 0) << "application icon missing";
}

TEST_F(AboutTest, FixedBorderNoIconNotInTheTaskbar) {
    HWND window = dialog->hwnd();
    const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
    const LONG_PTR exStyle = GetWindowLongPtrW(window, GWL_EXSTYLE);
    EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_FALSE(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
    EXPECT_TRUE(exStyle & WS_EX_DLGMODALFRAME);
    EXPECT_FALSE(exStyle & WS_EX_APPWINDOW);
    EXPECT_EQ(GetClassLongPtrW(window, GCLP_HICON), 0);
    EXPECT_EQ(GetClassLongPtrW(window, GCLP_HICONSM), 0);
    EXPECT_EQ(SendMessageW(window, WM_GETICON, ICON_SMALL, 0), 0);
    EXPECT_EQ(SendMessageW(window, WM_GETICON, ICON_BIG, 0), 0);
    // Owned by a window that is never shown: no taskbar button, and no window of the program's
    // above or below it.
    HWND owner = GetWindow(window, GW_OWNER);
    ASSERT_NE(owner, nullptr);
    EXPECT_FALSE(IsWindowVisible(owner));
    EXPECT_EQ(owner, win32::TaskbarlessOwner());
}

TEST_F(AboutTest, EtchedSeparatorIsPainted) {
    UpdateWindow(dialog->hwnd());
    PumpFor(50);
    HDC dc = GetDC(dialog->hwnd());
    for (const ui::ControlDescription& line : ui::AboutDescription().controls) {
        if (line.kind != ui::ControlKind::Line) continue;
        const RECT place = Expected(line.place);
        const COLORREF colour = RGB((line.colour >> 16) & 0xFF, (line.colour >> 8) & 0xFF, line.colour & 0xFF);
        for (int y = place.top; y < place.bottom; ++y)
            EXPECT_EQ(GetPixel(dc, place.left + 10, y), colour) << "Line1(" << line.index << ") at y " << y;
    }
    // The white line lies under the grey one and nothing is painted under it.
    const RECT white = Expected(ui::AboutDescription().control("Line1", 0).place);
    EXPECT_EQ(GetPixel(dc, white.left + 10, white.bottom), GetSysColor(COLOR_BTNFACE));
    ReleaseDC(dialog->hwnd(), dc);
}

TEST_F(AboutTest, EveryTextFitsItsControl) {
    for (HWND label : {dialog->descriptionLabel(), dialog->disclaimerLabel()}) {
        const std::wstring text = win32::WindowText(label);
        const RECT place = ChildRectOf(label);
        RECT needed{0, 0, Width(place), 0};
        HDC dc = GetDC(label);
        HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0)));
        DrawTextW(dc, text.c_str(), -1, &needed, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
        SelectObject(dc, previous);
        ReleaseDC(label, dc);
        EXPECT_LE(Height(needed), Height(place)) << "wrapped text cut off";
        EXPECT_LE(Width(needed), Width(place));
    }
    // The support site's address stays whole on one line, and the lines break where the text's
    // own wrapping would have put them, at spaces.
    const std::wstring lines = win32::WindowText(dialog->descriptionLabel());
    EXPECT_NE(lines.find(Utf8ToWide(kSupportSiteAddress)), std::wstring::npos) << "the address breaks across lines";
    for (std::size_t at = lines.find(L"\r\n"); at != std::wstring::npos; at = lines.find(L"\r\n", at + 2))
        EXPECT_EQ(lines[at - 1], L' ') << "a line broken inside a word";
    // Every line fits the label's width as it stands, so the control's own wrapping breaks none.
    const int labelWidth = Width(ChildRectOf(dialog->descriptionLabel()));
    for (std::size_t start = 0; start <= lines.size();) {
        const std::size_t end = std::min(lines.find(L"\r\n", start), lines.size());
        std::wstring line = lines.substr(start, end - start);
        line.erase(line.find_last_not_of(L' ') + 1);
        EXPECT_LE(win32::TextExtent(dialog->descriptionLabel(), nullptr, line).cx, labelWidth)
            << std::string(line.begin(), line.end());
        start = end + 2;
    }
    const auto fitsOneLine = [&](HWND control, const std::wstring& text, int margin) {
        const SIZE extent = win32::TextExtent(control, nullptr, text);
        const RECT place = ChildRectOf(control);
        EXPECT_LE(extent.cx + 2 * margin, Width(place)) << std::string(text.begin(), text.end());
        EXPECT_LE(extent.cy, Height(place)) << std::string(text.begin(), text.end());
    };
    // The buttons keep a margin for their edges and the focus rectangle, grown with the display.
    const int margin = MulDiv(4, dialog->dpi(), 96);
    fitsOneLine(dialog->titleLabel(), L"Vantrel", 0);
    fitsOneLine(dialog->versionLabel(), L"Version 2.0.0", 0);
    fitsOneLine(dialog->okButton(), L"OK", margin);
    fitsOneLine(dialog->sysInfoButton(), L"System Info...", margin);
}

TEST_F(AboutTest, LinesBreakAtSpacesOnly) {
    HWND label = dialog->descriptionLabel();
    HFONT font = reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0));
    // Narrower than any word: every word on a line of its own, nothing lost, no empty line.
    EXPECT_EQ(win32::BreakLinesAtSpaces(label, font, L"one  two https://a.b/c", 1), L"one  \r\ntwo \r\nhttps://a.b/c");
    // Wide enough for everything: no break at all.
    EXPECT_EQ(win32::BreakLinesAtSpaces(label, font, L"one two", 10000), L"one two");
    // Exactly as wide as the first two words: the third goes to the next line.
    const int twoWords = win32::TextExtent(label, font, L"one two ").cx;
    EXPECT_EQ(win32::BreakLinesAtSpaces(label, font, L"one two three", twoWords), L"one two \r\nthree");
    EXPECT_EQ(win32::BreakLinesAtSpaces(label, font, L"", 10), L"");
}

TEST_F(AboutTest, EnterClosesThroughOk) {
    HWND window = dialog->hwnd();
    PressKey(VK_RETURN);
    EXPECT_TRUE(PumpUntil([&] { return !IsWindow(window); }));
    EXPECT_FALSE(dialog->isOpen());
    EXPECT_EQ(sysInfoStarts, 0);
}

TEST_F(AboutTest, EnterOnTheSystemInfoButtonStillPressesOk) {
    HWND window = dialog->hwnd();
    SetFocus(dialog->sysInfoButton());
    PressKey(VK_RETURN);
    EXPECT_TRUE(PumpUntil([&] { return !IsWindow(window); }));
    EXPECT_EQ(sysInfoStarts, 0);
}

TEST_F(AboutTest, EscClosesThroughOk) {
    HWND window = dialog->hwnd();
    PressKey(VK_ESCAPE);
    EXPECT_TRUE(PumpUntil([&] { return !IsWindow(window); }));
    EXPECT_FALSE(dialog->isOpen());
}

TEST_F(AboutTest, AltSStartsTheSystemInformationAndKeepsTheDialogOpen) {
    PressKey('S', VK_MENU);
    EXPECT_TRUE(PumpUntil([&] { return sysInfoStarts > 0; }));
    PumpFor(100);
    EXPECT_EQ(sysInfoStarts, 1);
    EXPECT_TRUE(dialog->isOpen());
    EXPECT_TRUE(IsWindowVisible(dialog->hwnd()));
}

// The registry launcher itself, with this system's registry. Wine ships an msinfo32.exe but
// records no path to it (its MSInfo key has no values), so the failure message is what comes.
TEST(AboutSystemInformationTest, MissingToolGivesTheFailureMessageAndTheDialogStays) {
    const auto hasValue = [](const char* keyName, const char* valueName) {
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, keyName, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return false;
        const bool found = RegQueryValueExA(key, valueName, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
        RegCloseKey(key);
        return found;
    };
    const bool registered = hasValue("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH") ||
                            hasValue("SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO");
    if (registered) GTEST_SKIP() << "this system registers a system information tool; it would start";

    ScriptedUserInteraction ui;
    frmAbout dialog(ui);
    SetDialogWindows({dialog.hwnd()});
    ASSERT_TRUE(Activate(dialog.hwnd()));
    SendMessageW(dialog.sysInfoButton(), BM_CLICK, 0, 0);
    PumpFor(50);
    SetDialogWindows({});
    ASSERT_EQ(ui.messages().size(), 1u);
    const MessageBoxRequest message = ui.messages().front();
    EXPECT_EQ(message.text, "System Information Is Unavailable At This Time");
    EXPECT_EQ(message.title, "Vantrel");
    EXPECT_EQ(message.buttons, MessageButtons::Ok);
    EXPECT_EQ(message.icon, MessageIcon::None);
    EXPECT_TRUE(dialog.isOpen());
}

TEST(AboutWindowTest, OneDialogPerProcessLoadedAnewAfterClosing) {
    ScriptedUserInteraction ui;
    int starts = 0;
    win32::AuxiliaryWindows windows(
        ui, [&](UserInteraction&) { return std::make_unique<CountingLauncher>(starts); }, L"about:blank");
    std::vector<HWND> opened, closed;
    windows.onWindowOpened = [&](HWND window) { opened.push_back(window); };
    windows.onWindowClosed = [&](HWND window) { closed.push_back(window); };

    HWND first = windows.ShowAbout().hwnd();
    SetWindowTextW(first, L"changed");
    HWND again = windows.ShowAbout().hwnd();
    EXPECT_EQ(again, first);
    EXPECT_EQ(win32::WindowText(first), L"changed") << "showing it again must not load it again";
    EXPECT_EQ(CountVisibleWindows(L"VantrelAbout"), 1);
    EXPECT_EQ(GetForegroundWindow(), first);
    EXPECT_EQ(opened, std::vector<HWND>{first});

    SendMessageW(windows.about()->okButton(), BM_CLICK, 0, 0);
    PumpFor(20);
    EXPECT_EQ(windows.about(), nullptr);
    EXPECT_EQ(closed, std::vector<HWND>{first});
    EXPECT_EQ(CountVisibleWindows(L"VantrelAbout"), 0);

    frmAbout& second = windows.ShowAbout();
    EXPECT_TRUE(second.isOpen());
    EXPECT_EQ(win32::WindowText(second.hwnd()), L"About Vantrel");
    EXPECT_EQ(opened.size(), 2u);
    EXPECT_EQ(CountVisibleWindows(L"VantrelAbout"), 1);
}

}  // namespace
}  // namespace vantrel::test
