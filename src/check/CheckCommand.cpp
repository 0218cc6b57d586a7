#include "check/CheckCommand.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <string_view>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <new>
#include <stdexcept>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "check/ContactSheet.h"
#include "check/FindingOutput.h"
#include "check/FolderWalk.h"
#include "check/GameFileSystem.h"
#include "check/ImageCutter.h"
#include "check/InspectGameFile.h"
#include "check/IniFileOrder.h"
#include "check/Linter.h"
#include "check/PaintedTexture.h"
#include "check/Picture.h"
#include "check/TextureImages.h"
#include "check/TextureSearch.h"
#include "vantrel/Version.h"

namespace vantrel::check {

namespace {

namespace fs = std::filesystem;

constexpr int kExitOk = 0;
constexpr int kExitFound = 1;
constexpr int kExitUsage = 2;
constexpr int kExitNothingRead = 3;

constexpr const char* kLintExitNote =
    "Exit status: 0 when INI files were read and no error was found, 1 when errors were found, 2 on bad usage, "
    "3 when no INI file was found to read (so that an empty or mistyped folder does not pass for a clean mod).";
constexpr const char* kPictureExitNote =
    "Exit status: 0 when every picture was written and lint found no error, 1 otherwise, 2 on bad usage.";
constexpr const char* kRenderExitNote =
    "Exit status: 0 when the picture was written and the reader reported nothing, 1 otherwise, 2 on bad usage.";
constexpr const char* kReadNote =
    "What is read, and in which order: a folder holding Data/INI/MappedImages or Art/Textures (any letter "
    "case), or holding .big archives and no .ini file, is the root of a mod or of the game, and a .big file "
    "named is read as one of the mod's archives; from these and from the --game folders the files the game "
    "loads are read: <user data>/INI/MappedImages (with --user-data, when it holds .ini files), then "
    "Data/INI/MappedImages/TextureSize_512, then Data/INI/MappedImages/HandCreated, each with its subfolders, "
    "and nothing else. A file is taken from the mod's loose files first, then the game folder's loose files, "
    "then the .big archives (opened by name, first match wins; the mod's archives count as if copied into the "
    "game folder), then the archives of a second --game folder (for Zero Hour, the original game's). Textures "
    "are looked for in Data/<language>/Art/Textures, then Art/Textures, the same way, then in "
    "<user data>/Textures, then (a .tga) in <user data>/MapPreviews, then in each --textures folder in the "
    "order given; the original game looks in Data/<language>/Art/Textures last, after MapPreviews. "
    "Any other folder is read as a plain folder of INI files, and files are read as given, after the game's. "
    "With a mod, nothing inside the game's own files and archives is reported.";

constexpr const char* kSeverityNote =
    "An error is something that stops the game at start-up; a warning is something the game accepts but "
    "that shows a wrong, missing or surprising picture.";
constexpr const char* kPixelNote =
    "Pixels are decoded as the game's Targa reader and texture loader decode them; pixels that are not "
    "opaque are laid over the --background colour by their alpha.";

struct UsageError {
    std::string text;
};

// "RRGGBB" to a colour value (red + 256 * green + 65536 * blue).
std::uint32_t ParseBackground(const std::string& text) {
    if (text.size() != 6 || text.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos)
        throw UsageError{"--background takes six hexadecimal digits, RRGGBB, such as 000000 or F0F0F0: " + text};
    const auto rgb = static_cast<std::uint32_t>(std::stoul(text, nullptr, 16));
    return PackColor(static_cast<int>(rgb >> 16), static_cast<int>((rgb >> 8) & 255), static_cast<int>(rgb & 255));
}

// A path named on the command line. Its text is UTF-8 on Windows (the arguments arrive as UTF-16
// and are converted once) and the system's own bytes elsewhere. On Windows the path is made from
// it as UTF-8: the implicit conversion would read it in the C library's code page and mangle every
// name outside ASCII. A \\?\ prefix is taken off (std::filesystem does not take such paths apart
// correctly); the file system calls put it back where a path needs it (check/FolderWalk.h).
fs::path ArgumentPath(const std::string& text) {
#ifdef _WIN32
    std::string_view plain = text;
    std::string unc;
    if (plain.starts_with("\\\\?\\UNC\\")) {
        unc = "\\\\" + std::string(plain.substr(8));
        plain = unc;
    } else if (plain.starts_with("\\\\?\\")) {
        plain.remove_prefix(4);
    }
    return fs::path(std::u8string(plain.begin(), plain.end()));
#else
    return fs::path(text);
#endif
}

// "no such file or folder", with a word on separators where a '\' may be the reason.
std::string NoSuchPath(const std::string& text) {
    std::string message = "no such file or folder: " + text;
#ifndef _WIN32
    if (text.find('\\') != std::string::npos) {
        std::string slashed = text;
        std::replace(slashed.begin(), slashed.end(), '\\', '/');
        message += KindOf(slashed) != PathKind::Missing ? " (paths use / on Linux; did you mean " + slashed + "?)"
                                                        : " (paths use / on Linux, not \\)";
    }
#endif
    return message;
}

void RequireFolder(const std::string& option, const std::string& path) {
    const PathKind kind = KindOf(ArgumentPath(path));
    if (kind == PathKind::Missing) throw UsageError{option + ": " + NoSuchPath(path)};
    if (kind != PathKind::Folder) throw UsageError{option + ": not a folder: " + path};
}

void RequireFile(const std::string& path) {
    const PathKind kind = KindOf(ArgumentPath(path));
    if (kind == PathKind::Missing) throw UsageError{NoSuchPath(path)};
    if (kind != PathKind::File) throw UsageError{"not a file: " + path};
}

bool SavePng(const Picture& image, const fs::path& path, std::ostream& err) {
    std::string problem;
    if (WritePng(image, path, &problem)) return true;
    err << "vantrel-check: cannot write " << path.string() << ": " << problem << "\n";
    return false;
}

// Where lint, crop and sheet look: the options they share.
struct SourceOptions {
    std::vector<std::string> textures;  // --textures, in the order given
    std::vector<std::string> games;     // --game, in the order given
    std::string userData;               // --user-data
    std::string language = "English";   // --language
};

void AddSourceOptions(CLI::App* command, SourceOptions& options) {
    command->add_option("--game", options.games,
                        "Installed game folder whose .big archives and loose files are read with the mod's. Give "
                        "Zero Hour's folder, then the original game's: Zero Hour opens both sets of archives, its "
                        "own first. May be repeated");
    command->add_option("--user-data", options.userData,
                        "The game's user data folder (the one holding Options.ini): its INI/MappedImages is read "
                        "first when it holds .ini files, and its Textures folder is searched after the game's, then its MapPreviews folder for .tga files");
    command->add_option("--language", options.language,
                        "The game's language, which names the folder Data/<language>/Art/Textures (default "
                        "English): Zero Hour searches it first, the original game (told by its first --game folder "
                        "holding no *ZH.big archive) last");
    command->add_option("--textures", options.textures,
                        "Folder searched (with its subfolders, by file name in any letter case) for textures not "
                        "found in the game's places. May be repeated; searched in the order given");
}

// Checks what the options name and says which texture places there are.
std::optional<TextureSearch> MakeTextureSearch(const SourceOptions& options, const GameFileSystem* game) {
    for (const auto& folder : options.textures) RequireFolder("--textures", folder);
    if (!game && options.textures.empty() && options.userData.empty()) return std::nullopt;
    TextureSearch::Places places;
    places.game = game;
    places.language = options.language;
    places.languageFolderFirst = !game || game->kind() == GameKind::ZeroHour;
    if (!options.userData.empty()) places.userData = ArgumentPath(options.userData);
    for (const auto& folder : options.textures) places.folders.emplace_back(ArgumentPath(folder));
    return TextureSearch(std::move(places));
}

// The files and folders of the command line as the game would read them: roots of a mod (also
// one shipped as .big archives only), .big files and --game folders through the game's file
// system, other folders and files as given.
class Reading {
public:
    Reading(const std::vector<std::string>& arguments, const SourceOptions& options) {
        for (const auto& game : options.games) RequireFolder("--game", game);
        if (!options.userData.empty()) RequireFolder("--user-data", options.userData);
        if (options.language.empty() || options.language.find_first_of("/\\") != std::string::npos)
            throw UsageError{"--language takes a folder name such as English or German: " + options.language};
        GameFolders folders;
        std::vector<fs::path> plain;
        for (const auto& text : arguments) {
            const fs::path argument = ArgumentPath(text);
            const PathKind kind = KindOf(argument);
            if (kind == PathKind::Missing) throw UsageError{NoSuchPath(text)};
            if (kind == PathKind::Folder && (IsGameRoot(argument) || HoldsArchivesOnly(argument)))
                folders.mods.emplace_back(argument);
            else if (kind == PathKind::File && IsArchiveName(argument))
                folders.archives.emplace_back(argument);  // read as the game reads an archive, never as INI text
            else
                plain.emplace_back(argument);
        }
        for (const auto& game : options.games) folders.games.emplace_back(ArgumentPath(game));
        if (!folders.mods.empty() || !folders.archives.empty() || !folders.games.empty() || !options.userData.empty()) {
            game_ = std::make_unique<GameFileSystem>(folders);
            std::optional<fs::path> userData;
            if (!options.userData.empty()) userData = ArgumentPath(options.userData);
            files_ = MappedImageFilesInGameOrder(*game_, userData);
            if (userData) userIniFolder_ = *userData / "INI" / "MappedImages";
        }
        std::set<fs::path> seen;
        for (const auto& file : files_)
            if (file.loose) seen.insert(Identity(*file.loose));
        auto addPlain = [&](const fs::path& path) {
            if (!seen.insert(Identity(path)).second) return;
            GameFile file;
            file.display = path.string();
            file.loose = path;
            files_.push_back(std::move(file));
        };
        for (const auto& path : plain) {
            std::error_code error;
            if (KindOf(path) == PathKind::Folder) {
                for (fs::path folder = fs::absolute(path, error).parent_path();
                     !folder.empty() && folder != folder.root_path(); folder = folder.parent_path()) {
                    if (IsGameRoot(folder)) {
                        insideRoot_.emplace_back(path, folder);
                        break;
                    }
                }
                const auto iniFiles = IniFilesInGameOrder(path);
                if (iniFiles.empty())
                    // Nothing to read: say why, an empty folder apart from one that is no mod.
                    nothingIn_.push_back(FilesUnder(path).empty()
                                             ? Quoted(path.string()) + " is empty"
                                             : Quoted(path.string()) +
                                                   " holds no .ini file and is not a mod's root (a folder holding " +
                                                   DisplayGamePath("Data\\INI\\MappedImages") + ", " +
                                                   DisplayGamePath("Art\\Textures") + " or .big archives)");
                for (const auto& file : iniFiles) addPlain(file);
            } else
                addPlain(path);
        }
        textures_ = MakeTextureSearch(options, game_.get());
    }

    const std::vector<GameFile>& iniFiles() const { return files_; }
    const std::optional<TextureSearch>& textures() const { return textures_; }
    // Plain folders that lie inside the root of a mod, with that root: read whole, they hold
    // folders the game never reads, in an order that is not the game's.
    const std::vector<std::pair<fs::path, fs::path>>& foldersInsideARoot() const { return insideRoot_; }
    const GameFileSystem* game() const { return game_.get(); }
    // Whose Targa reader decodes the textures: the --game folder's, Zero Hour's without one.
    GameTargaFlavour flavour() const {
        return game_ && game_->kind() == GameKind::Generals ? GameTargaFlavour::Generals : GameTargaFlavour::ZeroHour;
    }

    // Where INI files were looked for and none found, when nothing was read.
    std::string whereNothingWasFound() const {
        std::vector<std::string> places;
        if (userIniFolder_) places.push_back("no .ini file in " + Quoted(userIniFolder_->string()));
        if (game_)
            places.push_back("no .ini file in " + game_->describePlaces({"Data\\INI\\MappedImages\\TextureSize_512",
                                                                         "Data\\INI\\MappedImages\\HandCreated"},
                                                                        "or"));
        places.insert(places.end(), nothingIn_.begin(), nothingIn_.end());
        std::string text;
        for (const auto& place : places) text += (text.empty() ? "" : "; ") + place;
        return text.empty() ? "no INI file could be read" : text;
    }

private:
    static fs::path Identity(const fs::path& path) {
        std::error_code error;
        const fs::path canonical = fs::weakly_canonical(path, error);
        return error ? path : canonical;
    }

    std::unique_ptr<GameFileSystem> game_;  // textures_ points into it
    std::vector<GameFile> files_;
    std::optional<TextureSearch> textures_;
    std::vector<std::pair<fs::path, fs::path>> insideRoot_;
    std::optional<fs::path> userIniFolder_;
    std::vector<std::string> nothingIn_;  // plain folders that hold nothing to read, and why
};

// Reads what the reading names into the linter, damaged archives first. What is wrong with the
// game's own archives is not the mod's to mend and is no finding; an archive of the game that
// cannot be read at all is noted, since what it holds is then missing from the check.
void ReadInto(Linter& linter, const Reading& reading, std::ostream& err) {
    if (reading.game())
        for (const auto& problem : reading.game()->problems()) {
            if (problem.fromGame) {
                if (problem.leftOut)
                    err << "vantrel-check: note: the game's own archive " << problem.archive.string()
                        << " is not read (" << problem.text << "); what it holds is missing from this check\n";
                continue;
            }
            linter.addFileProblem(problem.archive.string(), problem.stopsTheGame ? Severity::Error : Severity::Warning,
                                  problem.leftOut ? problem.text + "; the check goes on without this archive"
                                                  : problem.text);
        }
    for (const auto& file : reading.iniFiles()) {
        std::string problem;
        if (const auto bytes = file.read(&problem))
            linter.addFile(file.display, *bytes, file.fromGame);
        else
            linter.addUnreadableFile(file.display, problem);
    }
}

// Once a run: textures were not found, and the game's archives, where most retail textures lie,
// were not searched.
void NoteTexturesNotFound(const Linter& linter, const SourceOptions& sources, std::ostream& err) {
    if (!sources.games.empty() || linter.texturesNotFound() == 0) return;
    err << "vantrel-check: note: " << CountOf(linter.texturesNotFound(), "texture was", "textures were")
        << " not found, and the game's own archives were not searched: give the installed game's folder with "
           "--game <folder> (Zero Hour's, then the original game's) to look in them too\n";
}

LintOptions MakeLintOptions(const Reading& reading) {
    LintOptions options;
    options.textures = reading.textures();
    options.inspectTarga = [flavour = reading.flavour()](const GameFile& file) { return InspectGameFileAs(file, flavour); };
    return options;
}

// The one line on standard error that closes a lint run.
void PrintSummary(const Linter& linter, const std::vector<Finding>& findings, std::ostream& err) {
    const auto errors = static_cast<std::size_t>(
        std::count_if(findings.begin(), findings.end(), [](const Finding& f) { return f.severity == Severity::Error; }));
    err << "vantrel-check: " << CountOf(linter.filesRead(), "INI file", "INI files") << " read, "
        << CountOf(linter.images().images().size(), "image", "images") << ", " << CountOf(errors, "error", "errors")
        << ", " << CountOf(findings.size() - errors, "warning", "warnings") << "\n";
}

int RunLint(const std::vector<std::string>& paths, const SourceOptions& sources, bool json, std::ostream& out,
            std::ostream& err) {
    if (paths.empty() && sources.games.empty())
        throw UsageError{"lint needs a file, a folder or --game to read"};
    const Reading reading(paths, sources);
    for (const auto& [folder, root] : reading.foldersInsideARoot())
        err << "vantrel-check: note: " << folder.string() << " is read as a plain folder, every subfolder in path "
            << "order; give the mod's root " << root.string() << " to read only what the game reads, in its order\n";
    Linter linter(MakeLintOptions(reading));
    ReadInto(linter, reading, err);
    const auto findings = linter.finish();
    for (const auto& finding : findings) out << (json ? FindingAsJsonLine(finding) : FormatFinding(finding)) << "\n";
    NoteTexturesNotFound(linter, sources, err);
    PrintSummary(linter, findings, err);
    if (linter.filesRead() == 0) {
        err << "vantrel-check: nothing was read: " << reading.whereNothingWasFound() << "\n";
        return kExitNothingRead;
    }
    return HasErrors(findings) ? kExitFound : kExitOk;
}

// Lints the file (or the root's files) and cuts every image the mod defines, its texture
// found where the game finds it.
class FileCutter {
public:
    FileCutter(const std::string& file, const SourceOptions& sources, std::uint32_t background, std::ostream& err)
        : reading_(WithEnclosingRoot(file), sources), cutter_(background, reading_.flavour()), linter_(MakeLintOptions(reading_)) {
        if (!reading_.textures())
            throw UsageError{"no textures to cut from: give --textures or --game, or a file inside a mod folder "
                             "(one holding Data/INI/MappedImages or Art/Textures)"};
        ReadOnly(file, err);
        findings_ = linter_.finish();
    }

    const std::vector<Finding>& findings() const { return findings_; }
    const Linter& linter() const { return linter_; }
    std::vector<CutImage> cutAll() {
        std::vector<CutImage> images;
        for (const auto& image : linter_.images().images())
            if (image.setByMod || !anyModFile_) images.push_back(cut(image));
        return images;
    }

private:
    // A file inside a mod folder brings that folder along, for the textures the game finds there.
    static std::vector<std::string> WithEnclosingRoot(const std::string& file) {
        std::vector<std::string> arguments;
        std::error_code error;
        const PathKind kind = KindOf(ArgumentPath(file));
        if (kind == PathKind::Missing) throw UsageError{NoSuchPath(file)};
        if (kind == PathKind::Folder || (kind == PathKind::File && IsArchiveName(ArgumentPath(file)))) return {file};
        const fs::path absolute = fs::absolute(ArgumentPath(file), error);
        for (fs::path folder = absolute.parent_path(); !folder.empty() && folder != folder.root_path();
             folder = folder.parent_path()) {
            if (IsGameRoot(folder)) {
                arguments.push_back(folder.string());
                break;
            }
        }
        return arguments;
    }

    // A file is linted alone, as before; a root or an archive brings all the game loads from it.
    void ReadOnly(const std::string& file, std::ostream& err) {
        if (KindOf(ArgumentPath(file)) == PathKind::Folder || IsArchiveName(ArgumentPath(file))) {
            ReadInto(linter_, reading_, err);
            for (const auto& read : reading_.iniFiles()) anyModFile_ = anyModFile_ || !read.fromGame;
            return;
        }
        RequireFile(file);
        std::string problem;
        if (const auto bytes = ReadWholeFile(ArgumentPath(file), &problem))
            linter_.addFile(file, *bytes);
        else
            linter_.addUnreadableFile(file, problem);
        anyModFile_ = true;
    }

    CutImage cut(const MappedImageState& image) {
        CutImage result;
        result.image = &image;
        if (image.texture.empty()) {
            result.problem = "no Texture";
            return result;
        }
        const FoundTexture found = reading_.textures()->lookup(image.texture);
        if (!found.tga || found.dds) {
            result.problem = found.dds ? "the game loads a .dds, which this tool cannot read" : "texture not found";
            return result;
        }
        const GameFile& texture = *found.tga;
        if (!seen_.insert(texture.display).second)  // the cutter keeps what it decoded under the key
            return cutter_.cut(image, texture.display, nullptr, 0, texture.display);
        std::string problem;
        const auto bytes = texture.read(&problem);
        if (!bytes) {
            result.problem = "texture cannot be read: " + problem;
            seen_.erase(texture.display);
            return result;
        }
        return cutter_.cut(image, texture.display, reinterpret_cast<const std::uint8_t*>(bytes->data()), bytes->size(),
                           texture.display);
    }

    Reading reading_;
    ImageCutter cutter_;
    Linter linter_;
    std::vector<Finding> findings_;
    std::set<std::string> seen_;
    bool anyModFile_ = false;
};

void ReportFindings(const std::vector<Finding>& findings, std::ostream& err) {
    for (const auto& finding : findings) err << FormatFinding(finding) << "\n";
}

void ReportNotCut(const CutImage& cut, std::ostream& err) {
    err << "vantrel-check: " << cut.image->name << " not cut: " << cut.problem << "\n";
}

int RunCrop(const std::string& file, const SourceOptions& sources, const std::string& outDir,
            std::uint32_t background, std::ostream& out, std::ostream& err) {
    std::error_code error;
    fs::create_directories(ArgumentPath(outDir), error);
    if (KindOf(ArgumentPath(outDir)) != PathKind::Folder) throw UsageError{"--out: cannot create the folder " + outDir};

    FileCutter cutter(file, sources, background, err);
    ReportFindings(cutter.findings(), err);
    NoteTexturesNotFound(cutter.linter(), sources, err);
    bool allWritten = true;
    std::set<std::string> usedNames;
    for (const auto& cut : cutter.cutAll()) {
        if (cut.picture.isNull()) {
            ReportNotCut(cut, err);
            allWritten = false;
            continue;
        }
        std::string base = SafeFileName(cut.image->name);
        for (int n = 2; !usedNames.insert(base).second; ++n) base = SafeFileName(cut.image->name) + "_" + std::to_string(n);
        const fs::path target = ArgumentPath(outDir) / (base + ".png");
        if (SavePng(cut.picture, target, err))
            out << target.string() << "\n";
        else
            allWritten = false;
    }
    return allWritten && !HasErrors(cutter.findings()) ? kExitOk : kExitFound;
}

int RunSheet(const std::string& file, const SourceOptions& sources, const std::string& output,
             std::uint32_t background, std::ostream& err) {
    FileCutter cutter(file, sources, background, err);
    ReportFindings(cutter.findings(), err);
    NoteTexturesNotFound(cutter.linter(), sources, err);
    std::vector<SheetEntry> entries;
    bool allCut = true;
    for (auto& cut : cutter.cutAll()) {
        if (cut.picture.isNull()) {
            // The sheet shows an empty cell with the reason; standard error names it as crop does.
            ReportNotCut(cut, err);
            allCut = false;
        }
        entries.push_back({cut.image->name, std::move(cut.picture), cut.problem});
    }
    if (!SavePng(RenderSheet(entries).image, ArgumentPath(output), err)) return kExitFound;
    return allCut && !HasErrors(cutter.findings()) ? kExitOk : kExitFound;
}

int RunRender(const std::string& texture, const std::string& output, std::uint32_t background, std::ostream& err) {
    RequireFile(texture);
    std::string problem;
    const auto painted = PaintTexture(ArgumentPath(texture), background, &problem);
    if (!painted) {
        err << "vantrel-check: " << texture << ": " << problem << "\n";
        return kExitFound;
    }
    // What was painted is written even when the reader gave up part way: that is what the
    // editor shows too.
    const bool saved = SavePng(EditorView(*painted), ArgumentPath(output), err);
    for (const auto& message : painted->readerMessages) {
        std::string oneLine;
        for (const char c : message)
            if (c != '\r') oneLine += c == '\n' ? ' ' : c;
        err << "vantrel-check: " << texture << ": the reader reports: " << oneLine << "\n";
    }
    return saved && painted->readerMessages.empty() ? kExitOk : kExitFound;
}

}  // namespace

int RunCheckCommand(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
    static constexpr std::string_view kCommands[] = {"lint", "crop", "sheet", "render"};
    if (argc >= 2) {
        const std::string_view first = argv[1];
        if (first == "--version" || first == "-V") {
            out << "vantrel-check " << kVersionMajor << "." << kVersionMinor << "." << kVersionRevision << "\n";
            return kExitOk;
        }
        if (!first.starts_with("-") && std::find(std::begin(kCommands), std::end(kCommands), first) == std::end(kCommands)) {
            err << "vantrel-check: unknown command '" << first
                << "'; the commands are lint, crop, sheet and render\nRun with --help for more information.\n";
            return kExitUsage;
        }
    }

    CLI::App app{"vantrel-check: checks MappedImage INI files as the game reads them, and shows what it will draw."};
    app.name("vantrel-check");
    app.require_subcommand(1);
    app.set_version_flag("-V,--version", "vantrel-check " + std::to_string(kVersionMajor) + "." +
                                             std::to_string(kVersionMinor) + "." + std::to_string(kVersionRevision));
    app.footer("'vantrel-check COMMAND --help' explains each command, its options and its exit status.");

    std::vector<std::string> lintPaths;
    SourceOptions lintSources;
    bool lintJson = false;
    CLI::App* lint = app.add_subcommand(
        "lint", "Read MappedImage INI files as the game would and report each problem on one line as "
                "file:line: error|warning: text, then one summary line on standard error. All files go into one "
                "collection, as in the game, so names merged across files are found.");
    lint->add_option("ROOT_FILE_OR_FOLDER", lintPaths,
                     "Root of a mod or of the game, a mod's .big archives, INI files, folders of INI files");
    AddSourceOptions(lint, lintSources);
    lint->add_flag("--json", lintJson,
                   "Print each finding as one JSON object per line (file names that are not UTF-8 keep their bytes, "
                   "as \\udc80 to \\udcff)");
    lint->footer(std::string(kSeverityNote) + "\n\n" + kReadNote + "\n\n" + kLintExitNote);

    std::string cropFile, cropOut, cropBackground = "000000";
    SourceOptions cropSources;
    CLI::App* crop = app.add_subcommand(
        "crop", "Write one PNG per image of FILE (or of every file the game reads from ROOT), named after the "
                "image, cut as the game draws it: Right and Bottom are exclusive edges, and an image marked "
                "ROTATED_90_CLOCKWISE is turned back a quarter counter-clockwise.");
    crop->add_option("FILE_OR_ROOT", cropFile,
                     "INI file (textures are then also looked for in the mod folder holding it), or a mod's root")
        ->required();
    AddSourceOptions(crop, cropSources);
    crop->add_option("--out", cropOut, "Folder for the PNG files (created when missing)")->required();
    crop->add_option("--background", cropBackground, "Colour under pixels that are not opaque, RRGGBB (default 000000)");
    crop->footer(std::string(kPixelNote) + "\n\n" + kReadNote + "\n\n" + kPictureExitNote);

    std::string sheetFile, sheetOut, sheetBackground = "000000";
    SourceOptions sheetSources;
    CLI::App* sheet = app.add_subcommand(
        "sheet", "Write one PNG with every image of FILE (or of ROOT), each cut as crop cuts it and labelled with "
                 "its name.");
    sheet->add_option("FILE_OR_ROOT", sheetFile, "INI file, or a mod's root, as for crop")->required();
    AddSourceOptions(sheet, sheetSources);
    sheet->add_option("-o,--output", sheetOut, "PNG file to write")->required();
    sheet->add_option("--background", sheetBackground, "Colour under pixels that are not opaque, RRGGBB (default 000000)");
    sheet->footer(std::string(kPixelNote) + "\n\n" + kReadNote + "\n\n" + kPictureExitNote);

    std::string renderTexture, renderOut, renderBackground = "000000";
    CLI::App* render = app.add_subcommand(
        "render", "Write the texture as the editor paints it (same reader, same canvas rules: 32-bit pixels "
                  "blended over the canvas, the first stored row at the bottom whatever the header says), for bug "
                  "reports.");
    render->add_option("TEXTURE", renderTexture, "Targa file")->required();
    render->add_option("-o,--output", renderOut, "PNG file to write")->required();
    render->add_option("--background", renderBackground,
                       "Canvas start colour, RRGGBB (default 000000, the editor's background colour at start)");
    render->footer(kRenderExitNote);

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        const int status = app.exit(e, out, err);
        return status == 0 ? kExitOk : kExitUsage;
    }

    try {
        if (lint->parsed()) return RunLint(lintPaths, lintSources, lintJson, out, err);
        if (crop->parsed())
            return RunCrop(cropFile, cropSources, cropOut, ParseBackground(cropBackground), out, err);
        if (sheet->parsed()) return RunSheet(sheetFile, sheetSources, sheetOut, ParseBackground(sheetBackground), err);
        if (render->parsed()) return RunRender(renderTexture, renderOut, ParseBackground(renderBackground), err);
    } catch (const UsageError& e) {
        err << "vantrel-check: " << e.text << "\nRun with --help for more information.\n";
        return kExitUsage;
    } catch (const std::bad_alloc&) {
        // Nothing read may end the run by an exception: whatever input got this far is named by
        // the failure, and the status says the check did not pass.
        err << "vantrel-check: error: out of memory; the check was stopped\n";
        return kExitFound;
    } catch (const std::exception& e) {
        err << "vantrel-check: error: the check was stopped: " << e.what() << "\n";
        return kExitFound;
    }
    return kExitUsage;
}

}  // namespace vantrel::check
