#pragma once


#include "check/MappedImageCollection.h"
#include "check/PaintedTexture.h"
#include "check/Picture.h"

// Pictures made from a painted or decoded texture, for PNG output.
namespace vantrel::check {

// The canvas as the editor shows it, pixel for pixel (opaque).
Picture EditorView(const PaintedTexture& texture);

// The texture as the game shows it (opaque): pixels decoded by the game's rules,
// each laid over the background colour (a colour value) by its alpha, as the game lays a
// translucent picture over what is behind it.
Picture GameView(const DecodedTexture& texture, std::uint32_t background);

// The image cut from the texture as the game draws it, by the game's cutting rule (targa/GameCut.h):
// the columns Left to Right - 1 and rows Top to Bottom - 1, turned back when the image is marked
// ROTATED_90_CLOCKWISE. Parts of the rectangle outside the texture are transparent. A null image
// when the rectangle is empty or inverted, far larger than any texture, or the image has no Coords.
Picture CropAsGameDraws(const Picture& gameView, const MappedImageState& image);

}  // namespace vantrel::check
