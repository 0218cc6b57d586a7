#include "support/ScriptedUserInteraction.h"

#include <gtest/gtest.h>

namespace vantrel::test {

namespace {
template <typename T>
std::optional<T> popOr(std::deque<T>& queue) {
    if (queue.empty()) return std::nullopt;
    T value = std::move(queue.front());
    queue.pop_front();
    return value;
}
}  // namespace

MessageResult ScriptedUserInteraction::messageBox(const MessageBoxRequest& request) {
    RecordedRequest r{RecordedRequest::Kind::MessageBox, request, {}, {}, {}, {}, 0};
    requests.push_back(r);
    if (auto answer = popOr(messageAnswers)) return *answer;
    return request.buttons == MessageButtons::Ok ? MessageResult::Ok : MessageResult::Cancel;
}

std::string ScriptedUserInteraction::inputBox(const std::string& prompt, const std::string& title,
                                              const std::string& defaultText) {
    requests.push_back({RecordedRequest::Kind::InputBox, {}, prompt, title, defaultText, {}, 0});
    return popOr(inputAnswers).value_or(std::string());
}

std::optional<std::string> ScriptedUserInteraction::openFileDialog(const FileDialogRequest& request) {
    requests.push_back({RecordedRequest::Kind::OpenDialog, {}, {}, {}, {}, request, 0});
    return popOr(openAnswers).value_or(std::nullopt);
}

std::optional<std::string> ScriptedUserInteraction::saveFileDialog(const FileDialogRequest& request) {
    requests.push_back({RecordedRequest::Kind::SaveDialog, {}, {}, {}, {}, request, 0});
    return popOr(saveAnswers).value_or(std::nullopt);
}

std::optional<std::uint32_t> ScriptedUserInteraction::colorDialog(std::uint32_t initialColor) {
    requests.push_back({RecordedRequest::Kind::ColorDialog, {}, {}, {}, {}, {}, initialColor});
    return popOr(colorAnswers).value_or(std::nullopt);
}

std::vector<MessageBoxRequest> ScriptedUserInteraction::messages() const {
    std::vector<MessageBoxRequest> result;
    for (const auto& r : requests)
        if (r.kind == RecordedRequest::Kind::MessageBox) result.push_back(r.message);
    return result;
}

std::string ScriptedUserInteraction::onlyMessageText() const {
    const auto shown = messages();
    EXPECT_EQ(shown.size(), 1u) << "expected exactly one message box";
    return shown.empty() ? std::string() : shown.front().text;
}

}  // namespace vantrel::test
