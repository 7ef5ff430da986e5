// Key frame lists for the animation tests.
#ifndef KFA_TESTS_ANIMATION_TEST_SUPPORT_H
#define KFA_TESTS_ANIMATION_TEST_SUPPORT_H

#include <cstdint>
#include <vector>

#include "keyframes/KeyFrame.h"

// A key frame whose view differs from the others only in the viewer's x.
inline KeyFrame_s keyFrameAt(double x, uint32_t frameCount, double solutionTime = 0.0)
{
    return KeyFrame_s(ThreeDView_s(x, 0.0, 0.0, 0.0, 0.0, 0.0, 1.0), "Key Frame", frameCount, solutionTime);
}

// Two key frames whose list has `numFrames` frames.
inline std::vector<KeyFrame_s> listOfFrames(uint32_t numFrames)
{
    return {keyFrameAt(0.0, numFrames - 1), keyFrameAt(1.0, 10)};
}

#endif
