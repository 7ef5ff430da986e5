#include "gui/DialogMain.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "gui/DialogMainFixture.h"

namespace {

using namespace dialog_main;
using ::testing::_;
using ::testing::DoubleNear;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::SizeIs;

const char* const NoKeyFrames = "No Key Frames established.";
// A view name that reads back from a settings file as it was written.
const std::string OddName = " C:\\tilt 'up' % #!KeyFrame ";

class DialogMainTest : public DialogMainFixture {
protected:
    static const std::vector<KeyFrame_s>& keyFrames() { return DialogMain::get().getKeyFrames(); }
    static const AnimationSettings_s& settings() { return DialogMain::get().getSettings(); }
};

TEST_F(DialogMainTest, AppendInsertUpdateTheFieldsEditKeyFramesAndApplyGivesTheViewBack)
{
    openDialog();
    appendView(10.0, 0.5);
    appendView(20.0);
    select({1});
    ASSERT_EQ(1, typeInto(frameCountField(), "12"));
    appendView(30.0);
    select({1});
    setView(99.0, 3.0);
    press(Insert);
    // Named after the list length, with the frame count of the last key frame.
    EXPECT_THAT(lines(), ElementsAre("View 1", "View 4", "View 2", "View 3"));
    EXPECT_EQ(99.0, keyFrames()[1].view.psi);
    EXPECT_EQ(12u, keyFrames()[1].frameCount);

    select({1});
    setView(55.0, 4.0);
    press(Update);
    EXPECT_EQ(12u, keyFrames()[1].frameCount);
    EXPECT_EQ(55.0, keyFrames()[1].view.psi);
    EXPECT_EQ(4.0, keyFrames()[1].solutionTime);
    select({0});
    press(Apply);
    EXPECT_NEAR(10.0, host().view.current().psi, 1e-9);
    EXPECT_EQ(0.5, host().dataSet.solutionTime());

    // The frame count field serves one or several key frames.
    select({0, 1});
    EXPECT_EQ("", control(frameCountField()).text) << "their frame counts differ";
    EXPECT_EQ(1, typeInto(frameCountField(), "15"));
    select({2, 3});
    EXPECT_EQ("12", control(frameCountField()).text);
    EXPECT_EQ(0, typeInto(frameCountField(), "0"));
    EXPECT_EQ(15u, keyFrames()[0].frameCount);
    EXPECT_EQ(15u, keyFrames()[1].frameCount);
    EXPECT_EQ(12u, keyFrames()[2].frameCount);
    EXPECT_THAT(errors(), SizeIs(1));

    // A name that reads back from a settings file is taken; others are refused.
    select({1});
    EXPECT_EQ("View 4", control(viewNameField()).text);
    EXPECT_EQ(1, typeInto(viewNameField(), OddName));
    EXPECT_EQ(OddName, lines()[1]);
    for (const std::string refused : {"", "say \"hi\"", "two\nlines", "line\r"}) {
        SCOPED_TRACE(refused);
        EXPECT_EQ(1, typeInto(viewNameField(), refused));
        EXPECT_EQ(refused.empty() ? "The view name must be at least one character."
                                  : "The view name must not contain double quotation marks or line breaks.",
                  lastError());
        EXPECT_EQ(OddName, keyFrames()[1].name);
        EXPECT_EQ(OddName, control(viewNameField()).text);
    }

    // Only a 3D frame has a view to capture.
    host().frames.setPlotType(ZOR_PLOT_CARTESIAN2D);
    EXPECT_THAT(act([] { press(Append); }).errors, SizeIs(1));
    EXPECT_THAT(keyFrames(), SizeIs(4));
}

TEST_F(DialogMainTest, SensitivitiesFollowTheListAndTheSelection)
{
    const struct {
        int keyFrames;
        std::vector<int> selection;
        bool one, some, several, clear, animateAll;
    } cases[] = {{0, {}, false, false, false, false, false},
                 {1, {0}, true, true, false, true, false},
                 {2, {}, false, false, false, true, true},
                 {3, {0, 2}, false, true, true, true, true}};
    openDialog();
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.keyFrames << " key frames, " << c.selection.size() << " selected");
        if (!keyFrames().empty())
            press(Clear);
        for (int index = 0; index < c.keyFrames; ++index)
            appendView(index);
        select(c.selection);
        for (const int id : {control(Apply), control(Update), control("View Name:"), viewNameField()})
            EXPECT_EQ(c.one, control(id).sensitive) << control(id).text;
        for (const int id : {control(Delete), control(Insert), control("Frame Count:"), frameCountField()})
            EXPECT_EQ(c.some, control(id).sensitive) << control(id).text;
        EXPECT_EQ(c.several, isSensitive(AnimateSelected));
        EXPECT_EQ(c.clear, isSensitive(Clear));
        EXPECT_EQ(c.animateAll, isSensitive(AnimateAll));
    }
}

TEST_F(DialogMainTest, SaveAsksForANameOnceSaveAsAlwaysAndOpenReadsTheFileBack)
{
    openDialog();
    EXPECT_THAT(act([] { pick("&File", "&Save Animation File"); }).errors, ElementsAre(NoKeyFrames));
    EXPECT_THAT(host().fileDialog.requests(), IsEmpty());

    appendView(10.0);
    appendView(20.0);
    select({1});
    typeInto(viewNameField(), OddName);
    host().fileDialog.answerCancel();
    pick("&File", "&Save Animation File");
    const std::string first = file("first.keyframe");
    host().fileDialog.answerWith(first);
    pick("&File", "&Save Animation File");
    appendView(30.0);
    pick("&File", "&Save Animation File");
    EXPECT_THAT(host().fileDialog.requests(), SizeIs(2)) << "Save asks until a name is given";

    host().fileDialog.answerWith(file("second.keyframe"));
    press(Clear);
    appendView(40.0);
    pick("&File", "Save Animation File &As...");
    EXPECT_THAT(host().fileDialog.requests(), SizeIs(3));
    EXPECT_EQ(ZOR_FILE_DIALOG_SAVE_ASK_OVERWRITE, host().fileDialog.requests().back().option);

    host().fileDialog.answerWith(first);
    pick("&File", "&Open Animation File...");
    EXPECT_EQ(ZOR_FILE_DIALOG_OPEN, host().fileDialog.requests().back().option);
    std::vector<double> psi;
    for (const KeyFrame_s& keyFrame : keyFrames())
        psi.push_back(keyFrame.view.psi);
    // To a millionth of a degree: the file holds the angles the host handed out in radians.
    EXPECT_THAT(psi, ::testing::Pointwise(DoubleNear(1e-6), std::vector<double>{10.0, 20.0, 30.0}));
    EXPECT_THAT(lines(), ElementsAre("View 1", OddName, "View 3"));
    EXPECT_TRUE(isSensitive(AnimateAll));
    appendView(50.0);
    pick("&File", "&Save Animation File");
    EXPECT_THAT(host().fileDialog.requests(), SizeIs(4)) << "the file opened is saved without asking";
    EXPECT_THAT(readFile(first), ::testing::HasSubstr("View 4"));

    // A file refused on opening leaves the list and the file saved to as they were.
    const std::string newer = file("newer.keyframe");
    writeFile(newer, "#!KeyFrame 2\n");
    host().fileDialog.answerWith(newer);
    EXPECT_THAT(act([] { pick("&File", "&Open Animation File..."); }).errors, SizeIs(1));
    EXPECT_THAT(lines(), ElementsAre("View 1", OddName, "View 3", "View 4"));
    pick("&File", "&Save Animation File");
    EXPECT_THAT(host().fileDialog.requests(), SizeIs(5));
    EXPECT_EQ("#!KeyFrame 2\n", readFile(newer));
}

TEST_F(DialogMainTest, OptionTogglesFlipTheSettingsAndAnimateAllSwitchesOffWhatTheDataCannotDo)
{
    openDialog();
    for (const char* entry : {"Animate &Time Concurrently", "Animate &Streamtraces Concurrently", "Fade &In"})
        pick("&Options", entry);
    EXPECT_TRUE(settings().animateTime && settings().animateStreamtraces && settings().fadeIn);
    EXPECT_FALSE(settings().fadeOut);
    EXPECT_TRUE(isToggleOn("Fade &In"));
    pick("&Options", "Animate &Time Concurrently");
    EXPECT_FALSE(isToggleOn("Animate &Time Concurrently"));
    pick("&Options", "Time &Animation Options...");
    widgets().pressOk(widgets().dialogsTitled("Time Animation Options").at(0));
    EXPECT_TRUE(isToggleOn("Animate &Time Concurrently"));

    appendView(10.0);
    appendView(20.0);
    const Outcome played = act([] { press(AnimateAll); });
    EXPECT_THAT(played.messageBoxes,
                ElementsAre("The current data set is not transient.\nConcurrent time animation will be disabled.",
                            "Neither streamtrace markers nor dashes are enabled.\n"
                            "Concurrent streamtrace animation will be disabled."));
    EXPECT_EQ(ZOR_MESSAGE_NOTICE, host().messages.messageBoxes().back().kind);
    EXPECT_FALSE(settings().animateTime || settings().animateStreamtraces);
    EXPECT_THAT(played.drawnPsi, SizeIs(31));
    EXPECT_THAT(played.errors, IsEmpty());
}

TEST_F(DialogMainTest, AnimateSelectedPlaysAContinuousRangeOnScreenUnrecordedAndAnimateAllToFileEndsInAMovie)
{
    openDialog();
    appendView(10.0);
    select({0});
    typeInto(frameCountField(), "2");
    for (const double psi : {20.0, 30.0, 40.0})
        appendView(psi);
    host().macro.setRecording(true);

    select({1, 3});
    const Outcome scattered = act([] { press(AnimateSelected); });
    EXPECT_THAT(scattered.errors, ElementsAre("Selected items must be a continuous range."));
    EXPECT_THAT(scattered.drawnPsi, IsEmpty());

    chooseDestination(2);
    select({1, 2, 3});
    const Outcome played = act([] { press(AnimateSelected); });
    EXPECT_THAT(played.messageBoxes, ElementsAre("\"Animate Selected\" does not support output to file.\n"
                                                 "The destination has been reset to \"On Screen\"."));
    EXPECT_EQ("On Screen", destinationShown());
    EXPECT_THAT(played.drawnPsi, ElementsAre(DoubleNear(20.0, 1e-9), _, _, _, DoubleNear(40.0, 1e-9)));
    EXPECT_EQ(0, host().exports.starts());
    EXPECT_THAT(played.recorded, IsEmpty());

    // Animate All goes through the export options into a movie, and is recorded.
    const std::string movie = file("flight.avi");
    const Outcome exported = animateToFile(movie);

    EXPECT_EQ(std::vector<int>{dialog()}, widgets().dialogsUp()) << "the export options are gone";
    EXPECT_EQ(1, host().exports.finishes());
    EXPECT_EQ(7, host().exports.movieFrames());
    EXPECT_TRUE(std::filesystem::exists(movie));
    ASSERT_FALSE(exported.recorded.empty());
    EXPECT_EQ("$!ADDONCOMMAND ADDON = \"Key Frame Animation\" COMMAND = \"Animate AnimationDestination=ToFile\"",
              exported.recorded.back());
    EXPECT_THAT(exported.errors, IsEmpty());
}

TEST_F(DialogMainTest, DeleteAndClearRemoveKeyFramesThatOutliveTheDialogClosedFor2D)
{
    openDialog();
    widgets().pressHelp(dialog());
    EXPECT_THAT(host().messages.helpPages(), ElementsAre("zorvan/key_frame_animation.html"));
    for (const double psi : {10.0, 20.0, 30.0, 40.0, 50.0})
        appendView(psi);
    select({0, 2, 3});
    press(Delete);
    EXPECT_THAT(lines(), ElementsAre("View 2", "View 5"));
    appendView(60.0);
    select({0, 1});
    press(Delete);
    EXPECT_THAT(lines(), ElementsAre("View 3"));

    host().frames.setPlotType(ZOR_PLOT_CARTESIAN2D);
    EXPECT_TRUE(isDialogUp());
    idle();
    EXPECT_FALSE(isDialogUp()) << "closed at idle time";
    host().frames.setPlotType(ZOR_PLOT_CARTESIAN3D);
    openDialog();
    EXPECT_TRUE(isDialogUp());
    EXPECT_THAT(lines(), ElementsAre("View 3"));
    appendView(70.0);
    EXPECT_THAT(lines(), ElementsAre("View 3", "View 2"));
    EXPECT_THAT(widgets().dialogsTitled(Title), SizeIs(1));
    press(Clear);
    EXPECT_THAT(lines(), ElementsAre(NoKeyFrames));
}

}  // namespace
