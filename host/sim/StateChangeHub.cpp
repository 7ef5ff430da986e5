#include "zorsim/StateChangeHub.h"

#include <algorithm>

namespace zorsim {

namespace {

class Event : public StateChangeEventInterface {
public:
    explicit Event(int code) : code_(code) {}
    int getStateChange() const override { return code_; }

private:
    int code_;
};

}  // namespace

void StateChangeHub::add(StateChangeNotifierInterface* notifier, StateChangeListenerInterface* listener)
{
    const auto entry = std::make_pair(notifier, listener);
    if (std::find(listeners_.begin(), listeners_.end(), entry) == listeners_.end())
        listeners_.push_back(entry);
}

void StateChangeHub::remove(StateChangeNotifierInterface* notifier, StateChangeListenerInterface* listener)
{
    listeners_.erase(std::remove(listeners_.begin(), listeners_.end(), std::make_pair(notifier, listener)),
                     listeners_.end());
}

void StateChangeHub::removeAll(StateChangeNotifierInterface* notifier)
{
    listeners_.erase(std::remove_if(listeners_.begin(), listeners_.end(),
                                    [&](const auto& entry) { return entry.first == notifier; }),
                     listeners_.end());
}

void StateChangeHub::notify(int code)
{
    notified_.push_back(code);
    const Event event(code);
    const auto snapshot = listeners_;
    for (const auto& entry : snapshot) {
        const bool stillRegistered = std::find(listeners_.begin(), listeners_.end(), entry) != listeners_.end();
        if (stillRegistered)
            entry.second->stateChanged(event, *entry.first);
    }
}

}  // namespace zorsim
