#include "player/FrameDataStore.h"

#include <cmath>
#include <filesystem>
#include <stdexcept>

#include "zorsim/Host.h"

namespace zorhost {

namespace {

constexpr double degree = 3.14159265358979323846 / 180.0;

// The legend's title of a data file coloured by height.
const char* const heightName = "Z (height)";

// The view turned about the data's centre, `margin` times as wide as the
// data's diagonal and, in perspective, far enough; its angles are kept.
void fitWholeData(zorsim::ViewState& view, const Box& bounds, double margin)
{
    const double dx = bounds.max.x - bounds.min.x;
    const double dy = bounds.max.y - bounds.min.y;
    const double dz = bounds.max.z - bounds.min.z;
    const double diagonal = std::sqrt(dx * dx + dy * dy + dz * dz);
    view.width = margin * diagonal;
    const double distance = view.width / (2.0 * std::tan(0.5 * view.fieldOfView * degree));
    view.lookAt(
        {0.5 * (bounds.min.x + bounds.max.x), 0.5 * (bounds.min.y + bounds.max.y), 0.5 * (bounds.min.z + bounds.max.z)},
        distance);
}

// A fresh view of the data: the default angles, fitted.
void showWholeData(zorsim::ViewState& view, const Box& bounds, double margin)
{
    const zorsim::ViewState fresh;
    view.psi = fresh.psi;
    view.theta = fresh.theta;
    view.alpha = fresh.alpha;
    fitWholeData(view, bounds, margin);
}

void needFrame(const zorsim::Host& host, const char* what)
{
    if (host.frames.empty())
        throw std::out_of_range(std::string("there is no frame to load ") + what + " into");
}

// The zones of a data file in the host's data set: a zone's place among the
// file's zones is its strand when the file has time steps.
std::vector<zorsim::Zone> hostZones(const LoadedDataSet& file)
{
    std::vector<zorsim::Zone> zones;
    const bool unsteady = !file.times().empty();
    for (const LoadedZone& zone : file.zones()) {
        const ZoneSummary& summary = zone.summary;
        zones.push_back(
            {unsteady ? static_cast<int>(summary.block) + 1 : 0, unsteady ? file.times()[summary.step] : 0.0, true});
    }
    return zones;
}

// The variable `name` names, or the first one a surface has values of; -1
// when there is none.
int namedColourVariable(const LoadedDataSet& file, const std::string& name, const std::string& path)
{
    if (!name.empty()) {
        const int named = file.variableNamed(name);
        if (named >= 0)
            return named;
        std::string known;
        for (const VariableInfo& variable : file.variables())
            known += (known.empty() ? "" : ", ") + ("\"" + variable.name + "\"");
        throw DataReadError("cannot colour " + path + " by \"" + name +
                            "\": " + (known.empty() ? "it has no variables" : "its variables are " + known));
    }
    for (std::size_t variable = 0; variable < file.variables().size(); ++variable)
        if (!file.range(static_cast<int>(variable)).empty())
            return static_cast<int>(variable);
    return -1;
}

}  // namespace

void FrameDataStore::loadWave(zorsim::Host& host, int steps, double timeMin, double timeMax)
{
    needFrame(host, "the sample");
    FrameData data;
    data.name = "WAVE";
    data.sample = makeWaveSample(steps, timeMin, timeMax);
    data.bounds = data.sample->bounds;
    std::vector<zorsim::Zone> zones;
    for (const SampleZone& zone : data.sample->zones)
        zones.push_back({zone.strand, zone.solutionTime, true});
    host.dataSet.loadZones(zones);
    host.dataSet.setSolutionTime(timeMin);
    showWholeData(host.view.current(), data.bounds, data.fitMargin);
    frames_[host.frames.current().id] = std::move(data);
}

void FrameDataStore::loadDataFile(zorsim::Host& host, const std::string& path, const std::string& colourBy)
{
    needFrame(host, "data");
    FrameData data;
    data.name = std::filesystem::path(path).filename().string();
    data.file = readDataFile(path, host.status, limits_);
    data.colourVariable = namedColourVariable(*data.file, colourBy, path);
    data.bounds = data.file->bounds();
    // The diagonal of data of any shape fits the height of a 4:3 picture.
    data.fitMargin = 1.5;
    if (host.frames.current().plotType != ZOR_PLOT_CARTESIAN3D)
        host.frames.setPlotType(ZOR_PLOT_CARTESIAN3D);
    host.dataSet.loadZones(hostZones(*data.file));
    host.dataSet.setSolutionTime(data.file->times().empty() ? 0.0 : data.file->times().front());
    showWholeData(host.view.current(), data.bounds, data.fitMargin);
    frames_[host.frames.current().id] = std::move(data);
}

const FrameDataStore::FrameData* FrameDataStore::current(const zorsim::Host& host) const
{
    if (host.frames.empty())
        return nullptr;
    auto found = frames_.find(host.frames.current().id);
    return found == frames_.end() ? nullptr : &found->second;
}

const LoadedDataSet* FrameDataStore::currentDataFile(const zorsim::Host& host) const
{
    const FrameData* data = current(host);
    return data == nullptr ? nullptr : data->file.get();
}

int FrameDataStore::colourVariable(const zorsim::Host& host) const
{
    const FrameData* data = current(host);
    return data == nullptr || data->file == nullptr ? -1 : data->colourVariable;
}

void FrameDataStore::colourBy(const zorsim::Host& host, int variable)
{
    const FrameData* data = current(host);
    if (data == nullptr || data->file == nullptr)
        throw std::out_of_range("there is no data file to colour");
    if (variable < -1 || variable >= static_cast<int>(data->file->variables().size()))
        throw std::out_of_range("the data file has no variable " + std::to_string(variable));
    frames_[host.frames.current().id].colourVariable = variable;
}

std::string FrameDataStore::currentDataName(const zorsim::Host& host) const
{
    const FrameData* data = current(host);
    return data == nullptr ? std::string() : data->name;
}

bool FrameDataStore::fitView(zorsim::Host& host) const
{
    const FrameData* data = current(host);
    if (data != nullptr)
        fitWholeData(host.view.current(), data->bounds, data->fitMargin);
    return data != nullptr;
}

bool FrameDataStore::resetView(zorsim::Host& host) const
{
    const FrameData* data = current(host);
    if (data != nullptr)
        showWholeData(host.view.current(), data->bounds, data->fitMargin);
    return data != nullptr;
}

void FrameDataStore::describe(const zorsim::Host& host, Scene& scene) const
{
    const FrameData* data = current(host);
    if (data == nullptr)
        return;
    scene.bounds = data->bounds;
    scene.heightMin = data->bounds.min.z;
    scene.heightMax = data->bounds.max.z;
    std::vector<std::size_t> drawn;
    const std::size_t zones = data->sample ? data->sample->zones.size() : data->file->zones().size();
    for (int zone : host.dataSet.drawnZones())
        if (zone >= 1 && static_cast<std::size_t>(zone) <= zones)
            drawn.push_back(static_cast<std::size_t>(zone - 1));
    if (data->sample) {
        scene.heightMin = data->sample->heightMin;
        scene.heightMax = data->sample->heightMax;
        for (std::size_t zone : drawn)
            scene.zones.push_back(&data->sample->zones[zone].geometry);
        return;
    }
    scene.zones = data->file->drawn(drawn, data->colourVariable);
    scene.legend = {true, heightName, scene.heightMin, scene.heightMax};
    if (data->colourVariable >= 0) {
        const VariableRange range = data->file->range(data->colourVariable);
        scene.colourVariable = data->file->variables()[static_cast<std::size_t>(data->colourVariable)].name;
        scene.colourMin = range.min;
        scene.colourMax = range.max;
        scene.legend = {true, scene.colourVariable, range.min, range.max};
    }
}

}  // namespace zorhost
