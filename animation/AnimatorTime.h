// Sets the host's solution time for every frame. The times of all frames
// are computed at construction from the time operation:
//   Forward     min to max once over the whole list;
//   Loop        min to max numCycles times, then max;
//   Bounce      min to max and back numCycles times, then max;
//   AsCaptured  the key frames' own times at their frames, linear between.
// [min, max] is the solution time range of the enabled zones. The solution
// time is left at the last frame's when the animation ends.
#ifndef KFA_ANIMATION_ANIMATOR_TIME_H
#define KFA_ANIMATION_ANIMATOR_TIME_H

#include <memory>
#include <vector>

#include "animation/AnimationSettings.h"
#include "animation/AnimatorAbstract.h"

class AnimatorTime : public AnimatorAbstract {
public:
    AnimatorTime(const std::vector<KeyFrame_s>& keyFrames, const AnimationSettings_s& settings,
                 std::unique_ptr<AnimatorInterface> inner);
    ~AnimatorTime() override;

protected:
    // Throws std::out_of_range for a frame beyond the list.
    void doAnimateFrame(uint32_t frameNumber) override;

private:
    void fillCycles(uint32_t valuesPerCycle, uint32_t cycles, bool bounce);
    void fillAsCaptured(const std::vector<KeyFrame_s>& keyFrames);
    void fillUpWith(double value);

    // n values from a to b in equal steps; one value is a.
    static std::vector<double> linspace(double a, double b, uint32_t n);

    double min_ = 0.0;
    double max_ = 0.0;
    std::vector<double> times_;
};

#endif
