#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "AppWindowTestSupport.h"
#include "platform/win32/Window.h"
#include "app/win32/frmSplash.h"
#include "platform/WideText.h"
#include "ui/WindowDescriptions.h"

namespace vantrel::test {
namespace {

using win32::frmSplash;

// A splash whose hand-over creates a plain window standing in for the main window and counts
// how often it was asked to.
class SplashTest : public ::testing::Test {
protected:
    void MakeSplash(UINT displayTimeMs = 60000) {
        splash = std::make_unique<frmSplash>(
            [this] {
                ++created;
                mainWindow = CreateWindowExW(0, L"STATIC", L"main", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 600, 500, 200,
                                             100, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
                SetForegroundWindow(mainWindow);
            },
            displayTimeMs);
        ASSERT_NE(splash->hwnd(), nullptr);
        ASSERT_TRUE(PumpUntil([&] { return GetForegroundWindow() == splash->hwnd(); }))
            << "the splash should be the active window";
        // Under a window manager the X keyboard focus follows Wine's foreground a moment later;
        // a key sent before it arrives goes nowhere.
        ASSERT_TRUE(PumpUntil([&] { return GetFocus() != nullptr && GetAncestor(GetFocus(), GA_ROOT) == splash->hwnd(); }))
            << "the splash should have the keyboard focus";
        PumpFor(250);
    }

    // The splash is gone for good and the main window came up once, as the active window.
    void ExpectHandedOver() {
        HWND window = splash->hwnd();
        EXPECT_TRUE(PumpUntil([&] { return splash->dismissed(); })) << "not dismissed";
        EXPECT_EQ(splash->hwnd(), nullptr);
        EXPECT_FALSE(IsWindow(window));
        EXPECT_EQ(created, 1);
        EXPECT_TRUE(PumpUntil([&] { return GetForegroundWindow() == mainWindow; }))
            << "the main window should be active";
        EXPECT_FALSE(TakeQuitRequest()) << "the program must not end with the splash";
    }

    void TearDown() override {
        splash.reset();
        if (mainWindow) DestroyWindow(mainWindow);
        PumpFor(20);
        TakeQuitRequest();
    }

    // The real control for a described one.
    HWND Control(const ui::ControlDescription& control) const {
        const std::string name = control.name;
        if (name == "Frame1") return splash->frame();
        if (name == "imgLogo") return splash->logo(control.index);
        if (name == "lblVersion") return splash->versionLabel();
        if (name == "lblCompany") return splash->companyLabel();
        if (name == "lblWarning") return splash->warningLabel();
        return nullptr;
    }
    RECT Expected(const ui::TwipsRect& place) const { return win32::ToRect(ui::ToPixels(place, splash->dpi())); }

    std::unique_ptr<frmSplash> splash;
    HWND mainWindow = nullptr;
    int created = 0;
};

TEST_F(SplashTest, BorderWithoutCaptionCentredAndOutOfTheTaskbar) {
    MakeSplash();
    HWND window = splash->hwnd();
    RECT client{};
    GetClientRect(window, &client);
    const RECT design = Expected(ui::SplashDescription().client);
    EXPECT_EQ(Width(client), Width(design));
    EXPECT_EQ(Height(client), Height(design));

    const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
    const LONG_PTR exStyle = GetWindowLongPtrW(window, GWL_EXSTYLE);
    EXPECT_TRUE(style & WS_POPUP);
    EXPECT_EQ(style & WS_CAPTION, WS_DLGFRAME) << "a dialog frame without a title bar";
    EXPECT_FALSE(style & (WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
    // Out of the taskbar through its hidden, never shown owner, as About and the tutorial are.
    // Not a tool window: under Wine, openbox would not give it the focus as it maps.
    EXPECT_FALSE(exStyle & (WS_EX_APPWINDOW | WS_EX_TOOLWINDOW));
    EXPECT_EQ(GetWindow(window, GW_OWNER), win32::TaskbarlessOwner());
    EXPECT_FALSE(IsWindowVisible(win32::TaskbarlessOwner()));
    EXPECT_EQ(win32::WindowText(window), L"");

    const POINT centre = CentreOf(window);
    EXPECT_LE(std::abs(centre.x - GetSystemMetrics(SM_CXSCREEN) / 2), 1);
    EXPECT_LE(std::abs(centre.y - GetSystemMetrics(SM_CYSCREEN) / 2), 1);
    EXPECT_EQ(created, 0);
}

// Every control at its described place at the display's resolution, in its described parent, with
// its text and face; the version label sizes itself to its text from its left edge.
TEST_F(SplashTest, ControlsAsDescribed) {
    MakeSplash();
    for (const ui::ControlDescription& control : ui::SplashDescription().controls) {
        SCOPED_TRACE(std::string(control.name) + "(" + std::to_string(control.index) + ")");
        HWND child = Control(control);
        ASSERT_NE(child, nullptr);
        EXPECT_EQ(GetParent(child), control.parent ? splash->frame() : splash->hwnd());
        const RECT expected = Expected(control.place);
        const RECT place = ChildRectOf(child);
        EXPECT_EQ(place.left, expected.left);
        EXPECT_EQ(place.top, expected.top);
        if (std::string(control.name) != "lblVersion") {
            EXPECT_EQ(Width(place), Width(expected));
            EXPECT_EQ(Height(place), Height(expected));
        }
        if (control.kind == ui::ControlKind::Image) {
            // Stretched to its place: the picture is as large as the control.
            auto picture = reinterpret_cast<HBITMAP>(SendMessageW(child, STM_GETIMAGE, IMAGE_BITMAP, 0));
            ASSERT_NE(picture, nullptr) << "banner missing from the resources";
            BITMAP bitmap{};
            GetObjectW(picture, sizeof(bitmap), &bitmap);
            EXPECT_EQ(bitmap.bmWidth, Width(expected));
            EXPECT_EQ(bitmap.bmHeight, Height(expected));
        }
        if (control.kind == ui::ControlKind::Label) {
            LOGFONTW font{};
            ASSERT_NE(GetObjectW(reinterpret_cast<HFONT>(SendMessageW(child, WM_GETFONT, 0, 0)), sizeof(font), &font),
                      0);
            EXPECT_EQ(WideToUtf8(font.lfFaceName), control.font.face);
            EXPECT_EQ(font.lfHeight, -ui::PointsToPixels(control.font.points, splash->dpi()));
            EXPECT_EQ(font.lfWeight >= FW_BOLD, control.font.bold);
            if (std::string(control.name) != "lblVersion")
                EXPECT_EQ(WideToUtf8(win32::WindowText(child)), control.text);
            // The caption fits its label on one line.
            const std::wstring text = win32::WindowText(child);
            const SIZE extent = win32::TextExtent(child, nullptr, text);
            EXPECT_LE(extent.cx, Width(place)) << "cut off: " << WideToUtf8(text);
            EXPECT_LE(extent.cy, Height(place)) << "cut off: " << WideToUtf8(text);
        }
    }
}

TEST_F(SplashTest, VersionLabelRightAlignedSizedToItsText) {
    MakeSplash();
    HWND label = splash->versionLabel();
    const std::wstring text = win32::WindowText(label);
    EXPECT_EQ(text, L"Version 2.0.0");
    EXPECT_TRUE(GetWindowLongPtrW(label, GWL_STYLE) & SS_RIGHT);
    const SIZE extent = win32::TextExtent(label, nullptr, text);
    const RECT place = ChildRectOf(label);
    EXPECT_EQ(Width(place), extent.cx) << "sized to its text, not to the design width";
    EXPECT_EQ(Height(place), extent.cy);
}

TEST_F(SplashTest, TwoSecondsWithoutInputHandOver) {
    const ULONGLONG loading = GetTickCount64();
    MakeSplash(ui::kSplashDisplayMilliseconds);
    const auto elapsed = [&] { return static_cast<int>(GetTickCount64() - loading); };
    PumpUntil([&] { return splash->dismissed(); }, 1700 - elapsed());
    EXPECT_FALSE(splash->dismissed()) << "gone after " << elapsed() << " ms";
    EXPECT_TRUE(PumpUntil([&] { return splash->dismissed(); }, 2000));
    EXPECT_GE(elapsed(), 1950);
    // Under Wine without a window manager, destroying a window waits up to 2 s for the manager
    // that is not there; that wait falls between the tick and the hand-over.
    EXPECT_LE(elapsed(), 5000);
    ExpectHandedOver();
}

TEST_F(SplashTest, TimerTickDismisses) {
    MakeSplash();
    SendMessageW(splash->hwnd(), WM_TIMER, frmSplash::kTimer1, 0);
    ExpectHandedOver();
}

TEST_F(SplashTest, TriggersThatFollowTheFirstAreLost) {
    MakeSplash();
    HWND window = splash->hwnd();
    PostMessageW(window, WM_TIMER, frmSplash::kTimer1, 0);
    PostMessageW(window, WM_CHAR, 'x', 0);
    PostMessageW(window, WM_TIMER, frmSplash::kTimer1, 0);
    PumpFor(100);
    ExpectHandedOver();
}

// A real click, through the input queue, on each part of the splash.
class SplashClickTest : public SplashTest, public ::testing::WithParamInterface<const char*> {
protected:
    POINT Target(const std::string& part) {
        if (part == "margin") {
            RECT place{};
            GetWindowRect(splash->frame(), &place);
            return POINT{place.left - 4, place.top + 50};
        }
        if (part == "frame") {
            RECT place{};
            GetWindowRect(splash->frame(), &place);
            return POINT{place.left + 10, place.top + 100};
        }
        if (part == "banner0") return CentreOf(splash->logo(0));
        if (part == "banner1") return CentreOf(splash->logo(1));
        if (part == "version") return CentreOf(splash->versionLabel());
        if (part == "company") return CentreOf(splash->companyLabel());
        return CentreOf(splash->warningLabel());
    }
};

TEST_P(SplashClickTest, ClickAnywhereDismisses) {
    MakeSplash();
    const POINT target = Target(GetParam());
    ASSERT_EQ(GetAncestor(WindowFromPoint(target), GA_ROOT), splash->hwnd());
    ClickAt(target);
    ExpectHandedOver();
}

INSTANTIATE_TEST_SUITE_P(EveryPart, SplashClickTest,
                         ::testing::Values("margin", "frame", "banner0", "banner1", "version", "company", "warning"));

// Real key strokes: those that produce a character dismiss, the others do not.
class SplashCharacterKeyTest : public SplashTest, public ::testing::WithParamInterface<WORD> {};

TEST_P(SplashCharacterKeyTest, CharacterKeyDismisses) {
    MakeSplash();
    PressKey(GetParam());
    ExpectHandedOver();
}

INSTANTIATE_TEST_SUITE_P(Keys, SplashCharacterKeyTest,
                         ::testing::Values(WORD{'A'}, WORD{'7'}, WORD{VK_SPACE}, WORD{VK_RETURN}, WORD{VK_ESCAPE},
                                           WORD{VK_BACK}));

TEST_F(SplashTest, KeysWithoutACharacterLeaveItUpAndTheTimerStillEndsIt) {
    MakeSplash();
    for (WORD key : {WORD{VK_SHIFT}, WORD{VK_LEFT}, WORD{VK_F5}, WORD{VK_CONTROL}}) PressKey(key);
    PumpFor(300);
    EXPECT_FALSE(splash->dismissed());
    EXPECT_EQ(created, 0);
    ASSERT_EQ(GetForegroundWindow(), splash->hwnd()) << "the keys went elsewhere";
    SendMessageW(splash->hwnd(), WM_TIMER, frmSplash::kTimer1, 0);
    ExpectHandedOver();
}

}  // namespace
}  // namespace vantrel::test
