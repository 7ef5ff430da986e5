// The built-in sample data set WAVE: a surface over a square grid whose
// height rolls outward from the centre as the solution time grows, one zone
// per time step, with streamtraces lying on it.
#ifndef ZORHOST_SAMPLE_DATA_H
#define ZORHOST_SAMPLE_DATA_H

#include <vector>

#include "render/Geometry.h"

namespace zorhost {

struct SampleZone {
    // 0 for static data (one step), otherwise the strand all steps share.
    int strand = 0;
    double solutionTime = 0.0;
    ZoneGeometry geometry;
};

struct SampleDataSet {
    std::vector<SampleZone> zones;
    // Over every zone: the bounding box and the range of heights.
    Box bounds;
    double heightMin = 0.0;
    double heightMax = 0.0;
};

// `steps` zones (at least 1) at solution times spread evenly from `timeMin`
// to `timeMax`; they form strand 1, or are one static zone when steps is 1.
SampleDataSet makeWaveSample(int steps, double timeMin, double timeMax);

// The surface's height at (x, y) and solution time t.
double waveHeight(double x, double y, double t);

}  // namespace zorhost

#endif
