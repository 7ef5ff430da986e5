// zorhost playing macros of its own, end to end: exit statuses and messages,
// the frame log, recording and playing back, and the pictures drawn.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <png.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <sstream>
#include <string>

#include "support/FfmpegProbe.h"
#include "support/ZorhostRun.h"

namespace {

const std::string sampleMacro = "$!NEWFRAME\n"
                                "$!LOADSAMPLE STEPS = 3\n"
                                "$!EXPORTSETUP IMAGEWIDTH = 200\n";
// The start of a line that hands the add-on a command, up to the command's text.
const std::string addOnCommand = "$!ADDONCOMMAND ADDON = \"Key Frame Animation\" COMMAND = \"";
const std::string animateToFile = addOnCommand + "Animate AnimationDestination=ToFile\"\n";

// The frame log's rows of one event, each as its numbers from x on.
std::vector<std::vector<double>> logRows(const std::string& log, const std::string& event)
{
    std::vector<std::vector<double>> rows;
    std::istringstream lines(log);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        std::string field;
        std::getline(fields, field, ',');
        std::getline(fields, field, ',');
        if (field != event)
            continue;
        std::vector<double> row;
        while (std::getline(fields, field, ','))
            row.push_back(field == "true" ? 1.0 : field == "false" ? 0.0 : std::stod(field));
        rows.push_back(row);
    }
    return rows;
}

enum LogColumn { X, Theta = 4, Width = 6, Intensity, BackgroundLight, FrameAxis, TimeAnchor, SolutionTime };

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
        for (int frame = 0; frame < 22; ++frame)
            expected.push_back("frame-0000" + std::string(frame < 10 ? "0" : "") + std::to_string(frame) + ".png");
        std::vector<std::string> written;
        for (const auto& entry : std::filesystem::directory_iterator(file("frames")))
            written.push_back(entry.path().filename().string());
        std::sort(written.begin(), written.end());
        EXPECT_EQ(expected, written);
        std::istringstream movie(readFile(file("movie.rm")));
        std::string magic;
        unsigned width = 0;
        unsigned height = 0;
        movie >> magic >> width >> height;
        for (const std::string& name : {expected.front(), expected.back()}) {
            png_image image{};
            image.version = PNG_IMAGE_VERSION;
            ASSERT_TRUE(png_image_begin_read_from_file(&image, file("frames/" + name).c_str())) << name;
            EXPECT_EQ(width, image.width) << name;
            EXPECT_EQ(height, image.height) << name;
            png_image_free(&image);
        }
        std::size_t images = 0;
        const std::string frames = movie.str();
        for (std::size_t at = frames.find("P6\n"); at != std::string::npos; at = frames.find("P6\n", at + 1))
            ++images;
        EXPECT_EQ(21u, images);
    }

    std::string animateToFileMacro(const std::string& name, const std::string& exportSetup) const
    {
        return writeFile(name, sampleMacro + addOnCommand + "OpenSettingsFile FileName=two.keyframe\"\n" + exportSetup +
                                   animateToFile);
    }
};

// Mean brightness of each tile of a contact sheet's first row, outside the
// label in the tile's corner.
std::vector<double> tileBrightness(const std::string& path, int tiles)
{
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str()))
        return {};
    image.format = PNG_FORMAT_RGB;
    std::vector<png_byte> pixels(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr))
        return {};
    const int width = static_cast<int>(image.width);
    const int tileWidth = (width - 4) / tiles - 4;
    std::vector<double> means;
    for (int tile = 0; tile < tiles; ++tile) {
        double sum = 0.0;
        int count = 0;
        for (int y = 4 + 20; y < 4 + 100; ++y)
            for (int x = 4 + tile * (tileWidth + 4) + 20; x < 4 + tile * (tileWidth + 4) + tileWidth; ++x)
                for (int c = 0; c < 3; ++c, ++count)
                    sum += pixels[static_cast<std::size_t>((y * width + x) * 3 + c)];
        means.push_back(sum / count);
    }
    return means;
}

}  // namespace

TEST_F(ZorhostPlayTest, PicturesShowTheMovingMarkersAndTheLight)
{
    const std::string anchor = "$!STYLE PATH = \"STREAMATTRIBUTES STREAMTIMING TIMEANCHOR\" VALUE = ";
    const std::string macro =
        writeFile("pictures.mcr", sampleMacro +
                                      "$!STYLE PATH = \"STREAMATTRIBUTES STREAMTIMING SHOWMARKERS\" VALUE = TRUE\n"
                                      "$!REDRAW\n" +
                                      anchor + "0.25\n$!REDRAW\n" + anchor +
                                      "0.5\n$!REDRAW\n"
                                      "$!STYLE PATH = \"GLOBALTHREED LIGHTSOURCE INTENSITY\" VALUE = 0\n"
                                      "$!STYLE PATH = \"GLOBALTHREED LIGHTSOURCE BACKGROUNDLIGHT\" VALUE = 0\n"
                                      "$!REDRAW\n");
    const ProgramRun run = zorhost({"--contact-sheet", "sheet.png", macro});
    ASSERT_EQ(0, run.status) << run.output;
    const std::vector<double> brightness = tileBrightness(file("sheet.png"), 4);
    ASSERT_EQ(4u, brightness.size());
    EXPECT_GT(brightness[0], 30.0);
    EXPECT_NE(brightness[0], brightness[1]);
    // A whole delta time later the markers sit where they began.
    EXPECT_NEAR(brightness[0], brightness[2], 0.05);
    EXPECT_EQ(0.0, brightness[3]) << "no light, a black picture";
}

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
        EXPECT_THAT(run.output, ::testing::HasSubstr("Animation canceled."));
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
    EXPECT_THAT(run.output, ::testing::HasSubstr("Animation canceled."));
    EXPECT_EQ((std::vector<std::string>{"cancel.mcr"}), entries());
    // The views were computed under a line of their own; the next line starts at 0.
    EXPECT_THAT(run.output, ::testing::ContainsRegex("\rCreating interpolated views[^\r]*\\] +[1-9][0-9]*%"));
    const std::string firstAnimating = run.output.substr(run.output.find("\rAnimating...."), 120);
    EXPECT_THAT(firstAnimating, ::testing::HasSubstr("]   0%  0:00 spent")) << firstAnimating;
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
    std::vector<std::vector<double>> frames = logRows(log, "exportstart");
    ASSERT_EQ(1u, frames.size()) << log;
    for (const auto& row : logRows(log, "exportnext"))
        frames.push_back(row);
    ASSERT_EQ(21u, frames.size());
    EXPECT_EQ(1u, logRows(log, "redraw").size());
    // Equal steps of the view, the anchor and the solution time between the key frames.
    for (std::size_t frame = 1; frame < frames.size(); ++frame) {
        EXPECT_NEAR(-3.0, frames[frame][Theta] - frames[frame - 1][Theta], 1e-6) << frame;
        EXPECT_NEAR(-0.4, frames[frame][Width] - frames[frame - 1][Width], 1e-6) << frame;
        EXPECT_NEAR(0.1, frames[frame][TimeAnchor] - frames[frame - 1][TimeAnchor], 1e-6) << frame;
        EXPECT_NEAR(0.1, frames[frame][SolutionTime] - frames[frame - 1][SolutionTime], 1e-6) << frame;
        EXPECT_EQ(0.0, frames[frame][FrameAxis]);
    }
    EXPECT_EQ(10.0, frames.front()[X]);
    EXPECT_EQ(-10.0, frames.back()[X]);
    // The light fades in over the first frames and out over the last ones.
    for (const std::size_t edge : {std::size_t{0}, std::size_t{20}}) {
        EXPECT_EQ(0.0, frames[edge][Intensity]);
        EXPECT_EQ(0.0, frames[edge][BackgroundLight]);
    }
    EXPECT_EQ(37.5, frames[1][Intensity]);
    EXPECT_EQ(12.5, frames[19][BackgroundLight]);
    EXPECT_EQ(75.0, frames[10][Intensity]);
    EXPECT_EQ(25.0, frames[10][BackgroundLight]);
    expectEveryPictureKept();
}

TEST_F(ZorhostPlayTest, WritesEveryMovieFormatWithEachFrame)
{
    writeTwoKeyFrames();
    const std::pair<std::string, std::string> formats[] = {{"AVI", "movie.avi"},
                                                           {"FLV", "movie.flv"},
                                                           {"FLASH", "movie.swf"},
                                                           {"MPEG4", "movie.mp4"},
                                                           {"WMV", "movie.wmv"}};
    for (const auto& [format, movie] : formats) {
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
        EXPECT_THAT(run.output, ::testing::Not(::testing::HasSubstr(".partial")));
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
    EXPECT_EQ(3u, logRows(readFile(file("out/quicklook.csv")), "redraw").size());
}
