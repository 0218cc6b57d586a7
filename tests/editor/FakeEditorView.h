#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "editor/EditorView.h"

namespace vantrel::test {

// The main window's boxes, geometry and delete dialog as plain values, with every geometry call
// recorded in order.
class FakeEditorView : public EditorView {
public:
    std::map<Box, std::string> boxes{{Box::Top, ""}, {Box::Left, ""}, {Box::Bottom, ""}, {Box::Right, ""}};
    std::optional<int> windowWidth, windowHeight, frameLeft;
    std::optional<double> frameTop;
    int frameHeightTwips = 1215;
    int deleteDialogShown = 0;
    std::vector<std::string> calls;

    std::string boxText(Box box) const override { return boxes.at(box); }
    void setBoxText(Box box, const std::string& text) override {
        boxes[box] = text;
        calls.push_back("box " + Name(box) + "=" + text);
    }
    void setWindowWidth(int twips) override {
        windowWidth = twips;
        calls.push_back("width");
    }
    void setWindowHeight(int twips) override {
        windowHeight = twips;
        calls.push_back("height");
    }
    void setFrameLeft(int twips) override {
        frameLeft = twips;
        calls.push_back("left");
    }
    void setFrameTop(double twips) override {
        frameTop = twips;
        calls.push_back("top");
    }
    int frameHeight() const override { return frameHeightTwips; }
    void showDeleteDialog() override { ++deleteDialogShown; }
    void overlayChanged() override { ++overlayChanges; }
    void zoomChanged(int oldPercent) override { zoomChanges.push_back(oldPercent); }
    void showEntryList() override { ++entryListShown; }
    void showGamePreview() override { ++gamePreviewShown; }
    int overlayChanges = 0;
    std::vector<int> zoomChanges;
    int entryListShown = 0;
    int gamePreviewShown = 0;

    void setRectangle(const std::string& left, const std::string& top, const std::string& right,
                      const std::string& bottom) {
        boxes[Box::Left] = left;
        boxes[Box::Top] = top;
        boxes[Box::Right] = right;
        boxes[Box::Bottom] = bottom;
    }
    bool boxesEmpty() const {
        for (const auto& [box, text] : boxes)
            if (!text.empty()) return false;
        return true;
    }

    static std::string Name(Box box) {
        switch (box) {
            case Box::Top:
                return "Top";
            case Box::Left:
                return "Left";
            case Box::Bottom:
                return "Bottom";
            case Box::Right:
                return "Right";
        }
        return "?";
    }
};

}  // namespace vantrel::test
