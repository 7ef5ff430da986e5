// Steps an animator chain through the frames of one animation: from key
// frame `firstKeyFrame` over `numSegments` key frame intervals, both ends
// shown, or the whole list when `numSegments` is the number of key frames.
// Owns the chain; destroying the manager destroys it.
#ifndef KFA_ANIMATION_ANIMATION_MANAGER_H
#define KFA_ANIMATION_ANIMATION_MANAGER_H

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "animation/AnimationSettings.h"
#include "animation/AnimatorInterface.h"
#include "keyframes/KeyFrame.h"

class AnimationManager {
public:
    // Builds the chain (computing every view of the list). Throws as the
    // animators do, and std::out_of_range for a range beyond the list.
    AnimationManager(const std::vector<KeyFrame_s>& keyFrames, std::size_t firstKeyFrame, std::size_t numSegments,
                     const AnimationSettings_s& settings);
    virtual ~AnimationManager();
    AnimationManager(const AnimationManager&) = delete;
    AnimationManager& operator=(const AnimationManager&) = delete;

    // The units of work shown by the progress line: one more than the
    // frames played.
    uint32_t getNumFrames() const { return lastFrame_ - firstFrame_ + 1; }
    bool hasNextFrame() const { return currentFrame_ != lastFrame_; }
    void animateNextFrame();
    void cancel();
    // After the last frame: restores the host and completes the output.
    void finish();

private:
    std::unique_ptr<AnimatorInterface> animator_;
    uint32_t firstFrame_ = 0;
    // One past the last frame played.
    uint32_t lastFrame_ = 0;
    uint32_t currentFrame_ = 0;
};

#endif
