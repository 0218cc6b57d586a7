#pragma once

#include <QImage>

#include "check/MappedImageCollection.h"
#include "check/PaintedTexture.h"

// QImages made from a painted texture, for PNG output.
namespace vantrel::check {

// The canvas as the editor shows it, pixel for pixel (Format_RGB32).
QImage EditorView(const PaintedTexture& texture);

// The texture the way the game orients it (Format_ARGB32, opaque): rows in stored order put
// back when the header says the first stored row is the top one. Colours are those the editor
// paints, 32-bit pixels blended over the canvas's start colour.
QImage GameView(const PaintedTexture& texture);

// The image cut from the texture as the game draws it: the columns Left to Right - 1 and rows
// Top to Bottom - 1 (Right and Bottom are exclusive edges), turned a quarter counter-clockwise
// when the image is marked ROTATED_90_CLOCKWISE (the page holds it turned clockwise). Parts of
// the rectangle outside the texture are transparent. A null image when the rectangle is empty
// or inverted, far larger than any texture, or the image has no Coords.
QImage CropAsGameDraws(const QImage& gameView, const MappedImageState& image);

}  // namespace vantrel::check
