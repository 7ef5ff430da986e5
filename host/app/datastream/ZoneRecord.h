// One zone of one time step as the reading helper sends it: points, the
// triangles of its surfaces, its lines and the values of its variables.
//
//   u32 step, u32 block
//   u32 points, then x y z (f32) of each
//   u32 triangles, then three point indices (u32) each
//   u32 lines, then each: u32 n (at least 2), n point indices, u8 timed,
//       and when timed n times (f32), the line's own integration time
//   u32 value sets, then each: u32 variable id, u32 n, n values (f32), one
//       a point for a point variable, one a triangle for a cell variable
#ifndef ZORHOST_ZONE_RECORD_H
#define ZORHOST_ZONE_RECORD_H

#include <cstdint>
#include <string>
#include <vector>

#include "datastream/DataStream.h"
#include "render/Geometry.h"

namespace zorhost {

struct LineData {
    std::vector<std::uint32_t> points;
    // Empty, or the integration time at each point.
    std::vector<float> times;
};

struct ValueSet {
    std::uint32_t variable = 0;
    std::vector<float> values;
};

struct ZoneData {
    // The time step (0 for static data) and the zone's place among the
    // file's zones, the same in every step.
    std::uint32_t step = 0;
    std::uint32_t block = 0;
    std::vector<Point3> points;
    std::vector<std::uint32_t> triangles;
    std::vector<LineData> lines;
    std::vector<ValueSet> values;
};

// What a zone record is checked against: the steps and variables the
// stream declared before it.
struct ZoneContext {
    std::uint32_t steps = 0;
    std::vector<VariableKind> variables;
};

// The longest variable name or refusal text taken.
constexpr std::uint32_t maxNameLength = 4096;

std::string encodeZone(const ZoneData& zone);

// Throws DataStreamError when the record breaks a rule: counts beyond what
// it holds, an index past the points, a coordinate or time that is not
// finite, a step or variable not declared, a variable given twice, bytes
// left over.
ZoneData decodeZone(const std::string& payload, const ZoneContext& context);

}  // namespace zorhost

#endif
