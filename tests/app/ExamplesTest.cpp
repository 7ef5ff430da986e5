// The examples the user's guide names, played as the guide says: from a
// folder that holds the examples and an out folder.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "ZorhostRun.h"

namespace {

class ExamplesTest : public ZorhostFolderTest {
protected:
    void SetUp() override
    {
        ZorhostFolderTest::SetUp();
        const char* source = std::getenv("KFA_SOURCE_DIR");
        ASSERT_NE(nullptr, source);
        std::filesystem::create_directory_symlink(std::string(source) + "/examples", file("examples"));
        std::filesystem::create_directory(file("out"));
    }
};

}  // namespace

TEST_F(ExamplesTest, QuickLookDrawsThreePictures)
{
    const ProgramRun run = zorhost({"--no-progress", "--contact-sheet", "out/quicklook.png", "--frame-log",
                                    "out/quicklook.csv", "examples/quicklook.mcr"});
    ASSERT_EQ(0, run.status) << run.output;
    EXPECT_TRUE(std::filesystem::exists(file("out/quicklook.png")));
    const std::string log = readFile(file("out/quicklook.csv"));
    EXPECT_EQ(4, std::count(log.begin(), log.end(), '\n'));
}
