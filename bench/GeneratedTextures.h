#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Targa files generated for the benchmark: a texture-like picture (flat blocks, gradients and noise,
// so that run-length data mixes runs and raw packets) in every depth the reader decodes, raw and
// run-length encoded, made by the Targa writer of the tests. Headers are filled in fully (colour-map
// length and depth too) so that other decoders read the same bytes.
namespace vantrel::bench {

struct GeneratedTexture {
    std::string name;
    std::vector<std::uint8_t> bytes;
};

// bitsPerPixel 8 (colour-mapped, 256 entries of 24 bits), 16, 24 or 32; bottom-left origin.
GeneratedTexture GenerateTexture(int width, int height, int bitsPerPixel, bool runLength);

// A header that declares the image and nothing after it (a colour table too for types 1 and 9).
GeneratedTexture HeaderOnlyTexture(int width, int height, int imageType, int bitsPerPixel);

}  // namespace vantrel::bench
