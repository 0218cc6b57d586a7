#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The mapping document: the ordered lines that Save writes out, line for line, as the INI file.
// Five header lines, then one MappedImage block of eight lines per entry, in the order in which the
// entries were completed. Lines and names are counted from 1, as the file's lines are.
//
// Beside the lines the document keeps the entry-name list (item k is exactly the first line of
// entry k's block) and the removal number the delete dialog sets. The two lists always agree:
// line 6 + 8 * (k - 1) equals item k of the name list.
namespace vantrel {

struct EntryRectangle {
    std::int16_t left = 0;
    std::int16_t top = 0;
    std::int16_t right = 0;
    std::int16_t bottom = 0;
};

class MappingDocument {
public:
    static constexpr int kHeaderLineCount = 5;
    static constexpr int kBlockLineCount = 8;
    static constexpr int kFirstBlockStart = kHeaderLineCount + 1;

    // The five header lines, line 1 first.
    static const std::vector<std::string>& HeaderLines();

    // "MappedImage " followed by the entry name: the block's first line and the name list's item.
    static std::string FirstLineFor(const std::string& entryName);

    // The eight lines of one entry's block.
    static std::vector<std::string> BlockLines(const std::string& entryName, const std::string& strTextureName,
                                               std::int16_t intTextureWidth, std::int16_t intTextureHeight,
                                               const EntryRectangle& rectangle);

    // An empty document; Initialise() appends the header.
    MappingDocument() = default;

    // The main window's load step: appends the five header lines.
    void Initialise();

    // Appends one entry: first its first line to the name list, then its block to the document.
    void AppendEntry(const std::string& entryName, const std::string& strTextureName, std::int16_t intTextureWidth,
                     std::int16_t intTextureHeight, const EntryRectangle& rectangle);

    // Removes the block whose first line equals name list item lngRemoveNumber, searching block starts
    // 6, 14, 22, ...; then removes that item. A number that names no item removes nothing.
    void RemoveEntry();

    const std::vector<std::string>& colLines() const { return colLines_; }
    const std::vector<std::string>& colNames() const { return colNames_; }
    int lineCount() const { return static_cast<int>(colLines_.size()); }
    int entryCount() const { return static_cast<int>(colNames_.size()); }
    const std::string& line(int oneBased) const { return colLines_.at(static_cast<std::size_t>(oneBased - 1)); }
    const std::string& name(int oneBased) const { return colNames_.at(static_cast<std::size_t>(oneBased - 1)); }
    bool containsName(const std::string& firstLine) const;

    // The position (from 1) in the name list of the entry chosen for deletion; 0 means none.
    std::int32_t lngRemoveNumber = 0;

    // The whole file in UTF-8: every line followed by CR LF. Save encodes it to the 8-bit code page.
    std::string Text() const;

private:
    std::vector<std::string> colLines_;
    std::vector<std::string> colNames_;
};

}  // namespace vantrel
