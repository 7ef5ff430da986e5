// Movies rendered in segments: zorhost's frame ranges and frame count, and
// tools/render-parallel joining the segments, against the movie one zorhost
// writes whole.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "support/FfmpegProbe.h"
#include "support/ZorhostRun.h"

using namespace ::testing;

namespace {

const std::string addOnCommand = "$!ADDONCOMMAND ADDON = \"Key Frame Animation\" COMMAND = \"";

// Mean difference of two pictures' colour values.
double difference(const std::string& a, const std::string& b)
{
    double sum = 0.0;
    for (std::size_t i = 0; i < a.size() && i < b.size(); ++i)
        sum += std::abs(static_cast<std::uint8_t>(a[i]) - static_cast<std::uint8_t>(b[i]));
    return sum / static_cast<double>(a.size());
}

class ZorhostSegmentTest : public ZorhostFolderTest {
protected:
    // 21 frames between two key frames that turn, zoom and run the time with
    // fade in and out and the streamtraces' markers on, into the movie `name`.
    std::string movieMacro(const std::string& format, const std::string& name, const std::string& macro = "movie.mcr")
    {
        writeFile("two.keyframe", "#!KeyFrame 1\n%Settings\n FadeIn true\n FadeOut true\n%Settings\n"
                                  "%KeyFrameView\n Position 10 -20 15\n Angle 60 30 0\n Width 16\n FrameCount 20\n"
                                  " SolutionTime 0\n%KeyFrameView\n%KeyFrameView\n Position -10 -20 15\n"
                                  " Angle 60 -30 0\n Width 8\n FrameCount 1\n SolutionTime 2\n%KeyFrameView\n");
        return writeFile(
            macro,
            "$!NEWFRAME\n$!LOADSAMPLE STEPS = 3\n$!EXPORTSETUP IMAGEWIDTH = 96\n$!EXPORTSETUP ANIMATIONSPEED = 29.97\n"
            "$!STYLE PATH = \"STREAMATTRIBUTES STREAMTIMING SHOWMARKERS\" VALUE = TRUE\n" +
                addOnCommand + "OpenSettingsFile FileName=two.keyframe\"\n$!EXPORTSETUP EXPORTFORMAT = " + format +
                "\n$!EXPORTSETUP EXPORTFNAME = \"" + name + "\"\n" + addOnCommand +
                "Animate AnimationDestination=ToFile\"\n");
    }

    ProgramRun renderParallel(const std::string& arguments, const std::string& zorhost = ZORHOST_PATH) const
    {
        return runCommand("cd '" + folder_.root() + "' && ZORHOST='" + zorhost +
                          "' " KFA_TOOLS_DIR "/render-parallel " + arguments);
    }

    // The movie's pictures, decoded to RGB by FFmpeg.
    std::vector<std::string> pictures(const std::string& movie) const
    {
        const MovieProbe probe = probeMovie(file(movie));
        runCommand("ffmpeg -v error -i '" + file(movie) + "' -f rawvideo -pix_fmt rgb24 -y '" + file("raw") + "'");
        const std::string raw = readFile(file("raw"));
        std::filesystem::remove(file("raw"));
        const std::size_t size = raw.size() / static_cast<std::size_t>(std::max(1, probe.frames));
        std::vector<std::string> frames;
        for (std::size_t at = 0; size > 0 && at < raw.size(); at += size)
            frames.push_back(raw.substr(at, size));
        return frames;
    }
};

}  // namespace

TEST_F(ZorhostSegmentTest, BadRangesAndRunsThatCannotBeCutAreRefusedAndLeaveNothing)
{
    const std::string movie = movieMacro("RASTERMETAFILE", "movie.rm");
    writeFile("twice.mcr", readFile(movie) + addOnCommand + "Animate AnimationDestination=ToFile\"\n");
    movieMacro("FLASH", "movie.swf", "flash.mcr");
    const std::vector<std::string> inputs = folder_.entries();
    // The arguments, then zorhost's exit status and what it says.
    const std::tuple<std::vector<std::string>, int, std::string> cases[] = {
        {{"--frames-range", "5:2", movie}, 2, "--frames-range: 5:2: the last frame comes before the first\n"},
        {{"--frames-range", "x:3", movie}, 2, "--frames-range: x:3: FIRST:LAST takes two frame numbers, as in 0:99\n"},
        {{"--frames-range=-1:3", movie}, 2, "--frames-range: -1:3: frame numbers start at 0, the animation's first"},
        {{"--frames-range", "21:40", movie},
         1,
         "zorhost: the frame range 21:40 holds none of the movie's 21 frames (0 to 20)\n" + movie + ":9: "},
        {{"--count-frames", "--frame-log", "log.csv", movie}, 2, "--frame-log excludes --count-frames"},
        {{"--count-frames", "twice.mcr"},
         1,
         "zorhost: a run cut into segments takes one movie: movie.rm would be a second after movie.rm\n"},
        {{"--frames-range", "0:3", "flash.mcr"}, 1, "zorhost: a Flash (SWF) movie cannot be joined from segments"},
    };
    for (const auto& [arguments, status, message] : cases) {
        SCOPED_TRACE(arguments.front() + " " + arguments[1]);
        const ProgramRun run = zorhost(arguments);
        EXPECT_EQ(status, run.status);
        EXPECT_THAT(run.output, HasSubstr(message));
        EXPECT_EQ(inputs, folder_.entries());
    }
}

TEST_F(ZorhostSegmentTest, SegmentsAtTheStartMiddleAndEndHoldTheFramesOfTheWholeMovie)
{
    const std::string macro = movieMacro("RASTERMETAFILE", "movie.rm");
    const ProgramRun count = zorhost({"--count-frames", macro});
    EXPECT_EQ(std::make_pair(0, std::string("21\t29.97\tmovie.rm\n")), std::make_pair(count.status, count.output));
    EXPECT_FALSE(std::filesystem::exists(file("movie.rm")));
    ASSERT_EQ(0, zorhost({macro}).status);
    const std::string whole = readFile(file("movie.rm"));
    const std::size_t frameSize = whole.size() / 21;
    // The range asked for, then the frames it holds: the last is cut at the movie's end.
    const std::tuple<std::string, std::string, std::size_t, std::size_t> cases[] = {
        {"0:4", "movie.frames-0-4.rm", 0, 5},
        {"5:12", "movie.frames-5-12.rm", 5, 8},
        {"13:99", "movie.frames-13-99.rm", 13, 8}};
    for (const auto& [range, segment, first, frames] : cases) {
        SCOPED_TRACE(range);
        const ProgramRun run = zorhost({"--frames-range", range, macro});
        ASSERT_EQ(0, run.status) << run.output;
        EXPECT_TRUE(readFile(file(segment)) == whole.substr(first * frameSize, frames * frameSize));
    }
}

TEST_F(ZorhostSegmentTest, RenderParallelJoinsThreeSegmentsIntoTheWholeMovieInEveryFormat)
{
    ASSERT_EQ(0, zorhost({movieMacro("RASTERMETAFILE", "truth.rm")}).status);
    const std::vector<std::string> truth = pictures("truth.rm");
    for (const std::string format : {"RASTERMETAFILE", "MPEG4", "AVI", "WMV", "FLV"}) {
        SCOPED_TRACE(format);
        const std::string macro = movieMacro(format, "movie");
        ASSERT_EQ(0, zorhost({macro}).status);
        std::filesystem::rename(file("movie"), file("whole"));
        const ProgramRun run = renderParallel("-j 3 movie.mcr");
        ASSERT_EQ(0, run.status) << run.output;
        EXPECT_EQ((std::vector<std::string>{"movie", "movie.mcr", "truth.rm", "two.keyframe", "whole"}),
                  folder_.entries());
        const MovieProbe joined = probeMovie(file("movie"));
        const MovieProbe whole = probeMovie(file("whole"));
        EXPECT_EQ(std::tie(whole.container, whole.codec, whole.size, whole.frameRate, whole.frames),
                  std::tie(joined.container, joined.codec, joined.size, joined.frameRate, joined.frames));
        // A segment's frames are encoded afresh from its key frame on, so
        // they stray from the pictures drawn as far as the whole movie's do.
        const std::vector<std::string> wholePictures = pictures("whole");
        const std::vector<std::string> joinedPictures = pictures("movie");
        ASSERT_EQ(truth.size(), joinedPictures.size());
        for (std::size_t i = 0; i < truth.size(); ++i)
            EXPECT_LE(difference(joinedPictures[i], truth[i]), 1.25 * difference(wholePictures[i], truth[i]) + 0.5)
                << i;
        std::filesystem::remove(file("whole"));
        std::filesystem::remove(file("movie"));
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
        const ProgramRun run = renderParallel("-j 3 " + macro, program);
        EXPECT_EQ(1, run.status);
        EXPECT_THAT(run.output, ContainsRegex(message));
        EXPECT_EQ(before, folder_.entries());
        EXPECT_EQ("the movie before", readFile(file("movie.mp4")));
    }
}
