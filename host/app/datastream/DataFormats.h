// The data file formats zorhost reads, known by their file name extensions.
// The host offers them in its file dialog; the reading helper picks its
// reader by them.
#ifndef ZORHOST_DATA_FORMATS_H
#define ZORHOST_DATA_FORMATS_H

#include <optional>
#include <string>
#include <vector>

namespace zorhost {

enum class DataFormat { Cgns, VtkXml, VtkSeries, VtkLegacy, Plot3D, Plot3DMeta, Stl, Obj, Ply, Gltf };

struct DataFormatInfo {
    DataFormat format;
    // What a file dialog calls it.
    const char* name;
    // Lower case, with the dot.
    std::vector<std::string> extensions;
};

const std::vector<DataFormatInfo>& dataFormats();

// The format of a file named `path`, by its extension in any letter case.
std::optional<DataFormat> dataFormatOf(const std::string& path);

// A file dialog's filter: all the formats, then each on its own, separated
// by ";;" ("Data files (*.cgns *.vtu ...);;CGNS (*.cgns);;...").
std::string dataFileFilter();

}  // namespace zorhost

#endif
