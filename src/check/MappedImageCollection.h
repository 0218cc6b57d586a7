#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "check/Finding.h"
#include "check/MappedImageParser.h"

// The game's collection of mapped images, built block by block in load order. Names are looked
// up without regard to case; a block whose name is already known does not start a new image but
// overwrites the known one field by field, so fields it does not set keep their earlier values.
namespace vantrel::check {

struct SourcePlace {
    std::string file;
    int line = 0;
    bool operator==(const SourcePlace&) const = default;
};

std::string Describe(const SourcePlace& place);  // "file:line"

struct MappedImageState {
    std::string name;  // as spelled where the image was first defined
    SourcePlace firstDefined;
    bool definedByGame = false;  // first defined in one of the game's own files
    bool setByMod = false;       // some block of it is in a file that is not the game's

    std::string texture;
    std::optional<SourcePlace> textureAt;
    int textureWidth = 0;
    int textureHeight = 0;
    std::optional<SourcePlace> textureWidthAt;
    std::optional<SourcePlace> textureHeightAt;

    std::optional<PixelRect> coords;  // as written; Right and Bottom are exclusive edges
    std::optional<SourcePlace> coordsAt;

    unsigned status = 0;

    // The size the game gives the image: Right - Left by Bottom - Top when Coords is read,
    // swapped each time a Status that says rotated is read.
    int imageWidth = 0;
    int imageHeight = 0;

    bool rotated() const { return (status & kStatusRotated90Clockwise) != 0; }
};

class MappedImageCollection {
public:
    // Applies one block as the game does and returns the warnings that depend on what earlier
    // blocks left (a merged name, a Coords divided by a texture size not yet known).
    // fromGame: the block is in one of the game's own files, not the mod's.
    std::vector<Finding> apply(const std::string& file, const MappedImageBlock& block, bool fromGame = false);

    // In the order in which the images were first defined.
    const std::vector<MappedImageState>& images() const { return images_; }
    const MappedImageState* find(std::string_view name) const;

private:
    std::vector<MappedImageState> images_;
    std::map<std::string, std::size_t> byLowerName_;
};

}  // namespace vantrel::check
