#include "export/ExportSettings.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <variant>
#include <vector>

#include "ZorGUI.h"
#include "ZorUtil.h"
#include "support/HostFixture.h"

namespace {

using ::testing::ElementsAre;

class ExportSettingsTest : public HostFixture {
protected:
    void SetUp() override
    {
        HostFixture::SetUp();
        holdLock();
        const int dialog = scratchDialog();
        const auto menu = [dialog] { return ZorGUIOptionMenuAdd(dialog, 0, 0, 1, 1, " ", nullptr); };
        const auto field = [dialog] { return ZorGUITextFieldAdd(dialog, 0, 0, 1, 1, nullptr); };
        const auto choice = [dialog] {
            return ZorGUIRadioBoxAdd(dialog, 0, 0, 1, 1, "1", "2", nullptr, nullptr, nullptr, nullptr);
        };
        controls = {field(),  field(), field(), menu(),
                    menu(),   menu(),  menu(),  ZorGUIToggleAdd(dialog, 0, 0, 1, 1, "aa", nullptr),
                    choice(), choice()};
        settings().attachControls(controls);
        settings().setOnConfirm([this] { ++confirmations; });
        host().frames.pixelsPerUnit = 100.0;
    }

    static ExportSettings& settings() { return ExportSettings::get(); }
    static void addFrame(double x, double y, double width, double height)
    {
        host().frames.addFrame();
        zorsim::Frame& frame = host().frames.current();
        std::tie(frame.x, frame.y, frame.width, frame.height) = std::tie(x, y, width, height);
    }
    void enterWidth(int width)
    {
        ZorGUIRadioBoxSetToggle(controls.widthChoice, 2);
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
    template <typename V>
    static V hostValue(const char* keyword)
    {
        return std::get<V>(host().exports.values().value(keyword));
    }

    ExportSettingsControls_s controls;
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
        int region;
        int enteredWidth;
        int width, height;
    } cases[] = {
        {1, 0, 601, 500}, {2, 0, 901, 700}, {3, 0, 1000, 750}, {3, 640, 640, 480}, {2, 640, 640, 497},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "region " << c.region << ", width " << c.enteredWidth);
        ZorGUIOptionMenuSet(controls.regionMenu, c.region);
        if (c.enteredWidth != 0)
            enterWidth(c.enteredWidth);
        EXPECT_EQ(c.width, dimensions().width);
        EXPECT_EQ(c.height, dimensions().height);
    }
    EXPECT_EQ(top, ZorUtilFrameGetUniqueID()) << "measuring all frames keeps their order";

    // A work area without width gives no ratio to keep.
    ZorGUIOptionMenuSet(controls.regionMenu, 3);
    host().frames.workAreaWidth = 0;
    EXPECT_EQ(750, dimensions().height);
    host().frames.workAreaWidth = 1000;
    host().frames.workAreaHeight = 100000;
    enterWidth(32766);
    EXPECT_EQ(3276600, dimensions().height) << "the product of two ints need not fit an int";
}

TEST_F(ExportSettingsTest, ConfirmingSetsAndRecordsTheValuesOfTheChosenFormatInOrder)
{
    ZorGUIOptionMenuSet(controls.formatMenu, 1);
    ZorGUIOptionMenuSet(controls.aviCompressionMenu, 2);
    ZorGUIOptionMenuSet(controls.regionMenu, 3);
    enterWidth(640);
    settings().animationSpeed().setValue(29.97);
    ZorGUIToggleSet(controls.antialiasingToggle, true);
    settings().supersampleFactor().setValue(5);
    settings().movieFile().setFileName("/tmp/movies/flight.avi");
    settings().applyAllSettings();
    EXPECT_EQ(14, hostValue<int>("EXPORTFORMAT"));
    EXPECT_EQ(1, hostValue<int>("AVICOMPRESSION"));
    EXPECT_EQ(5, hostValue<int>("SUPERSAMPLEFACTOR"));
    EXPECT_DOUBLE_EQ(29.97, hostValue<double>("ANIMATIONSPEED"));
    EXPECT_EQ("/tmp/movies/flight.avi", hostValue<std::string>("EXPORTFNAME"));
    EXPECT_EQ(1, confirmations);

    ZorGUIOptionMenuSet(controls.formatMenu, 3);
    ZorGUIOptionMenuSet(controls.imageTypeMenu, 1);
    ZorGUIRadioBoxSetToggle(controls.optimisationChoice, 2);
    ZorGUIToggleSet(controls.antialiasingToggle, false);
    EXPECT_THAT(confirmRecorded(),
                ElementsAre("$!EXPORTSETUP EXPORTFORMAT = FLASH", "$!EXPORTSETUP FLASHIMAGETYPE = LOSSLESS",
                            "$!EXPORTSETUP FLASHCOMPRESSIONTYPE = SMALLESTSIZE",
                            "$!EXPORTSETUP EXPORTREGION = WORKAREA", "$!EXPORTSETUP IMAGEWIDTH = 640",
                            "$!EXPORTSETUP ANIMATIONSPEED = 29.97", "$!EXPORTSETUP USESUPERSAMPLEANTIALIASING = false",
                            "$!EXPORTSETUP EXPORTFNAME = \"/tmp/movies/flight.avi\""));
    EXPECT_EQ(1, hostValue<int>("FLASHCOMPRESSIONTYPE"));

    ZorGUIOptionMenuSet(controls.formatMenu, 5);
    host().macro.setRecording(false);
    settings().applyAllSettings();
    EXPECT_EQ(8u, host().macro.lines().size()) << "recorded only while the host records";
    EXPECT_EQ(0, hostValue<int>("EXPORTFORMAT"));
    const std::vector<std::string> raster = confirmRecorded();
    EXPECT_EQ("$!EXPORTSETUP EXPORTFORMAT = RASTERMETAFILE", raster.front());
    EXPECT_EQ("$!EXPORTSETUP EXPORTREGION = WORKAREA", raster.at(1)) << "neither AVI nor Flash options";
    EXPECT_EQ(4, confirmations);
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
    EXPECT_EQ("200", control(controls.speedField).text);
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
