#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "check/MappedImageCollection.h"
#include "check/PaintedTexture.h"
#include "check/Picture.h"
#include "check/TextureFolder.h"

// Cuts the images of a collection out of their textures as the game draws them. Each texture is
// decoded once, by the game's rules (targa/GameTarga.h), and laid over the background colour.
namespace vantrel::check {

struct CutImage {
    const MappedImageState* image = nullptr;
    Picture picture;      // null when it could not be cut
    std::string problem;  // why not
};

class ImageCutter {
public:
    ImageCutter(const TextureFolder& textures, std::uint32_t background,
                GameTargaFlavour flavour = GameTargaFlavour::ZeroHour)
        : textures_(&textures), background_(background), flavour_(flavour) {}
    // For callers that find the textures themselves and hand over their bytes.
    explicit ImageCutter(std::uint32_t background, GameTargaFlavour flavour = GameTargaFlavour::ZeroHour)
        : background_(background), flavour_(flavour) {}

    // Finds the image's texture in the folder (a cutter made without one reports it not found).
    CutImage cut(const MappedImageState& image);

    // Cuts the image from the texture whose bytes are given. The decoded texture is kept under
    // textureKey (a path, or an archive and the path inside it) for the next image that names it;
    // data is read only the first time a key is seen. displayName is what messages call it.
    CutImage cut(const MappedImageState& image, const std::string& textureKey, const std::uint8_t* data,
                 std::size_t size, const std::string& displayName);

private:
    struct Decoded {
        Picture gameView;     // null when the game does not load the texture
        std::string problem;
    };
    const Decoded& decode(const std::string& key, const std::uint8_t* data, std::size_t size);
    CutImage cutFrom(const MappedImageState& image, const Decoded& decoded);

    const TextureFolder* textures_ = nullptr;
    std::uint32_t background_;
    GameTargaFlavour flavour_;  // whose Targa reader decodes the textures
    std::map<std::string, Decoded> decoded_;
};

// The image's name made safe as a file name: path separators, characters that some file systems
// refuse, control bytes and bytes from 0x7F up become '_'.
std::string SafeFileName(const std::string& imageName);

}  // namespace vantrel::check
