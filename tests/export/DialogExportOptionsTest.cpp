#include "export/DialogExportOptions.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ZorGUI.h"
#include "addon/AddOnId.h"
#include "macro/MacroLanguage.h"
#include "support/HostFixture.h"

namespace {

using ::testing::ElementsAre;

class DialogExportOptionsTest : public HostFixture {
protected:
    DialogExportOptionsTest() : HostFixture(HostLogging::On) {}

    void SetUp() override
    {
        HostFixture::SetUp();
        addFrame(ZOR_PLOT_CARTESIAN3D);
        mainDialog = scratchDialog();
    }

    void launch()
    {
        ExportOptionsDialog::launch(mainDialog, [this] { ++confirmations; });
        dialog = widgets().dialogsTitled("Export Options").at(0);
    }
    // The control showing `text`, or holding it as an item.
    int find(const std::string& text) const { return widgets().controlWithText(dialog, text); }
    enum Field { Width, Supersample, Speed };
    int field(Field which) const { return controlsOf(dialog, zorsim::ControlKind::TextField).at(which); }
    bool isSensitive(const std::string& text) const { return control(find(text)).sensitive; }

    int mainDialog = ZOR_NO_CONTROL;
    int dialog = ZOR_NO_CONTROL;
    int confirmations = 0;
};

TEST_F(DialogExportOptionsTest, ControlsAreSensitiveWhereTheirOptionAppliesAndTheDimensionsFollowRegionAndWidth)
{
    launch();
    const struct {
        const char* format;
        bool avi, flash, speed;
    } formats[] = {
        {"AVI", true, false, true},     {"Flash (FLV)", false, false, true},      {"Flash (SWF)", false, true, true},
        {"MPEG-4", false, false, true}, {"Raster Metafile", false, false, false}, {"WMV", false, false, true},
    };
    for (const auto& f : formats) {
        SCOPED_TRACE(f.format);
        chooseItem(find("AVI"), f.format);
        EXPECT_TRUE(isSensitive("AVI Compression:") == f.avi && isSensitive("Color Preserving") == f.avi);
        for (const char* text : {"Image Type:", "True Color", "Optimize for &Speed"})
            EXPECT_EQ(f.flash, isSensitive(text)) << text;
        EXPECT_TRUE(isSensitive("Animation Speed (frames/sec):") == f.speed &&
                    control(field(Speed)).sensitive == f.speed);
    }
    EXPECT_FALSE(control(field(Supersample)).sensitive || isSensitive("Supersample Factor (2-16):"));
    widgets().clickToggle(find("&Antialiasing"));
    EXPECT_TRUE(control(field(Supersample)).sensitive && isSensitive("Supersample Factor (2-16):"));

    const int dimensions = find("Dimensions: 768 x 576");
    EXPECT_FALSE(control(field(Width)).sensitive);
    chooseItem(find("Active Frame"), "Work Area");
    EXPECT_EQ("Dimensions: 1600 x 1000", control(dimensions).text);
    chooseItem(find("&Enter Width:"), "&Enter Width:");
    EXPECT_TRUE(control(field(Width)).sensitive);
    EXPECT_EQ("Dimensions: 300 x 187", control(dimensions).text);
    EXPECT_EQ(1, widgets().typeText(field(Width), "640"));
    EXPECT_EQ("Dimensions: 640 x 400", control(dimensions).text);
    const struct {
        int field;
        const char* typed;
        const char* kept;
        const char* range;
    } refusals[] = {{field(Width), "2", "640", "between 4 and 32766"},
                    {field(Supersample), "17", "3", "between 2 and 16"},
                    {field(Speed), "0", "30", "between 0.001 and 200"}};
    for (const auto& r : refusals) {
        SCOPED_TRACE(r.typed);
        EXPECT_EQ(1, widgets().typeText(r.field, r.typed));
        EXPECT_EQ(std::string("Invalid input. Input must be a number ") + r.range + ".", lastError());
        EXPECT_EQ(r.kept, control(r.field).text);
    }
    widgets().pressCancel(dialog);
}

TEST_F(DialogExportOptionsTest, CancelSetsNothingAndOkSetsAndRecordsTheOptionsOnceTheMovieIsNamed)
{
    launch();
    EXPECT_EQ(mainDialog, widgets().dialog(dialog).parent);
    widgets().pressHelp(dialog);
    EXPECT_EQ("zorvan/export_options.html", host().messages.helpPages().back());
    chooseItem(find("AVI"), "Flash (SWF)");
    chooseItem(find("&Enter Width:"), "&Enter Width:");
    widgets().typeText(field(Width), "1024");
    widgets().pressCancel(dialog);
    EXPECT_FALSE(widgets().dialog(dialog).up);

    // The next launch rereads the host; the controls keep what the host does not hold.
    host().exports.values().set("EXPORTFORMAT", 22);
    launch();
    EXPECT_EQ(6, control(find("AVI")).chosen);
    EXPECT_EQ("1024", control(field(Width)).text);
    EXPECT_EQ(1u, widgets().dialogsTitled("Export Options").size());
    EXPECT_EQ(1, host().lock.depth(AddOnId)) << "the modal dialog holds the lock while it is up";
    chooseItem(find("AVI"), "MPEG-4");
    host().fileDialog.answerCancel();
    widgets().pressOk(dialog);
    ASSERT_EQ(1u, host().fileDialog.requests().size());
    EXPECT_EQ("export.mp4", host().fileDialog.requests().back().proposedName);
    EXPECT_EQ(ZOR_FILE_DIALOG_SAVE_ASK_OVERWRITE, host().fileDialog.requests().back().option);
    EXPECT_TRUE(widgets().dialog(dialog).up);
    EXPECT_EQ("", lastCall("ZorUtilExportSetup")) << "nothing set in the host";

    host().macro.setRecording(true);
    chooseItem(find("AVI"), "AVI");
    chooseItem(find("Color Preserving"), "Lossless Uncompressed");
    widgets().typeText(field(Width), "400");
    widgets().typeText(field(Speed), "24");
    widgets().clickToggle(find("&Antialiasing"));
    widgets().typeText(field(Supersample), "4");
    // The host's macro language reads \" and \\ in a text as " and \.
    const std::string movie = ::testing::TempDir() + "kfa \"walk\" \\n\\ \\\".avi";
    host().fileDialog.answerWith(movie);
    widgets().pressOk(dialog);
    EXPECT_EQ((std::vector<int>{mainDialog}), widgets().dialogsUp());
    EXPECT_EQ(0, host().lock.depth(AddOnId));
    EXPECT_EQ(1, confirmations);
    const std::vector<std::string>& recorded = host().macro.lines();
    EXPECT_THAT(recorded,
                ElementsAre("$!EXPORTSETUP EXPORTFORMAT = AVI", "$!EXPORTSETUP AVICOMPRESSION = LOSSLESSUNCOMPRESSED",
                            "$!EXPORTSETUP EXPORTREGION = CURRENTFRAME", "$!EXPORTSETUP IMAGEWIDTH = 400",
                            "$!EXPORTSETUP ANIMATIONSPEED = 24", "$!EXPORTSETUP USESUPERSAMPLEANTIALIASING = true",
                            "$!EXPORTSETUP SUPERSAMPLEFACTOR = 4", ::testing::_));
    const auto fileName = zorhost::parseMacroLine(recorded.at(7), 8);
    ASSERT_TRUE(fileName.has_value() && fileName->find("EXPORTFNAME") != nullptr) << recorded.at(7);
    EXPECT_EQ(movie, fileName->find("EXPORTFNAME")->value.text);
    EXPECT_TRUE(errors().empty());
}

}  // namespace
