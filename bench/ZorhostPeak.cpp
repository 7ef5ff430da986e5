#include "ZorhostPeak.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <stdexcept>

long zorhostPeakKiB(const char* program, const std::filesystem::path& macro)
{
    const pid_t child = fork();
    if (child < 0)
        throw std::runtime_error("cannot start zorhost");
    if (child == 0) {
        execl(program, "zorhost", "--no-progress", macro.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        throw std::runtime_error("zorhost failed on " + macro.string());
    return usage.ru_maxrss;
}
