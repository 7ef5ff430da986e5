// zorhost as a person runs it, without drawing: the command line, the
// messages and exit statuses, and the files it writes and leaves alone.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/ZorhostRun.h"

using ::testing::HasSubstr;
using ::testing::Not;
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
    const std::pair<std::vector<std::string>, std::string> cases[] = {
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
        // The window writes none of the outputs.
        {{"--window", "--frames", "sub", "m.mcr"}, "--frames excludes --window"},
        // A system library's name is no file here, whatever the loader's path holds.
        {{"--addon", "libm.so.6", "--describe-addon"},
         "zorhost: cannot load the add-on " + file("libm.so.6") + ": cannot open shared object file: No such file"},
    };
    for (const auto& [arguments, message] : cases) {
        const ProgramRun run = zorhost(arguments);
        EXPECT_EQ(2, run.status) << run.output;
        EXPECT_THAT(run.output, HasSubstr(message));
        EXPECT_EQ(redrawMacro, readFile(file("m.mcr")));
        EXPECT_EQ((std::vector<std::string>{"m.mcr", "sub"}), folder_.entries()) << run.output;
    }
}

TEST_F(ZorhostTest, OutputsReplaceTheirFilesOnlyWhenComplete)
{
    const std::string longName = std::string(251, 'l') + ".csv";
    std::string redraws;
    for (int i = 0; i < 30; ++i)
        redraws += "$!REDRAW\n$!SOLUTIONTIME TIME = 0.12345\n";
    // The macro and the run's limits, then the exit status, the message, and
    // whether the frame log and the recorded macro are written.
    const std::tuple<std::string, RunOptions, int, std::string, bool, bool> cases[] = {
        {redrawMacro, {}, 0, "", true, true},
        // A command that fails: the log shows what was drawn before it, the
        // recording is not complete.
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
    for (const auto& [macro, options, status, message, logWritten, recordWritten] : cases) {
        writeFile(longName, "old log");
        writeFile("r.mcr", "old recording");
        writeFile("m.mcr", macro);
        const ProgramRun run = zorhost({"--frame-log", longName, "--record", "r.mcr", "m.mcr"}, options);
        EXPECT_EQ(status, run.status) << run.output;
        EXPECT_EQ(message, run.output);
        const std::string log = readFile(file(longName));
        // A new log from its heading on, showing what was drawn; or the old one untouched.
        EXPECT_TRUE(logWritten ? log.rfind("frame,event,", 0) == 0 && log.find("\n0,redraw,") != std::string::npos
                               : log == "old log")
            << log;
        EXPECT_EQ(recordWritten ? "$!NEWFRAME\n$!REDRAW\n" : "old recording", readFile(file("r.mcr")));
        EXPECT_EQ((std::vector<std::string>{longName, "m.mcr", "r.mcr"}), folder_.entries());
    }
}

TEST_F(ZorhostTest, WritesThroughNamesOfOpenFilesAndDevices)
{
    writeFile("m.mcr", redrawMacro);
    ProgramRun run = zorhost({"--frame-log", "/dev/stdout", "--record", "/dev/null", "m.mcr"});
    EXPECT_EQ(0, run.status);
    EXPECT_THAT(run.output, ::testing::ContainsRegex("^frame,event,x,y,z,[^\n]*\n0,redraw,"));
    run = zorhost({"--frame-log", "/dev/full", "m.mcr"});
    EXPECT_EQ(1, run.status);
    EXPECT_EQ("zorhost: cannot write the frame log /dev/full: No space left on device\n", run.output);
}

TEST_F(ZorhostTest, MacroErrorsNameTheFileAndLineAndStopPlayingThere)
{
    const std::pair<std::string, std::string> cases[] = {
        // A fault the reader finds: nothing is played at all.
        {sampleMacro + "$!REDRAW\n$!ROTATE3D AXIS = PSI\n", "m.mcr:5: $!ROTATE3D: missing ANGLE\n"},
        {sampleMacro + "$!REDRAW\n$!STYLE PATH = \"EXPORTSETUP IMAGEWIDTH\" VALUE = 2\n",
         "m.mcr:5: $!STYLE: IMAGEWIDTH = 2 is out of range: a whole number from 4 to 16384\n"},
        // An add-on command the add-on refuses: the text its callback returned.
        {"$!ADDONCOMMAND ADDON = \"Key Frame Animation\" COMMAND = \"OpenSettingsFile FileName=sub\"\n",
         "m.mcr:1: Key Frame Animation error:\nUnable to open file for reading.\n"},
    };
    std::filesystem::create_directory(file("sub"));
    for (const auto& [macro, message] : cases) {
        writeFile("m.mcr", macro);
        const ProgramRun run = zorhost({"--frame-log", "log.csv", "m.mcr"});
        EXPECT_EQ(1, run.status);
        EXPECT_THAT(run.output, StartsWith(message));
        EXPECT_THAT(readFile(file("log.csv")), Not(HasSubstr(",redraw,")));
    }
}

TEST_F(ZorhostTest, PlaysSeveralFilesInOrderAndARecordingPlaysBackTheSame)
{
    const std::string original =
        writeFile("original.mcr", sampleMacro + "$!rotate3d axis = theta angle = 25\n"
                                                "$!REDRAW\n"
                                                "$!STYLE PATH = \"GLOBALTHREED LIGHTSOURCE INTENSITY\" VALUE = 30\n"
                                                "$!SOLUTIONTIME TIME = 1.123456789012\n"
                                                "$!EXPORTSETUP EXPORTFNAME = \"a \\\"quoted\\\" name.mp4\"\n");
    const std::string second = writeFile("second.mcr", "# only a redraw\n\n$!REDRAW\n");
    ProgramRun run = zorhost({"--record", "recorded.mcr", "--frame-log", "first.csv", original, second});
    ASSERT_EQ(0, run.status) << run.output;
    EXPECT_EQ("", run.output);
    run = zorhost({"--frame-log", "second.csv", "recorded.mcr"});
    ASSERT_EQ(0, run.status) << run.output;
    // The second file's redraw comes last, at the time the first set, logged to ten digits.
    EXPECT_THAT(readFile(file("first.csv")), ::testing::ContainsRegex("\n1,redraw,[^\n]*,1\\.123456789\n$"));
    EXPECT_EQ(readFile(file("first.csv")), readFile(file("second.csv")));
}

TEST_F(ZorhostTest, LoadsTheAddOnNamedFromTheWorkingFolder)
{
    std::filesystem::create_symlink(KFA_MODULE_PATH, file("kfa.so"));
    const ProgramRun run = zorhost({"--addon", "kfa.so", "--describe-addon"});
    EXPECT_EQ(0, run.status) << run.output;
    EXPECT_THAT(run.output, HasSubstr("\"Key Frame Animation\""));
}
