// Replays the macro file fuzzer's corpus through the rule the fuzzer checks,
// the seeds among them real macro files.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "fuzz/HostMacroProperty.h"

TEST(HostMacroCorpusTest, EveryInputKeepsTheRule)
{
    const char* sourceDir = std::getenv("KFA_SOURCE_DIR");
    ASSERT_NE(nullptr, sourceDir);
    int replayed = 0;
    for (const auto& entry :
         std::filesystem::directory_iterator(std::filesystem::path(sourceDir) / "fuzz/corpus/hostmacro")) {
        std::ifstream in(entry.path(), std::ios::binary);
        std::ostringstream contents;
        contents << in.rdbuf();
        EXPECT_EQ("", hostMacroPropertyViolation(contents.str())) << entry.path();
        ++replayed;
    }
    EXPECT_GE(replayed, 6);
}
