#include "editor/GamePreview.h"

#include <array>
#include <optional>
#include <stdexcept>
#include <string_view>

#include "editor/EntryText.h"
#include "editor/MappingEditor.h"
#include "targa/FileByteSource.h"

namespace vantrel {

namespace {

constexpr const char* kTimes = "\xC3\x97";  // U+00D7 MULTIPLICATION SIGN, in UTF-8

std::string Times(int width, int height) { return std::to_string(width) + " " + kTimes + " " + std::to_string(height); }

bool IsBlank(std::string_view text) { return text.find_first_not_of(" \t") == std::string_view::npos; }

// The coordinate in a box, or the reason it gives none.
std::optional<int> Coordinate(const char* label, const std::string& text, std::string& reason) {
    if (IsBlank(text)) {
        if (reason.empty()) reason = "Pick or type the four corners: " + std::string(label) + " is empty";
        return std::nullopt;
    }
    if (!IsNumericText(text)) {
        if (reason.empty()) reason = std::string(label) + " is not a number";
        return std::nullopt;
    }
    const auto value = ToCoordinate(text);
    if (!value) {
        if (reason.empty()) reason = std::string(label) + " is outside the range of -32768 to 32767";
        return std::nullopt;
    }
    return *value;
}

std::optional<std::vector<std::uint8_t>> ReadWholeFile(const std::string& path, std::string& problem) {
    FileByteSource source(path);
    if (!source.isOpen()) {
        problem = source.openFailure();
        return std::nullopt;
    }
    std::vector<std::uint8_t> bytes;
    try {
        std::array<std::uint8_t, 65536> block;
        while (const std::size_t got = source.read(block.data(), block.size()))
            bytes.insert(bytes.end(), block.begin(), block.begin() + static_cast<std::ptrdiff_t>(got));
    } catch (const std::exception& error) {
        problem = error.what();
        return std::nullopt;
    }
    return bytes;
}

}  // namespace

std::uint32_t LayOver(std::uint32_t pixel, std::uint32_t under) {
    const std::uint32_t alpha = pixel >> 24;
    std::uint32_t out = 0xFF000000u;
    for (const int shift : {16, 8, 0}) {
        const std::uint32_t over = (pixel >> shift) & 255u;
        const std::uint32_t below = (under >> shift) & 255u;
        out |= ((over * alpha + below * (255u - alpha) + 127u) / 255u) << shift;
    }
    return out;
}

std::string PixelSizeText(int width, int height) {
    return Times(width, height) + (width == 1 && height == 1 ? " pixel" : " pixels");
}

void GamePreview::openTexture(const std::string& path) {
    std::string problem;
    const auto bytes = ReadWholeFile(path, problem);
    if (!bytes) {
        // What the game does with a file it cannot read: it cannot open it.
        hasTexture_ = true;
        textureName_ = path;
        decoded_ = GameTargaResult{};
        decoded_.outcome = GameTargaOutcome::Truncated;
        decoded_.shows = GameShows::MissingTexture;
        decoded_.problem = "the file cannot be read (" + problem + ")";
        decoded_.reason = decoded_.problem + "; " + GameShowsText(decoded_.shows);
        return;
    }
    openTexture(bytes->data(), bytes->size(), path);
}

void GamePreview::openTexture(const std::uint8_t* data, std::size_t size, const std::string& displayName) {
    hasTexture_ = true;
    textureName_ = displayName;
    decoded_ = DecodeTargaAsGame(data, size);
}

void GamePreview::closeTexture() {
    hasTexture_ = false;
    textureName_.clear();
    decoded_ = GameTargaResult{};
}

GamePreviewPicture GamePreview::preview(const std::string& leftText, const std::string& topText,
                                        const std::string& rightText, const std::string& bottomText,
                                        int textureWidth, int textureHeight) const {
    GamePreviewPicture result;
    if (!hasTexture_) {
        result.reason = "Open a texture to see what the game draws";
        return result;
    }
    std::string reason;
    const auto left = Coordinate("Left", leftText, reason);
    const auto top = Coordinate("Top", topText, reason);
    const auto right = Coordinate("Right", rightText, reason);
    const auto bottom = Coordinate("Bottom", bottomText, reason);
    if (!left || !top || !right || !bottom) {
        result.reason = reason;
        return result;
    }
    const GameRect rect{*left, *top, *right, *bottom};
    const int width = GameCutWidth(rect);
    const int height = GameCutHeight(rect);
    if (width < 0 || height < 0) {
        result.reason = width < 0 ? "Right is less than Left: the game draws nothing"
                                  : "Bottom is less than Top: the game draws nothing";
        return result;
    }
    if (width == 0 || height == 0) {
        result.reason = std::string("The game draws nothing: it leaves out the ") +
                        (width == 0 ? "Right column, and Right equals Left" : "Bottom row, and Bottom equals Top");
        return result;
    }
    if (width > kMaxGameCutSide || height > kMaxGameCutSide) {
        result.reason = "The rectangle is larger than " + std::to_string(kMaxGameCutSide) + " pixels on a side";
        return result;
    }

    // The picked rectangle holds its Right column and Bottom row; the game leaves out those that
    // were there to pick.
    const bool rightLeftOut = rect.right >= 0 && rect.right < textureWidth;
    const bool bottomLeftOut = rect.bottom >= 0 && rect.bottom < textureHeight;
    if (rightLeftOut || bottomLeftOut)
        result.note = "The game draws " + Times(width, height) + ": it leaves out the " +
                      (rightLeftOut && bottomLeftOut ? "Right column and the Bottom row"
                       : rightLeftOut                ? "Right column"
                                                     : "Bottom row");
    result.sizeText = PixelSizeText(width, height);
    result.shows = decoded_.shows;

    switch (decoded_.shows) {
        case GameShows::Picture: {
            const DecodedTexture cut = CutAsGameDraws(ViewOf(decoded_.image), rect);
            result.width = cut.width;
            result.height = cut.height;
            result.gamePixels = cut.pixels;
            if (!decoded_.reason.empty()) result.reason = "The texture: " + decoded_.reason;
            break;
        }
        case GameShows::MissingTexture:
            // The placeholder is one colour all over, so any part of it the image maps to is that colour.
            result.width = width;
            result.height = height;
            result.gamePixels.assign(static_cast<std::size_t>(width) * height, kMissingTextureColour);
            result.reason = "The texture: " + decoded_.reason;
            break;
        case GameShows::UnfilledTexture:
        case GameShows::Unknown:
            result.reason = "The texture: " + decoded_.reason;
            break;
    }
    result.shownPixels.resize(result.gamePixels.size());
    for (int y = 0; y < result.height; ++y)
        for (int x = 0; x < result.width; ++x) {
            const std::size_t at = static_cast<std::size_t>(y) * result.width + x;
            result.shownPixels[at] = LayOver(result.gamePixels[at], CheckerAt(x, y));
        }
    return result;
}

GamePreviewPicture GamePreview::update(const MappingEditor& editor) {
    if (editor.textureOpenCount() != decodedOpenCount_) {
        decodedOpenCount_ = editor.textureOpenCount();
        openTexture(editor.texturePath());
    }
    using Box = EditorView::Box;
    const EditorView& view = editor.view();
    GamePreviewPicture result = preview(view.boxText(Box::Left), view.boxText(Box::Top), view.boxText(Box::Right),
                                        view.boxText(Box::Bottom), editor.intTextureWidth(), editor.intTextureHeight());
    if (const int selected = editor.selectedEntry(); selected != 0 && hasTexture_) {
        const DocumentEntry& entry = editor.document().entry(selected);
        if (!editor.IsOnOpenTexture(entry)) {
            const std::string warning = "The selected entry " + entry.name + " names the texture " + entry.texture +
                                        ", not the open one";
            result.reason = result.reason.empty() ? warning : warning + ". " + result.reason;
        }
    }
    return result;
}

}  // namespace vantrel
