#include "editor/MappingDocument.h"

#include <algorithm>
#include <iterator>

#include "check/GameIniTokens.h"
#include "check/MappedImageParser.h"
#include "ui/AppIdentity.h"

namespace vantrel {

namespace {

constexpr std::string_view kCrLf = "\r\n";

// Bytes the game's INI reader takes as blanks between words: controls, space and '='.
bool IsSeparator(unsigned char c) { return c < 32 || c == ' ' || c == '='; }

// The byte range [begin, end) of the word after the first on a line, as the game reads the line
// (blanks and '=' between words; ';' or NUL ends what is read). begin == end when there is none;
// begin then is where a name would go, right after the first word.
std::pair<std::size_t, std::size_t> SecondWord(std::string_view bytes) {
    std::size_t i = 0;
    const auto stops = [&](std::size_t k) { return k >= bytes.size() || bytes[k] == ';' || bytes[k] == '\0'; };
    while (!stops(i) && IsSeparator(static_cast<unsigned char>(bytes[i]))) ++i;
    while (!stops(i) && !IsSeparator(static_cast<unsigned char>(bytes[i]))) ++i;
    const std::size_t afterFirst = i;
    while (!stops(i) && IsSeparator(static_cast<unsigned char>(bytes[i]))) ++i;
    if (stops(i)) return {afterFirst, afterFirst};
    const std::size_t begin = i;
    while (!stops(i) && !IsSeparator(static_cast<unsigned char>(bytes[i]))) ++i;
    return {begin, i};
}

// The image name the game reads from a first line "MappedImage <name>".
std::string GameNameOf(std::string_view firstLine) {
    const auto [begin, end] = SecondWord(firstLine);
    return std::string(firstLine.substr(begin, end - begin));
}

}  // namespace

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

std::string MappingDocument::CoordsLine(const EntryRectangle& r) {
    return "Coords = Left:" + std::to_string(r.left) + " Top:" + std::to_string(r.top) +
           " Right:" + std::to_string(r.right) + " Bottom:" + std::to_string(r.bottom);
}

std::vector<std::string> MappingDocument::BlockLines(const std::string& entryName, const std::string& strTextureName,
                                                     std::int16_t intTextureWidth, std::int16_t intTextureHeight,
                                                     const EntryRectangle& r) {
    return {
        FirstLineFor(entryName),
        "Texture = " + strTextureName,
        "TextureWidth = " + std::to_string(intTextureWidth),
        "TextureHeight = " + std::to_string(intTextureHeight),
        CoordsLine(r),
        "Status = NONE",
        "End",
        " ",
    };
}

MappingDocument::MappingDocument(const AnsiCodePage& codePage) : codePage_(&codePage) {}

std::string MappingDocument::encode(const std::string& text) const {
    // The editor refuses names and texture names its code page cannot hold before they reach the
    // document; should one slip through, its UTF-8 is kept rather than a look-alike.
    auto encoded = codePage_->Encode(text);
    return encoded ? std::move(*encoded) : text;
}

void MappingDocument::Initialise() {
    for (const auto& header : HeaderLines()) lines_.push_back(DocumentLine{encode(header), kCrLf});
}

std::vector<GameStop> MappingDocument::Open(std::string_view fileBytes) {
    std::vector<DocumentLine> lines;
    lines.reserve(fileBytes.size() / 24 + 1);
    // gameLineStart[n]: the index of the line where the game's line n begins. The game ends its
    // lines at LF only; a lone CR ends a line here but is a blank to the game.
    std::vector<int> gameLineStart{0, 0};
    const std::size_t size = fileBytes.size();
    for (std::size_t position = 0; position < size;) {
        std::size_t end = position;
        while (end < size && fileBytes[end] != '\r' && fileBytes[end] != '\n') ++end;
        DocumentLine line;
        line.bytes.assign(fileBytes.substr(position, end - position));
        if (end == size)
            line.ending = "";
        else if (fileBytes[end] == '\n')
            line.ending = "\n";
        else if (end + 1 < size && fileBytes[end + 1] == '\n')
            line.ending = kCrLf;
        else
            line.ending = "\r";
        position = end + line.ending.size();
        const bool endsGameLine = !line.ending.empty() && line.ending.back() == '\n';
        lines.push_back(std::move(line));
        if (endsGameLine) gameLineStart.push_back(static_cast<int>(lines.size()));
    }
    const int total = static_cast<int>(lines.size());
    const auto start = [&](int gameLine) {
        return gameLine >= 1 && gameLine < static_cast<int>(gameLineStart.size()) ? gameLineStart[gameLine] : total;
    };

    const check::ParsedIniFile parsed = check::ParseMappedImageFile(std::string(), fileBytes);
    std::vector<DocumentEntry> entries;
    std::vector<std::string> names;
    entries.reserve(parsed.blocks.size());
    names.reserve(parsed.blocks.size());
    for (std::size_t b = 0; b < parsed.blocks.size(); ++b) {
        const check::MappedImageBlock& block = parsed.blocks[b];
        DocumentEntry entry;
        entry.fromFile = true;
        entry.firstLine = std::min(start(block.line), total - 1);
        int pastLast = total;
        if (block.closed)
            pastLast = start(block.endLine + 1);
        else if (b + 1 < parsed.blocks.size())
            pastLast = start(parsed.blocks[b + 1].line);
        entry.lineCount = std::max(1, pastLast - entry.firstLine);
        entry.name = decode(block.name);
        if (block.closed) entry.endOffset = start(block.endLine) - entry.firstLine;
        for (const check::FieldAssignment& assignment : block.assignments) {
            if (assignment.field == check::ImageField::Texture) {
                entry.texture = decode(assignment.text);
            } else if (assignment.field == check::ImageField::Coords) {
                entry.coords = EntryRectangle{assignment.rect.left, assignment.rect.top, assignment.rect.right,
                                              assignment.rect.bottom};
                entry.coordsOffset = start(assignment.line) - entry.firstLine;
            }
        }
        names.push_back(decode(lines[static_cast<std::size_t>(entry.firstLine)].bytes));
        entries.push_back(std::move(entry));
    }

    std::vector<GameStop> stops;
    for (const check::Finding& finding : parsed.findings)
        if (finding.severity == check::Severity::Error)
            stops.push_back(GameStop{finding.line > 0 ? std::min(start(finding.line), total - 1) + 1 : 0, finding.text});

    lines_ = std::move(lines);
    entries_ = std::move(entries);
    colNames_ = std::move(names);
    history_.clear();
    done_ = 0;
    baseRevision_ = nextRevision_++;
    lngRemoveNumber = 0;
    return stops;
}

void MappingDocument::AppendEntry(const std::string& entryName, const std::string& strTextureName,
                                  std::int16_t intTextureWidth, std::int16_t intTextureHeight,
                                  const EntryRectangle& rectangle) {
    Splice splice;
    splice.line = lineCount();
    // A last line without a line end gets one first, so the block starts on a line of its own.
    if (!lines_.empty() && lines_.back().ending.empty()) {
        splice.line -= 1;
        splice.count = 1;
        splice.lines.push_back(DocumentLine{lines_.back().bytes, kCrLf});
    }
    const int blockStart = splice.line + splice.count;
    for (const auto& text : BlockLines(entryName, strTextureName, intTextureWidth, intTextureHeight, rectangle))
        splice.lines.push_back(DocumentLine{encode(text), kCrLf});

    DocumentEntry entry;
    entry.firstLine = blockStart;
    entry.lineCount = kBlockLineCount;
    entry.name = GameNameOf(FirstLineFor(entryName));
    entry.texture = strTextureName;
    entry.coords = rectangle;
    entry.coordsOffset = 4;
    entry.endOffset = 6;
    splice.entry = entryCount();
    splice.entries.push_back(std::move(entry));
    splice.names.push_back(FirstLineFor(entryName));
    record(std::move(splice));
}

void MappingDocument::RemoveEntry() {
    if (lngRemoveNumber < 1 || lngRemoveNumber > entryCount()) return;
    const DocumentEntry& entry = entries_[static_cast<std::size_t>(lngRemoveNumber - 1)];
    Splice splice;
    splice.line = entry.firstLine;
    splice.count = std::min(entry.lineCount, lineCount() - entry.firstLine);
    splice.entry = lngRemoveNumber - 1;
    splice.entryCount = 1;
    record(std::move(splice));
}

void MappingDocument::SetCoords(int oneBased, const EntryRectangle& rectangle) {
    const DocumentEntry& entry = this->entry(oneBased);
    DocumentEntry changed = entry;
    changed.coords = rectangle;
    Splice splice;
    splice.entry = oneBased - 1;
    splice.entryCount = 1;
    if (entry.coordsOffset >= 0) {
        // The line keeps its indentation, its trailing comment and its line end.
        const DocumentLine& old = lines_[static_cast<std::size_t>(entry.firstLine + entry.coordsOffset)];
        const std::size_t indent = std::min(old.bytes.find_first_not_of(" \t"), old.bytes.size());
        const std::size_t comment = old.bytes.find(';');
        std::string bytes = old.bytes.substr(0, indent) + encode(CoordsLine(rectangle));
        if (comment != std::string::npos) bytes += " " + old.bytes.substr(comment);
        splice.line = entry.firstLine + entry.coordsOffset;
        splice.count = 1;
        splice.lines.push_back(DocumentLine{std::move(bytes), old.ending});
    } else {
        // A block without Coords gets the line before its End, or as its last line.
        const int offset = entry.endOffset >= 0 ? entry.endOffset : entry.lineCount;
        splice.line = entry.firstLine + offset;
        // Where the block's last line has no line end (it ends the file), the new line goes after it.
        if (entry.endOffset < 0 && splice.line > 0 && lines_[static_cast<std::size_t>(splice.line - 1)].ending.empty()) {
            splice.line -= 1;
            splice.count = 1;
            splice.lines.push_back(DocumentLine{lines_[static_cast<std::size_t>(splice.line)].bytes, kCrLf});
            splice.lines.push_back(DocumentLine{encode(CoordsLine(rectangle)), std::string()});
        } else {
            splice.lines.push_back(DocumentLine{encode(CoordsLine(rectangle)), kCrLf});
        }
        changed.coordsOffset = offset;
        changed.lineCount += 1;
        if (changed.endOffset >= 0) changed.endOffset += 1;
    }
    splice.entries.push_back(std::move(changed));
    splice.names.push_back(colNames_[static_cast<std::size_t>(oneBased - 1)]);
    record(std::move(splice));
}

void MappingDocument::Rename(int oneBased, const std::string& newName) {
    const DocumentEntry& entry = this->entry(oneBased);
    const DocumentLine& first = lines_[static_cast<std::size_t>(entry.firstLine)];
    auto [begin, end] = SecondWord(first.bytes);
    std::string encodedName = encode(newName);
    if (begin == end) encodedName.insert(0, " ");
    DocumentLine renamed{first.bytes.substr(0, begin) + encodedName + first.bytes.substr(end), first.ending};

    DocumentEntry changed = entry;
    changed.name = GameNameOf(FirstLineFor(newName));
    Splice splice;
    splice.line = entry.firstLine;
    splice.count = 1;
    splice.entry = oneBased - 1;
    splice.entryCount = 1;
    splice.names.push_back(decode(renamed.bytes));
    splice.lines.push_back(std::move(renamed));
    splice.entries.push_back(std::move(changed));
    record(std::move(splice));
}

void MappingDocument::record(Splice splice) {
    splice.id = nextRevision_++;
    apply(splice);
    history_.resize(done_);
    history_.push_back(std::move(splice));
    done_ = history_.size();
}

bool MappingDocument::Undo() {
    if (!canUndo()) return false;
    apply(history_[--done_]);
    return true;
}

bool MappingDocument::Redo() {
    if (!canRedo()) return false;
    apply(history_[done_++]);
    return true;
}

void MappingDocument::apply(Splice& s) {
    const auto exchange = [](auto& whole, int at, int& count, auto& replacement) {
        using Items = std::remove_reference_t<decltype(whole)>;
        const auto first = whole.begin() + at;
        const int inserted = static_cast<int>(replacement.size());
        if (inserted == count) {
            std::swap_ranges(first, first + count, replacement.begin());
            return;
        }
        Items removed(std::make_move_iterator(first), std::make_move_iterator(first + count));
        const auto afterErase = whole.erase(first, first + count);
        whole.insert(afterErase, std::make_move_iterator(replacement.begin()), std::make_move_iterator(replacement.end()));
        replacement = std::move(removed);
        count = inserted;
    };
    const int lineDelta = static_cast<int>(s.lines.size()) - s.count;
    int entryCount = s.entryCount;
    exchange(lines_, s.line, s.count, s.lines);
    int namesCount = entryCount;
    exchange(colNames_, s.entry, namesCount, s.names);
    exchange(entries_, s.entry, s.entryCount, s.entries);
    if (lineDelta != 0)
        for (auto it = entries_.begin() + s.entry + s.entryCount; it != entries_.end(); ++it) it->firstLine += lineDelta;
}

std::string MappingDocument::line(int oneBased) const {
    return decode(lines_.at(static_cast<std::size_t>(oneBased - 1)).bytes);
}

std::vector<std::string> MappingDocument::colLines() const {
    std::vector<std::string> shown;
    shown.reserve(lines_.size());
    for (const auto& l : lines_) shown.push_back(decode(l.bytes));
    return shown;
}

bool MappingDocument::containsName(const std::string& firstLine, int except) const {
    const std::string gameName = GameNameOf(firstLine);
    for (std::size_t k = 0; k < entries_.size(); ++k) {
        if (static_cast<int>(k) + 1 == except) continue;
        if (colNames_[k] == firstLine) return true;
        if (entries_[k].fromFile && entries_[k].name == gameName) return true;
    }
    return false;
}

std::string MappingDocument::Text() const {
    std::size_t size = 0;
    for (const auto& l : lines_) size += l.bytes.size() + l.ending.size();
    std::string text;
    text.reserve(size);
    for (const auto& l : lines_) {
        text += l.bytes;
        text += l.ending;
    }
    return text;
}

}  // namespace vantrel
