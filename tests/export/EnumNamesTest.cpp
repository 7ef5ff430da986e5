#include "export/EnumNames.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "support/Assertions.h"

namespace {

const char* const OutOfRange = "Enumeration out of range.";

TEST(EnumNameMapTest, FindsNamesInAnyAsciiLetterCaseAndNothingElse)
{
    // A value given twice keeps its first name; of names equal but for the
    // letter case the lowest value's wins.
    const EnumNameMap<int> names{{2, "Two"}, {1, "one"}, {2, "Deux"}, {3, "ONE"}, {4, "\xC4x"}, {5, "\xFF"}};
    const std::pair<const char*, int> found[] = {{"two", 2}, {"tWO", 2}, {"One", 1}, {"\xC4X", 4}, {"\xFF", 5}};
    for (const auto& [name, value] : found)
        EXPECT_EQ(value, names.toEnum(name)) << name;
    for (const char* name : {"Deux", " Two", "Two ", "T wo", "Tw", "TwoX", "", "\xE4x", "\x80"})
        EXPECT_THROW_MSG(names.toEnum(name), std::out_of_range, OutOfRange);
    EXPECT_EQ("Two", names.toString(2));
    EXPECT_EQ("ONE", names.toString(3));
    for (const int value : {0, 6, -1})
        EXPECT_THROW_MSG(names.toString(value), std::out_of_range, OutOfRange);
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
