// Everything one picture shows, in plain values: the renderer reads nothing
// else, so a host model, a test or a window can each describe a picture.
#ifndef ZORHOST_SCENE_H
#define ZORHOST_SCENE_H

#include <string>
#include <vector>

#include "render/Geometry.h"

namespace zorhost {

// The 3D view. The angles give the orientation R = Rz(theta) Rx(psi)
// Rz(alpha), which maps the viewer's axes to the data's axes; the viewer
// looks along its own -z axis from `position`.
struct Camera {
    Point3 position{0.0f, 0.0f, 10.0f};
    double psi = 0.0;
    double theta = 0.0;
    double alpha = 0.0;
    // Width of the view in data units (drawn without perspective).
    double width = 2.5;
    bool perspective = false;
    // Horizontal opening angle in degrees (drawn in perspective).
    double fieldOfView = 30.0;
};

struct StreamtraceStyle {
    bool showMarkers = false;
    bool showDashes = false;
    // Markers sit, and dashes begin, at the times anchor + k * deltaTime.
    double timeAnchor = 0.0;
    double deltaTime = 0.5;
};

// The colour legend drawn in the picture: the colouring's name and the
// values its colour map spans.
struct LegendStyle {
    bool show = false;
    std::string title;
    double min = 0.0;
    double max = 1.0;
};

struct Scene {
    // Size of the picture in pixels; drawn at `supersample` times the size
    // and scaled down when above 1.
    int width = 64;
    int height = 48;
    int supersample = 1;

    Camera camera;
    // Light source in percent: every colour is scaled by background light
    // plus intensity times the surface's facing, so 0 and 0 draw black.
    double lightIntensity = 75.0;
    double backgroundLight = 25.0;

    // The zones to draw (not owned), the data's bounds and the heights that
    // the colour map spans.
    std::vector<const ZoneGeometry*> zones;
    Box bounds;
    double heightMin = 0.0;
    double heightMax = 1.0;
    // The variable that colours the triangle surfaces, and the values the
    // colour map spans (the same in every step); empty: by height.
    std::string colourVariable;
    double colourMin = 0.0;
    double colourMax = 1.0;

    StreamtraceStyle streamtraces;
    bool showFrameAxis = true;
    LegendStyle legend;
};

}  // namespace zorhost

#endif
