#include "player/MacroPlayer.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "player/FrameRecorder.h"
#include "player/HostScene.h"
#include "progress/ProgressBar.h"
#include "zorsim/Host.h"

using namespace zorhost;
using namespace ::testing;

namespace {

class MacroPlayerTest : public ::testing::Test {
protected:
    void SetUp() override { zorsim::resetHost(); }

    static zorsim::Host& host() { return zorsim::host(); }

    void play(const std::string& text)
    {
        std::istringstream in(text);
        MacroPlayer(host(), frameData_).play(readMacro(in));
    }

    FrameDataStore frameData_;
};

}  // namespace

TEST_F(MacroPlayerTest, PlaysSampleFrameViewTimeStyleAndExportCommandsIntoTheSceneDrawn)
{
    play("$!NEWFRAME PLOTTYPE = XYLINE\n$!NEWFRAME\n$!LOADSAMPLE STEPS = 5 TIMEMIN = 1 TIMEMAX = 3\n");
    // The sample is a strand of time steps, shown from the first, and the
    // view turns about its centre.
    std::vector<std::pair<int, double>> zones;
    for (const zorsim::Zone& zone : host().dataSet.current().zones)
        zones.emplace_back(zone.strand, zone.solutionTime);
    EXPECT_EQ((std::vector<std::pair<int, double>>{{1, 1.0}, {1, 1.5}, {1, 2.0}, {1, 2.5}, {1, 3.0}}), zones);
    EXPECT_DOUBLE_EQ(1.0, host().dataSet.solutionTime());
    const zorsim::ViewState& view = host().view.current();
    EXPECT_NEAR(0.0, std::hypot(view.rotationOrigin[0], view.rotationOrigin[1]), 1e-6);
    EXPECT_GT(view.width, 14.0);

    play("$!ROTATE3D AXIS = THETA ANGLE = 15\n"
         "$!SOLUTIONTIME TIME = 0.75\n"
         "$!STYLE PATH = \"globalthreed lightsource intensity\" VALUE = 40\n"
         "$!STYLE PATH = \"GLOBALTHREED LIGHTSOURCE BACKGROUNDLIGHT\" VALUE = 10\n"
         "$!STYLE PATH = \"THREEDAXIS FRAMEAXIS SHOW\" VALUE = FALSE\n"
         "$!STYLE PATH = \"THREEDVIEW DRAWINPERSPECTIVE\" VALUE = TRUE\n"
         "$!STYLE PATH = \"STREAMATTRIBUTES STREAMTIMING SHOWMARKERS\" VALUE = TRUE\n"
         "$!STYLE PATH = \"STREAMATTRIBUTES STREAMTIMING TIMEANCHOR\" VALUE = 0.25\n"
         "$!EXPORTSETUP IMAGEWIDTH = 640\n"
         "$!EXPORTSETUP ANIMATIONSPEED = 12.5\n");
    host().frames.current().width = 8.0;
    host().frames.current().height = 5.0;
    host().frames.workAreaWidth = 1600;
    host().frames.workAreaHeight = 900;
    const Scene scene = currentScene(host(), frameData_);
    EXPECT_DOUBLE_EQ(0.75, host().dataSet.solutionTime());
    EXPECT_EQ(std::make_tuple(45.0, true, 40.0, 10.0, false, true, false, 0.25),
              std::make_tuple(scene.camera.theta, scene.camera.perspective, scene.lightIntensity, scene.backgroundLight,
                              scene.showFrameAxis, scene.streamtraces.showMarkers, scene.streamtraces.showDashes,
                              scene.streamtraces.timeAnchor));
    // The picture has the export's width and the shape of the frame, or of
    // the work area when that is the region exported.
    EXPECT_EQ(std::make_tuple(640, 400, 1), std::make_tuple(scene.width, scene.height, scene.supersample));
    play("$!EXPORTSETUP EXPORTREGION = WORKAREA\n"
         "$!EXPORTSETUP USESUPERSAMPLEANTIALIASING = TRUE\n$!EXPORTSETUP SUPERSAMPLEFACTOR = 4\n");
    const Scene workArea = currentScene(host(), frameData_);
    EXPECT_EQ(std::make_tuple(640, 360, 4), std::make_tuple(workArea.width, workArea.height, workArea.supersample));

    // The movie the export setup chooses.
    const std::pair<std::string, MovieFormat> formats[] = {
        {"AVI", MovieFormat::AVI},     {"FLASH", MovieFormat::Flash}, {"FLV", MovieFormat::FLV},
        {"MPEG4", MovieFormat::MPEG4}, {"WMV", MovieFormat::WMV},     {"RASTERMETAFILE", MovieFormat::RasterMetafile}};
    for (const auto& [word, format] : formats) {
        play("$!EXPORTSETUP EXPORTFORMAT = " + word + "\n");
        EXPECT_EQ(format, movieSettingsOf(host().exports.values()).format) << word;
    }
    EXPECT_EQ(12.5, movieSettingsOf(host().exports.values()).framesPerSecond);

    play("$!LOADSAMPLE STEPS = 1\n");
    ASSERT_EQ(1u, host().dataSet.current().zones.size());
    EXPECT_EQ(0, host().dataSet.current().zones[0].strand);
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
    for (const auto& row : cases) {
        const std::string& text = row.first;
        SCOPED_TRACE(text);
        zorsim::resetHost();
        const int line = static_cast<int>(std::count(text.begin(), text.end(), '\n'));
        EXPECT_THAT([&] { play(text + "$!NEWFRAME\n"); },
                    Throws<MacroError>(
                        AllOf(Property(&MacroError::line, line), Property(&MacroError::what, StrEq(row.second)))));
        EXPECT_LE(host().frames.count(), 1);
    }
}

TEST_F(MacroPlayerTest, RecordsTheHostCommandsItPlaysInTheirOwnSpelling)
{
    host().macro.setRecording(true);
    // A command that failed is not recorded.
    EXPECT_THROW(play("$!newframe plottype=cartesian3d\n$!STYLE PATH = \"A \\\\ B\" VALUE = \"x\\\"y\"\n"), MacroError);
    play("$!EXPORTSETUP EXPORTFNAME = \"C:\\\\out \\\"1\\\".mp4\"\n$!SOLUTIONTIME TIME = 1E-3\n");
    EXPECT_THAT(host().macro.lines(),
                ElementsAre("$!NEWFRAME PLOTTYPE = CARTESIAN3D",
                            "$!EXPORTSETUP EXPORTFNAME = \"C:\\\\out \\\"1\\\".mp4\"", "$!SOLUTIONTIME TIME = 1E-3"));
}

TEST(ProgressBarTest, ShowsTextBarPercentAndTheTimeSpentAndLeft)
{
    EXPECT_EQ("Animating.... [###.......]  35%  0:07 spent, 0:13 left", progressLine("Animating....", 35, 10, 7.0));
    EXPECT_EQ("x [..........]   0%  1:05 spent", progressLine("x", -5, 10, 65.0));
    EXPECT_EQ("x [##########] 100%  1:02:05 spent, 0:00 left", progressLine("x", 250, 10, 3725.4));
}
