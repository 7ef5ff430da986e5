#include "gui/DialogTimeOptions.h"

#include <gtest/gtest.h>

#include <vector>

#include "addon/AddOnId.h"
#include "support/HostFixture.h"

namespace {

class DialogTimeOptionsTest : public HostFixture {
protected:
    void launch()
    {
        DialogTimeOptions::get().launch(settings, [this](bool accepted) {
            closings.push_back(accepted);
            lockDepthAtClose = host().lock.depth(AddOnId);
        });
        dialog = widgets().dialogsTitled("Time Animation Options").at(0);
        operation = controlsOf(dialog, zorsim::ControlKind::RadioBox).at(0);
        cycles = controlsOf(dialog, zorsim::ControlKind::SpinTextField).at(0);
        cyclesLabel = widgets().controlWithText(dialog, "Num Cycles:");
    }
    bool cyclesSensitive() const { return control(cycles).sensitive && control(cyclesLabel).sensitive; }

    AnimationSettings_s settings;
    std::vector<bool> closings;
    int lockDepthAtClose = -1;
    int dialog = 0, operation = 0, cycles = 0, cyclesLabel = 0;
};

TEST_F(DialogTimeOptionsTest, OpensWithTheSettingsCancelWritesNothingAndOkWritesTheChoiceAndCycles)
{
    settings.timeAnimationOperation = AsCaptured;
    settings.numCycles = -4;
    launch();
    widgets().pressHelp(dialog);
    EXPECT_THAT(host().messages.helpPages(), ::testing::ElementsAre("zorvan/time_animation_options.html"));
    EXPECT_EQ(4, control(operation).chosen);
    EXPECT_EQ("1", control(cycles).text);
    EXPECT_FALSE(cyclesSensitive());
    // Cycles count only where the operation repeats.
    const bool countedAt[] = {false, false, true, true, false};
    for (const int position : {2, 3, 1, 4, 3}) {
        widgets().choose(operation, position);
        EXPECT_EQ(countedAt[position], cyclesSensitive()) << position;
    }
    widgets().spinUp(cycles);
    widgets().pressCancel(dialog);
    EXPECT_EQ(AsCaptured, settings.timeAnimationOperation);
    EXPECT_EQ(-4, settings.numCycles);
    EXPECT_FALSE(settings.animateTime);
    // Only the callback's own lock is held while the caller hears it.
    EXPECT_EQ(1, lockDepthAtClose);

    settings.timeAnimationOperation = Bounce;
    settings.numCycles = 2;
    launch();
    EXPECT_EQ(3, control(operation).chosen);
    widgets().spinDown(cycles);
    widgets().spinDown(cycles);
    EXPECT_EQ("1", control(cycles).text);
    widgets().spinUp(cycles);
    EXPECT_EQ(0, widgets().typeText(cycles, "0"));
    EXPECT_EQ("2", control(cycles).text);
    EXPECT_EQ(1, widgets().typeText(cycles, "2147483647"));
    widgets().spinUp(cycles);
    widgets().choose(operation, 1);
    widgets().pressOk(dialog);
    EXPECT_EQ(Forward, settings.timeAnimationOperation);
    EXPECT_EQ(2147483647, settings.numCycles);
    EXPECT_TRUE(settings.animateTime);
    EXPECT_EQ((std::vector<bool>{false, true}), closings);
    EXPECT_EQ(1u, widgets().dialogsTitled("Time Animation Options").size());
}

}  // namespace
