#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "animation/AnimationTestSupport.h"
#include "animation/AnimatorTime.h"
#include "support/HostFixture.h"

namespace {

class AnimatorTimeTest : public HostFixture {
protected:
    // The solution time the animator sets at every frame of the list.
    static std::vector<double> timesPlayed(const std::vector<KeyFrame_s>& keyFrames, TimeAnimationOperation_e operation,
                                           int32_t numCycles)
    {
        AnimationSettings_s settings;
        settings.animateTime = true;
        settings.timeAnimationOperation = operation;
        settings.numCycles = numCycles;
        AnimatorTime animator(keyFrames, settings, nullptr);
        std::vector<double> times;
        for (uint32_t frame = 0; frame < animator.getNumFrames(); ++frame) {
            animator.animateFrame(frame);
            times.push_back(host().dataSet.solutionTime());
        }
        return times;
    }
};

TEST_F(AnimatorTimeTest, OperationsGiveEveryFrameItsTime)
{
    const struct {
        const char* what;
        // Enabled zones of one strand at these solution times.
        std::vector<double> zoneTimes;
        std::vector<KeyFrame_s> keyFrames;
        TimeAnimationOperation_e operation;
        int32_t numCycles;
        std::vector<double> expected;
    } cases[] = {
        {"forward", {8.0, 0.0, 4.0}, listOfFrames(5), Forward, 1, {0, 2, 4, 6, 8}},
        {"forward ignores cycles", {0.0, 8.0}, listOfFrames(5), Forward, 3, {0, 2, 4, 6, 8}},
        {"loop", {0.0, 4.0}, listOfFrames(11), Loop, 2, {0, 1, 2, 3, 4, 0, 1, 2, 3, 4, 4}},
        {"bounce", {0.0, 3.0}, listOfFrames(9), Bounce, 1, {0, 1, 2, 3, 3, 2, 1, 0, 3}},
        {"one value per cycle is the minimum", {1.0, 4.0}, listOfFrames(3), Loop, 3, {1, 1, 1}},
        {"no value per cycle leaves the maximum", {1.0, 4.0}, listOfFrames(3), Bounce, 2, {4, 4, 4}},
        {"cycles below one play one", {0.0, 8.0}, listOfFrames(5), Loop, 0, {0, 2, 4, 6, 8}},
        {"no zones", {}, listOfFrames(3), Forward, 1, {0, 0, 0}},
        {"as captured",
         {},
         {keyFrameAt(0, 2, 0.0), keyFrameAt(1, 5, 10.0), keyFrameAt(2, 7, 20.0)},
         AsCaptured,
         1,
         {0, 5, 10, 12, 14, 16, 18, 20}},
        {"as captured, a segment without frames",
         {},
         {keyFrameAt(0, 2, 0.0), keyFrameAt(1, 0, 10.0), keyFrameAt(2, 7, 20.0)},
         AsCaptured,
         1,
         {0, 5, 20}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        freshHost();
        addFrame(ZOR_PLOT_CARTESIAN3D);
        for (double time : c.zoneTimes)
            host().dataSet.addZone(1, time);
        EXPECT_THAT(timesPlayed(c.keyFrames, c.operation, c.numCycles),
                    testing::Pointwise(testing::DoubleNear(1e-12), c.expected));
    }
}

}  // namespace
