#include "addon/PercentDoneStatus.h"

#include <algorithm>

#include "ZorUtil.h"

namespace {

constexpr uint32_t textAsGiven = 1;

}  // namespace

PercentDoneStatus::PercentDoneStatus(const std::string& text, uint32_t noCancelHint, const uint32_t& total)
    : total_(static_cast<double>(total)), noCancelHint_(noCancelHint)
{
    const bool hasWork = total_ > 0.0;
    ZorUtilStatusStartPercentDone(shownText(text).c_str(), hasWork, hasWork);
}

PercentDoneStatus::~PercentDoneStatus()
{
    ZorUtilStatusFinishPercentDone();
}

void PercentDoneStatus::step()
{
    done_ += 1.0;
    if (total_ <= 0.0)
        return;
    const int percent = static_cast<int>(std::min(done_ / total_ * 100.0, 100.0));
    // A host may answer "go on" again after a cancel; the cancel still holds.
    if (!ZorUtilStatusCheckPercentDone(percent))
        canceled_ = true;
}

std::string PercentDoneStatus::shownText(const std::string& text) const
{
    return noCancelHint_ == textAsGiven ? text : text + cancelHint_;
}
