#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The project's Targa reader has two sets of rules, chosen by the caller:
//
// - Editor: what LoadTarga paints (TargaReader.h): 768 colour-table bytes whatever the header
//   says, the first stored row at the bottom, packets never wrapping, missing bytes read as zero.
// - Game: what the game shows for the same file when it loads it as a texture: its Targa reader
//   and texture loader in the published engine source. DecodeTargaAsGame follows them:
//   * a Targa 2.0 footer is looked for in the last 26 bytes first, and the extension area it
//     points to must be there (a file shorter than 26 bytes fails);
//   * the colour map is read by its header fields (first entry, length, entry size) into a table
//     of 1,024 bytes; colour-mapped pixels are drawn through entries of 24 or 32 bits only, with
//     the bytes of an entry taken in reverse order (a 24-bit entry stored blue, green, red shows
//     its blue as red and its red as blue);
//   * image types 1, 2 and 3 (greyscale) are read raw, 9 and 10 run-length encoded, with packets
//     running on into the next row; every other type (11, run-length greyscale, among them) fails;
//   * depths 8, 16, 24 and 32 only; 16-bit pixels keep their top bit as a one-bit alpha, 32-bit
//     pixels keep their alpha; an 8-bit image without a colour map is greyscale when its type is
//     3 and alpha only (black) otherwise;
//   * both origin bits are honoured: the picture comes out with its top row first, unmirrored;
//   * any read that comes up short fails the whole load: the texture is missing in the game.
namespace vantrel {

enum class TargaRules { Editor, Game };  // who the decoding follows; the caller chooses

struct DecodedTexture {  // top row first, as the game shows it
    int width = 0, height = 0;
    std::vector<std::uint32_t> pixels;  // 0xAARRGGBB
};

enum class GameTargaOutcome { Loaded, NotTarga, Unsupported, Truncated };

struct GameTargaResult {
    GameTargaOutcome outcome = GameTargaOutcome::NotTarga;
    // English sentence, in the game's terms, for lint. When outcome is Loaded it is empty unless
    // the game draws some pixels in undefined colours (colour-map entries the file does not give).
    std::string reason;
    DecodedTexture image;  // valid when outcome == Loaded
};

GameTargaResult DecodeTargaAsGame(const std::uint8_t* data, std::size_t size);

// Why the bytes cannot be a Targa file at all (shorter than the header, a colour-map type above 1,
// an image type the format does not define), or nullopt when the header could be one.
std::optional<std::string> WhyNotATargaFile(const std::uint8_t* data, std::size_t size);

// A short name for the outcome, for messages and JSON ("loaded", "not a Targa file", ...).
const char* GameTargaOutcomeName(GameTargaOutcome outcome);

// This tool decodes at most this many pixels by the game's rules (a 8192 x 8192 texture); the
// game's own textures stay far below it.
inline constexpr std::size_t kMaxGameDecodedPixels = std::size_t{8192} * 8192;

}  // namespace vantrel
