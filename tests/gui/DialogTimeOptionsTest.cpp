#include <gtest/gtest.h>

#include <vector>

#include "addon/AddOnId.h"
#include "gui/DialogTimeOptions.h"
#include "support/HostFixture.h"

namespace {

using zorsim::ControlKind;

class DialogTimeOptionsTest : public HostFixture {
protected:
    void launch()
    {
        DialogTimeOptions::get().launch(settings, [this](bool accepted) {
            closings.push_back(accepted);
            lockDepthAtClose = lockDepth();
        });
        dialog = DialogTimeOptions::get().dialogId();
        operation = widgets().controlsOf(dialog, ControlKind::RadioBox).at(0);
        cyclesField = widgets().controlsOf(dialog, ControlKind::SpinTextField).at(0);
        cyclesLabel = widgets().controlWithText(dialog, "Num Cycles:");
    }

    static zorsim::WidgetModel& widgets() { return host().widgets; }
    static const zorsim::Control& control(int id) { return widgets().control(id); }
    static int lockDepth() { return host().lock.depth(AddOnId); }
    bool cyclesSensitive() const { return control(cyclesField).sensitive && control(cyclesLabel).sensitive; }

    AnimationSettings_s settings;
    std::vector<bool> closings;
    int lockDepthAtClose = -1;
    int dialog = ZOR_NO_CONTROL;
    int operation = 0;
    int cyclesField = 0;
    int cyclesLabel = 0;
};

TEST_F(DialogTimeOptionsTest, OpensWithTheSettingsAndGreysCyclesOutUnlessTheyCount)
{
    settings.timeAnimationOperation = AsCaptured;
    settings.numCycles = -4;
    launch();
    EXPECT_EQ("Time Animation Options", widgets().dialog(dialog).title);
    EXPECT_EQ("Animation Operation", control(widgets().controlsOf(dialog, ControlKind::Frame).at(0)).text);
    EXPECT_EQ((std::vector<std::string>{"&Forward", "&Loop", "&Bounce", "&As Captured"}), control(operation).items);
    widgets().pressHelp(dialog);
    EXPECT_EQ("zorvan/time_animation_options.html", host().messages.helpPages().back());
    EXPECT_THROW(widgets().spinUp(cyclesField), std::logic_error) << "greyed out";
    EXPECT_TRUE(widgets().dialog(dialog).modal);
    EXPECT_EQ(4, control(operation).chosen);
    EXPECT_EQ("1", control(cyclesField).text);
    EXPECT_FALSE(cyclesSensitive());
    const bool countedAt[] = {false, false, true, true, false};
    for (int position : {2, 3, 1, 4, 3}) {
        widgets().choose(operation, position);
        EXPECT_EQ(countedAt[position], cyclesSensitive()) << position;
    }
    widgets().pressCancel(dialog);
}

TEST_F(DialogTimeOptionsTest, OkWritesTheChoiceAndSwitchesTimeAnimationOn)
{
    settings.timeAnimationOperation = Loop;
    settings.numCycles = 3;
    launch();
    EXPECT_EQ(1, lockDepth());
    EXPECT_TRUE(cyclesSensitive());
    widgets().choose(operation, 1);
    widgets().choose(operation, 3);
    EXPECT_EQ(1, widgets().typeText(cyclesField, "5"));
    widgets().choose(operation, 1);
    widgets().pressOk(dialog);
    EXPECT_EQ(Forward, settings.timeAnimationOperation);
    EXPECT_EQ(5, settings.numCycles);
    EXPECT_TRUE(settings.animateTime);
    EXPECT_EQ((std::vector<bool>{true}), closings);
    EXPECT_EQ(0, lockDepth());
    EXPECT_FALSE(widgets().dialog(dialog).up);
    EXPECT_FALSE(DialogTimeOptions::get().isUp());
}

TEST_F(DialogTimeOptionsTest, CancelWritesNothingAndReleasesTheLaunchLockBeforeTellingTheCaller)
{
    settings.timeAnimationOperation = Bounce;
    settings.numCycles = 2;
    launch();
    widgets().spinUp(cyclesField);
    widgets().choose(operation, 4);
    widgets().pressCancel(dialog);
    EXPECT_EQ(Bounce, settings.timeAnimationOperation);
    EXPECT_EQ(2, settings.numCycles);
    EXPECT_FALSE(settings.animateTime);
    EXPECT_EQ((std::vector<bool>{false}), closings);
    // Only the callback's own lock is held while the caller hears it.
    EXPECT_EQ(1, lockDepthAtClose);

    launch();
    EXPECT_EQ(3, control(operation).chosen);
    EXPECT_EQ("2", control(cyclesField).text);
    EXPECT_EQ(1u, widgets().dialogsTitled("Time Animation Options").size());
    widgets().pressCancel(dialog);
}

TEST_F(DialogTimeOptionsTest, CyclesFieldAndArrowsNeverGoBelowOne)
{
    settings.timeAnimationOperation = Loop;
    launch();
    widgets().spinDown(cyclesField);
    EXPECT_EQ("1", control(cyclesField).text);
    widgets().spinUp(cyclesField);
    widgets().spinUp(cyclesField);
    EXPECT_EQ("3", control(cyclesField).text);
    EXPECT_EQ(0, widgets().typeText(cyclesField, "0"));
    EXPECT_EQ("Invalid input. Input must be a number greater than or equal to 1.", host().messages.errors().back());
    EXPECT_EQ("3", control(cyclesField).text);
    EXPECT_EQ(0, widgets().typeText(cyclesField, "many"));
    EXPECT_EQ(1, widgets().typeText(cyclesField, "2147483647"));
    widgets().spinUp(cyclesField);
    EXPECT_EQ("2147483647", control(cyclesField).text);
    widgets().pressOk(dialog);
    EXPECT_EQ(2147483647, settings.numCycles);
}

}  // namespace
