// The percent-done line on a terminal: its text, a bar, the percent and the
// time spent and left, redrawn in place on one line.
#ifndef ZORHOST_PROGRESS_BAR_H
#define ZORHOST_PROGRESS_BAR_H

#include <chrono>
#include <cstdio>
#include <string>

namespace zorhost {

// "1:05", or "1:02:03" from an hour on.
std::string clockTime(double seconds);

// "Animating.... [#######.............]  35%  0:07 spent, 0:13 left" for a
// bar of `barWidth` cells; the percent is clamped into 0 to 100, and the
// time left, reckoned at the rate so far, is shown once there is a rate.
std::string progressLine(const std::string& text, int percent, int barWidth, double secondsSpent);

class ProgressBar {
public:
    explicit ProgressBar(std::FILE* terminal, int barWidth = 30) : terminal_(terminal), barWidth_(barWidth) {}

    // A new line starts: its time is counted from now.
    void start();
    // The line is shown (or shown anew) with this text and percent and the
    // time since start(); nothing is written when the line did not change.
    void show(const std::string& text, int percent);
    // The line goes away.
    void clear();

private:
    std::FILE* terminal_;
    int barWidth_;
    std::string shown_;
    std::chrono::steady_clock::time_point started_ = std::chrono::steady_clock::now();
};

}  // namespace zorhost

#endif
