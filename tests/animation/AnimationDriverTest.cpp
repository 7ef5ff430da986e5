#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>

#include <filesystem>
#include <limits>
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

namespace fs = std::filesystem;
using zorsim::ExportFormat;

const char* const Canceled = "Animation canceled.";
const char* const Intensity = "GLOBALTHREED LIGHTSOURCE INTENSITY";

class AnimationDriverTest : public HostFixture {
protected:
    AnimationDriverTest() : HostFixture(HostLogging::On) {}

    void SetUp() override
    {
        HostFixture::SetUp();
        addFrame(ZOR_PLOT_CARTESIAN3D);
        host().drawing.onRedraw = [this](bool) { framesDrawn.push_back(host().view.current().position[0]); };
        sink.sample = [] { return zorsim::host().view.current().position[0]; };
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
    std::vector<double> frames;
    for (int frame = first; frame <= last; ++frame)
        frames.push_back(frame);
    return frames;
}

TEST_F(AnimationDriverTest, PlaysTheRequestedRangeOfTheList)
{
    const struct {
        std::size_t firstKeyFrame;
        std::size_t numSegments;
        std::vector<double> frames;
        int progressTotal;
    } cases[] = {
        {0, 3, frameRange(0, 30), 32},
        {1, 1, frameRange(10, 30), 22},
        {0, 1, frameRange(0, 10), 12},
        {1, 0, {10.0}, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "from " << c.firstKeyFrame << " over " << c.numSegments);
        framesDrawn.clear();
        animateKeyFrames(tenTwentyFive(), c.firstKeyFrame, c.numSegments, AnimationSettings_s(), DoNotRecord);
        EXPECT_EQ(c.frames, framesDrawn);
        const int played = static_cast<int>(framesDrawn.size());
        EXPECT_EQ(100 * played / c.progressTotal, host().status.percents().back());
    }
    EXPECT_EQ("Animating.... Press [Esc] or click [Stop] to cancel.", host().status.texts().back());
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
    animateKeyFrames(tenTwentyFive(), 0, 3, settings, DoNotRecord);

    EXPECT_EQ(frameRange(0, 30), sink.frames);
    EXPECT_THAT(times, testing::Pointwise(testing::DoubleNear(1e-12), frameRange(0, 30)));
    EXPECT_EQ(0.0, lights.front()) << "the fade-in starts dark";
    EXPECT_EQ(0.0, lights.back()) << "the fade-out ends dark";
    EXPECT_TRUE(fs::exists(movie));
    EXPECT_TRUE(framesDrawn.empty()) << "a movie is not drawn on screen";
}

TEST_F(AnimationDriverTest, ACancelAbandonsTheMovieAndRedrawsOnceAlsoAfterTheLastFrame)
{
    host().macro.setRecording(true);
    const AnimationSettings_s toFile = exportTo();
    cancelAfterPlayedFrame(5);
    EXPECT_THROW_MSG(animateKeyFrames(tenTwentyFive(), 0, 3, toFile, Record), KeyFrameError, Canceled);
    EXPECT_EQ(frameRange(0, 4), sink.frames);
    EXPECT_EQ(1, host().exports.cancels());
    EXPECT_FALSE(fs::exists(movie));
    EXPECT_EQ(1U, framesDrawn.size());

    framesDrawn.clear();
    cancelAfterPlayedFrame(11);
    EXPECT_THROW_MSG(animateKeyFrames(tenTwentyFive(), 0, 1, AnimationSettings_s(), Record), KeyFrameError, Canceled);
    EXPECT_EQ(12U, framesDrawn.size()) << "all 11 frames and the redraw after the cancel";
    EXPECT_TRUE(host().macro.lines().empty());
}

TEST_F(AnimationDriverTest, RecordsOnlyAWholeAnimationWhileTheHostRecords)
{
    animateKeyFrames(tenTwentyFive(), 0, 3, AnimationSettings_s(), Record);
    host().macro.setRecording(true);
    animateKeyFrames(tenTwentyFive(), 0, 1, AnimationSettings_s(), DoNotRecord);
    animateKeyFrames(tenTwentyFive(), 0, 3, AnimationSettings_s(), Record);
    animateKeyFrames(tenTwentyFive(), 0, 3, exportTo(ExportFormat::RasterMetafile), Record);
    EXPECT_THAT(host().macro.lines(),
                testing::ElementsAre(
                    R"($!ADDONCOMMAND ADDON = "Key Frame Animation" COMMAND = "Animate AnimationDestination=OnScreen")",
                    R"($!ADDONCOMMAND ADDON = "Key Frame Animation" COMMAND = "Animate AnimationDestination=ToFile")"));
}

TEST_F(AnimationDriverTest, AFormatThatIsNoMovieOrCannotBeReadIsRefusedAtTheFirstFrame)
{
    EXPECT_THROW_MSG(animateKeyFrames(tenTwentyFive(), 0, 3, exportTo(ExportFormat::PNG), Record), KeyFrameError,
                     "The export file format must be set to an animation format \nbefore animating to file.");
    EXPECT_EQ(0.0, host().view.current().position[0]) << "the first frame was set up";

    host().styles.failGets("EXPORTSETUP EXPORTFORMAT");
    EXPECT_THROW(animateKeyFrames(tenTwentyFive(), 0, 3, exportTo(), Record), KeyFrameError);
    EXPECT_EQ(0, host().exports.starts());
}

TEST_F(AnimationDriverTest, RefusesWhatCannotBeAnimated)
{
    const char* const notEnoughMemory =
        "Not enough memory to produce the animation.\nTry reducing the number of total frames in the animation.";
    const auto animate = [](const std::vector<KeyFrame_s>& keyFrames, std::size_t first, std::size_t segments) {
        animateKeyFrames(keyFrames, first, segments, AnimationSettings_s(), Record);
    };
    EXPECT_THROW_MSG(animate({keyFrameAt(0.0, 10)}, 0, 1), KeyFrameError,
                     "At least two keyFrame views must be established to perform an animation.");
    const uint32_t most = std::numeric_limits<uint32_t>::max();
    EXPECT_THROW_MSG(animate({keyFrameAt(0.0, most), keyFrameAt(1.0, 1)}, 0, 2), KeyFrameError, notEnoughMemory);
    host().frames.setPlotType(ZOR_PLOT_CARTESIAN2D);
    EXPECT_THROW_MSG(animate(tenTwentyFive(), 0, 3), KeyFrameError, "The current frame must be in 3D Cartesian mode.");
    EXPECT_EQ(0, host().status.starts()) << "refused before any view was computed";

    host().frames.setPlotType(ZOR_PLOT_CARTESIAN3D);
    EXPECT_THROW_MSG(animate(tenTwentyFive(), 2, 1), KeyFrameError, notEnoughMemory);
}

}  // namespace
