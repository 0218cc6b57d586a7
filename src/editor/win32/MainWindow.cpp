#include "editor/win32/MainWindow.h"

#include <windowsx.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "editor/win32/ControlIds.h"
#include "editor/win32/MessageLoop.h"
#include "platform/WideText.h"
#include "ui/WindowDescriptions.h"

namespace vantrel::win32 {

namespace {

constexpr DWORD kMainWindowStyle =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

const WindowClass kMainWindowClass{L"VantrelMainWindow", LoadCursorW(nullptr, IDC_CROSS), nullptr, true};
const WindowClass kFrameClass{L"VantrelInfoFrame", nullptr, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1), false};

std::uint32_t WindowBackgroundColor() {
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    return PackColor(GetRValue(face), GetGValue(face), GetBValue(face));
}

// The menu bar of the description: each item shows its caption and, after a tab, its shortcut.
HMENU BuildMenuBar() {
    HMENU bar = CreateMenu();
    for (const ui::MenuDescription& menu : ui::MainMenuBar()) {
        HMENU popup = CreatePopupMenu();
        for (const ui::MenuItemDescription& item : menu.items) {
            if (item.separator()) {
                AppendMenuW(popup, MF_SEPARATOR, 0, nullptr);
                continue;
            }
            std::string text = item.caption;
            if (!item.shortcut.empty()) text += "\t" + ui::ShortcutText(item.shortcut);
            AppendMenuW(popup, MF_STRING, CommandId(item.command), Utf8ToWide(text).c_str());
        }
        AppendMenuW(bar, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(popup), Utf8ToWide(menu.caption).c_str());
    }
    return bar;
}

// The virtual key of a shortcut's key: letters and digits are their own.
WORD VirtualKey(char32_t key) {
    switch (key) {
        case ui::Shortcut::kEscape:
            return VK_ESCAPE;
        case ui::Shortcut::kF2:
            return VK_F2;
        case ui::Shortcut::kPlus:
        case ui::Shortcut::kEqual:
            return VK_OEM_PLUS;
        case ui::Shortcut::kMinus:
            return VK_OEM_MINUS;
        default:
            return static_cast<WORD>(key);
    }
}

// The control's place in its window's description, which gives its child identifier.
int IndexOf(const ui::WindowDescription& window, const ui::ControlDescription& control) {
    return static_cast<int>(&control - window.controls.data());
}

}  // namespace

// The coordinate frame. It takes presses on itself, so a press on it never reaches corner
// picking; it holds its own tab stops for the dialog navigation, and remembers the box that had
// the focus to give it back when the window is activated again.
class MainWindow::CoordinateFrame : public Window {
public:
    CoordinateFrame(MainWindow& owner, const RECT& place) : owner_(owner) {
        create(kFrameClass, WS_EX_CONTROLPARENT, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, place.left, place.top,
               place.right - place.left, place.bottom - place.top, owner.hwnd(),
               reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFrameId)));
    }
    ~CoordinateFrame() override { destroy(); }

private:
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        switch (message) {
            case WM_PAINT: {
                // The look of a frame without a caption: an etched edge around it.
                PAINTSTRUCT ps;
                HDC dc = BeginPaint(hwnd(), &ps);
                RECT area;
                GetClientRect(hwnd(), &area);
                DrawEdge(dc, &area, EDGE_ETCHED, BF_RECT);
                EndPaint(hwnd(), &ps);
                return 0;
            }
            case WM_LBUTTONDOWN:
            case WM_RBUTTONDOWN:
            case WM_MBUTTONDOWN:
                return 0;
            case WM_XBUTTONDOWN:
                return TRUE;
            case WM_COMMAND:
                if (HIWORD(wParam) == EN_SETFOCUS) owner_.focusedBox_ = reinterpret_cast<HWND>(lParam);
                if (HIWORD(wParam) == EN_CHANGE) owner_.refreshGamePreview();
                return 0;
        }
        return defaultHandling(message, wParam, lParam);
    }

    MainWindow& owner_;
};

MainWindow::MainWindow(UserInteraction* ui)
    : ownUi_(ui ? nullptr : std::make_unique<Win32UserInteraction>()),
      canvas_(WindowBackgroundColor()),
      editor_(ui ? *ui : *ownUi_, *this, canvas_),
      dpi_(WindowDpi(nullptr)),
      endProgram_([] { PostQuitMessage(0); }) {
    const ui::WindowDescription& description = ui::MainWindowDescription();
    // The design client area below the menu bar, scaled with the display.
    const ui::PixelRect client = ui::ToPixels(description.client, dpi_);
    contentWidth_ = client.width;
    contentHeight_ = client.height;
    HMENU menuBar = BuildMenuBar();
    RECT outer{0, 0, client.width, client.height};
    AdjustWindowRectEx(&outer, kMainWindowStyle, TRUE, 0);
    // The system places the window.
    create(kMainWindowClass, 0, Utf8ToWide(description.caption), kMainWindowStyle, CW_USEDEFAULT, CW_USEDEFAULT,
           outer.right - outer.left, outer.bottom - outer.top, nullptr, menuBar);
    if (ownUi_) ownUi_->setOwner(hwnd());
    frameFont_ = Font(ui::kDialogFont, dpi_);
    buildFrame();
    buildAccelerators();
    RegisterModelessWindow(hwnd());
    SetAcceleratorTarget(hwnd(), accelerators_);

    // Presenting progress while a texture paints: show what is painted so far, then let pending
    // window messages (menu commands, mouse presses) run.
    canvas_.setProgressHandler([this] {
        invalidateCanvas();
        UpdateWindow(hwnd());
        PumpPendingMessages();
    });

    editor_.Load();
}

MainWindow::~MainWindow() {
    canvas_.setProgressHandler(nullptr);
    deleteDialog_.reset();
    UnregisterModelessWindow(hwnd());
    ClearAcceleratorTarget(hwnd());
    fraInfo_.reset();
    destroy();
    if (accelerators_) DestroyAcceleratorTable(accelerators_);
}

void MainWindow::show(int showCommand) {
    if (!IsWindowVisible(hwnd())) PlaceStartPosition(hwnd());
    ShowWindow(hwnd(), showCommand);
    UpdateWindow(hwnd());
    SetFocus(focusedBox_ ? focusedBox_ : box(Box::Top));
}

void MainWindow::buildAccelerators() {
    std::vector<ACCEL> keys;
    for (const ui::MenuDescription& menu : ui::MainMenuBar())
        for (const ui::MenuItemDescription& item : menu.items) {
            if (item.separator() || item.shortcut.empty()) continue;
            BYTE flags = FVIRTKEY;
            if (item.shortcut.modifiers & ui::Shortcut::kCtrl) flags |= FCONTROL;
            if (item.shortcut.modifiers & ui::Shortcut::kShift) flags |= FSHIFT;
            if (item.shortcut.modifiers & ui::Shortcut::kAlt) flags |= FALT;
            keys.push_back(ACCEL{flags, VirtualKey(item.shortcut.key), CommandId(item.command)});
        }
    accelerators_ = CreateAcceleratorTableW(keys.data(), static_cast<int>(keys.size()));
}

void MainWindow::buildFrame() {
    const ui::WindowDescription& description = ui::MainWindowDescription();
    const ui::ControlDescription& frameDescription = description.control("fraInfo");
    fraInfo_ = std::make_unique<CoordinateFrame>(*this, ToRect(ui::ToPixels(frameDescription.place, dpi_)));
    controls_["fraInfo"] = fraInfo_->hwnd();

    // Created in tab order: the labels take no focus, the boxes follow in the order described.
    std::vector<const ui::ControlDescription*> inFrame;
    for (const ui::ControlDescription& control : description.controls)
        if (control.parent && std::string_view(control.parent) == "fraInfo") inFrame.push_back(&control);
    std::stable_sort(inFrame.begin(), inFrame.end(),
                     [](const auto* a, const auto* b) { return a->tabIndex < b->tabIndex; });
    for (const ui::ControlDescription* control : inFrame)
        controls_[control->name] = CreateControl(fraInfo_->hwnd(), *control,
                                                 kFrameControlIdBase + IndexOf(description, *control) - 1,
                                                 frameFont_.get(), dpi_);
    focusedBox_ = box(Box::Top);
}

HWND MainWindow::control(const std::string& name) const {
    const auto found = controls_.find(name);
    return found == controls_.end() ? nullptr : found->second;
}

LRESULT MainWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            // Menu items (0) and accelerators (1); Enter and Esc in a box (IDOK, IDCANCEL) do nothing.
            if (lParam == 0 && HIWORD(wParam) <= 1)
                if (const auto command = CommandFromId(LOWORD(wParam))) runCommand(*command);
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
            HDC dc = BeginPaint(hwnd(), &ps);
            paint(dc, ps.rcPaint);
            EndPaint(hwnd(), &ps);
            return 0;
        }
        case WM_PRINTCLIENT: {
            RECT area;
            GetClientRect(hwnd(), &area);
            paint(reinterpret_cast<HDC>(wParam), area);
            return 0;
        }
        case WM_SETFOCUS:
            SetFocus(focusedBox_ ? focusedBox_ : box(Box::Top));
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
    return defaultHandling(message, wParam, lParam);
}

void MainWindow::runCommand(ui::Command command) {
    switch (command) {
        case ui::Command::FileOpen:
            mnuFileOpen_Click();
            break;
        case ui::Command::FileSave:
            mnuFileSave_Click();
            break;
        case ui::Command::FileSaveAs:
            mnuFileSaveAs_Click();
            break;
        case ui::Command::FileExit:
            mnuFileExit_Click();
            break;
        case ui::Command::EditComplete:
            mnuEditComplete_Click();
            break;
        case ui::Command::EditBackground:
            mnuEditBackground_Click();
            break;
        case ui::Command::EditDelete:
            mnuEditDelete_Click();
            break;
        case ui::Command::HelpAbout:
            mnuHelpAbout_Click();
            break;
        case ui::Command::HelpOnline:
            mnuHelpOnline_Click();
            break;
        case ui::Command::FileOpenMapping:
            editor_.OpenMapping();
            break;
        case ui::Command::EditUndo:
            editor_.Undo();
            break;
        case ui::Command::EditRedo:
            editor_.Redo();
            break;
        case ui::Command::EditUpdate:
            editor_.UpdateEntry();
            break;
        case ui::Command::EditRename:
            editor_.RenameEntry();
            break;
        case ui::Command::EditClearCorners:
            editor_.ClearCorners();
            break;
        case ui::Command::ViewZoomIn:
            editor_.ZoomIn();
            break;
        case ui::Command::ViewZoomOut:
            editor_.ZoomOut();
            break;
        case ui::Command::ViewActualSize:
            editor_.ActualSize();
            break;
        case ui::Command::ViewShowEntries:
            editor_.ToggleShowEntries();
            break;
        case ui::Command::ViewEntryList:
            editor_.ShowEntryList();
            break;
        case ui::Command::ViewGamePreview:
            editor_.ShowGamePreview();
            break;
        case ui::Command::None:
            break;
    }
}

void MainWindow::mnuFileOpen_Click() {
    editor_.LoadUserFile();
    // Painted, or washed when the dialog was cancelled: either way the canvas changed.
    invalidateCanvas();
    refreshGamePreview();
}

void MainWindow::mnuFileExit_Click() {
    if (editor_.Exit()) endProgram_();
}

void MainWindow::mnuHelpAbout_Click() {
    if (onAbout) onAbout();
}

void MainWindow::mnuHelpOnline_Click() {
    if (onOnlineTutorial) onOnlineTutorial();
}

void MainWindow::onMouseDown(std::int16_t button, WPARAM keys, LPARAM position) {
    std::int16_t shift = 0;
    if (keys & MK_SHIFT) shift |= 1;
    if (keys & MK_CONTROL) shift |= 2;
    if (GetKeyState(VK_MENU) < 0) shift |= 4;
    // Client to content: the canvas may be scrolled. Texture pixels are device pixels at every
    // display resolution, 15 twips each.
    const int x = GET_X_LPARAM(position) + scrollX_;
    const int y = GET_Y_LPARAM(position) + scrollY_;
    editor_.MouseDown(button, shift, static_cast<float>(ui::PixelsToTwips(x)),
                      static_cast<float>(ui::PixelsToTwips(y)));
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

void MainWindow::invalidateCanvas() { InvalidateRect(hwnd(), nullptr, FALSE); }

HWND MainWindow::box(Box which) const {
    switch (which) {
        case Box::Top:
            return control("txtTop");
        case Box::Left:
            return control("txtLeft");
        case Box::Bottom:
            return control("txtBottom");
        case Box::Right:
            return control("txtRight");
    }
    return control("txtTop");
}

std::string MainWindow::boxText(Box which) const { return WindowTextUtf8(box(which)); }

void MainWindow::setBoxText(Box which, const std::string& text) { SetWindowTextUtf8(box(which), text); }

RECT MainWindow::availableArea() const {
    if (availableArea_) return *availableArea_;
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (GetMonitorInfoW(MonitorFromWindow(hwnd(), MONITOR_DEFAULTTONEAREST), &monitor)) return monitor.rcWork;
    RECT desktop{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &desktop, 0);
    return desktop;
}

SIZE MainWindow::decorations() const {
    RECT outer;
    GetWindowRect(hwnd(), &outer);
    const SIZE inner = clientWithoutBars();
    return SIZE{(outer.right - outer.left) - inner.cx, (outer.bottom - outer.top) - inner.cy};
}

SIZE MainWindow::clientWithoutBars() const {
    RECT client;
    GetClientRect(hwnd(), &client);
    const LONG_PTR style = GetWindowLongPtrW(hwnd(), GWL_STYLE);
    SIZE inner{client.right, client.bottom};
    if (style & WS_VSCROLL) inner.cx += GetSystemMetrics(SM_CXVSCROLL);
    if (style & WS_HSCROLL) inner.cy += GetSystemMetrics(SM_CYHSCROLL);
    return inner;
}

void MainWindow::fitWindow(int outerWidth, int outerHeight) {
    const RECT area = availableArea();
    const int width = std::min(outerWidth, static_cast<int>(area.right - area.left));
    const int height = std::min(outerHeight, static_cast<int>(area.bottom - area.top));
    SetWindowPos(hwnd(), nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    // Kept on the available area: moved back where the new size would reach past its edges.
    RECT outer;
    GetWindowRect(hwnd(), &outer);
    const int x = std::max(area.left, std::min(outer.left, area.right - (outer.right - outer.left)));
    const int y = std::max(area.top, std::min(outer.top, area.bottom - (outer.bottom - outer.top)));
    if (x != outer.left || y != outer.top)
        SetWindowPos(hwnd(), nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    updateScrollBars();
}

void MainWindow::setWindowWidth(int twips) {
    // A texture just opened shows from its top-left corner.
    scrollTo(0, 0);
    RECT outer;
    GetWindowRect(hwnd(), &outer);
    // Texture space: 15 twips to the device pixel at every display resolution. On a scaled
    // display the borders are wider than the core allows for: the window grows by the difference,
    // so that the texture still shows whole.
    int width = twips / ui::kTwipsPerPixel;
    contentWidth_ = std::max(1, width - static_cast<int>(decorations().cx));
    const int missing = std::max(0, editor_.intTextureWidth() - contentWidth_);
    contentWidth_ += missing;
    width += missing;
    fitWindow(width, outer.bottom - outer.top);
}

void MainWindow::setWindowHeight(int twips) {
    scrollTo(0, 0);
    RECT outer;
    GetWindowRect(hwnd(), &outer);
    // The title and menu bars grow with the display's scale too.
    int height = twips / ui::kTwipsPerPixel;
    contentHeight_ = std::max(1, height - static_cast<int>(decorations().cy));
    const int missing = std::max(0, editor_.intTextureHeight() - contentHeight_);
    contentHeight_ += missing;
    height += missing;
    fitWindow(outer.right - outer.left, height);
}

void MainWindow::updateScrollBars() {
    if (!fraInfo_ || updatingScrollBars_) return;  // still being created, or showing a bar now
    updatingScrollBars_ = true;
    // Which bars the content needs follows from the client area without bars: a bar is needed
    // where the content is larger than the client that is left once the other needed bar is in.
    const SIZE inner = clientWithoutBars();
    const int barWidth = GetSystemMetrics(SM_CXVSCROLL);
    const int barHeight = GetSystemMetrics(SM_CYHSCROLL);
    bool horizontal = contentWidth_ > inner.cx;
    bool vertical = contentHeight_ > inner.cy;
    if (horizontal && !vertical) vertical = contentHeight_ > inner.cy - barHeight;
    if (vertical && !horizontal) horizontal = contentWidth_ > inner.cx - barWidth;
    const int clientWidth = std::max(0, static_cast<int>(inner.cx) - (vertical ? barWidth : 0));
    const int clientHeight = std::max(0, static_cast<int>(inner.cy) - (horizontal ? barHeight : 0));

    // A bar whose page holds the whole range is hidden by the system.
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMax = contentWidth_ - 1;
    info.nPage = static_cast<UINT>(horizontal ? clientWidth : contentWidth_);
    info.nPos = horizontal ? scrollX_ : 0;
    SetScrollInfo(hwnd(), SB_HORZ, &info, TRUE);
    info.nMax = contentHeight_ - 1;
    info.nPage = static_cast<UINT>(vertical ? clientHeight : contentHeight_);
    info.nPos = vertical ? scrollY_ : 0;
    SetScrollInfo(hwnd(), SB_VERT, &info, TRUE);
    ShowScrollBar(hwnd(), SB_HORZ, horizontal);
    ShowScrollBar(hwnd(), SB_VERT, vertical);
    updatingScrollBars_ = false;
    scrollTo(scrollX_, scrollY_);
}

void MainWindow::scrollTo(int x, int y) {
    RECT client;
    GetClientRect(hwnd(), &client);
    x = std::max(0, std::min(x, contentWidth_ - static_cast<int>(client.right)));
    y = std::max(0, std::min(y, contentHeight_ - static_cast<int>(client.bottom)));
    SetScrollPos(hwnd(), SB_HORZ, x, TRUE);
    SetScrollPos(hwnd(), SB_VERT, y, TRUE);
    if (x == scrollX_ && y == scrollY_) return;
    const int dx = scrollX_ - x;
    const int dy = scrollY_ - y;
    scrollX_ = x;
    scrollY_ = y;
    // The frame moves with the canvas; the strips uncovered are painted from the canvas memory.
    ScrollWindowEx(hwnd(), dx, dy, nullptr, nullptr, nullptr, nullptr, SW_INVALIDATE | SW_SCROLLCHILDREN);
}

void MainWindow::onScroll(int bar, WORD request) {
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    GetScrollInfo(hwnd(), bar, &info);
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

void MainWindow::growToShowFrame() {
    if (dpi_ == ui::kStandardDpi) return;  // the frame is as large as the core counts on
    const RECT frame = ChildRect(this->frame());
    // The frame's edges in content coordinates, and where the unscaled frame would end.
    const ui::PixelRect designed = ui::ToPixels(ui::MainWindowDescription().control("fraInfo").place);
    const int right = frame.right + scrollX_;
    const int bottom = frame.bottom + scrollY_;
    const int designedRight = frame.left + scrollX_ + designed.width;
    const int designedBottom = frame.top + scrollY_ + designed.height;
    // Only the growth the scaling brings is added: what the core's own sizes leave out at the
    // standard resolution stays as it is there.
    const int extraWidth = std::max(0, right - std::max(contentWidth_, designedRight));
    const int extraHeight = std::max(0, bottom - std::max(contentHeight_, designedBottom));
    if (extraWidth == 0 && extraHeight == 0) return;
    contentWidth_ += extraWidth;
    contentHeight_ += extraHeight;
    RECT outer;
    GetWindowRect(hwnd(), &outer);
    fitWindow(outer.right - outer.left + extraWidth, outer.bottom - outer.top + extraHeight);
}

void MainWindow::setFrameLeft(int twips) {
    const RECT at = ChildRect(frame());
    SetWindowPos(frame(), nullptr, static_cast<int>(std::lround(twips / double(ui::kTwipsPerPixel))) - scrollX_,
                 at.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    growToShowFrame();
}

void MainWindow::setFrameTop(double twips) {
    frameTopTwips_ = twips;
    const RECT at = ChildRect(frame());
    SetWindowPos(frame(), nullptr, at.left, static_cast<int>(std::lround(twips / ui::kTwipsPerPixel)) - scrollY_, 0,
                 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    growToShowFrame();
}

int MainWindow::frameHeight() const {
    RECT rect;
    GetWindowRect(frame(), &rect);
    return ui::PixelsToTwips(rect.bottom - rect.top);
}

frmDelete* MainWindow::deleteDialog() const {
    return deleteDialog_ && deleteDialog_->isOpen() ? deleteDialog_.get() : nullptr;
}

void MainWindow::showDeleteDialog() {
    // One dialog at a time: an open one is only brought forward, a closed one is loaded anew.
    if (!deleteDialog_ || !deleteDialog_->isOpen()) {
        deleteDialog_.reset();
        deleteDialog_ = std::make_unique<frmDelete>(editor_, hwnd());
    }
    deleteDialog_->show();
}

void MainWindow::overlayChanged() { invalidateCanvas(); }

void MainWindow::zoomChanged(int /*oldPercent*/) { invalidateCanvas(); }

void MainWindow::showEntryList() {}

void MainWindow::showGamePreview() {
    if (!gamePreview_) gamePreview_ = std::make_unique<GamePreviewWindow>(editor_, hwnd());
    gamePreview_->refresh();
    gamePreview_->show();
}

void MainWindow::refreshGamePreview() {
    if (gamePreview_) gamePreview_->refresh();
}

}  // namespace vantrel::win32
