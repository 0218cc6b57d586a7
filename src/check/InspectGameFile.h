#pragma once

#include "check/GameFileSystem.h"
#include "check/Linter.h"

namespace vantrel::check {

// Lint's view of a texture the game finds, loose or inside an archive (read by entry).
TargaFacts InspectGameFile(const GameFile& file);

}  // namespace vantrel::check
