// One repaint of the Qt editor's canvas as the user scrolls: a 1984 x 2117 texture (the largest
// the editor takes) with 2,000 entries on it, the visible part of the canvas repainted at 100, 400
// and 1600 %, with Show Entries on (the overlay drawn) against the same repaint with it off (the
// peer: the texture alone). Runs on Qt's offscreen platform, so it measures the drawing, not a
// display server. After the runs a table gives the overlay's share of each repaint.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QScrollArea>
#include <QScrollBar>
#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>
#include <string>

#include "GeneratedTextures.h"
#include "editor/qt/CanvasWidget.h"
#include "editor/qt/MainWindow.h"
#include "support/TargaWriter.h"

namespace vantrel::bench {
namespace {

namespace fs = std::filesystem;

constexpr int kWidth = 1984, kHeight = 2117;

class Answers : public UserInteraction {
public:
    std::string texture, mapping;
    MessageResult messageBox(const MessageBoxRequest&) override { return MessageResult::Ok; }
    std::string inputBox(const std::string&, const std::string&, const std::string&) override { return {}; }
    std::optional<std::string> openFileDialog(const FileDialogRequest& request) override {
        return request.title == "Open" ? texture : mapping;
    }
    std::optional<std::string> saveFileDialog(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<std::uint32_t> colorDialog(std::uint32_t) override { return std::nullopt; }
};

struct Scene {
    fs::path folder = fs::temp_directory_path() / "vantrel-canvas-bench";
    Answers answers;
    std::unique_ptr<MainWindow> window;

    Scene() {
        fs::create_directories(folder);
        answers.texture = (folder / "Cameos.tga").string();
        answers.mapping = (folder / "Cameos.ini").string();
        test::WriteFileBytes(answers.texture, GenerateTexture(kWidth, kHeight, 24, false).bytes);
        // 2,000 entries of 40 x 40 in a grid over the texture, named like a mod's.
        std::string ini;
        for (int k = 0; k < 2000; ++k) {
            const int x = (k % 45) * 44, y = (k / 45) * 47;
            ini += "MappedImage SNCameo" + std::to_string(k) + "\r\nTexture = Cameos.tga\r\nCoords = Left:" +
                   std::to_string(x) + " Top:" + std::to_string(y) + " Right:" + std::to_string(x + 40) +
                   " Bottom:" + std::to_string(y + 40) + "\r\nEnd\r\n";
        }
        test::WriteFileBytes(answers.mapping, ini);
        window = std::make_unique<MainWindow>(&answers);
        window->setAvailableArea(QRect(0, 0, 1600, 1200));
        window->show();
        window->run(ui::Command::FileOpen);
        window->run(ui::Command::FileOpenMapping);
        QApplication::processEvents();
    }
    ~Scene() {
        window.reset();
        std::error_code ignored;
        fs::remove_all(folder, ignored);
    }
};

// Made at the first run and gone before the application is.
std::unique_ptr<Scene> theScene;
Scene& TheScene() {
    if (!theScene) theScene = std::make_unique<Scene>();
    return *theScene;
}

// range(0): the zoom; range(1): Show Entries on (1) or off (0).
void BM_RepaintVisibleCanvas(benchmark::State& state) {
    Scene& scene = TheScene();
    MainWindow& window = *scene.window;
    MappingEditor& editor = window.editor();
    editor.ActualSize();
    while (editor.zoomPercent() < state.range(0)) editor.ZoomIn();
    if (editor.showEntries() != (state.range(1) != 0)) editor.ToggleShowEntries();
    QApplication::processEvents();
    // Scrolled to the middle of the texture, where the entries are.
    QScrollBar* across = window.scrollArea()->horizontalScrollBar();
    QScrollBar* down = window.scrollArea()->verticalScrollBar();
    across->setValue(across->maximum() / 2);
    down->setValue(down->maximum() / 2);
    QApplication::processEvents();
    CanvasWidget* canvas = window.canvasWidget();
    const QRect visible = canvas->visibleRegion().boundingRect();
    for (auto _ : state) canvas->repaint(visible);
    state.counters["view_px"] = static_cast<double>(visible.width()) * visible.height();
}

BENCHMARK(BM_RepaintVisibleCanvas)
    ->ArgsProduct({{100, 400, 1600}, {0, 1}})
    ->ArgNames({"zoom", "entries"})
    ->Unit(benchmark::kMillisecond);

class RatioReporter : public benchmark::ConsoleReporter {
public:
    RatioReporter() : ConsoleReporter(OO_Tabular) {}
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const auto& run : runs)
            if (!run.error_occurred) times_[run.benchmark_name()] = run.GetAdjustedRealTime();
    }
    void Finalize() override {
        ConsoleReporter::Finalize();
        std::printf("\nRepaint with the overlay / without it (mean real time):\n");
        for (const char* zoom : {"100", "400", "1600"}) {
            const std::string on = std::string("BM_RepaintVisibleCanvas/zoom:") + zoom + "/entries:1";
            const std::string off = std::string("BM_RepaintVisibleCanvas/zoom:") + zoom + "/entries:0";
            if (times_.count(on) && times_.count(off))
                std::printf("%5s %%: %.2f ms / %.2f ms = %.2f\n", zoom, times_[on], times_[off], times_[on] / times_[off]);
        }
    }

private:
    std::map<std::string, double> times_;
};

}  // namespace
}  // namespace vantrel::bench

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    vantrel::bench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    vantrel::bench::theScene.reset();
    benchmark::Shutdown();
    return 0;
}
