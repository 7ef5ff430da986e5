// Turns one VTK data set into the zone the host draws: the outer boundary
// of volume cells, surfaces as they are, as triangles; line cells joined
// into polylines; each numeric point and cell array of the surface as a
// variable (arrays of several components as their magnitude). Colours,
// normals and texture coordinates are left out.
#ifndef ZORHOST_ZONE_EXTRACTION_H
#define ZORHOST_ZONE_EXTRACTION_H

#include <map>
#include <string>
#include <utility>

#include "datastream/StreamFraming.h"
#include "datastream/ZoneRecord.h"

class vtkDataSet;

namespace zorhost {

class ReaderMessages;

class ZoneExtractor {
public:
    ZoneExtractor(DataStreamWriter& out, ReaderMessages& messages) : out_(out), messages_(messages) {}

    // Sends the zone of `data` as zone `block` of `step`, declaring its
    // variables first. False when it holds neither surfaces nor lines.
    bool send(vtkDataSet& data, std::uint32_t step, std::uint32_t block);

    // The zone of `data`, with values for the variables it has.
    ZoneData extract(vtkDataSet& data);

private:
    std::uint32_t variableId(const std::string& name, VariableKind kind);

    DataStreamWriter& out_;
    ReaderMessages& messages_;
    std::map<std::pair<std::string, VariableKind>, std::uint32_t> ids_;
};

}  // namespace zorhost

#endif
