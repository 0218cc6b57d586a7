#include "check/CheckCommand.h"

#include <CLI/CLI.hpp>
#include <QGuiApplication>
#include <QImageWriter>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "check/ContactSheet.h"
#include "check/FindingOutput.h"
#include "check/ImageCutter.h"
#include "check/IniFileOrder.h"
#include "check/Linter.h"
#include "check/PaintedTexture.h"
#include "check/TextureImages.h"

namespace vantrel::check {

namespace {

namespace fs = std::filesystem;

constexpr int kExitOk = 0;
constexpr int kExitFound = 1;
constexpr int kExitUsage = 2;

constexpr const char* kSeverityNote =
    "An error is something that stops the game at start-up; a warning is something the game accepts but "
    "that shows a wrong, missing or surprising picture.";
constexpr const char* kPixelNote =
    "Pixels come from the project's own Targa reader, painted as the editor paints them (32-bit pixels "
    "blended over the --background colour), with one difference: a texture whose header says its first "
    "stored row is the top one is turned back upright, as the game shows it.";

struct UsageError {
    std::string text;
};

std::optional<std::string> ReadWholeFile(const fs::path& path, std::string* problem) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        *problem = std::strerror(errno);
        return std::nullopt;
    }
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) {
        *problem = "read error";
        return std::nullopt;
    }
    return bytes;
}

// "RRGGBB" to a colour value (red + 256 * green + 65536 * blue).
std::uint32_t ParseBackground(const std::string& text) {
    if (text.size() != 6 || text.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos)
        throw UsageError{"--background takes six hexadecimal digits, RRGGBB, such as 000000 or F0F0F0: " + text};
    const auto rgb = static_cast<std::uint32_t>(std::stoul(text, nullptr, 16));
    return PackColor(static_cast<int>(rgb >> 16), static_cast<int>((rgb >> 8) & 255), static_cast<int>(rgb & 255));
}

void RequireFolder(const std::string& option, const std::string& path) {
    std::error_code error;
    if (!fs::is_directory(path, error)) throw UsageError{option + ": not a folder: " + path};
}

void RequireFile(const std::string& path) {
    std::error_code error;
    if (!fs::is_regular_file(path, error)) throw UsageError{"not a file: " + path};
}

bool SavePng(const QImage& image, const fs::path& path, std::ostream& err) {
    QImageWriter writer(QString::fromStdString(path.string()), "png");
    if (writer.write(image)) return true;
    err << "vantrel-check: cannot write " << path.string() << ": " << writer.errorString().toStdString() << "\n";
    return false;
}

// Lints the files the arguments name, in the order the game would load them.
std::vector<Finding> LintArguments(const std::vector<std::string>& arguments, std::optional<TextureFolder> textures) {
    LintOptions options;
    options.textures = std::move(textures);
    options.inspectTarga = InspectTarga;
    Linter linter(std::move(options));
    std::set<fs::path> seen;
    auto lintFile = [&](const fs::path& path) {
        std::error_code error;
        const fs::path identity = fs::weakly_canonical(path, error);
        if (!seen.insert(error ? path : identity).second) return;
        std::string problem;
        if (const auto bytes = ReadWholeFile(path, &problem))
            linter.addFile(path.string(), *bytes);
        else
            linter.addUnreadableFile(path.string(), problem);
    };
    for (const auto& argument : arguments) {
        std::error_code error;
        if (fs::is_directory(argument, error)) {
            for (const auto& file : IniFilesInGameOrder(argument)) lintFile(file);
        } else {
            lintFile(argument);
        }
    }
    return linter.finish();
}

int RunLint(const std::vector<std::string>& paths, const std::string& texturesDir, bool json, std::ostream& out) {
    for (const auto& path : paths) {
        std::error_code error;
        if (!fs::exists(path, error)) throw UsageError{"no such file or folder: " + path};
    }
    std::optional<TextureFolder> textures;
    if (!texturesDir.empty()) {
        RequireFolder("--textures", texturesDir);
        textures.emplace(texturesDir);
    }
    const auto findings = LintArguments(paths, std::move(textures));
    for (const auto& finding : findings) out << (json ? FindingAsJsonLine(finding) : FormatFinding(finding)) << "\n";
    return HasErrors(findings) ? kExitFound : kExitOk;
}

// Lints one file (reporting on err) and cuts every image it defines.
struct CutFile {
    std::vector<CutImage> images;
    bool lintErrors = false;
};

class FileCutter {
public:
    FileCutter(const std::string& file, const std::string& texturesDir, std::uint32_t background)
        : textures_(texturesDir), cutter_(textures_, background), linter_(MakeOptions(textures_)) {
        std::string problem;
        const auto bytes = ReadWholeFile(file, &problem);
        if (bytes)
            linter_.addFile(file, *bytes);
        else
            linter_.addUnreadableFile(file, problem);
        findings_ = linter_.finish();
    }

    const std::vector<Finding>& findings() const { return findings_; }
    std::vector<CutImage> cutAll() {
        std::vector<CutImage> images;
        for (const auto& image : linter_.images().images()) images.push_back(cutter_.cut(image));
        return images;
    }

private:
    static LintOptions MakeOptions(const TextureFolder& textures) {
        LintOptions options;
        options.textures = textures;
        options.inspectTarga = InspectTarga;
        return options;
    }

    TextureFolder textures_;
    ImageCutter cutter_;
    Linter linter_;
    std::vector<Finding> findings_;
};

void ReportFindings(const std::vector<Finding>& findings, std::ostream& err) {
    for (const auto& finding : findings) err << FormatFinding(finding) << "\n";
}

int RunCrop(const std::string& file, const std::string& texturesDir, const std::string& outDir,
            std::uint32_t background, std::ostream& out, std::ostream& err) {
    RequireFile(file);
    RequireFolder("--textures", texturesDir);
    std::error_code error;
    fs::create_directories(outDir, error);
    if (!fs::is_directory(outDir, error)) throw UsageError{"--out: cannot create the folder " + outDir};

    FileCutter cutter(file, texturesDir, background);
    ReportFindings(cutter.findings(), err);
    bool allWritten = true;
    std::set<std::string> usedNames;
    for (const auto& cut : cutter.cutAll()) {
        if (cut.picture.isNull()) {
            err << "vantrel-check: " << cut.image->name << " not cut: " << cut.problem << "\n";
            allWritten = false;
            continue;
        }
        std::string base = SafeFileName(cut.image->name);
        for (int n = 2; !usedNames.insert(base).second; ++n) base = SafeFileName(cut.image->name) + "_" + std::to_string(n);
        const fs::path target = fs::path(outDir) / (base + ".png");
        if (SavePng(cut.picture, target, err))
            out << target.string() << "\n";
        else
            allWritten = false;
    }
    return allWritten && !HasErrors(cutter.findings()) ? kExitOk : kExitFound;
}

int RunSheet(const std::string& file, const std::string& texturesDir, const std::string& output,
             std::uint32_t background, std::ostream& err) {
    RequireFile(file);
    RequireFolder("--textures", texturesDir);

    // Drawing the names needs fonts, and fonts need a QGuiApplication (offscreen will do).
    std::unique_ptr<QGuiApplication> application;
    if (!QGuiApplication::instance()) {
        static int argc = 1;
        static char name[] = "vantrel-check";
        static char* argv[] = {name, nullptr};
        application = std::make_unique<QGuiApplication>(argc, argv);
    }

    FileCutter cutter(file, texturesDir, background);
    ReportFindings(cutter.findings(), err);
    std::vector<SheetEntry> entries;
    bool allCut = true;
    for (auto& cut : cutter.cutAll()) {
        if (cut.picture.isNull()) allCut = false;
        entries.push_back({cut.image->name, std::move(cut.picture), cut.problem});
    }
    if (!SavePng(RenderSheet(entries).image, output, err)) return kExitFound;
    return allCut && !HasErrors(cutter.findings()) ? kExitOk : kExitFound;
}

int RunRender(const std::string& texture, const std::string& output, std::uint32_t background, std::ostream& err) {
    RequireFile(texture);
    std::string problem;
    const auto painted = PaintTexture(texture, background, &problem);
    if (!painted) {
        err << "vantrel-check: " << texture << ": " << problem << "\n";
        return kExitFound;
    }
    // What was painted is written even when the reader gave up part way: that is what the
    // editor shows too.
    const bool saved = SavePng(EditorView(*painted), output, err);
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
    CLI::App app{"vantrel-check: checks MappedImage INI files as the game reads them, and shows what it will draw."};
    app.name("vantrel-check");
    app.require_subcommand(1);
    app.footer(kSeverityNote);

    std::vector<std::string> lintPaths;
    std::string lintTextures;
    bool lintJson = false;
    CLI::App* lint = app.add_subcommand(
        "lint", "Read every .ini file (any letter case) as the game would and report each problem on one line as "
                "file:line: error|warning: text. Folders are read in the game's load order; names are merged "
                "across all files given. Exit status 0 when no error, 1 when errors, 2 on bad usage.");
    lint->add_option("FILE_OR_FOLDER", lintPaths, "INI files and folders of INI files")->required();
    lint->add_option("--textures", lintTextures,
                     "Folder searched (with its subfolders, names in any letter case) for the textures the images "
                     "name; each texture found is checked with the project's Targa reader");
    lint->add_flag("--json", lintJson, "Print each finding as one JSON object per line");
    lint->footer(kSeverityNote);

    std::string cropFile, cropTextures, cropOut, cropBackground = "000000";
    CLI::App* crop = app.add_subcommand(
        "crop", "Write one PNG per image of FILE, named after the image, cut as the game draws it: Right and "
                "Bottom are exclusive edges, and an image marked ROTATED_90_CLOCKWISE is turned back a quarter "
                "counter-clockwise.");
    crop->add_option("FILE", cropFile, "INI file")->required();
    crop->add_option("--textures", cropTextures, "Folder of the textures")->required();
    crop->add_option("--out", cropOut, "Folder for the PNG files (created when missing)")->required();
    crop->add_option("--background", cropBackground, "Canvas colour under 32-bit pixels, RRGGBB (default 000000)");
    crop->footer(kPixelNote);

    std::string sheetFile, sheetTextures, sheetOut, sheetBackground = "000000";
    CLI::App* sheet = app.add_subcommand(
        "sheet", "Write one PNG with every image of FILE in a grid, each cut as crop cuts it and labelled with its "
                 "name.");
    sheet->add_option("FILE", sheetFile, "INI file")->required();
    sheet->add_option("--textures", sheetTextures, "Folder of the textures")->required();
    sheet->add_option("-o,--output", sheetOut, "PNG file to write")->required();
    sheet->add_option("--background", sheetBackground, "Canvas colour under 32-bit pixels, RRGGBB (default 000000)");
    sheet->footer(kPixelNote);

    std::string renderTexture, renderOut, renderBackground = "000000";
    CLI::App* render = app.add_subcommand(
        "render", "Write the texture as the editor paints it (same reader, same canvas rules: 32-bit pixels "
                  "blended over the canvas, the first stored row at the bottom whatever the header says), for bug "
                  "reports.");
    render->add_option("TEXTURE", renderTexture, "Targa file")->required();
    render->add_option("-o,--output", renderOut, "PNG file to write")->required();
    render->add_option("--background", renderBackground,
                       "Canvas start colour, RRGGBB (default 000000, the editor's background colour at start)");

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        const int status = app.exit(e, out, err);
        return status == 0 ? kExitOk : kExitUsage;
    }

    try {
        if (lint->parsed()) return RunLint(lintPaths, lintTextures, lintJson, out);
        if (crop->parsed())
            return RunCrop(cropFile, cropTextures, cropOut, ParseBackground(cropBackground), out, err);
        if (sheet->parsed()) return RunSheet(sheetFile, sheetTextures, sheetOut, ParseBackground(sheetBackground), err);
        if (render->parsed()) return RunRender(renderTexture, renderOut, ParseBackground(renderBackground), err);
    } catch (const UsageError& e) {
        err << "vantrel-check: " << e.text << "\nRun with --help for more information.\n";
        return kExitUsage;
    }
    return kExitUsage;
}

}  // namespace vantrel::check
