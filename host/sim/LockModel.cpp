#include "zorsim/LockModel.h"

#include <algorithm>

namespace zorsim {

void LockModel::start(ZorAddOnId id)
{
    ++depth_[id];
    ++starts_;
}

void LockModel::finish(ZorAddOnId id)
{
    auto found = depth_.find(id);
    if (found == depth_.end() || found->second == 0) {
        ++unmatchedFinishes_;
        return;
    }
    --found->second;
}

void LockModel::lockOff()
{
    if (lockOnDepth_ == 0) {
        ++unmatchedFinishes_;
        return;
    }
    --lockOnDepth_;
}

int LockModel::depth(ZorAddOnId id) const
{
    auto found = depth_.find(id);
    return found == depth_.end() ? 0 : found->second;
}

bool LockModel::isHeld() const
{
    return lockOnDepth_ > 0 ||
           std::any_of(depth_.begin(), depth_.end(), [](const auto& entry) { return entry.second > 0; });
}

bool LockModel::isBalanced() const
{
    return !isHeld() && unmatchedFinishes_ == 0;
}

}  // namespace zorsim
