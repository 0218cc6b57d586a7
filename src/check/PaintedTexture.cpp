#include "check/PaintedTexture.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>

#include "check/CapturingUserInteraction.h"
#include "check/FolderWalk.h"
#include "targa/MemoryByteSource.h"
#include "targa/TargaHeader.h"
#include "targa/TargaReader.h"

namespace vantrel::check {

std::optional<TargaHeaderFields> ReadTargaHeaderFields(const std::uint8_t* data, std::size_t size, std::string* problem) {
    if (size < kTargaHeaderSize) {
        *problem = "the file is shorter than a Targa header (18 bytes)";
        return std::nullopt;
    }
    const TargaHeader parsed = ParseTargaHeader(data);
    TargaHeaderFields header;
    header.imageType = parsed.ImageType;
    header.width = parsed.ImageWidth;
    header.height = parsed.ImageHeight;
    header.bitsPerPixel = parsed.BitsPerPixel;
    header.descriptor = parsed.Descriptor;
    return header;
}

std::optional<TargaHeaderFields> ReadTargaHeaderFields(const std::filesystem::path& path, std::string* problem) {
    std::ifstream in(SystemPath(path), std::ios::binary);
    if (!in) {
        *problem = std::strerror(errno);
        return std::nullopt;
    }
    std::uint8_t bytes[kTargaHeaderSize] = {};
    in.read(reinterpret_cast<char*>(bytes), sizeof bytes);
    return ReadTargaHeaderFields(bytes, static_cast<std::size_t>(in.gcount()), problem);
}

std::optional<std::vector<std::uint8_t>> ReadTextureBytes(const std::filesystem::path& path, std::string* problem) {
    std::ifstream in(SystemPath(path), std::ios::binary);
    if (!in) {
        *problem = std::strerror(errno);
        return std::nullopt;
    }
    std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) {
        *problem = "read error";
        return std::nullopt;
    }
    return bytes;
}

namespace {

std::string SizeProblem(const TargaHeaderFields& header) {
    if (header.width <= 0 || header.height <= 0)
        return "the header gives a size of " + std::to_string(header.width) + " x " + std::to_string(header.height) +
               ", which has no pixels";
    if (header.width > kMaxPaintedSide || header.height > kMaxPaintedSide)
        return "the header gives a size of " + std::to_string(header.width) + " x " + std::to_string(header.height) +
               ", larger than this tool paints (" + std::to_string(kMaxPaintedSide) + " on a side)";
    return {};
}

}  // namespace

std::optional<PaintedTexture> PaintTexture(const std::uint8_t* data, std::size_t size, const std::string&,
                                           std::uint32_t startColor, std::string* problem) {
    if (const auto notTarga = WhyNotATargaFile(data, size)) {
        *problem = "not a Targa file: " + *notTarga;
        return std::nullopt;
    }
    const auto header = ReadTargaHeaderFields(data, size, problem);
    if (!header) return std::nullopt;
    if (const std::string sizeProblem = SizeProblem(*header); !sizeProblem.empty()) {
        *problem = sizeProblem;
        return std::nullopt;
    }
    PaintedTexture painted;
    painted.header = *header;
    painted.canvas = std::make_unique<Canvas>(startColor, header->width, header->height);
    CapturingUserInteraction ui;
    std::int16_t width = 0, height = 0;
    MemoryByteSource source(data, size);
    LoadTarga(source, *painted.canvas, width, height, ui);
    painted.readerMessages = ui.messages();
    return painted;
}

std::optional<PaintedTexture> PaintTexture(const std::filesystem::path& path, std::uint32_t startColor,
                                           std::string* problem) {
    const auto bytes = ReadTextureBytes(path, problem);
    if (!bytes) return std::nullopt;
    return PaintTexture(bytes->data(), bytes->size(), path.string(), startColor, problem);
}

GameTargaResult DecodeTextureAsGame(const std::filesystem::path& path, GameTargaFlavour flavour) {
    std::string problem;
    const auto bytes = ReadTextureBytes(path, &problem);
    if (!bytes) {
        GameTargaResult result;
        result.outcome = GameTargaOutcome::Truncated;
        result.shows = GameShows::MissingTexture;
        result.problem = "the file cannot be read (" + problem + ")";
        result.reason = result.problem + "; " + GameShowsText(result.shows);
        return result;
    }
    return DecodeTargaAsGame(bytes->data(), bytes->size(), flavour);
}

namespace {

// The game's loader holds the colour map in a buffer of 1,024 bytes (256 entries of up to 4 bytes).
constexpr long long kGameColourMapBytes = 1024;

// What the game's colour-map handling adds to the facts: Targa::Load copies the file's entries
// into its buffer from the first entry's place on with no bound (fed by
// Load_Uncompressed_Mipmap), and the 8-bit pixels are drawn through entries read in another byte
// order than the file's blue, green, red (and alpha).
void AddColourMapFacts(const std::uint8_t* data, std::size_t size, TargaFacts& facts) {
    if (size < kTargaHeaderSize) return;
    const TargaHeader header = ParseTargaHeader(data);
    if (header.ColorMapType != 1) return;
    // The game keeps these fields signed.
    const int entryBytes = static_cast<std::int8_t>(header.ColorMapDepth) >> 3;
    const int first = static_cast<std::int16_t>(header.ColorMapStart);
    const int length = static_cast<std::int16_t>(header.ColorMapLength);
    if (entryBytes <= 0 || first < 0 || length <= 0) return;
    const long long end = static_cast<long long>(first + length) * entryBytes;
    if (end > kGameColourMapBytes) {
        facts.colourMapOverrun = "its colour map (" +
                                 (length == 1 ? "entry " + std::to_string(first)
                                              : "entries " + std::to_string(first) + " to " +
                                                    std::to_string(first + length - 1)) +
                                 " of " + CountOf(static_cast<std::uintmax_t>(entryBytes), "byte", "bytes") + ") ends " + std::to_string(end) + " bytes into the " +
                                 std::to_string(kGameColourMapBytes) +
                                 "-byte buffer the game copies it into, and the game writes the rest past its end";
        return;
    }
    const bool colourMapped = header.ImageType == 1 || header.ImageType == 9;
    if (facts.gameLoad != TargaFacts::GameLoad::Loads || !colourMapped || header.BitsPerPixel != 8) return;
    const std::size_t at = kTargaHeaderSize + header.IDLength;
    const auto bytes = static_cast<std::size_t>(length) * static_cast<std::size_t>(entryBytes);
    if (at > size || size - at < bytes) return;
    const std::uint8_t* entries = data + at;
    // Said only where it shows: an entry whose red and blue differ (or, for 4-byte entries, any
    // entry not all one byte).
    bool shows = false;
    for (int i = 0; i < length && !shows; ++i) {
        const std::uint8_t* e = entries + static_cast<std::size_t>(i) * entryBytes;
        shows = entryBytes == 3 ? e[0] != e[2] : entryBytes == 4 && (e[0] != e[1] || e[1] != e[2] || e[2] != e[3]);
    }
    if (!shows) return;
    const std::string note =
        entryBytes == 3 ? "the game reads its colour map's entries with red and blue swapped, so reds show blue and "
                          "blues show red"
                        : "the game reads each 4-byte colour-map entry as alpha, red, green, blue, where the file "
                          "stores blue, green, red, alpha, so its colours and transparency come out wrong";
    facts.gameNote += (facts.gameNote.empty() ? "" : "; ") + note;
}

}  // namespace

TargaFacts InspectTarga(const std::uint8_t* data, std::size_t size, const std::string&, GameTargaFlavour flavour) {
    TargaFacts facts;
    const GameTargaResult game = DecodeTargaAsGame(data, size, flavour);
    facts.gameLoad = game.outcome == GameTargaOutcome::Loaded ? TargaFacts::GameLoad::Loads : TargaFacts::GameLoad::Fails;
    if (game.outcome != GameTargaOutcome::Loaded) {
        facts.gameProblem = game.problem;
        facts.gameShows = game.shows;
    } else {
        facts.gameNote = game.reason;
    }
    AddColourMapFacts(data, size, facts);

    std::string problem;
    const auto header = ReadTargaHeaderFields(data, size, &problem);
    if (!header) {
        facts.unreadable = problem;
        return facts;
    }
    facts.width = header->width;
    facts.height = header->height;
    if (const std::string sizeProblem = SizeProblem(*header); !sizeProblem.empty()) {
        facts.unreadable = sizeProblem;
        return facts;
    }
    // The editor's reader walks every pixel whatever the canvas; an empty canvas keeps the walk
    // cheap and still lets it find everything it rejects.
    Canvas nowhere(0, 0, 0);
    CapturingUserInteraction ui;
    std::int16_t width = 0, height = 0;
    MemoryByteSource source(data, size);
    LoadTarga(source, nowhere, width, height, ui);
    if (!ui.messages().empty()) facts.readerMessage = ui.messages().front();
    return facts;
}

TargaFacts InspectTarga(const std::filesystem::path& path, GameTargaFlavour flavour) {
    std::string problem;
    const auto bytes = ReadTextureBytes(path, &problem);
    if (!bytes) {
        TargaFacts facts;
        facts.unreadable = problem;
        facts.gameLoad = TargaFacts::GameLoad::Fails;
        facts.gameProblem = "the file cannot be read (" + problem + ")";
        facts.gameShows = GameShows::MissingTexture;
        return facts;
    }
    return InspectTarga(bytes->data(), bytes->size(), path.string(), flavour);
}

}  // namespace vantrel::check
