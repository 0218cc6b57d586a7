#include "editor/Overlay.h"

#include "editor/EntryText.h"
#include "editor/MappingEditor.h"

namespace vantrel {

namespace {

bool Touches(const OverlayShape& shape, const TexelRect& visible) {
    if (visible.width <= 0 || visible.height <= 0) return true;
    // A shape's outline and label reach a pixel beyond its rectangle; its label may reach further
    // right, so only what lies wholly above, below or left of the view is left out.
    return shape.left <= visible.left + visible.width && shape.top <= visible.top + visible.height &&
           shape.top + shape.height + 1 >= visible.top &&
           (shape.left + shape.width + 1 >= visible.left || !shape.label.empty());
}

// The rectangle the game cuts for a picked one: Right and Bottom left out.
OverlayShape Cut(OverlayStyle style, const EntryRectangle& r, std::string label) {
    return OverlayShape{style, r.left, r.top, std::max(0, r.right - r.left), std::max(0, r.bottom - r.top),
                        std::move(label)};
}

}  // namespace

OverlayColours ColoursFor(OverlayStyle style) {
    switch (style) {
        case OverlayStyle::Entry:
            return {0x00E5FF, 0x000000, 0xFFFFFF, 0x202020};
        case OverlayStyle::SelectedEntry:
            return {0xFFD400, 0x000000, 0x000000, 0xFFD400};
        case OverlayStyle::Pending:
            return {0xFF3DF5, 0x000000, 0xFFFFFF, 0x202020};
        case OverlayStyle::Corner:
            return {0xFF3DF5, 0x000000, 0xFFFFFF, 0x202020};
    }
    return {0xFFFFFF, 0x000000, 0xFFFFFF, 0x000000};
}

std::vector<OverlayShape> OverlayShapes(const MappingEditor& editor, const TexelRect& visible) {
    std::vector<OverlayShape> shapes;
    const auto add = [&](OverlayShape shape) {
        if (Touches(shape, visible)) shapes.push_back(std::move(shape));
    };
    const auto& entries = editor.document().entries();
    const int selected = editor.selectedEntry();
    if (editor.showEntries()) {
        for (std::size_t k = 0; k < entries.size(); ++k) {
            const DocumentEntry& entry = entries[k];
            if (static_cast<int>(k) + 1 == selected || !entry.coords || !editor.IsOnOpenTexture(entry)) continue;
            add(Cut(OverlayStyle::Entry, *entry.coords, entry.name));
        }
    }
    if (selected != 0) {
        const DocumentEntry& entry = entries.at(static_cast<std::size_t>(selected - 1));
        if (entry.coords && editor.IsOnOpenTexture(entry)) add(Cut(OverlayStyle::SelectedEntry, *entry.coords, entry.name));
    }
    if (editor.showEntries() && editor.blnLeftTopPicked() && selected == 0) {
        const EditorView& view = editor.view();
        const auto left = ToCoordinate(view.boxText(EditorView::Box::Left));
        const auto top = ToCoordinate(view.boxText(EditorView::Box::Top));
        if (left && top) {
            const auto right = ToCoordinate(view.boxText(EditorView::Box::Right));
            const auto bottom = ToCoordinate(view.boxText(EditorView::Box::Bottom));
            if (editor.blnRightBottomPicked() && right && bottom && *right >= *left && *bottom >= *top)
                add(Cut(OverlayStyle::Pending, EntryRectangle{*left, *top, *right, *bottom}, {}));
            else
                add(OverlayShape{OverlayStyle::Corner, *left, *top, 1, 1, {}});
        }
    }
    return shapes;
}

}  // namespace vantrel
