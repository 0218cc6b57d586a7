#include "check/InspectGameFile.h"

#include <cstdint>

#include "check/PaintedTexture.h"

namespace vantrel::check {

TargaFacts InspectGameFileAs(const GameFile& file, GameTargaFlavour flavour) {
    if (file.loose) return InspectTarga(*file.loose, flavour);
    std::string problem;
    const auto bytes = file.read(&problem);
    if (!bytes) {
        TargaFacts facts;
        facts.unreadable = problem;
        return facts;
    }
    return InspectTarga(reinterpret_cast<const std::uint8_t*>(bytes->data()), bytes->size(), file.display, flavour);
}

TargaFacts InspectGameFile(const GameFile& file) { return InspectGameFileAs(file, GameTargaFlavour::ZeroHour); }

}  // namespace vantrel::check
