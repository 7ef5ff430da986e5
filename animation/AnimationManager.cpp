#include "animation/AnimationManager.h"

#include "animation/AnimatorAbstractFactory.h"
#include "animation/FrameNumbering.h"

AnimationManager::AnimationManager(const std::vector<KeyFrame_s>& keyFrames, std::size_t firstKeyFrame,
                                   std::size_t numSegments, const AnimationSettings_s& settings)
    : animator_(AnimatorAbstractFactory::createAnimator(keyFrames, settings))
{
    if (numSegments == keyFrames.size()) {
        firstFrame_ = 0;
        lastFrame_ = countFrames(keyFrames);
    } else {
        firstFrame_ = frameOfKeyFrame(keyFrames, firstKeyFrame);
        lastFrame_ = frameOfKeyFrame(keyFrames, firstKeyFrame + numSegments) + 1;
    }
    currentFrame_ = firstFrame_;
}

AnimationManager::~AnimationManager() = default;

void AnimationManager::animateNextFrame()
{
    animator_->animateFrame(currentFrame_);
    ++currentFrame_;
}

void AnimationManager::cancel()
{
    animator_->cancel();
}

void AnimationManager::finish()
{
    animator_->finish();
}
