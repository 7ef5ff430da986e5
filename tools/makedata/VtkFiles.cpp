#include "VtkFiles.h"

#include <vtkAppendPolyData.h>
#include <vtkCellArray.h>
#include <vtkCellData.h>
#include <vtkDoubleArray.h>
#include <vtkGenericDataObjectWriter.h>
#include <vtkImageData.h>
#include <vtkMultiBlockDataSet.h>
#include <vtkOBJWriter.h>
#include <vtkPLYWriter.h>
#include <vtkPointData.h>
#include <vtkPoints.h>
#include <vtkPolyData.h>
#include <vtkSTLWriter.h>
#include <vtkSmartPointer.h>
#include <vtkStructuredGrid.h>
#include <vtkUnstructuredGrid.h>
#include <vtkXMLImageDataWriter.h>
#include <vtkXMLMultiBlockDataWriter.h>
#include <vtkXMLPolyDataWriter.h>
#include <vtkXMLStructuredGridWriter.h>
#include <vtkXMLUnstructuredGridWriter.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "FlowField.h"

namespace makedata {

namespace {

using std::filesystem::path;

vtkSmartPointer<vtkDoubleArray> scalars(const char* name, const std::vector<double>& values)
{
    auto array = vtkSmartPointer<vtkDoubleArray>::New();
    array->SetName(name);
    for (double value : values)
        array->InsertNextValue(value);
    return array;
}

vtkSmartPointer<vtkDoubleArray> vectors(const char* name, const std::vector<Vector3>& values)
{
    auto array = vtkSmartPointer<vtkDoubleArray>::New();
    array->SetName(name);
    array->SetNumberOfComponents(3);
    for (const Vector3& value : values)
        array->InsertNextTuple(value.data());
    return array;
}

vtkSmartPointer<vtkPoints> pointsOf(const std::vector<Vector3>& points)
{
    auto vtkPointsOf = vtkSmartPointer<vtkPoints>::New();
    for (const Vector3& p : points)
        vtkPointsOf->InsertNextPoint(p.data());
    return vtkPointsOf;
}

template <typename Set>
void addFields(Set& set, const Grid& grid)
{
    set.GetPointData()->AddArray(scalars("pressure", grid.pressure));
    set.GetPointData()->AddArray(vectors("velocity", grid.velocity));
    set.GetCellData()->AddArray(scalars("temperature", grid.temperature));
}

vtkSmartPointer<vtkStructuredGrid> structured(const Grid& grid)
{
    auto set = vtkSmartPointer<vtkStructuredGrid>::New();
    set->SetDimensions(grid.ni, grid.nj, grid.nk);
    set->SetPoints(pointsOf(grid.points));
    addFields(*set, grid);
    return set;
}

vtkSmartPointer<vtkUnstructuredGrid> unstructured(const Grid& grid)
{
    auto set = vtkSmartPointer<vtkUnstructuredGrid>::New();
    set->SetPoints(pointsOf(grid.points));
    const std::vector<std::size_t> corners = hexahedra(grid);
    set->Allocate(static_cast<vtkIdType>(grid.cells()));
    for (std::size_t cell = 0; cell < grid.cells(); ++cell) {
        vtkIdType ids[8];
        for (std::size_t c = 0; c < 8; ++c)
            ids[c] = static_cast<vtkIdType>(corners[8 * cell + c]);
        set->InsertNextCell(VTK_HEXAHEDRON, 8, ids);
    }
    addFields(*set, grid);
    return set;
}

// The channel's box as an image: regular points, no moving floor.
vtkSmartPointer<vtkImageData> image(const Grid& grid)
{
    auto set = vtkSmartPointer<vtkImageData>::New();
    set->SetDimensions(grid.ni, grid.nj, grid.nk);
    set->SetSpacing(4.0 / (grid.ni - 1), 1.0 / (grid.nj - 1), 1.0 / (grid.nk - 1));
    set->GetPointData()->AddArray(scalars("pressure", grid.pressure));
    return set;
}

// The channel's floor as triangles, with the pressure on it.
vtkSmartPointer<vtkPolyData> floorSurface(const Grid& grid)
{
    std::vector<Vector3> points;
    std::vector<double> pressure;
    std::vector<Vector3> velocity;
    for (int j = 0; j < grid.nj; ++j)
        for (int i = 0; i < grid.ni; ++i) {
            points.push_back(grid.points[grid.index(i, j, 0)]);
            pressure.push_back(grid.pressure[grid.index(i, j, 0)]);
            velocity.push_back(grid.velocity[grid.index(i, j, 0)]);
        }
    auto triangles = vtkSmartPointer<vtkCellArray>::New();
    for (int j = 0; j + 1 < grid.nj; ++j)
        for (int i = 0; i + 1 < grid.ni; ++i) {
            const vtkIdType a = j * grid.ni + i;
            const vtkIdType corners[2][3] = {{a, a + 1, a + 1 + grid.ni}, {a, a + 1 + grid.ni, a + grid.ni}};
            for (const vtkIdType* triangle : corners)
                triangles->InsertNextCell(3, triangle);
        }
    auto surface = vtkSmartPointer<vtkPolyData>::New();
    surface->SetPoints(pointsOf(points));
    surface->SetPolys(triangles);
    surface->GetPointData()->AddArray(scalars("pressure", pressure));
    surface->GetPointData()->AddArray(vectors("velocity", velocity));
    surface->GetPointData()->AddArray(scalars("IntegrationTime", std::vector<double>(points.size(), 0.0)));
    return surface;
}

// Streamlines as polylines with their integration time.
vtkSmartPointer<vtkPolyData> lines(const std::vector<Streamline>& streamlines)
{
    std::vector<Vector3> points;
    std::vector<double> times;
    auto cells = vtkSmartPointer<vtkCellArray>::New();
    for (const Streamline& line : streamlines) {
        cells->InsertNextCell(static_cast<int>(line.points.size()));
        for (std::size_t i = 0; i < line.points.size(); ++i) {
            cells->InsertCellPoint(static_cast<vtkIdType>(points.size()));
            points.push_back(line.points[i]);
            times.push_back(line.times[i]);
        }
    }
    auto set = vtkSmartPointer<vtkPolyData>::New();
    set->SetPoints(pointsOf(points));
    set->SetLines(cells);
    set->GetPointData()->AddArray(scalars("pressure", std::vector<double>(points.size(), 1.0)));
    set->GetPointData()->AddArray(vectors("velocity", std::vector<Vector3>(points.size(), Vector3{1.0, 0.0, 0.0})));
    set->GetPointData()->AddArray(scalars("IntegrationTime", times));
    return set;
}

vtkSmartPointer<vtkPolyData> floorAndLines(const Grid& grid, int count, double time)
{
    auto both = vtkSmartPointer<vtkAppendPolyData>::New();
    both->AddInputData(floorSurface(grid));
    both->AddInputData(lines(streamlines(count, time)));
    both->Update();
    return both->GetOutput();
}

vtkSmartPointer<vtkMultiBlockDataSet> channelAndLines(const Grid& grid, int count, double time)
{
    auto blocks = vtkSmartPointer<vtkMultiBlockDataSet>::New();
    blocks->SetBlock(0, structured(grid));
    blocks->SetBlock(1, lines(streamlines(count, time)));
    return blocks;
}

template <typename Writer, typename Data>
void write(const std::string& file, Data* data)
{
    auto writer = vtkSmartPointer<Writer>::New();
    writer->SetFileName(file.c_str());
    writer->SetInputData(data);
    if (writer->Write() == 0)
        throw std::runtime_error("cannot write " + file);
}

void put32(std::string& bytes, std::uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8)
        bytes += static_cast<char>(value >> shift);
}

std::string base64(const std::string& bytes)
{
    static const char digits[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string text;
    for (std::size_t i = 0; i < bytes.size(); i += 3) {
        const std::size_t n = std::min<std::size_t>(3, bytes.size() - i);
        std::uint32_t group = 0;
        for (std::size_t j = 0; j < 3; ++j)
            group = group << 8 | (j < n ? static_cast<unsigned char>(bytes[i + j]) : 0u);
        for (std::size_t j = 0; j < 4; ++j)
            text += j <= n ? digits[group >> (18 - 6 * j) & 63] : '=';
    }
    return text;
}

// A glTF mesh of the surface's triangles: its JSON, and the buffer of its
// points and triangles: embedded in the JSON, or the binary chunk of a .glb.
struct Gltf {
    std::string json;
    std::string buffer;
};

Gltf gltfOf(vtkPolyData& surface, bool embedded)
{
    Gltf gltf;
    for (vtkIdType i = 0; i < surface.GetNumberOfPoints(); ++i) {
        double p[3];
        surface.GetPoint(i, p);
        for (double c : p) {
            const float f = static_cast<float>(c);
            gltf.buffer.append(reinterpret_cast<const char*>(&f), 4);
        }
    }
    const std::size_t pointBytes = gltf.buffer.size();
    vtkIdType triangles = 0;
    auto ids = vtkSmartPointer<vtkIdList>::New();
    for (surface.GetPolys()->InitTraversal(); surface.GetPolys()->GetNextCell(ids) != 0; ++triangles)
        for (vtkIdType c = 0; c < 3; ++c)
            put32(gltf.buffer, static_cast<std::uint32_t>(ids->GetId(c)));
    double b[6];
    surface.GetBounds(b);
    auto number = [](double x) { return std::to_string(x); };
    const std::string uri =
        embedded ? R"("uri":"data:application/octet-stream;base64,)" + base64(gltf.buffer) + "\"," : "";
    gltf.json = R"({"asset":{"version":"2.0"},"scene":0,"scenes":[{"nodes":[0]}],"nodes":[{"mesh":0}],)"
                R"("meshes":[{"primitives":[{"attributes":{"POSITION":0},"indices":1}]}],"accessors":[)"
                R"({"bufferView":0,"componentType":5126,"count":)" +
                std::to_string(surface.GetNumberOfPoints()) + R"(,"type":"VEC3","min":[)" + number(b[0]) + "," +
                number(b[2]) + "," + number(b[4]) + R"(],"max":[)" + number(b[1]) + "," + number(b[3]) + "," +
                number(b[5]) + R"(]},{"bufferView":1,"componentType":5125,"count":)" + std::to_string(3 * triangles) +
                R"(,"type":"SCALAR"}],"bufferViews":[{"buffer":0,"byteOffset":0,"byteLength":)" +
                std::to_string(pointBytes) + R"(},{"buffer":0,"byteOffset":)" + std::to_string(pointBytes) +
                R"(,"byteLength":)" + std::to_string(gltf.buffer.size() - pointBytes) + R"(}],"buffers":[{)" + uri +
                R"("byteLength":)" + std::to_string(gltf.buffer.size()) + "}]}";
    return gltf;
}

// The binary container: a header, then the JSON and the buffer as chunks.
void writeGlb(const std::string& file, vtkPolyData& surface)
{
    Gltf gltf = gltfOf(surface, false);
    gltf.json.resize((gltf.json.size() + 3) / 4 * 4, ' ');
    gltf.buffer.resize((gltf.buffer.size() + 3) / 4 * 4, '\0');
    std::string glb = "glTF";
    put32(glb, 2);
    put32(glb, static_cast<std::uint32_t>(12 + 8 + gltf.json.size() + 8 + gltf.buffer.size()));
    put32(glb, static_cast<std::uint32_t>(gltf.json.size()));
    put32(glb, 0x4E4F534A);
    glb += gltf.json;
    put32(glb, static_cast<std::uint32_t>(gltf.buffer.size()));
    put32(glb, 0x004E4942);
    glb += gltf.buffer;
    std::ofstream(file, std::ios::binary) << glb;
}

// Fortran unformatted records: each framed by its length in bytes.
class FortranFile {
public:
    explicit FortranFile(const std::string& file) : out_(file, std::ios::binary) {}

    void record(const std::string& bytes)
    {
        std::string framed;
        put32(framed, static_cast<std::uint32_t>(bytes.size()));
        framed += bytes;
        put32(framed, static_cast<std::uint32_t>(bytes.size()));
        out_ << framed;
    }

private:
    std::ofstream out_;
};

std::string ints(std::initializer_list<int> values)
{
    std::string bytes;
    for (int value : values)
        put32(bytes, static_cast<std::uint32_t>(value));
    return bytes;
}

std::string floats(const std::vector<double>& values)
{
    std::string bytes;
    for (double value : values) {
        const float f = static_cast<float>(value);
        bytes.append(reinterpret_cast<const char*>(&f), 4);
    }
    return bytes;
}

// A Plot3D grid and its solution: one block, single precision, with the
// Q variables density, momentum and stagnation energy.
void writePlot3D(const std::string& xyz, const std::string& q, const Grid& grid, double time)
{
    std::vector<double> coordinates;
    for (std::size_t c = 0; c < 3; ++c)
        for (const Vector3& p : grid.points)
            coordinates.push_back(p[c]);
    FortranFile geometry(xyz);
    geometry.record(ints({1}));
    geometry.record(ints({grid.ni, grid.nj, grid.nk}));
    geometry.record(floats(coordinates));
    std::vector<double> solution;
    for (double p : grid.pressure)
        solution.push_back(p);
    for (std::size_t c = 0; c < 3; ++c)
        for (std::size_t i = 0; i < grid.points.size(); ++i)
            solution.push_back(grid.pressure[i] * grid.velocity[i][c]);
    for (double p : grid.pressure)
        solution.push_back(2.5 * p);
    FortranFile values(q);
    values.record(ints({1}));
    values.record(ints({grid.ni, grid.nj, grid.nk}));
    values.record(floats({0.5, 0.0, 1000.0, time}));
    values.record(floats(solution));
}

std::string stepFile(const std::string& file, int step, const std::string& extension)
{
    const path p(file);
    return (p.parent_path() / (p.stem().string() + "_" + std::to_string(step) + extension)).string();
}

void writeSeries(const std::string& file, const FileOptions& options)
{
    std::string collection = "<?xml version=\"1.0\"?>\n<VTKFile type=\"Collection\" version=\"0.1\">\n<Collection>\n";
    for (int step = 0; step < options.steps; ++step) {
        const std::string part = stepFile(file, step, options.part);
        FileOptions single = options;
        single.steps = 1;
        single.time = stepTime(step);
        writeVtkFile(part, single);
        collection += "<DataSet timestep=\"" + std::to_string(stepTime(step)) + "\" part=\"0\" file=\"" +
                      path(part).filename().string() + "\"/>\n";
    }
    std::ofstream(file) << collection << "</Collection>\n</VTKFile>\n";
}

void writePlot3DSeries(const std::string& file, const FileOptions& options)
{
    std::string meta = "{\n\"auto-detect-format\" : true,\n\"filenames\" : [\n";
    for (int step = 0; step < options.steps; ++step) {
        const std::string xyz = stepFile(file, step, ".xyz");
        const std::string q = stepFile(file, step, ".q");
        writePlot3D(xyz, q, channel(options.cells, stepTime(step)), stepTime(step));
        meta += std::string(step == 0 ? "" : ",\n") + "{ \"time\" : " + std::to_string(stepTime(step)) +
                ", \"xyz\" : \"" + path(xyz).filename().string() + "\", \"q\" : \"" + path(q).filename().string() +
                "\" }";
    }
    std::ofstream(file) << meta << "\n]\n}\n";
}

}  // namespace

void writeVtkFile(const std::string& file, const FileOptions& options)
{
    const std::string extension = path(file).extension().string();
    const double time = options.time;
    const Grid grid = channel(options.cells, time);
    if (extension == ".vtu")
        write<vtkXMLUnstructuredGridWriter>(file, unstructured(grid).Get());
    else if (extension == ".vts")
        write<vtkXMLStructuredGridWriter>(file, structured(grid).Get());
    else if (extension == ".vti")
        write<vtkXMLImageDataWriter>(file, image(grid).Get());
    else if (extension == ".vtp")
        write<vtkXMLPolyDataWriter>(file, floorAndLines(grid, options.lines, time).Get());
    else if (extension == ".vtm")
        write<vtkXMLMultiBlockDataWriter>(file, channelAndLines(grid, options.lines, time).Get());
    else if (extension == ".vtk")
        write<vtkGenericDataObjectWriter>(file, unstructured(grid).Get());
    else if (extension == ".pvd")
        writeSeries(file, options);
    else if (extension == ".xyz")
        writePlot3D(file, path(file).replace_extension(".q").string(), grid, time);
    else if (extension == ".p3d")
        writePlot3DSeries(file, options);
    else if (extension == ".stl")
        write<vtkSTLWriter>(file, floorSurface(grid).Get());
    else if (extension == ".obj")
        write<vtkOBJWriter>(file, floorSurface(grid).Get());
    else if (extension == ".ply")
        write<vtkPLYWriter>(file, floorSurface(grid).Get());
    else if (extension == ".gltf")
        std::ofstream(file) << gltfOf(*floorSurface(grid), true).json;
    else if (extension == ".glb")
        writeGlb(file, *floorSurface(grid));
    else
        throw std::runtime_error("no writer for " + extension + " files");
}

}  // namespace makedata
