#include "export/EnumNames.h"

#include <gtest/gtest.h>

#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "support/Assertions.h"

namespace {

const char* const OutOfRange = "Enumeration out of range.";

TEST(EnumNameMapTest, FindsMacroNamesInAnyLetterCaseButNothingElse)
{
    const auto& destinations = enumNameMap<Destination_e>();
    for (const char* name : {"ToFile", "tofile", "TOFILE", "tOfIlE"})
        EXPECT_EQ(ToFile, destinations.toEnum(name)) << name;
    EXPECT_EQ(OnScreen, destinations.toEnum("onscreen"));
    EXPECT_EQ(Animate, enumNameMap<Command_e>().toEnum("ANIMATE"));
    EXPECT_EQ(OpenSettingsFile, enumNameMap<Command_e>().toEnum("opensettingsfile"));
    EXPECT_EQ(AnimationDestination, enumNameMap<Parameter_e>().toEnum("animationDestination"));
    EXPECT_EQ(FileName, enumNameMap<Parameter_e>().toEnum("FILENAME"));

    for (const char* name : {" ToFile", "ToFile ", "To File", "ToFil", "ToFileX", ""})
        EXPECT_THROW_MSG(destinations.toEnum(name), std::out_of_range, OutOfRange);
    EXPECT_THROW_MSG(enumNameMap<Command_e>().toEnum("ToFile"), std::out_of_range, OutOfRange);
}

TEST(EnumNameMapTest, GivesTheTableSpellingAndRefusesOtherValues)
{
    EXPECT_EQ("ToFile", enumNameMap<Destination_e>().toString(ToFile));
    EXPECT_EQ("AnimationDestination", enumNameMap<Parameter_e>().toString(AnimationDestination));
    EXPECT_EQ("OpenSettingsFile", enumNameMap<Command_e>().toString(OpenSettingsFile));
    EXPECT_THROW_MSG(enumNameMap<Destination_e>().toString(static_cast<Destination_e>(2)), std::out_of_range,
                     OutOfRange);
    EXPECT_THROW_MSG(enumNameMap<Destination_e>().toString(static_cast<Destination_e>(-1)), std::out_of_range,
                     OutOfRange);
    // A failed lookup leaves the map as it was; the map is built once.
    EXPECT_EQ(&enumNameMap<Destination_e>(), &enumNameMap<Destination_e>());
    EXPECT_EQ(ToFile, enumNameMap<Destination_e>().toEnum("ToFile"));
}

TEST(EnumNameMapTest, FirstNameOfAValueAndLowestValueOfANameWin)
{
    const EnumNameMap<int> names{{2, "Two"}, {1, "one"}, {2, "Deux"}, {3, "ONE"}};
    EXPECT_EQ("Two", names.toString(2));
    EXPECT_THROW_MSG(names.toEnum("Deux"), std::out_of_range, OutOfRange);
    EXPECT_EQ(1, names.toEnum("One"));
    EXPECT_EQ("ONE", names.toString(3));
}

TEST(EnumNameMapTest, BytesOutsideAsciiOnlyMatchThemselves)
{
    const EnumNameMap<int> names{{0, "\xC4x"}, {1, "\xFF"}};
    EXPECT_EQ(0, names.toEnum("\xC4X"));
    EXPECT_EQ(1, names.toEnum("\xFF"));
    EXPECT_THROW_MSG(names.toEnum("\xE4x"), std::out_of_range, OutOfRange);
    EXPECT_THROW_MSG(names.toEnum("\x80"), std::out_of_range, OutOfRange);
}

TEST(DestinationStreamTest, ReadsWordsAndFailsWithoutChangingTheValue)
{
    std::istringstream two("onscreen  TOFILE");
    Destination_e first = ToFile;
    Destination_e second = OnScreen;
    EXPECT_TRUE(two >> first >> second);
    EXPECT_EQ(OnScreen, first);
    EXPECT_EQ(ToFile, second);

    for (const char* text : {"To File", "Screen", "", "On"}) {
        std::istringstream in(text);
        Destination_e destination = ToFile;
        EXPECT_FALSE(in >> destination) << text;
        EXPECT_EQ(ToFile, destination) << text;
    }
}

TEST(ExportTablesTest, FormatsKeepHostValuesAndEveryFormatHasKeywordAndExtension)
{
    std::vector<int> values;
    std::vector<std::string> keywordsAndExtensions;
    for (const auto& row : ExportFormatDisplayTable) {
        values.push_back(row.value);
        keywordsAndExtensions.push_back(std::string(hostKeyword(row.value)) + "." + movieExtension(row.value));
    }
    EXPECT_EQ((std::vector<int>{14, 20, 17, 21, 0, 22}), values);
    EXPECT_EQ((std::vector<std::string>{"AVI.avi", "FLV.flv", "FLASH.swf", "MPEG4.mp4", "RASTERMETAFILE.rm",
                                        "WMV.wmv"}),
              keywordsAndExtensions);
    EXPECT_STREQ("Raster Metafile", ExportFormatDisplayTable[4].displayName);
    EXPECT_THROW_MSG(movieExtension(static_cast<ExportFormat_e>(1)), std::out_of_range, OutOfRange);
}

TEST(ExportTablesTest, ExactlyTheSixMovieFormatsAreAnimationFormats)
{
    int count = 0;
    for (int value = -1; value <= 40; ++value)
        count += isAnimationFormat(value) ? 1 : 0;
    EXPECT_EQ(6, count);
    for (int value : {0, 14, 17, 20, 21, 22})
        EXPECT_TRUE(isAnimationFormat(value)) << value;
}

}  // namespace
