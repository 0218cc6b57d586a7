#pragma once

#include <cstdint>
#include <optional>
#include <string>

// Everything the editor's commands and the Targa reader say to the user, and every answer they
// get back, passes through this interface. Each front end realises it with its own modal dialogs
// (the Qt layer with Qt's, the Win32 layer with the system's message boxes and common dialogs);
// tests realise it with scripted answers, so no command ever needs a real modal window to be tested.
// All texts are UTF-8.
namespace vantrel {

enum class MessageButtons { Ok, YesNoCancel };
enum class MessageIcon { None, Information, Critical };
enum class MessageResult { Ok, Yes, No, Cancel };

struct MessageBoxRequest {
    std::string text;
    MessageButtons buttons = MessageButtons::Ok;
    MessageIcon icon = MessageIcon::None;
    std::string title;
    // The button Enter presses. Ok for an Ok box; Yes for the Exit question.
    MessageResult defaultButton = MessageResult::Ok;
};

struct FileDialogRequest {
    std::string title;
    std::string filterDescription;  // "Targa (*.tga)"
    std::string filterPattern;      // "*.tga"
    std::string defaultExtension;   // "ini" for the save dialog, empty otherwise
    std::string initialFolder;      // already resolved to a folder that exists
};

class UserInteraction {
public:
    virtual ~UserInteraction() = default;

    // Modal message box; returns the button pressed (Cancel when closed by Esc or the close control
    // of a Yes/No/Cancel box, Ok for an Ok box however it is closed).
    virtual MessageResult messageBox(const MessageBoxRequest& request) = 0;

    // Modal input box; returns the empty string on Cancel.
    virtual std::string inputBox(const std::string& prompt, const std::string& title,
                                 const std::string& defaultText) = 0;

    // Modal open and save dialogs; nullopt when cancelled. The path may name a file that does not exist.
    virtual std::optional<std::string> openFileDialog(const FileDialogRequest& request) = 0;
    virtual std::optional<std::string> saveFileDialog(const FileDialogRequest& request) = 0;

    // Modal colour dialog. Colours are colour values: red + 256 * green + 65536 * blue.
    // nullopt when cancelled.
    virtual std::optional<std::uint32_t> colorDialog(std::uint32_t initialColor) = 0;

    // Convenience for the many Ok-only boxes.
    void message(const std::string& text, const std::string& title, MessageIcon icon = MessageIcon::None) {
        messageBox(MessageBoxRequest{text, MessageButtons::Ok, icon, title, MessageResult::Ok});
    }
};

}  // namespace vantrel
