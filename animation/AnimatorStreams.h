// Advances the time anchor of the streamtrace markers and dashes by a fifth
// of the streamtraces' delta time for every frame played, whatever its
// number. Destruction puts the anchor back where it was; an anchor the host
// does not report is left alone, since it could not be put back.
#ifndef KFA_ANIMATION_ANIMATOR_STREAMS_H
#define KFA_ANIMATION_ANIMATOR_STREAMS_H

#include <memory>
#include <optional>
#include <vector>

#include "StyleValue.h"
#include "animation/AnimatorAbstract.h"

class AnimatorStreams : public AnimatorAbstract {
public:
    AnimatorStreams(const std::vector<KeyFrame_s>& keyFrames, std::unique_ptr<AnimatorInterface> inner);
    ~AnimatorStreams() override;

protected:
    void doAnimateFrame(uint32_t frameNumber) override;
    void restoreHost() override;

private:
    // Empty when the host did not report the anchor, and once restored.
    std::optional<double> savedTimeAnchor_;
    double timeAnchor_ = 0.0;
    double anchorStep_ = 0.0;
    StyleValue streamTiming_;
};

#endif
