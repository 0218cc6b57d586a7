#include "check/ImageCutter.h"

#include <string_view>

#include "check/TextureImages.h"

namespace vantrel::check {

const ImageCutter::Decoded& ImageCutter::decode(const std::string& key, const std::uint8_t* data, std::size_t size) {
    auto it = decoded_.find(key);
    if (it != decoded_.end()) return it->second;
    Decoded result;
    const GameTargaResult game = DecodeTargaAsGame(data, size, flavour_);
    if (game.outcome == GameTargaOutcome::Loaded)
        result.gameView = GameView(game.image, background_);
    else
        result.problem = std::string("texture ") + GameTargaOutcomeName(game.outcome) + ": " + game.reason;
    return decoded_.emplace(key, std::move(result)).first->second;
}

CutImage ImageCutter::cutFrom(const MappedImageState& image, const Decoded& decoded) {
    CutImage result;
    result.image = &image;
    if (decoded.gameView.isNull()) {
        result.problem = decoded.problem;
        return result;
    }
    if (!image.coords) {
        result.problem = "no Coords";
        return result;
    }
    result.picture = CropAsGameDraws(decoded.gameView, image);
    if (result.picture.isNull()) result.problem = "empty, inverted or far too large rectangle";
    return result;
}

CutImage ImageCutter::cut(const MappedImageState& image, const std::string& textureKey, const std::uint8_t* data,
                          std::size_t size, const std::string&) {
    return cutFrom(image, decode(textureKey, data, size));
}

CutImage ImageCutter::cut(const MappedImageState& image) {
    CutImage result;
    result.image = &image;
    if (image.texture.empty()) {
        result.problem = "no Texture";
        return result;
    }
    const TextureLookup found = textures_ ? textures_->lookup(image.texture) : TextureLookup{};
    if (!found.tga) {
        result.problem = found.dds ? "the game loads a .dds, which this tool cannot read" : "texture not found";
        return result;
    }
    const std::string key = found.tga->string();
    if (decoded_.find(key) == decoded_.end()) {
        std::string problem;
        const auto bytes = ReadTextureBytes(*found.tga, &problem);
        if (!bytes) {
            Decoded unreadable;
            unreadable.problem = "texture cannot be read: " + problem;
            decoded_.emplace(key, std::move(unreadable));
        } else {
            decode(key, bytes->data(), bytes->size());
        }
    }
    return cutFrom(image, decoded_.at(key));
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
