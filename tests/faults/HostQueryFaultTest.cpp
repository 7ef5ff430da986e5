// Host queries that fail: the add-on goes on with its presets and never
// writes back a value it could not read.
#include <vector>

#include "faults/FaultFixture.h"
#include "gui/DialogMain.h"

namespace {

class HostQueryFaultTest : public FaultFixture {};

TEST_F(HostQueryFaultTest, LightAxisAndAnchorThatCannotBeReadAreLeftAsTheyWere)
{
    appendKeyFrames(20);
    for (const char* path : {"GLOBALTHREED LIGHTSOURCE INTENSITY", "GLOBALTHREED LIGHTSOURCE BACKGROUNDLIGHT",
                             "THREEDAXIS FRAMEAXIS SHOW", "STREAMATTRIBUTES STREAMTIMING TIMEANCHOR"}) {
        host().styles.failGets(path);
        animateOnScreen();
        EXPECT_EQ("", lastError()) << path;
        EXPECT_TRUE(hostRestored()) << path << " cannot be read";
    }
}

TEST_F(HostQueryFaultTest, AViewQueryThatFailsCapturesItsPresets)
{
    const struct {
        const char* call;
        std::vector<double ThreeDView_s::*> fields;
    } cases[] = {
        {"ZorUtilThreeDViewGetViewerPos", {&ThreeDView_s::x, &ThreeDView_s::y, &ThreeDView_s::z}},
        {"ZorUtilThreeDViewGetViewerAngle", {&ThreeDView_s::psi, &ThreeDView_s::theta, &ThreeDView_s::alpha}},
        {"ZorUtilThreeDViewGetProjection", {&ThreeDView_s::width}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.call);
        host().calls.failCalls(c.call);
        press(dialog_main::Append);
        const ThreeDView_s& captured = DialogMain::get().getKeyFrames().back().view;
        for (double ThreeDView_s::*field : c.fields)
            EXPECT_EQ(0.0, captured.*field);
        EXPECT_TRUE(hostRestored());
    }
}

TEST_F(HostQueryFaultTest, AFrameQueryThatFailsMeasuresNothing)
{
    appendKeyFrames(3);
    host().calls.failCalls("ZorUtilFrameGetPosAndSize");
    chooseDestination(2);
    widgets().pressButton(control(dialog_main::AnimateAll));
    const int exportDialog = widgets().dialogsTitled("Export Options").at(0);
    EXPECT_NO_THROW(widgets().controlWithText(exportDialog, "Dimensions: 0 x 0"));
    widgets().pressCancel(exportDialog);
    EXPECT_TRUE(hostRestored());
}

TEST_F(HostQueryFaultTest, DataSetAndStreamtraceQueriesThatFailSwitchTheEffectsOffWithANotice)
{
    appendKeyFrames(5);
    host().calls.failCalls("ZorUtilZoneGetSolutionTime");
    host().dataSet.setSolutionTime(1.5);
    animateOnScreen();
    EXPECT_EQ(0.0, host().dataSet.solutionTime()) << "the range of times read is 0 to 0";

    host().calls.failCalls("ZorUtilDataSetIsAvailable");
    host().styles.failGets("STREAMATTRIBUTES STREAMTIMING SHOWMARKERS");
    animateOnScreen();
    EXPECT_EQ(2u, host().messages.messageBoxes().size()) << "one notice for each effect";
    EXPECT_FALSE(DialogMain::get().getSettings().animateTime);
    EXPECT_FALSE(DialogMain::get().getSettings().animateStreamtraces);
    EXPECT_TRUE(hostRestored());
}

}  // namespace
