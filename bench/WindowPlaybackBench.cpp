// Playing an animation in zorhost's window: 300 frames in a view of 800 x
// 600 pixels, each one drawn by the renderer, painted into the window and
// put on the screen as the add-on redraws it, against drawing the same 300
// frames off screen with the same renderer, in the same run. The ratio is
// the window's frame rate over the off-screen rate.
//
// bench/run.sh runs it in a virtual X server (xvfb-run); without a display
// it falls back to Qt's offscreen platform.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTest>

#include <memory>
#include <stdexcept>

#include "BenchHost.h"
#include "RatioReport.h"
#include "player/FrameDataStore.h"
#include "player/HostScene.h"
#include "render/Renderer.h"
#include "window/HostMenus.h"
#include "window/MainWindow.h"
#include "window/SessionSettings.h"
#include "window/ViewWidget.h"
#include "zorsim/Host.h"

namespace {

constexpr uint32_t numFrames = 300;
constexpr int viewWidth = 800;
constexpr int viewHeight = 600;

// The window on the ready scene, with its view at the measured size, and
// the key frames to play in it. Made once: a process has one application.
class WindowBench {
public:
    WindowBench()
    {
        if (qEnvironmentVariableIsEmpty("DISPLAY"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        application_ = std::make_unique<QApplication>(argc_, argv_);
        freshHostWithAddOn();
        window_ = std::make_unique<zorhost::MainWindow>(zorsim::host());
        window_->view().setFixedSize(viewWidth, viewHeight);
        window_->show();
        if (!QTest::qWaitForWindowExposed(window_.get()))
            throw std::runtime_error("the window does not come up");
        window_->start({});
        // As fast as the window draws, not at the movie's speed.
        for (QAction* action : window_->menus().menu(3)->actions())
            if (action->text() == "Play at &Movie Speed")
                action->setChecked(false);
        // The same data under the off-screen renderer's own store.
        offScreenData_.loadWave(zorsim::host(), 21, 0.0, 2.0);
        keyFrames_ = keyFramesFromCurrentView(numFrames);
    }

    const std::vector<KeyFrame_s>& keyFrames() const { return keyFrames_; }
    const zorhost::FrameDataStore& offScreenData() const { return offScreenData_; }

private:
    int argc_ = 1;
    char name_[32] = "WindowPlaybackBench";
    char* argv_[2] = {name_, nullptr};
    zorhost::SessionSettings settings_;
    std::unique_ptr<QApplication> application_;
    std::unique_ptr<zorhost::MainWindow> window_;
    zorhost::FrameDataStore offScreenData_;
    std::vector<KeyFrame_s> keyFrames_;
};

WindowBench& windowBench()
{
    static WindowBench bench;
    return bench;
}

void windowPlaying(benchmark::State& state)
{
    const std::vector<KeyFrame_s>& keyFrames = windowBench().keyFrames();
    timePlayingOnScreen(state, keyFrames);
    state.counters["fps"] = benchmark::Counter(numFrames, benchmark::Counter::kIsIterationInvariantRate);
}

void offScreenDrawing(benchmark::State& state)
{
    WindowBench& bench = windowBench();
    const std::vector<zorsim::ViewState> views = viewsShown(bench.keyFrames());
    const std::unique_ptr<zorhost::Renderer> renderer = zorhost::createGlRenderer();
    zorsim::Host& host = zorsim::host();
    for (auto _ : state) {
        for (const zorsim::ViewState& view : views) {
            host.view.current() = view;
            benchmark::DoNotOptimize(
                renderer->render(zorhost::currentScene(host, bench.offScreenData(), viewWidth, viewHeight)));
        }
    }
    state.counters["fps"] =
        benchmark::Counter(static_cast<double>(views.size()), benchmark::Counter::kIsIterationInvariantRate);
}

}  // namespace

BENCHMARK(windowPlaying)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1)->Repetitions(3);
BENCHMARK(offScreenDrawing)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1)->Repetitions(3);

int main(int argc, char** argv)
{
    return runRatioBenchmarks(argc, argv,
                              {{"window playback, 800 x 600", "offScreenDrawing", "windowPlaying",
                                "off-screen drawing's frame rate", 0.8, true}},
                              {});
}
