#include "check/ContactSheet.h"

#include <cmath>

#include <stb_easy_font.h>

namespace vantrel::check {

namespace {

constexpr std::uint32_t kRed = Argb(255, 0, 0);
constexpr std::uint32_t kBlack = Argb(0, 0, 0);
constexpr std::uint32_t kDarkRed = Argb(128, 0, 0);
// The built-in font's glyphs are at most 12 pixels from the top of a line to the bottom of a descender.
constexpr int kLineHeight = 12;

// What the built-in font can draw: printable ASCII, everything else as '?'.
std::string Printable(const std::string& text) {
    std::string printable;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        printable += (byte >= 0x20 && byte < 0x7F) ? c : '?';
    }
    return printable;
}

int TextWidth(std::string text) { return stb_easy_font_width(text.data()); }

// Text that fits width pixels: whole, or cut and ended with "...".
std::string Elided(const std::string& text, int width) {
    std::string shown = Printable(text);
    if (TextWidth(shown) <= width) return shown;
    while (!shown.empty() && TextWidth(shown + "...") > width) shown.pop_back();
    return shown + "...";
}

// Draws the text with its top-left corner at (x, y): the font gives axis-aligned quads on whole pixels.
void DrawText(Picture& sheet, int x, int y, std::string text, std::uint32_t color) {
    struct Vertex {
        float x, y, z;
        unsigned char rgba[4];
    };
    static_assert(sizeof(Vertex) == 16);
    std::vector<Vertex> vertices(text.size() * 270 + 4);
    unsigned char unused[4] = {0, 0, 0, 255};
    const int quads = stb_easy_font_print(static_cast<float>(x), static_cast<float>(y), text.data(), unused,
                                          vertices.data(), static_cast<int>(vertices.size() * sizeof(Vertex)));
    for (int q = 0; q < quads; ++q) {
        const Vertex* v = &vertices[static_cast<std::size_t>(q) * 4];
        const int left = static_cast<int>(std::lround(std::min(v[0].x, v[2].x)));
        const int right = static_cast<int>(std::lround(std::max(v[0].x, v[2].x)));
        const int top = static_cast<int>(std::lround(std::min(v[0].y, v[2].y)));
        const int bottom = static_cast<int>(std::lround(std::max(v[0].y, v[2].y)));
        for (int py = top; py < bottom; ++py)
            for (int px = left; px < right; ++px) sheet.plot(px, py, color);
    }
}

// A cross over the box, three pixels thick, where an image could not be cut.
void DrawCross(Picture& sheet, const SheetBox& box) {
    const int steps = std::max(box.width, box.height);
    for (int i = 0; i < steps; ++i) {
        const int dx = steps > 1 ? i * (box.width - 1) / (steps - 1) : 0;
        const int dy = steps > 1 ? i * (box.height - 1) / (steps - 1) : 0;
        for (int t = -1; t <= 1; ++t) {
            sheet.plot(box.x + dx + t, box.y + dy, kRed);
            sheet.plot(box.x + box.width - 1 - dx + t, box.y + dy, kRed);
        }
    }
}

}  // namespace

SheetLayout LayOutSheet(const std::vector<SheetSize>& imageSizes, int labelHeight, int minimumCellWidth) {
    SheetLayout layout;
    const std::size_t count = imageSizes.size();
    if (count == 0) {
        layout.size = SheetSize{2 * kSheetPadding, 2 * kSheetPadding};
        return layout;
    }
    std::vector<SheetSize> cells;
    double area = 0;
    int widest = 0;
    for (const SheetSize& size : imageSizes) {
        const SheetSize cell{std::max(size.width, minimumCellWidth), size.height + labelHeight};
        cells.push_back(cell);
        area += static_cast<double>(cell.width + kSheetPadding) * (cell.height + kSheetPadding);
        widest = std::max(widest, cell.width);
    }
    // A little wider than square: sheets are looked at on screens.
    const int shelfWidth = std::max(widest, static_cast<int>(std::ceil(std::sqrt(area) * 1.25)));

    std::vector<std::size_t> order(count);
    for (std::size_t i = 0; i < count; ++i) order[i] = i;
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return cells[a].height > cells[b].height; });

    layout.cells.resize(count);
    int x = kSheetPadding, y = kSheetPadding, shelfHeight = 0, right = 0;
    for (const std::size_t i : order) {
        const SheetSize cell = cells[i];
        if (x > kSheetPadding && x + cell.width > kSheetPadding + shelfWidth) {
            y += shelfHeight + kSheetPadding;
            x = kSheetPadding;
            shelfHeight = 0;
        }
        layout.cells[i] = {SheetBox{x, y, imageSizes[i].width, imageSizes[i].height},
                           SheetBox{x, y + imageSizes[i].height, cell.width, labelHeight}};
        x += cell.width + kSheetPadding;
        right = std::max(right, x);
        shelfHeight = std::max(shelfHeight, cell.height);
    }
    layout.size = SheetSize{right, y + shelfHeight + kSheetPadding};
    return layout;
}

RenderedSheet RenderSheet(const std::vector<SheetEntry>& entries) {
    // Room for the name and, for an image that could not be cut, the reason.
    const int labelHeight = 2 * kLineHeight + 4;
    constexpr int kMinimumCellWidth = 160;
    constexpr int kPlaceholderSide = 48;

    std::vector<SheetSize> sizes;
    for (const auto& entry : entries)
        sizes.push_back(entry.image.isNull() ? SheetSize{kPlaceholderSide, kPlaceholderSide}
                                             : SheetSize{entry.image.width(), entry.image.height()});
    const SheetLayout layout = LayOutSheet(sizes, labelHeight, kMinimumCellWidth);

    Picture sheet(layout.size.width, layout.size.height, kSheetBackground);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const SheetEntry& entry = entries[i];
        const SheetCell& cell = layout.cells[i];
        if (entry.image.isNull())
            DrawCross(sheet, cell.image);
        else
            sheet.copyIn(entry.image, cell.image.x, cell.image.y);  // its own pixels, transparent ones too
        const int textTop = cell.label.y + 2;
        DrawText(sheet, cell.label.x, textTop, Elided(entry.name, cell.label.width), kBlack);
        if (!entry.problem.empty())
            DrawText(sheet, cell.label.x, textTop + kLineHeight, Elided(entry.problem, cell.label.width), kDarkRed);
    }
    return {std::move(sheet), layout};
}

}  // namespace vantrel::check
