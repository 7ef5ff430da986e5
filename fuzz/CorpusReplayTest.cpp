// Replays every fuzz target's seed folder, seeds and kept finds alike,
// through the rule the fuzzer checks, so that a fault the fuzzer once found
// stays mended in every normal build.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <ostream>
#include <string>

#include "fuzz/FuzzTargets.h"
#include "support/TempFolder.h"

// Names a target in test listings by its program's name.
void PrintTo(const FuzzTarget& target, std::ostream* out)
{
    *out << target.name;
}

namespace {

class CorpusReplayTest : public ::testing::TestWithParam<FuzzTarget> {};

TEST_P(CorpusReplayTest, EverySeedKeepsTheRule)
{
    const char* sourceDir = std::getenv("KFA_SOURCE_DIR");
    ASSERT_NE(nullptr, sourceDir);
    int replayed = 0;
    for (const char* folder : GetParam().seedFolders)
        for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::path(sourceDir) / folder)) {
            EXPECT_EQ("", GetParam().violation(readFile(entry.path().string()))) << entry.path();
            ++replayed;
        }
    EXPECT_GE(replayed, 6);
}

INSTANTIATE_TEST_SUITE_P(Targets, CorpusReplayTest, ::testing::ValuesIn(fuzzTargets()),
                         [](const ::testing::TestParamInfo<FuzzTarget>& target) { return target.param.name; });

}  // namespace
