#include "ZoneExtraction.h"

#include <vtkCellArray.h>
#include <vtkCellData.h>
#include <vtkDataArray.h>
#include <vtkGeometryFilter.h>
#include <vtkIdList.h>
#include <vtkPointData.h>
#include <vtkPolyData.h>
#include <vtkSmartPointer.h>
#include <vtkStripper.h>
#include <vtkTriangleFilter.h>
#include <vtkUnsignedCharArray.h>

#include <cmath>
#include <limits>
#include <unordered_map>

#include "ReaderMessages.h"

namespace zorhost {

namespace {

// The zone's points, each source point taken once, in first use order.
class PointPicker {
public:
    PointPicker(vtkPoints& source, std::vector<Point3>& points) : source_(source), points_(points) {}

    std::uint32_t pick(vtkIdType id)
    {
        auto [at, added] = picked_.emplace(id, static_cast<std::uint32_t>(points_.size()));
        if (added) {
            double p[3];
            source_.GetPoint(id, p);
            points_.push_back({static_cast<float>(p[0]), static_cast<float>(p[1]), static_cast<float>(p[2])});
            order_.push_back(id);
        }
        return at->second;
    }
    // The source points picked, in the zone's order.
    const std::vector<vtkIdType>& order() const { return order_; }

private:
    vtkPoints& source_;
    std::vector<Point3>& points_;
    std::unordered_map<vtkIdType, std::uint32_t> picked_;
    std::vector<vtkIdType> order_;
};

vtkSmartPointer<vtkPolyData> surfaceOf(vtkDataSet& data, ReaderMessages& messages)
{
    if (auto* poly = vtkPolyData::SafeDownCast(&data))
        return poly;
    // The outer faces of volume cells (watertight on structured grids),
    // other cells as they are.
    auto geometry = vtkSmartPointer<vtkGeometryFilter>::New();
    messages.watch(geometry);
    geometry->SetInputData(&data);
    geometry->Update();
    messages.refuseOnError("its surfaces cannot be found");
    return geometry->GetOutput();
}

vtkSmartPointer<vtkPolyData> trianglesOf(vtkPolyData& surface, ReaderMessages& messages)
{
    auto triangles = vtkSmartPointer<vtkTriangleFilter>::New();
    messages.watch(triangles);
    triangles->SetInputData(&surface);
    triangles->PassVertsOff();
    triangles->PassLinesOff();
    triangles->Update();
    messages.refuseOnError("its surfaces cannot be split into triangles");
    return triangles->GetOutput();
}

// Line cells joined where they meet, so that a line written as segments
// becomes one polyline.
vtkSmartPointer<vtkPolyData> polylinesOf(vtkPolyData& surface, ReaderMessages& messages)
{
    auto lines = vtkSmartPointer<vtkPolyData>::New();
    lines->SetPoints(surface.GetPoints());
    lines->SetLines(surface.GetLines());
    lines->GetPointData()->ShallowCopy(surface.GetPointData());
    auto stripper = vtkSmartPointer<vtkStripper>::New();
    messages.watch(stripper);
    stripper->SetInputData(lines);
    stripper->JoinContiguousSegmentsOn();
    stripper->Update();
    messages.refuseOnError("its lines cannot be joined");
    return stripper->GetOutput();
}

// Colours (three or four bytes), normals and texture coordinates describe
// how to paint a mesh, and the OBJ reader's group numbers how it was cut
// up, not the data on it.
bool isVariable(vtkDataArray* array, vtkDataArray* normals, vtkDataArray* textureCoordinates)
{
    if (array == nullptr || array->GetName() == nullptr || array == normals || array == textureCoordinates ||
        std::string(array->GetName()) == "GroupIds")
        return false;
    const int components = array->GetNumberOfComponents();
    return !(vtkUnsignedCharArray::SafeDownCast(array) != nullptr && (components == 3 || components == 4));
}

float magnitude(vtkDataArray& array, vtkIdType tuple)
{
    const int components = array.GetNumberOfComponents();
    if (components == 1)
        return static_cast<float>(array.GetComponent(tuple, 0));
    double sum = 0.0;
    for (int c = 0; c < components; ++c) {
        const double value = array.GetComponent(tuple, c);
        sum += value * value;
    }
    return static_cast<float>(std::sqrt(sum));
}

bool isIntegrationTime(const char* name)
{
    return name != nullptr && std::string(name) == "IntegrationTime";
}

void addLines(vtkPolyData& polylines, ZoneData& zone)
{
    vtkPoints* points = polylines.GetPoints();
    vtkCellArray* cells = polylines.GetLines();
    if (points == nullptr || cells == nullptr)
        return;
    PointPicker picker(*points, zone.points);
    vtkDataArray* times = polylines.GetPointData()->GetArray("IntegrationTime");
    auto ids = vtkSmartPointer<vtkIdList>::New();
    for (cells->InitTraversal(); cells->GetNextCell(ids) != 0;) {
        if (ids->GetNumberOfIds() < 2)
            continue;
        LineData line;
        for (vtkIdType i = 0; i < ids->GetNumberOfIds(); ++i) {
            line.points.push_back(picker.pick(ids->GetId(i)));
            if (times != nullptr)
                line.times.push_back(static_cast<float>(times->GetComponent(ids->GetId(i), 0)));
        }
        zone.lines.push_back(std::move(line));
    }
}

}  // namespace

ZoneData ZoneExtractor::extract(vtkDataSet& data)
{
    ZoneData zone;
    std::vector<ValueSet> pointValues;
    vtkSmartPointer<vtkPolyData> surface = surfaceOf(data, messages_);
    vtkSmartPointer<vtkPolyData> triangles = trianglesOf(*surface, messages_);
    if (triangles->GetNumberOfPolys() > 0) {
        PointPicker picker(*triangles->GetPoints(), zone.points);
        vtkCellArray* polys = triangles->GetPolys();
        auto ids = vtkSmartPointer<vtkIdList>::New();
        for (polys->InitTraversal(); polys->GetNextCell(ids) != 0;)
            if (ids->GetNumberOfIds() == 3)
                for (vtkIdType i = 0; i < 3; ++i)
                    zone.triangles.push_back(picker.pick(ids->GetId(i)));
        vtkPointData* pointData = triangles->GetPointData();
        for (int a = 0; a < pointData->GetNumberOfArrays(); ++a) {
            vtkDataArray* array = pointData->GetArray(a);
            if (!isVariable(array, pointData->GetNormals(), pointData->GetTCoords()) ||
                isIntegrationTime(array->GetName()))
                continue;
            ValueSet set{variableId(array->GetName(), VariableKind::Point), {}};
            for (vtkIdType id : picker.order())
                set.values.push_back(magnitude(*array, id));
            pointValues.push_back(std::move(set));
        }
        vtkCellData* cellData = triangles->GetCellData();
        for (int a = 0; a < cellData->GetNumberOfArrays(); ++a) {
            vtkDataArray* array = cellData->GetArray(a);
            if (!isVariable(array, cellData->GetNormals(), cellData->GetTCoords()) ||
                array->GetNumberOfTuples() != triangles->GetNumberOfCells())
                continue;
            ValueSet set{variableId(array->GetName(), VariableKind::Cell), {}};
            for (vtkIdType cell = 0; cell < triangles->GetNumberOfCells(); ++cell)
                set.values.push_back(magnitude(*array, cell));
            zone.values.push_back(std::move(set));
        }
    }
    if (surface->GetNumberOfLines() > 0)
        addLines(*polylinesOf(*surface, messages_), zone);
    // Points that only lines use have no value.
    for (ValueSet& set : pointValues) {
        set.values.resize(zone.points.size(), std::numeric_limits<float>::quiet_NaN());
        zone.values.push_back(std::move(set));
    }
    return zone;
}

bool ZoneExtractor::send(vtkDataSet& data, std::uint32_t step, std::uint32_t block)
{
    ZoneData zone = extract(data);
    if (zone.triangles.empty() && zone.lines.empty())
        return false;
    zone.step = step;
    zone.block = block;
    out_.zone(zone);
    return true;
}

std::uint32_t ZoneExtractor::variableId(const std::string& name, VariableKind kind)
{
    const auto key = std::make_pair(name, kind);
    auto found = ids_.find(key);
    if (found != ids_.end())
        return found->second;
    // A point and a cell variable of the same name are told apart.
    const auto other = std::make_pair(name, kind == VariableKind::Point ? VariableKind::Cell : VariableKind::Point);
    const std::string shown =
        ids_.count(other) > 0 ? name + (kind == VariableKind::Cell ? " (cell)" : " (point)") : name;
    const auto id = static_cast<std::uint32_t>(ids_.size());
    out_.variable(id, kind, shown);
    ids_.emplace(key, id);
    return id;
}

}  // namespace zorhost
