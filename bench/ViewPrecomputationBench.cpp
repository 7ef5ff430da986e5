// Computing every view of 100 000 frames: the add-on's AnimatorKeyFrame
// against the host calls that this computation must make, made directly.
// The difference is the add-on's own overhead. The add-on's run also
// counts the heap bytes that the animator frees when it is destroyed (the
// views it keeps), per frame; the host's own logs grow in both runs and are
// not counted.
#include <benchmark/benchmark.h>

#include <optional>

#include "AllocationCounter.h"
#include "ArgList.h"
#include "BenchHost.h"
#include "RatioReport.h"
#include "StyleValue.h"
#include "ZorUtil.h"
#include "addon/AddOnId.h"
#include "animation/AnimatorKeyFrame.h"

namespace {

constexpr uint32_t numFrames = 100000;

void addOnPrecomputation(benchmark::State& state)
{
    freshHostWithAddOn();
    const std::vector<KeyFrame_s> keyFrames = keyFramesFromCurrentView(numFrames);
    std::optional<AnimatorKeyFrame> animator;
    double keptBytes = 0.0;
    for (auto _ : state) {
        animator.emplace(keyFrames, nullptr);
        state.PauseTiming();
        const std::size_t withViews = liveHeapBytes();
        animator.reset();
        keptBytes = static_cast<double>(withViews - liveHeapBytes());
        state.ResumeTiming();
    }
    state.counters["doubles_per_frame"] = keptBytes / numFrames / sizeof(double);
}

// The host calls of one frame: the view is read back after every change.
void readBackView()
{
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
    double fieldOfView = 0.0;
    double width = 0.0;
    bool perspective = false;
    ZorUtilFrameGetPlotType();
    ZorUtilThreeDViewGetViewerPos(&x, &y, &z);
    ZorUtilThreeDViewGetViewerAngle(&x, &y, &z);
    ZorUtilThreeDViewGetProjection(&fieldOfView, &width, &perspective);
}

void rotateBy(const ThreeDView_s& angles)
{
    ZorUtilViewRotate3D(ZOR_ROTATE_ALPHA, angles.alpha, 0.0, 0.0, 0.0, 0);
    ZorUtilViewRotate3D(ZOR_ROTATE_PSI, angles.psi, 0.0, 0.0, 0.0, 0);
    ZorUtilViewRotate3D(ZOR_ROTATE_THETA, angles.theta, 0.0, 0.0, 0.0, 0);
}

void setPositionAndWidth(StyleValue& threeDView, const ThreeDView_s& view, const ArgList& assign)
{
    threeDView.set(view.x, StringList{"VIEWERPOSITION", "X"}, assign);
    threeDView.set(view.y, StringList{"VIEWERPOSITION", "Y"}, assign);
    threeDView.set(view.z, StringList{"VIEWERPOSITION", "Z"}, assign);
    bool perspective = false;
    threeDView.get(perspective, StringList{"DRAWINPERSPECTIVE"});
    threeDView.set(false, StringList{"DRAWINPERSPECTIVE"}, assign);
    threeDView.set(view.width, StringList{"VIEWWIDTH"}, assign);
    threeDView.set(perspective, StringList{"DRAWINPERSPECTIVE"}, assign);
}

void setView(const ThreeDView_s& view)
{
    ZorUtilLockStart(AddOnId);
    ZorUtilLockStart(AddOnId);
    ZorUtilDrawGraphics(false);
    StyleValue threeDView(StringList{"THREEDVIEW"});
    ArgList assign;
    assign.appendInt(SV_OFFSET1, -1);
    assign.appendInt(SV_OFFSET2, -1);
    assign.appendInt(SV_ASSIGNOP, AssignOp_PlainAssign);
    threeDView.set(view.psi, StringList{"PSIANGLE"}, assign);
    threeDView.set(view.theta, StringList{"THETAANGLE"}, assign);
    threeDView.set(view.alpha, StringList{"ALPHAANGLE"}, assign);
    setPositionAndWidth(threeDView, view, assign);
    ZorUtilDrawGraphics(true);
    ZorUtilLockFinish(AddOnId);
    ZorUtilLockFinish(AddOnId);
}

// One view between two others, as the host is asked for it: back on the
// view reached, turned by all that remains and read, back again, turned by
// one step, moved and zoomed by one step, and read.
void hostCallsOfOneView(const ThreeDView_s& reached, const ThreeDView_s& remaining, const ThreeDView_s& step,
                        const ThreeDView_s& next, int percentDone)
{
    setView(reached);
    ZorUtilLockStart(AddOnId);
    rotateBy(remaining);
    readBackView();
    ZorUtilLockFinish(AddOnId);
    setView(reached);
    ZorUtilLockStart(AddOnId);
    ZorUtilLockStart(AddOnId);
    ZorUtilDrawGraphics(false);
    rotateBy(step);
    readBackView();
    StyleValue threeDView(StringList{"THREEDVIEW"});
    setPositionAndWidth(threeDView, next, ArgList());
    ZorUtilDrawGraphics(true);
    ZorUtilLockFinish(AddOnId);
    ZorUtilLockFinish(AddOnId);
    readBackView();
    ZorUtilStatusCheckPercentDone(percentDone);
}

void hostCallsDirectly(benchmark::State& state)
{
    freshHostWithAddOn();
    const std::vector<KeyFrame_s> keyFrames = keyFramesFromCurrentView(numFrames);
    const ThreeDView_s& first = keyFrames.front().view;
    const ThreeDView_s& last = keyFrames.back().view;
    const ThreeDView_s step = difference(first, last) / (numFrames - 1);
    for (auto _ : state) {
        ZorUtilStatusStartPercentDone("Creating interpolated views....", true, true);
        for (uint32_t frame = 1; frame + 1 < numFrames; ++frame) {
            const double done = static_cast<double>(frame) / (numFrames - 1);
            const ThreeDView_s reached = viewBetween(first, last, done);
            const ThreeDView_s next = viewBetween(first, last, done + 1.0 / (numFrames - 1));
            hostCallsOfOneView(reached, difference(reached, last), step, next, static_cast<int>(done * 100.0));
        }
        ZorUtilStatusFinishPercentDone();
    }
}

}  // namespace

BENCHMARK(addOnPrecomputation)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(2);
BENCHMARK(hostCallsDirectly)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(2);

int main(int argc, char** argv)
{
    return runRatioBenchmarks(
        argc, argv, {{"view precomputation overhead", "addOnPrecomputation", "hostCallsDirectly", "host calls", 1.5}},
        {{"view storage", "addOnPrecomputation", "doubles_per_frame", "doubles per frame", 7.0}});
}
