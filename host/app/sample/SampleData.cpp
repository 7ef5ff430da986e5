#include "sample/SampleData.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace zorhost {

namespace {

constexpr double pi = 3.14159265358979323846;
// The grid spans [-extent, extent] in x and y.
constexpr double extent = 5.0;
constexpr int gridNodes = 41;
// Streamtraces start at these y on the left edge and flow toward +x.
constexpr double seeds[] = {-3.5, -1.75, 0.0, 1.75, 3.5};
constexpr int tracePoints = 121;
constexpr double flowSpeed = 1.2;
// Streamtraces ride just above the surface.
constexpr double traceLift = 0.03;

SurfaceMesh waveSurface(double t)
{
    SurfaceMesh mesh;
    mesh.columns = gridNodes;
    mesh.rows = gridNodes;
    const double step = 2.0 * extent / (gridNodes - 1);
    for (int row = 0; row < gridNodes; ++row)
        for (int column = 0; column < gridNodes; ++column) {
            const double x = -extent + column * step;
            const double y = -extent + row * step;
            mesh.nodes.push_back(
                {static_cast<float>(x), static_cast<float>(y), static_cast<float>(waveHeight(x, y, t))});
        }
    return mesh;
}

// A line that meanders across the surface; a particle moves along it at a
// constant speed, so its times grow with the length travelled.
Streamtrace waveStreamtrace(double seed, double t)
{
    Streamtrace trace;
    double travelled = 0.0;
    for (int i = 0; i < tracePoints; ++i) {
        const double x = -extent + 2.0 * extent * i / (tracePoints - 1);
        const double y = std::clamp(seed + 0.7 * std::sin(0.9 * x + seed), -extent, extent);
        const Point3 point{static_cast<float>(x), static_cast<float>(y),
                           static_cast<float>(waveHeight(x, y, t) + traceLift)};
        if (!trace.points.empty()) {
            const Point3& last = trace.points.back();
            travelled += std::hypot(point.x - last.x, point.y - last.y, point.z - last.z);
        }
        trace.points.push_back(point);
        trace.times.push_back(travelled / flowSpeed);
    }
    return trace;
}

void widen(SampleDataSet& data, const Point3& p)
{
    data.bounds.min = {std::min(data.bounds.min.x, p.x), std::min(data.bounds.min.y, p.y),
                       std::min(data.bounds.min.z, p.z)};
    data.bounds.max = {std::max(data.bounds.max.x, p.x), std::max(data.bounds.max.y, p.y),
                       std::max(data.bounds.max.z, p.z)};
}

}  // namespace

double waveHeight(double x, double y, double t)
{
    const double r = std::hypot(x, y);
    return 0.9 * std::cos(1.3 * r - pi * t) * std::exp(-r * r / 50.0);
}

SampleDataSet makeWaveSample(int steps, double timeMin, double timeMax)
{
    if (steps < 1)
        throw std::invalid_argument("the sample needs at least one step");
    SampleDataSet data;
    const float huge = 1e30f;
    data.bounds = {{huge, huge, huge}, {-huge, -huge, -huge}};
    for (int step = 0; step < steps; ++step) {
        SampleZone zone;
        zone.strand = steps == 1 ? 0 : 1;
        zone.solutionTime = steps == 1 ? timeMin : timeMin + (timeMax - timeMin) * step / (steps - 1);
        zone.geometry.surface = waveSurface(zone.solutionTime);
        for (double seed : seeds)
            zone.geometry.streamtraces.push_back(waveStreamtrace(seed, zone.solutionTime));
        for (const Point3& node : zone.geometry.surface.nodes)
            widen(data, node);
        for (const Streamtrace& trace : zone.geometry.streamtraces)
            for (const Point3& point : trace.points)
                widen(data, point);
        data.zones.push_back(std::move(zone));
    }
    data.heightMin = data.bounds.min.z;
    data.heightMax = data.bounds.max.z;
    return data;
}

}  // namespace zorhost
