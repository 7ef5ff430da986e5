// zorhost-makedata FILE [options]: writes a small CFD-like data set (a
// channel flow with a moving bump, streamlines through it) in the format
// FILE's extension names. The example, the tests and the benchmarks make
// their data files with it.
#include <CLI/CLI.hpp>

#include <filesystem>
#include <iostream>

#include "CgnsWriter.h"
#include "VtkFiles.h"

int main(int argc, char** argv)
{
    CLI::App app{"Writes a channel flow data set in the format the file name's extension names."};
    std::string file;
    makedata::FileOptions options;
    bool adf = false;
    app.add_option("FILE", file,
                   "The file to write (.cgns .vtu .vts .vti .vtp .vtm .pvd .vtk .xyz .p3d .stl .obj "
                   ".ply .gltf .glb)")
        ->required();
    app.add_option("--cells", options.cells, "About this many cells in the volume zone")->capture_default_str();
    app.add_option("--steps", options.steps, "Time steps (.cgns, .pvd, .p3d)")
        ->capture_default_str()
        ->check(CLI::Range(1, 100000));
    app.add_option("--part", options.part, "The format of each step of a .pvd series")->capture_default_str();
    app.add_option("--lines", options.lines, "Streamlines in .vtp and .vtm files")->capture_default_str();
    app.add_flag("--adf", adf, "Write a CGNS file in ADF rather than HDF5");
    CLI11_PARSE(app, argc, argv);
    try {
        if (std::filesystem::path(file).extension() == ".cgns")
            makedata::writeCgns(file, options.cells, options.steps, adf);
        else
            makedata::writeVtkFile(file, options);
    } catch (const std::exception& error) {
        std::cerr << "zorhost-makedata: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
