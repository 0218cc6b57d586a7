#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "targa/GameCut.h"
#include "targa/GameTarga.h"

// What the game draws for the rectangle being picked, for the Game Preview window: the open
// texture decoded once by the game's Targa rules (targa/GameTarga.h), cut by the game's rule
// (targa/GameCut.h: Right and Bottom are the edges after the image), and laid over a
// checkerboard so that transparent pixels show as such.
namespace vantrel {

class MappingEditor;

// Light and dark squares of kCheckerSquare pixels, starting light at the picture's top-left corner.
inline constexpr int kCheckerSquare = 8;
inline constexpr std::uint32_t kCheckerLight = 0xFFFFFFFFu;
inline constexpr std::uint32_t kCheckerDark = 0xFFC0C0C0u;
// The checkerboard's colour at a pixel of the picture.
inline std::uint32_t CheckerAt(int x, int y) {
    return ((x / kCheckerSquare + y / kCheckerSquare) % 2 == 0) ? kCheckerLight : kCheckerDark;
}
// An 0xAARRGGBB pixel laid by its alpha over an opaque one; the result is opaque.
std::uint32_t LayOver(std::uint32_t pixel, std::uint32_t under);

// One state of the preview, as the window shows it.
struct GamePreviewPicture {
    // What the game draws: width x height pixels, top row first, 0xAARRGGBB with the game's alpha.
    // Empty when it draws nothing that can be shown (see reason).
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> gamePixels;
    // The same pixels laid over the checkerboard, opaque: what the window shows at 1x.
    std::vector<std::uint32_t> shownPixels;
    // "63 × 63 pixels"; empty when the boxes give no rectangle.
    std::string sizeText;
    // One line when the game cuts fewer pixels than were picked: "The game draws 63 × 63: it leaves
    // out the Right column and the Bottom row". Empty when the two agree.
    std::string note;
    // Why there is no picture, or what the game shows instead of the texture (its missing-texture
    // placeholder, a texture it never fills); empty when the picture is the texture's own pixels.
    std::string reason;
    GameShows shows = GameShows::Picture;

    bool empty() const { return width <= 0 || height <= 0; }
    // The note and the reason, each on a line of its own ("\n" between them), for one label.
    std::string message() const { return note.empty() || reason.empty() ? note + reason : note + "\n" + reason; }
};

// The size as the preview writes it: "63 × 63 pixels", "1 × 1 pixel".
std::string PixelSizeText(int width, int height);

class GamePreview {
public:
    // Decodes the texture's file by the game's rules. The file is read and decoded here only.
    void openTexture(const std::string& path);
    // The same, from bytes already in memory (displayName names them in messages).
    void openTexture(const std::uint8_t* data, std::size_t size, const std::string& displayName);
    void closeTexture();
    bool hasTexture() const { return hasTexture_; }

    // The preview of the rectangle in the four box texts. textureWidth and textureHeight are the
    // canvas's size in pixels (what was there to be picked).
    GamePreviewPicture preview(const std::string& left, const std::string& top, const std::string& right,
                               const std::string& bottom, int textureWidth, int textureHeight) const;

    // The editor's current rectangle: its four boxes (which a selected entry fills), on the texture
    // it last opened. The texture is decoded again only when the editor has opened one since.
    GamePreviewPicture update(const MappingEditor& editor);

private:
    bool hasTexture_ = false;
    std::string textureName_;
    GameTargaResult decoded_;
    int decodedOpenCount_ = 0;
};

}  // namespace vantrel
