// Forwards the host's state-change notifications to a callback.
//
//   StateChangeListener listener(boost::bind(&Dropper::onStateChange, this, _1, _2));
//   listener.startListening();
//
// The callback runs under the add-on lock, for every notification while
// listening. When the host announces that it unloads its add-ons (code 15)
// the callback still hears it, and then the listener stops listening. A
// KeyFrameError from the callback is shown in the host's error dialog;
// nothing it throws reaches the host.
#ifndef KFA_ADDON_STATE_CHANGE_LISTENER_H
#define KFA_ADDON_STATE_CHANGE_LISTENER_H

#include <boost/function.hpp>

#include "StateChange.h"

class StateChangeListener : public virtual StateChangeListenerInterface {
public:
    using Callback = boost::function<void(const StateChangeEventInterface&, StateChangeNotifierInterface&)>;

    explicit StateChangeListener(const Callback& callback);
    ~StateChangeListener() override;
    StateChangeListener(const StateChangeListener&) = delete;
    StateChangeListener& operator=(const StateChangeListener&) = delete;

    void startListening();
    void stopListening();

    void stateChanged(const StateChangeEventInterface& event, StateChangeNotifierInterface& notifier) override;

private:
    void tellCallback(const StateChangeEventInterface& event, StateChangeNotifierInterface& notifier);

    // Declared before the notifier: members go in reverse order, so the
    // notifier and with it the registration go first, and no notification
    // can reach a callback that is gone.
    Callback callback_;
    StateChangeNotifier notifier_;
};

#endif
