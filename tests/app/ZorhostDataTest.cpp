// Data files on the user's road: zorhost reads a series with streamlines,
// the add-on animates two key frames of it with time into a movie whose
// frames show its colours and moving markers, and a damaged file stops the
// macro with one line that names it.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <png.h>

#include <sstream>

#include "support/ZorhostRun.h"

using namespace ::testing;

namespace {

struct Picture {
    std::vector<unsigned char> rgb;
    unsigned width = 0;

    // The mean place of the marker-coloured pixels; (-1, -1) when none.
    std::pair<double, double> markers() const
    {
        double x = 0.0;
        double y = 0.0;
        int count = 0;
        for (std::size_t i = 0; i + 2 < rgb.size(); i += 3)
            if (rgb[i] > 200 && rgb[i + 1] < 90 && rgb[i + 2] > 170) {
                x += static_cast<double>(i / 3 % width);
                y += static_cast<double>(i / 3 / width);
                ++count;
            }
        return count == 0 ? std::make_pair(-1.0, -1.0) : std::make_pair(x / count, y / count);
    }

    // Whether the right quarter of the picture holds the colour map's red
    // above its blue, as the colour legend shows it.
    bool showsLegend() const
    {
        const std::size_t height = rgb.size() / 3 / width;
        std::size_t red = height;
        std::size_t blue = 0;
        for (std::size_t y = 0; y < height; ++y)
            for (std::size_t x = width - width / 4; x < width; ++x) {
                const unsigned char* pixel = &rgb[(y * width + x) * 3];
                if (pixel[0] > 200 && pixel[1] < 80 && pixel[2] < 60)
                    red = std::min(red, y);
                if (pixel[0] < 60 && pixel[1] < 80 && pixel[2] > 200)
                    blue = std::max(blue, y);
            }
        return red < blue;
    }
};

Picture readPng(const std::string& path)
{
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    Picture picture;
    if (png_image_begin_read_from_file(&image, path.c_str()) == 0)
        return picture;
    image.format = PNG_FORMAT_RGB;
    picture.width = image.width;
    picture.rgb.resize(PNG_IMAGE_SIZE(image));
    png_image_finish_read(&image, nullptr, picture.rgb.data(), 0, nullptr);
    return picture;
}

// The fields of the frame log's row `row` (counted from 1, after the heading).
std::vector<std::string> logRow(const std::string& log, std::size_t row)
{
    std::istringstream lines(log);
    std::string line;
    for (std::size_t n = 0; n <= row; ++n)
        std::getline(lines, line);
    std::vector<std::string> fields;
    std::istringstream cells(line);
    for (std::string cell; std::getline(cells, cell, ',');)
        fields.push_back(cell);
    return fields;
}

class ZorhostDataTest : public ZorhostFolderTest {
protected:
    void makeData(const std::string& name, const std::string& arguments) const
    {
        const ProgramRun run = runCommand(std::string(MAKEDATA_PATH) + " " + file(name) + " " + arguments);
        ASSERT_EQ(0, run.status) << run.output;
    }
};

}  // namespace

TEST_F(ZorhostDataTest, ASeriesAnimatesWithTimeIntoAMovieThatShowsItsColoursAndMovingMarkers)
{
    makeData("flow.pvd", "--steps 4 --part .vtp");
    const std::string open = "$!NEWFRAME\n$!READDATASET FILENAME = \"flow.pvd\" COLORBY = \"velocity\"\n"
                             "$!EXPORTSETUP IMAGEWIDTH = 240\n$!REDRAW\n";
    // The view zorhost fits to the data is both key frames: what moves is
    // the data's time and the markers.
    const ProgramRun fitted = zorhost({"--frame-log", "view.csv", writeFile("view.mcr", open)});
    ASSERT_EQ(0, fitted.status) << fitted.output;
    const std::vector<std::string> view = logRow(readFile(file("view.csv")), 1);
    ASSERT_EQ(14u, view.size());
    const std::string keyFrame = "%KeyFrameView\n Position " + view[2] + " " + view[3] + " " + view[4] + "\n Angle " +
                                 view[5] + " " + view[6] + " " + view[7] + "\n Width " + view[8] +
                                 "\n FrameCount 8\n SolutionTime 0\n%KeyFrameView\n";
    writeFile("two.keyframe", "#!KeyFrame 1\n%Settings\n AnimateTime true\n AnimateStreamtraces true\n%Settings\n" +
                                  keyFrame + keyFrame);
    const std::string addOn = "$!ADDONCOMMAND ADDON = \"Key Frame Animation\" COMMAND = \"";
    const ProgramRun run = zorhost(
        {"--frames", "frames", "--frame-log", "log.csv",
         writeFile("movie.mcr",
                   open +
                       "$!READDATASET FILENAME = \"flow.pvd\" COLORBY = \"pressure\"\n$!REDRAW\n"
                       "$!STYLE PATH = \"STREAMATTRIBUTES STREAMTIMING SHOWMARKERS\" VALUE = TRUE\n"
                       "$!EXPORTSETUP EXPORTFORMAT = RASTERMETAFILE\n$!EXPORTSETUP EXPORTFNAME = \"movie.rm\"\n" +
                       addOn + "OpenSettingsFile FileName=two.keyframe\"\n" + addOn +
                       "Animate AnimationDestination=ToFile\"\n"
                       "$!STYLE PATH = \"COLORLEGEND SHOW\" VALUE = FALSE\n$!REDRAW\n")});
    ASSERT_EQ(0, run.status) << run.output;
    const std::vector<std::string> frames = folder_.entries("frames");
    ASSERT_EQ(12u, frames.size());
    std::vector<Picture> pictures;
    for (const std::string& frame : frames)
        pictures.push_back(readPng(file("frames/" + frame)));
    // Coloured by another variable, the same view looks different.
    EXPECT_NE(pictures[0].rgb, pictures[1].rgb);
    // The movie runs from the first step's time to the last; its markers
    // move along the lines from frame to frame.
    const std::string log = readFile(file("log.csv"));
    EXPECT_EQ("0", logRow(log, 3)[13]);
    EXPECT_EQ("0.375", logRow(log, 11)[13]);
    for (std::size_t frame = 2; frame + 1 < pictures.size(); ++frame) {
        SCOPED_TRACE(frame);
        const auto here = pictures[frame].markers();
        EXPECT_GE(here.first, 0.0);
        EXPECT_NE(here, pictures[frame + 1].markers());
    }
    EXPECT_NE(pictures[2].rgb, pictures[10].rgb);
    // The legend shows in every frame of the movie until a style value hides it.
    for (std::size_t frame = 0; frame < pictures.size(); ++frame)
        EXPECT_EQ(frame + 1 < pictures.size(), pictures[frame].showsLegend()) << frame;
}

TEST_F(ZorhostDataTest, ADamagedFileStopsTheMacroWithOneLineNamingIt)
{
    writeFile("bad.vtu", "<?xml version=\"1.0\"?>\n<VTKFile type=\"UnstructuredGrid\">\n<Unstruct");
    const ProgramRun run =
        zorhost({"--frame-log", "log.csv",
                 writeFile("bad.mcr", "$!NEWFRAME\n$!LOADSAMPLE\n$!READDATASET FILENAME = \"bad.vtu\"\n$!REDRAW\n")});
    EXPECT_EQ(1, run.status);
    EXPECT_THAT(run.output, MatchesRegex("[^\n]*/bad.mcr:3: cannot read bad.vtu: [^\n]+\n"));
}
