#include "export/DialogExportOptions.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "ZorGUI.h"
#include "addon/AddOnId.h"
#include "macro/MacroLanguage.h"
#include "support/HostFixture.h"

namespace {

using ::testing::ElementsAre;
using zorsim::ControlKind;

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
    int field(Field which) const { return controlsOf(dialog, ControlKind::TextField).at(which); }
    static int lockDepth() { return host().lock.depth(AddOnId); }

    int mainDialog = ZOR_NO_CONTROL;
    int dialog = ZOR_NO_CONTROL;
    int confirmations = 0;
};

TEST_F(DialogExportOptionsTest, ControlsAreSensitiveExactlyWhereTheirOptionApplies)
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
        for (const int id : {find("AVI Compression:"), find("Color Preserving")})
            EXPECT_EQ(f.avi, control(id).sensitive);
        for (const int id : {find("Image Type:"), find("True Color"), find("Optimize for &Speed")})
            EXPECT_EQ(f.flash, control(id).sensitive);
        for (const int id : {find("Animation Speed (frames/sec):"), field(Speed)})
            EXPECT_EQ(f.speed, control(id).sensitive);
    }

    const auto supersample = [this] {
        return control(field(Supersample)).sensitive && control(find("Supersample Factor (2-16):")).sensitive;
    };
    EXPECT_FALSE(control(field(Width)).sensitive);
    EXPECT_FALSE(supersample());
    widgets().clickToggle(find("&Antialiasing"));
    EXPECT_TRUE(supersample());
    chooseItem(find("&Enter Width:"), "&Enter Width:");
    EXPECT_TRUE(control(field(Width)).sensitive);
    chooseItem(find("&Enter Width:"), "&Use Width of Image on Screen");
    EXPECT_FALSE(control(field(Width)).sensitive);
    widgets().pressCancel(dialog);
}

TEST_F(DialogExportOptionsTest, DimensionsFollowTheRegionAndTheEnteredWidthAndRefusedNumbersAreKeptOut)
{
    launch();
    const int dimensionsLabel = find("Dimensions: 768 x 576");
    const auto dimensions = [dimensionsLabel] { return control(dimensionsLabel).text; };
    chooseItem(find("Active Frame"), "Work Area");
    EXPECT_EQ("Dimensions: 1600 x 1000", dimensions());
    chooseItem(find("Active Frame"), "Active Frame");
    chooseItem(find("&Enter Width:"), "&Enter Width:");
    EXPECT_EQ("Dimensions: 300 x 225", dimensions());
    EXPECT_EQ(1, widgets().typeText(field(Width), "640"));
    EXPECT_EQ("Dimensions: 640 x 480", dimensions());

    widgets().clickToggle(find("&Antialiasing"));
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
    EXPECT_EQ("Dimensions: 640 x 480", dimensions());
    widgets().pressCancel(dialog);
}

TEST_F(DialogExportOptionsTest, CancelAndAnUnnamedMovieSetNothingAndTheNextLaunchRereadsTheHost)
{
    launch();
    chooseItem(find("AVI"), "Flash (SWF)");
    chooseItem(find("&Enter Width:"), "&Enter Width:");
    widgets().typeText(field(Width), "1024");
    widgets().typeText(field(Speed), "12.5");
    widgets().clickToggle(find("&Antialiasing"));
    widgets().pressCancel(dialog);
    EXPECT_FALSE(widgets().dialog(dialog).up);

    host().exports.values().set("EXPORTFORMAT", 22);
    launch();
    EXPECT_EQ("1024", control(field(Width)).text);
    EXPECT_EQ(6, control(find("AVI")).chosen);
    EXPECT_EQ("30", control(field(Speed)).text);
    EXPECT_FALSE(control(find("&Antialiasing")).on);
    EXPECT_EQ(1u, widgets().dialogsTitled("Export Options").size());

    EXPECT_EQ(1, lockDepth()) << "the modal dialog holds the lock while it is up";
    chooseItem(find("AVI"), "MPEG-4");
    host().fileDialog.answerCancel();
    widgets().pressOk(dialog);
    ASSERT_EQ(1u, host().fileDialog.requests().size());
    EXPECT_EQ("export.mp4", host().fileDialog.requests().back().proposedName);
    EXPECT_EQ(ZOR_FILE_DIALOG_SAVE_ASK_OVERWRITE, host().fileDialog.requests().back().option);
    EXPECT_TRUE(widgets().dialog(dialog).up);
    EXPECT_EQ("", lastCall("ZorUtilExportSetup")) << "nothing set in the host";
    EXPECT_EQ(0, confirmations);

    const std::string movie = ::testing::TempDir() + "kfa_export_ok.mp4";
    host().fileDialog.answerWith(movie);
    widgets().pressOk(dialog);
    EXPECT_FALSE(widgets().dialog(dialog).up);
    EXPECT_EQ(0, lockDepth());
    EXPECT_EQ(21, std::get<int>(host().exports.values().value("EXPORTFORMAT")));
    EXPECT_EQ(movie, host().exports.values().fileName());
    EXPECT_EQ(1, confirmations);
}

TEST_F(DialogExportOptionsTest, UserWalksThroughTheDialogToAMovie)
{
    host().macro.setRecording(true);
    launch();
    EXPECT_EQ((std::vector<int>{mainDialog, dialog}), widgets().dialogsUp());
    EXPECT_EQ(mainDialog, widgets().dialog(dialog).parent);
    widgets().pressHelp(dialog);
    EXPECT_EQ("zorvan/export_options.html", host().messages.helpPages().back());
    chooseItem(find("AVI"), "AVI");
    chooseItem(find("Color Preserving"), "Lossless Uncompressed");
    chooseItem(find("Active Frame"), "Active Frame");
    chooseItem(find("&Enter Width:"), "&Enter Width:");
    widgets().typeText(field(Width), "400");
    widgets().typeText(field(Speed), "24");
    widgets().clickToggle(find("&Antialiasing"));
    widgets().typeText(field(Supersample), "4");
    // The host's macro language reads \" and \\ in a text as " and \.
    const std::string movie = ::testing::TempDir() + "kfa \"walk\" \\n\\ \\\".avi";
    host().fileDialog.answerWith(movie);
    widgets().pressOk(dialog);

    std::vector<std::string> recorded = host().macro.lines();
    ASSERT_EQ(8u, recorded.size());
    const std::optional<zorhost::MacroCommand> fileName = zorhost::parseMacroLine(recorded.back(), 8);
    ASSERT_TRUE(fileName.has_value()) << recorded.back();
    EXPECT_EQ("EXPORTSETUP", fileName->name);
    ASSERT_NE(nullptr, fileName->find("EXPORTFNAME")) << recorded.back();
    EXPECT_EQ(movie, fileName->find("EXPORTFNAME")->value.text) << recorded.back();
    recorded.pop_back();
    EXPECT_THAT(recorded,
                ElementsAre("$!EXPORTSETUP EXPORTFORMAT = AVI", "$!EXPORTSETUP AVICOMPRESSION = LOSSLESSUNCOMPRESSED",
                            "$!EXPORTSETUP EXPORTREGION = CURRENTFRAME", "$!EXPORTSETUP IMAGEWIDTH = 400",
                            "$!EXPORTSETUP ANIMATIONSPEED = 24", "$!EXPORTSETUP USESUPERSAMPLEANTIALIASING = true",
                            "$!EXPORTSETUP SUPERSAMPLEFACTOR = 4"));
    EXPECT_EQ(1, confirmations);
    EXPECT_EQ((std::vector<int>{mainDialog}), widgets().dialogsUp());
    EXPECT_TRUE(errors().empty());
}

}  // namespace
