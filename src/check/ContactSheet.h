#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "check/Picture.h"

// One picture with every image of a file, packed on shelves, each with its name below it, so a modder
// sees at a glance what the game will show.
namespace vantrel::check {

using SheetSize = PixelSize;

// A rectangle on the sheet: its top-left pixel and its size.
struct SheetBox {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    SheetSize size() const { return {width, height}; }
    bool intersects(const SheetBox& o) const {
        return width > 0 && height > 0 && o.width > 0 && o.height > 0 && x < o.x + o.width && o.x < x + width &&
               y < o.y + o.height && o.y < y + height;
    }
    // The smallest box holding both.
    SheetBox united(const SheetBox& o) const {
        const int left = std::min(x, o.x), top = std::min(y, o.y);
        return {left, top, std::max(x + width, o.x + o.width) - left, std::max(y + height, o.y + o.height) - top};
    }
};

struct SheetEntry {
    std::string name;  // INI bytes (the game's 8-bit code page), shown as Latin-1
    Picture image;        // null when the image could not be cut
    std::string problem;  // why not, shown under the name
};

struct SheetCell {
    SheetBox image;  // where the image's top-left corner and size go (pixel for pixel, unscaled)
    SheetBox label;
};

struct SheetLayout {
    SheetSize size;
    std::vector<SheetCell> cells;  // one per entry, in entry order
};

inline constexpr int kSheetPadding = 8;

// Packs the cells on shelves: each cell is its image, unscaled, with labelHeight pixels for the name
// right below it, and at least minimumCellWidth wide so the name stays readable. Cells go tallest
// first, left to right, onto shelves about as wide as the square root of their total area (never
// narrower than the widest cell), so images of very different sizes leave little empty space.
SheetLayout LayOutSheet(const std::vector<SheetSize>& imageSizes, int labelHeight, int minimumCellWidth);

struct RenderedSheet {
    Picture image;
    SheetLayout layout;  // where each entry went
};

// The names are drawn in a small built-in pixel font, black, and the reasons dark red; bytes
// outside printable ASCII show as '?'. Text too long for its cell ends in "...".
RenderedSheet RenderSheet(const std::vector<SheetEntry>& entries);

// The background the sheet is filled with, where no image or text lies.
inline constexpr std::uint32_t kSheetBackground = 0xFF808080u;

}  // namespace vantrel::check
