#include "animation/AnimatorKeyFrame.h"

#include "StyleValue.h"
#include "ZorUtil.h"
#include "addon/AddOnLock.h"
#include "addon/KeyFrameError.h"
#include "addon/PercentDoneStatus.h"
#include "addon/SuspendGraphics.h"
#include "keyframes/ViewCapture.h"

namespace {

// Rotations about the standard axes and the data's centre, in the order
// alpha, psi, theta.
void rotateHostView(double alpha, double psi, double theta)
{
    ZorUtilViewRotate3D(ZOR_ROTATE_ALPHA, alpha, 0.0, 0.0, 0.0, 0);
    ZorUtilViewRotate3D(ZOR_ROTATE_PSI, psi, 0.0, 0.0, 0.0, 0);
    ZorUtilViewRotate3D(ZOR_ROTATE_THETA, theta, 0.0, 0.0, 0.0, 0);
}

double normalizedDifference(double from, double to)
{
    double difference = to - from;
    normalizeAngle(difference);
    return difference;
}

}  // namespace

AnimatorKeyFrame::AnimatorKeyFrame(const std::vector<KeyFrame_s>& keyFrames, std::unique_ptr<AnimatorInterface> inner)
    : AnimatorAbstract(keyFrames, std::move(inner))
{
    const ThreeDView_s usersView = captureCurrentView();
    try {
        computeViews(keyFrames);
    } catch (...) {
        putBack(usersView);
        throw;
    }
}

AnimatorKeyFrame::~AnimatorKeyFrame() = default;

void AnimatorKeyFrame::doAnimateFrame(uint32_t frameNumber)
{
    applyView(views_.at(frameNumber));
}

// The computation leaves the host on an in-between view that was never
// shown. The inner animators put back what they changed before the redraw,
// as after a cancel while playing; a view the host cannot take any more
// (the frame is no longer 3D) leaves the error that ended the computation
// as the one the user hears of.
void AnimatorKeyFrame::putBack(const ThreeDView_s& usersView)
{
    try {
        applyView(usersView);
        AnimatorAbstract::cancel();
        AddOnLock lock;
        ZorUtilRedraw(true);
    } catch (const KeyFrameError&) {
    }
}

void AnimatorKeyFrame::computeViews(const std::vector<KeyFrame_s>& keyFrames)
{
    views_.reserve(getNumFrames());
    const uint32_t total = getNumFrames();
    PercentDoneStatus progress("Creating interpolated views....", 0, total);
    // Straight into the reserved views: a segment as long as the whole
    // animation needs no second copy of its views.
    for (std::size_t k = 0; k + 1 < keyFrames.size(); ++k) {
        const uint32_t frameCount = keyFrames[k].frameCount;
        if (frameCount == 0)
            continue;
        views_.push_back(keyFrames[k].view);
        interpolateSegment(keyFrames[k].view, keyFrames[k + 1].view, frameCount - 1, views_, progress);
    }
    views_.push_back(keyFrames.back().view);
}

void AnimatorKeyFrame::interpolateSegment(const ThreeDView_s& from, const ThreeDView_s& to, uint32_t count,
                                          std::vector<ThreeDView_s>& out, PercentDoneStatus& progress)
{
    ThreeDView_s current = from;
    for (uint32_t remaining = count; remaining > 0; --remaining) {
        const ThreeDView_s step = viewDifference(current, to) / (static_cast<double>(remaining) + 1.0);
        applyView(current);
        applyViewDelta(step);
        current = captureCurrentView();
        out.push_back(current);
        progress.step();
        if (progress.isCanceled())
            throw KeyFrameError("Animation canceled.");
    }
}

ThreeDView_s AnimatorKeyFrame::viewDifference(const ThreeDView_s& from, const ThreeDView_s& to)
{
    applyView(from);
    const double psi = normalizedDifference(from.psi, to.psi);
    const double theta = normalizedDifference(from.theta, to.theta);
    const double alpha = normalizedDifference(from.alpha, to.alpha);
    AddOnLock lock;
    rotateHostView(alpha, psi, theta);
    const ThreeDView_s rotated = captureCurrentView();
    return {to.x - rotated.x, to.y - rotated.y, to.z - rotated.z, psi, theta, alpha, to.width - rotated.width};
}

void AnimatorKeyFrame::applyViewDelta(const ThreeDView_s& step)
{
    AddOnLock lock;
    SuspendGraphics noDrawing;
    rotateHostView(step.alpha, step.psi, step.theta);
    const ThreeDView_s rotated = captureCurrentView();
    StyleValue threeDView(StringList{"THREEDVIEW"});
    threeDView.set(rotated.x + step.x, StringList{"VIEWERPOSITION", "X"});
    threeDView.set(rotated.y + step.y, StringList{"VIEWERPOSITION", "Y"});
    threeDView.set(rotated.z + step.z, StringList{"VIEWERPOSITION", "Z"});
    bool inPerspective = false;
    threeDView.get(inPerspective, StringList{"DRAWINPERSPECTIVE"});
    threeDView.set(false, StringList{"DRAWINPERSPECTIVE"});
    threeDView.set(rotated.width + step.width, StringList{"VIEWWIDTH"});
    threeDView.set(inPerspective, StringList{"DRAWINPERSPECTIVE"});
}
