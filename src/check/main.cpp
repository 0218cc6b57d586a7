#include <cstdlib>
#include <iostream>

#include "check/CheckCommand.h"

int main(int argc, char** argv) {
    // The tool never opens a window; sheet needs Qt's font machinery, which needs a platform.
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    return vantrel::check::RunCheckCommand(argc, argv, std::cout, std::cerr);
}
