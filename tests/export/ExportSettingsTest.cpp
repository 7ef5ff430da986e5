#include <gtest/gtest.h>

#include <string>
#include <variant>
#include <vector>

#include "ZorGUI.h"
#include "ZorUtil.h"
#include "export/ExportSettings.h"
#include "support/HostFixture.h"

namespace {

int confirmations = 0;

class ExportSettingsTest : public HostFixture {
protected:
    ExportSettingsTest() : HostFixture(HostLogging::On) {}

    void SetUp() override
    {
        HostFixture::SetUp();
        confirmations = 0;
        ZorUtilLockStart(1);
        dialog =
            ZorGUIDialogCreateModal(ZOR_MAIN_WINDOW, 100, 100, "Export", nullptr, nullptr, nullptr, nullptr, nullptr);
        controls.widthField = ZorGUITextFieldAdd(dialog, 0, 0, 1, 1, nullptr);
        controls.speedField = ZorGUITextFieldAdd(dialog, 0, 0, 1, 1, nullptr);
        controls.supersampleField = ZorGUITextFieldAdd(dialog, 0, 0, 1, 1, nullptr);
        controls.aviCompressionMenu = ZorGUIOptionMenuAdd(dialog, 0, 0, 1, 1, " ", nullptr);
        controls.regionMenu = ZorGUIOptionMenuAdd(dialog, 0, 0, 1, 1, " ", nullptr);
        controls.imageTypeMenu = ZorGUIOptionMenuAdd(dialog, 0, 0, 1, 1, " ", nullptr);
        controls.formatMenu = ZorGUIOptionMenuAdd(dialog, 0, 0, 1, 1, " ", nullptr);
        controls.antialiasingToggle = ZorGUIToggleAdd(dialog, 0, 0, 1, 1, "aa", nullptr);
        controls.widthChoice =
            ZorGUIRadioBoxAdd(dialog, 0, 0, 1, 1, "screen", "entered", nullptr, nullptr, nullptr, nullptr);
        controls.optimisationChoice =
            ZorGUIRadioBoxAdd(dialog, 0, 0, 1, 1, "speed", "size", nullptr, nullptr, nullptr, nullptr);
        settings().attachControls(controls);
        settings().setOnConfirm([] { ++confirmations; });
        host().frames.pixelsPerUnit = 100.0;
    }
    void TearDown() override
    {
        ZorUtilLockFinish(1);
        HostFixture::TearDown();
    }

    static ExportSettings& settings() { return ExportSettings::get(); }
    static zorsim::Frame& topFrame(double x, double y, double width, double height)
    {
        host().frames.addFrame();
        zorsim::Frame& frame = host().frames.current();
        frame.x = x;
        frame.y = y;
        frame.width = width;
        frame.height = height;
        return frame;
    }
    void chooseRegion(int position) { ZorGUIOptionMenuSet(controls.regionMenu, position); }
    void enterWidth(int width)
    {
        ZorGUIRadioBoxSetToggle(controls.widthChoice, 2);
        settings().imageWidth().setValue(width);
    }
    // Confirms with recording on; returns the recorded lines.
    std::vector<std::string> confirmRecorded()
    {
        host().macro.setRecording(true);
        settings().applyAllSettings();
        return host().macro.lines();
    }
    template <typename V>
    static V hostValue(const char* keyword)
    {
        return std::get<V>(host().exports.values().value(keyword));
    }

    int dialog = ZOR_NO_CONTROL;
    ExportSettingsControls_s controls;
};

TEST_F(ExportSettingsTest, DimensionsOfEachRegionInWholePixels)
{
    topFrame(0.0, 0.0, 5.0, 4.0);
    const ZorUniqueId top = topFrame(3.0, 2.0, 6.019, 5.0099).id;

    chooseRegion(1);
    EXPECT_EQ(601, settings().imageDimensions().width);
    EXPECT_EQ(500, settings().imageDimensions().height);
    chooseRegion(2);
    const ImageDimensions_s all = settings().imageDimensions();
    EXPECT_EQ(901, all.width);
    EXPECT_EQ(700, all.height);
    EXPECT_EQ(top, ZorUtilFrameGetUniqueID());
    chooseRegion(3);
    host().frames.workAreaWidth = 1000;
    host().frames.workAreaHeight = 750;
    EXPECT_EQ(1000, settings().imageDimensions().width);

    enterWidth(640);
    EXPECT_EQ(640, settings().imageDimensions().width);
    EXPECT_EQ(480, settings().imageDimensions().height);
    host().frames.workAreaHeight = 751;
    EXPECT_EQ(480, settings().imageDimensions().height);
    chooseRegion(2);
    EXPECT_EQ(497, settings().imageDimensions().height);
}

TEST_F(ExportSettingsTest, EnteredWidthOverAZeroWidthKeepsTheMeasuredHeight)
{
    chooseRegion(3);
    host().frames.workAreaWidth = 0;
    host().frames.workAreaHeight = 750;
    enterWidth(640);
    const ImageDimensions_s dimensions = settings().imageDimensions();
    EXPECT_EQ(640, dimensions.width);
    EXPECT_EQ(750, dimensions.height);

    host().frames.workAreaWidth = 1000;
    host().frames.workAreaHeight = 100000;
    enterWidth(32766);
    EXPECT_EQ(3276600, settings().imageDimensions().height);
}

TEST_F(ExportSettingsTest, ConfirmingAviSetsAndRecordsEachValueInOrder)
{
    ZorGUIOptionMenuSet(controls.formatMenu, 1);
    ZorGUIOptionMenuSet(controls.aviCompressionMenu, 2);
    chooseRegion(3);
    enterWidth(640);
    settings().animationSpeed().setValue(29.97);
    ZorGUIToggleSet(controls.antialiasingToggle, true);
    settings().supersampleFactor().setValue(5);
    settings().movieFile().setFileName("/tmp/movies/flight.avi");
    host().calls.clear();

    EXPECT_EQ((std::vector<std::string>{
                  "$!EXPORTSETUP EXPORTFORMAT = AVI",
                  "$!EXPORTSETUP AVICOMPRESSION = LINEPRESERVING",
                  "$!EXPORTSETUP EXPORTREGION = WORKAREA",
                  "$!EXPORTSETUP IMAGEWIDTH = 640",
                  "$!EXPORTSETUP ANIMATIONSPEED = 29.97",
                  "$!EXPORTSETUP USESUPERSAMPLEANTIALIASING = true",
                  "$!EXPORTSETUP SUPERSAMPLEFACTOR = 5",
                  "$!EXPORTSETUP EXPORTFNAME = \"/tmp/movies/flight.avi\"",
              }),
              confirmRecorded());
    EXPECT_EQ(14, hostValue<int>("EXPORTFORMAT"));
    EXPECT_DOUBLE_EQ(29.97, hostValue<double>("ANIMATIONSPEED"));
    EXPECT_EQ("/tmp/movies/flight.avi", hostValue<std::string>("EXPORTFNAME"));
    EXPECT_EQ(1, confirmations);
}

TEST_F(ExportSettingsTest, ConfirmingFlashSetsItsOwnOptionsAndNoFactorWithoutAntialiasing)
{
    ZorGUIOptionMenuSet(controls.formatMenu, 3);
    ZorGUIOptionMenuSet(controls.imageTypeMenu, 1);
    ZorGUIRadioBoxSetToggle(controls.optimisationChoice, 2);
    chooseRegion(1);
    topFrame(0.0, 0.0, 3.0, 2.0);
    settings().movieFile().setFileName("clip.swf");

    EXPECT_EQ((std::vector<std::string>{
                  "$!EXPORTSETUP EXPORTFORMAT = FLASH",
                  "$!EXPORTSETUP FLASHIMAGETYPE = LOSSLESS",
                  "$!EXPORTSETUP FLASHCOMPRESSIONTYPE = SMALLESTSIZE",
                  "$!EXPORTSETUP EXPORTREGION = CURRENTFRAME",
                  "$!EXPORTSETUP IMAGEWIDTH = 300",
                  "$!EXPORTSETUP ANIMATIONSPEED = 30",
                  "$!EXPORTSETUP USESUPERSAMPLEANTIALIASING = false",
                  "$!EXPORTSETUP EXPORTFNAME = \"clip.swf\"",
              }),
              confirmRecorded());
    EXPECT_EQ(1, hostValue<int>("FLASHCOMPRESSIONTYPE"));
}

TEST_F(ExportSettingsTest, ConfirmingRasterMetafileSetsNeitherAviNorFlashOptions)
{
    ZorGUIOptionMenuSet(controls.formatMenu, 5);
    ZorGUIToggleSet(controls.antialiasingToggle, true);
    settings().applyAllSettings();
    EXPECT_TRUE(host().macro.lines().empty()) << "recorded only while the host records";
    EXPECT_EQ(0, hostValue<int>("EXPORTFORMAT"));
    EXPECT_EQ(1, confirmations);
    const std::vector<std::string> recorded = confirmRecorded();
    EXPECT_THAT(recorded, ::testing::Not(::testing::Contains(::testing::HasSubstr("AVICOMPRESSION"))));
    EXPECT_THAT(recorded, ::testing::Not(::testing::Contains(::testing::HasSubstr("FLASH"))));
    EXPECT_EQ("$!EXPORTSETUP EXPORTFORMAT = RASTERMETAFILE", recorded.front());
    EXPECT_EQ("$!EXPORTSETUP EXPORTFNAME = \"export.avi\"", recorded.back());
}

TEST_F(ExportSettingsTest, ReadingTheHostClampsAndKeepsChoicesTheMenusLack)
{
    zorsim::ExportValues& values = host().exports.values();
    ZorGUIOptionMenuSet(controls.formatMenu, 2);
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
    EXPECT_EQ("200", host().widgets.control(controls.speedField).text);
    EXPECT_TRUE(settings().isAntialiasingOn());
    EXPECT_EQ(16, settings().supersampleFactor().getValue());
    EXPECT_EQ(3, ZorGUIOptionMenuGet(controls.aviCompressionMenu));
    EXPECT_EQ(2, ZorGUIOptionMenuGet(controls.imageTypeMenu));
    EXPECT_EQ(2, ZorGUIRadioBoxGetToggle(controls.optimisationChoice));

    values.set("ANIMATIONSPEED", 0.0);
    values.set("SUPERSAMPLEFACTOR", -3);
    settings().readHostSettings();
    EXPECT_DOUBLE_EQ(0.001, settings().animationSpeed().getValue());
    EXPECT_EQ(2, settings().supersampleFactor().getValue());
}

}  // namespace
