// Delivers state changes to the listeners that notifiers registered.
#ifndef ZORSIM_STATE_CHANGE_HUB_H
#define ZORSIM_STATE_CHANGE_HUB_H

#include <utility>
#include <vector>

#include "StateChange.h"

namespace zorsim {

class StateChangeHub {
public:
    void add(StateChangeNotifierInterface* notifier, StateChangeListenerInterface* listener);
    void remove(StateChangeNotifierInterface* notifier, StateChangeListenerInterface* listener);
    void removeAll(StateChangeNotifierInterface* notifier);
    std::size_t listenerCount() const { return listeners_.size(); }

    // Tells every registered listener, in registration order; a listener
    // removed during the delivery is not called afterwards.
    void notify(int code);
    const std::vector<int>& notified() const { return notified_; }

private:
    std::vector<std::pair<StateChangeNotifierInterface*, StateChangeListenerInterface*>> listeners_;
    std::vector<int> notified_;
};

}  // namespace zorsim

#endif
