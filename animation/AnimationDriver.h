// Plays a key frame animation: builds the animator chain, plays its frames
// under the cancellable progress line "Animating....", and records the
// Animate macro command when asked to and the host records a macro.
#ifndef KFA_ANIMATION_ANIMATION_DRIVER_H
#define KFA_ANIMATION_ANIMATION_DRIVER_H

#include <cstddef>
#include <vector>

#include "animation/AnimationSettings.h"
#include "keyframes/KeyFrame.h"

// Plays `numSegments` key frame intervals from key frame `firstKeyFrame`,
// both ends shown; the whole list when `numSegments` is the number of key
// frames. Throws KeyFrameError with the message for the user when the
// animation cannot be played, is cancelled or runs out of memory. The light,
// frame axis, streamtrace anchor and display lists are restored in every
// case; the view and solution time stay at the last frame shown. Takes the
// add-on lock itself.
void animateKeyFrames(const std::vector<KeyFrame_s>& keyFrames, std::size_t firstKeyFrame, std::size_t numSegments,
                      const AnimationSettings_s& settings, MacroOption_e macroOption);

#endif
