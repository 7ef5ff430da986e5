#include "datastream/DataFormats.h"

#include <algorithm>
#include <cctype>

namespace zorhost {

const std::vector<DataFormatInfo>& dataFormats()
{
    static const std::vector<DataFormatInfo> formats = {
        {DataFormat::Cgns, "CGNS", {".cgns"}},
        {DataFormat::VtkXml, "VTK XML", {".vtu", ".vtp", ".vts", ".vti", ".vtm"}},
        {DataFormat::VtkSeries, "VTK time series", {".pvd"}},
        {DataFormat::VtkLegacy, "VTK legacy", {".vtk"}},
        {DataFormat::Plot3D, "Plot3D grid", {".xyz", ".x", ".g", ".grd"}},
        {DataFormat::Plot3DMeta, "Plot3D series", {".p3d"}},
        {DataFormat::Stl, "STL", {".stl"}},
        {DataFormat::Obj, "OBJ", {".obj"}},
        {DataFormat::Ply, "PLY", {".ply"}},
        {DataFormat::Gltf, "glTF", {".gltf", ".glb"}},
    };
    return formats;
}

std::optional<DataFormat> dataFormatOf(const std::string& path)
{
    const std::size_t dot = path.rfind('.');
    if (dot == std::string::npos || path.find('/', dot) != std::string::npos)
        return std::nullopt;
    std::string extension = path.substr(dot);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    for (const DataFormatInfo& info : dataFormats())
        if (std::find(info.extensions.begin(), info.extensions.end(), extension) != info.extensions.end())
            return info.format;
    return std::nullopt;
}

std::string dataFileFilter()
{
    std::string all;
    std::string each;
    for (const DataFormatInfo& info : dataFormats()) {
        std::string patterns;
        for (const std::string& extension : info.extensions)
            patterns += (patterns.empty() ? "*" : " *") + extension;
        all += (all.empty() ? "" : " ") + patterns;
        each += std::string(";;") + info.name + " (" + patterns + ")";
    }
    return "Data files (" + all + ")" + each;
}

}  // namespace zorhost
