// Playing an animation on screen, frame by frame: the add-on's chain (the
// stored view applied, a full redraw) with its progress line, against the
// host setting the same views itself and redrawing. Every redraw draws the
// picture, 800 pixels wide, with zorhost's renderer, as a host showing the
// frames does.
#include <benchmark/benchmark.h>

#include <memory>

#include "BenchHost.h"
#include "RatioReport.h"
#include "StyleValue.h"
#include "animation/AnimationManager.h"
#include "player/FrameDataStore.h"
#include "player/HostScene.h"
#include "render/Renderer.h"
#include "zorsim/Host.h"

namespace {

constexpr uint32_t numFrames = 300;
constexpr int pictureWidth = 800;

// The host with the sample data loaded, drawing a picture at every redraw.
class DrawingHost {
public:
    DrawingHost() : renderer_(zorhost::createGlRenderer())
    {
        freshHostWithAddOn();
        zorsim::Host& host = zorsim::host();
        frameData_.loadWave(host, 21, 0.0, 2.0);
        StyleValue(StringList{"EXPORTSETUP"}).set(pictureWidth, StringList{"IMAGEWIDTH"});
        host.drawing.onRedraw = [this, &host](bool) {
            benchmark::DoNotOptimize(renderer_->render(zorhost::currentScene(host, frameData_)));
        };
    }
    ~DrawingHost() { zorsim::host().drawing.onRedraw = nullptr; }
    DrawingHost(const DrawingHost&) = delete;
    DrawingHost& operator=(const DrawingHost&) = delete;

private:
    zorhost::FrameDataStore frameData_;
    std::unique_ptr<zorhost::Renderer> renderer_;
};

void addOnPlaying(benchmark::State& state)
{
    const DrawingHost drawing;
    const std::vector<KeyFrame_s> keyFrames = keyFramesFromCurrentView(numFrames);
    timePlayingOnScreen(state, keyFrames);
}

void hostPlaying(benchmark::State& state)
{
    const DrawingHost drawing;
    const std::vector<zorsim::ViewState> views = viewsShown(keyFramesFromCurrentView(numFrames));
    zorsim::Host& host = zorsim::host();
    for (auto _ : state) {
        for (const zorsim::ViewState& view : views) {
            host.view.current() = view;
            host.drawing.redraw(true);
        }
    }
}

}  // namespace

BENCHMARK(addOnPlaying)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3);
BENCHMARK(hostPlaying)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3);

int main(int argc, char** argv)
{
    return runRatioBenchmarks(
        argc, argv, {{"playing on screen per frame", "addOnPlaying", "hostPlaying", "host's apply view + redraw", 1.1}},
        {});
}
