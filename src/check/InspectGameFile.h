#pragma once

#include "check/GameFileSystem.h"
#include "check/Linter.h"

namespace vantrel::check {

// Lint's view of a texture the game finds, loose or inside an archive (read by entry).
// By the given game's Targa reader; the one-argument form by Zero Hour's.
TargaFacts InspectGameFileAs(const GameFile& file, GameTargaFlavour flavour);
TargaFacts InspectGameFile(const GameFile& file);

}  // namespace vantrel::check
