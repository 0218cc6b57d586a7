#pragma once

#include <windows.h>

#include "platform/UserInteraction.h"

// The platform's own message boxes, input box and common dialogs, owned by the main window.
namespace vantrel::win32 {

class Win32UserInteraction : public UserInteraction {
public:
    explicit Win32UserInteraction(HWND owner = nullptr) : owner_(owner) {}

    void setOwner(HWND owner) { owner_ = owner; }
    HWND owner() const { return owner_; }

    MessageResult messageBox(const MessageBoxRequest& request) override;
    std::string inputBox(const std::string& prompt, const std::string& title, const std::string& defaultText) override;
    std::optional<std::string> openFileDialog(const FileDialogRequest& request) override;
    std::optional<std::string> saveFileDialog(const FileDialogRequest& request) override;
    std::optional<std::uint32_t> colorDialog(std::uint32_t initialColor) override;

private:
    HWND owner_;
};

}  // namespace vantrel::win32
