// Writes the channel flow in every non-CGNS format zorhost reads, chosen by
// the file name's extension: VTK XML (.vtu, .vts, .vti, .vtp, .vtm), a
// .pvd series, legacy .vtk, Plot3D (.xyz with its .q, a .p3d series), STL,
// OBJ, PLY and glTF (.gltf, .glb).
#ifndef ZORHOST_MAKEDATA_VTK_FILES_H
#define ZORHOST_MAKEDATA_VTK_FILES_H

#include <cstddef>
#include <string>

namespace makedata {

struct FileOptions {
    // About this many cells in the volume zone.
    std::size_t cells = 2000;
    // Steps of a series (.pvd, .p3d); other formats hold one.
    int steps = 1;
    // The extension of each step's file in a .pvd series.
    std::string part = ".vtm";
    // Streamlines in .vtp and .vtm files.
    int lines = 6;
    // The solution time a single file shows.
    double time = 0.0;
};

// Throws std::runtime_error when the extension is unknown or writing fails.
void writeVtkFile(const std::string& path, const FileOptions& options);

}  // namespace makedata

#endif
