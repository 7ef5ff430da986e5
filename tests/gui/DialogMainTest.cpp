#include "gui/DialogMain.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "gui/DialogMainFixture.h"
#include "support/TempFolder.h"

namespace {

using namespace dialog_main;
using Lines = std::vector<std::string>;

class DialogMainTest : public DialogMainFixture {
protected:
    static const std::vector<KeyFrame_s>& keyFrames() { return DialogMain::get().getKeyFrames(); }

    // The psi angle of every key frame, to a millionth of a degree: the host
    // hands angles out in radians.
    static std::vector<double> psiAngles()
    {
        std::vector<double> angles;
        for (const KeyFrame_s& keyFrame : keyFrames())
            angles.push_back(std::round(keyFrame.view.psi * 1e6) / 1e6);
        return angles;
    }

    // Four key frames "View 1" .. "View 4" at psi 10, 20, 30, 40.
    void appendFour()
    {
        for (const double psi : {10.0, 20.0, 30.0, 40.0})
            appendView(psi);
    }

    // The psi angle of every frame drawn on screen from now on.
    void recordDrawnFrames()
    {
        host().drawing.onRedraw = [this](bool) { drawnPsi.push_back(host().view.current().psi); };
    }

    void TearDown() override
    {
        host().drawing.onRedraw = nullptr;
        DialogMainFixture::TearDown();
    }

    std::vector<double> drawnPsi;
};

TEST_F(DialogMainTest, AppendAndInsertNameTheKeyFrameAfterTheListLengthAndTakeTheLastFrameCount)
{
    openDialog();
    EXPECT_EQ(Lines({"No Key Frames established."}), lines());
    appendView(10.0, 0.5);
    ASSERT_EQ(1u, keyFrames().size());
    EXPECT_EQ("View 1", keyFrames()[0].name);
    EXPECT_EQ(30u, keyFrames()[0].frameCount);
    EXPECT_EQ(0.5, keyFrames()[0].solutionTime);
    // The new key frame is not selected: the one-key-frame controls stay off.
    EXPECT_FALSE(isSensitive(Apply));
    EXPECT_FALSE(isSensitive(Update));

    appendView(20.0);
    select({1});
    ASSERT_EQ(1, typeInto(frameCountField(), "12"));
    appendView(30.0);
    select({1});
    setView(99.0);
    press(Insert);
    EXPECT_EQ(Lines({"View 1", "View 4", "View 2", "View 3"}), lines());
    EXPECT_EQ(12u, keyFrames()[1].frameCount);
    EXPECT_EQ(99.0, keyFrames()[1].view.psi);
}

TEST_F(DialogMainTest, AppendOnAFrameThatIsNot3DAddsNothingAndSaysWhy)
{
    openDialog();
    host().frames.setPlotType(ZOR_PLOT_CARTESIAN2D);
    press(Append);
    EXPECT_TRUE(keyFrames().empty());
    EXPECT_EQ(std::vector<std::string>({"The current frame must be in 3D Cartesian mode."}), host().messages.errors());
}

TEST_F(DialogMainTest, UpdateTakesTheViewAndTimeAndApplyGivesThemBack)
{
    openDialog();
    appendView(10.0, 1.0);
    appendView(20.0, 2.0);
    select({0});
    setView(55.0, 3.0);
    press(Update);
    EXPECT_EQ("View 1", keyFrames()[0].name);
    EXPECT_EQ(30u, keyFrames()[0].frameCount);
    EXPECT_EQ(55.0, keyFrames()[0].view.psi);
    EXPECT_EQ(3.0, keyFrames()[0].solutionTime);

    select({1});
    setView(0.0, 0.0);
    press(Apply);
    EXPECT_NEAR(20.0, host().view.current().psi, 1e-9);
    EXPECT_EQ(2.0, host().dataSet.solutionTime());
}

TEST_F(DialogMainTest, DeleteRemovesScatteredAndContinuousSelectionsAndClearRemovesAll)
{
    openDialog();
    appendFour();
    appendView(50.0);
    select({0, 2, 3});
    press(Delete);
    EXPECT_EQ((std::vector<double>{20.0, 50.0}), psiAngles());
    EXPECT_EQ(Lines({"View 2", "View 5"}), lines());

    appendView(60.0);
    select({0, 1});
    press(Delete);
    EXPECT_EQ((std::vector<double>{60.0}), psiAngles());

    press(Clear);
    EXPECT_TRUE(keyFrames().empty());
    EXPECT_EQ(Lines({"No Key Frames established."}), lines());
    EXPECT_FALSE(isSensitive(Clear));
}

TEST_F(DialogMainTest, RenamingTakesANameThatReadsBackFromAFileAndRefusesOthers)
{
    openDialog();
    appendView(10.0);
    appendView(20.0);
    select({1});
    EXPECT_EQ("View 2", control(viewNameField()).text);
    const std::string odd = " C:\\tilt 'up' % #!KeyFrame ";
    EXPECT_EQ(1, typeInto(viewNameField(), odd));
    EXPECT_EQ(Lines({"View 1", odd}), lines());

    for (const std::string refused : {"", "say \"hi\"", "two\nlines", "line\r"}) {
        EXPECT_EQ(1, typeInto(viewNameField(), refused));
        EXPECT_EQ(refused.empty() ? "The view name must be at least one character."
                                  : "The view name must not contain double quotation marks or line breaks.",
                  host().messages.errors().back());
        EXPECT_EQ(odd, keyFrames()[1].name) << refused;
        EXPECT_EQ(odd, control(viewNameField()).text) << refused;
    }

    host().fileDialog.answerWith(file("names.keyframe"));
    pick("&File", "Save Animation File &As...");
    press(Clear);
    host().fileDialog.answerWith(file("names.keyframe"));
    pick("&File", "&Open Animation File...");
    EXPECT_EQ(Lines({"View 1", odd}), lines());
}

TEST_F(DialogMainTest, FrameCountFieldServesOneOrSeveralKeyFrames)
{
    openDialog();
    appendFour();
    select({0});
    typeInto(frameCountField(), "10");
    select({1});
    typeInto(frameCountField(), "20");

    select({0, 1});
    EXPECT_EQ("", control(frameCountField()).text);
    EXPECT_EQ(1, typeInto(frameCountField(), "15"));
    EXPECT_EQ(15u, keyFrames()[0].frameCount);
    EXPECT_EQ(15u, keyFrames()[1].frameCount);
    EXPECT_EQ(30u, keyFrames()[2].frameCount);

    select({2, 3});
    EXPECT_EQ("30", control(frameCountField()).text);
    EXPECT_EQ(0, typeInto(frameCountField(), "0"));
    EXPECT_EQ(30u, keyFrames()[2].frameCount);
    EXPECT_EQ(1u, host().messages.errors().size());
}

TEST_F(DialogMainTest, SensitivitiesFollowTheListAndTheSelection)
{
    struct Case {
        int keyFrames;
        std::vector<int> selection;
        bool one, some, several, clear, animateAll;
    };
    const std::vector<Case> cases = {
        {0, {}, false, false, false, false, false},    {1, {}, false, false, false, true, false},
        {1, {0}, true, true, false, true, false},      {2, {}, false, false, false, true, true},
        {3, {1}, true, true, false, true, true},       {3, {0, 2}, false, true, true, true, true},
        {3, {0, 1, 2}, false, true, true, true, true},
    };
    openDialog();
    for (const Case& testCase : cases) {
        if (!keyFrames().empty())
            press(Clear);
        for (int index = 0; index < testCase.keyFrames; ++index)
            appendView(index);
        select(testCase.selection);
        SCOPED_TRACE(testing::Message() << testCase.keyFrames << " key frames, " << testCase.selection.size()
                                        << " selected");
        for (const char* oneOnly : {Apply, Update, "View Name:"})
            EXPECT_EQ(testCase.one, isSensitive(oneOnly)) << oneOnly;
        EXPECT_EQ(testCase.one, widgets().control(viewNameField()).sensitive);
        for (const char* some : {Delete, Insert, "Frame Count:"})
            EXPECT_EQ(testCase.some, isSensitive(some)) << some;
        EXPECT_EQ(testCase.some, widgets().control(frameCountField()).sensitive);
        EXPECT_EQ(testCase.several, isSensitive(AnimateSelected));
        EXPECT_EQ(testCase.clear, isSensitive(Clear));
        EXPECT_EQ(testCase.animateAll, isSensitive(AnimateAll));
        EXPECT_TRUE(isSensitive(Append));
        EXPECT_TRUE(isSensitive("On Screen"));
    }
}

TEST_F(DialogMainTest, SaveAsksForANameOnceSaveAsAlwaysAndOpenReadsTheFileBack)
{
    openDialog();
    pick("&File", "&Save Animation File");
    EXPECT_EQ(std::vector<std::string>({"No Key Frames established."}), host().messages.errors());
    EXPECT_TRUE(host().fileDialog.requests().empty());

    appendView(10.0);
    appendView(20.0);
    const std::string first = file("first.keyframe");
    host().fileDialog.answerWith(first);
    pick("&File", "&Save Animation File");
    ASSERT_TRUE(std::filesystem::exists(first));
    appendView(30.0);
    pick("&File", "&Save Animation File");
    EXPECT_EQ(1u, host().fileDialog.requests().size());

    const std::string second = file("second.keyframe");
    host().fileDialog.answerWith(second);
    press(Clear);
    appendView(40.0);
    pick("&File", "Save Animation File &As...");
    EXPECT_EQ(2u, host().fileDialog.requests().size());
    EXPECT_EQ(ZOR_FILE_DIALOG_SAVE_ASK_OVERWRITE, host().fileDialog.requests().back().option);

    host().fileDialog.answerWith(first);
    pick("&File", "&Open Animation File...");
    EXPECT_EQ(ZOR_FILE_DIALOG_OPEN, host().fileDialog.requests().back().option);
    EXPECT_EQ((std::vector<double>{10.0, 20.0, 30.0}), psiAngles());
    EXPECT_EQ(Lines({"View 1", "View 2", "View 3"}), lines());
    EXPECT_TRUE(isSensitive(AnimateAll));
    appendView(50.0);
    pick("&File", "&Save Animation File");
    EXPECT_EQ(3u, host().fileDialog.requests().size()) << "the file opened is saved without asking";
    EXPECT_NE(std::string::npos, readFile(first).find("View 4"));
}

TEST_F(DialogMainTest, OpeningARefusedFileKeepsTheListAndSaveAsksBeforeWritingOverIt)
{
    openDialog();
    appendView(10.0);
    const std::string newer = file("newer.keyframe");
    std::ofstream(newer) << "#!KeyFrame 2\n";
    host().fileDialog.answerWith(newer);
    pick("&File", "&Open Animation File...");
    EXPECT_EQ((std::vector<double>{10.0}), psiAngles());
    EXPECT_EQ(std::vector<std::string>({"File created with a newer version of the Key Frame add-on."}),
              host().messages.errors());

    host().fileDialog.answerCancel();
    pick("&File", "&Save Animation File");
    EXPECT_EQ(2u, host().fileDialog.requests().size()) << "Save asks for a name";
    EXPECT_EQ("#!KeyFrame 2\n", readFile(newer));
}

TEST_F(DialogMainTest, OptionTogglesFlipTheSettingsAndAnimateAllSwitchesOffWhatTheDataCannotDo)
{
    openDialog();
    pick("&Options", "Animate &Time Concurrently");
    pick("&Options", "Animate &Streamtraces Concurrently");
    pick("&Options", "Fade &In");
    EXPECT_TRUE(DialogMain::get().getSettings().animateTime);
    EXPECT_TRUE(DialogMain::get().getSettings().animateStreamtraces);
    EXPECT_TRUE(DialogMain::get().getSettings().fadeIn);
    EXPECT_FALSE(DialogMain::get().getSettings().fadeOut);
    EXPECT_TRUE(isToggleOn("Fade &In"));
    pick("&Options", "Animate &Time Concurrently");
    EXPECT_FALSE(isToggleOn("Animate &Time Concurrently"));
    pick("&Options", "Time &Animation Options...");
    widgets().pressOk(widgets().dialogsTitled("Time Animation Options").at(0));
    EXPECT_TRUE(isToggleOn("Animate &Time Concurrently"));

    appendView(10.0);
    appendView(20.0);
    recordDrawnFrames();
    press(AnimateAll);
    ASSERT_EQ(2u, host().messages.messageBoxes().size());
    EXPECT_EQ("The current data set is not transient.\nConcurrent time animation will be disabled.",
              host().messages.messageBoxes()[0].text);
    EXPECT_EQ("Neither streamtrace markers nor dashes are enabled.\nConcurrent streamtrace animation will be disabled.",
              host().messages.messageBoxes()[1].text);
    EXPECT_EQ(ZOR_MESSAGE_NOTICE, host().messages.messageBoxes()[1].kind);
    EXPECT_FALSE(DialogMain::get().getSettings().animateTime);
    EXPECT_FALSE(DialogMain::get().getSettings().animateStreamtraces);
    EXPECT_EQ(31u, drawnPsi.size());
    EXPECT_TRUE(host().messages.errors().empty());
}

TEST_F(DialogMainTest, AnimateSelectedPlaysAContinuousRangeOnScreenOnlyAndIsNotRecorded)
{
    openDialog();
    appendView(10.0);
    select({0});
    typeInto(frameCountField(), "2");
    for (const double psi : {20.0, 30.0, 40.0})
        appendView(psi);
    host().macro.setRecording(true);
    recordDrawnFrames();

    select({1, 3});
    press(AnimateSelected);
    EXPECT_EQ(std::vector<std::string>({"Selected items must be a continuous range."}), host().messages.errors());
    EXPECT_TRUE(drawnPsi.empty());

    chooseDestination(2);
    EXPECT_EQ(ToFile, DialogMain::get().getSettings().destination);
    select({1, 2, 3});
    press(AnimateSelected);
    ASSERT_EQ(1u, host().messages.messageBoxes().size());
    EXPECT_EQ("\"Animate Selected\" does not support output to file.\nThe destination has been reset to \"On Screen\".",
              host().messages.messageBoxes()[0].text);
    EXPECT_EQ("On Screen", destinationShown());
    ASSERT_EQ(5u, drawnPsi.size());
    EXPECT_NEAR(20.0, drawnPsi.front(), 1e-9);
    EXPECT_NEAR(40.0, drawnPsi.back(), 1e-9);
    EXPECT_EQ(0, host().exports.starts());
    EXPECT_TRUE(host().macro.lines().empty());
}

TEST_F(DialogMainTest, AnimateAllToFileGoesThroughTheExportOptionsAndEndsInAMovie)
{
    openDialog();
    appendView(10.0);
    select({0});
    typeInto(frameCountField(), "3");
    appendView(20.0);
    host().macro.setRecording(true);
    chooseDestination(2);
    // The export options dialog holds the lock while it is up.
    widgets().pressButton(control(AnimateAll));

    const int exportDialog = widgets().dialogsTitled("Export Options").at(0);
    ASSERT_TRUE(widgets().dialog(exportDialog).up);
    const int formatMenu = widgets().controlWithText(exportDialog, "AVI");
    const std::vector<std::string>& formats = widgets().control(formatMenu).items;
    widgets().choose(formatMenu,
                     1 + static_cast<int>(std::find(formats.begin(), formats.end(), "AVI") - formats.begin()));
    const std::string movie = file("flight.avi");
    host().fileDialog.answerWith(movie);
    widgets().pressOk(exportDialog);
    idle();

    EXPECT_FALSE(widgets().dialog(exportDialog).up);
    EXPECT_EQ(1, host().exports.finishes());
    EXPECT_EQ(4, host().exports.movieFrames());
    EXPECT_TRUE(std::filesystem::exists(movie));
    EXPECT_EQ(ToFile, DialogMain::get().getSettings().destination);
    ASSERT_FALSE(host().macro.lines().empty());
    EXPECT_EQ("$!ADDONCOMMAND ADDON = \"Key Frame Animation\" COMMAND = \"Animate AnimationDestination=ToFile\"",
              host().macro.lines().back());
    EXPECT_TRUE(host().messages.errors().empty());
}

TEST_F(DialogMainTest, SwitchingTo2DClosesTheDialogAtIdleTimeAndReopeningShowsTheSameKeyFrames)
{
    openDialog();
    appendView(10.0);
    appendView(20.0);
    host().frames.setPlotType(ZOR_PLOT_CARTESIAN2D);
    EXPECT_TRUE(isDialogUp());
    idle();
    EXPECT_FALSE(isDialogUp());

    host().frames.setPlotType(ZOR_PLOT_CARTESIAN3D);
    openDialog();
    EXPECT_TRUE(isDialogUp());
    EXPECT_EQ(Lines({"View 1", "View 2"}), lines());
    appendView(30.0);
    EXPECT_EQ(Lines({"View 1", "View 2", "View 3"}), lines());
    EXPECT_EQ(1, static_cast<int>(widgets().dialogsTitled(Title).size()));
}

TEST_F(DialogMainTest, HelpOpensTheDialogsPage)
{
    openDialog();
    widgets().pressHelp(dialog());
    EXPECT_EQ(std::vector<std::string>({"zorvan/key_frame_animation.html"}), host().messages.helpPages());
}

}  // namespace
