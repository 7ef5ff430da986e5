// The host's state-change notifications.
//
// A listener registers with a StateChangeNotifier and hears, through
// stateChanged, every change of the kind the notifier's mode selects: frames
// created or deleted, the current frame changed, its plot type changed.
// Code ZOR_STATE_CHANGE_UNLOAD_ADDONS (15) arrives before the host unloads
// its add-ons. Notifications arrive on the user-interface thread.
#ifndef ZOR_STATE_CHANGE_H
#define ZOR_STATE_CHANGE_H

#include "ZorTypes.h"

// Codes of StateChangeEventInterface::getStateChange.
enum StateChange_e {
    StateChange_FrameCreated = 1,
    StateChange_FrameDeleted = 2,
    StateChange_CurrentFrameChanged = 3,
    StateChange_PlotTypeChanged = 4,
    StateChange_UnloadAddOns = ZOR_STATE_CHANGE_UNLOAD_ADDONS,
};

// Notifier mode that delivers frame and plot type changes.
#define ZOR_STATE_CHANGE_MODE_FRAMES 2

class StateChangeEventInterface {
public:
    virtual ~StateChangeEventInterface() = default;
    virtual int getStateChange() const = 0;
};

class StateChangeListenerInterface;

class StateChangeNotifierInterface {
public:
    virtual ~StateChangeNotifierInterface() = default;
    // A listener added twice is held once; removing an absent one does nothing.
    virtual void addListener(StateChangeListenerInterface* listener) = 0;
    virtual void removeListener(StateChangeListenerInterface* listener) = 0;
};

class StateChangeListenerInterface {
public:
    virtual ~StateChangeListenerInterface() = default;
    virtual void stateChanged(const StateChangeEventInterface& event, StateChangeNotifierInterface& notifier) = 0;
};

// The host's notifier. Destroying it removes every listener it added.
class StateChangeNotifier : public StateChangeNotifierInterface {
public:
    explicit StateChangeNotifier(int mode);
    ~StateChangeNotifier() override;
    StateChangeNotifier(const StateChangeNotifier&) = delete;
    StateChangeNotifier& operator=(const StateChangeNotifier&) = delete;

    void addListener(StateChangeListenerInterface* listener) override;
    void removeListener(StateChangeListenerInterface* listener) override;

private:
    int mode_;
};

#endif
