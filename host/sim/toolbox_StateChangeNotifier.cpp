// The toolbox's StateChangeNotifier, served by the host's state-change hub.
#include "StateChange.h"

#include "ApiGuard.h"

using namespace zorsim;

StateChangeNotifier::StateChangeNotifier(int mode) : mode_(mode) {}

StateChangeNotifier::~StateChangeNotifier()
{
    guardedVoid("StateChangeNotifier::~StateChangeNotifier", [&] { host().stateChanges.removeAll(this); });
}

void StateChangeNotifier::addListener(StateChangeListenerInterface* listener)
{
    guardedVoid(callText("StateChangeNotifier::addListener", mode_), [&] {
        if (listener != nullptr)
            host().stateChanges.add(this, listener);
    });
}

void StateChangeNotifier::removeListener(StateChangeListenerInterface* listener)
{
    guardedVoid("StateChangeNotifier::removeListener", [&] { host().stateChanges.remove(this, listener); });
}
