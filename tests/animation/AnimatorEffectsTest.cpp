#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <vector>

#include "animation/AnimationTestSupport.h"
#include "animation/AnimatorFade.h"
#include "animation/AnimatorStreams.h"
#include "animation/AnimatorTime.h"
#include "support/HostFixture.h"

namespace {

using testing::DoubleNear;
using testing::Pointwise;

const char* const Intensity = "GLOBALTHREED LIGHTSOURCE INTENSITY";
const char* const BackgroundLight = "GLOBALTHREED LIGHTSOURCE BACKGROUNDLIGHT";
const char* const FrameAxis = "THREEDAXIS FRAMEAXIS SHOW";
const char* const TimeAnchor = "STREAMATTRIBUTES STREAMTIMING TIMEANCHOR";
// The factor of a frame that leaves the light as it was.
const double Untouched = -1.0;

// The effects played with the key frame views: the fade, the streamtraces'
// anchor and the solution time.
class AnimatorEffectsTest : public HostFixture {};

TEST_F(AnimatorEffectsTest, FadeScalesTheLightAtTheStartAndTheEndWithTheFrameAxisHidden)
{
    const double U = Untouched;
    const struct {
        uint32_t numFrames;
        bool fadeIn;
        bool fadeOut;
        std::vector<uint32_t> frames;
        std::vector<double> factors;
    } cases[] = {
        {50, true, true, {0, 1, 2, 3, 4, 5, 45, 46, 47, 48, 49}, {0, .2, .4, .6, .8, 1, .8, .6, .4, .2, 0}},
        {90, true, false, {9, 10}, {1, U}},
        {91, true, false, {0, 15, 30, 31, 90}, {0, .5, 1, U, U}},
        {200, false, true, {0, 169, 170, 199}, {U, U, 29.0 / 30.0, 0}},
        // Too short to fade: the first frame is at full light, nothing else changes.
        {9, true, true, {0, 1, 8}, {1, U, U}},
        {9, false, true, {0, 8}, {U, U}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.numFrames << " frames, in " << c.fadeIn << ", out " << c.fadeOut);
        AnimationSettings_s settings;
        settings.fadeIn = c.fadeIn;
        settings.fadeOut = c.fadeOut;
        AnimatorFade fade(listOfFrames(c.numFrames), settings, nullptr);
        EXPECT_FALSE(host().styles.boolValue(FrameAxis)) << "the frame axis is hidden while the fade lives";
        // The factor by which the fade scaled the host's light (75 and 25), or Untouched.
        std::vector<double> factors;
        for (uint32_t frame : c.frames) {
            host().styles.setValue(Intensity, 75.0 * Untouched);
            host().styles.setValue(BackgroundLight, 25.0 * Untouched);
            fade.animateFrame(frame);
            factors.push_back(host().styles.doubleValue(Intensity) / 75.0);
            EXPECT_DOUBLE_EQ(factors.back(), host().styles.doubleValue(BackgroundLight) / 25.0) << "frame " << frame;
        }
        EXPECT_THAT(factors, Pointwise(DoubleNear(1e-12), c.factors));
    }
    // The fixture sees the light and the frame axis restored; a hidden axis stays hidden.
    host().styles.setValue(FrameAxis, false);
    keepHostStyles();
    AnimatorFade(listOfFrames(20), AnimationSettings_s(), nullptr);
}

TEST_F(AnimatorEffectsTest, StreamsAdvanceTheAnchorOncePerPlayedFrame)
{
    host().styles.setValue(TimeAnchor, 2.0);
    keepHostStyles();
    AnimatorStreams streams(listOfFrames(20), nullptr);
    std::vector<double> anchors;
    for (uint32_t frame : {7U, 3U, 9U}) {
        streams.animateFrame(frame);
        anchors.push_back(host().styles.doubleValue(TimeAnchor));
    }
    EXPECT_THAT(anchors, Pointwise(DoubleNear(1e-12), {2.1, 2.2, 2.3}));
}

TEST_F(AnimatorEffectsTest, TimeOperationsGiveEveryFrameItsTime)
{
    // A key frame of `frameCount` frames captured at `time`.
    const auto at = [](uint32_t frameCount, double time) { return keyFrameAt(0.0, frameCount, time); };
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
        {"as captured", {}, {at(2, 0.0), at(5, 10.0), at(7, 20.0)}, AsCaptured, 1, {0, 5, 10, 12, 14, 16, 18, 20}},
        {"as captured, an empty segment", {}, {at(2, 0.0), at(0, 10.0), at(7, 20.0)}, AsCaptured, 1, {0, 5, 20}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        freshHost();
        addFrame(ZOR_PLOT_CARTESIAN3D);
        for (double time : c.zoneTimes)
            host().dataSet.addZone(1, time);
        AnimationSettings_s settings;
        settings.animateTime = true;
        settings.timeAnimationOperation = c.operation;
        settings.numCycles = c.numCycles;
        AnimatorTime animator(c.keyFrames, settings, nullptr);
        std::vector<double> times;
        for (uint32_t frame = 0; frame < animator.getNumFrames(); ++frame) {
            animator.animateFrame(frame);
            times.push_back(host().dataSet.solutionTime());
        }
        EXPECT_THAT(times, Pointwise(DoubleNear(1e-12), c.expected));
    }
}

}  // namespace
