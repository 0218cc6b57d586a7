// vantrel-check lint, end to end through its command line, on generated trees:
// - a large mod folder (160 INI files, 11,680 MappedImage blocks, 120 textures of 256 x 256, half
//   of them in a second --textures folder), against reading every byte of the same files (the
//   floor any lint must pay);
// - the same mod with --game instead of --textures: a game folder of about 2 GB of .big archives
//   (2,048 sparse entries of 1 MB, 40 retail INI files, and the 120 textures inside them, of which
//   the mod's loose ones win), against the mod with its folders alone.
// - one block of 200,000 'Status = ROTATED_90_CLOCKWISE' lines (6.4 MB), which a check that
//   looked ahead for Coords from every Status line made quadratic (19 s; now a third of a second).
// Everything is generated in a temporary folder at the first run and removed at exit. After the
// runs a table gives the ratios of the mean real times.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "GeneratedTextures.h"
#include "RatioReporter.h"
#include "check/CheckCommand.h"

namespace vantrel::bench {
namespace {

namespace fs = std::filesystem;

constexpr int kIniFiles = 160;
constexpr int kBlocksPerFile = 73;
constexpr int kTextures = 120;
constexpr int kArchives = 8;
constexpr int kSparseEntriesPerArchive = 256;
constexpr std::uint32_t kSparseEntryBytes = 1u << 20;

std::string TextureName(int i) { return "Cameos" + std::to_string(i) + ".tga"; }

std::string IniFile(int file, int blocks, const std::string& prefix) {
    std::string text = "; generated\r\n";
    for (int b = 0; b < blocks; ++b) {
        const int texture = (file * blocks + b) % kTextures;
        const int x = (b % 4) * 64, y = ((b / 4) % 4) * 64;
        text += "MappedImage " + prefix + std::to_string(file) + "_" + std::to_string(b) + "\r\n  Texture = " +
                TextureName(texture) + "\r\n  TextureWidth = 256\r\n  TextureHeight = 256\r\n  Coords = Left:" +
                std::to_string(x) + " Top:" + std::to_string(y) + " Right:" + std::to_string(x + 61) +
                " Bottom:" + std::to_string(y + 48) + "\r\n  Status = NONE\r\nEnd\r\n";
    }
    return text;
}

void Write(const fs::path& path, const std::string& bytes) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

void PutBigEndian(std::string& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) out += static_cast<char>((value >> shift) & 0xFF);
}

// An archive whose real entries are written and whose sparse entries take room only in the size
// of the file (a hole the file system does not store).
void WriteArchive(const fs::path& path, const std::vector<std::pair<std::string, std::string>>& real,
                  const std::vector<std::string>& sparse) {
    std::string table;
    std::size_t tableEnd = 16;
    for (const auto& [name, bytes] : real) tableEnd += 8 + name.size() + 1;
    for (const auto& name : sparse) tableEnd += 8 + name.size() + 1;
    std::uint64_t offset = tableEnd;
    std::string data;
    for (const auto& [name, bytes] : real) {
        PutBigEndian(table, static_cast<std::uint32_t>(offset));
        PutBigEndian(table, static_cast<std::uint32_t>(bytes.size()));
        table += name + '\0';
        offset += bytes.size();
        data += bytes;
    }
    for (const auto& name : sparse) {
        PutBigEndian(table, static_cast<std::uint32_t>(offset));
        PutBigEndian(table, kSparseEntryBytes);
        table += name + '\0';
        offset += kSparseEntryBytes;
    }
    std::string header = "BIGF";
    for (int shift = 0; shift <= 24; shift += 8) header += static_cast<char>((offset >> shift) & 0xFF);
    PutBigEndian(header, static_cast<std::uint32_t>(real.size() + sparse.size()));
    PutBigEndian(header, static_cast<std::uint32_t>(tableEnd));
    Write(path, header + table + data);
    fs::resize_file(path, offset);
}

struct Tree {
    fs::path root;
    std::uintmax_t archiveBytes = 0;

    Tree() {
        root = fs::temp_directory_path() / ("vantrel-check-bench-" + std::to_string(std::random_device{}()));
        const GeneratedTexture texture = GenerateTexture(256, 256, 24, true);
        const std::string textureBytes(texture.bytes.begin(), texture.bytes.end());
        for (int i = 0; i < kIniFiles; ++i)
            Write(root / "MyMod" / "Data" / "INI" / "MappedImages" / (i % 2 ? "HandCreated" : "TextureSize_512") /
                      ("Mod" + std::to_string(i) + ".ini"),
                  IniFile(i, kBlocksPerFile, "Mod"));
        // Half the textures are the mod's own; with --game the other half come from the archives.
        for (int t = 0; t < kTextures; ++t)
            Write(root / (t % 2 ? "Shared" : "MyMod/Art/Textures") / TextureName(t), textureBytes);

        // The game: retail INI files and textures in the first archives, the rest mostly sparse.
        for (int a = 0; a < kArchives; ++a) {
            std::vector<std::pair<std::string, std::string>> real;
            std::vector<std::string> sparse;
            if (a == 0)
                for (int i = 0; i < 40; ++i)
                    real.emplace_back("Data\\INI\\MappedImages\\TextureSize_512\\Retail" + std::to_string(i) + ".ini",
                                      IniFile(i, kBlocksPerFile, "Retail"));
            if (a == 1)
                for (int t = 0; t < kTextures; ++t) real.emplace_back("Art\\Textures\\" + TextureName(t), textureBytes);
            for (int e = 0; e < kSparseEntriesPerArchive; ++e)
                sparse.push_back("Art\\Sparse" + std::to_string(a) + "\\Entry" + std::to_string(e) + ".dat");
            const fs::path archive = root / "Game" / ("Archive" + std::to_string(a) + ".big");
            WriteArchive(archive, real, sparse);
            archiveBytes += fs::file_size(archive);
        }
    }
    ~Tree() {
        std::error_code error;
        fs::remove_all(root, error);
    }
};

Tree& SharedTree() {
    static Tree tree;
    return tree;
}

int Lint(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), {"vantrel-check", "lint"});
    std::vector<const char*> argv;
    for (const auto& argument : arguments) argv.push_back(argument.c_str());
    std::ostringstream out, err;
    return check::RunCheckCommand(static_cast<int>(argv.size()), argv.data(), out, err);
}

void BM_ReadEveryByteOfTheMod(benchmark::State& state) {
    const fs::path root = SharedTree().root;
    std::vector<char> buffer(1 << 20);
    for (auto _ : state) {
        std::size_t total = 0;
        for (const auto& entry : fs::recursive_directory_iterator(root)) {
            if (entry.path().extension() == ".big") continue;
            if (!entry.is_regular_file()) continue;
            std::ifstream in(entry.path(), std::ios::binary);
            while (in.read(buffer.data(), static_cast<std::streamsize>(buffer.size())) || in.gcount() > 0)
                total += static_cast<std::size_t>(in.gcount());
        }
        benchmark::DoNotOptimize(total);
    }
}

void BM_LintModWithTextures(benchmark::State& state) {
    const std::string mod = (SharedTree().root / "MyMod").string();
    const std::string shared = (SharedTree().root / "Shared").string();
    for (auto _ : state) {
        if (Lint({mod, "--textures", shared}) == 2) state.SkipWithError("lint refused its arguments");
    }
}

void BM_LintModWithTheGamesArchives(benchmark::State& state) {
    Tree& tree = SharedTree();
    const std::string mod = (tree.root / "MyMod").string();
    const std::string game = (tree.root / "Game").string();
    for (auto _ : state) {
        if (Lint({mod, "--game", game}) == 2) state.SkipWithError("lint refused its arguments");
    }
    state.counters["archive_GB"] = static_cast<double>(tree.archiveBytes) / 1e9;
}

void BM_LintOneBlockOfManyStatusLines(benchmark::State& state) {
    const fs::path file = SharedTree().root / "ManyStatusLines.ini";
    if (!fs::exists(file)) {
        std::string text = "MappedImage Many\r\n Texture = a.tga\r\n TextureWidth = 64\r\n TextureHeight = 64\r\n";
        for (int i = 0; i < 200000; ++i) text += " Status = ROTATED_90_CLOCKWISE\r\n";
        Write(file, text + "End\r\n");
    }
    for (auto _ : state) {
        if (Lint({file.string()}) == 2) state.SkipWithError("lint refused its arguments");
    }
}

BENCHMARK(BM_ReadEveryByteOfTheMod)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_LintModWithTextures)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_LintModWithTheGamesArchives)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_LintOneBlockOfManyStatusLines)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace
}  // namespace vantrel::bench

int main(int argc, char** argv) {
    return vantrel::bench::RunWithRatios(argc, argv,
                                         {{"BM_LintModWithTextures", "BM_ReadEveryByteOfTheMod"},
                                          {"BM_LintModWithTheGamesArchives", "BM_LintModWithTextures"}});
}
