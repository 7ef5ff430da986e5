// The examples the user's guide names, played as the guide says: from a
// folder that holds the examples and an out folder.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

namespace {

class ExamplesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/zorhost-examples-XXXXXX";
        ASSERT_NE(nullptr, mkdtemp(pattern));
        folder_ = pattern;
        const char* source = std::getenv("KFA_SOURCE_DIR");
        ASSERT_NE(nullptr, source);
        std::filesystem::create_directory_symlink(std::string(source) + "/examples", folder_ + "/examples");
        std::filesystem::create_directory(folder_ + "/out");
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    // Runs `command` in the folder; its exit status, with the output in `output`.
    int run(const std::string& command, std::string& output) const
    {
        FILE* pipe = popen(("cd '" + folder_ + "' && " + command + " 2>&1").c_str(), "r");
        if (pipe == nullptr)
            return -1;
        char buffer[512];
        while (std::fgets(buffer, sizeof buffer, pipe) != nullptr)
            output += buffer;
        const int status = pclose(pipe);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    int zorhost(const std::string& arguments, std::string& output) const
    {
        return run(std::string("'") + ZORHOST_PATH + "' --no-progress " + arguments, output);
    }

    bool exists(const std::string& name) const { return std::filesystem::exists(folder_ + "/" + name); }

    std::string folder_;
};

}  // namespace

TEST_F(ExamplesTest, QuickLookDrawsThreePictures)
{
    std::string output;
    ASSERT_EQ(0, zorhost("--contact-sheet out/quicklook.png --frame-log out/quicklook.csv examples/quicklook.mcr",
                         output))
        << output;
    EXPECT_TRUE(exists("out/quicklook.png"));
    std::ifstream log(folder_ + "/out/quicklook.csv");
    std::string line;
    int rows = -1;
    while (std::getline(log, line))
        ++rows;
    EXPECT_EQ(3, rows);
}
