// Movies rendered in segments: zorhost's frame ranges and frame count, and
// tools/render-parallel joining the segments, against the movie one zorhost
// writes whole.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/FfmpegProbe.h"
#include "support/ZorhostRun.h"

using namespace ::testing;

namespace {

const std::string animate =
    "$!ADDONCOMMAND ADDON = \"Key Frame Animation\" COMMAND = \"Animate AnimationDestination=ToFile\"\n";

class ZorhostSegmentTest : public ZorhostFolderTest {
protected:
    // 21 frames between two key frames that turn, zoom and run the time with
    // fade in and out and the streamtraces' markers on, into the movie `name`.
    std::string movieMacro(const std::string& format, const std::string& name, const std::string& macro = "movie.mcr")
    {
        writeFile("two.keyframe", "#!KeyFrame 1\n%Settings\n FadeIn true\n FadeOut true\n%Settings\n%KeyFrameView\n"
                                  " Position 10 -20 15\n Angle 60 30 0\n Width 16\n FrameCount 20\n%KeyFrameView\n"
                                  "%KeyFrameView\n Position -10 -20 15\n Angle 60 -30 0\n Width 8\n SolutionTime 2\n"
                                  "%KeyFrameView\n");
        return writeFile(macro, "$!NEWFRAME\n$!LOADSAMPLE STEPS = 3\n$!EXPORTSETUP IMAGEWIDTH = 96\n"
                                "$!EXPORTSETUP ANIMATIONSPEED = 29.97\n$!STYLE PATH = \"STREAMATTRIBUTES "
                                "STREAMTIMING SHOWMARKERS\" VALUE = TRUE\n$!ADDONCOMMAND ADDON = \"Key Frame "
                                "Animation\" COMMAND = \"OpenSettingsFile FileName=two.keyframe\"\n"
                                "$!EXPORTSETUP EXPORTFORMAT = " +
                                    format + "\n$!EXPORTSETUP EXPORTFNAME = \"" + name + "\"\n" + animate);
    }

    ProgramRun renderParallel(const std::string& macro, const std::string& zorhost = ZORHOST_PATH) const
    {
        return runCommand("cd " + folder_.root() + " && ZORHOST=" + zorhost +
                          " " KFA_TOOLS_DIR "/render-parallel -j 3 " + macro);
    }

    // The movie's peak signal-to-noise ratio against the pictures drawn, frame by frame (dB).
    double psnr(const std::string& movie) const
    {
        const std::string out =
            runCommand("ffmpeg -i " + file(movie) + " -i " + file("drawn.rm") +
                       " -lavfi '[0]settb=1,setpts=N[a];[1]settb=1,setpts=N[b];[a][b]psnr' -f null -")
                .output;
        return std::stod(out.substr(out.rfind("average:") + 8));
    }
};

}  // namespace

TEST_F(ZorhostSegmentTest, BadRangesAndRunsThatCannotBeCutAreRefusedAndLeaveNothing)
{
    const std::string movie = movieMacro("RASTERMETAFILE", "movie.rm");
    writeFile("twice.mcr", readFile(movie) + animate);
    movieMacro("FLASH", "movie.swf", "flash.mcr");
    writeFile("none.mcr", "$!NEWFRAME\n");
    const std::vector<std::string> inputs = folder_.entries();
    // The arguments, then zorhost's exit status and what it says.
    const std::tuple<std::vector<std::string>, int, std::string> cases[] = {
        {{"--frames-range", "5:2", movie}, 2, "--frames-range: 5:2: the last frame comes before the first\n"},
        {{"--frames-range", "x:3", movie}, 2, "--frames-range: x:3: FIRST:LAST takes two frame numbers, as in 0:99\n"},
        {{"--frames-range=-1:3", movie}, 2, "--frames-range: -1:3: frame numbers start at 0, the animation's first"},
        {{"--frames-range", "21:40", movie},
         1,
         "range 21:40 holds none of the movie's 21 frames (0 to 20)\n" + movie + ":9:"},
        {{"--count-frames", "twice.mcr"},
         1,
         "a run cut into segments takes one movie: movie.rm would be a second after"},
        {{"--frames-range", "0:3", "flash.mcr"}, 1, "zorhost: a Flash (SWF) movie cannot be joined from segments"},
        {{"--frames-range", "0:3", "none.mcr"},
         1,
         "zorhost: the frame range 0:3 was given, but no movie was written\n"},
    };
    for (const auto& [arguments, status, message] : cases) {
        SCOPED_TRACE(arguments.front() + " " + arguments[1]);
        const ProgramRun run = zorhost(arguments);
        EXPECT_EQ(status, run.status);
        EXPECT_THAT(run.output, HasSubstr(message));
        EXPECT_EQ(inputs, folder_.entries());
    }
}

TEST_F(ZorhostSegmentTest, ThreeSegmentsJoinIntoTheWholeMovieInEveryFormat)
{
    const ProgramRun count = zorhost({"--count-frames", movieMacro("RASTERMETAFILE", "drawn.rm")});
    EXPECT_EQ("21\t29.97\tdrawn.rm\n", count.output);
    ASSERT_EQ(0, zorhost({"movie.mcr"}).status);
    // The last segment, cut at the movie's end, holds its last frame.
    ASSERT_EQ(0, zorhost({"--frames-range", "20:99", "movie.mcr"}).status);
    const std::string drawn = readFile(file("drawn.rm"));
    EXPECT_TRUE(readFile(file("drawn.frames-20-99.rm")) == drawn.substr(drawn.size() / 21 * 20));
    for (const std::string format : {"RASTERMETAFILE", "MPEG4", "AVI", "WMV", "FLV"}) {
        SCOPED_TRACE(format);
        ASSERT_EQ(0, zorhost({movieMacro(format, "whole")}).status);
        movieMacro(format, "movie");
        const ProgramRun run = renderParallel("movie.mcr");
        ASSERT_EQ(0, run.status) << run.output;
        EXPECT_THAT(run.output, HasSubstr("wrote movie: 21 frames rendered in 3 segments"));
        const MovieProbe joined = probeMovie(file("movie"));
        const MovieProbe whole = probeMovie(file("whole"));
        EXPECT_EQ(std::tie(whole.container, whole.codec, whole.size, whole.frameRate, whole.frames),
                  std::tie(joined.container, joined.codec, joined.size, joined.frameRate, joined.frames));
        // A segment is encoded afresh from its first frame, a key frame; it
        // strays from the pictures drawn as far as the whole movie does.
        EXPECT_GE(psnr("movie"), psnr("whole") - 1.0);
        std::filesystem::remove(file("movie"));
        EXPECT_EQ((std::vector<std::string>{"drawn.frames-20-99.rm", "drawn.rm", "movie.mcr", "two.keyframe", "whole"}),
                  folder_.entries());
    }
}

TEST_F(ZorhostSegmentTest, AFailedSegmentFailsTheRunByNameAndLeavesTheMovieAsItWas)
{
    movieMacro("MPEG4", "movie.mp4");
    movieMacro("MPEG4", "none/movie.mp4", "lost.mcr");
    writeFile("movie.mp4", "the movie before");
    const std::string killed =
        writeFile("killed", "#!/bin/sh\ncase \"$*\" in *\"--frames-range 7:13 \"*) kill -9 $$;; esac\n"
                            "exec " ZORHOST_PATH " \"$@\"\n");
    std::filesystem::permissions(killed, std::filesystem::perms::owner_exec, std::filesystem::perm_options::add);
    const std::vector<std::string> before = folder_.entries();
    // The zorhost run and the macro, then what render-parallel says of the segment.
    const std::tuple<std::string, std::string, std::string> cases[] = {
        {killed, "movie.mcr", "render-parallel: the segment of frames 7:13 was ended by signal 9\n"},
        {ZORHOST_PATH, "lost.mcr", "render-parallel: the segment of frames [0-9]+:[0-9]+ failed \\(exit status 1\\)\n"},
    };
    for (const auto& [program, macro, message] : cases) {
        SCOPED_TRACE(macro);
        const ProgramRun run = renderParallel(macro, program);
        EXPECT_EQ(1, run.status);
        EXPECT_THAT(run.output, ContainsRegex(message));
        EXPECT_EQ(before, folder_.entries());
        EXPECT_EQ("the movie before", readFile(file("movie.mp4")));
    }
}
