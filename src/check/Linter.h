#pragma once

#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "check/Finding.h"
#include "check/MappedImageCollection.h"
#include "check/TextureFolder.h"

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
};
using TargaInspector = std::function<TargaFacts(const std::filesystem::path&)>;

struct LintOptions {
    std::optional<TextureFolder> textures;  // --textures
    TargaInspector inspectTarga;            // needed when textures is set
};

class Linter {
public:
    explicit Linter(LintOptions options);

    // Files in the order the game loads them. The name is what findings call the file.
    void addFile(const std::string& name, std::string_view bytes);
    void addUnreadableFile(const std::string& name, const std::string& reason);

    // Runs the checks on the finished collection; all findings, by file (in the order added) and line.
    std::vector<Finding> finish();

    const MappedImageCollection& images() const { return images_; }

private:
    void add(Finding finding);
    void checkImage(const MappedImageState& image);
    void checkAgainstTexture(const MappedImageState& image);
    const TargaFacts& inspect(const std::filesystem::path& path);

    LintOptions options_;
    MappedImageCollection images_;
    std::vector<Finding> findings_;
    std::map<std::string, std::size_t> fileOrder_;
    std::map<std::filesystem::path, TargaFacts> inspected_;
};

bool HasErrors(const std::vector<Finding>& findings);

}  // namespace vantrel::check
