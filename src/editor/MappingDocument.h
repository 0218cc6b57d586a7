#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "editor/AnsiCodePage.h"

// The mapping document: the ordered lines that Save writes out, line for line, as the INI file.
// A new document is five header lines, then one MappedImage block of eight lines per entry, in the
// order in which the entries were completed. Lines and entries are counted from 1, as the file's
// lines are.
//
// A document opened from a file holds that file's lines exactly: each line's bytes in the file's
// 8-bit code page and its own line end (CR LF, LF, a lone CR, or none for a last line without
// one). Saving an opened document that was not changed writes the file back byte for byte. Every
// MappedImage block of the file, from its first line to its End as the game's INI reader
// delimits it, is an entry; entries completed afterwards are appended as eight CR LF lines.
//
// Beside the lines the document keeps the entry-name list (item k is exactly the first line of
// entry k's block, as shown text) and the removal number the delete dialog sets.
//
// Every change is one splice, a run of lines replaced by another, and the document keeps the
// splices it made so that Undo and Redo can exchange them back in constant time per line changed.
namespace vantrel {

// An entry's rectangle in texture pixels, as its Coords line gives it: Right and Bottom are the
// last column and row picked (the game leaves them out when it cuts).
struct EntryRectangle {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool operator==(const EntryRectangle&) const = default;
};

// One line of the file: its bytes in the file's code page, and the line end that followed them:
// "\r\n", "\n", "\r", or "" for a last line without one (always one of these four literals).
struct DocumentLine {
    std::string bytes;
    std::string_view ending = "\r\n";
    bool operator==(const DocumentLine&) const = default;
};

// What the document knows of one MappedImage block without reading it again.
struct DocumentEntry {
    int firstLine = 0;  // 0-based index of the block's first line
    int lineCount = 0;  // from the first line to its End (or to where the game stops reading it)
    std::string name;   // the image name, as the game reads it (shown text)
    std::string texture;  // the Texture value the game ends up with (shown text); empty when none
    std::optional<EntryRectangle> coords;  // the Coords the game ends up with
    int coordsOffset = -1;  // the line of that Coords, counted from the block's first line; -1 for none
    int endOffset = -1;     // the End line, counted from the block's first line; -1 for none
    bool fromFile = false;  // read from an opened file (rather than completed in this session)
};

// Where the game's reader would stop in an opened file, by document line (from 1).
struct GameStop {
    int line = 0;
    std::string reason;
};

class MappingDocument {
public:
    static constexpr int kHeaderLineCount = 5;
    static constexpr int kBlockLineCount = 8;
    static constexpr int kFirstBlockStart = kHeaderLineCount + 1;
    // The largest file Open Mapping reads: a mapping of thousands of entries is a few megabytes.
    static constexpr std::size_t kMaxFileBytes = 16u << 20;

    // The five header lines, line 1 first.
    static const std::vector<std::string>& HeaderLines();

    // "MappedImage " followed by the entry name: the block's first line and the name list's item.
    static std::string FirstLineFor(const std::string& entryName);

    // The eight lines of one entry's block.
    static std::vector<std::string> BlockLines(const std::string& entryName, const std::string& strTextureName,
                                               std::int16_t intTextureWidth, std::int16_t intTextureHeight,
                                               const EntryRectangle& rectangle);
    // "Coords = Left:l Top:t Right:r Bottom:b".
    static std::string CoordsLine(const EntryRectangle& rectangle);

    // An empty document that encodes and decodes in the given code page; Initialise() appends the header.
    explicit MappingDocument(const AnsiCodePage& codePage = SystemAnsiCodePage());

    // The main window's load step: appends the five header lines.
    void Initialise();

    // Replaces the whole document with an opened file's bytes, with a history of its own. Returns
    // where the game would stop reading the file, in line order (empty when it reads it whole).
    std::vector<GameStop> Open(std::string_view fileBytes);

    // Appends one entry: first its first line to the name list, then its block to the document.
    void AppendEntry(const std::string& entryName, const std::string& strTextureName, std::int16_t intTextureWidth,
                     std::int16_t intTextureHeight, const EntryRectangle& rectangle);

    // Removes the block of the entry at name list position lngRemoveNumber, then that item. A number
    // that names no item removes nothing.
    void RemoveEntry();

    // Writes the rectangle into entry k's Coords line (a block without one gets one before its End).
    void SetCoords(int entry, const EntryRectangle& rectangle);
    // Gives entry k a new name: the name on its first line is replaced, the rest of the line kept.
    void Rename(int entry, const std::string& newName);

    // Undo and Redo of whole changes. Each returns false, changing nothing, when there is nothing to
    // undo or redo.
    bool Undo();
    bool Redo();
    bool canUndo() const { return done_ > 0; }
    bool canRedo() const { return done_ < history_.size(); }
    // Names the document's state: equal revisions mean equal documents (a state undone and made
    // again by another change gets a new one).
    std::size_t revision() const { return done_ > 0 ? history_[done_ - 1].id : baseRevision_; }

    // Shown text of every line (UTF-8), for tests and messages.
    std::vector<std::string> colLines() const;
    const std::vector<std::string>& colNames() const { return colNames_; }
    const std::vector<DocumentLine>& lines() const { return lines_; }
    const std::vector<DocumentEntry>& entries() const { return entries_; }
    int lineCount() const { return static_cast<int>(lines_.size()); }
    int entryCount() const { return static_cast<int>(colNames_.size()); }
    std::string line(int oneBased) const;
    const std::string& name(int oneBased) const { return colNames_.at(static_cast<std::size_t>(oneBased - 1)); }
    const DocumentEntry& entry(int oneBased) const { return entries_.at(static_cast<std::size_t>(oneBased - 1)); }
    // Whether an entry of this first line is there already: the same first line, or, for an entry
    // read from a file, the same image name. Entry `except` (from 1) is left out of the comparison.
    bool containsName(const std::string& firstLine, int except = 0) const;

    // The position (from 1) in the name list of the entry chosen for deletion; 0 means none.
    std::int32_t lngRemoveNumber = 0;

    // The file's bytes: every line's bytes followed by its line end. What Save writes.
    std::string Text() const;

    const AnsiCodePage& codePage() const { return *codePage_; }

private:
    // One change: `count` lines from `line` are exchanged with `lines`, and `entryCount` entries from
    // `entry` with `entries` (with their names). Applying a splice turns it into its own inverse.
    struct Splice {
        std::size_t id = 0;
        int line = 0;
        int count = 0;
        std::vector<DocumentLine> lines;
        int entry = 0;
        int entryCount = 0;
        std::vector<DocumentEntry> entries;
        std::vector<std::string> names;
    };

    void apply(Splice& splice);
    void record(Splice splice);
    std::string encode(const std::string& text) const;
    std::string decode(std::string_view bytes) const { return codePage_->Decode(bytes); }

    const AnsiCodePage* codePage_;
    std::vector<DocumentLine> lines_;
    std::vector<DocumentEntry> entries_;
    std::vector<std::string> colNames_;
    std::vector<Splice> history_;
    std::size_t done_ = 0;
    std::size_t baseRevision_ = 0;
    std::size_t nextRevision_ = 1;
};

}  // namespace vantrel
