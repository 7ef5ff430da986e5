#include "movie/MoviePipeline.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "movie/RasterMetafileWriter.h"

using namespace zorhost;
using ::testing::ElementsAreArray;
using ::testing::HasSubstr;

namespace {

// What the movie saw; read only once the pipeline is gone.
struct Journal {
    std::vector<int> frames;
    bool finished = false;
};

// A Raster Metafile that notes the number each frame carries in its first
// pixel, and fails at frame `failAt` as a full disk would.
class NotingMovie : public MovieWriter {
public:
    NotingMovie(const std::string& path, Journal& journal, int failAt) : file_(path), journal_(journal), failAt_(failAt)
    {
    }

    void addFrame(const Image& frame) override
    {
        if (frames() == failAt_)
            throw MovieError("no space left on the device");
        journal_.frames.push_back(frame.rgb[0]);
        file_.addFrame(frame);
    }
    void finish() override
    {
        file_.finish();
        journal_.finished = true;
    }
    void abandon() override { file_.abandon(); }
    int frames() const override { return file_.frames(); }

private:
    RasterMetafileWriter file_;
    Journal& journal_;
    int failAt_;
};

class MoviePipelineTest : public ::testing::Test {
protected:
    std::unique_ptr<MoviePipeline> pipeline(int failAt = -1, std::size_t depth = MoviePipeline::defaultDepth)
    {
        return std::make_unique<MoviePipeline>(std::make_unique<NotingMovie>(path_, journal_, failAt), depth);
    }

    // Adds `count` frames numbered 0, 1, ..., each drawn into the buffer the
    // last add left, as the frame recorder does.
    void add(MoviePipeline& movie, int count)
    {
        Image picture;
        for (int number = 0; number < count; ++number) {
            picture.resize(64, 48);
            picture.rgb[0] = static_cast<std::uint8_t>(number);
            movie.add(picture);
        }
    }

    bool movieExists() const { return std::filesystem::exists(path_); }

    const std::string path_ = ::testing::TempDir() + "/pipeline-" + std::to_string(getpid()) + "-" +
                              ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".rm";
    Journal journal_;
};

TEST_F(MoviePipelineTest, FramesReachTheMovieInOrderThroughBuffersThatGoRound)
{
    for (const std::size_t depth : {std::size_t{1}, std::size_t{2}, std::size_t{8}}) {
        SCOPED_TRACE(depth);
        journal_ = Journal();
        std::unique_ptr<MoviePipeline> movie = pipeline(-1, depth);
        Image picture;
        std::vector<int> numbers;
        std::size_t newBuffers = 0;
        for (int number = 0; number < 100; ++number) {
            picture.resize(64, 48);
            picture.rgb[0] = static_cast<std::uint8_t>(number);
            movie->add(picture);
            numbers.push_back(number);
            if (picture.rgb.capacity() == 0)
                ++newBuffers;
        }
        movie->finish();
        // Besides the caller's first: those queued and the one being encoded.
        EXPECT_LE(newBuffers, depth + 1);
        movie.reset();
        EXPECT_THAT(journal_.frames, ElementsAreArray(numbers));
        EXPECT_TRUE(journal_.finished);
        EXPECT_TRUE(movieExists());
        std::filesystem::remove(path_);
    }
}

TEST_F(MoviePipelineTest, AFailedFrameIsReportedAndLeavesNoMovie)
{
    // Failing at the first frame, amid the movie, and at the last, which
    // only finish() can report.
    for (const int failAt : {0, 20, 39}) {
        SCOPED_TRACE(failAt);
        journal_ = Journal();
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
        EXPECT_FALSE(journal_.finished);
        EXPECT_FALSE(movieExists());
    }
}

TEST_F(MoviePipelineTest, ACancelMidMovieStopsTheWorkerAndLeavesNoMovie)
{
    std::unique_ptr<MoviePipeline> movie = pipeline();
    add(*movie, 30);
    movie->abandon();
    Image late(64, 48);
    EXPECT_THROW(movie->add(late), MovieError);
    movie.reset();
    EXPECT_FALSE(journal_.finished);
    EXPECT_LE(journal_.frames.size(), 30u);
    EXPECT_FALSE(movieExists());
}

}  // namespace
