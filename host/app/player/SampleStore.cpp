#include "player/SampleStore.h"

#include <cmath>
#include <stdexcept>

#include "zorsim/Host.h"

namespace zorhost {

namespace {

constexpr double degree = 3.14159265358979323846 / 180.0;

// The view turned about the data's centre, wide enough for the whole data
// and, in perspective, far enough; its angles are kept.
void fitWholeData(zorsim::ViewState& view, const Box& bounds)
{
    const double dx = bounds.max.x - bounds.min.x;
    const double dy = bounds.max.y - bounds.min.y;
    const double dz = bounds.max.z - bounds.min.z;
    const double diagonal = std::sqrt(dx * dx + dy * dy + dz * dz);
    view.width = 1.1 * diagonal;
    const double distance = view.width / (2.0 * std::tan(0.5 * view.fieldOfView * degree));
    view.lookAt(
        {0.5 * (bounds.min.x + bounds.max.x), 0.5 * (bounds.min.y + bounds.max.y), 0.5 * (bounds.min.z + bounds.max.z)},
        distance);
}

// A fresh view of the data: the default angles, fitted.
void showWholeData(zorsim::ViewState& view, const Box& bounds)
{
    const zorsim::ViewState fresh;
    view.psi = fresh.psi;
    view.theta = fresh.theta;
    view.alpha = fresh.alpha;
    fitWholeData(view, bounds);
}

}  // namespace

void SampleStore::loadWave(zorsim::Host& host, int steps, double timeMin, double timeMax)
{
    if (host.frames.empty())
        throw std::out_of_range("there is no frame to load the sample into");
    SampleDataSet sample = makeWaveSample(steps, timeMin, timeMax);
    std::vector<zorsim::Zone> zones;
    for (const SampleZone& zone : sample.zones)
        zones.push_back({zone.strand, zone.solutionTime, true});
    host.dataSet.loadZones(zones);
    host.dataSet.setSolutionTime(timeMin);
    showWholeData(host.view.current(), sample.bounds);
    samples_[host.frames.current().id] = std::move(sample);
}

const SampleDataSet* SampleStore::currentSample(const zorsim::Host& host) const
{
    return host.frames.empty() ? nullptr : find(host.frames.current().id);
}

bool SampleStore::fitView(zorsim::Host& host) const
{
    const SampleDataSet* sample = currentSample(host);
    if (sample != nullptr)
        fitWholeData(host.view.current(), sample->bounds);
    return sample != nullptr;
}

bool SampleStore::resetView(zorsim::Host& host) const
{
    const SampleDataSet* sample = currentSample(host);
    if (sample != nullptr)
        showWholeData(host.view.current(), sample->bounds);
    return sample != nullptr;
}

const SampleDataSet* SampleStore::find(ZorUniqueId frame) const
{
    auto found = samples_.find(frame);
    return found == samples_.end() ? nullptr : &found->second;
}

}  // namespace zorhost
