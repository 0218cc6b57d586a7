#include "check/CapturingUserInteraction.h"

namespace vantrel::check {

MessageResult CapturingUserInteraction::messageBox(const MessageBoxRequest& request) {
    messages_.push_back(request.text);
    return request.buttons == MessageButtons::Ok ? MessageResult::Ok : MessageResult::Cancel;
}

std::string CapturingUserInteraction::inputBox(const std::string&, const std::string&, const std::string&) {
    return {};
}

std::optional<std::string> CapturingUserInteraction::openFileDialog(const FileDialogRequest&) { return std::nullopt; }

std::optional<std::string> CapturingUserInteraction::saveFileDialog(const FileDialogRequest&) { return std::nullopt; }

std::optional<std::uint32_t> CapturingUserInteraction::colorDialog(std::uint32_t) { return std::nullopt; }

}  // namespace vantrel::check
