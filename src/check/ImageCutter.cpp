#include "check/ImageCutter.h"

#include <string_view>

#include "check/TextureImages.h"

namespace vantrel::check {

const ImageCutter::Painted& ImageCutter::paint(const std::filesystem::path& path) {
    auto it = painted_.find(path);
    if (it != painted_.end()) return it->second;
    Painted result;
    std::string problem;
    if (const auto texture = PaintTexture(path, startColor_, &problem)) {
        if (texture->readerMessages.empty())
            result.gameView = GameView(*texture);
        else
            result.problem = "texture rejected by the reader";
    } else {
        result.problem = "texture cannot be read: " + problem;
    }
    return painted_.emplace(path, std::move(result)).first->second;
}

CutImage ImageCutter::cut(const MappedImageState& image) {
    CutImage result;
    result.image = &image;
    if (image.texture.empty()) {
        result.problem = "no Texture";
        return result;
    }
    const TextureLookup found = textures_.lookup(image.texture);
    if (!found.tga) {
        result.problem = found.dds ? "the game loads a .dds, which this tool cannot read" : "texture not found";
        return result;
    }
    const Painted& painted = paint(*found.tga);
    if (painted.gameView.isNull()) {
        result.problem = painted.problem;
        return result;
    }
    if (!image.coords) {
        result.problem = "no Coords";
        return result;
    }
    result.picture = CropAsGameDraws(painted.gameView, image);
    if (result.picture.isNull()) result.problem = "empty, inverted or far too large rectangle";
    return result;
}

std::string SafeFileName(const std::string& imageName) {
    static constexpr std::string_view kRefused = "/\\:*?\"<>|";
    std::string safe;
    for (const char c : imageName) {
        const auto byte = static_cast<unsigned char>(c);
        safe += (byte < 0x20 || byte >= 0x7F || kRefused.find(c) != std::string_view::npos) ? '_' : c;
    }
    if (safe.empty() || safe == "." || safe == "..") safe = "_" + safe;
    return safe;
}

}  // namespace vantrel::check
