#include "progress/ProgressBar.h"

#include <algorithm>

namespace zorhost {

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

}  // namespace zorhost
