#include "movie/MoviePipeline.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <numeric>

using namespace zorhost;
using ::testing::HasSubstr;

namespace {

// What the movie saw; read only once the pipeline is gone.
struct Journal {
    std::vector<int> frames;
    // "finished" or "abandoned" once the movie was.
    std::string end;
};

// A movie that notes the number each frame carries in its first pixel, and
// fails at frame `failAt` as a full disk would.
class NotingMovie : public MovieWriter {
public:
    NotingMovie(Journal& journal, int failAt) : journal_(journal), failAt_(failAt) {}

    void addFrame(const Image& frame) override
    {
        if (frames() == failAt_)
            throw MovieError("no space left on the device");
        journal_.frames.push_back(frame.rgb[0]);
    }
    void finish() override { journal_.end += "finished"; }
    void abandon() override { journal_.end += "abandoned"; }
    int frames() const override { return static_cast<int>(journal_.frames.size()); }

private:
    Journal& journal_;
    int failAt_;
};

class MoviePipelineTest : public ::testing::Test {
protected:
    std::unique_ptr<MoviePipeline> pipeline(int failAt = -1, std::size_t depth = MoviePipeline::defaultDepth)
    {
        journal_ = Journal();
        return std::make_unique<MoviePipeline>(std::make_unique<NotingMovie>(journal_, failAt), depth);
    }

    // Adds `count` frames numbered 0, 1, ..., each drawn into the buffer the
    // last add left, as the frame recorder does; returns how many of those
    // buffers were new rather than handed back.
    static std::size_t add(MoviePipeline& movie, int count)
    {
        Image picture;
        std::size_t newBuffers = 0;
        for (int number = 0; number < count; ++number) {
            picture.resize(64, 48);
            picture.rgb[0] = static_cast<std::uint8_t>(number);
            movie.add(picture);
            if (picture.rgb.capacity() == 0)
                ++newBuffers;
        }
        return newBuffers;
    }

    Journal journal_;
};

TEST_F(MoviePipelineTest, FramesReachTheMovieInOrderThroughBuffersThatGoRound)
{
    for (const std::size_t depth : {std::size_t{1}, std::size_t{2}, std::size_t{8}}) {
        SCOPED_TRACE(depth);
        std::unique_ptr<MoviePipeline> movie = pipeline(-1, depth);
        // Besides the caller's first: those queued and the one being encoded.
        EXPECT_LE(add(*movie, 100), depth + 1);
        movie->finish();
        movie.reset();
        std::vector<int> numbers(100);
        std::iota(numbers.begin(), numbers.end(), 0);
        EXPECT_EQ(numbers, journal_.frames);
        EXPECT_EQ("finished", journal_.end);
    }
}

TEST_F(MoviePipelineTest, AFailedFrameIsReportedAndTheMovieAbandoned)
{
    // Failing at the first frame, amid the movie, and at the last, which
    // only finish() can report.
    for (const int failAt : {0, 20, 39}) {
        SCOPED_TRACE(failAt);
        std::unique_ptr<MoviePipeline> movie = pipeline(failAt);
        try {
            add(*movie, 40);
            movie->finish();
            ADD_FAILURE() << "the failure went unreported";
        } catch (const MovieError& error) {
            EXPECT_THAT(error.what(), HasSubstr("no space left on the device"));
        }
        movie->abandon();
        movie.reset();
        EXPECT_EQ(static_cast<std::size_t>(failAt), journal_.frames.size());
        EXPECT_EQ("abandoned", journal_.end);
    }
}

TEST_F(MoviePipelineTest, ACancelMidMovieStopsTheWorkerAndAbandonsTheMovie)
{
    std::unique_ptr<MoviePipeline> movie = pipeline();
    add(*movie, 30);
    movie->abandon();
    Image late(64, 48);
    EXPECT_THROW(movie->add(late), MovieError);
    movie.reset();
    EXPECT_LE(journal_.frames.size(), 30u);
    EXPECT_EQ("abandoned", journal_.end);
}

}  // namespace
