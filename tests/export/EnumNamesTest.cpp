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
    EXPECT_EQ(FileName, enumNameMap<Parameter_e>().toEnum("FILENAME"));

    for (const char* name : {" ToFile", "ToFile ", "To File", "ToFil", "ToFileX", ""})
        EXPECT_THROW_MSG(destinations.toEnum(name), std::out_of_range, OutOfRange);
    EXPECT_THROW_MSG(enumNameMap<Command_e>().toEnum("ToFile"), std::out_of_range, OutOfRange);
}

TEST(EnumNameMapTest, RefusesValuesOutsideTheTable)
{
    for (const int value : {2, -1})
        EXPECT_THROW_MSG(enumNameMap<Destination_e>().toString(static_cast<Destination_e>(value)), std::out_of_range,
                         OutOfRange);
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

TEST(ExportTablesTest, ExactlyTheSixMovieFormatsAreAnimationFormats)
{
    int count = 0;
    for (int value = -1; value <= 40; ++value)
        count += isAnimationFormat(value) ? 1 : 0;
    EXPECT_EQ(6, count);
    for (const auto& row : ExportFormatDisplayTable)
        EXPECT_TRUE(isAnimationFormat(row.value)) << row.displayName;
    EXPECT_THROW_MSG(movieExtension(static_cast<ExportFormat_e>(1)), std::out_of_range, OutOfRange);
}

}  // namespace
