#pragma once

#include <cstdint>
#include <vector>

#include "targa/GameTarga.h"

// How the game cuts an image out of its texture, for every part of the program that shows it:
// the editor's game preview and vantrel-check's crops and sheets.
//
// A MappedImage's Coords give Left, Top, Right and Bottom, and the game takes Right and Bottom as
// the edges after the image: it draws the columns Left to Right - 1 and the rows Top to
// Bottom - 1, Right - Left pixels across and Bottom - Top down. An image marked
// ROTATED_90_CLOCKWISE is held on the texture turned a quarter clockwise; the game turns it back
// as it draws it, so its top-left corner is the rectangle's top-right one.
namespace vantrel {

struct GameRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    friend bool operator==(const GameRect&, const GameRect&) = default;
};

// The pixels of a decoded texture (or of any picture), top row first, each 0xAARRGGBB.
struct PixelsView {
    const std::uint32_t* pixels = nullptr;
    int width = 0;
    int height = 0;
};

inline PixelsView ViewOf(const DecodedTexture& texture) { return {texture.pixels.data(), texture.width, texture.height}; }

// A rectangle wider or higher than this is a typing mistake, not a picture worth the memory
// (twice the largest texture vantrel-check paints).
inline constexpr int kMaxGameCutSide = 8192;

// The size the game draws the rectangle at, before any turn: Right - Left by Bottom - Top (zero or
// less when it draws nothing).
inline int GameCutWidth(const GameRect& r) { return r.right - r.left; }
inline int GameCutHeight(const GameRect& r) { return r.bottom - r.top; }

// The image as the game draws it from the texture: Right and Bottom exclusive, turned back when
// rotated (then it is Bottom - Top across and Right - Left down). Parts of the rectangle outside
// the texture are `outside`. Empty (0 x 0) when the rectangle is empty, inverted or larger than
// kMaxGameCutSide either way.
DecodedTexture CutAsGameDraws(PixelsView texture, const GameRect& rect, bool rotated = false,
                              std::uint32_t outside = 0);

}  // namespace vantrel
