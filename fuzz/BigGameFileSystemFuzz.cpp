// Opens every input as a mod's .big archive through the game's file system, then finds and reads
// every entry it lists and lints the MappedImage files the game would load from it. Beyond the
// sanitizers' findings it stops on an archive left out without a reason, on an entry the file
// system cannot find again by its own path, on a read that returns other than the entry's size,
// and on a listed INI file the file system does not find.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "check/BigArchive.h"
#include "check/GameFileSystem.h"
#include "check/IniFileOrder.h"
#include "check/Linter.h"

namespace {

namespace fs = std::filesystem;
using namespace vantrel::check;

[[noreturn]] void Fail(const char* why) {
    std::fprintf(stderr, "big fuzz: %s\n", why);
    std::abort();
}

// A mod folder of this process, in memory where the system has a folder for that.
const fs::path& ModFolder() {
    static const fs::path folder = [] {
        std::error_code error;
        const fs::path base = fs::is_directory("/dev/shm", error) ? fs::path("/dev/shm") : fs::temp_directory_path();
        fs::path made = base / ("vantrel-big-fuzz-" + std::to_string(std::random_device{}()));
        fs::create_directories(made / "Data" / "INI" / "MappedImages" / "HandCreated");
        std::atexit([] { std::error_code ignored; fs::remove_all(ModFolder(), ignored); });
        return made;
    }();
    return folder;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const fs::path archivePath = ModFolder() / "Mod.big";
    {
        std::ofstream out(archivePath, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }

    const BigOpenResult opened = BigArchive::Open(archivePath);
    if (!opened.archive && opened.problems.empty()) Fail("an archive left out without a reason");
    for (const auto& problem : opened.problems)
        if (problem.text.empty()) Fail("a problem without text");

    const GameFileSystem files({{ModFolder()}, {}});
    // The game leaves out an archive that does not start with "BIGF", and so does its file system.
    if (opened.archive && opened.archive->format() == BigFormat::Bigf) {
        for (const auto& entry : opened.archive->entries()) {
            const auto found = files.find(entry.path);
            if (!found) {
                // Only a path the game cannot name again (empty once separators are dropped) may be missing.
                if (!GameKey(entry.path).empty()) Fail("an entry not found by its own path");
                continue;
            }
            std::string problem;
            const auto bytes = found->read(&problem);
            if (bytes && found->entry && bytes->size() != found->entry->size) Fail("a read of the wrong size");
            if (!bytes && problem.empty()) Fail("a failed read without a reason");
        }
    }
    Linter linter(LintOptions{});
    for (const auto& file : MappedImageFilesInGameOrder(files, std::nullopt)) {
        std::string problem;
        if (const auto bytes = file.read(&problem))
            linter.addFile(file.display, *bytes, file.fromGame);
        else
            linter.addUnreadableFile(file.display, problem);
    }
    linter.finish();
    return 0;
}
