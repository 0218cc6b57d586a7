// Loads every input as a Targa file, twice: once read in place from memory, with a second load
// attempted from the first progress presentation (it must be refused and change nothing), and once
// copied through the reader's buffer. Beyond the sanitizers' findings it stops on a load that shows
// more than one message or a message the reader does not have, and on two loads of the same bytes
// that paint or report differently.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

#include "targa/Canvas.h"
#include "targa/MemoryByteSource.h"
#include "targa/TargaReader.h"

namespace {

using namespace vantrel;

class RecordingUserInteraction : public UserInteraction {
public:
    int shown = 0;
    std::string lastText;
    MessageResult messageBox(const MessageBoxRequest& request) override {
        ++shown;
        lastText = request.text;
        if (request.title != "Error" || request.icon != MessageIcon::Critical) Fail("message box without the Error title or icon");
        return MessageResult::Ok;
    }
    std::string inputBox(const std::string&, const std::string&, const std::string&) override { return {}; }
    std::optional<std::string> openFileDialog(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<std::string> saveFileDialog(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<std::uint32_t> colorDialog(std::uint32_t) override { return std::nullopt; }

    [[noreturn]] static void Fail(const char* why) {
        std::fprintf(stderr, "targa fuzz: %s\n", why);
        std::abort();
    }
};

// Reads through the buffer: the source offers no in-place reading.
class CopyingSource : public ByteSource {
public:
    CopyingSource(const std::uint8_t* data, std::size_t size) : memory_(data, size) {}
    std::size_t read(std::uint8_t* destination, std::size_t n) override { return memory_.read(destination, n); }

private:
    MemoryByteSource memory_;
};

bool IsReaderMessage(const std::string& text) {
    static const std::string lead = "There was an error reading the file:\r\n";
    if (text == "This is not a valid TGA file." || text == "This image type is not supported." ||
        text == "We only support 8, 16, 24, and 32 bits per pixel.")
        return true;
    return text.size() > lead.size() && text.compare(0, lead.size(), lead) == 0 &&
           text.find_first_of("\r\n", lead.size()) == std::string::npos;
}

constexpr int kCanvasSize = 300;  // small, so that clipping at the canvas edges is met often
constexpr std::uint32_t kStart = PackColor(240, 240, 240);

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static Canvas inPlaceCanvas(kStart, kCanvasSize, kCanvasSize);
    static Canvas copiedCanvas(kStart, kCanvasSize, kCanvasSize);
    inPlaceCanvas.fill(kStart);
    copiedCanvas.fill(kStart);

    RecordingUserInteraction firstUi, nestedUi, copiedUi;
    std::int16_t width = 1111, height = 2222;
    bool nestedTried = false;
    inPlaceCanvas.setProgressHandler([&] {
        if (nestedTried) return;
        nestedTried = true;
        const std::int16_t widthBefore = width, heightBefore = height;
        MemoryByteSource nested(data, size);
        LoadTarga(nested, inPlaceCanvas, width, height, nestedUi);
        if (nestedUi.shown != 1 || width != widthBefore || height != heightBefore)
            RecordingUserInteraction::Fail("a load started during another was not refused cleanly");
    });
    MemoryByteSource inPlace(data, size);
    LoadTarga(inPlace, inPlaceCanvas, width, height, firstUi);
    inPlaceCanvas.setProgressHandler(nullptr);

    std::int16_t copiedWidth = 1111, copiedHeight = 2222;
    CopyingSource copied(data, size);
    LoadTarga(copied, copiedCanvas, copiedWidth, copiedHeight, copiedUi);

    if (firstUi.shown > 1 || copiedUi.shown > 1) RecordingUserInteraction::Fail("more than one message for one load");
    if (firstUi.shown == 1 && !IsReaderMessage(firstUi.lastText)) RecordingUserInteraction::Fail("unknown message");
    if (firstUi.shown != copiedUi.shown || firstUi.lastText != copiedUi.lastText || width != copiedWidth ||
        height != copiedHeight)
        RecordingUserInteraction::Fail("the two loads reported differently");
    if (std::memcmp(inPlaceCanvas.bits(), copiedCanvas.bits(), sizeof(std::uint32_t) * kCanvasSize * kCanvasSize) != 0)
        RecordingUserInteraction::Fail("the two loads painted differently");
    return 0;
}
