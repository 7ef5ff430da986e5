#include "CgnsWriter.h"

#include <stdexcept>
#include <vector>

#include "FlowField.h"

// The CGNS library's header is chosen by the build: VTK's copy of CGNS 4.x
// or the system's CGNS 3.x.
#include MAKEDATA_CGNS_HEADER

namespace makedata {

namespace {

void check(int result)
{
    if (result != CG_OK)
        throw std::runtime_error(std::string("CGNS: ") + cg_get_error());
}

std::vector<double> component(const std::vector<Vector3>& vectors, std::size_t c)
{
    std::vector<double> values;
    for (const Vector3& v : vectors)
        values.push_back(v[c]);
    return values;
}

// The names of every step's node, 32 characters each, padded with blanks.
std::vector<char> pointerNames(const std::string& first, const std::string& prefix, int steps)
{
    std::vector<char> names;
    for (int step = 0; step < steps; ++step) {
        std::string name = step == 0 ? first : prefix + std::to_string(step);
        name.resize(32, ' ');
        names.insert(names.end(), name.begin(), name.end());
    }
    return names;
}

class CgnsFile {
public:
    CgnsFile(const std::string& path, bool adf)
    {
        check(cg_set_file_type(adf ? CG_FILE_ADF : CG_FILE_HDF5));
        check(cg_open(path.c_str(), CG_MODE_WRITE, &file_));
        check(cg_base_write(file_, "Base", 3, 3, &base_));
    }
    ~CgnsFile() { cg_close(file_); }
    CgnsFile(const CgnsFile&) = delete;
    CgnsFile& operator=(const CgnsFile&) = delete;

    int zone(const std::string& name, const Grid& grid, bool structured)
    {
        int zone = 0;
        if (structured) {
            cgsize_t size[9] = {grid.ni, grid.nj, grid.nk, grid.ni - 1, grid.nj - 1, grid.nk - 1, 0, 0, 0};
            check(cg_zone_write(file_, base_, name.c_str(), size, CGNS_ENUMV(Structured), &zone));
            return zone;
        }
        cgsize_t size[3] = {static_cast<cgsize_t>(grid.points.size()), static_cast<cgsize_t>(grid.cells()), 0};
        check(cg_zone_write(file_, base_, name.c_str(), size, CGNS_ENUMV(Unstructured), &zone));
        std::vector<cgsize_t> corners;
        for (std::size_t corner : hexahedra(grid))
            corners.push_back(static_cast<cgsize_t>(corner) + 1);
        int section = 0;
        check(cg_section_write(file_, base_, zone, "Hexahedra", CGNS_ENUMV(HEXA_8), 1,
                               static_cast<cgsize_t>(grid.cells()), 0, corners.data(), &section));
        return zone;
    }

    // The grid of one step: the zone's own coordinates at step 0, a further
    // coordinates node for each later step.
    void coordinates(int zone, const Grid& grid, int step, bool structured)
    {
        static const char* const names[] = {"CoordinateX", "CoordinateY", "CoordinateZ"};
        int node = 0;
        const std::string name = step == 0 ? "GridCoordinates" : "GridCoordinates" + std::to_string(step);
        check(cg_grid_write(file_, base_, zone, name.c_str(), &node));
        check(cg_goto(file_, base_, "Zone_t", zone, "GridCoordinates_t", node, "end"));
        cgsize_t dims[3] = {grid.ni, grid.nj, grid.nk};
        if (!structured)
            dims[0] = static_cast<cgsize_t>(grid.points.size());
        for (std::size_t c = 0; c < 3; ++c)
            check(cg_array_write(names[c], CGNS_ENUMV(RealDouble), structured ? 3 : 1, dims,
                                 component(grid.points, c).data()));
    }

    void solution(int zone, const Grid& grid, int step)
    {
        int solution = 0;
        int field = 0;
        check(cg_sol_write(file_, base_, zone, ("FlowSolution" + std::to_string(step)).c_str(), CGNS_ENUMV(Vertex),
                           &solution));
        check(cg_field_write(file_, base_, zone, solution, CGNS_ENUMV(RealDouble), "Pressure", grid.pressure.data(),
                             &field));
        static const char* const names[] = {"VelocityX", "VelocityY", "VelocityZ"};
        for (std::size_t c = 0; c < 3; ++c)
            check(cg_field_write(file_, base_, zone, solution, CGNS_ENUMV(RealDouble), names[c],
                                 component(grid.velocity, c).data(), &field));
    }

    void times(int steps)
    {
        std::vector<double> values;
        for (int step = 0; step < steps; ++step)
            values.push_back(stepTime(step));
        check(cg_simulation_type_write(file_, base_, CGNS_ENUMV(TimeAccurate)));
        check(cg_biter_write(file_, base_, "TimeIterValues", steps));
        check(cg_goto(file_, base_, "BaseIterativeData_t", 1, "end"));
        const cgsize_t n = steps;
        check(cg_array_write("TimeValues", CGNS_ENUMV(RealDouble), 1, &n, values.data()));
    }

    void stepPointers(int zone, int steps)
    {
        check(cg_ziter_write(file_, base_, zone, "ZoneIterativeData"));
        check(cg_goto(file_, base_, "Zone_t", zone, "ZoneIterativeData_t", 1, "end"));
        const cgsize_t dims[2] = {32, steps};
        check(cg_array_write("GridCoordinatesPointers", CGNS_ENUMV(Character), 2, dims,
                             pointerNames("GridCoordinates", "GridCoordinates", steps).data()));
        check(cg_array_write("FlowSolutionPointers", CGNS_ENUMV(Character), 2, dims,
                             pointerNames("FlowSolution0", "FlowSolution", steps).data()));
    }

private:
    int file_ = 0;
    int base_ = 0;
};

}  // namespace

void writeCgns(const std::string& path, std::size_t cells, int steps, bool adf)
{
    CgnsFile file(path, adf);
    const int zones[2] = {file.zone("Channel", channel(cells, 0.0), true),
                          file.zone("Above", channel(cells / 8, 0.0, 1.5), false)};
    for (int step = 0; step < steps; ++step) {
        const Grid grids[2] = {channel(cells, stepTime(step)), channel(cells / 8, stepTime(step), 1.5)};
        for (int z = 0; z < 2; ++z) {
            file.coordinates(zones[z], grids[z], step, z == 0);
            file.solution(zones[z], grids[z], step);
        }
    }
    if (steps > 1) {
        file.times(steps);
        for (int zone : zones)
            file.stepPointers(zone, steps);
    }
}

}  // namespace makedata
