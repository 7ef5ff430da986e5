// The percent-done status line.
#ifndef ZORSIM_STATUS_MODEL_H
#define ZORSIM_STATUS_MODEL_H

#include <functional>
#include <string>
#include <vector>

namespace zorsim {

class StatusModel {
public:
    bool start(const std::string& text, bool stopButton, bool progressBar);
    void setText(const std::string& text);
    // Returns false once a cancel was asked for, until the line finishes.
    bool check(int percent);
    void finish();

    // The user asks to cancel: the next check answers "cancelled".
    void requestCancel() { cancelRequested_ = true; }
    // The n-th check from now on (1: the next) answers "cancelled".
    void cancelAtCheck(int n) { cancelAtCheck_ = checks_ + n; }
    // Later checks answer "go on" again, as a host may once it has reported
    // a cancel.
    void forgetCancel() { cancelled_ = false; }

    bool isShown() const { return shown_; }
    const std::string& text() const { return text_; }
    bool hasStopButton() const { return stopButton_; }
    bool hasProgressBar() const { return progressBar_; }
    int checks() const { return checks_; }
    // The percent of the running line's last check; 0 from its start on.
    int percent() const { return percent_; }
    // The percent of every check, in order, while the percent log is on;
    // with it off (as in a fresh host) only the last check's percent.
    const std::vector<int>& percents() const { return percents_; }
    void setPercentLog(bool on) { percentLog_ = on; }
    // Every text shown (at start and by setText), in order.
    const std::vector<std::string>& texts() const { return texts_; }
    int starts() const { return starts_; }
    int finishes() const { return finishes_; }

    // Told of every start, check and finish (zorhost draws the line).
    std::function<void(const StatusModel&)> onChange;
    // Asked at every check whether the user asked to cancel since the last
    // one (zorhost: Ctrl-C); true makes this check answer "cancelled".
    std::function<bool()> pollCancel;

private:
    void changed();

    bool shown_ = false;
    std::string text_;
    bool stopButton_ = false;
    bool progressBar_ = false;
    bool cancelRequested_ = false;
    bool cancelled_ = false;
    int cancelAtCheck_ = 0;
    int checks_ = 0;
    int percent_ = 0;
    bool percentLog_ = false;
    std::vector<int> percents_;
    std::vector<std::string> texts_;
    int starts_ = 0;
    int finishes_ = 0;
};

}  // namespace zorsim

#endif
