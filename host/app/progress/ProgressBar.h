// The percent-done line on a terminal: its text, a bar and the percent,
// redrawn in place on one line.
#ifndef ZORHOST_PROGRESS_BAR_H
#define ZORHOST_PROGRESS_BAR_H

#include <cstdio>
#include <string>

namespace zorhost {

// "Animating.... [#######.............]  35%" for a bar of `barWidth` cells;
// the percent is clamped into 0 to 100.
std::string progressLine(const std::string& text, int percent, int barWidth);

class ProgressBar {
public:
    explicit ProgressBar(std::FILE* terminal, int barWidth = 30) : terminal_(terminal), barWidth_(barWidth) {}

    // The line is shown (or shown anew) with this text and percent; nothing
    // is written when neither changed.
    void show(const std::string& text, int percent);
    // The line goes away.
    void clear();

private:
    std::FILE* terminal_;
    int barWidth_;
    std::string shown_;
};

}  // namespace zorhost

#endif
