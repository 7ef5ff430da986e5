#include "render/SceneGeometry.h"

#include <algorithm>
#include <cmath>

namespace zorhost {

namespace {

const Point3 lineColour{0.08f, 0.08f, 0.1f};
const Point3 dashColour{1.0f, 1.0f, 1.0f};
const Point3 markerColour{1.0f, 0.2f, 0.85f};
const Point3 noValueColour{0.6f, 0.6f, 0.6f};

Vertex vertexAt(const Point3& p, const Point3& normal, const Point3& colour)
{
    return Vertex{{p.x, p.y, p.z}, {normal.x, normal.y, normal.z}, {colour.x, colour.y, colour.z}};
}

Point3 minus(const Point3& a, const Point3& b)
{
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}

Point3 cross(const Point3& a, const Point3& b)
{
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

Point3 normalised(const Point3& v)
{
    const float length = std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
    return length > 0.0f ? Point3{v.x / length, v.y / length, v.z / length} : Point3{0.0f, 0.0f, 1.0f};
}

Point3 mix(const Point3& a, const Point3& b, double f)
{
    const float t = static_cast<float>(f);
    return {a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t, a.z + (b.z - a.z) * t};
}

// The normal at a node from the differences to its neighbours.
Point3 nodeNormal(const SurfaceMesh& mesh, int column, int row)
{
    const int left = std::max(column - 1, 0);
    const int right = std::min(column + 1, mesh.columns - 1);
    const int below = std::max(row - 1, 0);
    const int above = std::min(row + 1, mesh.rows - 1);
    const Point3 along = minus(mesh.node(right, row), mesh.node(left, row));
    const Point3 across = minus(mesh.node(column, above), mesh.node(column, below));
    return normalised(cross(along, across));
}

bool timingIsDrawable(const StreamtraceStyle& style)
{
    return style.deltaTime > 0.0 && std::isfinite(style.deltaTime) && std::isfinite(style.timeAnchor);
}

template <typename Visit>
void forEachTrace(const ZoneGeometry& zone, Visit visit)
{
    for (const Streamtrace& trace : zone.streamtraces)
        if (trace.points.size() >= 2 && trace.times.size() == trace.points.size())
            visit(trace);
}

template <typename Visit>
void forEachTrace(const Scene& scene, Visit visit)
{
    for (const ZoneGeometry* zone : scene.zones)
        forEachTrace(*zone, visit);
}

const Point3 up{0.0f, 0.0f, 1.0f};

// A delta time far below the line's length would ask for more marks than
// pixels; no more than this many are placed on one streamtrace.
constexpr int maxMarksPerTrace = 4096;

// The colour of a point or triangle of a surface: its value's place in the
// scene's value range, or its height's when the scene is coloured by
// height; grey where it has no value.
class SurfaceColours {
public:
    SurfaceColours(const Scene& scene, const TriangleSurface& surface) : surface_(surface)
    {
        byHeight_ = scene.colourVariable.empty();
        low_ = byHeight_ ? scene.heightMin : scene.colourMin;
        const double high = byHeight_ ? scene.heightMax : scene.colourMax;
        span_ = high > low_ ? high - low_ : 1.0;
    }

    Point3 at(std::uint32_t point, std::size_t triangle) const
    {
        if (byHeight_)
            return heightColour((surface_.points[point].z - low_) / span_);
        const std::size_t index = surface_.valuePerTriangle ? triangle : point;
        if (index >= surface_.values.size() || !std::isfinite(surface_.values[index]))
            return noValueColour;
        return heightColour((surface_.values[index] - low_) / span_);
    }

private:
    const TriangleSurface& surface_;
    bool byHeight_ = true;
    double low_ = 0.0;
    double span_ = 1.0;
};

void addTriangleSurface(const Scene& scene, const TriangleSurface& surface, std::vector<Vertex>& vertices)
{
    const SurfaceColours colours(scene, surface);
    for (std::size_t t = 0; t + 2 < surface.indices.size(); t += 3)
        for (std::size_t corner = 0; corner < 3; ++corner) {
            const std::uint32_t point = surface.indices[t + corner];
            vertices.push_back(vertexAt(surface.points[point], surface.normals[point], colours.at(point, t / 3)));
        }
}

}  // namespace

Point3 heightColour(double fraction)
{
    static const Point3 stops[] = {
        {0.1f, 0.2f, 0.9f}, {0.0f, 0.8f, 0.9f}, {0.1f, 0.8f, 0.2f}, {0.95f, 0.9f, 0.1f}, {0.9f, 0.15f, 0.1f}};
    const double f = std::clamp(std::isfinite(fraction) ? fraction : 0.0, 0.0, 1.0) * 4.0;
    const int stop = std::min(static_cast<int>(f), 3);
    return mix(stops[stop], stops[stop + 1], f - stop);
}

std::vector<Vertex> surfaceTriangles(const Scene& scene, const ZoneGeometry& zone)
{
    std::vector<Vertex> vertices;
    const double span = scene.heightMax > scene.heightMin ? scene.heightMax - scene.heightMin : 1.0;
    addTriangleSurface(scene, zone.triangles, vertices);
    const SurfaceMesh& mesh = zone.surface;
    auto corner = [&](int column, int row) {
        const Point3& p = mesh.node(column, row);
        return vertexAt(p, nodeNormal(mesh, column, row), heightColour((p.z - scene.heightMin) / span));
    };
    for (int row = 0; row + 1 < mesh.rows; ++row)
        for (int column = 0; column + 1 < mesh.columns; ++column) {
            const Vertex a = corner(column, row), b = corner(column + 1, row);
            const Vertex c = corner(column + 1, row + 1), d = corner(column, row + 1);
            vertices.insert(vertices.end(), {a, b, c, a, c, d});
        }
    return vertices;
}

std::vector<Vertex> streamtraceLines(const ZoneGeometry& zone)
{
    std::vector<Vertex> vertices;
    forEachTrace(zone, [&](const Streamtrace& trace) {
        for (std::size_t i = 0; i + 1 < trace.points.size(); ++i) {
            vertices.push_back(vertexAt(trace.points[i], up, lineColour));
            vertices.push_back(vertexAt(trace.points[i + 1], up, lineColour));
        }
    });
    return vertices;
}

Point3 pointAtTime(const Streamtrace& trace, double time)
{
    auto after = std::upper_bound(trace.times.begin(), trace.times.end(), time);
    if (after == trace.times.begin())
        return trace.points.front();
    if (after == trace.times.end())
        return trace.points.back();
    const std::size_t i = static_cast<std::size_t>(after - trace.times.begin());
    const double t0 = trace.times[i - 1];
    const double t1 = trace.times[i];
    return mix(trace.points[i - 1], trace.points[i], t1 > t0 ? (time - t0) / (t1 - t0) : 0.0);
}

std::vector<Vertex> streamtraceDashes(const Scene& scene)
{
    std::vector<Vertex> vertices;
    const StreamtraceStyle& style = scene.streamtraces;
    if (!style.showDashes || !timingIsDrawable(style))
        return vertices;
    forEachTrace(scene, [&](const Streamtrace& trace) {
        const double first = trace.times.front();
        const double last = trace.times.back();
        // The dash that covers the line's start begins at or before it.
        double start =
            style.timeAnchor + 2.0 * style.deltaTime * std::floor((first - style.timeAnchor) / (2.0 * style.deltaTime));
        for (int n = 0; start < last && n < maxMarksPerTrace; ++n, start += 2.0 * style.deltaTime) {
            const double from = std::max(start, first);
            const double to = std::min(start + style.deltaTime, last);
            if (from >= to)
                continue;
            // Follow the line's bends inside the dash.
            Point3 previous = pointAtTime(trace, from);
            for (std::size_t i = 0; i < trace.times.size(); ++i) {
                if (trace.times[i] <= from || trace.times[i] >= to)
                    continue;
                vertices.push_back(vertexAt(previous, up, dashColour));
                vertices.push_back(vertexAt(trace.points[i], up, dashColour));
                previous = trace.points[i];
            }
            vertices.push_back(vertexAt(previous, up, dashColour));
            vertices.push_back(vertexAt(pointAtTime(trace, to), up, dashColour));
        }
    });
    return vertices;
}

std::vector<Vertex> streamtraceMarkers(const Scene& scene)
{
    std::vector<Vertex> vertices;
    const StreamtraceStyle& style = scene.streamtraces;
    if (!style.showMarkers || !timingIsDrawable(style))
        return vertices;
    forEachTrace(scene, [&](const Streamtrace& trace) {
        const double first = trace.times.front();
        const double last = trace.times.back();
        double k = std::ceil((first - style.timeAnchor) / style.deltaTime);
        for (int n = 0; n < maxMarksPerTrace; ++n, ++k) {
            const double time = style.timeAnchor + k * style.deltaTime;
            if (time > last)
                break;
            vertices.push_back(vertexAt(pointAtTime(trace, time), up, markerColour));
        }
    });
    return vertices;
}

}  // namespace zorhost
