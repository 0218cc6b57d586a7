#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "editor/AnsiCodePage.h"

// The text rules of completing an entry: which box texts are numbers, how they become 16-bit
// coordinates, how the answer to the name prompt becomes the entry name, and which names the
// game's INI reader could not read back.
namespace vantrel {

// A number is, apart from surrounding blanks (spaces and tabs), an optionally signed decimal
// number with an optional decimal point and an optional exponent: "12", " -3 ", "7.5", ".5",
// "1e2", "+4.". The empty text is not a number; neither are hexadecimal, grouped or currency forms.
bool IsNumericText(std::string_view text);

// The number's value rounded to the nearest integer, a value exactly halfway going to the even
// neighbour (10.5 gives 10, 11.5 gives 12). nullopt when the text is not a number or the rounded
// value does not fit a 16-bit signed integer.
std::optional<std::int16_t> ToCoordinate(std::string_view text);

// Cuts the answer to the name prompt at its first space found from the second character on,
// keeping that space. The first character is never examined. "Tank one" gives "Tank ".
std::string CutEntryName(const std::string& answer);

// The longest line the game's INI reader takes whole; a longer one is cut and its rest read as a
// line of its own, which breaks the block.
inline constexpr std::size_t kGameMaxLineLength = 1026;

// Why the game could not read an entry of this name, or nullopt when it can. The message is meant
// for the user.
std::optional<std::string> GameNameProblem(const std::string& entryName, const AnsiCodePage& codePage);

// The general decimal text of a single-precision number, as a mouse position in pixels
// is shown in the coordinate boxes: 37, 37.5, 0.3333333 (up to seven significant digits).
std::string SingleToText(float value);

}  // namespace vantrel
