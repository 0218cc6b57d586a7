#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "check/Linter.h"
#include "targa/Canvas.h"

// A texture painted by the project's Targa reader onto a canvas of its own size, exactly as the
// editor paints it: same reader, same canvas rules (32-bit pixels blended over the canvas,
// the first stored row at the bottom whatever the header's origin bit says).
namespace vantrel::check {

// Textures wider or higher than this are not painted (the canvas would need too much memory;
// the game's own textures stay far below it).
inline constexpr int kMaxPaintedSide = 4096;

// The header fields this tool needs, read from the file's first 18 bytes.
struct TargaHeaderFields {
    int imageType = 0;
    int width = 0;   // held signed, as the reader holds it
    int height = 0;
    int bitsPerPixel = 0;
    int descriptor = 0;
    // Bit 5 of the descriptor: the first stored row is the top one. The game honours it; the
    // editor's painting does not.
    bool topLeftOrigin() const { return (descriptor & 0x20) != 0; }
};

// nullopt with *problem set when the file cannot be opened or is shorter than a header.
std::optional<TargaHeaderFields> ReadTargaHeaderFields(const std::filesystem::path& path, std::string* problem);

struct PaintedTexture {
    TargaHeaderFields header;
    std::unique_ptr<Canvas> canvas;        // header.width x header.height
    std::vector<std::string> readerMessages;  // what the reader reported (empty when it read the file)

    int width() const { return canvas->width(); }
    int height() const { return canvas->height(); }
    // The colour value of texture pixel (x, y) as the editor shows it.
    std::uint32_t editorPixel(int x, int y) const { return canvas->getPixel(x, y); }
    // The same pixel where the game puts it: rows put back in stored order when the header says
    // the first stored row is the top one.
    std::uint32_t gamePixel(int x, int y) const {
        return canvas->getPixel(x, header.topLeftOrigin() ? height() - 1 - y : y);
    }
};

// Paints the texture on a canvas that starts in startColor (a colour value). nullopt with
// *problem set when there is nothing to paint on (no header, no pixels, too large).
std::optional<PaintedTexture> PaintTexture(const std::filesystem::path& path, std::uint32_t startColor,
                                           std::string* problem);

// Lint's view of a Targa file: its header size and whether the reader accepts it.
TargaFacts InspectTarga(const std::filesystem::path& path);

}  // namespace vantrel::check
