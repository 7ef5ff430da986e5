#include "animation/AnimatorStreams.h"

AnimatorStreams::AnimatorStreams(const std::vector<KeyFrame_s>& keyFrames, std::unique_ptr<AnimatorInterface> inner)
    : AnimatorAbstract(keyFrames, std::move(inner)), streamTiming_(StringList{"STREAMATTRIBUTES", "STREAMTIMING"})
{
    streamTiming_.get(savedTimeAnchor_, StringList{"TIMEANCHOR"});
    timeAnchor_ = savedTimeAnchor_;
    double deltaTime = 0.0;
    streamTiming_.get(deltaTime, StringList{"DELTATIME"});
    anchorStep_ = deltaTime / 5.0;
}

AnimatorStreams::~AnimatorStreams()
{
    streamTiming_.set(savedTimeAnchor_, StringList{"TIMEANCHOR"});
}

void AnimatorStreams::doAnimateFrame(uint32_t)
{
    timeAnchor_ += anchorStep_;
    streamTiming_.set(timeAnchor_, StringList{"TIMEANCHOR"});
}
