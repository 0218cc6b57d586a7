#include "editor/win32/MainWindow.h"

#include <windowsx.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "editor/Overlay.h"
#include "editor/Zoom.h"
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
            AppendMenuW(popup, MF_STRING | MF_UNCHECKED, CommandId(item.command), Utf8ToWide(text).c_str());
        }
        AppendMenuW(bar, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(popup), Utf8ToWide(menu.caption).c_str());
    }
    return bar;
}

BYTE AcceleratorFlags(unsigned modifiers) {
    BYTE flags = FVIRTKEY;
    if (modifiers & ui::Shortcut::kCtrl) flags |= FCONTROL;
    if (modifiers & ui::Shortcut::kShift) flags |= FSHIFT;
    if (modifiers & ui::Shortcut::kAlt) flags |= FALT;
    return flags;
}

}  // namespace

std::vector<ACCEL> AcceleratorKeys(const ui::Shortcut& shortcut, WORD command) {
    if (shortcut.empty()) return {};
    const BYTE flags = AcceleratorFlags(shortcut.modifiers);
    switch (shortcut.key) {
        case ui::Shortcut::kEscape:
            return {ACCEL{flags, VK_ESCAPE, command}};
        case ui::Shortcut::kF2:
            return {ACCEL{flags, VK_F2, command}};
        case ui::Shortcut::kPlus:
            // The key that carries "+" on every layout (with Shift where "+" is its upper sign, as
            // on a US keyboard), and the keypad's.
            return {ACCEL{flags, VK_OEM_PLUS, command}, ACCEL{static_cast<BYTE>(flags | FSHIFT), VK_OEM_PLUS, command},
                    ACCEL{flags, VK_ADD, command}};
        case ui::Shortcut::kEqual:
            // "=" shares the "+" key on the layouts where it is typed without Shift.
            return {ACCEL{flags, VK_OEM_PLUS, command}};
        case ui::Shortcut::kMinus:
            return {ACCEL{flags, VK_OEM_MINUS, command}, ACCEL{flags, VK_SUBTRACT, command}};
        default:
            // Letters and digits are their own keys; a digit also on the keypad.
            if (shortcut.key >= '0' && shortcut.key <= '9')
                return {ACCEL{flags, static_cast<WORD>(shortcut.key), command},
                        ACCEL{flags, static_cast<WORD>(VK_NUMPAD0 + (shortcut.key - '0')), command}};
            return {ACCEL{flags, static_cast<WORD>(shortcut.key), command}};
    }
}

namespace {

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
                // The pending rectangle follows the values typed into the boxes.
                if (HIWORD(wParam) == EN_CHANGE && owner_.editor_.showEntries()) owner_.invalidateCanvas();
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
    labelFont_ = Font(ui::kDialogFont, dpi_);
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
    entryList_.reset();
    UnregisterModelessWindow(hwnd());
    ClearAcceleratorTarget(hwnd());
    fraInfo_.reset();
    releaseBackBuffer();
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
    // Each item's shortcut and its alternate; a key two of them give (Ctrl+"+" and Ctrl+"=" on
    // one key) goes in once.
    std::vector<ACCEL> keys;
    const auto add = [&keys](const std::vector<ACCEL>& more) {
        for (const ACCEL& key : more)
            if (std::none_of(keys.begin(), keys.end(),
                             [&](const ACCEL& k) { return k.fVirt == key.fVirt && k.key == key.key; }))
                keys.push_back(key);
    };
    for (const ui::MenuDescription& menu : ui::MainMenuBar())
        for (const ui::MenuItemDescription& item : menu.items) {
            if (item.separator()) continue;
            add(AcceleratorKeys(item.shortcut, CommandId(item.command)));
            add(AcceleratorKeys(item.alternate, CommandId(item.command)));
        }
    accelerators_ = CreateAcceleratorTableW(keys.data(), static_cast<int>(keys.size()));
}

void MainWindow::buildFrame() {
    const ui::WindowDescription& description = ui::MainWindowDescription();
    const ui::ControlDescription& frameDescription = description.control("fraInfo");
    const ui::PixelRect framePlace = ui::ToPixels(frameDescription.place, dpi_);
    frameContent_ = POINT{framePlace.left, framePlace.top};
    fraInfo_ = std::make_unique<CoordinateFrame>(*this, ToRect(framePlace));
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
            if (wParam != SIZE_MINIMIZED) {
                if (ZoomFactor(editor_.zoomPercent()) > 1) placeFrame();
                updateScrollBars();
            }
            return 0;
        case WM_HSCROLL:
            onScroll(SB_HORZ, LOWORD(wParam));
            return 0;
        case WM_VSCROLL:
            onScroll(SB_VERT, LOWORD(wParam));
            return 0;
        case WM_MOUSEWHEEL:
        case WM_MOUSEHWHEEL: {
            if (message == WM_MOUSEWHEEL && (GET_KEYSTATE_WPARAM(wParam) & MK_CONTROL)) {
                onControlWheel(wParam, lParam);
                return 0;
            }
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
    // Client to texture: the canvas may be scrolled and zoomed. At 100 % texture pixels are device
    // pixels at every display resolution, 15 twips each.
    const int percent = editor_.zoomPercent();
    const int x = TexturePixelAt(GET_X_LPARAM(position), scrollX_, percent);
    const int y = TexturePixelAt(GET_Y_LPARAM(position), scrollY_, percent);
    if (keys & MK_CONTROL) {
        // Ctrl+press selects the entry under the pointer instead of picking a corner.
        editor_.SelectEntryAt(x, y);
        return;
    }
    editor_.MouseDown(button, shift, static_cast<float>(ui::PixelsToTwips(x)),
                      static_cast<float>(ui::PixelsToTwips(y)));
}

bool MainWindow::onControlWheel(WPARAM wParam, LPARAM lParam) {
    POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    ScreenToClient(hwnd(), &at);
    RECT client;
    GetClientRect(hwnd(), &client);
    const RECT frame = ChildRect(this->frame());
    // Over the canvas only: not over the frame, nor over the scroll bars.
    if (!PtInRect(&client, at) || PtInRect(&frame, at)) return false;
    const int delta = GET_WHEEL_DELTA_WPARAM(wParam);
    if (delta == 0) return false;
    zoomAnchor_ = at;
    editor_.ZoomBy(delta > 0 ? 1 : -1);
    zoomAnchor_.reset();
    return true;
}

SIZE MainWindow::pictureSize() const {
    return SIZE{std::clamp<int>(editor_.intTextureWidth(), 0, canvas_.width()),
                std::clamp<int>(editor_.intTextureHeight(), 0, canvas_.height())};
}

bool MainWindow::ensureBackBuffer(int width, int height) {
    if (bufferDc_ && width <= bufferSize_.cx && height <= bufferSize_.cy) return true;
    // Grown to the client area (and never shrunk), so that sizing the window by hand does not
    // make one each time.
    RECT client;
    GetClientRect(hwnd(), &client);
    const int newWidth = std::max({width, static_cast<int>(client.right), static_cast<int>(bufferSize_.cx)});
    const int newHeight = std::max({height, static_cast<int>(client.bottom), static_cast<int>(bufferSize_.cy)});
    releaseBackBuffer();
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = newWidth;
    info.bmiHeader.biHeight = -newHeight;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HDC screen = GetDC(hwnd());
    bufferDc_ = CreateCompatibleDC(screen);
    bufferBitmap_ = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    ReleaseDC(hwnd(), screen);
    if (!bufferDc_ || !bufferBitmap_ || !bits) {
        releaseBackBuffer();
        return false;
    }
    bufferBits_ = static_cast<std::uint32_t*>(bits);
    bufferSize_ = SIZE{newWidth, newHeight};
    bufferOldBitmap_ = SelectObject(bufferDc_, bufferBitmap_);
    SelectObject(bufferDc_, labelFont_.get());
    return true;
}

void MainWindow::releaseBackBuffer() {
    if (bufferDc_ && bufferOldBitmap_) SelectObject(bufferDc_, bufferOldBitmap_);
    if (bufferBitmap_) DeleteObject(bufferBitmap_);
    if (bufferDc_) DeleteDC(bufferDc_);
    bufferDc_ = nullptr;
    bufferBitmap_ = nullptr;
    bufferOldBitmap_ = nullptr;
    bufferBits_ = nullptr;
    bufferSize_ = SIZE{0, 0};
}

void MainWindow::paint(HDC target, const RECT& requested) {
    // Only the client area is ever drawn: a larger area (a printing request) is cut to it.
    RECT client;
    GetClientRect(hwnd(), &client);
    RECT area;
    if (!IntersectRect(&area, &requested, &client)) return;
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    // Drawn off screen and shown at once, so the overlay never flickers over the texture. The
    // buffer is a DIB section in client coordinates: the texels are written into it directly.
    if (!ensureBackBuffer(area.right, area.bottom)) return;
    HDC dc = bufferDc_;
    GdiFlush();  // the pixels are written by hand below: earlier drawing must have landed
    RECT canvasArea{};
    paintCanvas(area, canvasArea);
    // Beyond the canvas (a window stretched past it by hand, or a zoomed texture's end) the
    // window's own background shows.
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
    // The overlay is cut to the area: what lies outside it on the screen is already right.
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, area.left, area.top, area.right, area.bottom);
    paintOverlay(dc, area);
    RestoreDC(dc, saved);

    BitBlt(target, area.left, area.top, width, height, dc, area.left, area.top, SRCCOPY);
}

void MainWindow::paintCanvas(const RECT& area, RECT& drawn) {
    const int percent = editor_.zoomPercent();
    const int z = ZoomFactor(percent);
    const std::size_t stride = static_cast<std::size_t>(bufferSize_.cx);
    if (z == 1) {
        // The canvas memory (the texture, or the wash around it) moved by the scroll position,
        // row by row: its pixels are the buffer's.
        drawn = RECT{-scrollX_, -scrollY_, canvas_.width() - scrollX_, canvas_.height() - scrollY_};
        RECT shown;
        if (!IntersectRect(&shown, &area, &drawn)) return;
        const std::size_t count = static_cast<std::size_t>(shown.right - shown.left);
        for (int y = shown.top; y < shown.bottom; ++y)
            std::copy_n(canvas_.row(y + scrollY_) + (shown.left + scrollX_), count,
                        bufferBits_ + static_cast<std::size_t>(y) * stride + shown.left);
        return;
    }
    const SIZE picture = pictureSize();
    // The zoomed texture in client coordinates; only the texels the area shows are read.
    drawn = RECT{-scrollX_, -scrollY_, static_cast<int>(picture.cx) * z - scrollX_,
                 static_cast<int>(picture.cy) * z - scrollY_};
    const int left = std::max(static_cast<int>(area.left), static_cast<int>(drawn.left));
    const int right = std::min(static_cast<int>(area.right), static_cast<int>(drawn.right));
    const int top = std::max(static_cast<int>(area.top), static_cast<int>(drawn.top));
    const int bottom = std::min(static_cast<int>(area.bottom), static_cast<int>(drawn.bottom));
    if (left >= right || top >= bottom) return;
    // Each texel a z x z square, never smoothed: one device row is built from its texel row and
    // copied to the rows below it that show the same texels.
    const int firstTexel = TexturePixelAt(left, scrollX_, percent);
    int builtFor = -1;
    const std::uint32_t* built = nullptr;
    for (int y = top; y < bottom; ++y) {
        std::uint32_t* out = bufferBits_ + static_cast<std::size_t>(y) * stride + left;
        const int texelRow = TexturePixelAt(y, scrollY_, percent);
        if (texelRow == builtFor) {
            std::copy(built, built + (right - left), out);
            continue;
        }
        const std::uint32_t* in = canvas_.row(texelRow);
        // The first texel may show partly; the others z device pixels each.
        int x = left;
        int texel = firstTexel;
        while (x < right) {
            const int end = std::min(right, (texel + 1) * z - scrollX_);
            std::fill(out + (x - left), out + (end - left), in[texel]);
            x = end;
            ++texel;
        }
        builtFor = texelRow;
        built = out;
    }
}

namespace {

COLORREF ToColorRef(std::uint32_t rgb) { return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF); }

// The one-pixel outline of a rectangle, in a solid colour.
void Outline(HDC dc, const RECT& rect, HBRUSH brush) {
    if (rect.right <= rect.left || rect.bottom <= rect.top) return;
    FrameRect(dc, &rect, brush);
}

}  // namespace

void MainWindow::paintOverlay(HDC dc, const RECT& area) {
    const int percent = editor_.zoomPercent();
    const int z = ZoomFactor(percent);
    const SIZE picture = pictureSize();
    HGDIOBJ oldFont = SelectObject(dc, labelFont_.get());
    // A name's box reaches up to its height above an outline (or below the outline's top, where
    // the texture's edge puts it inside) and as far right as the name is long: the shapes asked
    // for are those whose outline or name can reach into the area, so that a scroll that shows a
    // strip never leaves half a name in it.
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    std::size_t longestName = 0;
    for (const std::string& name : editor_.colNames()) longestName = std::max(longestName, name.size());
    const int labelHeight = static_cast<int>(metrics.tmHeight) + 4;
    const int labelWidth = static_cast<int>(longestName) * static_cast<int>(metrics.tmMaxCharWidth) + 8;
    const TexelSpan columns =
        VisibleTexels(scrollX_ + area.left - 3, area.right - area.left + 3 + labelWidth, percent,
                      std::max(1, static_cast<int>(picture.cx)));
    const TexelSpan rows = VisibleTexels(scrollY_ + area.top - labelHeight, area.bottom - area.top + 2 * labelHeight,
                                         percent, std::max(1, static_cast<int>(picture.cy)));
    const TexelRect visible{columns.first, rows.first, std::max(1, columns.count), std::max(1, rows.count)};
    const std::vector<OverlayShape> shapes = OverlayShapes(editor_, visible);
    if (shapes.empty()) {
        SelectObject(dc, oldFont);
        return;
    }

    // One pair of brushes per style, made when first needed.
    struct Brushes {
        HBRUSH halo = nullptr;
        HBRUSH line = nullptr;
    };
    Brushes brushes[4];
    SetBkMode(dc, OPAQUE);
    for (const OverlayShape& shape : shapes) {
        const OverlayColours colours = ColoursFor(shape.style);
        Brushes& brush = brushes[static_cast<int>(shape.style) & 3];
        if (!brush.halo) {
            brush.halo = CreateSolidBrush(ToColorRef(colours.halo));
            brush.line = CreateSolidBrush(ToColorRef(colours.line));
        }
        // The texels the game cuts, in client pixels: the line runs on their outermost device
        // pixels, a halo pixel on either side of it. A rectangle the game cuts nothing of is a
        // line one device pixel wide; a corner marker rings its texel.
        RECT rect{shape.left * z - scrollX_, shape.top * z - scrollY_, (shape.left + shape.width) * z - scrollX_,
                  (shape.top + shape.height) * z - scrollY_};
        rect.right = std::max(rect.right, rect.left + 1);
        rect.bottom = std::max(rect.bottom, rect.top + 1);
        if (shape.style == OverlayStyle::Corner) InflateRect(&rect, 2, 2);
        RECT outer = rect;
        InflateRect(&outer, 1, 1);
        RECT inner = rect;
        InflateRect(&inner, -1, -1);
        RECT reached;
        if (IntersectRect(&reached, &outer, &area)) {
            Outline(dc, outer, brush.halo);
            Outline(dc, inner, brush.halo);
            Outline(dc, rect, brush.line);
        }

        if (shape.label.empty()) continue;
        // The name on its own box, just above the outline's top-left corner; inside the outline
        // where the texture's top edge leaves no room above it.
        const std::wstring text = Utf8ToWide(shape.label);
        SIZE extent{};
        GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
        RECT box{outer.left, outer.top - extent.cy - 2, outer.left + extent.cx + 4, outer.top};
        if (box.top < -scrollY_) OffsetRect(&box, 0, inner.top + 1 - box.top);
        if (!IntersectRect(&reached, &box, &area)) continue;
        SetBkColor(dc, ToColorRef(colours.labelBack));
        SetTextColor(dc, ToColorRef(colours.text));
        ExtTextOutW(dc, box.left + 2, box.top + 1, ETO_OPAQUE, &box, text.c_str(), static_cast<UINT>(text.size()),
                    nullptr);
    }
    for (const Brushes& brush : brushes) {
        if (brush.halo) DeleteObject(brush.halo);
        if (brush.line) DeleteObject(brush.line);
    }
    SelectObject(dc, oldFont);
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
    const SIZE content = contentSize();
    const int contentWidth = static_cast<int>(content.cx);
    const int contentHeight = static_cast<int>(content.cy);
    const int barWidth = GetSystemMetrics(SM_CXVSCROLL);
    const int barHeight = GetSystemMetrics(SM_CYHSCROLL);
    bool horizontal = contentWidth > inner.cx;
    bool vertical = contentHeight > inner.cy;
    if (horizontal && !vertical) vertical = contentHeight > inner.cy - barHeight;
    if (vertical && !horizontal) horizontal = contentWidth > inner.cx - barWidth;
    const int clientWidth = std::max(0, static_cast<int>(inner.cx) - (vertical ? barWidth : 0));
    const int clientHeight = std::max(0, static_cast<int>(inner.cy) - (horizontal ? barHeight : 0));

    // A bar whose page holds the whole range is hidden by the system.
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMax = contentWidth - 1;
    info.nPage = static_cast<UINT>(horizontal ? clientWidth : contentWidth);
    info.nPos = horizontal ? scrollX_ : 0;
    SetScrollInfo(hwnd(), SB_HORZ, &info, TRUE);
    info.nMax = contentHeight - 1;
    info.nPage = static_cast<UINT>(vertical ? clientHeight : contentHeight);
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
    const SIZE content = contentSize();
    x = std::max(0, std::min(x, static_cast<int>(content.cx) - static_cast<int>(client.right)));
    y = std::max(0, std::min(y, static_cast<int>(content.cy) - static_cast<int>(client.bottom)));
    SetScrollPos(hwnd(), SB_HORZ, x, TRUE);
    SetScrollPos(hwnd(), SB_VERT, y, TRUE);
    if (x == scrollX_ && y == scrollY_) return;
    const int dx = scrollX_ - x;
    const int dy = scrollY_ - y;
    scrollX_ = x;
    scrollY_ = y;
    if (ZoomFactor(editor_.zoomPercent()) == 1) {
        // The frame moves with the canvas; the strips uncovered are painted from the canvas memory.
        ScrollWindowEx(hwnd(), dx, dy, nullptr, nullptr, nullptr, nullptr, SW_INVALIDATE | SW_SCROLLCHILDREN);
    } else {
        // The canvas moves and only the strips it uncovers are drawn anew; the frame stays where
        // it is, so the copy of the frame the move carried onto the canvas is drawn over too.
        ScrollWindowEx(hwnd(), dx, dy, nullptr, nullptr, nullptr, nullptr, SW_INVALIDATE);
        RECT carried = ChildRect(frame());
        OffsetRect(&carried, dx, dy);
        InvalidateRect(hwnd(), &carried, FALSE);
    }
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
    frameContent_.x = static_cast<int>(std::lround(twips / double(ui::kTwipsPerPixel)));
    placeFrame();
    growToShowFrame();
}

void MainWindow::setFrameTop(double twips) {
    frameTopTwips_ = twips;
    frameContent_.y = static_cast<int>(std::lround(twips / ui::kTwipsPerPixel));
    placeFrame();
    growToShowFrame();
}

SIZE MainWindow::contentSize() const {
    const int z = ZoomFactor(editor_.zoomPercent());
    if (z == 1) return SIZE{contentWidth_, contentHeight_};
    const SIZE picture = pictureSize();
    const SIZE inner = clientWithoutBars();
    const POINT frame = zoomedFramePlace();
    // Room to the right of the zoomed texture: its last column can be scrolled to the frame's left.
    return SIZE{std::max(1, static_cast<int>(picture.cx) * z + std::max(0, static_cast<int>(inner.cx - frame.x))),
                std::max(1, static_cast<int>(picture.cy) * z)};
}

POINT MainWindow::zoomedFramePlace() const {
    // Where the editor put it at 100 %, moved in to show whole beside whichever scroll bars may show.
    const RECT frame = ChildRect(this->frame());
    const SIZE inner = clientWithoutBars();
    const int mostX = static_cast<int>(inner.cx) - GetSystemMetrics(SM_CXVSCROLL) - (frame.right - frame.left);
    const int mostY = static_cast<int>(inner.cy) - GetSystemMetrics(SM_CYHSCROLL) - (frame.bottom - frame.top);
    return POINT{std::max(0, std::min(static_cast<int>(frameContent_.x), mostX)),
                 std::max(0, std::min(static_cast<int>(frameContent_.y), mostY))};
}

void MainWindow::placeFrame() {
    const POINT at = ZoomFactor(editor_.zoomPercent()) == 1 ? POINT{frameContent_.x - scrollX_, frameContent_.y - scrollY_}
                                                             : zoomedFramePlace();
    SetWindowPos(frame(), nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
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

void MainWindow::overlayChanged() {
    invalidateCanvas();
    updateCheckMarks();
    if (entryList_) entryList_->refresh();
}

void MainWindow::zoomChanged(int oldPercent) {
    const int percent = editor_.zoomPercent();
    RECT client;
    GetClientRect(hwnd(), &client);
    // The texture point under the cursor (Ctrl+wheel) or at the view's centre (the menu) stays.
    const POINT anchor = zoomAnchor_.value_or(POINT{client.right / 2, client.bottom / 2});
    const POINT from{scrollX_, scrollY_};
    const SIZE picture = pictureSize();
    const int z = ZoomFactor(percent);
    // Twice: the scroll bars the new zoom shows or hides change the view the point is kept in.
    for (int pass = 0; pass < 2; ++pass) {
        GetClientRect(hwnd(), &client);
        // The content reaches past the zoomed texture (the frame's room): the view counts as
        // smaller by that much, so that the scroll is clamped to the content, not the texture.
        const SIZE content = contentSize();
        const int beyondX = static_cast<int>(content.cx) - static_cast<int>(picture.cx) * z;
        const int beyondY = static_cast<int>(content.cy) - static_cast<int>(picture.cy) * z;
        scrollX_ = ScrollKeepingPoint(anchor.x, from.x, oldPercent, percent, static_cast<int>(picture.cx),
                                      client.right - beyondX);
        scrollY_ = ScrollKeepingPoint(anchor.y, from.y, oldPercent, percent, static_cast<int>(picture.cy),
                                      client.bottom - beyondY);
        placeFrame();
        updateScrollBars();
    }
    invalidateCanvas();
}

void MainWindow::updateCheckMarks() {
    HMENU bar = GetMenu(hwnd());
    for (const ui::MenuDescription& menu : ui::MainMenuBar())
        for (const ui::MenuItemDescription& item : menu.items) {
            if (!item.checkable) continue;
            const bool checked = item.command == ui::Command::ViewShowEntries && editor_.showEntries();
            CheckMenuItem(bar, CommandId(item.command), MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
        }
}

void MainWindow::showEntryList() {
    if (!entryList_ || !entryList_->isOpen()) entryList_ = std::make_unique<EntryListWindow>(editor_, hwnd());
    entryList_->refresh();
    entryList_->show();
}

void MainWindow::showGamePreview() {
    if (!gamePreview_) gamePreview_ = std::make_unique<GamePreviewWindow>(editor_, hwnd());
    gamePreview_->refresh();
    gamePreview_->show();
}

void MainWindow::refreshGamePreview() {
    if (gamePreview_) gamePreview_->refresh();
}

}  // namespace vantrel::win32
