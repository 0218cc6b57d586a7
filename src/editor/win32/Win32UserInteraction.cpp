#include "editor/win32/Win32UserInteraction.h"

#include <commdlg.h>

#include <cstring>
#include <vector>

#include "editor/win32/ControlIds.h"
#include "platform/WideText.h"

namespace vantrel::win32 {

namespace {

// The input box, laid out in dialog units: prompt top left, OK and Cancel on the right, the answer
// across the bottom.
class DialogTemplate {
public:
    DialogTemplate(DWORD style, short width, short height, const wchar_t* face, WORD pointSize) {
        DLGTEMPLATE header{};
        header.style = style;
        header.cx = width;
        header.cy = height;
        append(&header, sizeof header);
        word(0);  // no menu
        word(0);  // the standard dialog class
        word(0);  // caption set when the dialog starts
        word(pointSize);
        text(face);
        countOffset_ = offsetof(DLGTEMPLATE, cdit);
    }

    void control(DWORD style, short x, short y, short cx, short cy, WORD id, WORD atom, const wchar_t* caption,
                 DWORD exStyle = 0) {
        align();
        DLGITEMTEMPLATE item{};
        item.style = style | WS_CHILD | WS_VISIBLE;
        item.dwExtendedStyle = exStyle;
        item.x = x;
        item.y = y;
        item.cx = cx;
        item.cy = cy;
        item.id = id;
        append(&item, sizeof item);
        word(0xFFFF);
        word(atom);
        text(caption);
        word(0);  // no creation data
        WORD count = 0;
        std::memcpy(&count, bytes_.data() + countOffset_, sizeof count);
        ++count;
        std::memcpy(bytes_.data() + countOffset_, &count, sizeof count);
    }

    const DLGTEMPLATE* get() {
        align();
        return reinterpret_cast<const DLGTEMPLATE*>(bytes_.data());
    }

private:
    void append(const void* data, std::size_t size) {
        const auto* begin = static_cast<const unsigned char*>(data);
        bytes_.insert(bytes_.end(), begin, begin + size);
    }
    void word(WORD value) { append(&value, sizeof value); }
    void text(const wchar_t* value) { append(value, (std::wcslen(value) + 1) * sizeof(wchar_t)); }
    void align() {
        while (bytes_.size() % 4 != 0) bytes_.push_back(0);
    }

    std::vector<unsigned char> bytes_;
    std::size_t countOffset_ = 0;
};

constexpr WORD kButtonAtom = 0x0080;
constexpr WORD kEditAtom = 0x0081;
constexpr WORD kStaticAtom = 0x0082;

struct InputBoxState {
    std::wstring prompt, title, text;
    bool accepted = false;
};

INT_PTR CALLBACK InputBoxProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG: {
            auto* state = reinterpret_cast<InputBoxState*>(lParam);
            SetWindowLongPtrW(dialog, DWLP_USER, lParam);
            SetWindowTextW(dialog, state->title.c_str());
            SetDlgItemTextW(dialog, lblPromptId, state->prompt.c_str());
            HWND edit = GetDlgItem(dialog, txtInputId);
            SetWindowTextW(edit, state->text.c_str());
            SendMessageW(edit, EM_SETSEL, 0, -1);
            SetFocus(edit);
            return FALSE;  // the focus is set
        }
        case WM_COMMAND: {
            auto* state = reinterpret_cast<InputBoxState*>(GetWindowLongPtrW(dialog, DWLP_USER));
            const int id = LOWORD(wParam);
            if (id == IDOK) {
                HWND edit = GetDlgItem(dialog, txtInputId);
                std::wstring answer(static_cast<std::size_t>(GetWindowTextLengthW(edit)) + 1, L'\0');
                answer.resize(static_cast<std::size_t>(GetWindowTextW(edit, answer.data(), static_cast<int>(answer.size()))));
                state->text = answer;
                state->accepted = true;
                EndDialog(dialog, IDOK);
                return TRUE;
            }
            if (id == IDCANCEL) {
                EndDialog(dialog, IDCANCEL);
                return TRUE;
            }
            break;
        }
    }
    return FALSE;
}

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
    DialogTemplate layout(DS_MODALFRAME | DS_SETFONT | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU, 240, 92,
                          L"MS Shell Dlg", 8);
    layout.control(SS_LEFT | SS_NOPREFIX, 7, 7, 170, 56, lblPromptId, kStaticAtom, L"");
    layout.control(BS_DEFPUSHBUTTON | WS_TABSTOP, 184, 7, 50, 14, IDOK, kButtonAtom, L"OK");
    layout.control(BS_PUSHBUTTON | WS_TABSTOP, 184, 25, 50, 14, IDCANCEL, kButtonAtom, L"Cancel");
    layout.control(ES_LEFT | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 7, 70, 226, 14, txtInputId, kEditAtom, L"");

    InputBoxState state{Utf8ToWide(prompt), Utf8ToWide(title), Utf8ToWide(defaultText), false};
    DialogBoxIndirectParamW(GetModuleHandleW(nullptr), layout.get(), owner_, InputBoxProc,
                            reinterpret_cast<LPARAM>(&state));
    return state.accepted ? WideToUtf8(state.text) : std::string();
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
