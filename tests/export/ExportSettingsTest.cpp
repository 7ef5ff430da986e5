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
    // Confirms with recording on; returns the lines it recorded.
    static std::vector<std::string> confirmRecorded()
    {
        const std::size_t before = host().macro.lines().size();
        host().macro.setRecording(true);
        settings().applyAllSettings();
        return {host().macro.lines().begin() + static_cast<std::ptrdiff_t>(before), host().macro.lines().end()};
    }

    int dialog = ZOR_NO_CONTROL;
    int confirmations = 0;
};

TEST_F(ExportSettingsTest, DimensionsOfEachRegionInWholePixelsScaledToAnEnteredWidth)
{
    addFrame(0.0, 0.0, 5.0, 4.0);
    addFrame(3.0, 2.0, 6.019, 5.0099);
    const ZorUniqueId top = host().frames.current().id;
    host().frames.workAreaWidth = 1000;
    host().frames.workAreaHeight = 750;
    const struct {
        const char* region;
        int enteredWidth;
        int width, height;
    } cases[] = {
        {"Active Frame", 0, 601, 500}, {"All Frames", 0, 901, 700},   {"Work Area", 0, 1000, 750},
        {"Work Area", 640, 640, 480},  {"All Frames", 640, 640, 497},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.region << ", width " << c.enteredWidth);
        choose("Active Frame", c.region);
        if (c.enteredWidth != 0)
            enterWidth(c.enteredWidth);
        EXPECT_EQ(c.width, dimensions().width);
        EXPECT_EQ(c.height, dimensions().height);
    }
    EXPECT_EQ(top, ZorUtilFrameGetUniqueID()) << "measuring all frames keeps their order";

    // A work area without width gives no ratio to keep.
    choose("Active Frame", "Work Area");
    host().frames.workAreaWidth = 0;
    EXPECT_EQ(750, dimensions().height);
    host().frames.workAreaWidth = 1000;
    host().frames.workAreaHeight = 100000;
    enterWidth(32766);
    EXPECT_EQ(3276600, dimensions().height) << "the product of two ints need not fit an int";
}

TEST_F(ExportSettingsTest, ConfirmingSetsAndRecordsTheValuesOfTheChosenFormatInOrderOnlyWhileTheHostRecords)
{
    choose("Active Frame", "Work Area");
    enterWidth(640);
    settings().animationSpeed().setValue(29.97);
    settings().movieFile().setFileName("/tmp/movies/flight.avi");
    choose("AVI", "Flash (SWF)");
    choose("Optimize for &Speed", "Optimize for &File Size");
    EXPECT_THAT(confirmRecorded(),
                ElementsAre("$!EXPORTSETUP EXPORTFORMAT = FLASH", "$!EXPORTSETUP FLASHIMAGETYPE = LOSSLESS",
                            "$!EXPORTSETUP FLASHCOMPRESSIONTYPE = SMALLESTSIZE",
                            "$!EXPORTSETUP EXPORTREGION = WORKAREA", "$!EXPORTSETUP IMAGEWIDTH = 640",
                            "$!EXPORTSETUP ANIMATIONSPEED = 29.97", "$!EXPORTSETUP USESUPERSAMPLEANTIALIASING = false",
                            "$!EXPORTSETUP EXPORTFNAME = \"/tmp/movies/flight.avi\""));
    EXPECT_EQ(1, std::get<int>(host().exports.values().value("FLASHCOMPRESSIONTYPE")));

    choose("AVI", "Raster Metafile");
    host().macro.setRecording(false);
    settings().applyAllSettings();
    EXPECT_EQ(8u, host().macro.lines().size()) << "recorded only while the host records";
    EXPECT_EQ(0, std::get<int>(host().exports.values().value("EXPORTFORMAT")));
    const std::vector<std::string> raster = confirmRecorded();
    EXPECT_EQ("$!EXPORTSETUP EXPORTFORMAT = RASTERMETAFILE", raster.front());
    EXPECT_EQ("$!EXPORTSETUP EXPORTREGION = WORKAREA", raster.at(1)) << "neither AVI nor Flash options";
    EXPECT_EQ(3, confirmations);
}

TEST_F(ExportSettingsTest, ReadingTheHostClampsAndKeepsChoicesTheMenusLack)
{
    zorsim::ExportValues& values = host().exports.values();
    choose("AVI", "Flash (FLV)");
    settings().readHostSettings();
    EXPECT_EQ(ExportFormat_FLV, settings().selectedFormat());
    EXPECT_DOUBLE_EQ(30.0, settings().animationSpeed().getValue()) << "a fresh host offers 30";

    values.set("EXPORTFORMAT", 21);
    values.set("ANIMATIONSPEED", 500.0);
    values.set("USESUPERSAMPLEANTIALIASING", true);
    values.set("SUPERSAMPLEFACTOR", 65536 + 4);
    values.set("AVICOMPRESSION", 2);
    values.set("FLASHIMAGETYPE", 1);
    values.set("FLASHCOMPRESSIONTYPE", 1);
    settings().readHostSettings();
    EXPECT_EQ(ExportFormat_MPEG4, settings().selectedFormat());
    EXPECT_DOUBLE_EQ(200.0, settings().animationSpeed().getValue());
    EXPECT_TRUE(settings().isAntialiasingOn());
    EXPECT_EQ(16, settings().supersampleFactor().getValue());
    EXPECT_EQ(3, control(widgets().controlWithText(dialog, "Color Preserving")).chosen);
    EXPECT_EQ(2, control(widgets().controlWithText(dialog, "True Color")).chosen);
    EXPECT_EQ(2, control(widgets().controlWithText(dialog, "Optimize for &Speed")).chosen);

    values.set("ANIMATIONSPEED", 0.0);
    values.set("SUPERSAMPLEFACTOR", -3);
    settings().readHostSettings();
    EXPECT_DOUBLE_EQ(0.001, settings().animationSpeed().getValue());
    EXPECT_EQ(2, settings().supersampleFactor().getValue());
}

}  // namespace
