#include "check/MappedImageParser.h"

#include <algorithm>
#include <array>
#include <optional>

#include "check/GameIniLines.h"
#include "check/GameIniTokens.h"

namespace vantrel::check {

namespace {

constexpr std::string_view kBlockKeyword = "MappedImage";
constexpr std::string_view kEndKeyword = "End";

struct FieldSpelling {
    ImageField field;
    std::string_view name;
};
constexpr std::array<FieldSpelling, 5> kFields{{
    {ImageField::Texture, "Texture"},
    {ImageField::TextureWidth, "TextureWidth"},
    {ImageField::TextureHeight, "TextureHeight"},
    {ImageField::Coords, "Coords"},
    {ImageField::Status, "Status"},
}};

// The status words in the game's order: word k is bit k.
constexpr std::array<std::string_view, 2> kStatusWords{"ROTATED_90_CLOCKWISE", "RAW_TEXTURE"};

bool EndsWithIgnoringCase(std::string_view text, std::string_view suffix) {
    return text.size() >= suffix.size() && EqualsIgnoringCase(text.substr(text.size() - suffix.size()), suffix);
}

class Parser {
public:
    explicit Parser(const std::string& file) { result_.file = file; }

    ParsedIniFile run(std::string_view bytes) {
        const GameLines split = SplitGameLines(bytes);
        if (split.byteOrderMark)
            error(1,
                  "the file starts with a UTF-8 byte-order mark, which the game reads as text outside a "
                  "block (save the file without a byte-order mark)");
        for (const GameLine& line : split.lines) {
            if (line.continuation && std::binary_search(split.cutLines.begin(), split.cutLines.end(), line.number) &&
                reportedCut_ != line.number) {
                reportedCut_ = line.number;
                warning(line.number, "line is longer than " + std::to_string(kMaxLineBytes) +
                                         " bytes; the game reads the bytes after the " +
                                         std::to_string(kMaxLineBytes) + "th as a line of their own");
            }
            warnLinesHiddenByComment(line);
            readLine(line);
        }
        if (open_) {
            // A block without a name has had its error already; the game stops there.
            if (!block().name.empty())
                error(block().line, "MappedImage " + Quoted(block().name) + " has no End before the end of the file");
            closeBlock(false);
        }
        std::stable_sort(result_.findings.begin(), result_.findings.end(),
                         [](const Finding& a, const Finding& b) { return a.line < b.line; });
        return std::move(result_);
    }

private:
    MappedImageBlock& block() { return result_.blocks.back(); }

    void error(int line, std::string text) {
        result_.findings.push_back({result_.file, line, Severity::Error, std::move(text)});
    }
    void warning(int line, std::string text) {
        result_.findings.push_back({result_.file, line, Severity::Warning, std::move(text)});
    }

    void readLine(const GameLine& line) {
        TokenCursor cursor(line.content);
        const auto first = cursor.next();
        if (!first) return;
        if (open_)
            readFieldLine(line.number, *first, cursor);
        else
            readOutsideLine(line.number, *first, cursor);
    }

    void readOutsideLine(int line, std::string_view first, TokenCursor& cursor) {
        if (first == kBlockKeyword) {
            startBlock(line, cursor);
        } else if (EqualsIgnoringCase(first, kBlockKeyword)) {
            error(line, Quoted(first) + " is not a block keyword; the game knows only " +
                            Quoted(kBlockKeyword) + ", in that letter case");
        } else if (EqualsIgnoringCase(first, kEndKeyword)) {
            error(line, Quoted(first) + " outside a block: no MappedImage block is open here");
        } else {
            error(line, "text outside a block: " + Quoted(first) +
                            " (only MappedImage blocks and ; comments may stand here)");
        }
    }

    void startBlock(int line, TokenCursor& cursor) {
        const auto name = cursor.next();
        if (!name) {
            error(line, "MappedImage without a name");
            // The game stops here; reading on as if a block were open keeps its fields from
            // being reported as text outside a block.
        }
        result_.blocks.push_back({name ? std::string(*name) : std::string(), line, false, 0, {}});
        open_ = true;
        if (name && cursor.hasMore())
            warning(line, "the game takes only " + Quoted(*name) + " as the image name and ignores " +
                              Quoted(cursor.rest()));
    }

    void closeBlock(bool closed) {
        block().closed = closed;
        warnRotationBeforeCoords();
        open_ = false;
    }

    void readFieldLine(int line, std::string_view first, TokenCursor& cursor) {
        if (EqualsIgnoringCase(first, kEndKeyword)) {
            block().endLine = line;
            closeBlock(true);
            return;
        }
        for (const auto& spelling : kFields) {
            if (first == spelling.name) {
                readField(line, spelling.field, cursor);
                return;
            }
        }
        if (first == kBlockKeyword) {
            if (!block().name.empty())
                error(line, "MappedImage " + Quoted(block().name) + " begun at line " + std::to_string(block().line) +
                                " has no End before this line");
            closeBlock(false);
            startBlock(line, cursor);
            return;
        }
        for (const auto& spelling : kFields) {
            if (EqualsIgnoringCase(first, spelling.name)) {
                error(line, "unknown field " + Quoted(first) + " in MappedImage " + Quoted(block().name) +
                                "; field names are case-sensitive: " + Quoted(spelling.name));
                return;
            }
        }
        error(line, "unknown field " + Quoted(first) + " in MappedImage " + Quoted(block().name));
    }

    void readField(int line, ImageField field, TokenCursor& cursor) {
        FieldAssignment assignment;
        assignment.field = field;
        assignment.line = line;
        bool accepted = false;
        switch (field) {
            case ImageField::Texture: accepted = readTexture(line, cursor, assignment); break;
            case ImageField::TextureWidth:
            case ImageField::TextureHeight: {
                const auto number = readNumber(line, FieldName(field), cursor.next());
                if (number) assignment.number = *number;
                accepted = number.has_value();
                break;
            }
            case ImageField::Coords: accepted = readCoords(line, cursor, assignment); break;
            case ImageField::Status: accepted = readStatus(line, cursor, assignment); break;
        }
        if (accepted) block().assignments.push_back(std::move(assignment));
    }

    // A number field's value; an error (and nullopt) when it is missing or not a number.
    std::optional<int> readNumber(int line, const std::string& what, std::optional<std::string_view> word) {
        if (!word) {
            error(line, what + " has no value");
            return std::nullopt;
        }
        const auto number = ScanNumber(*word);
        if (!number) {
            error(line, what + " " + Quoted(*word) + " is not a number");
            return std::nullopt;
        }
        if (number->outOfRange)
            warning(line, what + " " + Quoted(*word) + " does not fit in 32 bits");
        else if (number->trailingText)
            warning(line, what + " " + Quoted(*word) + " is read as " + std::to_string(number->value));
        return number->value;
    }

    bool readTexture(int line, TokenCursor& cursor, FieldAssignment& assignment) {
        const bool quoted = [&] {
            TokenCursor peek = cursor;
            const auto word = peek.next();
            return word && word->front() == '"';
        }();
        assignment.text = NextStringValue(cursor);
        if (!quoted && cursor.hasMore())
            warning(line, "the game reads the texture name only up to the first blank: " + Quoted(assignment.text) +
                              ", not " + Quoted(assignment.text + " " + std::string(cursor.rest())));
        if (assignment.text.empty())
            warning(line, "Texture has no value");
        else if (!EndsWithIgnoringCase(assignment.text, ".tga") && !EndsWithIgnoringCase(assignment.text, ".dds"))
            warning(line, "texture " + Quoted(assignment.text) +
                              " does not end in .tga or .dds; the game does not find such a texture");
        return true;
    }

    bool readCoords(int line, TokenCursor& cursor, FieldAssignment& assignment) {
        static constexpr std::array<std::string_view, 4> kLabels{"Left", "Top", "Right", "Bottom"};
        static const std::string kOrder = " (expected Left, Top, Right, Bottom in this order)";
        std::array<int, 4> values{};
        for (std::size_t i = 0; i < kLabels.size(); ++i) {
            const std::string label(kLabels[i]);
            const auto word = cursor.next(kColonSeparators);
            if (!word) {
                error(line, "Coords ends before " + label + kOrder);
                return false;
            }
            if (!EqualsIgnoringCase(*word, label)) {
                error(line, "Coords has " + Quoted(*word) + " where " + label + " belongs" + kOrder);
                return false;
            }
            const auto value = readNumber(line, "Coords " + label, cursor.next(kColonSeparators));
            if (!value) return false;
            values[i] = *value;
        }
        assignment.rect = {values[0], values[1], values[2], values[3]};
        return true;
    }

    bool readStatus(int line, TokenCursor& cursor, FieldAssignment& assignment) {
        bool plainWords = false;
        bool signedWords = false;
        while (const auto word = cursor.next()) {
            if (EqualsIgnoringCase(*word, "NONE")) {
                if (plainWords || signedWords) {
                    error(line, "Status: NONE cannot follow other words");
                    return false;
                }
                assignment.statusKeep = 0;
                assignment.statusSet = 0;
                // INI::parseBitString32 stops at NONE; whatever follows is never read.
                if (cursor.hasMore())
                    warning(line, "Status: the game stops reading at NONE and ignores " + Quoted(cursor.rest()) +
                                      " after it (the image gets no status bits at all)");
                break;
            }
            const char sign = word->front();
            const bool isSigned = sign == '+' || sign == '-';
            if ((isSigned && plainWords) || (!isSigned && signedWords)) {
                error(line, "Status: words with + or - cannot be mixed with plain words");
                return false;
            }
            const std::string_view name = isSigned ? word->substr(1) : *word;
            unsigned bit = 0;
            for (std::size_t k = 0; k < kStatusWords.size(); ++k)
                if (EqualsIgnoringCase(name, kStatusWords[k])) bit = 1u << k;
            if (bit == 0) {
                error(line, "unknown Status word " + Quoted(*word) + " (known: NONE, ROTATED_90_CLOCKWISE, RAW_TEXTURE)");
                return false;
            }
            if (sign == '-') {
                assignment.statusKeep &= ~bit;
                assignment.statusSet &= ~bit;
            } else {
                if (!isSigned && !plainWords) assignment.statusKeep = 0;  // the first plain word clears the bits
                assignment.statusSet |= bit;
            }
            (isSigned ? signedWords : plainWords) = true;
        }
        if (assignment.statusSet & kStatusRawTexture)
            warning(line, "Status RAW_TEXTURE makes the game draw nothing for this image (the bit is meant for images "
                          "the game builds in memory)");
        return true;
    }

    // A file whose lines end in a lone CR is one line to the game (it ends lines at LF only), so
    // a ';' comment in it runs on over everything after it.
    void warnLinesHiddenByComment(const GameLine& line) {
        if (line.comment.find('\r') == std::string::npos) return;
        int hiddenLines = 0;
        int hiddenBlocks = 0;
        std::size_t start = line.comment.find('\r');
        while (start != std::string::npos) {
            const std::size_t end = line.comment.find('\r', start + 1);
            std::string_view piece = std::string_view(line.comment).substr(
                start + 1, end == std::string::npos ? std::string::npos : end - start - 1);
            piece = piece.substr(0, piece.find(';'));  // a comment line of its own hides nothing
            TokenCursor cursor(piece);
            if (const auto first = cursor.next()) {
                ++hiddenLines;
                if (*first == kBlockKeyword) ++hiddenBlocks;
            }
            start = end;
        }
        if (hiddenLines == 0) return;
        warning(line.number,
                "this line ends in a lone CR, not LF: the game reads on up to the next LF or 1,028 bytes as one line, so "
                "the ';' comment "
                "here hides the " + std::to_string(hiddenLines) + " line(s) after it" +
                    (hiddenBlocks > 0 ? ", with " + std::to_string(hiddenBlocks) + " MappedImage block(s), which the game never reads"
                                      : "") +
                    " (save the file with CR LF or LF line ends)");
    }

    // The game swaps an image's width and height when it reads a Status that says rotated; a
    // Coords read after that sets the size afresh, unswapped.
    void warnRotationBeforeCoords() {
        const auto& assignments = block().assignments;
        // One pass for where the last Coords stands, one for the Status lines before it: a block
        // of many Status lines stays linear.
        std::size_t lastCoords = 0;
        bool anyCoords = false;
        for (std::size_t i = 0; i < assignments.size(); ++i)
            if (assignments[i].field == ImageField::Coords) {
                lastCoords = i;
                anyCoords = true;
            }
        if (!anyCoords) return;
        for (std::size_t i = 0; i < lastCoords; ++i) {
            if (assignments[i].field != ImageField::Status || !(assignments[i].statusSet & kStatusRotated90Clockwise))
                continue;
            warning(assignments[i].line,
                    "Status ROTATED_90_CLOCKWISE comes before Coords; the game swaps width and height when it "
                    "reads Status, so the later Coords leaves this image's size unswapped");
        }
    }

    ParsedIniFile result_;
    bool open_ = false;
    int reportedCut_ = 0;
};

}  // namespace

const char* FieldName(ImageField field) {
    for (const auto& spelling : kFields)
        if (spelling.field == field) return spelling.name.data();
    return "";
}

ParsedIniFile ParseMappedImageFile(const std::string& file, std::string_view bytes) { return Parser(file).run(bytes); }

}  // namespace vantrel::check
