#pragma once

#include <cstdint>
#include <string>
#include <vector>

// What is drawn over the canvas (never into it): the outline and name of every entry on the open
// texture when Show Entries is on, the selected entry, and the corners being picked. Geometry is in
// texture pixels; a front end multiplies by its zoom and draws each shape in its style's colours.
namespace vantrel {

class MappingEditor;

enum class OverlayStyle {
    Entry,          // an entry of the document on this texture
    SelectedEntry,  // the entry Update Entry and Rename Entry act on
    Pending,        // the rectangle the two picked corners give
    Corner,         // the first corner picked, before the second
};

// A rectangle of texture pixels: what the game cuts for an entry (Left to Right - 1, Top to
// Bottom - 1), so a width or height may be 0 where the game cuts nothing.
struct OverlayShape {
    OverlayStyle style = OverlayStyle::Entry;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    std::string label;  // the entry's name, shown at its top-left corner; empty for none
};

// Colours as 0xRRGGBB. Every line is drawn in `line` with a one-pixel `halo` on both sides, and
// every label in `text` on a box of `labelBack`, so both stand out on a light or a dark texture.
struct OverlayColours {
    std::uint32_t line;
    std::uint32_t halo;
    std::uint32_t text;
    std::uint32_t labelBack;
};
OverlayColours ColoursFor(OverlayStyle style);

// A region of texture pixels, for drawing only what a view shows.
struct TexelRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// The shapes to draw in the order to draw them (the selection and the picks last, on top), those
// that touch `visible` only; the whole texture when visible is empty.
std::vector<OverlayShape> OverlayShapes(const MappingEditor& editor, const TexelRect& visible = {});

}  // namespace vantrel
