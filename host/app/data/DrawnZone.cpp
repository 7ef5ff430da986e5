#include "data/DrawnZone.h"

#include <algorithm>
#include <cmath>

namespace zorhost {

namespace {

Point3 minus(const Point3& a, const Point3& b)
{
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}

double distance(const Point3& a, const Point3& b)
{
    const Point3 d = minus(a, b);
    return std::sqrt(static_cast<double>(d.x) * d.x + static_cast<double>(d.y) * d.y + static_cast<double>(d.z) * d.z);
}

// Each point's normal: the sum of its triangles' normals, each as long as
// its triangle is large, made unit length.
std::vector<Point3> pointNormals(const std::vector<Point3>& points, const std::vector<std::uint32_t>& indices)
{
    std::vector<Point3> normals(points.size());
    for (std::size_t t = 0; t + 2 < indices.size(); t += 3) {
        const Point3& a = points[indices[t]];
        const Point3 u = minus(points[indices[t + 1]], a);
        const Point3 v = minus(points[indices[t + 2]], a);
        const Point3 n{u.y * v.z - u.z * v.y, u.z * v.x - u.x * v.z, u.x * v.y - u.y * v.x};
        for (std::size_t corner = 0; corner < 3; ++corner) {
            Point3& sum = normals[indices[t + corner]];
            sum = {sum.x + n.x, sum.y + n.y, sum.z + n.z};
        }
    }
    for (Point3& n : normals) {
        const float length = std::sqrt(n.x * n.x + n.y * n.y + n.z * n.z);
        n = length > 0.0f ? Point3{n.x / length, n.y / length, n.z / length} : Point3{0.0f, 0.0f, 1.0f};
    }
    return normals;
}

std::vector<double> lineTimes(const LineData& line, const std::vector<Point3>& points, double lengthPerTime)
{
    std::vector<double> times(line.times.begin(), line.times.end());
    if (!times.empty() && times.back() < times.front())
        for (double& time : times)
            time = -time;
    if (!times.empty() && std::is_sorted(times.begin(), times.end()) && times.back() > times.front())
        return times;
    times.assign(1, 0.0);
    for (std::size_t i = 1; i < line.points.size(); ++i)
        times.push_back(times.back() + distance(points[line.points[i - 1]], points[line.points[i]]) / lengthPerTime);
    return times;
}

}  // namespace

ZoneGeometry drawnZone(const ZoneData& zone, int variable, bool perTriangle, double lengthPerTime)
{
    ZoneGeometry drawn;
    TriangleSurface& surface = drawn.triangles;
    if (!zone.triangles.empty()) {
        surface.points = zone.points;
        surface.indices = zone.triangles;
        surface.normals = pointNormals(surface.points, surface.indices);
        const auto values = std::find_if(zone.values.begin(), zone.values.end(), [variable](const ValueSet& set) {
            return static_cast<int>(set.variable) == variable;
        });
        if (values != zone.values.end()) {
            surface.values = values->values;
            surface.valuePerTriangle = perTriangle;
        }
    }
    for (const LineData& line : zone.lines) {
        Streamtrace trace;
        for (std::uint32_t index : line.points)
            trace.points.push_back(zone.points[index]);
        trace.times = lineTimes(line, zone.points, lengthPerTime);
        drawn.streamtraces.push_back(std::move(trace));
    }
    return drawn;
}

}  // namespace zorhost
