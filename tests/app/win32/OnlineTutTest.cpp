#include <winsock2.h>
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "AppWindowTestSupport.h"
#include "app/win32/AuxiliaryWindows.h"
#include "platform/win32/Window.h"
#include "app/win32/frmOnlineTut.h"
#include "platform/WideText.h"
#include "support/ScriptedUserInteraction.h"
#include "ui/WindowDescriptions.h"

namespace vantrel::test {
namespace {

using win32::frmOnlineTut;

// A local address that takes the connection and never answers, or (closed) one that refuses it.
class SilentServer {
public:
    SilentServer() {
        WSADATA data;
        WSAStartup(MAKEWORD(2, 2), &data);
        socket_ = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        bind(socket_, reinterpret_cast<sockaddr*>(&address), sizeof(address));
        listen(socket_, 8);
        int length = sizeof(address);
        getsockname(socket_, reinterpret_cast<sockaddr*>(&address), &length);
        port_ = ntohs(address.sin_port);
    }
    ~SilentServer() {
        Close();
        WSACleanup();
    }
    void Close() {
        if (socket_ != INVALID_SOCKET) closesocket(socket_);
        socket_ = INVALID_SOCKET;
    }
    std::wstring url() const {
        return L"http://127.0.0.1:" + std::to_wstring(port_) + L"/page.php?file=vantrel_use";
    }

private:
    SOCKET socket_ = INVALID_SOCKET;
    unsigned short port_ = 0;
};

TEST(OnlineTutRulesTest, ShippedPageAsPlainText) {
    const std::wstring text = frmOnlineTut::BundledTutorialText();
    ASSERT_FALSE(text.empty()) << "the tutorial page is missing from the resources";
    EXPECT_EQ(text.rfind(L"Vantrel Tutorial", 0), 0u) << "the heading comes first; the head and style go";
    EXPECT_EQ(text.find(L'<'), std::wstring::npos);
    EXPECT_EQ(text.find(L"font-family"), std::wstring::npos);
}

class OnlineTutTest : public ::testing::Test {
protected:
    frmOnlineTut& Open(const std::wstring& address, UINT timeoutMs = ui::kTutorialLoadTimeoutMilliseconds) {
        const ULONGLONG before = GetTickCount64();
        window = std::make_unique<frmOnlineTut>(address, timeoutMs);
        openingMs = GetTickCount64() - before;
        EXPECT_TRUE(window->isOpen());
        PumpFor(100);
        return *window;
    }
    void TearDown() override {
        window.reset();
        PumpFor(20);
    }
    // The browser's window as it stands inside the client area.
    RECT BrowserPlace() const { return ChildRectOf(window->browser()->window()); }
    ui::TwipsSize SizeTwips() const { return window->browserSizeTwips(); }
    int Twips(int pixels) const { return ui::PixelsToTwips(pixels, window->dpi()); }
    // The browser's rule: at its described place, the area less the margin each way.
    ui::TwipsSize ExpectedTwips(const RECT& client) const {
        return ui::BrowserSizeTwips({Twips(client.right), Twips(client.bottom)});
    }
    RECT ExpectedPlace(ui::TwipsSize size) const {
        const ui::TwipsRect design = ui::OnlineTutorialDescription().control("WebBrowser1").place;
        return win32::ToRect(ui::ToPixels({design.left, design.top, size.width, size.height}, window->dpi()));
    }
    RECT DesignClient() const {
        return win32::ToRect(ui::ToPixels(ui::OnlineTutorialDescription().client, window->dpi()));
    }

    std::unique_ptr<frmOnlineTut> window;
    ULONGLONG openingMs = 0;
};

TEST_F(OnlineTutTest, OpensMaximizedRestoresToTheDesignSizeCaptionBordersAndIcon) {
    SilentServer server;
    Open(server.url());
    HWND hwnd = window->hwnd();
    EXPECT_EQ(WideToUtf8(win32::WindowText(hwnd)), ui::OnlineTutorialDescription().caption);
    // Opened maximized, so the page can be read; the browser follows the client rule.
    EXPECT_TRUE(IsZoomed(hwnd));
    RECT client{};
    GetClientRect(hwnd, &client);
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_GT(Width(client), Width(work) * 3 / 4);
    EXPECT_GT(Height(client), Height(work) * 3 / 4);
    EXPECT_EQ(SizeTwips(), ExpectedTwips(client));
    // Restored: the design client area.
    ShowWindow(hwnd, SW_RESTORE);
    PumpFor(30);
    GetClientRect(hwnd, &client);
    EXPECT_EQ(Width(client), Width(DesignClient()));
    EXPECT_EQ(Height(client), Height(DesignClient()));
    // Not pressed into the work area's corner, over whatever sits there.
    RECT outer{};
    GetWindowRect(hwnd, &outer);
    EXPECT_FALSE(outer.left == work.left && outer.top == work.top) << "restored into the corner";

    const LONG_PTR style = GetWindowLongPtrW(hwnd, GWL_STYLE);
    EXPECT_TRUE(style & WS_THICKFRAME);
    EXPECT_TRUE(style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & (WS_EX_APPWINDOW | WS_EX_TOOLWINDOW));
    HWND owner = GetWindow(hwnd, GW_OWNER);
    ASSERT_NE(owner, nullptr) << "an unowned window gets a taskbar button";
    EXPECT_FALSE(IsWindowVisible(owner));
    EXPECT_NE(GetClassLongPtrW(hwnd, GCLP_HICON), 0) << "application icon missing";
    EXPECT_NE(GetClassLongPtrW(hwnd, GCLP_HICONSM), 0);
}

TEST_F(OnlineTutTest, BrowserAtItsPlaceTheMarginSmallerThanTheClientArea) {
    SilentServer server;
    Open(server.url());
    ShowWindow(window->hwnd(), SW_RESTORE);  // the design size
    PumpFor(30);
    RECT client{};
    GetClientRect(window->hwnd(), &client);
    EXPECT_EQ(SizeTwips(), ExpectedTwips(client));
    const RECT expected = ExpectedPlace(SizeTwips());
    const RECT recorded = window->browser()->place();
    EXPECT_TRUE(EqualRect(&recorded, &expected));
    ASSERT_NE(window->browser()->window(), nullptr);
    const RECT place = BrowserPlace();
    EXPECT_TRUE(EqualRect(&place, &expected))
        << place.left << "," << place.top << " " << Width(place) << "x" << Height(place);
}

TEST_F(OnlineTutTest, BrowserFollowsResizingMaximizingAndTinySizes) {
    SilentServer server;
    Open(server.url());
    HWND hwnd = window->hwnd();
    ShowWindow(hwnd, SW_RESTORE);
    PumpFor(30);
    const auto resizeClient = [&](int width, int height) {
        RECT outer{0, 0, width, height};
        AdjustWindowRectEx(&outer, static_cast<DWORD>(GetWindowLongPtrW(hwnd, GWL_STYLE)), FALSE,
                           static_cast<DWORD>(GetWindowLongPtrW(hwnd, GWL_EXSTYLE)));
        SetWindowPos(hwnd, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                     SWP_NOMOVE | SWP_NOZORDER);
        PumpFor(30);
    };
    const auto expectFollows = [&] {
        RECT client{};
        GetClientRect(hwnd, &client);
        EXPECT_EQ(SizeTwips(), ExpectedTwips(client));
        const RECT place = BrowserPlace();
        const RECT expected = ExpectedPlace(SizeTwips());
        EXPECT_TRUE(EqualRect(&place, &expected))
            << place.left << "," << place.top << " " << Width(place) << "x" << Height(place);
        return client;
    };
    resizeClient(600, 400);
    expectFollows();

    // As small as the system lets the window become: the browser shrinks to nothing, not below.
    // The system keeps a minimum width, but the client area's height reaches 0 here.
    SetWindowPos(hwnd, nullptr, 0, 0, 1, 1, SWP_NOMOVE | SWP_NOZORDER);
    PumpFor(30);
    RECT client = expectFollows();
    ASSERT_LT(Twips(client.bottom), ui::kBrowserMarginTwips);
    EXPECT_EQ(SizeTwips().height, 0);

    ShowWindow(hwnd, SW_MAXIMIZE);
    PumpFor(50);
    ASSERT_TRUE(IsZoomed(hwnd));
    client = expectFollows();
    EXPECT_GT(client.right, 600);
    // It reaches 20 twips past the right edge.
    EXPECT_GT(BrowserPlace().right, client.right);
}

TEST_F(OnlineTutTest, NavigatesToTheTutorialWithoutWaitingForIt) {
    SilentServer server;
    Open(server.url());
    ASSERT_TRUE(window->browser()->hasControl()) << "the browser control could not be created here";
    EXPECT_EQ(window->navigatedAddress(), server.url());
    EXPECT_LT(openingMs, 3000u) << "opening waited for the page";
    EXPECT_TRUE(window->awaitingTutorial());
    EXPECT_FALSE(window->showsBundledTutorial());
}

TEST_F(OnlineTutTest, SiteThatNeverAnswersGivesTheShippedPageAfterTheTimeout) {
    SilentServer server;
    // Timed from before the window is made: on a busy machine opening alone may take a while.
    const ULONGLONG start = GetTickCount64();
    Open(server.url(), 800);
    ASSERT_TRUE(window->browser()->hasControl());
    EXPECT_TRUE(PumpUntil([&] { return window->showsBundledTutorial(); }, 5000));
    EXPECT_GE(GetTickCount64() - start, 800u) << "shown before the timeout";
    EXPECT_EQ(window->navigatedAddress(), frmOnlineTut::BundledTutorialAddress());
    EXPECT_TRUE(window->isOpen());
}

TEST_F(OnlineTutTest, UnreachableSiteGivesTheShippedPageOnItsError) {
    SilentServer server;
    const std::wstring refused = server.url();
    server.Close();
    // A timeout far beyond the wait: the failed navigation itself must bring the shipped page.
    Open(refused, 600000);
    ASSERT_TRUE(window->browser()->hasControl());
    EXPECT_TRUE(PumpUntil([&] { return !window->awaitingTutorial(); }, 10000));
    EXPECT_TRUE(window->showsBundledTutorial()) << "the browser took the refused address as shown";
    EXPECT_EQ(window->navigatedAddress(), frmOnlineTut::BundledTutorialAddress());
}

// Wine's browser control without its Gecko engine reports every navigation, about:blank
// included, as failed (NavigateError); Windows loads the page.
bool BrowserWithoutEngine() {
    return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
}

TEST_F(OnlineTutTest, PageThatLoadsIsShownAsItIs) {
    if (BrowserWithoutEngine()) GTEST_SKIP() << "Wine: the browser control loads no page without Gecko";
    Open(L"about:blank", 600000);
    ASSERT_TRUE(window->browser()->hasControl());
    EXPECT_TRUE(PumpUntil([&] { return !window->awaitingTutorial(); }, 10000));
    EXPECT_FALSE(window->showsBundledTutorial());
}

TEST_F(OnlineTutTest, WithoutABrowserControlTheShippedTutorialIsShownAsText) {
    window = std::make_unique<frmOnlineTut>(L"http://127.0.0.1:9/", 600000, win32::BrowserHost::Kind::TextOnly);
    ASSERT_TRUE(window->isOpen());
    PumpFor(50);
    EXPECT_FALSE(window->browser()->hasControl());
    EXPECT_TRUE(window->showsBundledTutorial());
    HWND text = window->browser()->window();
    ASSERT_NE(text, nullptr);
    wchar_t className[16]{};
    GetClassNameW(text, className, 16);
    EXPECT_STREQ(className, L"Edit");
    EXPECT_TRUE(GetWindowLongPtrW(text, GWL_STYLE) & ES_READONLY);
    LOGFONTW font{};
    ASSERT_NE(GetObjectW(reinterpret_cast<HFONT>(SendMessageW(text, WM_GETFONT, 0, 0)), sizeof(font), &font), 0);
    EXPECT_EQ(font.lfHeight, -ui::PointsToPixels(ui::kDialogFont.points, window->dpi())) << "not at the display's scale";
    EXPECT_EQ(win32::WindowText(text), frmOnlineTut::BundledTutorialText());
    // The same place and sizing rule as the browser, here at the design size.
    ShowWindow(window->hwnd(), SW_RESTORE);
    PumpFor(30);
    const RECT place = BrowserPlace();
    const RECT expected = ExpectedPlace(SizeTwips());
    EXPECT_TRUE(EqualRect(&place, &expected));
}

TEST(OnlineTutWindowTest, OneWindowPerProcessNavigatingAnewAfterClosing) {
    SilentServer server;
    ScriptedUserInteraction ui;
    win32::AuxiliaryWindows windows(ui, MakeSystemInformationLauncher, server.url());
    frmOnlineTut& first = windows.ShowOnlineTutorial();
    HWND firstWindow = first.hwnd();
    PumpFor(50);
    ShowWindow(firstWindow, SW_MINIMIZE);
    PumpFor(50);

    frmOnlineTut& again = windows.ShowOnlineTutorial();
    EXPECT_EQ(&again, &first);
    EXPECT_EQ(again.hwnd(), firstWindow);
    EXPECT_FALSE(IsIconic(firstWindow)) << "brought forward means restored";
    EXPECT_EQ(CountVisibleWindows(L"VantrelOnlineTutorial"), 1);

    SendMessageW(firstWindow, WM_CLOSE, 0, 0);
    PumpFor(20);
    EXPECT_EQ(windows.onlineTutorial(), nullptr);
    EXPECT_EQ(CountVisibleWindows(L"VantrelOnlineTutorial"), 0);

    frmOnlineTut& second = windows.ShowOnlineTutorial();
    EXPECT_TRUE(second.isOpen());
    EXPECT_EQ(second.navigatedAddress(), server.url()) << "a new window starts from the tutorial address";
    EXPECT_FALSE(second.showsBundledTutorial());
}

}  // namespace
}  // namespace vantrel::test
