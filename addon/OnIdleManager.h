// Defers one job to the host's next idle time, outside whatever host
// notification or callback is running now.
//
//   OnIdleManager refresher;
//   refresher.add(boost::bind(&Dialog::refreshControls, this));
//   refresher.add(...);  // dropped: a job is already waiting
//
// At most one job waits at a time; a job added while one waits is dropped.
// The job runs under the add-on lock. A KeyFrameError it throws is shown in
// the host's error dialog; nothing it throws reaches the host. Destroying the
// manager drops its job unrun, and the host's idle callback then finds no
// manager and does nothing.
#ifndef KFA_ADDON_ON_IDLE_MANAGER_H
#define KFA_ADDON_ON_IDLE_MANAGER_H

#include <boost/function.hpp>

#include "ZorTypes.h"

class OnIdleManager {
public:
    using Job = boost::function<void()>;

    OnIdleManager();
    virtual ~OnIdleManager();
    OnIdleManager(const OnIdleManager&) = delete;
    OnIdleManager& operator=(const OnIdleManager&) = delete;

    void add(const Job& job);
    bool hasPending() const { return !pending_.empty(); }

    // The idle callback registered with the host; `clientData` names the
    // manager that queued it.
    static void onIdle(ZorArbParam clientData);

private:
    void runPending();

    Job pending_;
    // Handed to the host as client data; never reused, so a callback queued
    // by a manager that is gone cannot reach another one.
    ZorArbParam ticket_;
};

#endif
