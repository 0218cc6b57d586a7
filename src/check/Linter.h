#pragma once

#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "check/Finding.h"
#include "check/MappedImageCollection.h"
#include "check/GameFileSystem.h"
#include "check/TextureSearch.h"
#include "targa/GameTarga.h"

// Lints INI files of MappedImage blocks as the game loads them: files in load order into one
// image collection, so that names merged across files are found. After the last file every
// image is checked as the game will use it, and, where its texture is found, against the
// texture itself.
namespace vantrel::check {

// What is known of one Targa file.
struct TargaFacts {
    std::optional<std::string> unreadable;  // why not even its header could be read
    int width = 0;                          // from the header
    int height = 0;
    std::optional<std::string> readerMessage;  // what the project's reader reported, if anything
    // How the game's own Targa rules take the file, where that is known.
    enum class GameLoad { Unknown, Loads, Fails };
    GameLoad gameLoad = GameLoad::Unknown;
    std::string gameProblem;  // why the game fails to load it
    GameShows gameShows = GameShows::Unknown;  // what the game draws in its place when it fails
    // When it loads: what the game draws otherwise than the file means (pixels in undefined
    // colours, a strip upside down), or empty.
    std::string gameNote;
    // Why the game's loader writes past its colour-map buffer while reading the file, if it does.
    std::optional<std::string> colourMapOverrun;
};
using TargaInspector = std::function<TargaFacts(const GameFile&)>;

struct LintOptions {
    std::optional<TextureSearch> textures;  // where textures are looked for; none: not checked
    TargaInspector inspectTarga;            // needed when textures is set
};

class Linter {
public:
    explicit Linter(LintOptions options);

    // Files in the order the game loads them. The name is what findings call the file; fromGame
    // says it is one of the game's own files (read from a --game folder).
    void addFile(const std::string& name, std::string_view bytes, bool fromGame = false);
    void addUnreadableFile(const std::string& name, const std::string& reason);
    // A problem with a whole file that is not an INI file (a damaged archive), reported in turn.
    void addFileProblem(const std::string& name, Severity severity, const std::string& text);

    // Runs the checks on the finished collection; all findings, by file (in the order added) and line.
    std::vector<Finding> finish();

    const MappedImageCollection& images() const { return images_; }
    std::size_t filesRead() const { return filesRead_; }
    // Textures named by the images checked and found nowhere, counted once each (after finish()).
    std::size_t texturesNotFound() const { return texturesNotFound_; }

private:
    // What one texture name leads to, worked out and reported once for all images that name it.
    struct TextureState {
        FoundTexture found;
        std::optional<TargaFacts> facts;  // when a .tga is what the game loads
        bool usable = false;              // a .tga whose size the checks can use
    };

    void add(Finding finding);
    void checkImage(const MappedImageState& image);
    void checkAgainstTexture(const MappedImageState& image, const TextureState& texture);
    // Coords against TextureWidth and TextureHeight, when no texture tells the real size.
    void checkAgainstDeclaredSize(const MappedImageState& image);
    void reportTexture(const std::string& name, const TextureState& texture, const std::vector<const MappedImageState*>& users);

    LintOptions options_;
    MappedImageCollection images_;
    std::vector<Finding> findings_;
    std::map<std::string, std::size_t> fileOrder_;
    std::size_t filesRead_ = 0;
    std::size_t modFiles_ = 0;
    std::size_t texturesNotFound_ = 0;
    std::set<std::string> gameFiles_;
};

bool HasErrors(const std::vector<Finding>& findings);

}  // namespace vantrel::check
