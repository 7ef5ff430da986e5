#include "zorsim/DataSetModel.h"

#include <algorithm>
#include <map>
#include <stdexcept>

#include "zorsim/DrawingModel.h"
#include "zorsim/FrameModel.h"
#include "zorsim/HandedOutMemory.h"

// A set of zone numbers handed out to an add-on, ascending.
struct ZorSet_s {
    std::vector<ZorSetIndex> members;
};

namespace zorsim {

DataSetModel::DataSetModel(FrameModel& frames, HandedOutMemory& memory, DrawingModel& drawing)
    : frames_(frames), memory_(memory), drawing_(drawing)
{
}

DataSetModel::~DataSetModel() = default;

DataSet& DataSetModel::data()
{
    return frames_.current().dataSet;
}

const DataSet& DataSetModel::current() const
{
    return frames_.current().dataSet;
}

void DataSetModel::loadZones(const std::vector<Zone>& zones)
{
    DataSet& set = data();
    set.loaded = true;
    set.zones = zones;
    drawing_.noteChange();
}

int DataSetModel::addZone(int strand, double solutionTime, bool enabled)
{
    DataSet& set = data();
    set.loaded = true;
    set.zones.push_back(Zone{strand, solutionTime, enabled});
    drawing_.noteChange();
    return static_cast<int>(set.zones.size());
}

void DataSetModel::setZoneEnabled(int zone, bool enabled)
{
    data().zones.at(static_cast<std::size_t>(zone - 1)).enabled = enabled;
    drawing_.noteChange();
}

const Zone* DataSetModel::zone(int number) const
{
    if (!isAvailable() || number < 1 || number > static_cast<int>(current().zones.size()))
        return nullptr;
    return &current().zones[static_cast<std::size_t>(number - 1)];
}

std::vector<int> DataSetModel::drawnZones() const
{
    if (!isAvailable())
        return {};
    const DataSet& set = current();
    std::vector<int> drawn;
    // Per strand: the best zone so far.
    std::map<int, int> shownOfStrand;
    for (int number = 1; number <= static_cast<int>(set.zones.size()); ++number) {
        const Zone& candidate = set.zones[static_cast<std::size_t>(number - 1)];
        if (!candidate.enabled)
            continue;
        if (candidate.strand <= 0) {
            drawn.push_back(number);
            continue;
        }
        auto best = shownOfStrand.find(candidate.strand);
        if (best == shownOfStrand.end()) {
            shownOfStrand[candidate.strand] = number;
            continue;
        }
        const double bestTime = set.zones[static_cast<std::size_t>(best->second - 1)].solutionTime;
        const bool bestDue = bestTime <= set.solutionTime;
        const bool candidateDue = candidate.solutionTime <= set.solutionTime;
        const bool better = candidateDue ? (!bestDue || candidate.solutionTime > bestTime)
                                         : (!bestDue && candidate.solutionTime < bestTime);
        if (better)
            best->second = number;
    }
    for (const auto& strandZone : shownOfStrand)
        drawn.push_back(strandZone.second);
    std::sort(drawn.begin(), drawn.end());
    return drawn;
}

bool DataSetModel::isAvailable() const
{
    return !frames_.empty() && current().loaded;
}

ZorSet DataSetModel::enabledZones()
{
    if (!isAvailable())
        return nullptr;
    auto set = std::make_unique<ZorSet_s>();
    const std::vector<Zone>& zones = current().zones;
    for (std::size_t i = 0; i < zones.size(); ++i)
        if (zones[i].enabled)
            set->members.push_back(static_cast<ZorSetIndex>(i + 1));
    ZorSet handedOut = set.get();
    setsOut_[handedOut] = std::move(set);
    memory_.trackSet(handedOut);
    return handedOut;
}

ZorSetIndex DataSetModel::nextMember(ZorSet set, ZorSetIndex member) const
{
    if (setsOut_.count(set) == 0) {
        memory_.countFault();
        return 0;
    }
    auto next = std::upper_bound(set->members.begin(), set->members.end(), member);
    return next == set->members.end() ? 0 : *next;
}

void DataSetModel::freeSet(ZorSet set)
{
    auto out = setsOut_.find(set);
    if (!memory_.untrackSet(set) || out == setsOut_.end())
        return;
    setsFreed_[set] = std::move(out->second);
    setsOut_.erase(out);
}

int DataSetModel::strandOf(int number) const
{
    const Zone* found = zone(number);
    return found == nullptr ? 0 : found->strand;
}

double DataSetModel::solutionTimeOf(int number) const
{
    const Zone* found = zone(number);
    return found == nullptr ? 0.0 : found->solutionTime;
}

double DataSetModel::solutionTime() const
{
    return frames_.empty() ? 0.0 : current().solutionTime;
}

bool DataSetModel::setSolutionTime(double solutionTime)
{
    if (frames_.empty())
        return false;
    data().solutionTime = solutionTime;
    drawing_.noteChange();
    return true;
}

}  // namespace zorsim
