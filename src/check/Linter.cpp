#include "check/Linter.h"

#include <algorithm>

#include "check/GameIniTokens.h"
#include "check/MappedImageParser.h"

namespace vantrel::check {

namespace {

std::string SizeText(int width, int height) { return std::to_string(width) + " x " + std::to_string(height); }

std::string RectText(const PixelRect& r) {
    return "Left:" + std::to_string(r.left) + " Top:" + std::to_string(r.top) + " Right:" + std::to_string(r.right) +
           " Bottom:" + std::to_string(r.bottom);
}

// The reader's messages span lines ("...the file:" CR LF "reason"); a finding is one line.
std::string OneLine(std::string text) {
    std::string line;
    for (const char c : text) {
        if (c == '\r') continue;
        line += c == '\n' ? ' ' : c;
    }
    return line;
}

}  // namespace

bool HasErrors(const std::vector<Finding>& findings) {
    return std::any_of(findings.begin(), findings.end(),
                       [](const Finding& f) { return f.severity == Severity::Error; });
}

Linter::Linter(LintOptions options) : options_(std::move(options)) {}

void Linter::add(Finding finding) {
    fileOrder_.try_emplace(finding.file, fileOrder_.size());
    findings_.push_back(std::move(finding));
}

void Linter::addFile(const std::string& name, std::string_view bytes) {
    fileOrder_.try_emplace(name, fileOrder_.size());
    ParsedIniFile parsed = ParseMappedImageFile(name, bytes);
    for (auto& finding : parsed.findings) add(std::move(finding));
    for (const auto& block : parsed.blocks)
        for (auto& finding : images_.apply(name, block)) add(std::move(finding));
}

void Linter::addUnreadableFile(const std::string& name, const std::string& reason) {
    add({name, 0, Severity::Error, "cannot read the file: " + reason});
}

std::vector<Finding> Linter::finish() {
    for (const auto& image : images_.images()) checkImage(image);
    std::stable_sort(findings_.begin(), findings_.end(), [this](const Finding& a, const Finding& b) {
        const auto fa = fileOrder_.at(a.file), fb = fileOrder_.at(b.file);
        return fa != fb ? fa < fb : a.line < b.line;
    });
    return findings_;
}

void Linter::checkImage(const MappedImageState& image) {
    const std::string name = Quoted(image.name);
    if (!image.textureAt)
        add({image.firstDefined.file, image.firstDefined.line, Severity::Warning,
             "MappedImage " + name + " sets no Texture; the game draws nothing for it"});
    if (!image.coords) {
        add({image.firstDefined.file, image.firstDefined.line, Severity::Warning,
             "MappedImage " + name + " sets no Coords; the game gives it a size of 0 x 0"});
    } else {
        const PixelRect& r = *image.coords;
        const SourcePlace& at = *image.coordsAt;
        if (r.right == r.left)
            add({at.file, at.line, Severity::Warning,
                 "the rectangle is empty: the game draws Right - Left pixels across, and Right (" +
                     std::to_string(r.right) + ") equals Left (" + std::to_string(r.left) + ")"});
        else if (r.right < r.left)
            add({at.file, at.line, Severity::Warning,
                 "the rectangle is inverted: Right (" + std::to_string(r.right) + ") is less than Left (" +
                     std::to_string(r.left) + ")"});
        if (r.bottom == r.top)
            add({at.file, at.line, Severity::Warning,
                 "the rectangle is empty: the game draws Bottom - Top pixels down, and Bottom (" +
                     std::to_string(r.bottom) + ") equals Top (" + std::to_string(r.top) + ")"});
        else if (r.bottom < r.top)
            add({at.file, at.line, Severity::Warning,
                 "the rectangle is inverted: Bottom (" + std::to_string(r.bottom) + ") is less than Top (" +
                     std::to_string(r.top) + ")"});
    }
    if (options_.textures && !image.texture.empty()) {
        checkAgainstTexture(image);
    } else if (image.coords && image.textureWidth > 0 && image.textureHeight > 0) {
        const PixelRect& r = *image.coords;
        if (r.left < 0 || r.top < 0 || r.right > image.textureWidth || r.bottom > image.textureHeight)
            add({image.coordsAt->file, image.coordsAt->line, Severity::Warning,
                 "the rectangle " + RectText(r) + " reaches outside the " +
                     SizeText(image.textureWidth, image.textureHeight) +
                     " texture that TextureWidth and TextureHeight declare"});
    }
}

void Linter::checkAgainstTexture(const MappedImageState& image) {
    const SourcePlace& textureAt = *image.textureAt;
    const TextureLookup found = options_.textures->lookup(image.texture);
    const bool namesTga = LowerAscii(image.texture).ends_with(".tga");
    if (found.dds) {
        if (namesTga)
            add({textureAt.file, textureAt.line, Severity::Warning,
                 "the game loads " + Quoted(found.dds->string()) + " in place of " + Quoted(image.texture) +
                     " (it tries the .dds of the same name first); the .tga is not checked"});
        return;  // a DDS texture cannot be read here
    }
    if (!found.tga) {
        add({textureAt.file, textureAt.line, Severity::Warning,
             "texture " + Quoted(image.texture) + " not found under " + Quoted(options_.textures->folder().string())});
        return;
    }
    const TargaFacts& facts = inspect(*found.tga);
    if (facts.unreadable) {
        add({textureAt.file, textureAt.line, Severity::Warning,
             "texture " + Quoted(found.tga->string()) + " cannot be read: " + *facts.unreadable});
        return;
    }
    if (facts.readerMessage)
        add({textureAt.file, textureAt.line, Severity::Warning,
             "texture rejected by the reader: " + OneLine(*facts.readerMessage)});
    if (image.textureWidth != facts.width || image.textureHeight != facts.height) {
        // At the line that says the wrong number, where there is one.
        SourcePlace at = textureAt;
        if (image.textureWidth != facts.width && image.textureWidthAt)
            at = *image.textureWidthAt;
        else if (image.textureHeight != facts.height && image.textureHeightAt)
            at = *image.textureHeightAt;
        add({at.file, at.line, Severity::Warning,
             "TextureWidth and TextureHeight say " + SizeText(image.textureWidth, image.textureHeight) + ", but " +
                 Quoted(found.tga->string()) + " is " + SizeText(facts.width, facts.height)});
    }
    if (image.coords) {
        const PixelRect& r = *image.coords;
        if (r.left < 0 || r.top < 0 || r.right > facts.width || r.bottom > facts.height)
            add({image.coordsAt->file, image.coordsAt->line, Severity::Warning,
                 "the rectangle " + RectText(r) + " reaches outside the " + SizeText(facts.width, facts.height) +
                     " texture " + Quoted(found.tga->string())});
    }
}

const TargaFacts& Linter::inspect(const std::filesystem::path& path) {
    auto it = inspected_.find(path);
    if (it == inspected_.end()) it = inspected_.emplace(path, options_.inspectTarga(path)).first;
    return it->second;
}

}  // namespace vantrel::check
