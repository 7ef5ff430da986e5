#include "export/ExportSettings.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <variant>
#include <vector>

#include "ZorUtil.h"
#include "export/DialogExportOptions.h"
#include "support/HostFixture.h"

namespace {

using ::testing::ElementsAre;

// The settings on the controls of the export options dialog, which is up.
class ExportSettingsTest : public HostFixture {
protected:
    void SetUp() override
    {
        HostFixture::SetUp();
        host().frames.pixelsPerUnit = 100.0;
        ExportOptionsDialog::launch(scratchDialog(), [this] { ++confirmations; });
        dialog = widgets().dialogsTitled("Export Options").at(0);
    }
    void TearDown() override
    {
        widgets().pressCancel(dialog);
        HostFixture::TearDown();
    }

    static ExportSettings& settings() { return ExportSettings::get(); }
    // Chooses `item` of the option menu or radio box that holds `anItem`.
    void choose(const std::string& anItem, const std::string& item) const
    {
        chooseItem(widgets().controlWithText(dialog, anItem), item);
    }
    static void addFrame(double x, double y, double width, double height)
    {
        host().frames.addFrame();
        zorsim::Frame& frame = host().frames.current();
        std::tie(frame.x, frame.y, frame.width, frame.height) = std::tie(x, y, width, height);
    }
    void enterWidth(int width) const
    {
        choose("&Enter Width:", "&Enter Width:");
        settings().imageWidth().setValue(width);
    }
    static ImageDimensions_s dimensions() { return settings().imageDimensions(); }

    int dialog = ZOR_NO_CONTROL;
    int confirmations = 0;
};

TEST_F(ExportSettingsTest, DimensionsOfEachRegionInWholePixelsScaledToAnEnteredWidth)
{
    addFrame(0.0, 0.0, 5.0, 4.0);
    addFrame(3.0, 2.0, 6.019, 5.0099);
    const ZorUniqueId top = host().frames.current().id;
    // A work area without width gives no ratio to keep; the product of two ints need not fit an int.
    const struct {
        const char* region;
        int enteredWidth, workAreaWidth, workAreaHeight;
        int width, height;
    } cases[] = {
        {"Active Frame", 0, 1000, 750, 601, 500}, {"All Frames", 0, 1000, 750, 901, 700},
        {"Work Area", 0, 1000, 750, 1000, 750},   {"Work Area", 640, 1000, 750, 640, 480},
        {"Work Area", 640, 0, 750, 640, 750},     {"Work Area", 32766, 1000, 100000, 32766, 3276600},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.region << ", width " << c.enteredWidth << ", " << c.workAreaWidth);
        host().frames.workAreaWidth = c.workAreaWidth;
        host().frames.workAreaHeight = c.workAreaHeight;
        choose("Active Frame", c.region);
        if (c.enteredWidth != 0)
            enterWidth(c.enteredWidth);
        EXPECT_EQ(c.width, dimensions().width);
        EXPECT_EQ(c.height, dimensions().height);
    }
    EXPECT_EQ(top, ZorUtilFrameGetUniqueID()) << "measuring all frames keeps their order";
}

TEST_F(ExportSettingsTest, ConfirmingSetsAndRecordsWhatWasReadFromTheHostAndChosenForTheFormatInOrder)
{
    zorsim::ExportValues& values = host().exports.values();
    values.set("EXPORTFORMAT", 21);
    values.set("ANIMATIONSPEED", 0.0);
    values.set("USESUPERSAMPLEANTIALIASING", true);
    // Narrowed to a short before clamping, the factor would wrap around to 4.
    values.set("SUPERSAMPLEFACTOR", 65536 + 4);
    values.set("AVICOMPRESSION", 2);
    values.set("FLASHIMAGETYPE", 1);
    values.set("FLASHCOMPRESSIONTYPE", 1);
    settings().readHostSettings();
    EXPECT_EQ(ExportFormat_MPEG4, settings().selectedFormat());
    choose("Active Frame", "Work Area");
    enterWidth(640);
    settings().movieFile().setFileName("/tmp/movies/flight.avi");
    choose("AVI", "Flash (SWF)");
    host().macro.setRecording(true);
    settings().applyAllSettings();
    EXPECT_THAT(host().macro.lines(),
                ElementsAre("$!EXPORTSETUP EXPORTFORMAT = FLASH", "$!EXPORTSETUP FLASHIMAGETYPE = JPEG",
                            "$!EXPORTSETUP FLASHCOMPRESSIONTYPE = SMALLESTSIZE",
                            "$!EXPORTSETUP EXPORTREGION = WORKAREA", "$!EXPORTSETUP IMAGEWIDTH = 640",
                            "$!EXPORTSETUP ANIMATIONSPEED = 0.001", "$!EXPORTSETUP USESUPERSAMPLEANTIALIASING = true",
                            "$!EXPORTSETUP SUPERSAMPLEFACTOR = 16",
                            "$!EXPORTSETUP EXPORTFNAME = \"/tmp/movies/flight.avi\""));

    choose("AVI", "AVI");
    settings().applyAllSettings();
    EXPECT_EQ("$!EXPORTSETUP AVICOMPRESSION = LOSSLESSUNCOMPRESSED", host().macro.lines().at(10));
    choose("AVI", "Raster Metafile");
    settings().applyAllSettings();
    EXPECT_EQ("$!EXPORTSETUP EXPORTREGION = WORKAREA", host().macro.lines().at(18)) << "neither AVI nor Flash options";
    host().macro.setRecording(false);
    choose("AVI", "WMV");
    settings().applyAllSettings();
    EXPECT_EQ(24u, host().macro.lines().size()) << "recorded only while the host records";
    EXPECT_EQ(22, std::get<int>(values.value("EXPORTFORMAT")));
    EXPECT_EQ(4, confirmations);
}

}  // namespace
