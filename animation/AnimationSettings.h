// The animation options that the main dialog holds and the driver reads.
#ifndef KFA_ANIMATION_ANIMATION_SETTINGS_H
#define KFA_ANIMATION_ANIMATION_SETTINGS_H

#include <cstdint>

#include "export/Enumerations.h"

enum TimeAnimationOperation_e { Forward = 0, Loop = 1, Bounce = 2, AsCaptured = 3 };

// Whether the driver records the Animate command while the host records.
enum MacroOption_e { Record = 0, DoNotRecord = 1 };

struct AnimationSettings_s {
    bool animateTime = false;
    TimeAnimationOperation_e timeAnimationOperation = Forward;
    // At least 1.
    int32_t numCycles = 1;
    Destination_e destination = OnScreen;
    bool animateStreamtraces = false;
    bool fadeIn = false;
    bool fadeOut = false;

    // Exact comparison of every field.
    bool operator==(const AnimationSettings_s& other) const
    {
        return animateTime == other.animateTime && timeAnimationOperation == other.timeAnimationOperation &&
               numCycles == other.numCycles && destination == other.destination &&
               animateStreamtraces == other.animateStreamtraces && fadeIn == other.fadeIn && fadeOut == other.fadeOut;
    }
    bool operator!=(const AnimationSettings_s& other) const { return !(*this == other); }
};

#endif
