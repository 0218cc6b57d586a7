#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/UserInteraction.h"

// A UserInteraction for tests: records every request in order and answers from queues that the
// test fills beforehand. An unscripted message box answers Ok (Cancel for Yes/No/Cancel), an
// unscripted input box answers "", unscripted dialogs are cancelled.
namespace vantrel::test {

struct RecordedRequest {
    enum class Kind { MessageBox, InputBox, OpenDialog, SaveDialog, ColorDialog } kind;
    MessageBoxRequest message;    // MessageBox
    std::string prompt, title, defaultText;  // InputBox
    FileDialogRequest file;       // Open/Save
    std::uint32_t initialColor = 0;  // Color
};

class ScriptedUserInteraction : public UserInteraction {
public:
    std::deque<MessageResult> messageAnswers;
    std::deque<std::string> inputAnswers;
    std::deque<std::optional<std::string>> openAnswers;
    std::deque<std::optional<std::string>> saveAnswers;
    std::deque<std::optional<std::uint32_t>> colorAnswers;
    std::vector<RecordedRequest> requests;

    MessageResult messageBox(const MessageBoxRequest& request) override;
    std::string inputBox(const std::string& prompt, const std::string& title, const std::string& defaultText) override;
    std::optional<std::string> openFileDialog(const FileDialogRequest& request) override;
    std::optional<std::string> saveFileDialog(const FileDialogRequest& request) override;
    std::optional<std::uint32_t> colorDialog(std::uint32_t initialColor) override;

    // The message boxes shown so far, in order.
    std::vector<MessageBoxRequest> messages() const;
    // The text of the only message box shown; fails the test when there was not exactly one.
    std::string onlyMessageText() const;
    void clear() { requests.clear(); }
};

}  // namespace vantrel::test
