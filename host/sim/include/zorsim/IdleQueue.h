// Callbacks queued for the host's idle time.
#ifndef ZORSIM_IDLE_QUEUE_H
#define ZORSIM_IDLE_QUEUE_H

#include <deque>
#include <utility>

#include "ZorTypes.h"

namespace zorsim {

class IdleQueue {
public:
    void add(ZorOnIdleCallback callback, ZorArbParam clientData);
    std::size_t pending() const { return queue_.size(); }
    // The host goes idle: runs the queued callbacks, and those they queue,
    // until none is left. Returns how many ran.
    int runIdle();

private:
    std::deque<std::pair<ZorOnIdleCallback, ZorArbParam>> queue_;
};

}  // namespace zorsim

#endif
