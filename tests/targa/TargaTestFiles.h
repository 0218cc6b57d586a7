#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "support/ScriptedUserInteraction.h"
#include "support/TargaWriter.h"
#include "targa/Canvas.h"

// Small Targa files built field by field with the Targa writer, and a helper that loads them and
// records what the user was told.
namespace vantrel::test {

// header + the given bytes.
Bytes TargaFile(const TargaFields& fields, std::initializer_list<int> data = {});
Bytes TargaFile(const TargaFields& fields, const Bytes& data);

void Append(Bytes& bytes, std::initializer_list<int> more);
void Append(Bytes& bytes, const Bytes& more);

// A 256-entry colour table (blue, green, red per entry) whose entry i is colorOf(i).
Bytes ColorTable(std::uint32_t (*colorOf)(int index));

// The start dimensions a load's outputs hold before it runs, so "left unchanged" can be seen.
constexpr std::int16_t kUntouchedWidth = 1111;
constexpr std::int16_t kUntouchedHeight = 2222;

struct LoadOutcome {
    std::vector<MessageBoxRequest> messages;
    std::int16_t width = kUntouchedWidth;
    std::int16_t height = kUntouchedHeight;

    // The only message's text, "" when none was shown; a test fails when more than one was shown.
    std::string message() const;
};

// Loads the bytes through a memory source onto the canvas.
LoadOutcome LoadBytes(const Bytes& bytes, Canvas& canvas);

// The messages the reader shows, in full.
inline constexpr const char* kNotValidMessage = "This is not a valid TGA file.";
inline constexpr const char* kTypeNotSupportedMessage = "This image type is not supported.";
inline constexpr const char* kDepthNotSupportedMessage = "We only support 8, 16, 24, and 32 bits per pixel.";
inline constexpr const char* kReadErrorLead = "There was an error reading the file:\r\n";

// True for "There was an error reading the file:" CR LF and a non-empty one-line description.
bool IsReadErrorMessage(const std::string& text);

// old + (value - old) * alpha / 256 rounded to the nearest integer, halves to the even one, worked
// out in floating point (an integer divided by 256 is exact in a double), independently of the
// canvas's integer arithmetic.
int ReferenceBlend(int oldValue, int value, int alpha);

// The number of canvas pixels that differ from colour.
long CountPixelsOtherThan(const Canvas& canvas, std::uint32_t color);

}  // namespace vantrel::test
