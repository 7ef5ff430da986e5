#include "animation/AnimatorAbstract.h"

#include "addon/KeyFrameError.h"
#include "animation/FrameNumbering.h"

namespace {

uint32_t checkedFrameCount(const std::vector<KeyFrame_s>& keyFrames)
{
    if (keyFrames.size() < 2)
        throw KeyFrameError("At least two keyFrame views must be established to perform an animation.");
    return countFrames(keyFrames);
}

}  // namespace

AnimatorAbstract::AnimatorAbstract(const std::vector<KeyFrame_s>& keyFrames, std::unique_ptr<AnimatorInterface> inner)
    : inner_(std::move(inner)), numFrames_(checkedFrameCount(keyFrames))
{
}

AnimatorAbstract::~AnimatorAbstract() = default;

void AnimatorAbstract::animateFrame(uint32_t frameNumber)
{
    doAnimateFrame(frameNumber);
    if (inner_)
        inner_->animateFrame(frameNumber);
}

void AnimatorAbstract::cancel()
{
    // The host is put back before the redraw that follows a cancel.
    restoreHost();
    if (inner_)
        inner_->cancel();
}

void AnimatorAbstract::finish()
{
    restoreHost();
    if (inner_)
        inner_->finish();
}
