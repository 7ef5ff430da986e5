// Builds the animator chain for one animation, from the inside out: the
// output (on screen or to file), then time, streamtraces and fade as the
// settings ask, and always the key frame view animator outermost. Each
// animator owns the one inside it; if one cannot be built, those already
// built are destroyed and restore what they changed.
#ifndef KFA_ANIMATION_ANIMATOR_ABSTRACT_FACTORY_H
#define KFA_ANIMATION_ANIMATOR_ABSTRACT_FACTORY_H

#include <memory>
#include <vector>

#include "animation/AnimationSettings.h"
#include "animation/AnimatorInterface.h"
#include "keyframes/KeyFrame.h"

class AnimatorAbstractFactory {
public:
    virtual ~AnimatorAbstractFactory() = default;

    // The outermost animator of a new chain, owned by the caller.
    static std::unique_ptr<AnimatorInterface> createAnimator(const std::vector<KeyFrame_s>& keyFrames,
                                                             const AnimationSettings_s& settings);
};

#endif
