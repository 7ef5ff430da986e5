#include "addon/OnIdleManager.h"

#include <map>

#include "ZorUtil.h"
#include "addon/AddOnLock.h"
#include "addon/KeyFrameError.h"

namespace {

// The managers alive now, by ticket. Built by the first manager, so it
// outlives every manager, also the process-wide ones.
std::map<ZorArbParam, OnIdleManager*>& liveManagers()
{
    static std::map<ZorArbParam, OnIdleManager*> managers;
    return managers;
}

ZorArbParam newTicket()
{
    static ZorArbParam lastTicket = 0;
    return ++lastTicket;
}

}  // namespace

OnIdleManager::OnIdleManager() : ticket_(newTicket())
{
    liveManagers()[ticket_] = this;
}

OnIdleManager::~OnIdleManager()
{
    liveManagers().erase(ticket_);
}

void OnIdleManager::add(const Job& job)
{
    if (hasPending() || job.empty())
        return;
    pending_ = job;
    ZorUtilOnIdleQueueAddCallback(&OnIdleManager::onIdle, ticket_);
}

void OnIdleManager::onIdle(ZorArbParam clientData)
{
    const auto found = liveManagers().find(clientData);
    if (found != liveManagers().end())
        found->second->runPending();
}

// A job added while this one runs is dropped: the slot frees only after the
// run, also when the job throws.
void OnIdleManager::runPending()
{
    AddOnLock lock;
    try {
        pending_();
    } catch (const KeyFrameError& error) {
        ZorUtilDialogErrMsg(error.what());
    } catch (...) {
    }
    pending_.clear();
}
