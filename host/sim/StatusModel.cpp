#include "zorsim/StatusModel.h"

namespace zorsim {

bool StatusModel::start(const std::string& text, bool stopButton, bool progressBar)
{
    shown_ = true;
    text_ = text;
    texts_.push_back(text);
    stopButton_ = stopButton;
    progressBar_ = progressBar;
    cancelled_ = false;
    percent_ = 0;
    ++starts_;
    changed();
    return true;
}

void StatusModel::setText(const std::string& text)
{
    text_ = text;
    texts_.push_back(text);
    changed();
}

bool StatusModel::check(int percent)
{
    ++checks_;
    percent_ = percent;
    if (!percentLog_)
        percents_.clear();
    percents_.push_back(percent);
    if (pollCancel && pollCancel())
        cancelRequested_ = true;
    if (cancelRequested_ || (cancelAtCheck_ != 0 && checks_ >= cancelAtCheck_)) {
        cancelled_ = true;
        cancelRequested_ = false;
        cancelAtCheck_ = 0;
    }
    changed();
    return !cancelled_;
}

void StatusModel::finish()
{
    shown_ = false;
    cancelled_ = false;
    ++finishes_;
    changed();
}

void StatusModel::changed()
{
    if (onChange)
        onChange(*this);
}

}  // namespace zorsim
