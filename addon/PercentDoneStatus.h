// The host's percent-done line with its stop button, shown while long work
// runs; the user cancels through it.
//
//   PercentDoneStatus status("Animating....", 0, frameCount);
//   for (...) {
//       ...  // one unit of work
//       status.step();
//       if (status.isCanceled())
//           break;
//   }
//
// The line is shown from construction to destruction. The caller holds the
// add-on lock for the whole scope. Never throws.
#ifndef KFA_ADDON_PERCENT_DONE_STATUS_H
#define KFA_ADDON_PERCENT_DONE_STATUS_H

#include <cstdint>
#include <string>

class PercentDoneStatus {
public:
    // `noCancelHint` 1 shows `text` as it is; any other value appends the
    // hint on how to cancel. With `total` 0 there is neither stop button nor
    // progress bar, and no cancel is ever reported.
    PercentDoneStatus(const std::string& text, uint32_t noCancelHint, const uint32_t& total);
    ~PercentDoneStatus();
    PercentDoneStatus(const PercentDoneStatus&) = delete;
    PercentDoneStatus& operator=(const PercentDoneStatus&) = delete;

    // One unit of work done: shows the new percentage and asks the host
    // whether the user cancelled.
    void step();
    // True once the user cancelled; stays true.
    bool isCanceled() const { return canceled_; }

private:
    std::string shownText(const std::string& text) const;

    double total_;
    double done_ = 0.0;
    bool canceled_ = false;
    uint32_t noCancelHint_;
    const std::string cancelHint_ = " Press [Esc] or click [Stop] to cancel.";
};

#endif
