#include "FlowField.h"

#include <algorithm>
#include <cmath>

namespace makedata {

namespace {

constexpr double pi = 3.14159265358979323846;
constexpr double length = 4.0;

double bumpHeight(double time)
{
    return 0.2 + 0.1 * std::sin(2.0 * pi * time);
}

double floorAt(double x, double time)
{
    const double d = (x - 2.0) / 0.5;
    return bumpHeight(time) * std::exp(-d * d);
}

double floorSlope(double x, double time)
{
    return -2.0 * (x - 2.0) / 0.25 * floorAt(x, time);
}

// Faster in the middle of the channel and over the bump; pulsing in time.
Vector3 velocityAt(const Vector3& p, double time)
{
    const double bottom = floorAt(p[0], time);
    const double s = std::clamp((p[2] - bottom) / (1.0 - bottom), 0.0, 1.0);
    const double u = 6.0 * s * (1.0 - s) / (1.0 - bottom) * (1.0 + 0.3 * std::sin(2.0 * pi * time));
    return {u, 0.2 * std::sin(pi * p[0] / 2.0) * std::sin(2.0 * pi * p[1]), u * floorSlope(p[0], time) * (1.0 - s)};
}

double pressureAt(const Vector3& p, const Vector3& velocity, double time)
{
    const double speed2 = velocity[0] * velocity[0] + velocity[1] * velocity[1] + velocity[2] * velocity[2];
    return 1.0 - 0.05 * speed2 - 0.1 * p[0] / length + 0.05 * std::cos(pi * p[0] / 2.0 - 2.0 * pi * time);
}

}  // namespace

double stepTime(int step)
{
    return 0.125 * step;
}

Grid channel(std::size_t cells, double time, double lift)
{
    // A cube of cells m on a side fits four times along the channel.
    const int m = std::max(1, static_cast<int>(std::cbrt(static_cast<double>(cells) / 4.0)));
    Grid grid;
    grid.ni = 4 * m + 1;
    grid.nj = m + 1;
    grid.nk = m + 1;
    for (int k = 0; k < grid.nk; ++k)
        for (int j = 0; j < grid.nj; ++j)
            for (int i = 0; i < grid.ni; ++i) {
                const double x = length * i / (grid.ni - 1);
                const double bottom = floorAt(x, time);
                const Vector3 p{x, static_cast<double>(j) / m, lift + bottom + (1.0 - bottom) * k / (grid.nk - 1)};
                const Vector3 v = velocityAt({p[0], p[1], p[2] - lift}, time);
                grid.points.push_back(p);
                grid.velocity.push_back(v);
                grid.pressure.push_back(pressureAt(p, v, time));
            }
    for (int k = 0; k + 1 < grid.nk; ++k)
        for (int j = 0; j + 1 < grid.nj; ++j)
            for (int i = 0; i + 1 < grid.ni; ++i)
                grid.temperature.push_back(300.0 + 20.0 * (i + 0.5) / (grid.ni - 1) + 5.0 * k / m +
                                           3.0 * std::sin(2.0 * pi * time));
    return grid;
}

std::vector<std::size_t> hexahedra(const Grid& grid)
{
    std::vector<std::size_t> corners;
    for (int k = 0; k + 1 < grid.nk; ++k)
        for (int j = 0; j + 1 < grid.nj; ++j)
            for (int i = 0; i + 1 < grid.ni; ++i)
                for (int dk = 0; dk < 2; ++dk)
                    for (const auto& [di, dj] : {std::pair{0, 0}, {1, 0}, {1, 1}, {0, 1}})
                        corners.push_back(grid.index(i + di, j + dj, k + dk));
    return corners;
}

std::vector<Streamline> streamlines(int count, double time)
{
    std::vector<Streamline> lines;
    constexpr double dt = 0.02;
    for (int n = 0; n < count; ++n) {
        Streamline line;
        Vector3 p{0.0, 0.25 + 0.5 * (n % 2), 0.3 + 0.5 * (n + 0.5) / count};
        for (int step = 0; step <= 200 && p[0] <= length; ++step) {
            line.points.push_back(p);
            line.times.push_back(step * dt);
            const Vector3 v = velocityAt(p, time);
            for (int c = 0; c < 3; ++c)
                p[static_cast<std::size_t>(c)] += dt * v[static_cast<std::size_t>(c)];
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

}  // namespace makedata
