#include "check/MappedImageCollection.h"

#include "check/GameIniTokens.h"
#include "targa/GameCut.h"

namespace vantrel::check {

std::string Describe(const SourcePlace& place) { return place.file + ":" + std::to_string(place.line); }

namespace {

std::string SizeText(int width, int height) { return std::to_string(width) + " x " + std::to_string(height); }

}  // namespace

const MappedImageState* MappedImageCollection::find(std::string_view name) const {
    const auto it = byLowerName_.find(LowerAscii(name));
    return it == byLowerName_.end() ? nullptr : &images_[it->second];
}

std::vector<Finding> MappedImageCollection::apply(const std::string& file, const MappedImageBlock& block,
                                                  bool fromGame) {
    std::vector<Finding> findings;
    if (block.name.empty()) return findings;  // the game stops at such a block; there is nothing to merge

    const SourcePlace blockPlace{file, block.line};
    const std::string key = LowerAscii(block.name);
    auto [it, isNew] = byLowerName_.try_emplace(key, images_.size());
    if (isNew) {
        images_.push_back({});
        images_.back().name = block.name;
        images_.back().firstDefined = blockPlace;
        images_.back().definedByGame = fromGame;
    } else {
        const MappedImageState& known = images_[it->second];
        if (known.definedByGame && !fromGame)
            findings.push_back({file, block.line, Severity::Warning,
                                "image " + Quoted(block.name) + " redefines the game's own image " + Quoted(known.name) +
                                    " from " + Describe(known.firstDefined) +
                                    "; the game merges this block into it, field by field"});
        else if (fromGame && known.setByMod)
            findings.push_back({known.firstDefined.file, known.firstDefined.line, Severity::Warning,
                                "image " + Quoted(known.name) + " is defined again by the game's own file at " +
                                    Describe(blockPlace) +
                                    ", which the game loads later: its fields overwrite this block's, field by field"});
        else if (fromGame)
            ;  // the game's own files among themselves are not the mod's concern
        else if (known.name == block.name)
            findings.push_back({file, block.line, Severity::Warning,
                                "image " + Quoted(block.name) + " is defined again; the game merges this block into "
                                "the one at " + Describe(known.firstDefined) + ", field by field"});
        else
            findings.push_back({file, block.line, Severity::Warning,
                                "image " + Quoted(block.name) + " differs only in letter case from " +
                                    Quoted(known.name) + " at " + Describe(known.firstDefined) +
                                    "; the game treats both as one image and merges this block into it, field by field"});
    }
    MappedImageState& image = images_[it->second];
    image.setByMod = image.setByMod || !fromGame;

    // Where this block's Coords was divided, and by what, to compare with the size it ends with.
    std::optional<std::pair<int, int>> dividedBy;
    int coordsLine = 0;
    for (const FieldAssignment& a : block.assignments) {
        const SourcePlace place{file, a.line};
        switch (a.field) {
            case ImageField::Texture:
                image.texture = a.text;
                image.textureAt = place;
                break;
            case ImageField::TextureWidth:
                image.textureWidth = a.number;
                image.textureWidthAt = place;
                break;
            case ImageField::TextureHeight:
                image.textureHeight = a.number;
                image.textureHeightAt = place;
                break;
            case ImageField::Coords:
                image.coords = a.rect;
                image.coordsAt = place;
                image.imageWidth = GameCutWidth(GameRect{a.rect.left, a.rect.top, a.rect.right, a.rect.bottom});
                image.imageHeight = GameCutHeight(GameRect{a.rect.left, a.rect.top, a.rect.right, a.rect.bottom});
                dividedBy = {image.textureWidth, image.textureHeight};
                coordsLine = a.line;
                break;
            case ImageField::Status:
                image.status = (image.status & a.statusKeep) | a.statusSet;
                if (image.rotated()) std::swap(image.imageWidth, image.imageHeight);
                break;
        }
    }

    if (dividedBy) {
        const auto [width, height] = *dividedBy;
        if (width == 0 || height == 0)
            findings.push_back({file, coordsLine, Severity::Warning,
                                "Coords is read while the texture size is " + SizeText(width, height) +
                                    "; the game then leaves the coordinates undivided and shows the wrong part of "
                                    "the texture (put TextureWidth and TextureHeight before Coords)"});
        else if (width != image.textureWidth || height != image.textureHeight)
            findings.push_back({file, coordsLine, Severity::Warning,
                                "Coords is divided by the texture size known when it is read (" +
                                    SizeText(width, height) + "), not by the " +
                                    SizeText(image.textureWidth, image.textureHeight) +
                                    " set after it (put TextureWidth and TextureHeight before Coords)"});
    }
    return findings;
}

}  // namespace vantrel::check
