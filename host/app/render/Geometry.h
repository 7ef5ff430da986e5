// Plain geometry the renderer draws: structured and triangle surfaces, and
// streamtraces.
#ifndef ZORHOST_GEOMETRY_H
#define ZORHOST_GEOMETRY_H

#include <atomic>
#include <cstdint>
#include <vector>

namespace zorhost {

struct Point3 {
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
};

// A surface over a grid of columns x rows nodes, stored row after row.
struct SurfaceMesh {
    int columns = 0;
    int rows = 0;
    std::vector<Point3> nodes;

    const Point3& node(int column, int row) const { return nodes[static_cast<std::size_t>(row * columns + column)]; }
};

// A streamtrace: points along the line and, for each, the time a particle
// takes from the line's start to that point (ascending).
struct Streamtrace {
    std::vector<Point3> points;
    std::vector<double> times;
};

// Triangles over shared points, with a normal at each point. When the
// surface is coloured by a variable, `values` holds one value a point, or
// one a triangle when `valuePerTriangle`; a value that is not a number has
// no colour of its own.
struct TriangleSurface {
    std::vector<Point3> points;
    std::vector<Point3> normals;
    // Three point indices a triangle.
    std::vector<std::uint32_t> indices;
    std::vector<float> values;
    bool valuePerTriangle = false;
};

// Tells one zone's geometry from every other, for the renderer's buffers
// of it: a number of its own for every geometry made or copied, so that a
// geometry made later at the address of a freed one is never taken for it.
class GeometryIdentity {
public:
    GeometryIdentity() : value_(next()) {}
    GeometryIdentity(const GeometryIdentity&) : value_(next()) {}
    GeometryIdentity& operator=(const GeometryIdentity&)
    {
        value_ = next();
        return *this;
    }
    std::uint64_t value() const { return value_; }

private:
    static std::uint64_t next()
    {
        static std::atomic<std::uint64_t> last{0};
        return ++last;
    }

    std::uint64_t value_;
};

// One zone as it is drawn. A renderer keeps what it drew of a zone by its
// identity: a geometry must not change once drawn (make a new one instead).
struct ZoneGeometry {
    GeometryIdentity identity;
    SurfaceMesh surface;
    TriangleSurface triangles;
    std::vector<Streamtrace> streamtraces;
};

struct Box {
    Point3 min;
    Point3 max;
};

}  // namespace zorhost

#endif
