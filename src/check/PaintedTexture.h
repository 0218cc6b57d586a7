#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "check/Linter.h"
#include "targa/Canvas.h"
#include "targa/GameTarga.h"

// Textures read by the project's Targa reader under either of its rules (targa/GameTarga.h):
// painted onto a canvas of their own size exactly as the editor paints them (render), or decoded as
// the game shows them (crop, sheet and lint's texture facts). Every function takes the texture's
// bytes with a name to call them by (a path, or a file inside an archive), or a path to read.
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
std::optional<TargaHeaderFields> ReadTargaHeaderFields(const std::uint8_t* data, std::size_t size, std::string* problem);

// The whole file; nullopt with *problem set when it cannot be read.
std::optional<std::vector<std::uint8_t>> ReadTextureBytes(const std::filesystem::path& path, std::string* problem);

struct PaintedTexture {
    TargaHeaderFields header;
    std::unique_ptr<Canvas> canvas;        // header.width x header.height
    std::vector<std::string> readerMessages;  // what the reader reported (empty when it read the file)

    int width() const { return canvas->width(); }
    int height() const { return canvas->height(); }
    // The colour value of texture pixel (x, y) as the editor shows it.
    std::uint32_t editorPixel(int x, int y) const { return canvas->getPixel(x, y); }
    // The editor's pixel with its rows put back in stored order when the header says the first
    // stored row is the top one.
    std::uint32_t uprightEditorPixel(int x, int y) const {
        return canvas->getPixel(x, header.topLeftOrigin() ? height() - 1 - y : y);
    }
};

// Paints the texture by the editor's rules on a canvas that starts in startColor (a colour value).
// nullopt with *problem set when there is nothing to paint on: the file cannot be read, is not a
// Targa file at all ("not a Targa file: ..."), or its header gives no pixels or too many.
std::optional<PaintedTexture> PaintTexture(const std::filesystem::path& path, std::uint32_t startColor,
                                           std::string* problem);
std::optional<PaintedTexture> PaintTexture(const std::uint8_t* data, std::size_t size, const std::string& displayName,
                                           std::uint32_t startColor, std::string* problem);

// The texture as the game shows it; a file that cannot be read is reported as the game would
// report it (Truncated, with the reason).
GameTargaResult DecodeTextureAsGame(const std::filesystem::path& path,
                                    GameTargaFlavour flavour = GameTargaFlavour::ZeroHour);

// Lint's view of a Targa file: its header size, what the editor's reader reports, and whether the
// game loads it (gameLoad, gameProblem).
TargaFacts InspectTarga(const std::filesystem::path& path, GameTargaFlavour flavour = GameTargaFlavour::ZeroHour);
TargaFacts InspectTarga(const std::uint8_t* data, std::size_t size, const std::string& displayName,
                        GameTargaFlavour flavour = GameTargaFlavour::ZeroHour);

}  // namespace vantrel::check
