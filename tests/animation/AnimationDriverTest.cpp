#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <numeric>
#include <string>
#include <vector>

#include "ZorUtil.h"
#include "addon/KeyFrameError.h"
#include "animation/AnimationDriver.h"
#include "animation/AnimationTestSupport.h"
#include "support/FakeSink.h"
#include "support/HostFixture.h"
#include "support/TempFolder.h"

namespace {

using testing::DoubleNear;
using testing::ElementsAre;
using testing::Pointwise;
using zorsim::ExportFormat;

const char* const Intensity = "GLOBALTHREED LIGHTSOURCE INTENSITY";

class AnimationDriverTest : public HostFixture {
protected:
    AnimationDriverTest() : HostFixture(HostLogging::On) {}

    void SetUp() override
    {
        HostFixture::SetUp();
        addFrame(ZOR_PLOT_CARTESIAN3D);
        host().drawing.onRedraw = [this](bool) { framesDrawn.push_back(host().view.current().position[0]); };
    }
    void TearDown() override
    {
        host().drawing.onRedraw = nullptr;
        host().exports.setSink(nullptr);
        host().status.onChange = nullptr;
        HostFixture::TearDown();
    }

    // Key frames whose views differ in x only, at x = the frame number:
    // frame counts 10, 20, 5 give 31 frames.
    static std::vector<KeyFrame_s> tenTwentyFive()
    {
        return {keyFrameAt(0.0, 10, 0.0), keyFrameAt(10.0, 20, 1.0), keyFrameAt(30.0, 5, 2.0)};
    }

    // Sets the host up to export `movie` in `format`; settings that animate into it.
    AnimationSettings_s exportTo(ExportFormat format = ExportFormat::AVI)
    {
        ZorUtilExportSetup("EXPORTFORMAT", nullptr, 0.0, static_cast<int>(format));
        ZorUtilExportSetup("EXPORTFNAME", nullptr, 0.0, reinterpret_cast<ZorArbParam>(movie.c_str()));
        host().exports.setSink(&sink);
        AnimationSettings_s settings;
        settings.destination = ToFile;
        return settings;
    }

    // The user cancels at the check after the n-th frame played.
    static void cancelAfterPlayedFrame(int n)
    {
        host().status.onChange = [n, armed = false](const zorsim::StatusModel& status) mutable {
            if (!armed && status.isShown() && status.text().rfind("Animating....", 0) == 0) {
                armed = true;
                zorsim::host().status.cancelAtCheck(n);
            }
        };
    }

    std::vector<double> framesDrawn;
    FakeSink sink;
    TempFolder folder;
    const std::string movie = folder.path("movie.avi");
};

std::vector<double> frameRange(int first, int last)
{
    std::vector<double> frames(static_cast<std::size_t>(last - first + 1));
    std::iota(frames.begin(), frames.end(), first);
    return frames;
}

TEST_F(AnimationDriverTest, PlaysTheRequestedRangeOfTheListAndRecordsOnlyAWholeAnimationWhileTheHostRecords)
{
    const struct {
        std::size_t firstKeyFrame;
        std::size_t numSegments;
        std::vector<double> frames;
        int progressTotal;
    } cases[] = {{0, 3, frameRange(0, 30), 32},
                 {1, 1, frameRange(10, 30), 22},
                 {0, 1, frameRange(0, 10), 12},
                 {1, 0, {10.0}, 2}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "from " << c.firstKeyFrame << " over " << c.numSegments);
        framesDrawn.clear();
        animateKeyFrames(tenTwentyFive(), c.firstKeyFrame, c.numSegments, AnimationSettings_s(), Record);
        EXPECT_EQ(c.frames, framesDrawn);
        const int played = static_cast<int>(framesDrawn.size());
        EXPECT_EQ(100 * played / c.progressTotal, host().status.percents().back());
    }
    EXPECT_EQ("Animating.... Press [Esc] or click [Stop] to cancel.", host().status.texts().back());
    EXPECT_TRUE(host().macro.lines().empty()) << "the host did not record";
    host().macro.setRecording(true);
    animateKeyFrames(tenTwentyFive(), 0, 1, AnimationSettings_s(), DoNotRecord);
    animateKeyFrames(tenTwentyFive(), 0, 3, AnimationSettings_s(), Record);
    EXPECT_THAT(host().macro.lines(), ElementsAre(R"($!ADDONCOMMAND ADDON = "Key Frame Animation" COMMAND = )"
                                                  R"("Animate AnimationDestination=OnScreen")"));
}

TEST_F(AnimationDriverTest, EveryMovieFrameIsTakenOnceItsViewLightAndTimeAreSet)
{
    host().dataSet.addZone(1, 0.0);
    host().dataSet.addZone(1, 30.0);
    std::vector<double> lights;
    std::vector<double> times;
    sink.sample = [&] {
        lights.push_back(host().styles.doubleValue(Intensity));
        times.push_back(host().dataSet.solutionTime());
        return host().view.current().position[0];
    };
    AnimationSettings_s settings = exportTo();
    settings.animateTime = true;
    settings.animateStreamtraces = true;
    settings.fadeIn = true;
    settings.fadeOut = true;
    animateKeyFrames(tenTwentyFive(), 0, 3, settings, Record);

    EXPECT_EQ(frameRange(0, 30), sink.frames);
    EXPECT_THAT(times, Pointwise(DoubleNear(1e-12), frameRange(0, 30)));
    EXPECT_EQ(0.0, lights.front()) << "the fade-in starts dark";
    EXPECT_EQ(0.0, lights.back()) << "the fade-out ends dark";
    EXPECT_TRUE(framesDrawn.empty()) << "a movie is not drawn on screen";
}

TEST_F(AnimationDriverTest, ACancelStopsAtOnceAbandonsTheMovieAndRedrawsOnceAlsoAfterTheLastFrame)
{
    host().macro.setRecording(true);
    for (const int n : {5, 11}) {
        SCOPED_TRACE(n);
        sink.frames.clear();
        cancelAfterPlayedFrame(n);
        EXPECT_THROW(animateKeyFrames(tenTwentyFive(), 0, 1, exportTo(), Record), KeyFrameError);
        EXPECT_EQ(frameRange(0, n - 1), sink.frames);
    }
    EXPECT_EQ(2, host().exports.cancels());
    EXPECT_EQ(2U, framesDrawn.size()) << "one redraw after each cancel";
    EXPECT_TRUE(host().macro.lines().empty());
}

// A format that is no movie is found at the first frame, the rest before
// any view is computed.
TEST_F(AnimationDriverTest, RefusesWhatCannotBeAnimated)
{
    const auto animate = [](const std::vector<KeyFrame_s>& keyFrames, std::size_t first, std::size_t segments) {
        animateKeyFrames(keyFrames, first, segments, AnimationSettings_s(), Record);
    };
    EXPECT_THROW_MSG(animate({keyFrameAt(0.0, 10)}, 0, 1), KeyFrameError,
                     "At least two keyFrame views must be established to perform an animation.");
    EXPECT_THROW(animate({keyFrameAt(0.0, std::numeric_limits<uint32_t>::max()), keyFrameAt(1.0, 1)}, 0, 2),
                 KeyFrameError);
    host().frames.setPlotType(ZOR_PLOT_CARTESIAN2D);
    EXPECT_THROW_MSG(animate(tenTwentyFive(), 0, 3), KeyFrameError, "The current frame must be in 3D Cartesian mode.");
    EXPECT_EQ(0, host().status.starts());
    host().frames.setPlotType(ZOR_PLOT_CARTESIAN3D);
    EXPECT_THROW(animate(tenTwentyFive(), 2, 1), KeyFrameError) << "a range past the end";

    EXPECT_THROW_MSG(animateKeyFrames(tenTwentyFive(), 0, 3, exportTo(ExportFormat::PNG), Record), KeyFrameError,
                     "The export file format must be set to an animation format \nbefore animating to file.");
    EXPECT_EQ(0.0, host().view.current().position[0]) << "the first frame was set up";
    host().styles.failGets("EXPORTSETUP EXPORTFORMAT");
    EXPECT_THROW(animateKeyFrames(tenTwentyFive(), 0, 3, exportTo(), Record), KeyFrameError);
    EXPECT_EQ(0, host().exports.starts());
}

}  // namespace
