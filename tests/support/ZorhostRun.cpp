#include "support/ZorhostRun.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

namespace {

// In the child, between fork and exec: the standard streams, the limits
// and the folder of the run.
[[noreturn]] void execZorhost(const std::string& folder, const std::vector<char*>& argv, const RunOptions& options,
                              int output, const char* terminalName)
{
    int input = -1;
    if (terminalName != nullptr) {
        // A session of its own, whose controlling terminal is the pty.
        setsid();
        input = output = open(terminalName, O_RDWR);
    } else {
        input = open("/dev/null", O_RDONLY);
    }
    if (input < 0 || dup2(input, STDIN_FILENO) < 0 || dup2(output, STDOUT_FILENO) < 0 ||
        dup2(output, STDERR_FILENO) < 0 || chdir(folder.c_str()) != 0)
        _exit(126);
    if (options.fileSizeLimit > 0) {
        const rlimit limit{static_cast<rlim_t>(options.fileSizeLimit), static_cast<rlim_t>(options.fileSizeLimit)};
        setrlimit(RLIMIT_FSIZE, &limit);
        // A write beyond the limit then fails with EFBIG instead of ending the program.
        ::signal(SIGXFSZ, SIG_IGN);
    }
    execv(argv[0], argv.data());
    _exit(127);
}

ProgramRun endOf(int status, std::string output)
{
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, WIFSIGNALED(status) ? WTERMSIG(status) : 0,
            std::move(output)};
}

}  // namespace

ZorhostProcess::ZorhostProcess(const std::string& folder, const std::vector<std::string>& arguments,
                               const RunOptions& options)
{
    // execv changes none of the words it is given.
    std::vector<char*> argv;
    if (options.asJob)
        argv = {const_cast<char*>("/bin/sh"), const_cast<char*>("-c"),
                const_cast<char*>("set -m; \"$0\" \"$@\"; read line; fg")};
    argv.push_back(const_cast<char*>(ZORHOST_PATH));
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);

    int pipeEnds[2] = {-1, -1};
    std::string terminalName;
    if (options.terminal) {
        output_fd_ = posix_openpt(O_RDWR | O_NOCTTY);
        if (output_fd_ < 0 || grantpt(output_fd_) != 0 || unlockpt(output_fd_) != 0)
            return;
        terminalName = ptsname(output_fd_);
    } else {
        if (pipe(pipeEnds) != 0)
            return;
        output_fd_ = pipeEnds[0];
    }
    child_ = fork();
    if (child_ == 0)
        execZorhost(folder, argv, options, pipeEnds[1], options.terminal ? terminalName.c_str() : nullptr);
    if (pipeEnds[1] >= 0)
        close(pipeEnds[1]);
    fcntl(output_fd_, F_SETFL, O_NONBLOCK);
}

ZorhostProcess::~ZorhostProcess()
{
    if (child_ > 0) {
        kill(child_, SIGKILL);
        waitpid(child_, nullptr, 0);
    }
    if (output_fd_ >= 0)
        close(output_fd_);
}

void ZorhostProcess::readOutput()
{
    char bytes[4096];
    for (ssize_t count; (count = read(output_fd_, bytes, sizeof bytes)) > 0;)
        output_.append(bytes, static_cast<std::size_t>(count));
}

bool ZorhostProcess::waitUntil(const std::function<bool()>& ready, int seconds)
{
    for (const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
         std::chrono::steady_clock::now() < end;) {
        readOutput();
        if (ready())
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return false;
}

void ZorhostProcess::type(const std::string& keys) const
{
    if (write(output_fd_, keys.data(), keys.size()) != static_cast<ssize_t>(keys.size()))
        ADD_FAILURE() << "cannot type on the terminal";
}

bool ZorhostProcess::terminalEchoes() const
{
    // The pty's master reads the mode its terminal is in.
    struct termios mode {};
    return tcgetattr(output_fd_, &mode) == 0 && (mode.c_lflag & ECHO) != 0;
}

ProgramRun runCommand(const std::string& command)
{
    std::FILE* pipe = popen((command + " 2>&1").c_str(), "r");
    if (pipe == nullptr)
        return {};
    std::string output;
    char bytes[4096];
    for (std::size_t count; (count = std::fread(bytes, 1, sizeof bytes, pipe)) > 0;)
        output.append(bytes, count);
    return endOf(pclose(pipe), std::move(output));
}

ProgramRun ZorhostProcess::finish()
{
    int status = 0;
    const bool ended = child_ > 0 && waitUntil([&] { return waitpid(child_, &status, WNOHANG) == child_; }, 100);
    readOutput();
    if (!ended)
        return {-1, 0, output_};
    child_ = -1;
    return endOf(status, output_);
}

ProgramRun ZorhostFolderTest::zorhost(const std::vector<std::string>& arguments, const RunOptions& options) const
{
    return ZorhostProcess(folder_.root(), arguments, options).finish();
}
