#pragma once

#include <gtest/gtest.h>

#include <string>

#include "editor/MappingEditor.h"
#include "support/ScriptedUserInteraction.h"
#include "support/TestData.h"
#include "support/TgaFiles.h"
#include "FakeEditorView.h"

namespace vantrel::test {

// A loaded editor with a scripted user, a fake window and a small canvas.
class EditorFixture : public ::testing::Test {
protected:
    static constexpr std::uint32_t kStartColor = 0xC0C0C0;  // the window background the canvas starts with

    ScriptedUserInteraction ui;
    FakeEditorView view;
    Canvas canvas{kStartColor, 300, 300};
    MappingEditor editor{ui, view, canvas};
    TempDir temp;

    void SetUp() override { editor.Load(); }

    // Writes a gradient texture of this size and loads it through File, Open.
    void loadTexture(int width, int height, const std::string& fileName = "Icons.tga") {
        const auto path = temp / fileName;
        WriteBytes(path, GradientTga24(width, height));
        ui.openAnswers.push_back(path.string());
        editor.LoadUserFile();
    }

    void press(int x, int y, std::int16_t button = 1) {
        editor.MouseDown(button, 0, static_cast<float>(x * 15), static_cast<float>(y * 15));
    }

    // Two presses and Complete Entry answered with the name.
    void completeEntry(int left, int top, int right, int bottom, const std::string& answer) {
        press(left, top);
        press(right, bottom);
        ui.inputAnswers.push_back(answer);
        editor.CompleteEntry();
    }

    std::string savedText(const std::filesystem::path& path) { return ReadFileText(path); }
};

}  // namespace vantrel::test
