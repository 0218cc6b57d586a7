#pragma once

#include <QImage>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "check/MappedImageCollection.h"
#include "check/PaintedTexture.h"
#include "check/TextureFolder.h"

// Cuts the images of a collection out of their textures as the game draws them. Each texture is
// painted once, by the project's reader, on a canvas that starts in the given colour.
namespace vantrel::check {

struct CutImage {
    const MappedImageState* image = nullptr;
    QImage picture;       // null when it could not be cut
    std::string problem;  // why not
};

class ImageCutter {
public:
    ImageCutter(const TextureFolder& textures, std::uint32_t startColor) : textures_(textures), startColor_(startColor) {}

    CutImage cut(const MappedImageState& image);

private:
    struct Painted {
        QImage gameView;      // null when the texture could not be painted
        std::string problem;
    };
    const Painted& paint(const std::filesystem::path& path);

    const TextureFolder& textures_;
    std::uint32_t startColor_;
    std::map<std::filesystem::path, Painted> painted_;
};

// The image's name made safe as a file name: path separators, characters that some file systems
// refuse, control bytes and bytes from 0x7F up become '_'.
std::string SafeFileName(const std::string& imageName);

}  // namespace vantrel::check
