#include "movie/MovieWriter.h"

#include <gtest/gtest.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstdlib>
#include <new>
#include <tuple>

#include "support/FfmpegProbe.h"
#include "support/TempFolder.h"

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

// The next block operator new hands out ends where an unreadable page
// begins, as the sanitizers' allocators place blocks of whole pages. It is
// never unmapped.
bool guardNextBlock = false;

class MovieWriterTest : public ::testing::Test {
protected:
    TempFolder folder;
};

}  // namespace

#if !KFA_SANITIZED
// The sanitizers bring operator new and delete of their own.
namespace {
void* guardedBlock = nullptr;
}  // namespace

void* operator new(std::size_t size)
{
    if (!guardNextBlock) {
        if (void* block = std::malloc(size == 0 ? 1 : size))
            return block;
        throw std::bad_alloc();
    }
    guardNextBlock = false;
    const std::size_t page = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
    const std::size_t readable = (size + page - 1) / page * page;
    void* const mapping = mmap(nullptr, readable + page, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapping == MAP_FAILED || mprotect(static_cast<char*>(mapping) + readable, page, PROT_NONE) != 0)
        throw std::bad_alloc();
    guardedBlock = static_cast<char*>(mapping) + readable - size;
    return guardedBlock;
}

// Not inlined, where the compiler would take free() for a mismatch with new.
[[gnu::noinline]] void operator delete(void* block) noexcept
{
    if (block != guardedBlock)
        std::free(block);
}

void operator delete(void* block, std::size_t) noexcept
{
    operator delete(block);
}
#endif

TEST_F(MovieWriterTest, WritesEachFormatAsFfprobeReadsIt)
{
    using M = MovieFormat;
    using A = AviCompression;
    using F = FlashImageType;
    using C = FlashCompression;
    const std::string mp4 = "mov,mp4,m4a,3gp,3g2,mj2";
    // Codecs that need even sizes make 33 x 25 pictures 32 x 24; the others keep them.
    const std::tuple<std::string, MovieSettings, double, MovieProbe> cases[] = {
        {"color.avi", {M::AVI, A::ColorPreserving}, 12, {"avi", "mpeg4", "32x24", "12/1", 10}},
        {"line.avi", {M::AVI, A::LinePreserving}, 12, {"avi", "mjpeg", "33x25", "12/1", 10}},
        {"lossless.avi", {M::AVI, A::LosslessUncompressed}, 12, {"avi", "rawvideo", "33x25", "12/1", 10}},
        {"movie.flv", {M::FLV}, 12, {"flv", "flv1", "32x24", "12/1", 10}},
        {"true.swf", {M::Flash, {}, F::Lossless, C::BestSpeed}, 12, {"swf", "flv1", "32x24", "", 10}},
        {"jpeg.swf", {M::Flash, {}, F::JPEG, C::SmallestSize}, 12, {"swf", "mjpeg", "32x24", "", 10}},
        {"256.swf", {M::Flash, {}, F::Colors256, C::SmallestSize}, 12, {"swf", "flv1", "32x24", "", 10}},
        {"movie.mp4", {M::MPEG4}, 12, {mp4, "h264", "32x24", "12/1", 10}},
        // An animation speed that is no whole number is kept.
        {"ntsc.mp4", {M::MPEG4}, 29.97, {mp4, "h264", "32x24", "2997/100", 10}},
        {"movie.wmv", {M::WMV}, 12, {"asf", "wmv2", "32x24", "12/1", 10}},
    };
    // The fields compared; a Flash movie's rate is not read back.
    const auto compared = [](const MovieProbe& movie, bool rate) {
        return std::make_tuple(movie.container, movie.codec, movie.size, rate ? movie.frameRate : "", movie.frames);
    };
    for (auto [name, settings, framesPerSecond, expected] : cases) {
        SCOPED_TRACE(name);
        // Ten frames of 33 x 25 pixels.
        settings.framesPerSecond = framesPerSecond;
        std::unique_ptr<MovieWriter> movie = openMovie(settings, folder.path(name));
        for (int frame = 0; frame < 10; ++frame)
            movie->addFrame(gradient(33, 25, frame));
        EXPECT_EQ(10, movie->frames());
        movie->finish();
        const bool rate = !expected.frameRate.empty();
        EXPECT_EQ(compared(expected, rate), compared(probeMovie(folder.path(name)), rate));
    }
}

TEST_F(MovieWriterTest, RasterMetafileHoldsEveryFrameAsPpmOfTheFirstFramesSize)
{
    const std::string file = folder.path("frames.rm");
    std::unique_ptr<MovieWriter> movie = openMovie({MovieFormat::RasterMetafile}, file);
    movie->addFrame(gradient(33, 25, 0));
    movie->addFrame(gradient(33, 25, 1));
    movie->addFrame(gradient(66, 50, 2));
    EXPECT_EQ(3, movie->frames());
    movie->finish();
    const std::string header = "P6\n33 25\n255\n";
    const std::string content = readFile(file);
    const std::vector<std::uint8_t> second = gradient(33, 25, 1).rgb;
    ASSERT_EQ(3 * (header.size() + second.size()), content.size());
    EXPECT_EQ(header + std::string(second.begin(), second.end()) + header,
              content.substr(header.size() + second.size(), 2 * header.size() + second.size()));
}

TEST_F(MovieWriterTest, LeavesNoFileWhenAbandonedOrFailed)
{
    const std::string file = folder.path("movie");
    for (MovieFormat format : {MovieFormat::MPEG4, MovieFormat::RasterMetafile}) {
        {
            std::unique_ptr<MovieWriter> movie = openMovie({format}, file);
            movie->addFrame(gradient(16, 16, 0));
            movie->abandon();
        }
        {
            // Dropped without finishing.
            std::unique_ptr<MovieWriter> movie = openMovie({format}, file);
            movie->addFrame(gradient(16, 16, 0));
        }
        EXPECT_THROW(openMovie({format}, folder.path("no such folder/movie")), MovieError);
        EXPECT_TRUE(folder.entries().empty()) << static_cast<int>(format);
    }
    // No frame at all is no movie.
    EXPECT_THROW(openMovie({MovieFormat::MPEG4}, file)->finish(), MovieError);
    // A picture a 4:2:0 codec cannot take.
    std::unique_ptr<MovieWriter> movie = openMovie({MovieFormat::WMV}, file);
    EXPECT_THROW(movie->addFrame(gradient(1, 1, 0)), MovieError);
    EXPECT_THROW(movie->addFrame(gradient(8, 8, 0)), MovieError);
    EXPECT_TRUE(folder.entries().empty());
}

TEST_F(MovieWriterTest, ReadsNothingPastTheLastPixelOfAFrame)
{
#if KFA_SANITIZED
    GTEST_SKIP() << "the frame is guarded by this program's operator new";
#endif
    // A frame of 1920 x 1440 pixels is 2025 whole pages, and where the page
    // behind it cannot be read, a converter reading past its last pixel ends
    // the program. This frame ends at such a page.
    for (const MovieFormat format : {MovieFormat::MPEG4, MovieFormat::AVI, MovieFormat::WMV}) {
        SCOPED_TRACE(static_cast<int>(format));
        std::unique_ptr<MovieWriter> movie = openMovie({format}, folder.path("movie"));
        guardNextBlock = true;
        Image frame(64, 48);
        ASSERT_FALSE(guardNextBlock);
        frame.rgb.assign(frame.rgb.size(), 200);
        movie->addFrame(frame);
        movie->finish();
        EXPECT_EQ(1, probeMovie(folder.path("movie")).frames);
    }
}
