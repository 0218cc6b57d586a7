#include "editor/win32/MainWindow.h"

#include <windowsx.h>

#include <algorithm>
#include <cmath>

#include "ui/AppIdentity.h"
#include "editor/win32/MenuCommands.h"
#include "editor/win32/MessageLoop.h"
#include "editor/win32/Twips.h"
#include "platform/WideText.h"

namespace vantrel {

namespace {

using namespace win32;

constexpr wchar_t kMainWindowClass[] = L"VantrelMainWindow";
constexpr wchar_t kFrameClass[] = L"VantrelInfoFrame";
constexpr DWORD kMainWindowStyle =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

std::uint32_t WindowBackgroundColor() {
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    return PackColor(GetRValue(face), GetGValue(face), GetBValue(face));
}

void RegisterClasses(WNDPROC mainProc, WNDPROC frameProc) {
    static bool registered = false;
    if (registered) return;
    registered = true;
    HINSTANCE instance = GetModuleHandleW(nullptr);

    WNDCLASSEXW main{};
    main.cbSize = sizeof main;
    main.lpfnWndProc = mainProc;
    main.hInstance = instance;
    // Resource 1: the 48 x 48 application icon. A program built without it gets the default one.
    main.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
    main.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(1), IMAGE_ICON,
                                                 GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
    main.hCursor = LoadCursorW(nullptr, IDC_CROSS);
    main.hbrBackground = nullptr;  // the canvas paints every pixel
    main.lpszClassName = kMainWindowClass;
    RegisterClassExW(&main);

    WNDCLASSEXW frame{};
    frame.cbSize = sizeof frame;
    frame.lpfnWndProc = frameProc;
    frame.hInstance = instance;
    frame.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    frame.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    frame.lpszClassName = kFrameClass;
    RegisterClassExW(&frame);
}

std::wstring WindowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

MainWindow* FromHandle(HWND hwnd) { return reinterpret_cast<MainWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA)); }

}  // namespace

MainWindow::MainWindow(UserInteraction* ui)
    : ownUi_(ui ? nullptr : std::make_unique<Win32UserInteraction>()),
      canvas_(WindowBackgroundColor()),
      editor_(ui ? *ui : *ownUi_, *this, canvas_),
      contentWidth_(Px(5145)),
      contentHeight_(Px(3195)),
      endProgram_([] { PostQuitMessage(0); }) {
    RegisterClasses(&MainWindow::WindowProc, &MainWindow::FrameProc);

    // Design client area 5145 x 3195 twips below the menu bar.
    HMENU menuBar = buildMenus();
    RECT outer{0, 0, Px(5145), Px(3195)};
    AdjustWindowRectEx(&outer, kMainWindowStyle, TRUE, 0);
    hwnd_ = CreateWindowExW(0, kMainWindowClass, Utf8ToWide(kMainWindowCaption).c_str(), kMainWindowStyle,
                            CW_USEDEFAULT, CW_USEDEFAULT, outer.right - outer.left, outer.bottom - outer.top, nullptr,
                            menuBar, GetModuleHandleW(nullptr), this);
    if (ownUi_) ownUi_->setOwner(hwnd_);
    frameFont_ = CreateEightPointFont();
    buildFrame();
    buildAccelerators();
    RegisterModelessWindow(hwnd_);
    SetAcceleratorTarget(hwnd_, accelerators_);

    // Presenting progress while a texture paints: show what is painted so far, then let pending
    // window messages (menu commands, mouse presses) run.
    canvas_.setProgressHandler([this] {
        invalidateCanvas();
        UpdateWindow(hwnd_);
        PumpPendingMessages();
    });

    editor_.Load();
}

MainWindow::~MainWindow() {
    canvas_.setProgressHandler(nullptr);
    deleteDialog_.reset();
    UnregisterModelessWindow(hwnd_);
    ClearAcceleratorTarget(hwnd_);
    if (hwnd_) {
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
        SetWindowLongPtrW(fraInfo, GWLP_USERDATA, 0);
        DestroyWindow(hwnd_);
    }
    if (accelerators_) DestroyAcceleratorTable(accelerators_);
    if (frameFont_) DeleteObject(frameFont_);
}

void MainWindow::show(int showCommand) {
    ShowWindow(hwnd_, showCommand);
    UpdateWindow(hwnd_);
    SetFocus(focusedBox_ ? focusedBox_ : txtTop);
}

HMENU MainWindow::buildMenus() {
    struct Item {
        const wchar_t* caption;  // nullptr for a separator
        UINT id;
    };
    const auto addMenu = [](HMENU bar, const wchar_t* caption, std::initializer_list<Item> items) {
        HMENU menu = CreatePopupMenu();
        for (const Item& item : items) {
            if (item.caption)
                AppendMenuW(menu, MF_STRING, item.id, item.caption);
            else
                AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        }
        AppendMenuW(bar, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(menu), caption);
    };
    HMENU bar = CreateMenu();
    addMenu(bar, L"File",
            {{L"Open\tCtrl+O", mnuFileOpen},
             {nullptr, 0},
             {L"Save\tCtrl+S", mnuFileSave},
             {L"Save As", mnuFileSaveAs},
             {nullptr, 0},
             {L"Exit", mnuFileExit}});
    addMenu(bar, L"Edit",
            {{L"Complete Entry\tCtrl+E", mnuEditComplete},
             {nullptr, 0},
             {L"Select Background Color", mnuEditBackground},
             {nullptr, 0},
             {L"Delete Entry\tCtrl+D", mnuEditDelete}});
    addMenu(bar, L"Help", {{L"About", mnuHelpAbout}, {L"Online Tutorial", mnuHelpOnline}});
    return bar;
}

void MainWindow::buildAccelerators() {
    ACCEL keys[] = {
        {FVIRTKEY | FCONTROL, 'O', mnuFileOpen},
        {FVIRTKEY | FCONTROL, 'S', mnuFileSave},
        {FVIRTKEY | FCONTROL, 'E', mnuEditComplete},
        {FVIRTKEY | FCONTROL, 'D', mnuEditDelete},
    };
    accelerators_ = CreateAcceleratorTableW(keys, static_cast<int>(std::size(keys)));
}

void MainWindow::buildFrame() {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    // The frame takes presses on itself, so a press on it never reaches corner picking; it holds
    // its own tab stops for the dialog navigation.
    fraInfo = CreateWindowExW(WS_EX_CONTROLPARENT, kFrameClass, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS,
                              Px(2520), Px(1320), Px(2535), Px(1215), hwnd_,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(fraInfoId)), instance, nullptr);
    SetWindowLongPtrW(fraInfo, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));

    struct Row {
        const wchar_t* caption;
        int labelId, labelLeft, labelWidth;
        int boxId, boxLeft;
        int top;
        HWND* box;
    };
    // Creation order is the tab order: txtTop, txtLeft, txtBottom, txtRight.
    const Row rows[] = {
        {L"Top:", Label1Id, 120, 375, txtTopId, 600, 240, &txtTop},
        {L"Left:", Label2Id, 1200, 375, txtLeftId, 1680, 240, &txtLeft},
        {L"Bottom:", Label3Id, 120, 615, txtBottomId, 720, 720, &txtBottom},
        {L"Right:", Label4Id, 1320, 495, txtRightId, 1920, 720, &txtRight},
    };
    for (const Row& row : rows) {
        HWND label = CreateWindowExW(0, L"STATIC", row.caption, WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX,
                                     Px(row.labelLeft), Px(row.top), Px(row.labelWidth), Px(255), fraInfo,
                                     reinterpret_cast<HMENU>(static_cast<INT_PTR>(row.labelId)), instance, nullptr);
        HWND edit = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"",
                                    WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL, Px(row.boxLeft),
                                    Px(row.top), Px(495), Px(285), fraInfo,
                                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(row.boxId)), instance, nullptr);
        SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(frameFont_), FALSE);
        SendMessageW(edit, WM_SETFONT, reinterpret_cast<WPARAM>(frameFont_), FALSE);
        *row.box = edit;
    }
    focusedBox_ = txtTop;
}

LRESULT CALLBACK MainWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    if (MainWindow* self = FromHandle(hwnd)) return self->handle(message, wParam, lParam);
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

LRESULT CALLBACK MainWindow::FrameProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT: {
            // The look of a frame without a caption: an etched edge around it.
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(hwnd, &ps);
            RECT area;
            GetClientRect(hwnd, &area);
            DrawEdge(dc, &area, EDGE_ETCHED, BF_RECT);
            EndPaint(hwnd, &ps);
            return 0;
        }
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
            return 0;
        case WM_XBUTTONDOWN:
            return TRUE;
        case WM_COMMAND:
            // Remember the box that had the focus, to give it back when the window is activated again.
            if (HIWORD(wParam) == EN_SETFOCUS)
                if (MainWindow* self = FromHandle(hwnd)) self->focusedBox_ = reinterpret_cast<HWND>(lParam);
            return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

LRESULT MainWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            // Menu items (0) and accelerators (1); Enter and Esc in a box (IDOK, IDCANCEL) do nothing.
            if (lParam == 0 && HIWORD(wParam) <= 1) onCommand(LOWORD(wParam));
            return 0;
        case WM_LBUTTONDOWN:
            onMouseDown(1, wParam, lParam);
            return 0;
        case WM_RBUTTONDOWN:
            onMouseDown(2, wParam, lParam);
            return 0;
        case WM_MBUTTONDOWN:
            onMouseDown(4, wParam, lParam);
            return 0;
        case WM_XBUTTONDOWN:
            onMouseDown(GET_XBUTTON_WPARAM(wParam) == XBUTTON1 ? 8 : 16, wParam, lParam);
            return TRUE;
        case WM_ERASEBKGND:
            return 1;
        case WM_SIZE:
            if (wParam != SIZE_MINIMIZED) updateScrollBars();
            return 0;
        case WM_HSCROLL:
            onScroll(SB_HORZ, LOWORD(wParam));
            return 0;
        case WM_VSCROLL:
            onScroll(SB_VERT, LOWORD(wParam));
            return 0;
        case WM_MOUSEWHEEL:
        case WM_MOUSEHWHEEL: {
            // Three lines of 16 pixels a notch; with Shift, or the tilt wheel, sideways.
            const int step = -GET_WHEEL_DELTA_WPARAM(wParam) * 48 / WHEEL_DELTA;
            if (message == WM_MOUSEHWHEEL)
                scrollTo(scrollX_ - step, scrollY_);
            else if (GET_KEYSTATE_WPARAM(wParam) & MK_SHIFT)
                scrollTo(scrollX_ + step, scrollY_);
            else
                scrollTo(scrollX_, scrollY_ + step);
            return 0;
        }
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(hwnd_, &ps);
            paint(dc, ps.rcPaint);
            EndPaint(hwnd_, &ps);
            return 0;
        }
        case WM_PRINTCLIENT: {
            RECT area;
            GetClientRect(hwnd_, &area);
            paint(reinterpret_cast<HDC>(wParam), area);
            return 0;
        }
        case WM_SETFOCUS:
            SetFocus(focusedBox_ ? focusedBox_ : txtTop);
            return 0;
        case WM_CLOSE:
            // The title bar's close control asks about unsaved work, as Exit does.
            if (editor_.CloseRequested()) {
                if (closeWindow_)
                    closeWindow_();
                else
                    endProgram_();
            }
            return 0;
    }
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

void MainWindow::onCommand(int id) {
    switch (id) {
        case mnuFileOpen:
            mnuFileOpen_Click();
            break;
        case mnuFileSave:
            mnuFileSave_Click();
            break;
        case mnuFileSaveAs:
            mnuFileSaveAs_Click();
            break;
        case mnuFileExit:
            mnuFileExit_Click();
            break;
        case mnuEditComplete:
            mnuEditComplete_Click();
            break;
        case mnuEditBackground:
            mnuEditBackground_Click();
            break;
        case mnuEditDelete:
            mnuEditDelete_Click();
            break;
        case mnuHelpAbout:
            if (onAbout) onAbout();
            break;
        case mnuHelpOnline:
            if (onOnlineTutorial) onOnlineTutorial();
            break;
    }
}

void MainWindow::mnuFileOpen_Click() {
    editor_.LoadUserFile();
    // Painted, or washed when the dialog was cancelled: either way the canvas changed.
    invalidateCanvas();
}

void MainWindow::mnuFileExit_Click() {
    if (editor_.Exit()) endProgram_();
}

void MainWindow::onMouseDown(std::int16_t button, WPARAM keys, LPARAM position) {
    std::int16_t shift = 0;
    if (keys & MK_SHIFT) shift |= 1;
    if (keys & MK_CONTROL) shift |= 2;
    if (GetKeyState(VK_MENU) < 0) shift |= 4;
    // Client to content: the canvas may be scrolled.
    const int x = GET_X_LPARAM(position) + scrollX_;
    const int y = GET_Y_LPARAM(position) + scrollY_;
    editor_.MouseDown(button, shift, static_cast<float>(x * kTwipsPerPixel), static_cast<float>(y * kTwipsPerPixel));
}

void MainWindow::paint(HDC dc, const RECT& area) {
    // The canvas in client coordinates, moved by the scroll position.
    const RECT canvasArea{-scrollX_, -scrollY_, canvas_.width() - scrollX_, canvas_.height() - scrollY_};
    RECT shown;
    if (IntersectRect(&shown, &area, &canvasArea)) {
        // One call for the whole band of rows: the canvas memory is a 32-bit top-down DIB.
        const int rows = shown.bottom - shown.top;
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = canvas_.width();
        info.bmiHeader.biHeight = -rows;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        SetDIBitsToDevice(dc, shown.left, shown.top, static_cast<DWORD>(shown.right - shown.left),
                          static_cast<DWORD>(rows), shown.left + scrollX_, 0, 0, static_cast<UINT>(rows),
                          canvas_.row(shown.top + scrollY_), &info, DIB_RGB_COLORS);
    }
    // Beyond the canvas (a window stretched past it by hand) the window's own background shows.
    HBRUSH face = GetSysColorBrush(COLOR_BTNFACE);
    if (area.right > canvasArea.right) {
        RECT right{std::max(area.left, canvasArea.right), area.top, area.right, area.bottom};
        FillRect(dc, &right, face);
    }
    if (area.bottom > canvasArea.bottom) {
        RECT below{area.left, std::max(area.top, canvasArea.bottom), std::min(area.right, canvasArea.right),
                   area.bottom};
        if (below.right > below.left) FillRect(dc, &below, face);
    }
}

void MainWindow::invalidateCanvas() { InvalidateRect(hwnd_, nullptr, FALSE); }

HWND MainWindow::box(Box which) const {
    switch (which) {
        case Box::Top:
            return txtTop;
        case Box::Left:
            return txtLeft;
        case Box::Bottom:
            return txtBottom;
        case Box::Right:
            return txtRight;
    }
    return txtTop;
}

std::string MainWindow::boxText(Box which) const { return WideToUtf8(WindowText(box(which))); }

void MainWindow::setBoxText(Box which, const std::string& text) {
    SetWindowTextW(box(which), Utf8ToWide(text).c_str());
}

RECT MainWindow::availableArea() const {
    if (availableArea_) return *availableArea_;
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (GetMonitorInfoW(MonitorFromWindow(hwnd_, MONITOR_DEFAULTTONEAREST), &monitor)) return monitor.rcWork;
    RECT desktop{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &desktop, 0);
    return desktop;
}

SIZE MainWindow::decorations() const {
    RECT outer, client;
    GetWindowRect(hwnd_, &outer);
    GetClientRect(hwnd_, &client);
    const LONG_PTR style = GetWindowLongPtrW(hwnd_, GWL_STYLE);
    SIZE around{(outer.right - outer.left) - client.right, (outer.bottom - outer.top) - client.bottom};
    if (style & WS_VSCROLL) around.cx -= GetSystemMetrics(SM_CXVSCROLL);
    if (style & WS_HSCROLL) around.cy -= GetSystemMetrics(SM_CYHSCROLL);
    return around;
}

void MainWindow::fitWindow(int outerWidth, int outerHeight) {
    const RECT area = availableArea();
    const int width = std::min(outerWidth, static_cast<int>(area.right - area.left));
    const int height = std::min(outerHeight, static_cast<int>(area.bottom - area.top));
    SetWindowPos(hwnd_, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    // Kept on the available area: moved back where the new size would reach past its edges.
    RECT outer;
    GetWindowRect(hwnd_, &outer);
    const int x = std::max(area.left, std::min(outer.left, area.right - (outer.right - outer.left)));
    const int y = std::max(area.top, std::min(outer.top, area.bottom - (outer.bottom - outer.top)));
    if (x != outer.left || y != outer.top)
        SetWindowPos(hwnd_, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    updateScrollBars();
}

void MainWindow::setWindowWidth(int twips) {
    RECT outer;
    GetWindowRect(hwnd_, &outer);
    const int width = twips / kTwipsPerPixel;
    contentWidth_ = std::max(1, width - static_cast<int>(decorations().cx));
    fitWindow(width, outer.bottom - outer.top);
}

void MainWindow::setWindowHeight(int twips) {
    RECT outer;
    GetWindowRect(hwnd_, &outer);
    const int height = twips / kTwipsPerPixel;
    contentHeight_ = std::max(1, height - static_cast<int>(decorations().cy));
    fitWindow(outer.right - outer.left, height);
}

void MainWindow::updateScrollBars() {
    if (!fraInfo) return;  // still being created
    // Showing one bar narrows the client and may call for the other: settle in two rounds.
    for (int round = 0; round < 2; ++round) {
        RECT client;
        GetClientRect(hwnd_, &client);
        SCROLLINFO info{};
        info.cbSize = sizeof info;
        info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
        info.nMax = contentWidth_ - 1;
        info.nPage = static_cast<UINT>(std::max(0L, client.right));
        info.nPos = scrollX_;
        SetScrollInfo(hwnd_, SB_HORZ, &info, TRUE);
        info.nMax = contentHeight_ - 1;
        info.nPage = static_cast<UINT>(std::max(0L, client.bottom));
        info.nPos = scrollY_;
        SetScrollInfo(hwnd_, SB_VERT, &info, TRUE);
    }
    scrollTo(scrollX_, scrollY_);
}

void MainWindow::scrollTo(int x, int y) {
    RECT client;
    GetClientRect(hwnd_, &client);
    x = std::max(0, std::min(x, contentWidth_ - static_cast<int>(client.right)));
    y = std::max(0, std::min(y, contentHeight_ - static_cast<int>(client.bottom)));
    SetScrollPos(hwnd_, SB_HORZ, x, TRUE);
    SetScrollPos(hwnd_, SB_VERT, y, TRUE);
    if (x == scrollX_ && y == scrollY_) return;
    const int dx = scrollX_ - x;
    const int dy = scrollY_ - y;
    scrollX_ = x;
    scrollY_ = y;
    // The frame moves with the canvas; the strips uncovered are painted from the canvas memory.
    ScrollWindowEx(hwnd_, dx, dy, nullptr, nullptr, nullptr, nullptr, SW_INVALIDATE | SW_SCROLLCHILDREN);
}

void MainWindow::onScroll(int bar, WORD request) {
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    GetScrollInfo(hwnd_, bar, &info);
    int position = info.nPos;
    const int page = static_cast<int>(info.nPage);
    switch (request) {
        case SB_LINEUP:
            position -= 16;
            break;
        case SB_LINEDOWN:
            position += 16;
            break;
        case SB_PAGEUP:
            position -= page;
            break;
        case SB_PAGEDOWN:
            position += page;
            break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION:
            position = info.nTrackPos;
            break;
        case SB_TOP:
            position = 0;
            break;
        case SB_BOTTOM:
            position = info.nMax;
            break;
        default:
            return;
    }
    if (bar == SB_HORZ)
        scrollTo(position, scrollY_);
    else
        scrollTo(scrollX_, position);
}

namespace {
POINT FramePosition(HWND frame) {
    RECT rect;
    GetWindowRect(frame, &rect);
    POINT topLeft{rect.left, rect.top};
    ScreenToClient(GetParent(frame), &topLeft);
    return topLeft;
}
}  // namespace

void MainWindow::setFrameLeft(int twips) {
    const POINT at = FramePosition(fraInfo);
    SetWindowPos(fraInfo, nullptr, static_cast<int>(std::lround(twips / double(kTwipsPerPixel))) - scrollX_, at.y, 0,
                 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void MainWindow::setFrameTop(double twips) {
    frameTopTwips_ = twips;
    const POINT at = FramePosition(fraInfo);
    SetWindowPos(fraInfo, nullptr, at.x, static_cast<int>(std::lround(twips / kTwipsPerPixel)) - scrollY_, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

int MainWindow::frameHeight() const {
    RECT rect;
    GetWindowRect(fraInfo, &rect);
    return (rect.bottom - rect.top) * kTwipsPerPixel;
}

frmDelete* MainWindow::deleteDialog() const {
    return deleteDialog_ && deleteDialog_->isOpen() ? deleteDialog_.get() : nullptr;
}

void MainWindow::showDeleteDialog() {
    // One dialog at a time: an open one is only brought forward, a closed one is loaded anew.
    if (!deleteDialog_ || !deleteDialog_->isOpen()) {
        deleteDialog_.reset();
        deleteDialog_ = std::make_unique<frmDelete>(editor_);
    }
    deleteDialog_->show();
}

}  // namespace vantrel
