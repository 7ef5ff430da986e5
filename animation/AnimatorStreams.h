// Advances the time anchor of the streamtrace markers and dashes by a fifth
// of the streamtraces' delta time for every frame played, whatever its
// number. Destruction puts the anchor back where it was.
#ifndef KFA_ANIMATION_ANIMATOR_STREAMS_H
#define KFA_ANIMATION_ANIMATOR_STREAMS_H

#include <memory>
#include <vector>

#include "StyleValue.h"
#include "animation/AnimatorAbstract.h"

class AnimatorStreams : public AnimatorAbstract {
public:
    AnimatorStreams(const std::vector<KeyFrame_s>& keyFrames, std::unique_ptr<AnimatorInterface> inner);
    ~AnimatorStreams() override;

protected:
    void doAnimateFrame(uint32_t frameNumber) override;

private:
    double savedTimeAnchor_ = 0.0;
    double timeAnchor_ = 0.0;
    double anchorStep_ = 0.0;
    StyleValue streamTiming_;
};

#endif
