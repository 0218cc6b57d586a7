#include "editor/MappingDocument.h"

#include <algorithm>

#include "ui/AppIdentity.h"

namespace vantrel {

const std::vector<std::string>& MappingDocument::HeaderLines() {
    static const std::vector<std::string> lines = {
        "; Vantrel Auto-Generated INI File",
        "; Vantrel 2.0 was written by the Vantrel developers for the modders of Generals and Zero Hour",
        std::string("; Instructions and updates: ") + kSupportSiteAddress,
        "; Thanks to the Targa format's first decoders, whose notes shaped the texture reader",
        " ",
    };
    return lines;
}

std::string MappingDocument::FirstLineFor(const std::string& entryName) { return "MappedImage " + entryName; }

std::vector<std::string> MappingDocument::BlockLines(const std::string& entryName, const std::string& strTextureName,
                                                     std::int16_t intTextureWidth, std::int16_t intTextureHeight,
                                                     const EntryRectangle& r) {
    return {
        FirstLineFor(entryName),
        "Texture = " + strTextureName,
        "TextureWidth = " + std::to_string(intTextureWidth),
        "TextureHeight = " + std::to_string(intTextureHeight),
        "Coords = Left:" + std::to_string(r.left) + " Top:" + std::to_string(r.top) + " Right:" +
            std::to_string(r.right) + " Bottom:" + std::to_string(r.bottom),
        "Status = NONE",
        "End",
        " ",
    };
}

void MappingDocument::Initialise() {
    const auto& header = HeaderLines();
    colLines_.insert(colLines_.end(), header.begin(), header.end());
}

void MappingDocument::AppendEntry(const std::string& entryName, const std::string& strTextureName,
                                  std::int16_t intTextureWidth, std::int16_t intTextureHeight,
                                  const EntryRectangle& rectangle) {
    colNames_.push_back(FirstLineFor(entryName));
    const auto block = BlockLines(entryName, strTextureName, intTextureWidth, intTextureHeight, rectangle);
    colLines_.insert(colLines_.end(), block.begin(), block.end());
}

void MappingDocument::RemoveEntry() {
    if (lngRemoveNumber < 1 || lngRemoveNumber > entryCount()) return;
    const std::string target = name(lngRemoveNumber);
    const int n = lineCount();
    for (int p = kFirstBlockStart; p <= n; p += kBlockLineCount) {
        if (line(p) == target) {
            const auto first = colLines_.begin() + (p - 1);
            colLines_.erase(first, first + std::min<std::ptrdiff_t>(kBlockLineCount, colLines_.end() - first));
            colNames_.erase(colNames_.begin() + (lngRemoveNumber - 1));
            return;
        }
    }
}

bool MappingDocument::containsName(const std::string& firstLine) const {
    return std::find(colNames_.begin(), colNames_.end(), firstLine) != colNames_.end();
}

std::string MappingDocument::Text() const {
    std::string text;
    for (const auto& l : colLines_) {
        text += l;
        text += "\r\n";
    }
    return text;
}

}  // namespace vantrel
