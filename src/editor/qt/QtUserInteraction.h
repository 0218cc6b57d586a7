#pragma once

#include <QPointer>
#include <QWidget>

#include "platform/UserInteraction.h"

// The user interaction of the Linux program (the Windows program has its own over the Win32 API):
// Qt's modal message box, input dialog, file dialogs and colour dialog, parented to the given
// window.
namespace vantrel {

class QtUserInteraction : public UserInteraction {
public:
    explicit QtUserInteraction(QWidget* parent = nullptr) : parent_(parent) {}

    MessageResult messageBox(const MessageBoxRequest& request) override;
    std::string inputBox(const std::string& prompt, const std::string& title, const std::string& defaultText) override;
    std::optional<std::string> openFileDialog(const FileDialogRequest& request) override;
    std::optional<std::string> saveFileDialog(const FileDialogRequest& request) override;
    std::optional<std::uint32_t> colorDialog(std::uint32_t initialColor) override;

private:
    QPointer<QWidget> parent_;
};

}  // namespace vantrel
