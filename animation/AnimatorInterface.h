// One link of an animation chain: does its part of every frame and hands the
// frame on to the animator inside it. Chains are owned through this
// interface and deleted through its virtual destructor.
#ifndef KFA_ANIMATION_ANIMATOR_INTERFACE_H
#define KFA_ANIMATION_ANIMATOR_INTERFACE_H

#include <cstdint>

class AnimatorInterface {
public:
    // Shows frame `frameNumber` of the whole key frame list.
    virtual void animateFrame(uint32_t frameNumber) = 0;
    // The user cancelled the animation; the chain is destroyed next.
    virtual void cancel() = 0;
    // The animation played to its end: puts back what the chain changed in
    // the host, outermost animator first, and completes the output. Throws
    // KeyFrameError when the output cannot be completed.
    virtual void finish() = 0;
    virtual ~AnimatorInterface() = default;
};

#endif
