#pragma once

#include <string>
#include <vector>

#include "platform/UserInteraction.h"

// The user interaction of a command-line tool: nobody answers. Message boxes are kept (the
// Targa reader reports its failures through them) and answered Ok; every question is cancelled.
namespace vantrel::check {

class CapturingUserInteraction : public UserInteraction {
public:
    MessageResult messageBox(const MessageBoxRequest& request) override;
    std::string inputBox(const std::string& prompt, const std::string& title, const std::string& defaultText) override;
    std::optional<std::string> openFileDialog(const FileDialogRequest& request) override;
    std::optional<std::string> saveFileDialog(const FileDialogRequest& request) override;
    std::optional<std::uint32_t> colorDialog(std::uint32_t initialColor) override;

    const std::vector<std::string>& messages() const { return messages_; }

private:
    std::vector<std::string> messages_;
};

}  // namespace vantrel::check
