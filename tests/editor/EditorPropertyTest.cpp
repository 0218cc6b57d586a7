// Random sequences of picks, completions, deletions, undos, redos and saves, checked after every
// step against a plain model of the document: the name list agrees with the block starts, the
// entries agree with what opening the document's text finds, and a saved file is exactly the
// model's text.
#include <gtest/gtest.h>

#include <unistd.h>

#include <random>

#include "EditorFixture.h"
#include "editor/DeleteDialogLogic.h"
#include "editor/EntryText.h"

namespace vantrel::test {
namespace {

struct ModelEntry {
    std::string name;
    EntryRectangle rectangle;
};

class Model {
public:
    std::vector<ModelEntry> entries;
    std::vector<std::vector<ModelEntry>> undone, redone;

    void change() {
        undone.push_back(entries);
        redone.clear();
    }
    void undo() {
        if (undone.empty()) return;
        redone.push_back(entries);
        entries = undone.back();
        undone.pop_back();
    }
    void redo() {
        if (redone.empty()) return;
        undone.push_back(entries);
        entries = redone.back();
        redone.pop_back();
    }
    int picks = 0;
    int firstX = 0, firstY = 0, secondX = 0, secondY = 0;

    std::string text(int width, int height) const {
        std::string text;
        for (const auto& line : MappingDocument::HeaderLines()) text += line + "\r\n";
        for (const auto& entry : entries) {
            text += "MappedImage " + entry.name + "\r\nTexture = Icons.tga\r\nTextureWidth = " +
                    std::to_string(width) + "\r\nTextureHeight = " + std::to_string(height) + "\r\n";
            const auto& r = entry.rectangle;
            text += "Coords = Left:" + std::to_string(r.left) + " Top:" + std::to_string(r.top) +
                    " Right:" + std::to_string(r.right) + " Bottom:" + std::to_string(r.bottom) + "\r\n";
            text += "Status = NONE\r\nEnd\r\n \r\n";
        }
        return text;
    }
};

std::filesystem::path FastTempFolder() {
    // Each save flushes to disk; on a memory file system that costs nothing.
    std::error_code error;
    if (std::filesystem::is_directory("/dev/shm", error)) return "/dev/shm";
    return std::filesystem::temp_directory_path();
}

TEST_F(EditorFixture, RandomSequencesKeepTheDocumentConsistent) {
    constexpr int kWidth = 32, kHeight = 16;
    loadTexture(kWidth, kHeight);
    const auto savePath = FastTempFolder() / ("vantrel-property-" + std::to_string(::getpid()) + ".ini");
    const std::vector<std::string> names = {"A", "B", "a", "A b", "Tank one", "Tank", "C", "", "Tank two"};

    std::mt19937 random(20261208);
    std::uniform_int_distribution<int> percent(0, 99);
    int checkedSaves = 0;
    int completed = 0;

    for (int sequence = 0; sequence < 10000; ++sequence) {
        // Each sequence starts from a fresh document, as a new start of the program does.
        ScriptedUserInteraction seqUi;
        FakeEditorView seqView;
        MappingEditor seqEditor(seqUi, seqView, canvas);
        seqEditor.Load();
        seqUi.openAnswers.push_back((temp / "Icons.tga").string());
        seqEditor.LoadUserFile();
        DeleteDialogLogic dialog(seqEditor);
        Model model;

        const int steps = 1 + percent(random) % 12;
        for (int step = 0; step < steps; ++step) {
            const int action = percent(random);
            if (action < 35) {  // a press, sometimes outside the texture
                const int x = percent(random) % (kWidth + 4);
                const int y = percent(random) % (kHeight + 4);
                seqEditor.MouseDown(1, 0, static_cast<float>(x * 15), static_cast<float>(y * 15));
                if (x < kWidth && y < kHeight && model.picks < 2) {
                    (model.picks == 0 ? model.firstX : model.secondX) = x;
                    (model.picks == 0 ? model.firstY : model.secondY) = y;
                    ++model.picks;
                }
            } else if (action < 60) {  // Complete Entry
                const std::string answer = names[static_cast<std::size_t>(percent(random)) % names.size()];
                seqUi.inputAnswers.push_back(answer);
                seqEditor.CompleteEntry();
                const std::string name = CutEntryName(answer);
                const bool accepted = model.picks == 2 && model.firstX <= model.secondX &&
                                      model.firstY <= model.secondY && !answer.empty() &&
                                      std::none_of(model.entries.begin(), model.entries.end(),
                                                   [&](const ModelEntry& e) { return e.name == name; });
                if (accepted) {
                    model.change();
                    model.entries.push_back({name,
                                             {static_cast<std::int16_t>(model.firstX),
                                              static_cast<std::int16_t>(model.firstY),
                                              static_cast<std::int16_t>(model.secondX),
                                              static_cast<std::int16_t>(model.secondY)}});
                    model.picks = 0;
                    ++completed;
                }
                seqUi.inputAnswers.clear();
            } else if (action < 75) {  // Delete Entry, choosing a line or none
                seqEditor.DeleteEntry();
                const auto list = dialog.Load();
                const int choice = static_cast<int>(percent(random) % (list.size() + 1)) - 1;
                dialog.DeleteSelected(choice);
                dialog.Unload();
                if (choice >= 0) {
                    model.change();
                    model.entries.erase(model.entries.begin() + choice);
                }
            } else if (action < 83) {
                seqEditor.Undo();
                model.undo();
            } else if (action < 90) {
                seqEditor.Redo();
                model.redo();
            } else {  // Save
                seqUi.saveAnswers.push_back(savePath.string());
                seqEditor.Save();
                ASSERT_TRUE(seqEditor.blnSaved());
                ASSERT_EQ(ReadFileText(savePath), model.text(kWidth, kHeight)) << "sequence " << sequence;
                ++checkedSaves;
            }

            const MappingDocument& document = seqEditor.document();
            ASSERT_EQ(document.entryCount(), static_cast<int>(model.entries.size())) << "sequence " << sequence;
            ASSERT_EQ(document.lineCount(), 5 + 8 * document.entryCount());
            for (int k = 1; k <= document.entryCount(); ++k) {
                ASSERT_EQ(document.line(6 + 8 * (k - 1)), document.name(k));
                ASSERT_EQ(document.name(k), "MappedImage " + model.entries[static_cast<std::size_t>(k - 1)].name);
            }
            // What the document knows of its entries is what reading its text again finds.
            MappingDocument reread;
            reread.Open(document.Text());
            ASSERT_EQ(reread.colNames(), document.colNames()) << "sequence " << sequence;
            for (int k = 1; k <= document.entryCount(); ++k) {
                ASSERT_EQ(reread.entry(k).firstLine, document.entry(k).firstLine) << "sequence " << sequence;
                ASSERT_EQ(reread.entry(k).coords, document.entry(k).coords) << "sequence " << sequence;
            }
        }
    }
    std::filesystem::remove(savePath);
    // The sequences must actually have exercised completions and saves.
    EXPECT_GT(completed, 500);
    EXPECT_GT(checkedSaves, 500);
}

}  // namespace
}  // namespace vantrel::test
