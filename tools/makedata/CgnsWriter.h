// Writes the channel flow as a CGNS file: a structured zone and an
// unstructured zone of hexahedra above it, a pressure and a velocity at the
// points, and with more than one step a time-accurate file in which each
// step has its own grid coordinates (the grid moves) and solution, named by
// the zones' iterative data. Built against whichever CGNS library the
// program links (VTK's 4.x, or a 3.x one), so that files of both kinds can
// be made.
#ifndef ZORHOST_MAKEDATA_CGNS_WRITER_H
#define ZORHOST_MAKEDATA_CGNS_WRITER_H

#include <cstddef>
#include <string>

namespace makedata {

// Throws std::runtime_error with the library's message when it fails.
void writeCgns(const std::string& path, std::size_t cells, int steps, bool adf);

}  // namespace makedata

#endif
