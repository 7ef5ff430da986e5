#include "BenchHost.h"

#include "ZorUtil.h"
#include "addon/AddOnEntry.h"
#include "addon/PercentDoneStatus.h"
#include "keyframes/ViewCapture.h"
#include "zorsim/Host.h"

void freshHostWithAddOn()
{
    zorsim::resetHost();
    InitZorAddOn113();
    zorsim::host().frames.addFrame(ZOR_PLOT_CARTESIAN3D);
}

std::vector<KeyFrame_s> keyFramesFromCurrentView(uint32_t numFrames)
{
    const ThreeDView_s first = captureCurrentView();
    ZorUtilViewRotate3D(ZOR_ROTATE_ALPHA, 15.0, 0.0, 0.0, 0.0, 0);
    ZorUtilViewRotate3D(ZOR_ROTATE_PSI, -20.0, 0.0, 0.0, 0.0, 0);
    ZorUtilViewRotate3D(ZOR_ROTATE_THETA, 120.0, 0.0, 0.0, 0.0, 0);
    ThreeDView_s last = captureCurrentView();
    last.x *= 0.8;
    last.y *= 0.8;
    last.z *= 0.8;
    last.width *= 0.6;
    applyView(first);
    return {KeyFrame_s(first, "From", numFrames - 1, 0.0), KeyFrame_s(last, "To", 1, 0.0)};
}

void playOnScreen(AnimationManager& manager)
{
    PercentDoneStatus progress("Animating....", 0, manager.getNumFrames());
    while (manager.hasNextFrame()) {
        manager.animateNextFrame();
        progress.step();
    }
}

void timePlayingOnScreen(benchmark::State& state, const std::vector<KeyFrame_s>& keyFrames)
{
    for (auto _ : state) {
        state.PauseTiming();
        AnimationManager manager(keyFrames, 0, keyFrames.size(), AnimationSettings_s());
        state.ResumeTiming();
        playOnScreen(manager);
    }
}

std::vector<zorsim::ViewState> viewsShown(const std::vector<KeyFrame_s>& keyFrames)
{
    std::vector<zorsim::ViewState> shown;
    zorsim::Host& host = zorsim::host();
    auto listener = std::move(host.drawing.onRedraw);
    host.drawing.onRedraw = [&shown, &host](bool) { shown.push_back(host.view.current()); };
    AnimationManager manager(keyFrames, 0, keyFrames.size(), AnimationSettings_s());
    playOnScreen(manager);
    host.drawing.onRedraw = std::move(listener);
    return shown;
}

ThreeDView_s viewBetween(const ThreeDView_s& from, const ThreeDView_s& to, double fraction)
{
    const auto at = [fraction](double a, double b) { return a + (b - a) * fraction; };
    return {at(from.x, to.x),         at(from.y, to.y),         at(from.z, to.z),        at(from.psi, to.psi),
            at(from.theta, to.theta), at(from.alpha, to.alpha), at(from.width, to.width)};
}

ThreeDView_s difference(const ThreeDView_s& from, const ThreeDView_s& to)
{
    return {to.x - from.x,         to.y - from.y,         to.z - from.z,        to.psi - from.psi,
            to.theta - from.theta, to.alpha - from.alpha, to.width - from.width};
}
