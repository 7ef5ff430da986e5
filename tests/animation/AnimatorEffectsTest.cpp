#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "animation/AnimationTestSupport.h"
#include "animation/AnimatorFade.h"
#include "animation/AnimatorStreams.h"
#include "support/HostFixture.h"

namespace {

const char* const Intensity = "GLOBALTHREED LIGHTSOURCE INTENSITY";
const char* const BackgroundLight = "GLOBALTHREED LIGHTSOURCE BACKGROUNDLIGHT";
const char* const FrameAxis = "THREEDAXIS FRAMEAXIS SHOW";
const char* const TimeAnchor = "STREAMATTRIBUTES STREAMTIMING TIMEANCHOR";

class AnimatorEffectsTest : public HostFixture {
protected:
    static AnimationSettings_s fadeSettings(bool fadeIn, bool fadeOut)
    {
        AnimationSettings_s settings;
        settings.fadeIn = fadeIn;
        settings.fadeOut = fadeOut;
        return settings;
    }

    // The light factor the fade set at `frame`, or nothing when it left the
    // light alone.
    static std::optional<double> factorAt(AnimatorFade& fade, uint32_t frame)
    {
        host().styles.setValue(Intensity, -1.0);
        host().styles.setValue(BackgroundLight, -1.0);
        fade.animateFrame(frame);
        const double intensity = host().styles.doubleValue(Intensity);
        if (intensity == -1.0)
            return std::nullopt;
        EXPECT_DOUBLE_EQ(intensity / 75.0, host().styles.doubleValue(BackgroundLight) / 25.0) << "frame " << frame;
        return intensity / 75.0;
    }
};

TEST_F(AnimatorEffectsTest, FadeScalesTheLightAtTheStartAndTheEnd)
{
    struct Case {
        uint32_t numFrames;
        bool fadeIn;
        bool fadeOut;
        std::vector<std::pair<uint32_t, std::optional<double>>> frames;
    };
    const std::vector<Case> cases = {
        {50,
         true,
         true,
         {{0, 0.0},
          {1, 0.2},
          {2, 0.4},
          {3, 0.6},
          {4, 0.8},
          {5, 1.0},
          {6, std::nullopt},
          {44, std::nullopt},
          {45, 0.8},
          {46, 0.6},
          {47, 0.4},
          {48, 0.2},
          {49, 0.0}}},
        {90, true, false, {{9, 1.0}, {10, std::nullopt}}},
        {91, true, false, {{0, 0.0}, {15, 0.5}, {30, 1.0}, {31, std::nullopt}, {90, std::nullopt}}},
        {200, false, true, {{0, std::nullopt}, {169, std::nullopt}, {170, 29.0 / 30.0}, {199, 0.0}}},
        // Too short to fade: the first frame is at full light, nothing else changes.
        {9, true, true, {{0, 1.0}, {1, std::nullopt}, {8, std::nullopt}}},
        {9, false, true, {{0, std::nullopt}, {8, std::nullopt}}},
    };
    for (const Case& c : cases) {
        AnimatorFade fade(listOfFrames(c.numFrames), fadeSettings(c.fadeIn, c.fadeOut), nullptr);
        for (const auto& [frame, expected] : c.frames) {
            const std::optional<double> factor = factorAt(fade, frame);
            ASSERT_EQ(expected.has_value(), factor.has_value()) << c.numFrames << " frames, frame " << frame;
            if (expected) {
                EXPECT_NEAR(*expected, *factor, 1e-12) << c.numFrames << " frames, frame " << frame;
            }
        }
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
    {
        AnimatorStreams streams(listOfFrames(20), nullptr);
        std::vector<double> anchors;
        for (uint32_t frame : {7U, 3U, 9U}) {
            streams.animateFrame(frame);
            anchors.push_back(host().styles.doubleValue(TimeAnchor));
        }
        ASSERT_EQ(3U, anchors.size());
        EXPECT_NEAR(2.1, anchors[0], 1e-12);
        EXPECT_NEAR(2.2, anchors[1], 1e-12);
        EXPECT_NEAR(2.3, anchors[2], 1e-12);
    }
}

}  // namespace
