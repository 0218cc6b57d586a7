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

void Linter::addFile(const std::string& name, std::string_view bytes, bool fromGame) {
    ++filesRead_;
    fileOrder_.try_emplace(name, fileOrder_.size());
    if (!fromGame) ++modFiles_;
    if (fromGame) gameFiles_.insert(name);
    ParsedIniFile parsed = ParseMappedImageFile(name, bytes);
    // What is wrong inside the game's own files is not the mod's to mend; what the game does
    // with them is still applied.
    if (!fromGame)
        for (auto& finding : parsed.findings) add(std::move(finding));
    for (const auto& block : parsed.blocks)
        for (auto& finding : images_.apply(name, block, fromGame)) add(std::move(finding));
}

void Linter::addUnreadableFile(const std::string& name, const std::string& reason) {
    add({name, 0, Severity::Error, "cannot read the file: " + reason});
}

void Linter::addFileProblem(const std::string& name, Severity severity, const std::string& text) {
    add({name, 0, severity, text});
}

std::vector<Finding> Linter::finish() {
    // Images by the texture they name (without regard to case, as the game's file system
    // finds it), in the order of first use.
    std::vector<std::string> textureOrder;
    std::map<std::string, std::vector<const MappedImageState*>> users;
    for (const auto& image : images_.images()) {
        // With a mod, only the images the mod sets; the game's own are checked when nothing else is read.
        if (modFiles_ > 0 && !image.setByMod) continue;
        checkImage(image);
        if (!options_.textures || image.texture.empty()) continue;
        auto& list = users[LowerAscii(image.texture)];
        if (list.empty()) textureOrder.push_back(LowerAscii(image.texture));
        list.push_back(&image);
    }
    for (const auto& key : textureOrder) {
        const auto& imagesOnIt = users.at(key);
        TextureState texture;
        texture.found = options_.textures->lookup(imagesOnIt.front()->texture);
        if (texture.found.tga && !texture.found.dds) {
            texture.facts = options_.inspectTarga(*texture.found.tga);
            texture.usable = !texture.facts->unreadable && texture.facts->gameLoad != TargaFacts::GameLoad::Fails;
        }
        reportTexture(imagesOnIt.front()->texture, texture, imagesOnIt);
        for (const auto* image : imagesOnIt) {
            if (texture.usable)
                checkAgainstTexture(*image, texture);
            else
                checkAgainstDeclaredSize(*image);
        }
    }
    // With a mod, nothing is said at a line of the game's own files, such as its Texture line
    // where it sets an image the mod sets too: the mod cannot mend them.
    if (modFiles_ > 0) std::erase_if(findings_, [this](const Finding& f) { return gameFiles_.contains(f.file); });
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
    // A negative size is wrong whatever the texture: the game divides Coords by it.
    if (image.textureWidth < 0 && image.textureWidthAt)
        add({image.textureWidthAt->file, image.textureWidthAt->line, Severity::Warning,
             "TextureWidth is negative (" + std::to_string(image.textureWidth) +
                 "); the game divides Left and Right by it, and the image shows a wrong part of the texture or nothing"});
    if (image.textureHeight < 0 && image.textureHeightAt)
        add({image.textureHeightAt->file, image.textureHeightAt->line, Severity::Warning,
             "TextureHeight is negative (" + std::to_string(image.textureHeight) +
                 "); the game divides Top and Bottom by it, and the image shows a wrong part of the texture or nothing"});
    // With textures to look in, the texture found decides; without one, the declared size.
    if (!(options_.textures && !image.texture.empty())) checkAgainstDeclaredSize(image);
}

void Linter::checkAgainstDeclaredSize(const MappedImageState& image) {
    if (!image.coords || image.textureWidth <= 0 || image.textureHeight <= 0) return;
    const PixelRect& r = *image.coords;
    if (r.left < 0 || r.top < 0 || r.right > image.textureWidth || r.bottom > image.textureHeight)
        add({image.coordsAt->file, image.coordsAt->line, Severity::Warning,
             "the rectangle " + RectText(r) + " reaches outside the " + SizeText(image.textureWidth, image.textureHeight) +
                 " texture that TextureWidth and TextureHeight declare"});
}

void Linter::reportTexture(const std::string& name, const TextureState& texture,
                           const std::vector<const MappedImageState*>& imagesOnIt) {
    const SourcePlace& at = *imagesOnIt.front()->textureAt;
    const std::string others =
        imagesOnIt.size() > 1 ? " (named by " + std::to_string(imagesOnIt.size()) + " images; reported once)" : "";
    auto warn = [&](std::string text) { add({at.file, at.line, Severity::Warning, std::move(text) + others}); };
    const bool namesTga = LowerAscii(name).ends_with(".tga");
    if (texture.found.dds) {
        if (namesTga)
            warn("the game loads " + Quoted(texture.found.dds->display) + " in place of " + Quoted(name) +
                 " (it tries the .dds of the same name first); the .tga is not checked");
        return;  // a DDS texture cannot be read here
    }
    if (!texture.found.tga) {
        // A name of another kind has had its warning from the parser.
        if (namesTga || LowerAscii(name).ends_with(".dds")) {
            ++texturesNotFound_;
            warn("texture " + Quoted(name) + " not found; " + options_.textures->describe());
        }
        return;
    }
    const TargaFacts& facts = *texture.facts;
    const std::string file = Quoted(texture.found.tga->display);
    if (facts.colourMapOverrun) {
        // Targa::Load copies the colour map without a bound: what lies after its buffer is
        // overwritten, and the game may crash.
        add({at.file, at.line, Severity::Error,
             "texture " + file + " overruns the game's colour-map buffer: " + *facts.colourMapOverrun +
                 ", which may crash it or damage what it holds there" + others});
    } else if (facts.unreadable) {
        warn("texture " + file + " cannot be read: " + *facts.unreadable);
    } else if (facts.gameLoad == TargaFacts::GameLoad::Fails) {
        switch (facts.gameShows) {
            case GameShows::MissingTexture:
                warn("the game cannot open texture " + file + ": " + facts.gameProblem +
                     "; it draws its missing-texture placeholder (a " + std::to_string(kMissingTextureSide) + " x " +
                     std::to_string(kMissingTextureSide) +
                     " half-transparent magenta square) instead, so the images on it show magenta");
                break;
            case GameShows::UnfilledTexture:
                warn("the game cannot read the pixels of texture " + file + ": " + facts.gameProblem +
                     "; it makes the texture at the size its header declares but never fills it, so the images on "
                     "it show undefined colours");
                break;
            default:
                warn("what the game draws for texture " + file + " is not known: " + facts.gameProblem);
                break;
        }
    } else if (facts.readerMessage) {
        const std::string said = OneLine(*facts.readerMessage);
        if (facts.gameLoad == TargaFacts::GameLoad::Loads)
            warn("the editor cannot open texture " + file + " (its reader says: " + said +
                 "); the game draws it, and crop and sheet show it as the game does");
        else
            warn("the editor cannot open texture " + file + " (its reader says: " + said + ")");
    }
    // Drawn, but not all as the file means it.
    if (!facts.unreadable && facts.gameLoad == TargaFacts::GameLoad::Loads && !facts.gameNote.empty())
        warn("the game draws texture " + file + " otherwise than the file means it: " + facts.gameNote);
}

void Linter::checkAgainstTexture(const MappedImageState& image, const TextureState& texture) {
    const TargaFacts& facts = *texture.facts;
    const std::string file = Quoted(texture.found.tga->display);
    if (image.textureWidth != facts.width || image.textureHeight != facts.height) {
        // At the line that says the wrong number, where there is one.
        SourcePlace at = *image.textureAt;
        if (image.textureWidth != facts.width && image.textureWidthAt)
            at = *image.textureWidthAt;
        else if (image.textureHeight != facts.height && image.textureHeightAt)
            at = *image.textureHeightAt;
        add({at.file, at.line, Severity::Warning,
             "TextureWidth and TextureHeight say " + SizeText(image.textureWidth, image.textureHeight) + ", but " +
                 file + " is " + SizeText(facts.width, facts.height)});
    }
    if (image.coords) {
        const PixelRect& r = *image.coords;
        if (r.left < 0 || r.top < 0 || r.right > facts.width || r.bottom > facts.height)
            add({image.coordsAt->file, image.coordsAt->line, Severity::Warning,
                 "the rectangle " + RectText(r) + " reaches outside the " + SizeText(facts.width, facts.height) +
                     " texture " + file});
    }
}

}  // namespace vantrel::check
