#include "zorsim/IdleQueue.h"

namespace zorsim {

void IdleQueue::add(ZorOnIdleCallback callback, ZorArbParam clientData)
{
    queue_.emplace_back(callback, clientData);
}

int IdleQueue::runIdle()
{
    int ran = 0;
    while (!queue_.empty()) {
        const auto [callback, clientData] = queue_.front();
        queue_.pop_front();
        callback(clientData);
        ++ran;
    }
    return ran;
}

}  // namespace zorsim
