#include "editor/win32/Win32UserInteraction.h"

#include <commdlg.h>

#include <vector>

#include "editor/win32/ControlIds.h"
#include "platform/WideText.h"
#include "platform/win32/Window.h"
#include "ui/WindowDescriptions.h"

namespace vantrel::win32 {

namespace {

// The input box, realised from ui::InputBoxDescription(): modal to its owner, with Enter for OK
// and Esc, or the close control, for Cancel.
class InputBox : public Window {
public:
    InputBox(HWND owner, const std::string& prompt, const std::string& title, const std::string& defaultText)
        : owner_(owner) {
        const ui::WindowDescription& description = ui::InputBoxDescription();
        const int dpi = WindowDpi(owner);
        const ui::PixelRect client = ui::ToPixels(description.client, dpi);
        RECT outer{0, 0, client.width, client.height};
        AdjustWindowRectEx(&outer, kStyle, FALSE, kExStyle);
        create(kClass, kExStyle, Utf8ToWide(title), kStyle, CW_USEDEFAULT, CW_USEDEFAULT, outer.right - outer.left,
               outer.bottom - outer.top, owner);
        font_ = Font(ui::kDialogFont, dpi);
        const auto make = [&](const char* name, int id, DWORD style) {
            return CreateControl(hwnd(), description.control(name), id, font_.get(), dpi, style);
        };
        // Created in tab order after the prompt: the answer, OK, Cancel.
        SetWindowTextUtf8(make("lblPrompt", lblPromptId, 0), prompt);
        edit_ = make("txtInput", txtInputId, 0);
        make("cmdOK", IDOK, BS_DEFPUSHBUTTON);
        make("cmdCancel", IDCANCEL, 0);
        SetWindowTextUtf8(edit_, defaultText);
        SendMessageW(edit_, EM_SETSEL, 0, -1);
        PlaceStartPosition(hwnd(), owner);
    }
    ~InputBox() override { destroy(); }

    // Shows the box and handles the thread's messages until it is answered; the answer, or
    // nothing for Cancel.
    std::optional<std::wstring> run() {
        const bool ownerWasEnabled = owner_ && IsWindowEnabled(owner_);
        if (ownerWasEnabled) EnableWindow(owner_, FALSE);
        ShowWindow(hwnd(), SW_SHOWNORMAL);
        SetForegroundWindow(hwnd());
        SetFocus(edit_);
        MSG message;
        while (!done_ && isOpen()) {
            const BOOL got = GetMessageW(&message, nullptr, 0, 0);
            if (got == 0) {
                PostQuitMessage(static_cast<int>(message.wParam));  // for the main loop
                break;
            }
            if (got < 0) break;
            if (IsDialogMessageW(hwnd(), &message)) continue;
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        // The owner takes the activation back before the box goes, so no other window gets it.
        if (ownerWasEnabled) EnableWindow(owner_, TRUE);
        if (isOpen()) ShowWindow(hwnd(), SW_HIDE);
        return answer_;
    }

private:
    static constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
    static constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
    static inline const WindowClass kClass{L"VantrelInputBox", nullptr, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1),
                                           false};

    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        switch (message) {
            case DM_GETDEFID:
                return MAKELRESULT(IDOK, DC_HASDEFID);
            case WM_COMMAND:
                if (LOWORD(wParam) == IDOK) {
                    answer_ = WindowText(edit_);
                    done_ = true;
                } else if (LOWORD(wParam) == IDCANCEL) {
                    done_ = true;
                }
                return 0;
            case WM_CLOSE:
                done_ = true;
                return 0;
        }
        return defaultHandling(message, wParam, lParam);
    }

    HWND owner_;
    Font font_;
    HWND edit_ = nullptr;
    bool done_ = false;
    std::optional<std::wstring> answer_;
};

// The MessageBoxW style for a request: buttons, icon and default button.
UINT MessageBoxStyle(const MessageBoxRequest& request) {
    UINT style = MB_APPLMODAL | MB_SETFOREGROUND;
    if (request.buttons == MessageButtons::Ok) {
        style |= MB_OK;
    } else {
        style |= MB_YESNOCANCEL;
        style |= request.defaultButton == MessageResult::No       ? MB_DEFBUTTON2
                 : request.defaultButton == MessageResult::Cancel ? MB_DEFBUTTON3
                                                                  : MB_DEFBUTTON1;
    }
    switch (request.icon) {
        case MessageIcon::Information:
            style |= MB_ICONINFORMATION;
            break;
        case MessageIcon::Critical:
            style |= MB_ICONERROR;
            break;
        case MessageIcon::None:
            break;
    }
    return style;
}

// The filter of a file dialog: description and pattern, each NUL-terminated, then one more NUL.
std::wstring FilterString(const FileDialogRequest& request) {
    std::wstring filter = Utf8ToWide(request.filterDescription);
    filter.push_back(L'\0');
    filter += Utf8ToWide(request.filterPattern);
    filter.push_back(L'\0');
    filter.push_back(L'\0');
    return filter;
}

std::wstring DialogExtension(const std::string& extension) {
    // "ini", ".ini" and "*.ini" all mean the same to the dialog.
    std::string plain = extension;
    if (plain.rfind("*.", 0) == 0)
        plain.erase(0, 2);
    else if (plain.rfind('.', 0) == 0)
        plain.erase(0, 1);
    return Utf8ToWide(plain);
}

std::optional<std::string> RunFileDialog(HWND owner, const FileDialogRequest& request, bool save) {
    std::vector<wchar_t> path(32768, L'\0');
    const std::wstring filter = FilterString(request);
    const std::wstring title = Utf8ToWide(request.title);
    const std::wstring folder = Utf8ToWide(request.initialFolder);
    const std::wstring extension = DialogExtension(request.defaultExtension);

    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = path.data();
    dialog.nMaxFile = static_cast<DWORD>(path.size());
    dialog.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
    dialog.lpstrTitle = title.c_str();
    dialog.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
    // A typed name need not exist: the reader reports a missing file itself. The working folder
    // is left as it was.
    dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    if (save) dialog.Flags |= OFN_OVERWRITEPROMPT;
    const BOOL chosen = save ? GetSaveFileNameW(&dialog) : GetOpenFileNameW(&dialog);
    if (!chosen) return std::nullopt;
    return WideToUtf8(path.data());
}

}  // namespace

MessageResult Win32UserInteraction::messageBox(const MessageBoxRequest& request) {
    const int answer = MessageBoxW(owner_, Utf8ToWide(request.text).c_str(), Utf8ToWide(request.title).c_str(),
                                   MessageBoxStyle(request));
    if (request.buttons == MessageButtons::Ok) return MessageResult::Ok;
    switch (answer) {
        case IDYES:
            return MessageResult::Yes;
        case IDNO:
            return MessageResult::No;
        default:
            return MessageResult::Cancel;
    }
}

std::string Win32UserInteraction::inputBox(const std::string& prompt, const std::string& title,
                                           const std::string& defaultText) {
    InputBox box(owner_, prompt, title, defaultText);
    const auto answer = box.run();
    return answer ? WideToUtf8(*answer) : std::string();
}

std::optional<std::string> Win32UserInteraction::openFileDialog(const FileDialogRequest& request) {
    return RunFileDialog(owner_, request, false);
}

std::optional<std::string> Win32UserInteraction::saveFileDialog(const FileDialogRequest& request) {
    return RunFileDialog(owner_, request, true);
}

std::optional<std::uint32_t> Win32UserInteraction::colorDialog(std::uint32_t initialColor) {
    // The custom colours the user mixes stay for the rest of the session.
    static COLORREF customColors[16] = {
        RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
        RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
        RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
        RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255)};
    CHOOSECOLORW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner_;
    dialog.rgbResult = initialColor & 0xFFFFFFu;
    dialog.lpCustColors = customColors;
    dialog.Flags = CC_RGBINIT | CC_FULLOPEN;
    if (!ChooseColorW(&dialog)) return std::nullopt;
    return static_cast<std::uint32_t>(dialog.rgbResult & 0xFFFFFFu);
}

}  // namespace vantrel::win32
