// Reopening a mapping and correcting it: the file's bytes survive open, save, delete and complete;
// undo and redo restore exactly; update, rename, clear and the View arithmetic.
#include <gtest/gtest.h>

#include <array>
#include <cctype>
#include <filesystem>
#include <fstream>

#include "EditorFixture.h"
#include "editor/DeleteDialogLogic.h"
#include "editor/Overlay.h"
#include "editor/Zoom.h"

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace vantrel::test {
namespace {

namespace fs = std::filesystem;
using Box = EditorView::Box;

std::string Block(const std::string& name, const std::string& end = "\r\n") {
    return "MappedImage " + name + end + "  Texture = Icons.tga" + end + "  Coords = Left:1 Top:2 Right:9 Bottom:8" +
           end + "End" + end;
}

// Files a modder may open, each with the byte ranges of its blocks. Every one must come back byte
// for byte, lose exactly one block on deletion and gain exactly one on completion.
struct FileCase {
    const char* what;
    std::string bytes;
};

std::vector<FileCase> AdversarialFiles() {
    std::string many;
    for (int k = 0; k < 12500; ++k) many += Block("Icon" + std::to_string(k));  // 50,000 lines
    many += many;  // 100,000 lines, every name twice
    return {
        {"CR LF", "; mine\r\n\r\n" + Block("A") + Block("B")},
        {"LF only", "; mine\n" + Block("A", "\n") + Block("B", "\n")},
        {"lone CR", Block("A", "\r") + Block("B", "\r")},
        {"no final line end", Block("A") + Block("B") + "; last"},
        {"no final line end after End", Block("A") + "MappedImage B\r\nEnd"},
        {"undefined 1252 bytes and controls", Block("A\x81\x8D\x8F\x90\x9D") + "; \x01\x7F\xFF\r\n" + Block("B")},
        {"NUL", Block("A") + std::string("; \0 nul\r\n", 9) + Block("B")},
        {"block without End", Block("A") + "MappedImage B\r\nCoords = Left:0 Top:0 Right:1 Bottom:1\r\n"},
        {"other blocks and unknown keys", "Object Tank\r\nEnd\r\n" + Block("A") + "Weird = 1\r\n" + Block("B")},
        {"100,000 lines", many},
        {"empty", ""},
    };
}

class RoundTrip : public EditorFixture, public ::testing::WithParamInterface<FileCase> {
protected:
    fs::path openFile(const std::string& bytes, const std::string& name = "Mapping.ini") {
        const fs::path path = temp / name;
        WriteBytes(path, std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
        ui.openAnswers.push_back(path.string());
        editor.OpenMapping();
        return path;
    }
    std::string fileText(const fs::path& path) { return ReadFileText(path); }
};

TEST_P(RoundTrip, OpenSaveDeleteCompleteUndo) {
    const FileCase& file = GetParam();
    const fs::path path = openFile(file.bytes);
    const MappingDocument& document = editor.document();
    ASSERT_EQ(document.Text(), file.bytes);
    EXPECT_TRUE(editor.blnSaved());
    EXPECT_TRUE(editor.Exit());  // nothing changed: nothing asked

    // Save writes to the opened file without asking, byte for byte.
    WriteBytes(path, {});
    editor.Save();
    EXPECT_EQ(fileText(path), file.bytes);
    EXPECT_EQ(ui.requests.size(), 1u + (ui.messages().empty() ? 0 : 1)) << "only the dialog and the game's stops";

    // Deleting entry k removes exactly its lines.
    for (int k = 1; k <= std::min(document.entryCount(), 3); ++k) {
        const DocumentEntry entry = document.entry(k);
        std::string expected;
        for (int l = 0; l < document.lineCount(); ++l)
            if (l < entry.firstLine || l >= entry.firstLine + entry.lineCount)
                expected += document.lines()[l].bytes + std::string(document.lines()[l].ending);
        editor.lngRemoveNumber() = k;
        editor.RemoveEntry();
        EXPECT_EQ(document.Text(), expected) << "entry " << k;
        EXPECT_FALSE(editor.blnSaved());
        editor.Undo();
        ASSERT_EQ(document.Text(), file.bytes);
        EXPECT_TRUE(editor.blnSaved()) << "undone back to the saved state";
    }

    // Completing appends the eight lines, after a CR LF where the last line had none.
    loadTexture(16, 16);
    completeEntry(3, 4, 7, 9, "Fresh");
    std::string added = file.bytes;
    if (!added.empty() && added.back() != '\n' && added.back() != '\r') added += "\r\n";
    for (const auto& line : MappingDocument::BlockLines("Fresh", "Icons.tga", 16, 16, {3, 4, 7, 9})) added += line + "\r\n";
    EXPECT_EQ(document.Text(), added);
    editor.Undo();
    EXPECT_EQ(document.Text(), file.bytes);
    EXPECT_TRUE(editor.blnSaved());
    editor.Redo();
    EXPECT_EQ(document.Text(), added);
    editor.Save();
    EXPECT_EQ(fileText(path), added);
}

INSTANTIATE_TEST_SUITE_P(Adversarial, RoundTrip, ::testing::ValuesIn(AdversarialFiles()),
                         [](const auto& info) {
                             std::string name;
                             for (const char c : std::string(info.param.what))
                                 if (std::isalnum(static_cast<unsigned char>(c))) name += c;
                             return name;
                         });

class SharedIni : public RoundTrip {};

TEST_F(SharedIni, RealModFilesComeBackByteForByteAndEveryBlockIsAnEntry) {
    SKIP_UNLESS_SHARED_TESTDATA();
    int files = 0;
    for (const auto& item : fs::directory_iterator(SharedTestDataDir() / "ini")) {
        std::string ext = item.path().extension().string();
        for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (ext != ".ini") continue;
        const std::string bytes = ReadFileText(item.path());
        ui.clear();
        openFile(bytes, "copy.ini");
        ++files;
        EXPECT_EQ(editor.document().Text(), bytes) << item.path();
        std::size_t blocks = 0;
        for (std::size_t at = bytes.find("MappedImage"); at != std::string::npos; at = bytes.find("MappedImage", at + 1))
            if (at == 0 || bytes[at - 1] == '\n') ++blocks;
        EXPECT_EQ(static_cast<std::size_t>(editor.document().entryCount()), blocks) << item.path();
        for (int k = 1; k <= editor.document().entryCount(); ++k)
            EXPECT_EQ(editor.document().name(k).rfind("MappedImage", 0), 0u) << item.path() << " entry " << k;
    }
    EXPECT_GT(files, 0);
}

using OpeningMapping = RoundTrip;

TEST_F(OpeningMapping, AsksAboutUnsavedWorkAndKeepsItUnlessTheAnswerAllows) {
    loadTexture(16, 16);
    completeEntry(0, 0, 3, 3, "Mine");
    const std::string mine = editor.document().Text();
    const fs::path other = temp / "Other.ini";
    WriteBytes(other, {'E', 'n', 'd'});

    ui.messageAnswers = {MessageResult::Cancel};
    editor.OpenMapping();
    EXPECT_EQ(editor.document().Text(), mine);

    // Yes with a cancelled Save As keeps the work too.
    ui.messageAnswers = {MessageResult::Yes};
    ui.saveAnswers = {std::nullopt};
    editor.OpenMapping();
    EXPECT_EQ(editor.document().Text(), mine);

    ui.clear();
    ui.messageAnswers = {MessageResult::Yes};
    ui.saveAnswers = {(temp / "Mine.ini").string()};
    ui.openAnswers = {other.string()};
    editor.OpenMapping();
    EXPECT_EQ(fileText(temp / "Mine.ini"), mine);
    EXPECT_EQ(editor.document().Text(), "End");
    const auto& dialog = ui.requests.at(2).file;
    EXPECT_EQ(dialog.title, "Open Mapping");
    EXPECT_EQ(dialog.filterDescription, "Ini File (*.ini)");
    EXPECT_EQ(dialog.filterPattern, "*.ini");
    EXPECT_TRUE(editor.showEntries());
    EXPECT_EQ(editor.strSaveFileName(), other.string());
    editor.Undo();  // a new history
    EXPECT_EQ(editor.document().Text(), "End");
}

TEST_F(OpeningMapping, RefusesWhatIsNoMappingFileAndKeepsTheDocument) {
    loadTexture(16, 16);
    completeEntry(0, 0, 3, 3, "Mine");
    editor.Save();  // cancelled Save As: still unsaved, so each refusal first asks (No)
    const std::string mine = editor.document().Text();
    std::vector<std::pair<std::string, std::string>> refused = {
        {(temp / "missing.ini").string(), ""},
        {temp.path().string(), "folder"},
    };
    {
        std::ofstream big(temp / "big.ini", std::ios::binary);
        big.seekp(static_cast<std::streamoff>(MappingDocument::kMaxFileBytes));
        big.put('x');
        refused.push_back({(temp / "big.ini").string(), "16 MiB"});
    }
#ifndef _WIN32
    ASSERT_EQ(::mkfifo((temp / "fifo.ini").c_str(), 0600), 0);
    refused.push_back({(temp / "fifo.ini").string(), "pipe"});
    refused.push_back({"/dev/zero", "device"});
#endif
    for (const auto& [path, reason] : refused) {
        ui.clear();
        ui.messageAnswers = {MessageResult::No};
        ui.openAnswers = {path};
        editor.OpenMapping();
        const auto messages = ui.messages();
        ASSERT_EQ(messages.size(), 2u) << path;
        EXPECT_EQ(messages[1].text.rfind("The mapping could not be opened from " + path, 0), 0u) << messages[1].text;
        EXPECT_NE(messages[1].text.find(reason), std::string::npos) << messages[1].text;
        EXPECT_EQ(editor.document().Text(), mine);
        EXPECT_FALSE(editor.blnSaved());
    }
}

TEST_F(OpeningMapping, SaysWhereTheGameWouldStop) {
    openFile("; top\r\n" + Block("A") + "MappedImage B\r\nTexture = x.tga\r\n");
    EXPECT_EQ(ui.onlyMessageText(),
              "The game would stop reading this file at start-up:\r\n"
              "Line 6: MappedImage 'B' has no End before the end of the file\r\n\r\n"
              "The file was opened as it is; nothing in it has been changed.");
    EXPECT_EQ(editor.document().entryCount(), 2);
}

TEST_F(OpeningMapping, DuplicatesAreTheGameNamesOfTheFile) {
    openFile("MappedImage  Tank ; the first\r\nEnd\r\n");
    loadTexture(16, 16);
    completeEntry(0, 0, 3, 3, "Tank");
    EXPECT_EQ(ui.messages().back().text, "Tank is already a image map name");
    EXPECT_EQ(editor.document().entryCount(), 1);
}

TEST_F(OpeningMapping, UpdateAndRenameChangeOneLineAndUndoExactly) {
    const std::string original = "MappedImage Tank ; keep\r\n  Texture = ICONS.TGA\r\n"
                                 "  Coords = Left:1 Top:2 Right:9 Bottom:8 ; mine\n"
                                 "End\r\nMappedImage Bare\r\nTexture = icons.tga\r\nEnd";
    const fs::path path = openFile(original);
    loadTexture(16, 16);
    editor.UpdateEntry();  // nothing selected: a message, nothing else
    EXPECT_EQ(ui.messages().size(), 1u);

    // Ctrl+press inside the outline selects (the texture is named in another case).
    editor.SelectEntryAt(9, 8);
    ASSERT_EQ(editor.selectedEntry(), 1);
    EXPECT_EQ(view.boxes.at(Box::Right), "9");
    view.setRectangle("0", "0", "15", "15");
    editor.UpdateEntry();
    ui.inputAnswers = {"Tiger 2"};
    editor.RenameEntry();
    EXPECT_EQ(ui.requests.back().defaultText, "Tank");
    const std::string changed = "MappedImage Tiger  ; keep\r\n  Texture = ICONS.TGA\r\n"
                                "  Coords = Left:0 Top:0 Right:15 Bottom:15 ; mine\n"
                                "End\r\nMappedImage Bare\r\nTexture = icons.tga\r\nEnd";
    EXPECT_EQ(editor.document().Text(), changed);
    EXPECT_EQ(editor.colNames().front(), "MappedImage Tiger  ; keep");

    // A block without Coords gets one before its End.
    editor.SelectEntry(2);
    view.setRectangle("1", "1", "2", "2");
    editor.UpdateEntry();
    EXPECT_EQ(editor.document().Text(), changed.substr(0, changed.size() - 3) +
                                            "Coords = Left:1 Top:1 Right:2 Bottom:2\r\nEnd");

    // Renaming to another entry's name is refused.
    editor.SelectEntry(1);
    ui.inputAnswers = {"Bare"};
    editor.RenameEntry();
    EXPECT_EQ(ui.messages().back().text, "Bare is already a image map name");

    for (int k = 0; k < 3; ++k) editor.Undo();
    EXPECT_EQ(editor.document().Text(), original);
    EXPECT_TRUE(editor.blnSaved());
    const std::size_t asked = ui.requests.size();
    editor.Undo();  // nothing left: no message
    EXPECT_EQ(ui.requests.size(), asked);
    for (int k = 0; k < 3; ++k) editor.Redo();
    editor.Redo();
    EXPECT_EQ(ui.requests.size(), asked);
    EXPECT_FALSE(editor.blnSaved());
    editor.Save();
    EXPECT_EQ(fileText(path), editor.document().Text());
    EXPECT_TRUE(editor.Exit());
}

TEST_F(OpeningMapping, ClearCornersLeavesTheMouseReadyForANewPick) {
    loadTexture(16, 16);
    press(1, 1);
    press(2, 2);
    press(5, 5);  // inert after two presses
    EXPECT_EQ(view.boxes.at(Box::Left), "1");
    editor.ClearCorners();
    EXPECT_TRUE(view.boxesEmpty());
    press(5, 6);
    EXPECT_EQ(view.boxes.at(Box::Left), "5");
    EXPECT_EQ(view.boxes.at(Box::Top), "6");
}

TEST_F(OpeningMapping, TheOverlayOutlinesWhatTheGameCuts) {
    openFile(Block("Other") + "MappedImage Cameo\r\nTexture = icons.TGA\r\nCoords = Left:64 Top:0 Right:127 Bottom:63\r\nEnd\r\n");
    loadTexture(128, 64);
    editor.ToggleShowEntries();  // Open Mapping turned it on; off again
    EXPECT_TRUE(OverlayShapes(editor).empty());
    editor.ToggleShowEntries();
    press(2, 3);
    const auto shapes = OverlayShapes(editor);
    ASSERT_EQ(shapes.size(), 3u);
    EXPECT_EQ(shapes[0].label, "Other");
    EXPECT_EQ((std::array{shapes[1].left, shapes[1].top, shapes[1].width, shapes[1].height}),
              (std::array{64, 0, 63, 63}));
    EXPECT_EQ(shapes[2].style, OverlayStyle::Corner);
    // Only what a view shows.
    EXPECT_EQ(OverlayShapes(editor, TexelRect{0, 40, 20, 20}).size(), 0u);
}

TEST(Zoom, StepsPicksAndAnchors) {
    EXPECT_EQ(ZoomedIn(100), 200);
    EXPECT_EQ(ZoomedIn(400), 600);
    EXPECT_EQ(ZoomedIn(1600), 1600);
    EXPECT_EQ(ZoomedOut(1200), 800);
    EXPECT_EQ(ZoomedOut(100), 100);
    struct Pick { int position, scroll, percent, pixel; };
    for (const Pick& p : {Pick{0, 0, 100, 0}, Pick{3, 0, 400, 0}, Pick{4, 0, 400, 1}, Pick{5, 398, 400, 100},
                          Pick{15, 16000, 1600, 1000}, Pick{1, 1, 300, 0}})
        EXPECT_EQ(TexturePixelAt(p.position, p.scroll, p.percent), p.pixel) << p.position << " " << p.percent;
    // The texture point under the anchor stays there: pixel 100 under x = 100 at 100 % and at 400 %.
    const int scroll = ScrollKeepingPoint(100, 0, 100, 400, 1024, 500);
    EXPECT_EQ(TexturePixelAt(100, scroll, 400), 100);
    EXPECT_EQ(ScrollKeepingPoint(0, 0, 400, 100, 1024, 500), 0);
    EXPECT_EQ(ScrollKeepingPoint(0, 3596, 400, 100, 1024, 500), 1024 - 500);  // clamped to the canvas
    const TexelSpan span = VisibleTexels(4000, 500, 1600, 1984);
    EXPECT_EQ(span.first, 250);
    EXPECT_EQ(span.count, 32);
}

}  // namespace
}  // namespace vantrel::test
