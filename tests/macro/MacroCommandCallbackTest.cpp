#include "macro/MacroCommandCallback.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <variant>
#include <vector>

#include "ZorUtil.h"
#include "gui/DialogMain.h"
#include "gui/DialogMainFixture.h"
#include "keyframes/ListModelKeyFrame.h"
#include "settingsfile/KeyFrameFile.h"

namespace {

using namespace dialog_main;
using Lines = std::vector<std::string>;

const std::string ErrorPrefix = "Key Frame Animation error:\n";

KeyFrame_s keyFrame(double psi, const std::string& name, uint32_t frameCount)
{
    return KeyFrame_s(ThreeDView_s(0.0, 0.0, 10.0, psi, 30.0, 0.0, 2.5), name, frameCount, 0.0);
}

// The host's line for a command of the add-on, as the host records it.
std::string recorded(const std::string& command)
{
    return "$!ADDONCOMMAND ADDON = \"Key Frame Animation\" COMMAND = " + zorsim::quoteMacroText(command);
}

class MacroCommandCallbackTest : public DialogMainFixture {
protected:
    static zorsim::MacroCommandResult play(const std::string& command)
    {
        const zorsim::MacroCommandResult result = host().registry.playAddOnCommand("Key Frame Animation", command);
        idle();
        return result;
    }

    // A settings file with three key frames and fade in on.
    std::string writeThreeKeyFrames(const std::string& name)
    {
        const std::string path = file(name);
        AnimationSettings_s settings;
        settings.fadeIn = true;
        ListModelKeyFrame keyFrames;
        keyFrames.setKeyFrames(threeKeyFrames());
        KeyFrameFile().write(path, settings, keyFrames);
        return path;
    }

    static std::vector<KeyFrame_s> threeKeyFrames()
    {
        return {keyFrame(10.0, "Start", 3), keyFrame(20.0, "Middle", 3), keyFrame(30.0, "End", 3)};
    }

    static std::vector<std::string> names()
    {
        std::vector<std::string> result;
        for (const KeyFrame_s& keyFrame : DialogMain::get().getKeyFrames())
            result.push_back(keyFrame.name);
        return result;
    }
};

TEST_F(MacroCommandCallbackTest, EveryRefusalReachesTheHostAsItsErrorText)
{
    struct Case {
        std::string command;
        std::string message;
    };
    const std::vector<Case> cases = {
        {"", "Invalid macro command string."},
        {"Rewind", "Unknown macro command: Rewind"},
        {"Animate", "Invalid macro command: missing value for parameter \"AnimationDestination\""},
        {"Animate AnimationDestination=Sideways",
         "Invalid macro command: invalid value for parameter \"AnimationDestination\""},
        {"Animate Speed=3", "Unknown macro parameter: Speed"},
        {"OpenSettingsFile FileName=/no/such/folder/a.keyframe", "Unable to open file for reading."},
    };
    for (const Case& testCase : cases) {
        const zorsim::MacroCommandResult result = play(testCase.command);
        EXPECT_FALSE(result.ok) << testCase.command;
        EXPECT_EQ(ErrorPrefix + testCase.message, result.errorText) << testCase.command;
    }
    EXPECT_TRUE(host().memory.nothingOut());
    EXPECT_EQ(0, host().memory.faults());
}

TEST_F(MacroCommandCallbackTest, AFileReadsTheSameWhetherOrNotItsLastLineEndsWithALineEnd)
{
    struct Case {
        std::string text;
        std::size_t keyFrames;
        bool fadeOut;
        // Empty when the file reads.
        std::string refusal;
    };
    const std::string header = "#!KeyFrame 1\n";
    const std::string view = "%KeyFrameView\n Position 1 2 3\n Angle 4 5 6\n FrameCount 2";
    const Case cases[] = {
        // Sections left open at the end of the file end there.
        {header + "%Settings\n FadeOut true", 0, true, ""},
        {header + view + "\n%KeyFrameView\n" + view, 2, false, ""},
        // The last line is checked like every other.
        {header + view + "\n%KeyFrameView\n%Bogus", 3, false,
         "Error reading key frame settings file.\n\nUnknown section header: %Bogus\n\n"
         "Error occurred on line number 7."},
    };
    const std::string path = file("ending.keyframe");
    for (const Case& c : cases) {
        for (const char* ending : {"", "\n", "\r\n"}) {
            SCOPED_TRACE(testing::Message() << c.text << " ending with " << testing::PrintToString(ending));
            DialogMain::get().setKeyFrames(threeKeyFrames());
            DialogMain::get().setSettings(AnimationSettings_s());
            std::ofstream(path, std::ios::binary) << c.text << ending;
            const zorsim::MacroCommandResult result = play("OpenSettingsFile FileName=" + path);
            EXPECT_EQ(c.refusal.empty(), result.ok);
            EXPECT_EQ(c.refusal.empty() ? "" : ErrorPrefix + c.refusal, result.errorText);
            EXPECT_EQ(c.keyFrames, DialogMain::get().getKeyFrames().size());
            EXPECT_EQ(c.fadeOut, DialogMain::get().getSettings().fadeOut);
        }
    }
}

TEST_F(MacroCommandCallbackTest, AnAnimationErrorReachesTheHostAsItsErrorText)
{
    play("OpenSettingsFile FileName=" + writeThreeKeyFrames("three.keyframe"));
    host().frames.setPlotType(ZOR_PLOT_CARTESIAN2D);
    const zorsim::MacroCommandResult result = play("Animate AnimationDestination=OnScreen");
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(ErrorPrefix + "The current frame must be in 3D Cartesian mode.", result.errorText);
}

TEST_F(MacroCommandCallbackTest, AMessageOfAnyLengthIsHandedOutWholeAndNoStringWhenNoneCanBeHad)
{
    const std::string longName(5000, 'x');
    const zorsim::MacroCommandResult result = play(longName);
    EXPECT_EQ(ErrorPrefix + "Unknown macro command: " + longName, result.errorText);
    EXPECT_EQ(0, host().memory.faults());

    host().memory.failNextStringAlloc();
    const zorsim::MacroCommandResult unallocated = play("Rewind");
    EXPECT_FALSE(unallocated.ok);
    EXPECT_FALSE(unallocated.hasErrorText);
}

TEST_F(MacroCommandCallbackTest, OpenSettingsFileFillsTheDialogAndARefusedFileChangesNothing)
{
    const std::string path = writeThreeKeyFrames("three.keyframe");
    const zorsim::MacroCommandResult opened = play("OpenSettingsFile FileName=" + path);
    ASSERT_TRUE(opened.ok) << opened.errorText;
    EXPECT_FALSE(opened.hasErrorText);
    EXPECT_EQ(threeKeyFrames(), DialogMain::get().getKeyFrames());
    EXPECT_TRUE(DialogMain::get().getSettings().fadeIn);

    host().macro.setRecording(true);
    const std::string bad = file("bad.keyframe");
    std::ofstream(bad) << "not a key frame file\n";
    EXPECT_FALSE(play("OpenSettingsFile FileName=" + bad).ok);
    EXPECT_EQ(threeKeyFrames(), DialogMain::get().getKeyFrames());
    EXPECT_TRUE(DialogMain::get().getSettings().fadeIn);
    EXPECT_TRUE(host().macro.lines().empty());
}

TEST_F(MacroCommandCallbackTest, AnimateToFileMakesAMovieAtTheHostsSpeedAndLeavesTheDestinationAtToFile)
{
    // Set before the add-on's first use, which must not replace it.
    ZorUtilExportSetup("ANIMATIONSPEED", nullptr, 12.0, 0);
    openDialog();
    play("OpenSettingsFile FileName=" + writeThreeKeyFrames("three.keyframe"));
    const std::string movie = file("macro.avi");
    ZorUtilExportSetup("EXPORTFORMAT", nullptr, 0.0, ExportFormat_AVI);
    ZorUtilExportSetup("EXPORTFNAME", nullptr, 0.0, reinterpret_cast<ZorArbParam>(movie.c_str()));

    const zorsim::MacroCommandResult result = play("Animate AnimationDestination=ToFile");
    ASSERT_TRUE(result.ok) << result.errorText;
    EXPECT_EQ(1, host().exports.finishes());
    EXPECT_EQ(7, host().exports.movieFrames());
    EXPECT_EQ(12.0, std::get<double>(host().exports.values().value("ANIMATIONSPEED")));
    EXPECT_EQ(ToFile, DialogMain::get().getSettings().destination);
    EXPECT_EQ("To File", destinationShown());
}

TEST_F(MacroCommandCallbackTest, AnimateToFileLeavesAnExportThatAnotherStartedAlone)
{
    play("OpenSettingsFile FileName=" + writeThreeKeyFrames("three.keyframe"));
    const std::string other = file("other.avi");
    ZorUtilExportSetup("EXPORTFORMAT", nullptr, 0.0, ExportFormat_AVI);
    ZorUtilExportSetup("EXPORTFNAME", nullptr, 0.0, reinterpret_cast<ZorArbParam>(other.c_str()));
    ASSERT_TRUE(ZorUtilExportStart());

    const zorsim::MacroCommandResult refused = play("Animate AnimationDestination=ToFile");
    EXPECT_FALSE(refused.ok);
    EXPECT_EQ(ErrorPrefix + "Unable to start animation export. Another export is already in progress.",
              refused.errorText);
    EXPECT_TRUE(host().exports.isRecording()) << "the other export runs on";
    EXPECT_EQ(0, host().exports.finishes() + host().exports.cancels());
}

TEST_F(MacroCommandCallbackTest, RecordingWritesOneCommandPerEventAndPlaysBackTheSame)
{
    const std::string path = writeThreeKeyFrames("my animation.keyframe");
    openDialog();
    host().macro.setRecording(true);
    host().fileDialog.answerWith(path);
    pick("&File", "&Open Animation File...");
    const std::string openCommand = "OpenSettingsFile FileName=\"" + path + "\"";
    ASSERT_EQ(Lines({recorded(openCommand)}), host().macro.lines());

    press(Clear);
    EXPECT_TRUE(play(openCommand).ok);
    EXPECT_EQ(Lines({"Start", "Middle", "End"}), names());
    EXPECT_EQ(Lines({"Start", "Middle", "End"}), lines());
    EXPECT_EQ(2u, host().macro.lines().size());
    EXPECT_EQ(recorded(openCommand), host().macro.lines().back());

    select({0, 1});
    press(AnimateSelected);
    EXPECT_EQ(2u, host().macro.lines().size());
    press(AnimateAll);
    EXPECT_EQ(Lines({recorded(openCommand), recorded(openCommand), recorded("Animate AnimationDestination=OnScreen")}),
              host().macro.lines());
    EXPECT_TRUE(play("Animate AnimationDestination=OnScreen").ok);
    EXPECT_EQ(4u, host().macro.lines().size());
    EXPECT_TRUE(host().messages.errors().empty());
}

TEST_F(MacroCommandCallbackTest, EditsAfterAFileOpenedWhileTheDialogWasClosedAllShow)
{
    openDialog();
    appendView(5.0);
    widgets().closeDialog(dialog());
    EXPECT_TRUE(play("OpenSettingsFile FileName=" + writeThreeKeyFrames("three.keyframe")).ok);

    openDialog();
    EXPECT_EQ(Lines({"Start", "Middle", "End"}), lines());
    appendView(40.0);
    EXPECT_EQ(Lines({"Start", "Middle", "End", "View 4"}), lines());
    select({1});
    typeInto(viewNameField(), "Halfway");
    EXPECT_EQ(Lines({"Start", "Halfway", "End", "View 4"}), lines());
    select({0});
    press(Delete);
    EXPECT_EQ(Lines({"Halfway", "End", "View 4"}), lines());
    EXPECT_EQ(Lines({"Halfway", "End", "View 4"}), names());
}

}  // namespace
