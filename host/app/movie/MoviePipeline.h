// Encodes a movie's frames on a worker thread while the caller draws the
// next ones. The frames wait in a small bounded queue and reach the movie in
// the order they were added; their buffers go round a pool, so that once the
// first few frames are through nothing of a picture's size is allocated.
//
//   MoviePipeline pipeline(openMovie(settings, path));
//   Image picture;
//   renderer.renderInto(scene, picture);
//   pipeline.add(picture);    // picture now holds a free buffer to draw into
//   pipeline.finish();        // or abandon(); the destructor abandons
//
// The movie writer is used by the worker alone until the worker has
// stopped, which finish() and abandon() wait for. A frame the worker cannot
// encode stops it: the next add() or finish() throws that MovieError, and
// abandon() then removes the file. The worker runs with every signal
// blocked but those of a fault, so that the signals zorhost handles reach
// the thread that plays, while a fault in the encoder still reaches the
// sanitizers' and the debugger's handlers (a blocked fault kills the
// process without a word).
#ifndef ZORHOST_MOVIE_PIPELINE_H
#define ZORHOST_MOVIE_PIPELINE_H

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "movie/MovieWriter.h"

namespace zorhost {

class MoviePipeline {
public:
    // Frames that may wait while one is encoded: one keeps the drawing
    // going while the encoder takes a slow frame, more only hold memory.
    static constexpr std::size_t defaultDepth = 2;

    // Starts the worker; throws MovieError when no thread can be started
    // (the movie is then abandoned).
    explicit MoviePipeline(std::unique_ptr<MovieWriter> movie, std::size_t depth = defaultDepth);
    ~MoviePipeline();
    MoviePipeline(const MoviePipeline&) = delete;
    MoviePipeline& operator=(const MoviePipeline&) = delete;

    // Queues `frame`, waiting while the queue is full, and leaves a free
    // buffer in its place (an empty picture until the pool has filled).
    // Throws the worker's MovieError once it failed.
    void add(Image& frame);
    // Encodes what is queued, then completes the movie; throws MovieError.
    void finish();
    // Drops what is queued, stops the worker and removes the file.
    void abandon();

private:
    void work();
    // Encodes one frame outside the lock; false when it failed.
    bool encode(const Image& frame);
    void stopWorker();
    void throwIfFailed() const;

    std::unique_ptr<MovieWriter> movie_;
    const std::size_t depth_;
    std::mutex mutex_;
    // Signalled whenever the queue, the pool or the state changes.
    std::condition_variable changed_;
    std::deque<Image> queue_;
    std::vector<Image> pool_;
    // No more frames come: the worker empties the queue and stops.
    bool closing_ = false;
    // Abandoned: the worker stops after the frame it is encoding.
    bool stopping_ = false;
    bool failed_ = false;
    std::string failure_;
    bool done_ = false;
    std::thread worker_;
};

}  // namespace zorhost

#endif
