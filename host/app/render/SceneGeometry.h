// Turns a scene's zones into vertex lists: the shaded surface coloured by
// height, the streamtraces with their markers and dashes, and the axis
// triad. Kept apart from OpenGL so the placement rules can be tested alone.
#ifndef ZORHOST_SCENE_GEOMETRY_H
#define ZORHOST_SCENE_GEOMETRY_H

#include <vector>

#include "render/Scene.h"

namespace zorhost {

struct Vertex {
    float position[3];
    float normal[3];
    float colour[3];
};

// The colour map from blue (low) through cyan, green and yellow to red
// (high); `fraction` is clamped into [0, 1].
Point3 heightColour(double fraction);

// A zone's triangle surface, then two triangles for every cell of its
// structured surface, with node normals, coloured by the scene's variable
// or by height.
std::vector<Vertex> surfaceTriangles(const Scene& scene, const ZoneGeometry& zone);
// Every streamtrace of a zone as line segments (pairs of vertices).
std::vector<Vertex> streamtraceLines(const ZoneGeometry& zone);
// The parts of the streamtraces where dashes are drawn: from each time
// anchor + 2k * deltaTime to anchor + (2k + 1) * deltaTime, as segments.
std::vector<Vertex> streamtraceDashes(const Scene& scene);
// One point at every time anchor + k * deltaTime along each streamtrace.
std::vector<Vertex> streamtraceMarkers(const Scene& scene);

// The point of `trace` a particle reaches at `time` (between its points).
Point3 pointAtTime(const Streamtrace& trace, double time);

}  // namespace zorhost

#endif
