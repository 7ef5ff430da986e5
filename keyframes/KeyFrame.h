// A captured view with its name, the number of frames to the next key frame
// and the solution time that was current when it was captured.
#ifndef KFA_KEYFRAMES_KEY_FRAME_H
#define KFA_KEYFRAMES_KEY_FRAME_H

#include <cstdint>
#include <string>
#include <utility>

#include "keyframes/ThreeDView.h"

struct KeyFrame_s {
    KeyFrame_s(const ThreeDView_s& capturedView, std::string displayName, uint32_t framesToNext, double time)
        : view(capturedView), name(std::move(displayName)), frameCount(framesToNext), solutionTime(time)
    {
    }

    bool operator==(const KeyFrame_s& other) const
    {
        return view == other.view && name == other.name && frameCount == other.frameCount &&
               solutionTime == other.solutionTime;
    }
    bool operator!=(const KeyFrame_s& other) const { return !(*this == other); }

    ThreeDView_s view;
    std::string name;
    uint32_t frameCount;
    double solutionTime;
};

#endif
