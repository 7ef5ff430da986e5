#include "player/MacroPlayer.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "log/FrameLog.h"
#include "player/FrameRecorder.h"
#include "player/HostScene.h"
#include "progress/ProgressBar.h"
#include "zorsim/Host.h"

using namespace zorhost;
using ::testing::ElementsAre;
using ::testing::EndsWith;
using ::testing::StartsWith;

namespace {

class MacroPlayerTest : public ::testing::Test {
protected:
    void SetUp() override { zorsim::resetHost(); }

    static zorsim::Host& host() { return zorsim::host(); }

    void play(const std::string& text)
    {
        std::istringstream in(text);
        MacroPlayer(host(), samples_).play(readMacro(in));
    }

    SampleStore samples_;
};

}  // namespace

TEST_F(MacroPlayerTest, LoadsTheSampleAsAStrandOfTimeStepsAndShowsAllOfIt)
{
    play("$!NEWFRAME\n$!LOADSAMPLE STEPS = 5 TIMEMIN = 1 TIMEMAX = 3\n");
    const zorsim::DataSet& data = host().dataSet.current();
    ASSERT_EQ(5u, data.zones.size());
    for (std::size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(1, data.zones[i].strand);
        EXPECT_DOUBLE_EQ(1.0 + 0.5 * static_cast<double>(i), data.zones[i].solutionTime);
    }
    EXPECT_DOUBLE_EQ(1.0, host().dataSet.solutionTime());
    // The view turns about the data's centre.
    const zorsim::ViewState& view = host().view.current();
    EXPECT_NEAR(0.0, view.rotationOrigin[0], 1e-6);
    EXPECT_NEAR(0.0, view.rotationOrigin[1], 1e-6);
    EXPECT_GT(view.width, 14.0);

    play("$!LOADSAMPLE STEPS = 1\n");
    ASSERT_EQ(1u, host().dataSet.current().zones.size());
    EXPECT_EQ(0, host().dataSet.current().zones[0].strand);
}

TEST_F(MacroPlayerTest, PlaysFrameViewTimeStyleAndExportCommandsIntoTheSceneDrawn)
{
    play("$!NEWFRAME PLOTTYPE = XYLINE\n"
         "$!NEWFRAME\n"
         "$!LOADSAMPLE\n"
         "$!ROTATE3D AXIS = THETA ANGLE = 15\n"
         "$!SOLUTIONTIME TIME = 0.75\n"
         "$!STYLE PATH = \"globalthreed lightsource intensity\" VALUE = 40\n"
         "$!STYLE PATH = \"GLOBALTHREED LIGHTSOURCE BACKGROUNDLIGHT\" VALUE = 10\n"
         "$!STYLE PATH = \"THREEDAXIS FRAMEAXIS SHOW\" VALUE = FALSE\n"
         "$!STYLE PATH = \"THREEDVIEW DRAWINPERSPECTIVE\" VALUE = TRUE\n"
         "$!STYLE PATH = \"STREAMATTRIBUTES STREAMTIMING SHOWMARKERS\" VALUE = TRUE\n"
         "$!STYLE PATH = \"STREAMATTRIBUTES STREAMTIMING TIMEANCHOR\" VALUE = 0.25\n"
         "$!EXPORTSETUP EXPORTFORMAT = FLASH\n"
         "$!EXPORTSETUP ANIMATIONSPEED = 12.5\n"
         "$!EXPORTSETUP EXPORTFNAME = \"a \\\"b\\\".swf\"\n");
    EXPECT_EQ(2, host().frames.count());
    EXPECT_DOUBLE_EQ(45.0, host().view.current().theta);
    EXPECT_DOUBLE_EQ(0.75, host().dataSet.solutionTime());
    EXPECT_EQ(17, host().exports.values().format());
    EXPECT_EQ("a \"b\".swf", host().exports.values().fileName());
    EXPECT_EQ(12.5, std::get<double>(host().exports.values().value("ANIMATIONSPEED")));
    const Scene scene = currentScene(host(), samples_);
    EXPECT_EQ(45.0, scene.camera.theta);
    EXPECT_TRUE(scene.camera.perspective);
    EXPECT_EQ(40.0, scene.lightIntensity);
    EXPECT_EQ(10.0, scene.backgroundLight);
    EXPECT_FALSE(scene.showFrameAxis);
    EXPECT_TRUE(scene.streamtraces.showMarkers);
    EXPECT_EQ(0.25, scene.streamtraces.timeAnchor);

    play("$!FRAMESETUP PLOTTYPE = SKETCH\n$!DELETEFRAME\n");
    ASSERT_EQ(1, host().frames.count());
    EXPECT_EQ(ZOR_PLOT_XYLINE, host().frames.current().plotType);
}

TEST_F(MacroPlayerTest, ReportsTheFailingLineAndPlaysNothingAfterIt)
{
    const std::pair<std::string, std::string> cases[] = {
        {"$!DELETEFRAME\n", "there is no frame"},
        {"$!LOADSAMPLE\n", "there is no frame"},
        {"$!NEWFRAME PLOTTYPE = POLAR\n$!ROTATE3D AXIS = PSI ANGLE = 3\n",
         "the current frame has no 3D view to rotate"},
        {"$!NEWFRAME\n$!STYLE PATH = \"GLOBALTHREED SHADOWS\" VALUE = 1\n",
         "unknown style value \"GLOBALTHREED SHADOWS\""},
        {"$!NEWFRAME\n$!STYLE PATH = \"THREEDAXIS FRAMEAXIS SHOW\" VALUE = 3\n",
         "\"THREEDAXIS FRAMEAXIS SHOW\" does not take the value 3"},
        {"$!NEWFRAME\n$!ADDONCOMMAND ADDON = \"Nobody\" COMMAND = \"x\"\n",
         "no add-on named \"Nobody\" takes macro commands"},
    };
    for (const auto& [text, message] : cases) {
        SCOPED_TRACE(text);
        zorsim::resetHost();
        try {
            play(text + "$!NEWFRAME\n");
            ADD_FAILURE() << "played";
        } catch (const MacroError& error) {
            EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), error.line());
            EXPECT_EQ(message, error.what());
        }
        EXPECT_LE(host().frames.count(), 1);
    }
}

TEST_F(MacroPlayerTest, RecordsTheHostCommandsItPlaysInAFormItReadsBack)
{
    host().macro.setRecording(true);
    // A command that failed is not recorded.
    EXPECT_THROW(play("$!newframe plottype=cartesian3d\n"
                      "$!STYLE PATH = \"A \\\\ B\" VALUE = \"x\\\"y\"\n"),
                 MacroError);
    play("$!EXPORTSETUP EXPORTFNAME = \"C:\\\\out \\\"1\\\".mp4\"\n$!SOLUTIONTIME TIME = 1E-3\n");
    EXPECT_THAT(host().macro.lines(),
                ElementsAre("$!NEWFRAME PLOTTYPE = CARTESIAN3D",
                            "$!EXPORTSETUP EXPORTFNAME = \"C:\\\\out \\\"1\\\".mp4\"", "$!SOLUTIONTIME TIME = 1E-3"));
    std::istringstream recorded(host().macro.lines()[1]);
    const std::vector<MacroCommand> again = readMacro(recorded);
    ASSERT_EQ(1u, again.size());
    EXPECT_EQ("C:\\out \"1\".mp4", again[0].parameters[0].value.text);
}

TEST_F(MacroPlayerTest, LogsEveryFullRedrawWithTheStateDrawn)
{
    std::ostringstream out;
    FrameLog log(out);
    FrameRecorder recorder(host(), samples_, &log, nullptr, nullptr, [](const std::string&) {});
    recorder.attach();
    play("$!NEWFRAME\n"
         "$!LOADSAMPLE STEPS = 3\n"
         "$!STYLE PATH = \"STREAMATTRIBUTES STREAMTIMING TIMEANCHOR\" VALUE = 0.123456789012\n"
         "$!REDRAW\n"
         "$!SOLUTIONTIME TIME = 1\n"
         "$!STYLE PATH = \"THREEDAXIS FRAMEAXIS SHOW\" VALUE = FALSE\n"
         "$!REDRAW\n");
    const zorsim::ViewState& view = host().view.current();
    std::ostringstream firstRow;
    firstRow.precision(10);
    firstRow << "0,redraw," << view.position[0] << ',' << view.position[1] << ',' << view.position[2] << ",60,30,0,"
             << view.width << ",75,25,true,0.123456789,0\n";
    EXPECT_THAT(out.str(), StartsWith(std::string(FrameLog::heading()) + "\n" + firstRow.str() + "1,redraw,"));
    EXPECT_THAT(out.str(), EndsWith(",false,0.123456789,1\n"));
}

TEST_F(MacroPlayerTest, PictureSizeFollowsTheExportRegionWidthAndSupersampling)
{
    play("$!NEWFRAME\n$!EXPORTSETUP IMAGEWIDTH = 640\n");
    host().frames.current().width = 8.0;
    host().frames.current().height = 5.0;
    host().frames.workAreaWidth = 1600;
    host().frames.workAreaHeight = 900;
    const Scene frame = currentScene(host(), samples_);
    EXPECT_EQ(std::make_pair(640, 400), std::make_pair(frame.width, frame.height));
    play("$!EXPORTSETUP EXPORTREGION = WORKAREA\n"
         "$!EXPORTSETUP USESUPERSAMPLEANTIALIASING = TRUE\n$!EXPORTSETUP SUPERSAMPLEFACTOR = 4\n");
    const Scene workArea = currentScene(host(), samples_);
    EXPECT_EQ(std::make_pair(640, 360), std::make_pair(workArea.width, workArea.height));
    EXPECT_EQ(4, workArea.supersample);
}

TEST(ProgressBarTest, ShowsTextBarPercentAndTheTimeSpentAndLeft)
{
    EXPECT_EQ("Animating.... [###.......]  35%  0:07 spent, 0:13 left", progressLine("Animating....", 35, 10, 7.0));
    EXPECT_EQ("x [..........]   0%  1:05 spent", progressLine("x", -5, 10, 65.0));
    EXPECT_EQ("x [##########] 100%  1:02:05 spent, 0:00 left", progressLine("x", 250, 10, 3725.4));
}
