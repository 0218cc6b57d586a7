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
//     points to must be there (a file shorter than 26 bytes fails to open);
//   * the colour map is read by its header fields (first entry, length, entry size) into a table
//     of 1,024 bytes; colour-mapped pixels are drawn through entries of 24 or 32 bits, with
//     the bytes of an entry taken in reverse order (a 24-bit entry stored blue, green, red shows
//     its blue as red and its red as blue);
//   * image types 1, 2 and 3 (greyscale) are read raw, 9 and 10 run-length encoded, with packets
//     running on into the next row; every other type (11, run-length greyscale, among them) fails;
//   * depths 8, 16, 24 and 32 only; 16-bit pixels keep their top bit as a one-bit alpha, 32-bit
//     pixels keep their alpha; an 8-bit image without a colour map is greyscale when its type is
//     3 and alpha only (black) otherwise;
//   * both origin bits are honoured: the picture comes out with its top row first, unmirrored,
//     except for one strip. A file whose first stored row is the bottom one is turned upright by
//     Targa::YFlip, which in Zero Hour swaps each pair of rows 16 bytes at a time (_swapBytes) and
//     leaves the last (width * bytes per pixel) % 16 bytes of every row where they were stored:
//     that strip at the right edge stays upside down, and its cut may fall inside a pixel. The
//     original game's YFlip swaps whole rows (see GameTargaFlavour);
//   * colour-mapped pixels through entries of any other size (15 or 16 bits) are never written
//     (BitmapHandlerClass::Read_B8G8R8A8 asserts only in debug builds): the texture is drawn with
//     those pixels in undefined colours;
//   * a failure decides what the game shows in the texture's place (GameShows): one while the
//     file is opened (Targa::Open: the footer, the extension area, the header) makes the texture
//     loader's Begin_Load fail and the engine puts its missing-texture placeholder there; one
//     while the pixels are read (Targa::Load: the colour map, the pixel data, an image type or
//     depth it cannot read) comes after the surface was made at the declared size, and
//     Finish_Load ignores it: the game draws that surface unfilled. The original game's loader
//     (Begin_Texture_Load, Load_Uncompressed_Mipmap_Levels_From_TGA) ends the same two ways.
namespace vantrel {

enum class TargaRules { Editor, Game };  // who the decoding follows; the caller chooses

struct DecodedTexture {  // top row first, as the game shows it
    int width = 0, height = 0;
    std::vector<std::uint32_t> pixels;  // 0xAARRGGBB
};

enum class GameTargaOutcome { Loaded, NotTarga, Unsupported, Truncated };

// What the game puts on screen where the texture is used.
enum class GameShows {
    Picture,          // the decoded picture (outcome Loaded)
    MissingTexture,   // the file failed to open: the engine's placeholder, kMissingTextureSide
                      // pixels square, every pixel kMissingTextureColour
    UnfilledTexture,  // the pixels failed to load: a texture of the declared size that was never
                      // filled, in undefined colours
    Unknown,          // this tool did not decode it (its own size limit)
};

inline constexpr int kMissingTextureSide = 128;
inline constexpr std::uint32_t kMissingTextureColour = 0x7FFF00FFu;  // half-transparent magenta

// Which game's Targa reader: Zero Hour's Targa::YFlip leaves a strip at the right edge of
// bottom-origin files unswapped, the original game's does not.
enum class GameTargaFlavour { ZeroHour, Generals };

struct GameTargaResult {
    GameTargaOutcome outcome = GameTargaOutcome::NotTarga;
    GameShows shows = GameShows::MissingTexture;
    // English sentence, in the game's terms, for lint: what is wrong, then (when the load fails)
    // what the game shows. When outcome is Loaded it is empty unless the game draws some pixels in
    // undefined colours (colour-map entries the file does not give, or entries of 15 or 16 bits)
    // or some upside down (the YFlip strip).
    std::string reason;
    std::string problem;   // the reason without what the game shows
    DecodedTexture image;  // valid when outcome == Loaded
};

GameTargaResult DecodeTargaAsGame(const std::uint8_t* data, std::size_t size,
                                  GameTargaFlavour flavour = GameTargaFlavour::ZeroHour);

// Why the bytes cannot be a Targa file at all (shorter than the header, a colour-map type above 1,
// an image type the format does not define), or nullopt when the header could be one.
std::optional<std::string> WhyNotATargaFile(const std::uint8_t* data, std::size_t size);

// A short name for the outcome, for messages and JSON ("loaded", "not a Targa file", ...).
const char* GameTargaOutcomeName(GameTargaOutcome outcome);

// What the modder sees in the game, as a clause: "the game draws its missing-texture placeholder
// (a 128 x 128 half-transparent magenta square) in its place", ...
std::string GameShowsText(GameShows shows);

// This tool decodes at most this many pixels by the game's rules (a 8192 x 8192 texture); the
// game's own textures stay far below it.
inline constexpr std::size_t kMaxGameDecodedPixels = std::size_t{8192} * 8192;

}  // namespace vantrel
