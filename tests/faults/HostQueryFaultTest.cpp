// Host queries that fail: the add-on goes on with its presets and never
// writes back a value it could not read.
#include "faults/FaultFixture.h"
#include "gui/DialogMain.h"

namespace {

class HostQueryFaultTest : public FaultFixture {};

TEST_F(HostQueryFaultTest, StylesThatCannotBeReadAreLeftAsTheyWereAndEffectsWithoutDataAreSwitchedOff)
{
    appendKeyFrames(20);
    for (const char* path : {"GLOBALTHREED LIGHTSOURCE INTENSITY", "GLOBALTHREED LIGHTSOURCE BACKGROUNDLIGHT",
                             "THREEDAXIS FRAMEAXIS SHOW", "STREAMATTRIBUTES STREAMTIMING TIMEANCHOR"}) {
        host().styles.failGets(path);
        animateOnScreen();
        EXPECT_EQ("", lastError()) << path;
        EXPECT_TRUE(hostRestored()) << path << " cannot be read";
    }

    host().calls.failCalls("ZorUtilZoneGetSolutionTime");
    host().dataSet.setSolutionTime(1.5);
    animateOnScreen();
    EXPECT_EQ(0.0, host().dataSet.solutionTime()) << "the range of times read is 0 to 0";

    host().calls.failCalls("ZorUtilDataSetIsAvailable");
    host().styles.failGets("STREAMATTRIBUTES STREAMTIMING SHOWMARKERS");
    animateOnScreen();
    EXPECT_EQ(2u, host().messages.messageBoxes().size()) << "one notice for each effect";
    const AnimationSettings_s& settings = DialogMain::get().getSettings();
    EXPECT_FALSE(settings.animateTime || settings.animateStreamtraces);
    EXPECT_TRUE(hostRestored());
}

TEST_F(HostQueryFaultTest, ViewAndFrameQueriesThatFailGiveThePresets)
{
    for (const char* call : {"ZorUtilThreeDViewGetViewerPos", "ZorUtilThreeDViewGetViewerAngle",
                             "ZorUtilThreeDViewGetProjection", "ZorUtilFrameGetPosAndSize"})
        host().calls.failCalls(call);
    appendKeyFrames(3);
    EXPECT_EQ(ThreeDView_s(), DialogMain::get().getKeyFrames().back().view);
    chooseDestination(2);
    widgets().pressButton(control(dialog_main::AnimateAll));
    const int exportDialog = widgets().dialogsTitled("Export Options").at(0);
    EXPECT_NO_THROW(widgets().controlWithText(exportDialog, "Dimensions: 0 x 0"));
    widgets().pressCancel(exportDialog);
    EXPECT_TRUE(hostRestored());
}

}  // namespace
