// Frame numbers over a whole key frame list. With frame counts F(0) ...
// F(n-1), key frame k is shown at frame S(k) = F(0) + ... + F(k-1) and the
// list has 1 + F(0) + ... + F(n-2) frames; the last key frame's count is not
// used. A key frame with count 0 shares its frame with the next one.
#ifndef KFA_ANIMATION_FRAME_NUMBERING_H
#define KFA_ANIMATION_FRAME_NUMBERING_H

#include <cstddef>
#include <cstdint>
#include <vector>

#include "keyframes/KeyFrame.h"

// The number of frames of the whole list (1 for fewer than two key frames).
// Throws std::length_error when it does not fit an unsigned 32-bit count.
uint32_t countFrames(const std::vector<KeyFrame_s>& keyFrames);

// S(k), the frame that shows key frame k. Throws std::out_of_range when k is
// not a key frame of the list. The caller has checked the list with
// countFrames, so the sum fits.
uint32_t frameOfKeyFrame(const std::vector<KeyFrame_s>& keyFrames, std::size_t k);

#endif
