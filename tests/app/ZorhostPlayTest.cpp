// zorhost playing macros of its own, end to end: exit statuses and messages,
// the frame log, signals and keys that cancel a movie, and the movies and
// pictures written.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <png.h>
#include <sys/resource.h>

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "support/ZorhostRun.h"

using namespace ::testing;

namespace {

const std::string sampleMacro = "$!NEWFRAME\n$!LOADSAMPLE STEPS = 3\n$!EXPORTSETUP IMAGEWIDTH = 200\n";
// The start of a line that hands the add-on a command, up to the command's text.
const std::string addOnCommand = "$!ADDONCOMMAND ADDON = \"Key Frame Animation\" COMMAND = \"";
const std::string rasterMovie =
    "$!EXPORTSETUP EXPORTFORMAT = RASTERMETAFILE\n$!EXPORTSETUP EXPORTFNAME = \"movie.rm\"\n";

// The frame log's columns from x on.
enum LogColumn { X, Intensity = 7 };

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
        if (row[1].rfind(event, 0) == 0)
            values.push_back(std::stod(row.at(static_cast<std::size_t>(column) + 2)));
    }
    return values;
}

class ZorhostPlayTest : public ZorhostFolderTest {
protected:
    // Two key frames `frames` apart that turn, zoom and run the time, with fade in and out.
    void writeTwoKeyFrames(int frames = 20) const
    {
        writeFile("two.keyframe", "#!KeyFrame 1\n\n%Settings\n FadeIn true\n FadeOut true\n%Settings\n\n"
                                  "%KeyFrameView\n Position 10 -20 15\n Angle 60 30 0\n Width 16\n"
                                  " FrameCount " +
                                      std::to_string(frames) +
                                      "\n SolutionTime 0\n%KeyFrameView\n\n"
                                      "%KeyFrameView\n Position -10 -20 15\n Angle 60 -30 0\n Width 8\n"
                                      " FrameCount 1\n SolutionTime 2\n%KeyFrameView\n");
    }

    // The example's fly-through into an MPEG-4 movie of 121 frames, long
    // enough to be interrupted, then a redraw.
    std::string flythroughMovieMacro() const
    {
        return animateToFileMacro("$!EXPORTSETUP EXPORTFORMAT = MPEG4\n$!EXPORTSETUP IMAGEWIDTH = 640\n"
                                  "$!EXPORTSETUP EXPORTFNAME = \"movie.mp4\"\n",
                                  "$!REDRAW\n", KFA_EXAMPLES_DIR "/flythrough.keyframe");
    }

    // Opens the key frames and animates them to the file `exportSetup`
    // names, then plays `after`.
    std::string animateToFileMacro(const std::string& exportSetup, const std::string& after = "",
                                   const std::string& keyFrames = "two.keyframe") const
    {
        return writeFile("movie.mcr", sampleMacro + addOnCommand + "OpenSettingsFile FileName=" + keyFrames + "\"\n" +
                                          exportSetup + addOnCommand + "Animate AnimationDestination=ToFile\"\n" +
                                          after);
    }
};

}  // namespace

TEST_F(ZorhostPlayTest, SignalsDuringAMovieLeaveNothingBehind)
{
    const std::string macro = flythroughMovieMacro();
    // The signal, then the exit status and the signal that ended zorhost:
    // Ctrl-C cancels the animation; the others end zorhost as they end any program.
    const std::tuple<int, int, int> cases[] = {{SIGINT, 1, 0}, {SIGTERM, -1, SIGTERM}, {SIGHUP, -1, SIGHUP}};
    for (const auto& [signal, status, endedBy] : cases) {
        const std::string logBefore = readFile(file("log.csv"));
        ZorhostProcess process(folder_.root(), {"--frame-log", "log.csv", macro}, {});
        // Once the movie's temporary file holds frames, the animation plays.
        // A sanitized zorhost on a busy machine takes its time to get there.
        const std::string partial = file(".movie.mp4.partial");
        ASSERT_TRUE(process.waitUntil([&] { return std::ifstream(partial, std::ios::ate).tellg() > 1000; }, 60));
        process.signal(signal);
        const ProgramRun run = process.finish();
        EXPECT_EQ(std::make_pair(status, endedBy), std::make_pair(run.status, run.signal)) << signal;
        EXPECT_EQ((std::vector<std::string>{"log.csv", "movie.mcr"}), folder_.entries()) << run.output;
        if (signal != SIGINT) {
            // The log of the run before stays as it was.
            EXPECT_EQ(logBefore, readFile(file("log.csv")));
            continue;
        }
        EXPECT_THAT(run.output, HasSubstr("Animation canceled."));
        // The redraw after the cancel shows the light, frame axis and anchor as they were.
        EXPECT_THAT(readFile(file("log.csv")), ContainsRegex(",redraw,[^\n]*,75,25,true,0,"));
    }
}

TEST_F(ZorhostPlayTest, EscOnTheTerminalCancelsAndEachLineShowsItsOwnPercentAndTime)
{
    const std::string macro = flythroughMovieMacro();
    ZorhostProcess process(folder_.root(), {macro}, {true});
    const auto animating = [&process] {
        return Matches(ContainsRegex("\rAnimating....[^\r]* left"))(process.output());
    };
    ASSERT_TRUE(process.waitUntil(animating)) << process.output();
    process.type("\x1b");
    const ProgramRun run = process.finish();
    EXPECT_EQ(1, run.status);
    EXPECT_THAT(run.output, HasSubstr("Animation canceled."));
    EXPECT_EQ((std::vector<std::string>{"movie.mcr"}), folder_.entries());
    // The views were computed under a line of their own; the next line starts at 0.
    EXPECT_THAT(run.output, ContainsRegex("\rCreating interpolated views[^\r]*\\] +[1-9][0-9]*%"));
    const std::string firstAnimating = run.output.substr(run.output.find("\rAnimating...."), 120);
    EXPECT_THAT(firstAnimating, HasSubstr("]   0%  0:00 spent")) << firstAnimating;
}

TEST_F(ZorhostPlayTest, CtrlZGivesTheTerminalBackUntilZorhostContinues)
{
    ZorhostProcess process(folder_.root(), {flythroughMovieMacro()}, {true, 0, true});
    ASSERT_TRUE(process.waitUntil([&process] { return process.output().find("\rAnimating") != std::string::npos; }))
        << process.output();
    EXPECT_FALSE(process.terminalEchoes());
    process.type("\x1a");
    ASSERT_TRUE(process.waitUntil([&process] { return process.terminalEchoes(); })) << process.output();
    // The shell brings zorhost back into the foreground, where Esc cancels again.
    process.type("\n");
    ASSERT_TRUE(process.waitUntil([&process] { return !process.terminalEchoes(); })) << process.output();
    process.type("\x1b");
    const ProgramRun run = process.finish();
    EXPECT_EQ(1, run.status);
    EXPECT_THAT(run.output, HasSubstr("Animation canceled."));
}

TEST_F(ZorhostPlayTest, TheQuickLookExampleMakesASheetAndAMovieIsLoggedAndEveryPictureIsKept)
{
    writeTwoKeyFrames();
    std::filesystem::create_directory_symlink(KFA_EXAMPLES_DIR, file("examples"));
    const std::string macro = animateToFileMacro(rasterMovie, "$!REDRAW\n");
    const ProgramRun sheet = zorhost({"--contact-sheet", "sheet.png", "examples/quicklook.mcr"});
    ASSERT_EQ(0, sheet.status) << sheet.output;
    EXPECT_TRUE(std::filesystem::exists(file("sheet.png")));
    const ProgramRun run = zorhost({"--frames", "frames", "--frame-log", "log.csv", macro});
    ASSERT_EQ(0, run.status) << run.output;
    const std::string log = readFile(file("log.csv"));
    ASSERT_EQ(1u, logColumn(log, "exportstart", X).size()) << log;
    EXPECT_EQ(1u, logColumn(log, "redraw", X).size());
    // The frames exported go from key frame to key frame, the light fading in and out.
    const std::vector<double> x = logColumn(log, "export", X);
    ASSERT_EQ(21u, x.size());
    EXPECT_EQ(std::make_pair(10.0, -10.0), std::make_pair(x.front(), x.back()));
    std::vector<double> intensity(21, 75.0);
    intensity.front() = intensity.back() = 0.0;
    intensity[1] = intensity[19] = 37.5;
    EXPECT_EQ(intensity, logColumn(log, "export", Intensity));

    // The frame folder holds every picture drawn, movie frames and the redraw
    // after them alike, under its frame number at the movie's size; the movie
    // holds its 21 frames.
    const std::vector<std::string> pictures = folder_.entries("frames");
    ASSERT_EQ(22u, pictures.size());
    EXPECT_EQ(std::make_pair(std::string("frame-000000.png"), std::string("frame-000021.png")),
              std::make_pair(pictures.front(), pictures.back()));
    const std::string movie = readFile(file("movie.rm"));
    unsigned width = 0;
    unsigned height = 0;
    ASSERT_EQ(2, std::sscanf(movie.c_str(), "P6 %u %u", &width, &height));
    const std::string header = "P6\n" + std::to_string(width) + " " + std::to_string(height) + "\n255\n";
    EXPECT_EQ(21 * (header.size() + 3 * width * height), movie.size());
    for (const std::string& picture : {pictures.front(), pictures.back()}) {
        png_image image{};
        image.version = PNG_IMAGE_VERSION;
        ASSERT_TRUE(png_image_begin_read_from_file(&image, file("frames/" + picture).c_str())) << picture;
        EXPECT_EQ(std::make_pair(width, height), std::make_pair(image.width, image.height)) << picture;
        png_image_free(&image);
    }
}

TEST_F(ZorhostPlayTest, MovieErrorsNameTheUsersFileAndLeaveNoMovie)
{
    writeTwoKeyFrames();
    std::filesystem::create_directory(file("sub"));
    const std::string longName = std::string(252, 'm') + ".rm";
    // The export's setup, then zorhost's exit status and message and the movie left.
    const std::tuple<std::string, int, std::string, std::string> cases[] = {
        // The longest name a file may have takes a temporary name that fits.
        {"$!EXPORTSETUP EXPORTFORMAT = RASTERMETAFILE\n$!EXPORTSETUP EXPORTFNAME = \"" + longName + "\"\n", 0, "",
         longName},
        {"$!EXPORTSETUP EXPORTFORMAT = RASTERMETAFILE\n$!EXPORTSETUP EXPORTFNAME = \"sub\"\n", 1,
         "zorhost: cannot start the movie: the export file name sub is a folder\n", ""},
        {"$!EXPORTSETUP EXPORTFORMAT = FLASH\n$!EXPORTSETUP ANIMATIONSPEED = 300\n"
         "$!EXPORTSETUP EXPORTFNAME = \"m.swf\"\n",
         1, "zorhost: cannot write the movie m.swf: a Flash (SWF) movie takes 1/256 to 255 frames per second\n", ""},
    };
    for (const auto& [exportSetup, status, message, movie] : cases) {
        const ProgramRun run = zorhost({animateToFileMacro(exportSetup)});
        EXPECT_EQ(status, run.status) << run.output;
        EXPECT_THAT(run.output, StartsWith(message));
        EXPECT_THAT(run.output, Not(HasSubstr(".partial")));
        // The movie, when written, is the only file added.
        EXPECT_EQ(!movie.empty(), !movie.empty() && std::filesystem::remove(file(movie)));
        EXPECT_EQ((std::vector<std::string>{"movie.mcr", "sub", "two.keyframe"}), folder_.entries());
    }
}

TEST_F(ZorhostPlayTest, AMovieNamedAsOneOfZorhostsOwnFilesIsRefusedBeforeItIsDrawn)
{
    writeTwoKeyFrames();
    const std::string keyFrames = readFile(file("two.keyframe"));
    // The movie's name, zorhost's outputs, and the file named in the refusal.
    const std::tuple<std::string, std::vector<std::string>, std::string> cases[] = {
        {"movie.mcr", {}, "macro file " + file("movie.mcr")},
        {"./two.keyframe", {}, "settings file two.keyframe"},
        {"log.csv", {"--frame-log", "log.csv"}, "frame log log.csv"},
        {"sheet.png", {"--contact-sheet", "sheet.png"}, "contact sheet sheet.png"},
        {"r.mcr", {"--record", "r.mcr"}, "recorded macro r.mcr"},
    };
    for (const auto& [movie, outputs, named] : cases) {
        SCOPED_TRACE(movie);
        const std::string macro = animateToFileMacro("$!EXPORTSETUP EXPORTFORMAT = RASTERMETAFILE\n"
                                                     "$!EXPORTSETUP EXPORTFNAME = \"" +
                                                     movie + "\"\n");
        const std::string macroText = readFile(macro);
        std::vector<std::string> arguments = outputs;
        arguments.push_back(macro);
        const ProgramRun run = zorhost(arguments);
        EXPECT_EQ(1, run.status);
        EXPECT_THAT(run.output, HasSubstr("zorhost: the movie " + movie + " would overwrite the " + named + "\n"));
        EXPECT_EQ(macroText, readFile(macro));
        EXPECT_EQ(keyFrames, readFile(file("two.keyframe")));
        EXPECT_THAT(run.output, Not(HasSubstr("Animating")));
        for (const std::string& entry : folder_.entries())
            EXPECT_THAT(entry, Not(HasSubstr("partial")));
    }
}

TEST_F(ZorhostPlayTest, EachFrameReusesTheMemoryTheFrameBeforeFreed)
{
#if KFA_SANITIZED
    GTEST_SKIP() << "the sanitizers' allocator keeps freed memory from reuse on purpose";
#endif
    // An allocator set to give freed memory back at once, as the C library's
    // does until larger blocks have been freed.
    setenv("GLIBC_TUNABLES", "glibc.malloc.trim_threshold=131072", 1);
    const auto pageFaults = [this](int frames) {
        writeTwoKeyFrames(frames);
        rusage before{};
        getrusage(RUSAGE_CHILDREN, &before);
        const ProgramRun run = zorhost({animateToFileMacro(rasterMovie)});
        rusage after{};
        getrusage(RUSAGE_CHILDREN, &after);
        EXPECT_EQ(0, run.status) << run.output;
        return after.ru_minflt - before.ru_minflt;
    };
    const long few = pageFaults(10);
    const long many = pageFaults(60);
    unsetenv("GLIBC_TUNABLES");
    // A frame's vertex data alone is some 250 pages.
    EXPECT_LT((many - few) / 50, 20) << few << " and " << many << " page faults";
}
