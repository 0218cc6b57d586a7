#include "check/PaintedTexture.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <fstream>

#include "check/CapturingUserInteraction.h"
#include "targa/TargaReader.h"

namespace vantrel::check {

std::optional<TargaHeaderFields> ReadTargaHeaderFields(const std::filesystem::path& path, std::string* problem) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        *problem = std::strerror(errno);
        return std::nullopt;
    }
    std::array<unsigned char, 18> bytes{};
    in.read(reinterpret_cast<char*>(bytes.data()), bytes.size());
    if (in.gcount() != static_cast<std::streamsize>(bytes.size())) {
        *problem = "the file is shorter than a Targa header (18 bytes)";
        return std::nullopt;
    }
    auto signed16 = [&](std::size_t at) {
        return static_cast<int>(static_cast<std::int16_t>(bytes[at] | (bytes[at + 1] << 8)));
    };
    TargaHeaderFields header;
    header.imageType = bytes[2];
    header.width = signed16(12);
    header.height = signed16(14);
    header.bitsPerPixel = bytes[16];
    header.descriptor = bytes[17];
    return header;
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

std::optional<PaintedTexture> PaintTexture(const std::filesystem::path& path, std::uint32_t startColor,
                                           std::string* problem) {
    const auto header = ReadTargaHeaderFields(path, problem);
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
    LoadTarga(path.string(), *painted.canvas, width, height, ui);
    painted.readerMessages = ui.messages();
    return painted;
}

TargaFacts InspectTarga(const std::filesystem::path& path) {
    TargaFacts facts;
    std::string problem;
    const auto header = ReadTargaHeaderFields(path, &problem);
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
    // The reader walks every pixel whatever the canvas; an empty canvas keeps the walk cheap and
    // still lets it find everything it rejects.
    Canvas nowhere(0, 0, 0);
    CapturingUserInteraction ui;
    std::int16_t width = 0, height = 0;
    LoadTarga(path.string(), nowhere, width, height, ui);
    if (!ui.messages().empty()) facts.readerMessage = ui.messages().front();
    return facts;
}

}  // namespace vantrel::check
