#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "ZorGUI.h"
#include "ZorUtil.h"
#include "addon/AddOnId.h"
#include "export/DialogExportOptions.h"
#include "macro/MacroLanguage.h"
#include "support/HostFixture.h"

namespace {

using zorsim::ControlKind;

int confirmations = 0;

class DialogExportOptionsTest : public HostFixture {
protected:
    DialogExportOptionsTest() : HostFixture(HostLogging::On) {}

    void SetUp() override
    {
        HostFixture::SetUp();
        confirmations = 0;
        addFrame(ZOR_PLOT_CARTESIAN3D);
        ZorUtilLockStart(AddOnId);
        mainDialog =
            ZorGUIDialogCreateModeless(ZOR_MAIN_WINDOW, 9000, 7000, "Key Frame Animation", nullptr, nullptr, nullptr);
        ZorGUIDialogLaunch(mainDialog);
        ZorUtilLockFinish(AddOnId);
    }

    void launch()
    {
        ExportOptionsDialog::launch(mainDialog, [] { ++confirmations; });
        dialog = ExportOptionsDialog::dialogId();
        const std::vector<int> menus = widgets().controlsOf(dialog, ControlKind::OptionMenu);
        regionMenu = menus[0];
        imageTypeMenu = menus[1];
        aviMenu = menus[2];
        formatMenu = menus[3];
        const std::vector<int> fields = widgets().controlsOf(dialog, ControlKind::TextField);
        widthField = fields[0];
        supersampleField = fields[1];
        speedField = fields[2];
        const std::vector<int> radios = widgets().controlsOf(dialog, ControlKind::RadioBox);
        widthChoice = radios[0];
        optimisation = radios[1];
        toggle = widgets().controlWithText(dialog, "&Antialiasing");
    }

    static zorsim::WidgetModel& widgets() { return host().widgets; }
    static const zorsim::Control& control(int id) { return widgets().control(id); }
    int labelWithText(const std::string& text) const { return widgets().controlWithText(dialog, text); }
    std::string dimensions() const
    {
        for (int label : widgets().controlsOf(dialog, ControlKind::Label))
            if (control(label).text.rfind("Dimensions: ", 0) == 0)
                return control(label).text;
        return "no dimensions label";
    }
    static int lockDepth() { return host().lock.depth(AddOnId); }
    static std::map<std::string, std::string> hostExportValues()
    {
        std::map<std::string, std::string> shown;
        for (const char* keyword :
             {"EXPORTFORMAT", "EXPORTREGION", "AVICOMPRESSION", "FLASHIMAGETYPE", "FLASHCOMPRESSIONTYPE",
              "ANIMATIONSPEED", "IMAGEWIDTH", "USESUPERSAMPLEANTIALIASING", "SUPERSAMPLEFACTOR", "EXPORTFNAME"})
            shown[keyword] = std::visit([](const auto& value) { return ::testing::PrintToString(value); },
                                        host().exports.values().value(keyword));
        return shown;
    }

    int mainDialog = ZOR_NO_CONTROL;
    int dialog = ZOR_NO_CONTROL;
    int regionMenu = 0, imageTypeMenu = 0, aviMenu = 0, formatMenu = 0;
    int widthField = 0, supersampleField = 0, speedField = 0;
    int widthChoice = 0, optimisation = 0, toggle = 0;
};

TEST_F(DialogExportOptionsTest, ControlsAreSensitiveExactlyWhereTheirOptionApplies)
{
    launch();
    const int aviLabel = labelWithText("AVI Compression:");
    const int imageTypeLabel = labelWithText("Image Type:");
    const int speedLabel = labelWithText("Animation Speed (frames/sec):");
    const struct {
        int position;
        const char* format;
        bool avi;
        bool flash;
        bool speed;
    } formats[] = {
        {1, "AVI", true, false, true},
        {2, "Flash (FLV)", false, false, true},
        {3, "Flash (SWF)", false, true, true},
        {4, "MPEG-4", false, false, true},
        {5, "Raster Metafile", false, false, false},
        {6, "WMV", false, false, true},
    };
    for (const auto& f : formats) {
        widgets().choose(formatMenu, f.position);
        EXPECT_EQ(f.format, control(formatMenu).items[static_cast<std::size_t>(f.position - 1)]);
        EXPECT_EQ(f.avi, control(aviLabel).sensitive) << f.format;
        EXPECT_EQ(f.avi, control(aviMenu).sensitive) << f.format;
        EXPECT_EQ(f.flash, control(imageTypeLabel).sensitive) << f.format;
        EXPECT_EQ(f.flash, control(imageTypeMenu).sensitive) << f.format;
        EXPECT_EQ(f.flash, control(optimisation).sensitive) << f.format;
        EXPECT_EQ(f.speed, control(speedLabel).sensitive) << f.format;
        EXPECT_EQ(f.speed, control(speedField).sensitive) << f.format;
    }

    const int supersampleLabel = labelWithText("Supersample Factor (2-16):");
    EXPECT_FALSE(control(widthField).sensitive);
    EXPECT_FALSE(control(supersampleField).sensitive);
    widgets().clickToggle(toggle);
    EXPECT_TRUE(control(supersampleField).sensitive);
    EXPECT_TRUE(control(supersampleLabel).sensitive);
    widgets().choose(widthChoice, 2);
    EXPECT_TRUE(control(widthField).sensitive);
    widgets().choose(widthChoice, 1);
    EXPECT_FALSE(control(widthField).sensitive);
    widgets().pressCancel(dialog);
}

TEST_F(DialogExportOptionsTest, DimensionsFollowTheRegionAndTheEnteredWidth)
{
    launch();
    EXPECT_EQ("Dimensions: 768 x 576", dimensions());
    widgets().choose(regionMenu, 3);
    EXPECT_EQ("Dimensions: 1600 x 1000", dimensions());
    widgets().choose(regionMenu, 1);
    widgets().choose(widthChoice, 2);
    EXPECT_EQ("Dimensions: 300 x 225", dimensions());
    EXPECT_EQ(1, widgets().typeText(widthField, "640"));
    EXPECT_EQ("Dimensions: 640 x 480", dimensions());
    EXPECT_EQ(1, widgets().typeText(widthField, "2"));
    EXPECT_EQ("Invalid input. Input must be a number between 4 and 32766.", host().messages.errors().back());
    EXPECT_EQ("640", control(widthField).text);
    EXPECT_EQ("Dimensions: 640 x 480", dimensions());
    widgets().clickToggle(toggle);
    widgets().typeText(supersampleField, "17");
    EXPECT_EQ("Invalid input. Input must be a number between 2 and 16.", host().messages.errors().back());
    widgets().typeText(speedField, "0");
    EXPECT_EQ("Invalid input. Input must be a number between 0.001 and 200.", host().messages.errors().back());
    EXPECT_EQ("30", control(speedField).text);
    widgets().pressCancel(dialog);
}

TEST_F(DialogExportOptionsTest, OkWithACancelledFileDialogKeepsTheDialogOpen)
{
    launch();
    EXPECT_EQ(1, lockDepth());
    widgets().choose(formatMenu, 4);
    host().fileDialog.answerCancel();
    widgets().pressOk(dialog);
    ASSERT_EQ(1u, host().fileDialog.requests().size());
    EXPECT_EQ("export.mp4", host().fileDialog.requests().back().proposedName);
    EXPECT_EQ(ZOR_FILE_DIALOG_SAVE_ASK_OVERWRITE, host().fileDialog.requests().back().option);
    EXPECT_TRUE(widgets().dialog(dialog).up);
    EXPECT_EQ(1, lockDepth());
    EXPECT_EQ(0, host().calls.count("ZorUtilExportSetup"));
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

TEST_F(DialogExportOptionsTest, CancelChangesNothingAndTheNextLaunchRereadsTheHost)
{
    const std::map<std::string, std::string> before = hostExportValues();
    launch();
    widgets().choose(formatMenu, 3);
    widgets().choose(widthChoice, 2);
    widgets().typeText(widthField, "1024");
    widgets().typeText(speedField, "12.5");
    widgets().clickToggle(toggle);
    widgets().pressCancel(dialog);
    EXPECT_FALSE(widgets().dialog(dialog).up);
    EXPECT_EQ(0, lockDepth());
    EXPECT_EQ(before, hostExportValues());
    EXPECT_EQ(0, host().calls.count("ZorUtilExportSetup"));
    EXPECT_EQ(0, confirmations);

    host().exports.values().set("EXPORTFORMAT", 22);
    launch();
    EXPECT_EQ("1024", control(widthField).text);
    EXPECT_EQ(6, control(formatMenu).chosen);
    EXPECT_EQ("30", control(speedField).text);
    EXPECT_FALSE(control(toggle).on);
    EXPECT_EQ(1u, widgets().dialogsTitled("Export Options").size());
    widgets().pressCancel(dialog);
}

TEST_F(DialogExportOptionsTest, UserWalksThroughTheDialogToAMovie)
{
    host().macro.setRecording(true);
    launch();
    EXPECT_EQ((std::vector<int>{mainDialog, dialog}), widgets().dialogsUp());
    EXPECT_EQ(mainDialog, widgets().dialog(dialog).parent);
    widgets().pressHelp(dialog);
    EXPECT_EQ("zorvan/export_options.html", host().messages.helpPages().back());
    widgets().choose(formatMenu, 1);
    widgets().choose(aviMenu, 3);
    widgets().choose(regionMenu, 1);
    widgets().choose(widthChoice, 2);
    widgets().typeText(widthField, "400");
    widgets().typeText(speedField, "24");
    widgets().clickToggle(toggle);
    widgets().typeText(supersampleField, "4");
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
    EXPECT_EQ((std::vector<std::string>{
                  "$!EXPORTSETUP EXPORTFORMAT = AVI",
                  "$!EXPORTSETUP AVICOMPRESSION = LOSSLESSUNCOMPRESSED",
                  "$!EXPORTSETUP EXPORTREGION = CURRENTFRAME",
                  "$!EXPORTSETUP IMAGEWIDTH = 400",
                  "$!EXPORTSETUP ANIMATIONSPEED = 24",
                  "$!EXPORTSETUP USESUPERSAMPLEANTIALIASING = true",
                  "$!EXPORTSETUP SUPERSAMPLEFACTOR = 4",
              }),
              recorded);
    EXPECT_EQ(1, confirmations);
    EXPECT_EQ((std::vector<int>{mainDialog}), widgets().dialogsUp());
    EXPECT_TRUE(host().messages.errors().empty());
}

}  // namespace
