#include "movie/MoviePipeline.h"

#include <pthread.h>
#include <signal.h>

#include <system_error>

namespace zorhost {

namespace {

// Blocks every signal in the calling thread while it lives, so that a
// thread started meanwhile inherits the blocked set.
class SignalsBlocked {
public:
    SignalsBlocked()
    {
        sigset_t all;
        sigfillset(&all);
        for (const int fault : {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGTRAP, SIGSYS})
            sigdelset(&all, fault);
        pthread_sigmask(SIG_SETMASK, &all, &previous_);
    }
    ~SignalsBlocked() { pthread_sigmask(SIG_SETMASK, &previous_, nullptr); }
    SignalsBlocked(const SignalsBlocked&) = delete;
    SignalsBlocked& operator=(const SignalsBlocked&) = delete;

private:
    sigset_t previous_;
};

}  // namespace

MoviePipeline::MoviePipeline(std::unique_ptr<MovieWriter> movie, std::size_t depth)
    : movie_(std::move(movie)), depth_(depth < 1 ? 1 : depth)
{
    // The caller's buffer, the queued ones and the one being encoded.
    pool_.reserve(depth_ + 2);
    try {
        const SignalsBlocked blocked;
        worker_ = std::thread([this] { work(); });
    } catch (const std::system_error& error) {
        movie_->abandon();
        throw MovieError(std::string("cannot start the encoder's thread: ") + error.what());
    }
}

MoviePipeline::~MoviePipeline()
{
    abandon();
}

void MoviePipeline::add(Image& frame)
{
    std::unique_lock<std::mutex> lock(mutex_);
    changed_.wait(lock, [this] { return failed_ || done_ || queue_.size() < depth_; });
    throwIfFailed();
    if (done_)
        throw MovieError("the movie is closed");
    queue_.push_back(std::move(frame));
    if (pool_.empty()) {
        frame = Image();
    } else {
        frame = std::move(pool_.back());
        pool_.pop_back();
    }
    changed_.notify_all();
}

void MoviePipeline::finish()
{
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        if (done_)
            throw MovieError("the movie is closed");
        closing_ = true;
    }
    changed_.notify_all();
    stopWorker();
    throwIfFailed();
    movie_->finish();
    done_ = true;
}

void MoviePipeline::abandon()
{
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
        queue_.clear();
    }
    changed_.notify_all();
    stopWorker();
    if (!done_)
        movie_->abandon();
    done_ = true;
}

void MoviePipeline::stopWorker()
{
    if (worker_.joinable())
        worker_.join();
}

void MoviePipeline::throwIfFailed() const
{
    if (failed_)
        throw MovieError(failure_);
}

void MoviePipeline::work()
{
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
        changed_.wait(lock, [this] { return stopping_ || closing_ || !queue_.empty(); });
        if (stopping_ || queue_.empty())
            return;
        Image frame = std::move(queue_.front());
        queue_.pop_front();
        lock.unlock();
        changed_.notify_all();
        const bool encoded = encode(frame);
        lock.lock();
        pool_.push_back(std::move(frame));
        changed_.notify_all();
        if (!encoded)
            return;
    }
}

bool MoviePipeline::encode(const Image& frame)
{
    std::string failure;
    try {
        movie_->addFrame(frame);
        return true;
    } catch (const std::exception& error) {
        failure = error.what();
    }
    const std::lock_guard<std::mutex> lock(mutex_);
    failed_ = true;
    failure_ = failure;
    return false;
}

}  // namespace zorhost
