// The data set of the current frame and the solution time.
#include "ApiGuard.h"
#include "ZorUtil.h"

using namespace zorsim;

bool ZorUtilDataSetIsAvailable(void)
{
    return guarded("ZorUtilDataSetIsAvailable", false, [] { return host().dataSet.isAvailable(); });
}

bool ZorUtilZoneGetEnabled(ZorSet* enabledZones)
{
    return guarded("ZorUtilZoneGetEnabled", false, [&] {
        if (enabledZones == nullptr)
            return false;
        *enabledZones = host().dataSet.enabledZones();
        return *enabledZones != nullptr;
    });
}

ZorSetIndex ZorUtilSetGetNextMember(ZorSet set, ZorSetIndex member)
{
    return guarded(callText("ZorUtilSetGetNextMember", member), ZorSetIndex(0),
                   [&] { return host().dataSet.nextMember(set, member); });
}

void ZorUtilSetDealloc(ZorSet* set)
{
    guardedVoid("ZorUtilSetDealloc", [&] {
        if (set == nullptr || *set == nullptr)
            return;
        host().dataSet.freeSet(*set);
        *set = nullptr;
    });
}

int ZorUtilZoneGetStrandID(int zone)
{
    return guarded(callText("ZorUtilZoneGetStrandID", zone), 0, [&] { return host().dataSet.strandOf(zone); });
}

double ZorUtilZoneGetSolutionTime(int zone)
{
    return guarded(callText("ZorUtilZoneGetSolutionTime", zone), 0.0,
                   [&] { return host().dataSet.solutionTimeOf(zone); });
}

double ZorUtilSolutionTimeGetCurrent(void)
{
    return guarded("ZorUtilSolutionTimeGetCurrent", 0.0, [] { return host().dataSet.solutionTime(); });
}

bool ZorUtilSolutionTimeSetCurrent(double solutionTime)
{
    return guarded(callText("ZorUtilSolutionTimeSetCurrent", solutionTime), false,
                   [&] { return host().dataSet.setSolutionTime(solutionTime); });
}
