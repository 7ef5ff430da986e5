#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "animation/AnimationTestSupport.h"
#include "animation/AnimatorFade.h"
#include "animation/AnimatorStreams.h"
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

class AnimatorEffectsTest : public HostFixture {
protected:
    static AnimationSettings_s fadeSettings(bool fadeIn, bool fadeOut)
    {
        AnimationSettings_s settings;
        settings.fadeIn = fadeIn;
        settings.fadeOut = fadeOut;
        return settings;
    }

    // The factor by which the fade scaled the host's light (75 and 25) at
    // each of `frames`, or Untouched.
    static std::vector<double> factorsAt(AnimatorFade& fade, const std::vector<uint32_t>& frames)
    {
        std::vector<double> factors;
        for (uint32_t frame : frames) {
            host().styles.setValue(Intensity, 75.0 * Untouched);
            host().styles.setValue(BackgroundLight, 25.0 * Untouched);
            fade.animateFrame(frame);
            factors.push_back(host().styles.doubleValue(Intensity) / 75.0);
            EXPECT_DOUBLE_EQ(factors.back(), host().styles.doubleValue(BackgroundLight) / 25.0) << "frame " << frame;
        }
        return factors;
    }
};

TEST_F(AnimatorEffectsTest, FadeScalesTheLightAtTheStartAndTheEnd)
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
        AnimatorFade fade(listOfFrames(c.numFrames), fadeSettings(c.fadeIn, c.fadeOut), nullptr);
        EXPECT_THAT(factorsAt(fade, c.frames), Pointwise(DoubleNear(1e-12), c.factors));
    }
}

TEST_F(AnimatorEffectsTest, FadeHidesTheFrameAxisUntilItRestoresTheHost)
{
    host().styles.setValue(Intensity, 60.0);
    host().styles.setValue(BackgroundLight, 20.0);
    keepHostStyles();
    {
        AnimatorFade fade(listOfFrames(20), fadeSettings(true, true), nullptr);
        EXPECT_FALSE(host().styles.boolValue(FrameAxis));
        fade.animateFrame(0);
        EXPECT_EQ(0.0, host().styles.doubleValue(Intensity));
    }
    EXPECT_TRUE(hostInvariantsHold());

    host().styles.setValue(FrameAxis, false);
    {
        AnimatorFade fade(listOfFrames(20), fadeSettings(true, false), nullptr);
    }
    EXPECT_FALSE(host().styles.boolValue(FrameAxis));
    keepHostStyles();
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

}  // namespace
