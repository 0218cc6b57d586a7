#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "check/Finding.h"

// Reads one INI file of MappedImage blocks as the game's INI reader does and records, per block,
// the field assignments in the order the game applies them. Everything the game's reader would
// stop on is an error finding; the parser then carries on (skipping the offending line) so that
// one run reports every such line, not only the first.
namespace vantrel::check {

// Status bits as the game numbers them.
inline constexpr unsigned kStatusRotated90Clockwise = 1u;
inline constexpr unsigned kStatusRawTexture = 2u;

struct PixelRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const PixelRect&) const = default;
};

enum class ImageField { Texture, TextureWidth, TextureHeight, Coords, Status };

// One field line that the game reads without stopping.
struct FieldAssignment {
    ImageField field = ImageField::Texture;
    int line = 0;
    std::string text;     // Texture
    int number = 0;       // TextureWidth, TextureHeight
    PixelRect rect;       // Coords
    // Status: the new bits are (old & statusKeep) | statusSet, as the game's bit-string words
    // (NONE, plain words, +word, -word) combine.
    unsigned statusKeep = ~0u;
    unsigned statusSet = 0;
};

struct MappedImageBlock {
    std::string name;
    int line = 0;           // the MappedImage line
    bool closed = false;    // an End was found
    int endLine = 0;        // the End line, when closed
    std::vector<FieldAssignment> assignments;
};

struct ParsedIniFile {
    std::string file;
    std::vector<MappedImageBlock> blocks;
    std::vector<Finding> findings;  // in line order
};

ParsedIniFile ParseMappedImageFile(const std::string& file, std::string_view bytes);

const char* FieldName(ImageField field);

}  // namespace vantrel::check
