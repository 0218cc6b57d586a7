// One repaint of the Qt editor's canvas as the user scrolls: a 1984 x 2117 texture (the largest
// the editor takes) with 2,000 entries on it, the visible part of the canvas repainted at 100, 400
// and 1600 %, with Show Entries on (the overlay drawn) against the same repaint with it off (the
// peer: the texture alone). Runs on Qt's offscreen platform, so it measures the drawing, not a
// display server. After the runs a table gives each repaint with the overlay over the same without.
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
#include "RatioReporter.h"
#include "editor/qt/CanvasWidget.h"
#include "editor/qt/MainWindow.h"
#include "support/ScriptedUserInteraction.h"
#include "support/TargaWriter.h"

namespace vantrel::bench {
namespace {

namespace fs = std::filesystem;

constexpr int kWidth = 1984, kHeight = 2117;

struct Scene {
    fs::path folder = fs::temp_directory_path() / "vantrel-canvas-bench";
    test::ScriptedUserInteraction answers;
    std::unique_ptr<MainWindow> window;

    Scene() {
        fs::create_directories(folder);
        const std::string texture = (folder / "Cameos.tga").string();
        const std::string mapping = (folder / "Cameos.ini").string();
        answers.openAnswers = {texture, mapping};
        test::WriteFileBytes(texture, GenerateTexture(kWidth, kHeight, 24, false).bytes);
        // 2,000 entries of 40 x 40 in a grid over the texture, named like a mod's.
        std::string ini;
        for (int k = 0; k < 2000; ++k) {
            const int x = (k % 45) * 44, y = (k / 45) * 47;
            ini += "MappedImage SNCameo" + std::to_string(k) + "\r\nTexture = Cameos.tga\r\nCoords = Left:" +
                   std::to_string(x) + " Top:" + std::to_string(y) + " Right:" + std::to_string(x + 40) +
                   " Bottom:" + std::to_string(y + 40) + "\r\nEnd\r\n";
        }
        test::WriteFileBytes(mapping, ini);
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

}  // namespace
}  // namespace vantrel::bench

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    std::vector<std::pair<std::string, std::string>> ratios;
    for (const char* zoom : {"100", "400", "1600"})
        ratios.emplace_back(std::string("BM_RepaintVisibleCanvas/zoom:") + zoom + "/entries:1",
                            std::string("BM_RepaintVisibleCanvas/zoom:") + zoom + "/entries:0");
    const int status = vantrel::bench::RunWithRatios(argc, argv, std::move(ratios));
    vantrel::bench::theScene.reset();
    return status;
}
