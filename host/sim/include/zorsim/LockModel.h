// The add-on lock (counted per add-on, nesting) and the registration lock.
#ifndef ZORSIM_LOCK_MODEL_H
#define ZORSIM_LOCK_MODEL_H

#include <map>

#include "ZorTypes.h"

namespace zorsim {

class LockModel {
public:
    void start(ZorAddOnId id);
    void finish(ZorAddOnId id);
    void lockOn() { ++lockOnDepth_; }
    void lockOff();

    // Starts not yet finished for `id`.
    int depth(ZorAddOnId id) const;
    // True when every start and every lock-on was finished and no finish
    // came without its start.
    bool isBalanced() const;
    bool isHeld() const;
    int starts() const { return starts_; }

private:
    std::map<ZorAddOnId, int> depth_;
    int lockOnDepth_ = 0;
    int unmatchedFinishes_ = 0;
    int starts_ = 0;
};

}  // namespace zorsim

#endif
