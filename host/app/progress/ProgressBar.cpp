#include "progress/ProgressBar.h"

#include <algorithm>
#include <csignal>

namespace zorhost {

namespace {

volatile std::sig_atomic_t lineRunning = 0;
volatile std::sig_atomic_t cancelRequested = 0;
struct sigaction previousAction;

void onInterrupt(int signalNumber)
{
    if (lineRunning != 0) {
        cancelRequested = 1;
        return;
    }
    // No line to cancel: end as Ctrl-C ends any program.
    std::signal(signalNumber, SIG_DFL);
    std::raise(signalNumber);
}

}  // namespace

std::string progressLine(const std::string& text, int percent, int barWidth)
{
    percent = std::clamp(percent, 0, 100);
    const int filled = percent * barWidth / 100;
    std::string line = text + " [" + std::string(static_cast<std::size_t>(filled), '#') +
                       std::string(static_cast<std::size_t>(barWidth - filled), '.') + "] ";
    const std::string number = std::to_string(percent);
    return line + std::string(3 - std::min<std::size_t>(3, number.size()), ' ') + number + "%";
}

void ProgressBar::show(const std::string& text, int percent)
{
    const std::string line = progressLine(text, percent, barWidth_);
    if (line == shown_)
        return;
    // Back to the line's start, the new line, and blanks over what is left
    // of a longer one.
    const std::size_t blanks = shown_.size() > line.size() ? shown_.size() - line.size() : 0;
    std::fprintf(terminal_, "\r%s%s", line.c_str(), std::string(blanks, ' ').c_str());
    std::fflush(terminal_);
    shown_ = line;
}

void ProgressBar::clear()
{
    if (shown_.empty())
        return;
    std::fprintf(terminal_, "\r%s\r", std::string(shown_.size(), ' ').c_str());
    std::fflush(terminal_);
    shown_.clear();
}

InterruptCancel::InterruptCancel()
{
    struct sigaction action {};
    action.sa_handler = onInterrupt;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, &previousAction);
}

InterruptCancel::~InterruptCancel()
{
    sigaction(SIGINT, &previousAction, nullptr);
    lineRunning = 0;
    cancelRequested = 0;
}

void InterruptCancel::setLineRunning(bool running)
{
    lineRunning = running ? 1 : 0;
    if (!running)
        cancelRequested = 0;
}

bool InterruptCancel::takeRequest()
{
    if (cancelRequested == 0)
        return false;
    cancelRequested = 0;
    return true;
}

}  // namespace zorhost
