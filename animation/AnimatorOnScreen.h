// The innermost animator for an animation on screen: a full redraw of the
// host for every frame, after the outer animators have set the frame up.
#ifndef KFA_ANIMATION_ANIMATOR_ON_SCREEN_H
#define KFA_ANIMATION_ANIMATOR_ON_SCREEN_H

#include <vector>

#include "animation/AnimatorAbstract.h"

class AnimatorOnScreen : public AnimatorAbstract {
public:
    explicit AnimatorOnScreen(const std::vector<KeyFrame_s>& keyFrames);
    ~AnimatorOnScreen() override;

protected:
    void doAnimateFrame(uint32_t frameNumber) override;
};

#endif
