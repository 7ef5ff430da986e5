#include <gtest/gtest.h>

#include <cstdint>

#include <filesystem>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "ZorUtil.h"
#include "addon/KeyFrameError.h"
#include "animation/AnimationDriver.h"
#include "animation/AnimationTestSupport.h"
#include "support/HostFixture.h"
#include "support/TempFolder.h"

namespace {

namespace fs = std::filesystem;

const char* const Canceled = "Animation canceled.";

// Notes the viewer's x at every movie frame, which the key frames below make
// the frame number.
class FrameRecorder : public zorsim::FrameSink {
public:
    bool beginMovie(const zorsim::ExportValues&, const std::string&) override { return true; }
    bool addFrame(int) override
    {
        frames.push_back(zorsim::host().view.current().position[0]);
        return true;
    }
    bool endMovie() override { return true; }
    void abandonMovie() override {}

    std::vector<double> frames;
};

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

    void exportTo(int format)
    {
        ZorUtilExportSetup("EXPORTFORMAT", nullptr, 0.0, format);
        ZorUtilExportSetup("EXPORTFNAME", nullptr, 0.0, reinterpret_cast<ZorArbParam>(movie.c_str()));
        host().exports.setSink(&recorder);
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

    static AnimationSettings_s toFile()
    {
        AnimationSettings_s settings;
        settings.destination = ToFile;
        return settings;
    }

    // Index of the last host call that starts with `prefix`; -1 for none.
    static long lastCall(const std::string& prefix)
    {
        const std::vector<std::string>& calls = host().calls.all();
        for (std::size_t i = calls.size(); i > 0; --i)
            if (calls[i - 1].rfind(prefix, 0) == 0)
                return static_cast<long>(i - 1);
        return -1;
    }

    std::vector<double> framesDrawn;
    FrameRecorder recorder;
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
    struct Case {
        std::size_t firstKeyFrame;
        std::size_t numSegments;
        std::vector<double> frames;
        int progressTotal;
    };
    const std::vector<Case> cases = {
        {0, 3, frameRange(0, 30), 32},
        {1, 1, frameRange(10, 30), 22},
        {0, 1, frameRange(0, 10), 12},
        {1, 0, {10.0}, 2},
    };
    for (const Case& c : cases) {
        framesDrawn.clear();
        animateKeyFrames(tenTwentyFive(), c.firstKeyFrame, c.numSegments, AnimationSettings_s(), DoNotRecord);
        EXPECT_EQ(c.frames, framesDrawn) << "from " << c.firstKeyFrame << " over " << c.numSegments;
        const int played = static_cast<int>(framesDrawn.size());
        EXPECT_EQ(100 * played / c.progressTotal, host().status.percents().back()) << "total " << c.progressTotal;
    }
    EXPECT_EQ("Animating.... Press [Esc] or click [Stop] to cancel.", host().status.texts().back());
}

TEST_F(AnimationDriverTest, EachFrameRunsViewFadeAnchorTimeAndOutputInThisOrder)
{
    exportTo(14);
    AnimationSettings_s settings = toFile();
    settings.animateTime = true;
    settings.animateStreamtraces = true;
    settings.fadeIn = true;
    settings.fadeOut = true;
    animateKeyFrames(tenTwentyFive(), 0, 3, settings, DoNotRecord);

    const std::vector<std::pair<std::string, char>> kinds = {
        {"StyleValue::set THREEDVIEW PSIANGLE", 'v'},
        {"StyleValue::set GLOBALTHREED LIGHTSOURCE INTENSITY", 'f'},
        {"StyleValue::set STREAMATTRIBUTES STREAMTIMING TIMEANCHOR", 'a'},
        {"ZorUtilSolutionTimeSetCurrent", 't'},
        {"ZorUtilExportStart", 's'},
        {"ZorUtilExportNextFrame", 'n'},
        {"ZorUtilExportFinish", 'F'},
    };
    std::string sequence;
    bool playing = false;
    for (const std::string& call : host().calls.all()) {
        playing = playing || call.rfind("ZorUtilStatusStartPercentDone Animating", 0) == 0;
        for (const auto& [prefix, kind] : kinds)
            if (playing && call.rfind(prefix, 0) == 0)
                sequence += kind;
    }
    // 31 frames fade over 3 at either end; the fade sets the light once a frame.
    std::string expected = "vfats";
    for (int frame = 1; frame <= 3; ++frame)
        expected += "vfatn";
    for (int frame = 4; frame < 28; ++frame)
        expected += "vatn";
    for (int frame = 28; frame <= 30; ++frame)
        expected += "vfatn";
    EXPECT_EQ(expected + "faF", sequence) << "light and anchor are restored before the movie is finished";
    EXPECT_EQ(frameRange(0, 30), recorder.frames);
    EXPECT_EQ(1, host().exports.starts());
    EXPECT_EQ(30, host().exports.nextFrames());
    EXPECT_EQ(1, host().exports.finishes());
    EXPECT_TRUE(fs::exists(movie));
    EXPECT_TRUE(framesDrawn.empty()) << "a movie is not drawn on screen";
}

TEST_F(AnimationDriverTest, CancelWhilePlayingAbandonsTheMovieAndRedrawsOnce)
{
    exportTo(14);
    cancelAfterPlayedFrame(5);
    EXPECT_THROW_MSG(animateKeyFrames(tenTwentyFive(), 0, 3, toFile(), Record), KeyFrameError, Canceled);
    EXPECT_EQ(frameRange(0, 4), recorder.frames);
    EXPECT_EQ(1, host().exports.cancels());
    EXPECT_EQ(0, host().exports.finishes());
    EXPECT_FALSE(fs::exists(movie));
    EXPECT_EQ(1, host().drawing.fullRedraws());
    EXPECT_LT(lastCall("ZorUtilExportCancel"), lastCall("ZorUtilRedraw 1")) << "the chain is cancelled first";
    EXPECT_TRUE(host().macro.lines().empty());
}

TEST_F(AnimationDriverTest, CancelSeenAfterTheLastFrameStillCancels)
{
    host().macro.setRecording(true);
    cancelAfterPlayedFrame(11);
    EXPECT_THROW_MSG(animateKeyFrames(tenTwentyFive(), 0, 1, AnimationSettings_s(), Record), KeyFrameError, Canceled);
    EXPECT_EQ(frameRange(0, 10).size() + 1, framesDrawn.size()) << "every frame and the redraw after the cancel";
    EXPECT_TRUE(host().macro.lines().empty());
}

TEST_F(AnimationDriverTest, RecordsOnlyAWholeAnimationWhileTheHostRecords)
{
    animateKeyFrames(tenTwentyFive(), 0, 3, AnimationSettings_s(), Record);
    EXPECT_TRUE(host().macro.lines().empty()) << "the host was not recording";

    host().macro.setRecording(true);
    animateKeyFrames(tenTwentyFive(), 0, 1, AnimationSettings_s(), DoNotRecord);
    EXPECT_TRUE(host().macro.lines().empty()) << "a selection is never recorded";

    animateKeyFrames(tenTwentyFive(), 0, 3, AnimationSettings_s(), Record);
    exportTo(0);
    animateKeyFrames(tenTwentyFive(), 0, 3, toFile(), Record);
    EXPECT_EQ((std::vector<std::string>{
                  R"($!ADDONCOMMAND ADDON = "Key Frame Animation" COMMAND = "Animate AnimationDestination=OnScreen")",
                  R"($!ADDONCOMMAND ADDON = "Key Frame Animation" COMMAND = "Animate AnimationDestination=ToFile")"}),
              host().macro.lines());
}

TEST_F(AnimationDriverTest, ExportThatCannotStartIsReportedAtTheFirstFrame)
{
    exportTo(15);
    EXPECT_THROW_MSG(animateKeyFrames(tenTwentyFive(), 0, 3, toFile(), Record), KeyFrameError,
                     "The export file format must be set to an animation format \nbefore animating to file.");
    EXPECT_EQ(0.0, host().view.current().position[0]) << "the first frame was set up";

    host().styles.failGets("EXPORTSETUP EXPORTFORMAT");
    exportTo(14);
    EXPECT_THROW_MSG(animateKeyFrames(tenTwentyFive(), 0, 3, toFile(), Record), KeyFrameError,
                     "The export file format must be set to an animation format \nbefore animating to file.");

    EXPECT_EQ(0, host().exports.starts());
}

TEST_F(AnimationDriverTest, HostSettingsAreRestoredHoweverTheAnimationEnds)
{
    const std::vector<std::pair<const char*, std::function<void()>>> endings = {
        {"normal end", [] {}},
        {"cancel while playing", [] { cancelAfterPlayedFrame(4); }},
        {"cancel while computing", [] { zorsim::host().status.cancelAtCheck(2); }},
        {"failure at the first frame", [] { zorsim::host().exports.refuseStarts(true); }},
    };
    host().styles.setValue("GLOBALTHREED LIGHTSOURCE INTENSITY", 60.0);
    host().styles.setValue("GLOBALTHREED LIGHTSOURCE BACKGROUNDLIGHT", 20.0);
    host().styles.setValue("STREAMATTRIBUTES STREAMTIMING TIMEANCHOR", 1.5);
    keepHostStyles();
    for (const auto& [ending, arrange] : endings) {
        exportTo(14);
        arrange();
        AnimationSettings_s settings = toFile();
        settings.animateStreamtraces = true;
        settings.fadeIn = true;
        try {
            animateKeyFrames(tenTwentyFive(), 0, 3, settings, Record);
        } catch (const KeyFrameError&) {
        }
        EXPECT_TRUE(hostInvariantsHold()) << ending;
        EXPECT_FALSE(host().status.isShown()) << ending;
        EXPECT_FALSE(ZorUtilExportIsRecording()) << ending;
        host().status.onChange = nullptr;
        host().exports.refuseStarts(false);
    }
}

TEST_F(AnimationDriverTest, RefusesWhatCannotBeAnimated)
{
    const char* const NotEnoughMemory =
        "Not enough memory to produce the animation.\nTry reducing the number of total frames in the animation.";
    EXPECT_THROW_MSG(animateKeyFrames({keyFrameAt(0.0, 10)}, 0, 1, AnimationSettings_s(), Record), KeyFrameError,
                     "At least two keyFrame views must be established to perform an animation.");
    const uint32_t most = std::numeric_limits<uint32_t>::max();
    EXPECT_THROW_MSG(animateKeyFrames({keyFrameAt(0.0, most), keyFrameAt(1.0, 1)}, 0, 2, AnimationSettings_s(), Record),
                     KeyFrameError, NotEnoughMemory);
    EXPECT_THROW_MSG(animateKeyFrames({keyFrameAt(0.0, most / 2 + 1), keyFrameAt(1.0, most / 2), keyFrameAt(2.0, 1)}, 0,
                                      3, AnimationSettings_s(), Record),
                     KeyFrameError, NotEnoughMemory);
    EXPECT_EQ(0, host().status.starts()) << "refused before any view was computed";
    EXPECT_THROW_MSG(animateKeyFrames(tenTwentyFive(), 2, 1, AnimationSettings_s(), Record), KeyFrameError,
                     NotEnoughMemory);

    host().frames.setPlotType(ZOR_PLOT_CARTESIAN2D);
    EXPECT_THROW_MSG(animateKeyFrames(tenTwentyFive(), 0, 3, AnimationSettings_s(), Record), KeyFrameError,
                     "The current frame must be in 3D Cartesian mode.");
}

}  // namespace
