// The common part of every animator: the inner animator it owns and the
// frame count of the whole key frame list.
//
// animateFrame runs this animator's own work for the frame first and then
// the inner animator's, so each frame runs from the outermost animator in.
// Destruction runs the concrete animator's destructor (restoring what it
// changed in the host) before the inner animator is deleted.
#ifndef KFA_ANIMATION_ANIMATOR_ABSTRACT_H
#define KFA_ANIMATION_ANIMATOR_ABSTRACT_H

#include <cstdint>
#include <memory>
#include <vector>

#include "animation/AnimatorInterface.h"
#include "keyframes/KeyFrame.h"

class AnimatorAbstract : public virtual AnimatorInterface {
public:
    AnimatorAbstract(const AnimatorAbstract&) = delete;
    AnimatorAbstract& operator=(const AnimatorAbstract&) = delete;

    void animateFrame(uint32_t frameNumber) override;
    // Forwards to the inner animator.
    void cancel() override;
    // Restores this animator's host settings, then forwards.
    void finish() override;

    uint32_t getNumFrames() const { return numFrames_; }

protected:
    // Throws KeyFrameError for fewer than two key frames and
    // std::length_error when their frames do not fit a 32-bit count.
    AnimatorAbstract(const std::vector<KeyFrame_s>& keyFrames, std::unique_ptr<AnimatorInterface> inner);
    ~AnimatorAbstract() override;

    // This animator's own work for one frame.
    virtual void doAnimateFrame(uint32_t frameNumber) = 0;
    // Puts back what this animator changed in the host; called by finish
    // and by the destructors, so it must do its work once only.
    virtual void restoreHost() {}

private:
    std::unique_ptr<AnimatorInterface> inner_;
    uint32_t numFrames_;
};

#endif
