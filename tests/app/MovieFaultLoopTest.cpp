// The 1920 x 1440 export's pipeline again and again, each run with a frame
// that fails, a cancel or a full disk at a random point while a second
// export runs beside it. Every run must end with no file left behind, and
// in the sanitized builds without a report. KFA_FAULT_RUNS sets the number
// of runs (3, one of each fault, unless given); KFA_FAULT_SEED the seed.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "movie/MoviePipeline.h"
#include "support/FileSystemFaults.h"
#include "support/TempFolder.h"

using namespace zorhost;

namespace {

constexpr int framesPerMovie = 6;

enum class Fault { FailingFrame, Cancel, FullDisk };

// Draws the frames into the pipeline as the frame recorder does, with the
// fault at frame `at` (none when it is -1); whether the movie was completed.
// A full disk is the caller's.
bool exportMovie(const std::string& path, MovieFormat format, Fault fault, int at)
{
    MoviePipeline pipeline(openMovie({format}, path));
    Image picture;
    try {
        for (int frame = 0; frame < framesPerMovie; ++frame) {
            if (frame == at && fault == Fault::Cancel) {
                pipeline.abandon();
                return false;
            }
            // Noise, which the encoders cannot make small.
            picture.resize(1920, 1440);
            std::uint32_t state = 2463534242u + static_cast<std::uint32_t>(frame);
            for (std::uint8_t& channel : picture.rgb) {
                state ^= state << 13;
                state ^= state >> 17;
                state ^= state << 5;
                channel = static_cast<std::uint8_t>(state);
            }
            // An empty picture is a frame no encoder takes.
            if (frame == at && fault == Fault::FailingFrame)
                picture = Image();
            pipeline.add(picture);
        }
        pipeline.finish();
        return true;
    } catch (const MovieError&) {
        pipeline.abandon();
        return false;
    }
}

int fromEnvironment(const char* name, int otherwise)
{
    const char* value = std::getenv(name);
    return value != nullptr ? std::atoi(value) : otherwise;
}

}  // namespace

TEST(MovieFaultLoopTest, EachRunEndsWithNoFileLeftBehind)
{
    TempFolder folder;
    const int seed = fromEnvironment("KFA_FAULT_SEED", static_cast<int>(std::random_device()()));
    std::mt19937 random(static_cast<std::mt19937::result_type>(seed));
    std::uniform_int_distribution<int> point(0, framesPerMovie - 1);
    const int runs = fromEnvironment("KFA_FAULT_RUNS", 3);
    for (int run = 0; run < runs; ++run) {
        const auto fault = static_cast<Fault>(run % 3);
        const int at = point(random);
        SCOPED_TRACE("seed " + std::to_string(seed) + ", run " + std::to_string(run) + ", fault " +
                     std::to_string(run % 3) + " at " + std::to_string(at));
        const std::string movie = folder.path("movie.mp4");
        const std::string other = folder.path("other.avi");
        bool movieDone = false;
        bool otherDone = false;
        {
            // The disk fills within the first frames.
            std::optional<FileSizeLimit> limit;
            if (fault == Fault::FullDisk)
                limit.emplace(static_cast<rlim_t>(1000 + at * 20000));
            std::thread beside([&] { otherDone = exportMovie(other, MovieFormat::AVI, fault, -1); });
            movieDone = exportMovie(movie, MovieFormat::MPEG4, fault, at);
            beside.join();
        }
        EXPECT_FALSE(movieDone);
        if (movieDone)
            std::filesystem::remove(movie);
        if (otherDone)
            std::filesystem::remove(other);
        EXPECT_EQ(std::vector<std::string>{}, folder.entries());
    }
}
