#include "progress/ProgressBar.h"

#include <algorithm>
#include <cmath>

namespace zorhost {

std::string clockTime(double seconds)
{
    const long whole = std::lround(std::max(0.0, seconds));
    const long hours = whole / 3600;
    const long minutes = whole / 60 % 60;
    char text[32];
    if (hours > 0)
        std::snprintf(text, sizeof text, "%ld:%02ld:%02ld", hours, minutes, whole % 60);
    else
        std::snprintf(text, sizeof text, "%ld:%02ld", minutes, whole % 60);
    return text;
}

std::string progressLine(const std::string& text, int percent, int barWidth, double secondsSpent)
{
    percent = std::clamp(percent, 0, 100);
    const int filled = percent * barWidth / 100;
    std::string line = text + " [" + std::string(static_cast<std::size_t>(filled), '#') +
                       std::string(static_cast<std::size_t>(barWidth - filled), '.') + "] ";
    const std::string number = std::to_string(percent);
    line += std::string(3 - std::min<std::size_t>(3, number.size()), ' ') + number + "%  " + clockTime(secondsSpent) +
            " spent";
    if (percent > 0 && secondsSpent > 0.0)
        line += ", " + clockTime(secondsSpent * (100 - percent) / percent) + " left";
    return line;
}

void ProgressBar::start()
{
    started_ = std::chrono::steady_clock::now();
}

void ProgressBar::show(const std::string& text, int percent)
{
    const std::chrono::duration<double> spent = std::chrono::steady_clock::now() - started_;
    const std::string line = progressLine(text, percent, barWidth_, spent.count());
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

}  // namespace zorhost
