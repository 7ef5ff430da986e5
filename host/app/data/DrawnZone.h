// A zone of a data file as the renderer draws it: its triangles with point
// normals and the values of the variable that colours them, and its lines
// as streamtraces. A line's times are its own integration time when that
// grows along it (a line traced backwards, whose time falls, is taken in
// reverse time), otherwise the length along it over `lengthPerTime`.
#ifndef ZORHOST_DRAWN_ZONE_H
#define ZORHOST_DRAWN_ZONE_H

#include "datastream/ZoneRecord.h"
#include "render/Geometry.h"

namespace zorhost {

// `variable` is a variable id, or -1 for none; `perTriangle` tells whether
// it is a cell variable.
ZoneGeometry drawnZone(const ZoneData& zone, int variable, bool perTriangle, double lengthPerTime);

}  // namespace zorhost

#endif
