#pragma once

#include <QImage>
#include <QRect>
#include <QSize>
#include <string>
#include <vector>

// One picture with every image of a file, packed on shelves, each with its name below it, so a modder
// sees at a glance what the game will show.
namespace vantrel::check {

struct SheetEntry {
    std::string name;  // INI bytes (the game's 8-bit code page), shown as Latin-1
    QImage image;         // null when the image could not be cut
    std::string problem;  // why not, shown under the name
};

struct SheetCell {
    QRect image;  // where the image's top-left corner and size go (pixel for pixel, unscaled)
    QRect label;
};

struct SheetLayout {
    QSize size;
    std::vector<SheetCell> cells;  // one per entry, in entry order
};

inline constexpr int kSheetPadding = 8;

// Packs the cells on shelves: each cell is its image, unscaled, with labelHeight pixels for the name
// right below it, and at least minimumCellWidth wide so the name stays readable. Cells go tallest
// first, left to right, onto shelves about as wide as the square root of their total area (never
// narrower than the widest cell), so images of very different sizes leave little empty space.
SheetLayout LayOutSheet(const std::vector<QSize>& imageSizes, int labelHeight, int minimumCellWidth);

struct RenderedSheet {
    QImage image;
    SheetLayout layout;  // where each entry went
};

// Needs a QGuiApplication (for fonts).
RenderedSheet RenderSheet(const std::vector<SheetEntry>& entries);

// The background the sheet is filled with, where no image or text lies.
inline constexpr QRgb kSheetBackground = 0xFF808080u;

}  // namespace vantrel::check
