#include "animation/AnimatorStreams.h"

namespace {

const StringList TimeAnchor{"TIMEANCHOR"};

}  // namespace

AnimatorStreams::AnimatorStreams(const std::vector<KeyFrame_s>& keyFrames, std::unique_ptr<AnimatorInterface> inner)
    : AnimatorAbstract(keyFrames, std::move(inner)), streamTiming_(StringList{"STREAMATTRIBUTES", "STREAMTIMING"})
{
    double anchor = 0.0;
    if (StyleValue::returnCodeOk(streamTiming_.get(anchor, TimeAnchor)))
        savedTimeAnchor_ = anchor;
    timeAnchor_ = anchor;
    double deltaTime = 0.0;
    streamTiming_.get(deltaTime, StringList{"DELTATIME"});
    anchorStep_ = deltaTime / 5.0;
}

AnimatorStreams::~AnimatorStreams()
{
    restoreHost();
}

void AnimatorStreams::restoreHost()
{
    if (savedTimeAnchor_)
        streamTiming_.set(*savedTimeAnchor_, TimeAnchor);
    savedTimeAnchor_.reset();
}

void AnimatorStreams::doAnimateFrame(uint32_t)
{
    if (!savedTimeAnchor_)
        return;
    timeAnchor_ += anchorStep_;
    streamTiming_.set(timeAnchor_, TimeAnchor);
}
