#include "macro/MacroCommandCallback.h"

#include <gtest/gtest.h>

#include <string>
#include <variant>
#include <vector>

#include "ZorUtil.h"
#include "gui/DialogMain.h"
#include "gui/DialogMainFixture.h"
#include "keyframes/ListModelKeyFrame.h"
#include "settingsfile/KeyFrameFile.h"
#include "support/TempFolder.h"

namespace {

using namespace dialog_main;
using Lines = std::vector<std::string>;

const std::string ErrorPrefix = "Key Frame Animation error:\n";

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

    // A settings file with the key frames Start, Middle and End and fade in on.
    std::string writeThreeKeyFrames(const std::string& name)
    {
        AnimationSettings_s settings;
        settings.fadeIn = true;
        ListModelKeyFrame keyFrames;
        for (const auto& [psi, keyFrame] : {std::pair{10.0, "Start"}, {20.0, "Middle"}, {30.0, "End"}})
            keyFrames.insertItem(keyFrames.getCount(),
                                 KeyFrame_s(ThreeDView_s(0.0, 0.0, 10.0, psi, 30.0, 0.0, 2.5), keyFrame, 3, 0.0));
        KeyFrameFile().write(file(name), settings, keyFrames);
        return file(name);
    }

    static void setUpMovie(const std::string& movie)
    {
        ZorUtilExportSetup("EXPORTFORMAT", nullptr, 0.0, ExportFormat_AVI);
        ZorUtilExportSetup("EXPORTFNAME", nullptr, 0.0, reinterpret_cast<ZorArbParam>(movie.c_str()));
    }
};

TEST_F(MacroCommandCallbackTest, ARefusalReachesTheHostWholeBehindTheAddOnsName)
{
    const std::string longName(5000, 'x');
    const std::pair<std::string, std::string> cases[] = {
        {longName, "Unknown macro command: " + longName},
        {"Animate", "Invalid macro command: missing value for parameter \"AnimationDestination\""},
    };
    for (const auto& [command, message] : cases) {
        const zorsim::MacroCommandResult result = play(command);
        EXPECT_FALSE(result.ok);
        EXPECT_EQ(ErrorPrefix + message, result.errorText);
    }
    host().memory.failNextStringAlloc();
    const zorsim::MacroCommandResult unallocated = play("Rewind");
    EXPECT_FALSE(unallocated.ok);
    EXPECT_FALSE(unallocated.hasErrorText);
}

// A movie another export is writing is left alone; then the add-on's own
// movie is made at the speed the host had before the add-on's first use.
TEST_F(MacroCommandCallbackTest, AnimateToFileMakesAMovieAtTheHostsSpeedAndLeavesAnotherExportAlone)
{
    ZorUtilExportSetup("ANIMATIONSPEED", nullptr, 12.0, 0);
    openDialog();
    play("OpenSettingsFile FileName=" + writeThreeKeyFrames("three.keyframe"));
    setUpMovie(file("other.avi"));
    ASSERT_TRUE(ZorUtilExportStart());
    EXPECT_EQ(ErrorPrefix + "Unable to start animation export. Another export is already in progress.",
              play("Animate AnimationDestination=ToFile").errorText);
    ASSERT_TRUE(ZorUtilExportFinish()) << "the other export runs on";

    setUpMovie(file("macro.avi"));
    ASSERT_TRUE(play("Animate AnimationDestination=ToFile").ok);
    EXPECT_EQ(2, host().exports.finishes());
    EXPECT_EQ(7, host().exports.movieFrames());
    EXPECT_EQ(12.0, std::get<double>(host().exports.values().value("ANIMATIONSPEED")));
    EXPECT_EQ("To File", destinationShown());
}

// A refused file changes nothing and is not recorded.
TEST_F(MacroCommandCallbackTest, RecordingWritesOneCommandPerEventAndPlaysBackTheSame)
{
    const std::string path = writeThreeKeyFrames("my animation.keyframe");
    const std::string bad = file("bad.keyframe");
    writeFile(bad, "not a key frame file\n");
    openDialog();
    host().macro.setRecording(true);
    host().fileDialog.answerWith(path);
    pick("&File", "&Open Animation File...");
    const std::string openCommand = "OpenSettingsFile FileName=\"" + path + "\"";
    press(Clear);
    EXPECT_TRUE(play(openCommand).ok);
    EXPECT_FALSE(play("OpenSettingsFile FileName=" + bad).ok);
    EXPECT_EQ(Lines({"Start", "Middle", "End"}), lines());
    EXPECT_TRUE(DialogMain::get().getSettings().fadeIn);
    select({0, 1});
    press(AnimateSelected);
    EXPECT_TRUE(play("Animate AnimationDestination=OnScreen").ok);
    EXPECT_EQ(Lines({recorded(openCommand), recorded(openCommand), recorded("Animate AnimationDestination=OnScreen")}),
              host().macro.lines());
    EXPECT_TRUE(errors().empty());
}

TEST_F(MacroCommandCallbackTest, EditsAfterAFileOpenedWhileTheDialogWasClosedAllShow)
{
    openDialog();
    appendView(5.0);
    widgets().closeDialog(dialog());
    EXPECT_TRUE(play("OpenSettingsFile FileName=" + writeThreeKeyFrames("three.keyframe")).ok);
    openDialog();
    appendView(40.0);
    select({1});
    typeInto(viewNameField(), "Halfway");
    select({0});
    press(Delete);
    EXPECT_EQ(Lines({"Halfway", "End", "View 4"}), lines());
    EXPECT_EQ("Halfway", DialogMain::get().getKeyFrames().at(0).name) << "the dialog's list is the key frames";
}

}  // namespace
