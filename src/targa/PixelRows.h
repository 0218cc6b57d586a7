#pragma once

#include <cstdint>

// Converting a row (or a raw packet) of Targa pixel bytes into the canvas's stored 0xFFRRGGBB pixels.
// Called once per row or packet with the part that lies on the canvas, so the loops inside are the
// reader's whole per-pixel work.
namespace vantrel {

// 8 bits: an index into a table of stored colours.
void PaintRow8(std::uint32_t* out, const std::uint8_t* indices, int count, const std::uint32_t* table);

// 16 bits, low byte first: x r5 g5 b5, each channel times 8, the top bit ignored.
void PaintRow16(std::uint32_t* out, const std::uint8_t* bytes, int count);

// 24 bits: blue, green, red.
void PaintRow24(std::uint32_t* out, const std::uint8_t* bytes, int count);

// The same pixels kept with their alpha, as 0xAARRGGBB: 16 bits with the top bit as a one-bit alpha
// (set: 255, clear: 0), 32 bits with the fourth byte as alpha.
void UnpackRow16WithAlphaBit(std::uint32_t* out, const std::uint8_t* bytes, int count);
void UnpackRow32(std::uint32_t* out, const std::uint8_t* bytes, int count);

// 32 bits: blue, green, red, alpha, each pixel blended over out[i] as BlendStored does it.
void BlendRow32(std::uint32_t* out, const std::uint8_t* bytes, int count);

// The same, one pixel at a time without vector instructions (the reference for the vector path).
void BlendRow32Scalar(std::uint32_t* out, const std::uint8_t* bytes, int count);

}  // namespace vantrel
