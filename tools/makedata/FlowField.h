// A small CFD-like flow to write into data files: a channel whose floor
// has a bump that rises and falls with time (so the grid moves), with a
// pressure and a velocity at every point, a temperature in every cell, and
// streamlines through it. Plain numbers, so that writers with or without
// VTK can use them.
#ifndef ZORHOST_MAKEDATA_FLOW_FIELD_H
#define ZORHOST_MAKEDATA_FLOW_FIELD_H

#include <array>
#include <cstddef>
#include <vector>

namespace makedata {

using Vector3 = std::array<double, 3>;

// A structured grid of ni x nj x nk points, i running fastest: i along the
// channel (x), j across it (y), k up (z).
struct Grid {
    int ni = 0;
    int nj = 0;
    int nk = 0;
    std::vector<Vector3> points;
    std::vector<double> pressure;
    std::vector<Vector3> velocity;
    // One a cell.
    std::vector<double> temperature;

    std::size_t index(int i, int j, int k) const
    {
        return static_cast<std::size_t>(i) +
               static_cast<std::size_t>(ni) *
                   (static_cast<std::size_t>(j) + static_cast<std::size_t>(nj) * static_cast<std::size_t>(k));
    }
    std::size_t cells() const
    {
        return static_cast<std::size_t>(ni - 1) * static_cast<std::size_t>(nj - 1) * static_cast<std::size_t>(nk - 1);
    }
};

// The channel (4 x 1 x 1, the bump on its floor at z = 0) in about `cells`
// cells (at least 4 x 1 x 1) at `time`; `lift` moves it up, so that two
// channels can lie one above the other.
Grid channel(std::size_t cells, double time, double lift = 0.0);

// The grid's cells as hexahedra: eight point indices each, the bottom face
// counter-clockwise, then the top face.
std::vector<std::size_t> hexahedra(const Grid& grid);

struct Streamline {
    std::vector<Vector3> points;
    // The time a particle takes from the start to each point.
    std::vector<double> times;
};

// `count` streamlines through the channel at `time`.
std::vector<Streamline> streamlines(int count, double time);

// The solution time of step `step`.
double stepTime(int step);

}  // namespace makedata

#endif
