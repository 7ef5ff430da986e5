#include "data/ReaderProcess.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

namespace zorhost {

namespace {

constexpr std::size_t errorTailBytes = 4096;

struct Pipe {
    int read = -1;
    int write = -1;
};

Pipe openPipe()
{
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0)
        throw std::runtime_error(std::string("cannot make a pipe: ") + std::strerror(errno));
    return {fds[0], fds[1]};
}

void closeFd(int& fd)
{
    if (fd >= 0)
        close(fd);
    fd = -1;
}

// Runs in the child between fork and exec: only calls that are safe there.
[[noreturn]] void becomeReader(const char* program, char* const* argv, const Pipe& data, const Pipe& errors,
                               std::uint64_t memoryBytes, pid_t host)
{
    // A group of its own: a kill reaches whatever it started too, and the
    // terminal's Ctrl-C reaches the host alone, which cancels the reading.
    setpgid(0, 0);
    // A host that ends in any way takes its reading with it (the signal
    // follows the thread that forked: zorhost reads on its main thread).
    if (prctl(PR_SET_PDEATHSIG, SIGKILL) != 0 || getppid() != host)
        _exit(127);
    if (memoryBytes > 0) {
        const rlimit limit{static_cast<rlim_t>(memoryBytes), static_cast<rlim_t>(memoryBytes)};
        setrlimit(RLIMIT_AS, &limit);
    }
    const int nothing = open("/dev/null", O_RDONLY);
    if (nothing < 0 || dup2(nothing, STDIN_FILENO) < 0 || dup2(data.write, STDOUT_FILENO) < 0 ||
        dup2(errors.write, STDERR_FILENO) < 0)
        _exit(127);
    // Signals the host ignores would stay ignored in the helper.
    signal(SIGINT, SIG_DFL);
    signal(SIGPIPE, SIG_DFL);
    execv(program, argv);
    _exit(127);
}

}  // namespace

std::string describeEnd(const ProcessEnd& end)
{
    if (!end.signalled)
        return "ended with exit status " + std::to_string(end.code);
    switch (end.code) {
    case SIGSEGV:
        return "stopped with a segmentation fault";
    case SIGBUS:
        return "stopped with a bus error";
    case SIGFPE:
        return "stopped with an arithmetic fault";
    case SIGILL:
        return "stopped at an illegal instruction";
    case SIGABRT:
        return "stopped by aborting";
    case SIGKILL:
        return "was killed";
    default:
        return "stopped by signal " + std::to_string(end.code) + " (" + strsignal(end.code) + ")";
    }
}

ReaderProcess::ReaderProcess(const std::string& program, const std::string& file, std::uint64_t memoryBytes)
{
    if (access(program.c_str(), X_OK) != 0)
        throw std::runtime_error("the reader " + program + " cannot be run: " + std::strerror(errno));
    Pipe data = openPipe();
    Pipe errors = openPipe();
    std::vector<char> programName(program.begin(), program.end());
    programName.push_back('\0');
    std::vector<char> fileName(file.begin(), file.end());
    fileName.push_back('\0');
    char* const argv[] = {programName.data(), fileName.data(), nullptr};
    const pid_t host = getpid();
    child_ = fork();
    if (child_ == 0)
        becomeReader(programName.data(), argv, data, errors, memoryBytes, host);
    const int forkError = errno;
    if (child_ > 0)
        setpgid(child_, child_);
    closeFd(data.write);
    closeFd(errors.write);
    data_ = data.read;
    errors_ = errors.read;
    fcntl(errors_, F_SETFL, fcntl(errors_, F_GETFL) | O_NONBLOCK);
    if (child_ < 0) {
        closeFd(data_);
        closeFd(errors_);
        throw std::runtime_error(std::string("cannot start the reader: ") + std::strerror(forkError));
    }
}

ReaderProcess::~ReaderProcess()
{
    if (child_ > 0) {
        kill();
        reap(0);
    }
    closeFd(data_);
    closeFd(errors_);
}

void ReaderProcess::readInto(int& fd, std::string& into, bool keepTail)
{
    char buffer[1 << 16];
    const ssize_t n = read(fd, buffer, sizeof buffer);
    if (n < 0 && (errno == EINTR || errno == EAGAIN))
        return;
    if (n <= 0) {
        closeFd(fd);
        return;
    }
    into.append(buffer, static_cast<std::size_t>(n));
    if (keepTail && into.size() > errorTailBytes)
        into.erase(0, into.size() - errorTailBytes);
}

void ReaderProcess::reap(int options)
{
    int status = 0;
    pid_t ended = 0;
    while ((ended = waitpid(child_, &status, options)) < 0 && errno == EINTR) {
    }
    if (ended != child_)
        return;
    child_ = -1;
    end_.signalled = WIFSIGNALED(status);
    end_.code = end_.signalled ? WTERMSIG(status) : WEXITSTATUS(status);
    // What the helper said last. Its error stream does not block, since a
    // process it left behind may still hold it open.
    for (int reads = 0; reads < 64 && errors_ >= 0; ++reads)
        readInto(errors_, errorTail_, true);
    closeFd(errors_);
}

bool ReaderProcess::pump(int milliseconds, std::string& data)
{
    if (child_ <= 0)
        return false;
    pollfd fds[2];
    nfds_t count = 0;
    if (data_ >= 0)
        fds[count++] = {data_, POLLIN, 0};
    if (errors_ >= 0)
        fds[count++] = {errors_, POLLIN, 0};
    if (poll(fds, count, milliseconds) > 0) {
        for (nfds_t i = 0; i < count; ++i)
            if (fds[i].revents != 0) {
                const bool isData = fds[i].fd == data_;
                readInto(isData ? data_ : errors_, isData ? data : errorTail_, !isData);
            }
    }
    if (data_ < 0)
        reap(WNOHANG);
    return child_ > 0;
}

void ReaderProcess::kill()
{
    if (child_ > 0)
        ::kill(-child_, SIGKILL);
}

std::string ReaderProcess::lastErrorLine() const
{
    std::size_t end = errorTail_.find_last_not_of("\n\r ");
    if (end == std::string::npos)
        return "";
    const std::size_t start = errorTail_.rfind('\n', end);
    const std::size_t first = start == std::string::npos ? 0 : start + 1;
    return errorTail_.substr(first, end + 1 - first);
}

}  // namespace zorhost
