// zorhost playing macros of its own, end to end: exit statuses and messages,
// the frame log, signals and keys that cancel a movie, and the movies and
// pictures written.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <png.h>

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <sstream>
#include <string>

#include "support/FfmpegProbe.h"
#include "support/ZorhostRun.h"

using ::testing::Each;
using ::testing::HasSubstr;

namespace {

const std::string sampleMacro = "$!NEWFRAME\n"
                                "$!LOADSAMPLE STEPS = 3\n"
                                "$!EXPORTSETUP IMAGEWIDTH = 200\n";
// The start of a line that hands the add-on a command, up to the command's text.
const std::string addOnCommand = "$!ADDONCOMMAND ADDON = \"Key Frame Animation\" COMMAND = \"";
const std::string animateToFile = addOnCommand + "Animate AnimationDestination=ToFile\"\n";

// The frame log's columns from x on.
enum LogColumn { X, Theta = 4, Width = 6, Intensity, BackgroundLight, FrameAxis, TimeAnchor, SolutionTime };

// One column of the rows of the frame log whose event starts with `event`, in order.
std::vector<double> logColumn(const std::string& log, const std::string& event, LogColumn column)
{
    std::vector<double> values;
    std::istringstream lines(log);
    for (std::string line; std::getline(lines, line);) {
        std::vector<std::string> row;
        std::istringstream fields(line);
        for (std::string field; std::getline(fields, field, ',');)
            row.push_back(field);
        const std::string& value = row.at(static_cast<std::size_t>(column) + 2);
        if (row[1].rfind(event, 0) == 0)
            values.push_back(value == "true" ? 1.0 : value == "false" ? 0.0 : std::stod(value));
    }
    return values;
}

class ZorhostPlayTest : public ZorhostFolderTest {
protected:
    // Two key frames twenty frames apart that turn, zoom and run the time, with fade in and out.
    void writeTwoKeyFrames() const
    {
        writeFile("two.keyframe", "#!KeyFrame 1\n\n%Settings\n AnimateTime true\n AnimateStreamtraces true\n"
                                  " FadeIn true\n FadeOut true\n%Settings\n\n"
                                  "%KeyFrameView\n Position 10 -20 15\n Angle 60 30 0\n Width 16\n"
                                  " FrameCount 20\n SolutionTime 0\n%KeyFrameView\n\n"
                                  "%KeyFrameView\n Position -10 -20 15\n Angle 60 -30 0\n Width 8\n"
                                  " FrameCount 1\n SolutionTime 2\n%KeyFrameView\n");
    }

    // The example's fly-through into an MPEG-4 movie of 121 frames, long
    // enough to be interrupted, then a redraw.
    std::string writeFlythroughMovieMacro(const std::string& name) const
    {
        return writeFile(name, sampleMacro + addOnCommand + "OpenSettingsFile FileName=" + KFA_EXAMPLES_DIR +
                                   "/flythrough.keyframe\"\n"
                                   "$!EXPORTSETUP EXPORTFORMAT = MPEG4\n"
                                   "$!EXPORTSETUP IMAGEWIDTH = 640\n"
                                   "$!EXPORTSETUP EXPORTFNAME = \"movie.mp4\"\n" +
                                   animateToFile + "$!REDRAW\n");
    }

    // The frame folder holds every picture drawn, movie frames and the
    // redraw after them alike, under its frame number at the movie's size.
    void expectEveryPictureKept() const
    {
        std::vector<std::string> expected;
        for (int frame = 0; frame < 22; ++frame) {
            const std::string number = std::to_string(frame);
            expected.push_back("frame-" + std::string(6 - number.size(), '0') + number + ".png");
        }
        EXPECT_EQ(expected, folderEntries(file("frames")));
        const std::string movie = readFile(file("movie.rm"));
        std::istringstream sizes(movie);
        std::string magic;
        unsigned width = 0;
        unsigned height = 0;
        sizes >> magic >> width >> height;
        for (const std::string& picture : {expected.front(), expected.back()}) {
            png_image image{};
            image.version = PNG_IMAGE_VERSION;
            ASSERT_TRUE(png_image_begin_read_from_file(&image, file("frames/" + picture).c_str())) << picture;
            EXPECT_EQ(std::make_pair(width, height), std::make_pair(image.width, image.height)) << picture;
            png_image_free(&image);
        }
        std::size_t images = 0;
        for (std::size_t at = movie.find("P6\n"); at != std::string::npos; at = movie.find("P6\n", at + 1))
            ++images;
        EXPECT_EQ(21u, images);
    }

    std::string animateToFileMacro(const std::string& name, const std::string& exportSetup) const
    {
        return writeFile(name, sampleMacro + addOnCommand + "OpenSettingsFile FileName=two.keyframe\"\n" + exportSetup +
                                   animateToFile);
    }
};

}  // namespace

TEST_F(ZorhostPlayTest, SignalsDuringAMovieLeaveNothingBehind)
{
    const std::string macro = writeFlythroughMovieMacro("cancel.mcr");
    struct Case {
        int signal;
        // Ctrl-C cancels the animation; the others end zorhost as they end any program.
        int status;
        int endedBy;
    };
    const Case cases[] = {{SIGINT, 1, 0}, {SIGTERM, -1, SIGTERM}, {SIGHUP, -1, SIGHUP}};
    for (const Case& c : cases) {
        const std::string logBefore = readFile(file("log.csv"));
        ZorhostProcess process(folder_.root(), {"--frame-log", "log.csv", macro}, {});
        // Once the movie's temporary file holds frames, the animation plays.
        // A sanitized zorhost on a busy machine takes its time to get there.
        ASSERT_TRUE(process.waitUntil(
            [this] {
                std::error_code missing;
                return std::filesystem::file_size(file(".movie.mp4.partial"), missing) > 1000 && !missing;
            },
            60));
        process.signal(c.signal);
        const ProgramRun run = process.finish();
        EXPECT_EQ(c.status, run.status) << c.signal;
        EXPECT_EQ(c.endedBy, run.signal);
        EXPECT_EQ((std::vector<std::string>{"cancel.mcr", "log.csv"}), entries()) << run.output;
        if (c.signal != SIGINT) {
            // The log of the run before stays as it was.
            EXPECT_EQ(logBefore, readFile(file("log.csv")));
            continue;
        }
        EXPECT_THAT(run.output, HasSubstr("Animation canceled."));
        // The redraw after the cancel shows the light, frame axis and anchor as they were.
        EXPECT_THAT(readFile(file("log.csv")), ::testing::ContainsRegex(",redraw,[^\n]*,75,25,true,0,"));
    }
}

TEST_F(ZorhostPlayTest, EscOnTheTerminalCancelsAndEachLineShowsItsOwnPercentAndTime)
{
    const std::string macro = writeFlythroughMovieMacro("cancel.mcr");
    ZorhostProcess process(folder_.root(), {macro}, {true});
    const auto animating = [&process] {
        const std::size_t line = process.output().find("\rAnimating....");
        return line != std::string::npos && process.output().find(" left", line) != std::string::npos;
    };
    ASSERT_TRUE(process.waitUntil(animating)) << process.output();
    process.type("\x1b");
    const ProgramRun run = process.finish();
    EXPECT_EQ(1, run.status);
    EXPECT_THAT(run.output, HasSubstr("Animation canceled."));
    EXPECT_EQ((std::vector<std::string>{"cancel.mcr"}), entries());
    // The views were computed under a line of their own; the next line starts at 0.
    EXPECT_THAT(run.output, ::testing::ContainsRegex("\rCreating interpolated views[^\r]*\\] +[1-9][0-9]*%"));
    const std::string firstAnimating = run.output.substr(run.output.find("\rAnimating...."), 120);
    EXPECT_THAT(firstAnimating, HasSubstr("]   0%  0:00 spent")) << firstAnimating;
}

TEST_F(ZorhostPlayTest, AMovieFollowsTheAnimationRulesFrameByFrameAndEveryPictureIsKept)
{
    writeTwoKeyFrames();
    const std::string macro = animateToFileMacro(
        "movie.mcr", "$!EXPORTSETUP EXPORTFORMAT = RASTERMETAFILE\n$!EXPORTSETUP EXPORTFNAME = \"movie.rm\"\n");
    writeFile("movie.mcr", readFile(macro) + "$!REDRAW\n");
    const ProgramRun run = zorhost({"--frames", "frames", "--frame-log", "log.csv", macro});
    ASSERT_EQ(0, run.status) << run.output;
    const std::string log = readFile(file("log.csv"));
    ASSERT_EQ(1u, logColumn(log, "exportstart", X).size()) << log;
    EXPECT_EQ(1u, logColumn(log, "redraw", X).size());
    // Equal steps of the view, the anchor and the solution time between the
    // key frames, with the frame axis off.
    const std::pair<LogColumn, double> stepOf[] = {
        {Theta, -3.0}, {Width, -0.4}, {TimeAnchor, 0.1}, {SolutionTime, 0.1}};
    for (const auto& [column, step] : stepOf) {
        SCOPED_TRACE(column);
        const std::vector<double> values = logColumn(log, "export", column);
        ASSERT_EQ(21u, values.size());
        for (std::size_t frame = 1; frame < values.size(); ++frame)
            EXPECT_NEAR(step, values[frame] - values[frame - 1], 1e-6) << frame;
    }
    EXPECT_THAT(logColumn(log, "export", FrameAxis), Each(0.0));
    const std::vector<double> x = logColumn(log, "export", X);
    EXPECT_EQ(std::make_pair(10.0, -10.0), std::make_pair(x.front(), x.back()));
    // The light fades in over the first frames and out over the last ones.
    std::vector<double> intensity(21, 75.0);
    std::vector<double> background(21, 25.0);
    intensity.front() = intensity.back() = background.front() = background.back() = 0.0;
    intensity[1] = intensity[19] = 37.5;
    background[1] = background[19] = 12.5;
    EXPECT_EQ(intensity, logColumn(log, "export", Intensity));
    EXPECT_EQ(background, logColumn(log, "export", BackgroundLight));
    expectEveryPictureKept();
}

TEST_F(ZorhostPlayTest, WritesEveryMovieFormatWithEachFrame)
{
    writeTwoKeyFrames();
    const std::pair<std::string, std::string> formats[] = {
        {"AVI", "avi"}, {"FLV", "flv"}, {"FLASH", "swf"}, {"MPEG4", "mp4"}, {"WMV", "wmv"}};
    for (const auto& [format, extension] : formats) {
        const std::string movie = "movie." + extension;
        const std::string macro = animateToFileMacro(
            "movie.mcr", "$!EXPORTSETUP EXPORTFORMAT = " + format + "\n$!EXPORTSETUP ANIMATIONSPEED = 12\n" +
                             "$!EXPORTSETUP EXPORTFNAME = \"" + movie + "\"\n");
        const ProgramRun run = zorhost({macro});
        ASSERT_EQ(0, run.status) << format << run.output;
        EXPECT_EQ(21, probeMovie(file(movie)).frames) << format;
    }
}

TEST_F(ZorhostPlayTest, MovieErrorsNameTheUsersFileAndLeaveNoMovie)
{
    writeTwoKeyFrames();
    std::filesystem::create_directory(file("sub"));
    const std::string longName = std::string(252, 'm') + ".rm";
    struct Case {
        std::string exportSetup;
        int status;
        std::string message;
        std::string movie;
    };
    const Case cases[] = {
        // The longest name a file may have takes a temporary name that fits.
        {"$!EXPORTSETUP EXPORTFORMAT = RASTERMETAFILE\n$!EXPORTSETUP EXPORTFNAME = \"" + longName + "\"\n", 0, "",
         longName},
        {"$!EXPORTSETUP EXPORTFORMAT = RASTERMETAFILE\n$!EXPORTSETUP EXPORTFNAME = \"sub\"\n", 1,
         "zorhost: cannot start the movie: the export file name sub is a folder\n", ""},
        {"$!EXPORTSETUP EXPORTFORMAT = FLASH\n$!EXPORTSETUP ANIMATIONSPEED = 300\n"
         "$!EXPORTSETUP EXPORTFNAME = \"m.swf\"\n",
         1, "zorhost: cannot write the movie m.swf: a Flash (SWF) movie takes 1/256 to 255 frames per second\n", ""},
    };
    for (const Case& c : cases) {
        const ProgramRun run = zorhost({animateToFileMacro("movie.mcr", c.exportSetup)});
        EXPECT_EQ(c.status, run.status) << run.output;
        EXPECT_THAT(run.output, ::testing::StartsWith(c.message));
        EXPECT_THAT(run.output, ::testing::Not(HasSubstr(".partial")));
        std::vector<std::string> expected{"movie.mcr", "sub", "two.keyframe"};
        if (!c.movie.empty())
            expected.insert(expected.begin(), c.movie);
        EXPECT_EQ(expected, entries());
        if (!c.movie.empty())
            std::filesystem::remove(file(c.movie));
    }
}

TEST_F(ZorhostPlayTest, TheQuickLookExampleDrawsThreePictures)
{
    std::filesystem::create_directory_symlink(KFA_EXAMPLES_DIR, file("examples"));
    std::filesystem::create_directory(file("out"));
    const ProgramRun run = zorhost({"--no-progress", "--contact-sheet", "out/quicklook.png", "--frame-log",
                                    "out/quicklook.csv", "examples/quicklook.mcr"});
    ASSERT_EQ(0, run.status) << run.output;
    EXPECT_TRUE(std::filesystem::exists(file("out/quicklook.png")));
    EXPECT_EQ(3u, logColumn(readFile(file("out/quicklook.csv")), "redraw", X).size());
}
