#include "addon/StateChangeListener.h"

#include "ZorUtil.h"
#include "addon/AddOnLock.h"
#include "addon/KeyFrameError.h"

StateChangeListener::StateChangeListener(const Callback& callback)
    : callback_(callback), notifier_(ZOR_STATE_CHANGE_MODE_FRAMES)
{
}

StateChangeListener::~StateChangeListener() = default;

void StateChangeListener::startListening()
{
    AddOnLock lock;
    notifier_.addListener(this);
}

void StateChangeListener::stopListening()
{
    AddOnLock lock;
    notifier_.removeListener(this);
}

void StateChangeListener::stateChanged(const StateChangeEventInterface& event, StateChangeNotifierInterface& notifier)
{
    AddOnLock lock;
    tellCallback(event, notifier);
    if (event.getStateChange() == StateChange_UnloadAddOns)
        stopListening();
}

void StateChangeListener::tellCallback(const StateChangeEventInterface& event, StateChangeNotifierInterface& notifier)
{
    try {
        if (!callback_.empty())
            callback_(event, notifier);
    } catch (const KeyFrameError& error) {
        ZorUtilDialogErrMsg(error.what());
    } catch (...) {
    }
}
