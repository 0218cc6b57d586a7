// LoadTarga onto the canvas against stb_image decoding the same bytes into memory, and against the
// reader's game rules (DecodeTargaAsGame), for generated 2048 x 2048 textures at every depth, raw and
// run-length. After the runs two tables give the ratios ours / stb and game / editor of the mean
// real time per load.
#include <benchmark/benchmark.h>
#include <stb_image.h>

#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "GeneratedTextures.h"
#include "targa/Canvas.h"
#include "targa/GameTarga.h"
#include "targa/MemoryByteSource.h"
#include "targa/TargaReader.h"

namespace vantrel::bench {
namespace {

constexpr int kSize = 2048;

// Counts the messages a load shows; a benchmarked load must show none.
class SilentUserInteraction : public UserInteraction {
public:
    int shown = 0;
    MessageResult messageBox(const MessageBoxRequest&) override {
        ++shown;
        return MessageResult::Ok;
    }
    std::string inputBox(const std::string&, const std::string&, const std::string&) override { return {}; }
    std::optional<std::string> openFileDialog(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<std::string> saveFileDialog(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<std::uint32_t> colorDialog(std::uint32_t) override { return std::nullopt; }
};

Canvas& SharedCanvas() {
    static Canvas canvas(PackColor(240, 240, 240));
    static bool once = [] {
        canvas.setProgressHandler([] {});
        return true;
    }();
    (void)once;
    return canvas;
}

void LoadOntoCanvas(benchmark::State& state, const GeneratedTexture* texture) {
    Canvas& canvas = SharedCanvas();
    SilentUserInteraction ui;
    for (auto _ : state) {
        MemoryByteSource source(texture->bytes);
        std::int16_t width = 0, height = 0;
        LoadTarga(source, canvas, width, height, ui);
        benchmark::DoNotOptimize(canvas.bits());
        benchmark::ClobberMemory();
    }
    if (ui.shown > 0) state.SkipWithError("the load showed a message");
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(texture->bytes.size()));
}

void DecodeWithStb(benchmark::State& state, const GeneratedTexture* texture) {
    for (auto _ : state) {
        int width = 0, height = 0, channels = 0;
        stbi_uc* pixels = stbi_load_from_memory(texture->bytes.data(), static_cast<int>(texture->bytes.size()), &width,
                                                &height, &channels, 0);
        if (!pixels || width != kSize || height != kSize) {
            state.SkipWithError("stb_image could not decode the texture");
            break;
        }
        benchmark::DoNotOptimize(pixels);
        stbi_image_free(pixels);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(texture->bytes.size()));
}

// The same bytes decoded by the game's rules into memory (DecodeTargaAsGame).
void DecodeAsGame(benchmark::State& state, const GeneratedTexture* texture) {
    for (auto _ : state) {
        const GameTargaResult result = DecodeTargaAsGame(texture->bytes.data(), texture->bytes.size());
        if (result.outcome != GameTargaOutcome::Loaded) {
            state.SkipWithError(("the game's rules do not load the texture: " + result.reason).c_str());
            break;
        }
        benchmark::DoNotOptimize(result.image.pixels.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(texture->bytes.size()));
}

// Prints as the console reporter does and keeps each run's mean real time per iteration.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    RatioReporter() : ConsoleReporter(OO_Tabular) {}  // no colour codes: the output is often kept in a log
    std::map<std::string, double> seconds;
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            if (!run.error_occurred && run.iterations > 0)
                seconds[run.benchmark_name()] = run.real_accumulated_time / static_cast<double>(run.iterations);
    }
};

}  // namespace
}  // namespace vantrel::bench

int main(int argc, char** argv) {
    using namespace vantrel::bench;
    std::vector<std::unique_ptr<GeneratedTexture>> textures;
    for (bool runLength : {false, true})
        for (int bits : {8, 16, 24, 32})
            textures.push_back(std::make_unique<GeneratedTexture>(GenerateTexture(kSize, kSize, bits, runLength)));
    std::vector<std::string> names;
    for (const auto& texture : textures) {
        names.push_back(texture->name);
        benchmark::RegisterBenchmark(("ours/" + texture->name).c_str(), LoadOntoCanvas, texture.get())
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
        benchmark::RegisterBenchmark(("stb/" + texture->name).c_str(), DecodeWithStb, texture.get())
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
        benchmark::RegisterBenchmark(("game/" + texture->name).c_str(), DecodeAsGame, texture.get())
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
    }
    // Files that declare the largest image and end after the header: bounded by the canvas.
    for (int imageType : {1, 2, 9, 10}) {
        textures.push_back(std::make_unique<GeneratedTexture>(
            HeaderOnlyTexture(32767, 32767, imageType, imageType == 1 || imageType == 9 ? 8 : 24)));
        benchmark::RegisterBenchmark(("ours/32767x32767 " + textures.back()->name).c_str(), LoadOntoCanvas,
                                     textures.back().get())
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
    }

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    std::printf("\n%-20s %10s %10s %8s\n", "texture 2048x2048", "ours ms", "stb ms", "ratio");
    for (const std::string& name : names) {
        const auto ours = reporter.seconds.find("ours/" + name + "/real_time");
        const auto stb = reporter.seconds.find("stb/" + name + "/real_time");
        if (ours == reporter.seconds.end() || stb == reporter.seconds.end()) continue;
        std::printf("%-20s %10.2f %10.2f %8.2f\n", name.c_str(), ours->second * 1e3, stb->second * 1e3,
                    ours->second / stb->second);
    }
    // The game's rules (decoding into memory) against the editor's (painting onto the canvas).
    std::printf("\n%-20s %10s %10s %8s\n", "texture 2048x2048", "game ms", "editor ms", "ratio");
    for (const std::string& name : names) {
        const auto game = reporter.seconds.find("game/" + name + "/real_time");
        const auto editor = reporter.seconds.find("ours/" + name + "/real_time");
        if (game == reporter.seconds.end() || editor == reporter.seconds.end()) continue;
        std::printf("%-20s %10.2f %10.2f %8.2f\n", name.c_str(), game->second * 1e3, editor->second * 1e3,
                    game->second / editor->second);
    }
    return 0;
}
