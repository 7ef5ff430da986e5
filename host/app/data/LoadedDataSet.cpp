#include "data/LoadedDataSet.h"

#include <algorithm>
#include <cmath>

#include "data/DrawnZone.h"

namespace zorhost {

namespace {

// Markers and dashes cross the whole data in this many time units, where
// lines carry no integration time.
constexpr double crossingTime = 10.0;

Box unionOf(const Box& a, const Box& b)
{
    return {{std::min(a.min.x, b.min.x), std::min(a.min.y, b.min.y), std::min(a.min.z, b.min.z)},
            {std::max(a.max.x, b.max.x), std::max(a.max.y, b.max.y), std::max(a.max.z, b.max.z)}};
}

}  // namespace

void LoadedDataBuilder::keep(const ZoneSummary& summary, std::string&& payload)
{
    const std::uint64_t offset = cache->append(payload);
    zones.push_back({summary, offset, payload.size()});
}

LoadedDataSet::LoadedDataSet(const DataStreamSession& session, LoadedDataBuilder&& built)
    : times_(session.times()),
      variables_(session.variables()),
      context_(session.context()),
      zones_(std::move(built.zones)),
      cache_(std::move(built.cache))
{
    for (std::size_t i = 0; i < zones_.size(); ++i)
        bounds_ = i == 0 ? zones_[i].summary.bounds : unionOf(bounds_, zones_[i].summary.bounds);
    const double dx = bounds_.max.x - bounds_.min.x;
    const double dy = bounds_.max.y - bounds_.min.y;
    const double dz = bounds_.max.z - bounds_.min.z;
    const double diagonal = std::sqrt(dx * dx + dy * dy + dz * dz);
    lengthPerTime_ = diagonal > 0.0 ? diagonal / crossingTime : 1.0;
}

VariableRange LoadedDataSet::range(int variable) const
{
    VariableRange range;
    for (const LoadedZone& zone : zones_)
        if (variable >= 0 && static_cast<std::size_t>(variable) < zone.summary.ranges.size())
            range.widen(zone.summary.ranges[static_cast<std::size_t>(variable)]);
    return range;
}

int LoadedDataSet::variableNamed(const std::string& name) const
{
    for (std::size_t i = 0; i < variables_.size(); ++i)
        if (variables_[i].name == name)
            return static_cast<int>(i);
    return -1;
}

std::shared_ptr<const ZoneGeometry> LoadedDataSet::load(std::size_t zone, int variable) const
{
    const LoadedZone& loaded = zones_.at(zone);
    const ZoneData data = decodeZone(cache_->read(loaded.offset, loaded.length), context_);
    const bool perTriangle = variable >= 0 && variables_[static_cast<std::size_t>(variable)].kind == VariableKind::Cell;
    return std::make_shared<const ZoneGeometry>(drawnZone(data, variable, perTriangle, lengthPerTime_));
}

std::size_t LoadedDataSet::zonesInMemory() const
{
    std::size_t held = recent_.size();
    for (const auto& [zone, geometry] : older_)
        held += recent_.count(zone) == 0 ? 1u : 0u;
    return held;
}

std::vector<const ZoneGeometry*> LoadedDataSet::drawn(const std::vector<std::size_t>& zones, int variable) const
{
    if (variable != cachedVariable_) {
        recent_.clear();
        older_.clear();
        cachedVariable_ = variable;
    }
    std::map<std::size_t, std::shared_ptr<const ZoneGeometry>> now;
    for (std::size_t zone : zones) {
        auto& kept = now[zone];
        if (auto found = recent_.find(zone); found != recent_.end())
            kept = found->second;
        else if (auto older = older_.find(zone); older != older_.end())
            kept = older->second;
        else
            kept = load(zone, variable);
    }
    older_ = std::move(recent_);
    recent_ = std::move(now);
    std::vector<const ZoneGeometry*> drawn;
    for (std::size_t zone : zones)
        drawn.push_back(recent_.at(zone).get());
    return drawn;
}

}  // namespace zorhost
