// The editor's document at the sizes a large mod reaches, each against a peer measured in the
// same run:
// - Open Mapping of a 5 MB INI file of 20,000 MappedImage blocks, against the game's INI reading
//   of the same bytes alone (the parse the document builds on);
// - one Undo or Redo of a deletion from the middle of those 20,000 entries, against writing the
//   whole document out once (what a save costs);
// - the overlay's shapes for a repaint with 2,000 entries on a 1984 x 1984 texture (the largest
//   the editor opens: its window arithmetic is 16-bit), the whole texture and the part a window
//   shows at 1600 %, against the same peer.
// After the runs a table gives the ratios of the mean real times.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "GeneratedTextures.h"
#include "RatioReporter.h"
#include "check/MappedImageParser.h"
#include "editor/MappingDocument.h"
#include "editor/MappingEditor.h"
#include "editor/Overlay.h"
#include "FakeEditorView.h"
#include "support/ScriptedUserInteraction.h"
#include "support/TargaWriter.h"

namespace vantrel::bench {
namespace {

namespace fs = std::filesystem;

// 20,000 blocks of about 250 bytes: comments, indentation and the five fields, as mods write them.
const std::string& BigMapping() {
    static const std::string bytes = [] {
        std::string text = "; generated for the benchmark\r\n\r\n";
        for (int k = 0; k < 20000; ++k) {
            const int x = (k % 32) * 64, y = (k / 32 % 32) * 64;
            text += "MappedImage SCCameo" + std::to_string(k) + " ; cameo of unit " + std::to_string(k) + "\r\n" +
                    "  Texture = SCSmShellUserInterface512_00" + std::to_string(k % 4) + ".tga\r\n" +
                    "  TextureWidth = 2048\r\n  TextureHeight = 2048\r\n" + "  Coords = Left:" + std::to_string(x) +
                    " Top:" + std::to_string(y) + " Right:" + std::to_string(x + 63) + " Bottom:" +
                    std::to_string(y + 63) + "\r\n  Status = NONE\r\nEnd\r\n\r\n";
        }
        return text;
    }();
    return bytes;
}

void BM_ParseAsTheGame(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(check::ParseMappedImageFile("bench.ini", BigMapping()));
    state.counters["MB"] = static_cast<double>(BigMapping().size()) / 1e6;
}

void BM_OpenMapping(benchmark::State& state) {
    for (auto _ : state) {
        MappingDocument document;
        benchmark::DoNotOptimize(document.Open(BigMapping()));
    }
}

void BM_WholeDocumentText(benchmark::State& state) {
    MappingDocument document;
    document.Open(BigMapping());
    for (auto _ : state) benchmark::DoNotOptimize(document.Text());
}

void BM_UndoOrRedoOfADeletion(benchmark::State& state) {
    MappingDocument document;
    document.Open(BigMapping());
    document.lngRemoveNumber = 10000;
    document.RemoveEntry();
    bool undo = true;
    for (auto _ : state) {
        benchmark::DoNotOptimize(undo ? document.Undo() : document.Redo());
        undo = !undo;
    }
}

// An editor with the 1984 x 1984 texture open and 2,000 of the mapping's entries on it.
struct OverlayScene {
    test::ScriptedUserInteraction ui;
    test::FakeEditorView view;
    Canvas canvas{0xC0C0C0, 1984, 1984};
    MappingEditor editor{ui, view, canvas};
    fs::path folder = fs::temp_directory_path() / "vantrel-editor-bench";

    OverlayScene() {
        fs::create_directories(folder);
        const fs::path mapping = folder / "Cameos.ini";
        const fs::path texture = folder / "SCSmShellUserInterface512_000.tga";
        test::WriteFileBytes(texture, GenerateTexture(1984, 1984, 24, false).bytes);
        // The first 8,000 blocks: a quarter of them (2,000) name the texture.
        const std::string& all = BigMapping();
        std::size_t cut = 0;
        for (int k = 0; k <= 8000; ++k) cut = all.find("MappedImage", cut + 1);
        test::WriteFileBytes(mapping, all.substr(0, cut));
        ui.openAnswers = {mapping.string(), texture.string()};
        editor.Load();
        editor.OpenMapping();
        editor.LoadUserFile();
    }
    ~OverlayScene() {
        std::error_code ignored;
        fs::remove_all(folder, ignored);
    }
};

OverlayScene& Scene() {
    static OverlayScene scene;
    return scene;
}

void BM_OverlayShapes(benchmark::State& state) {
    MappingEditor& editor = Scene().editor;
    const TexelRect visible = state.range(0) ? TexelRect{1000, 1000, 64, 48} : TexelRect{};
    std::size_t shapes = 0;
    for (auto _ : state) {
        auto result = OverlayShapes(editor, visible);
        shapes = result.size();
        benchmark::DoNotOptimize(result);
    }
    state.counters["shapes"] = static_cast<double>(shapes);
}

BENCHMARK(BM_ParseAsTheGame)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenMapping)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WholeDocumentText)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UndoOrRedoOfADeletion)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_OverlayShapes)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vantrel::bench

int main(int argc, char** argv) {
    return vantrel::bench::RunWithRatios(argc, argv,
                                         {{"BM_OpenMapping", "BM_ParseAsTheGame"},
                                          {"BM_UndoOrRedoOfADeletion", "BM_WholeDocumentText"},
                                          {"BM_OverlayShapes/0", "BM_WholeDocumentText"},
                                          {"BM_OverlayShapes/1", "BM_WholeDocumentText"}});
}
