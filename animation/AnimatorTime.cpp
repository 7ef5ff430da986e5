#include "animation/AnimatorTime.h"

#include <algorithm>

#include "ZorUtil.h"
#include "keyframes/HostQueries.h"

namespace {

// Loop and Bounce need at least one cycle; a count below that plays one.
uint32_t atLeastOneCycle(int32_t numCycles)
{
    return numCycles < 1 ? 1U : static_cast<uint32_t>(numCycles);
}

}  // namespace

AnimatorTime::AnimatorTime(const std::vector<KeyFrame_s>& keyFrames, const AnimationSettings_s& settings,
                           std::unique_ptr<AnimatorInterface> inner)
    : AnimatorAbstract(keyFrames, std::move(inner))
{
    getSolutionTimeRange(min_, max_);
    times_.reserve(getNumFrames());
    const uint32_t cycles = atLeastOneCycle(settings.numCycles);
    switch (settings.timeAnimationOperation) {
    case Forward:
        fillCycles(getNumFrames(), 1, false);
        break;
    case Loop:
        fillCycles(getNumFrames() / cycles, cycles, false);
        break;
    case Bounce:
        fillCycles(getNumFrames() / cycles / 2, cycles, true);
        break;
    case AsCaptured:
        fillAsCaptured(keyFrames);
        break;
    }
    fillUpWith(max_);
}

AnimatorTime::~AnimatorTime() = default;

void AnimatorTime::doAnimateFrame(uint32_t frameNumber)
{
    ZorUtilSolutionTimeSetCurrent(times_.at(frameNumber));
}

void AnimatorTime::fillCycles(uint32_t valuesPerCycle, uint32_t cycles, bool bounce)
{
    const std::vector<double> rising = linspace(min_, max_, valuesPerCycle);
    for (uint32_t cycle = 0; cycle < cycles; ++cycle) {
        times_.insert(times_.end(), rising.begin(), rising.end());
        if (bounce)
            times_.insert(times_.end(), rising.rbegin(), rising.rend());
    }
}

void AnimatorTime::fillAsCaptured(const std::vector<KeyFrame_s>& keyFrames)
{
    for (std::size_t k = 0; k + 1 < keyFrames.size(); ++k) {
        const uint32_t frames = keyFrames[k].frameCount;
        std::vector<double> segment = linspace(keyFrames[k].solutionTime, keyFrames[k + 1].solutionTime, frames + 1);
        times_.insert(times_.end(), segment.begin(), segment.end() - 1);
    }
    times_.push_back(keyFrames.back().solutionTime);
}

void AnimatorTime::fillUpWith(double value)
{
    if (times_.size() < getNumFrames())
        times_.resize(getNumFrames(), value);
}

std::vector<double> AnimatorTime::linspace(double a, double b, uint32_t n)
{
    std::vector<double> values;
    values.reserve(n);
    if (n == 1) {
        values.push_back(a);
        return values;
    }
    const double divisor = static_cast<double>(n - 1);
    for (uint32_t i = 0; i < n; ++i)
        values.push_back(a + i * (b - a) / divisor);
    return values;
}
