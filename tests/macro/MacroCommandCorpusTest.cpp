// Replays the macro command fuzzer's corpus, seeds and kept finds alike,
// through the same rule the fuzzer checks.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "fuzz/MacroCommandProperty.h"

namespace {

std::string contentsOf(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream contents;
    contents << in.rdbuf();
    return contents.str();
}

TEST(MacroCommandCorpusTest, EveryInputKeepsTheRule)
{
    const char* sourceDir = std::getenv("KFA_SOURCE_DIR");
    ASSERT_NE(nullptr, sourceDir);
    int replayed = 0;
    const std::filesystem::path corpus = std::filesystem::path(sourceDir) / "fuzz/corpus/macro";
    for (const auto& entry : std::filesystem::directory_iterator(corpus)) {
        EXPECT_EQ("", macroCommandPropertyViolation(contentsOf(entry.path()))) << entry.path();
        ++replayed;
    }
    EXPECT_GE(replayed, 10);
}

TEST(MacroCommandCorpusTest, RuleFlagsOnlyRealBreaks)
{
    for (const char* commandString : {"", "Animate x", "OpenSettingsFile FileName=\"a b\"c", "\xFF\x80=\""})
        EXPECT_EQ("", macroCommandPropertyViolation(commandString)) << commandString;
}

}  // namespace
