#include "keyframes/HostQueries.h"

#include "StyleValue.h"
#include "ZorUtil.h"

namespace {

// Calls visit(zone) for each enabled zone, ascending, until it returns
// false; frees the host's set. False when the host handed out no set.
template <typename Visit>
bool visitEnabledZones(Visit&& visit)
{
    ZorSet enabledZones = nullptr;
    if (!ZorUtilZoneGetEnabled(&enabledZones) || enabledZones == nullptr)
        return false;
    for (ZorSetIndex zone = ZorUtilSetGetNextMember(enabledZones, 0); zone != 0;
         zone = ZorUtilSetGetNextMember(enabledZones, zone)) {
        if (!visit(zone))
            break;
    }
    ZorUtilSetDealloc(&enabledZones);
    return true;
}

bool isShown(const StyleValue& streamTiming, const char* name)
{
    bool shown = false;
    if (!StyleValue::returnCodeOk(streamTiming.get(shown, StringList{name})))
        return false;
    return shown;
}

}  // namespace

bool isDataSetTransient()
{
    if (!ZorUtilDataSetIsAvailable())
        return false;
    bool isTransient = false;
    visitEnabledZones([&](ZorSetIndex zone) {
        isTransient = ZorUtilZoneGetStrandID(zone) > 0;
        return !isTransient;
    });
    return isTransient;
}

void getSolutionTimeRange(double& minimum, double& maximum)
{
    bool isFirst = true;
    visitEnabledZones([&](ZorSetIndex zone) {
        const double time = ZorUtilZoneGetSolutionTime(zone);
        if (isFirst || time < minimum)
            minimum = time;
        if (isFirst || time > maximum)
            maximum = time;
        isFirst = false;
        return true;
    });
}

bool areStreamtraceMarkersOrDashesShown()
{
    const StyleValue streamTiming(StringList{"STREAMATTRIBUTES", "STREAMTIMING"});
    const bool markersShown = isShown(streamTiming, "SHOWMARKERS");
    const bool dashesShown = isShown(streamTiming, "SHOWDASHES");
    return markersShown || dashesShown;
}
