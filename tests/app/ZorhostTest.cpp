// zorhost as a person runs it, without drawing: the command line, the
// messages and exit statuses, and the files it writes and leaves alone.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/ZorhostRun.h"

using ::testing::HasSubstr;
using ::testing::StartsWith;

namespace {

const char* const redrawMacro = "$!NEWFRAME\n$!REDRAW\n";
const std::string sampleMacro = "$!NEWFRAME\n$!LOADSAMPLE STEPS = 3\n$!EXPORTSETUP IMAGEWIDTH = 200\n";

class ZorhostTest : public ZorhostFolderTest {};

}  // namespace

TEST_F(ZorhostTest, UsageErrorsExitWithTwoBeforeAnythingIsWritten)
{
    writeFile("m.mcr", redrawMacro);
    std::filesystem::create_directory(file("sub"));
    struct Case {
        std::vector<std::string> arguments;
        std::string message;
    };
    const Case cases[] = {
        {{"--no-such-option", "m.mcr"}, "The following argument was not expected: --no-such-option"},
        {{}, "zorhost: no macro file to play\nUsage: zorhost [options] MACROFILE...\n"},
        {{"--frame-log", "m.mcr"}, "zorhost: no macro file to play\n"},
        {{"missing.mcr"}, "zorhost: cannot read the macro file missing.mcr\n"},
        {{"--frame-log", "m.mcr", "m.mcr"}, "zorhost: the frame log m.mcr would overwrite the macro file m.mcr\n"},
        {{"--record", "sub/../m.mcr", "m.mcr"},
         "zorhost: the recorded macro sub/../m.mcr would overwrite the macro file m.mcr\n"},
        {{"--frame-log", "a.csv", "--contact-sheet", "./a.csv", "m.mcr"},
         "zorhost: the frame log a.csv and the contact sheet ./a.csv are the same file\n"},
        {{"--frame-log", "no/log.csv", "m.mcr"},
         "zorhost: cannot create the frame log no/log.csv: No such file or directory\n"},
        {{"--record", "m.mcr/r.mcr", "m.mcr"},
         "zorhost: cannot create the recorded macro m.mcr/r.mcr: Not a directory\n"},
        {{"--contact-sheet", "sub", "m.mcr"}, "zorhost: cannot create the contact sheet sub: it is a folder\n"},
        {{"--frames", "m.mcr", "m.mcr"}, "zorhost: cannot create the frame folder m.mcr: it is not a folder\n"},
        {{"--addon", "/nonexistent/module.so", "--describe-addon"},
         "zorhost: cannot load the add-on /nonexistent/module.so: "},
    };
    for (const Case& c : cases) {
        const ProgramRun run = zorhost(c.arguments);
        EXPECT_EQ(2, run.status) << run.output;
        EXPECT_THAT(run.output, HasSubstr(c.message));
        EXPECT_EQ(redrawMacro, readFile(file("m.mcr")));
        EXPECT_EQ((std::vector<std::string>{"m.mcr", "sub"}), entries()) << run.output;
    }
}

TEST_F(ZorhostTest, OutputsReplaceTheirFilesOnlyWhenComplete)
{
    const std::string longName = std::string(251, 'l') + ".csv";
    std::string redraws;
    for (int i = 0; i < 30; ++i)
        redraws += "$!REDRAW\n$!SOLUTIONTIME TIME = 0.12345\n";
    struct Case {
        std::string macro;
        RunOptions options;
        int status;
        std::string message;
        bool logWritten;
        bool recordWritten;
    };
    const Case cases[] = {
        {redrawMacro, {}, 0, "", true, true},
        // A command that fails: the log shows what was drawn, the recording is not complete.
        {"$!NEWFRAME\n$!REDRAW\n$!DELETEFRAME\n$!DELETEFRAME\n",
         {},
         1,
         "m.mcr:4: there is no frame\nzorhost: the recorded macro r.mcr is not written, because a command failed\n",
         true,
         false},
        // The disk fills up.
        {"$!NEWFRAME\n" + redraws,
         {false, 1000},
         1,
         "zorhost: cannot write the frame log " + longName +
             ": File too large\nzorhost: cannot write the recorded macro r.mcr: File too large\n",
         false,
         false},
    };
    for (const Case& c : cases) {
        writeFile(longName, "old log");
        writeFile("r.mcr", "old recording");
        writeFile("m.mcr", c.macro);
        const ProgramRun run = zorhost({"--frame-log", longName, "--record", "r.mcr", "m.mcr"}, c.options);
        EXPECT_EQ(c.status, run.status) << run.output;
        EXPECT_EQ(c.message, run.output);
        const std::string log = readFile(file(longName));
        EXPECT_EQ(c.logWritten, log.rfind("frame,event,", 0) == 0) << log;
        EXPECT_EQ(c.logWritten ? std::string::npos : 0, log.find("old log"));
        EXPECT_EQ(c.recordWritten ? "$!NEWFRAME\n$!REDRAW\n" : "old recording", readFile(file("r.mcr")));
        EXPECT_EQ((std::vector<std::string>{longName, "m.mcr", "r.mcr"}), entries());
    }
}

TEST_F(ZorhostTest, WritesThroughNamesOfOpenFilesAndDevices)
{
    writeFile("m.mcr", redrawMacro);
    ProgramRun run = zorhost({"--frame-log", "/dev/stdout", "--record", "/dev/null", "m.mcr"});
    EXPECT_EQ(0, run.status);
    EXPECT_THAT(run.output, HasSubstr("frame,event,x,y,z,"));
    EXPECT_THAT(run.output, HasSubstr("\n0,redraw,"));
    run = zorhost({"--frame-log", "/dev/full", "m.mcr"});
    EXPECT_EQ(1, run.status);
    EXPECT_EQ("zorhost: cannot write the frame log /dev/full: No space left on device\n", run.output);
}

TEST_F(ZorhostTest, MacroErrorsNameTheFileAndLineAndStopPlayingThere)
{
    struct Case {
        std::string macro;
        std::string message;
        std::size_t redrawsPlayed;
    };
    const Case cases[] = {
        // A fault the reader finds: nothing is played at all.
        {sampleMacro + "$!REDRAW\n$!ROTATE3D AXIS = PSI\n", "m.mcr:5: $!ROTATE3D: missing ANGLE\n", 0},
        // A command that fails when played: what came before it was played.
        {sampleMacro + "$!REDRAW\n$!DELETEFRAME\n$!DELETEFRAME\n$!REDRAW\n", "m.mcr:6: there is no frame\n", 1},
        // An add-on command the add-on refuses: the text its callback returned.
        {"$!ADDONCOMMAND ADDON = \"Key Frame Animation\" COMMAND = \"Fly Speed=3\"\n",
         "m.mcr:1: Key Frame Animation error:\n", 0},
        {"$!ADDONCOMMAND ADDON = \"Key Frame Animation\" COMMAND = \"OpenSettingsFile FileName=sub\"\n",
         "m.mcr:1: Key Frame Animation error:\nUnable to open file for reading.\n", 0},
    };
    std::filesystem::create_directory(file("sub"));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.macro);
        writeFile("m.mcr", c.macro);
        const ProgramRun run = zorhost({"--frame-log", "log.csv", "m.mcr"});
        EXPECT_EQ(1, run.status);
        EXPECT_THAT(run.output, StartsWith(c.message));
        const std::string log = readFile(file("log.csv"));
        std::size_t redraws = 0;
        for (std::size_t at = log.find(",redraw,"); at != std::string::npos; at = log.find(",redraw,", at + 1))
            ++redraws;
        EXPECT_EQ(c.redrawsPlayed, redraws) << log;
    }
}

TEST_F(ZorhostTest, PlaysSeveralFilesInOrderAndARecordingPlaysBackTheSame)
{
    const std::string original =
        writeFile("original.mcr", sampleMacro + "$!rotate3d axis = theta angle = 25\n"
                                                "$!REDRAW\n"
                                                "$!STYLE PATH = \"GLOBALTHREED LIGHTSOURCE INTENSITY\" VALUE = 30\n"
                                                "$!SOLUTIONTIME TIME = 1.5\n"
                                                "$!EXPORTSETUP EXPORTFNAME = \"a \\\"quoted\\\" name.mp4\"\n");
    const std::string second = writeFile("second.mcr", "# only a redraw\n\n$!REDRAW\n");
    ProgramRun run = zorhost({"--record", "recorded.mcr", "--frame-log", "first.csv", original, second});
    ASSERT_EQ(0, run.status) << run.output;
    EXPECT_EQ("", run.output);
    run = zorhost({"--frame-log", "second.csv", "recorded.mcr"});
    ASSERT_EQ(0, run.status) << run.output;
    EXPECT_THAT(readFile(file("first.csv")), HasSubstr("\n1,redraw,"));
    EXPECT_EQ(readFile(file("first.csv")), readFile(file("second.csv")));
    EXPECT_THAT(readFile(file("recorded.mcr")), HasSubstr("$!ROTATE3D AXIS = THETA ANGLE = 25\n"));
}

TEST_F(ZorhostTest, LoadsTheAddOnNamedFromTheWorkingFolder)
{
    std::filesystem::create_symlink(KFA_MODULE_PATH, file("kfa.so"));
    ProgramRun run = zorhost({"--addon", "kfa.so", "--describe-addon"});
    EXPECT_EQ(0, run.status) << run.output;
    EXPECT_THAT(run.output, HasSubstr("\"Key Frame Animation\""));
    // A system library's name is no file here, whatever the loader's path holds.
    run = zorhost({"--addon", "libm.so.6", "--describe-addon"});
    EXPECT_EQ(2, run.status);
    EXPECT_EQ("zorhost: cannot load the add-on " + file("libm.so.6") +
                  ": cannot open shared object file: No such file or directory\n",
              run.output);
}
