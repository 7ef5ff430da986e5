#include "movie/MovieWriter.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>

#include "MovieProbe.h"

using namespace zorhost;

namespace {

// A picture that changes from frame to frame, so encoders have work to do.
Image gradient(int width, int height, int frame)
{
    Image image(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            std::uint8_t* p = image.pixel(x, y);
            p[0] = static_cast<std::uint8_t>(x * 7 + frame * 20);
            p[1] = static_cast<std::uint8_t>(y * 9);
            p[2] = static_cast<std::uint8_t>(frame * 25);
        }
    return image;
}

bool exists(const std::string& path)
{
    return std::ifstream(path).good();
}

class MovieWriterTest : public ::testing::Test {
protected:
    std::string path(const std::string& name) const { return ::testing::TempDir() + "/movie-" + name; }

    // Writes `frames` frames of 33 x 25 pixels and finishes the movie.
    void write(const MovieSettings& settings, const std::string& file, int frames = 10)
    {
        std::unique_ptr<MovieWriter> movie = openMovie(settings, file);
        for (int frame = 0; frame < frames; ++frame)
            movie->addFrame(gradient(33, 25, frame));
        EXPECT_EQ(frames, movie->frames());
        movie->finish();
    }
};

}  // namespace

TEST_F(MovieWriterTest, WritesEachFormatAsFfprobeReadsIt)
{
    struct Case {
        std::string name;
        MovieSettings settings;
        std::string container;
        std::string codec;
        std::string size;
    };
    using M = MovieFormat;
    const Case cases[] = {
        {"color.avi", {M::AVI, AviCompression::ColorPreserving}, "avi", "mpeg4", "32x24"},
        {"line.avi", {M::AVI, AviCompression::LinePreserving}, "avi", "mjpeg", "33x25"},
        {"lossless.avi", {M::AVI, AviCompression::LosslessUncompressed}, "avi", "rawvideo", "33x25"},
        {"movie.flv", {M::FLV}, "flv", "flv1", "32x24"},
        {"true.swf", {M::Flash, {}, FlashImageType::Lossless, FlashCompression::BestSpeed}, "swf", "flv1", "32x24"},
        {"jpeg.swf", {M::Flash, {}, FlashImageType::JPEG, FlashCompression::SmallestSize}, "swf", "mjpeg", "32x24"},
        {"256.swf", {M::Flash, {}, FlashImageType::Colors256, FlashCompression::SmallestSize}, "swf", "flv1", "32x24"},
        {"movie.mp4", {M::MPEG4}, "mov,mp4,m4a,3gp,3g2,mj2", "h264", "32x24"},
        {"movie.wmv", {M::WMV}, "asf", "wmv2", "32x24"},
    };
    for (const Case& c : cases) {
        MovieSettings settings = c.settings;
        settings.framesPerSecond = 12.0;
        const std::string file = path(c.name);
        write(settings, file);
        std::map<std::string, std::string> found = probeMovie(file);
        EXPECT_EQ(c.container, found["format_name"]) << c.name;
        EXPECT_EQ(c.codec, found["codec_name"]) << c.name;
        EXPECT_EQ("10", found["nb_read_frames"]) << c.name;
        EXPECT_EQ(c.size, found["width"] + "x" + found["height"]) << c.name;
        if (c.container != "swf") {
            EXPECT_EQ("12/1", found["r_frame_rate"]) << c.name;
        }
        std::remove(file.c_str());
    }
}

TEST_F(MovieWriterTest, KeepsAnAnimationSpeedThatIsNoWholeNumber)
{
    MovieSettings settings;
    settings.framesPerSecond = 29.97;
    const std::string file = path("ntsc.mp4");
    write(settings, file, 3);
    EXPECT_EQ("2997/100", probeMovie(file)["r_frame_rate"]);
    std::remove(file.c_str());
}

TEST_F(MovieWriterTest, RasterMetafileHoldsEveryFrameAsPpm)
{
    const std::string file = path("frames.rm");
    std::unique_ptr<MovieWriter> movie = openMovie({MovieFormat::RasterMetafile}, file);
    movie->addFrame(gradient(33, 25, 0));
    movie->addFrame(gradient(33, 25, 1));
    // A frame of another size is scaled to the first one's.
    movie->addFrame(gradient(66, 50, 2));
    movie->finish();

    std::ifstream in(file, std::ios::binary);
    int images = 0;
    for (std::string magic; in >> magic;) {
        int width = 0, height = 0, maximum = 0;
        in >> width >> height >> maximum;
        in.get();
        EXPECT_EQ("P6", magic);
        EXPECT_EQ(33, width);
        EXPECT_EQ(25, height);
        EXPECT_EQ(255, maximum);
        std::string pixels(33 * 25 * 3, '\0');
        in.read(&pixels[0], static_cast<std::streamsize>(pixels.size()));
        ASSERT_TRUE(in.good());
        if (images == 1) {
            EXPECT_EQ(gradient(33, 25, 1).rgb, std::vector<std::uint8_t>(pixels.begin(), pixels.end()));
        }
        ++images;
    }
    EXPECT_EQ(3, images);
    std::remove(file.c_str());
}

TEST_F(MovieWriterTest, LeavesNoFileWhenAbandonedOrFailed)
{
    for (MovieFormat format : {MovieFormat::MPEG4, MovieFormat::RasterMetafile}) {
        const std::string file = path("abandoned");
        {
            std::unique_ptr<MovieWriter> movie = openMovie({format}, file);
            movie->addFrame(gradient(16, 16, 0));
            movie->abandon();
        }
        EXPECT_FALSE(exists(file));
        {
            // Dropped without finishing.
            std::unique_ptr<MovieWriter> movie = openMovie({format}, file);
            movie->addFrame(gradient(16, 16, 0));
        }
        EXPECT_FALSE(exists(file));
        EXPECT_THROW(openMovie({format}, path("no such folder/movie")), MovieError);
    }

    // No frame at all is no movie.
    const std::string file = path("empty.mp4");
    std::unique_ptr<MovieWriter> movie = openMovie({MovieFormat::MPEG4}, file);
    EXPECT_THROW(movie->finish(), MovieError);
    EXPECT_FALSE(exists(file));

    // A picture a 4:2:0 codec cannot take.
    movie = openMovie({MovieFormat::WMV}, file);
    EXPECT_THROW(movie->addFrame(gradient(1, 1, 0)), MovieError);
    EXPECT_FALSE(exists(file));
    EXPECT_THROW(movie->addFrame(gradient(8, 8, 0)), MovieError);
}

TEST_F(MovieWriterTest, MakesOddSizesEvenOnlyForCodecsThatNeedIt)
{
    const std::pair<MovieSettings, std::string> cases[] = {
        {{MovieFormat::MPEG4}, "800x600"},
        {{MovieFormat::RasterMetafile}, "801x601"},
        {{MovieFormat::AVI, AviCompression::LosslessUncompressed}, "801x601"},
        {{MovieFormat::AVI, AviCompression::ColorPreserving}, "800x600"},
    };
    for (const auto& [settings, expected] : cases) {
        int width = 801;
        int height = 601;
        movieSize(settings, width, height);
        EXPECT_EQ(expected, std::to_string(width) + "x" + std::to_string(height));
    }
}
