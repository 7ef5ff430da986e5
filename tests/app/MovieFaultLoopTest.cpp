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

// A movie whose frame `failAt` cannot be encoded.
class FailingMovie : public MovieWriter {
public:
    FailingMovie(std::unique_ptr<MovieWriter> movie, int failAt) : movie_(std::move(movie)), failAt_(failAt) {}

    void addFrame(const Image& frame) override
    {
        if (movie_->frames() == failAt_)
            throw MovieError("a frame that cannot be encoded");
        movie_->addFrame(frame);
    }
    void finish() override { movie_->finish(); }
    void abandon() override { movie_->abandon(); }
    int frames() const override { return movie_->frames(); }

private:
    std::unique_ptr<MovieWriter> movie_;
    int failAt_;
};

// Draws the frames into the pipeline as the frame recorder does, and
// abandons the movie at frame `cancelAt`; whether the movie was completed.
bool exportMovie(std::unique_ptr<MovieWriter> movie, int cancelAt)
{
    MoviePipeline pipeline(std::move(movie));
    Image picture;
    try {
        for (int frame = 0; frame < framesPerMovie; ++frame) {
            if (frame == cancelAt) {
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
            std::thread beside([&] { otherDone = exportMovie(openMovie({MovieFormat::AVI}, other), -1); });
            std::unique_ptr<MovieWriter> writer = openMovie({MovieFormat::MPEG4}, movie);
            if (fault == Fault::FailingFrame)
                writer = std::make_unique<FailingMovie>(std::move(writer), at);
            movieDone = exportMovie(std::move(writer), fault == Fault::Cancel ? at : -1);
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
