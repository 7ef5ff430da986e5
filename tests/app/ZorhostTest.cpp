// zorhost as a person runs it: the command line, the output, the exit status.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <string>

namespace {

struct ProgramRun {
    int status;
    std::string output;
};

// Runs zorhost with `arguments`; the output holds both standard streams.
ProgramRun zorhost(const std::string& arguments)
{
    const std::string command = std::string("'") + ZORHOST_PATH + "' " + arguments + " 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr)
        return {-1, ""};
    ProgramRun run{-1, ""};
    char buffer[512];
    while (std::fgets(buffer, sizeof buffer, pipe) != nullptr)
        run.output += buffer;
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

}  // namespace

TEST(ZorhostTest, DescribesWhatTheBuiltAddOnRegistered)
{
    const ProgramRun run = zorhost("--describe-addon");
    EXPECT_EQ(0, run.status);
    EXPECT_EQ("Add-ons:\n"
              "  \"Key Frame Animation\"\n"
              "    version: V13.1.0.15185(13.1.0.15185) Mar 30 2011\n"
              "    company: Zorvan, Inc.\n"
              "    host interface: 110\n"
              "Menu options:\n"
              "  \"&Key Frame Animation...\" in standard menu 10, position -1, not available now\n"
              "Macro commands for:\n"
              "  \"Key Frame Animation\"\n",
              run.output);
}

TEST(ZorhostTest, UsageErrorsAndUnloadableModulesExitWithTwo)
{
    const ProgramRun unknownOption = zorhost("--no-such-option");
    EXPECT_EQ(2, unknownOption.status) << unknownOption.output;

    const ProgramRun missingModule = zorhost("--addon /nonexistent/module.so --describe-addon");
    EXPECT_EQ(2, missingModule.status);
    EXPECT_EQ(0u, missingModule.output.find("zorhost: cannot load the add-on /nonexistent/module.so"))
        << missingModule.output;
}
