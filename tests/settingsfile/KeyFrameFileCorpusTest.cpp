// Replays the settings file fuzzer's corpus, seeds and kept finds alike,
// through the rule the fuzzer checks.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "TempFolder.h"
#include "fuzz/KeyFrameFileProperty.h"

TEST(KeyFrameFileCorpusTest, EveryInputKeepsTheRule)
{
    const char* sourceDir = std::getenv("KFA_SOURCE_DIR");
    ASSERT_NE(nullptr, sourceDir);
    int replayed = 0;
    const std::filesystem::path corpus = std::filesystem::path(sourceDir) / "fuzz/corpus/keyframe";
    for (const auto& entry : std::filesystem::directory_iterator(corpus)) {
        EXPECT_EQ("", keyFrameFilePropertyViolation(readFile(entry.path().string()))) << entry.path();
        ++replayed;
    }
    EXPECT_GE(replayed, 10);
}
