#include "datastream/ZoneRecord.h"

#include <algorithm>
#include <cmath>

#include "datastream/ByteCodec.h"

namespace zorhost {

namespace {

void checkIndices(const std::vector<std::uint32_t>& indices, std::size_t points)
{
    for (std::uint32_t index : indices)
        if (index >= points)
            throw DataStreamError("point " + std::to_string(index) + " of a zone of " + std::to_string(points) +
                                  " points");
}

void checkFinite(const std::vector<float>& numbers, const char* what)
{
    if (!std::all_of(numbers.begin(), numbers.end(), [](float x) { return std::isfinite(x); }))
        throw DataStreamError(std::string("a ") + what + " that is not a finite number");
}

std::vector<Point3> readPoints(ByteReader& in)
{
    const std::uint32_t n = in.count(12);
    const std::vector<float> xyz = in.f32s(3 * n);
    checkFinite(xyz, "coordinate");
    std::vector<Point3> points(n);
    for (std::size_t i = 0; i < n; ++i)
        points[i] = {xyz[3 * i], xyz[3 * i + 1], xyz[3 * i + 2]};
    return points;
}

LineData readLine(ByteReader& in, std::size_t points)
{
    LineData line;
    const std::uint32_t n = in.count(4);
    if (n < 2)
        throw DataStreamError("a line of fewer than two points");
    line.points = in.u32s(n);
    checkIndices(line.points, points);
    const std::uint8_t timed = in.u8();
    if (timed > 1)
        throw DataStreamError("a line neither timed nor untimed");
    if (timed == 1) {
        line.times = in.f32s(n);
        checkFinite(line.times, "line time");
    }
    return line;
}

ValueSet readValues(ByteReader& in, const ZoneContext& context, const ZoneData& zone)
{
    ValueSet set;
    set.variable = in.u32();
    if (set.variable >= context.variables.size())
        throw DataStreamError("values of variable " + std::to_string(set.variable) + ", which was not declared");
    const std::uint32_t n = in.count(4);
    const bool perPoint = context.variables[set.variable] == VariableKind::Point;
    const std::size_t expected = perPoint ? zone.points.size() : zone.triangles.size() / 3;
    if (n != expected)
        throw DataStreamError(std::to_string(n) + " values for " + std::to_string(expected) +
                              (perPoint ? " points" : " triangles"));
    set.values = in.f32s(n);
    return set;
}

}  // namespace

std::string encodeZone(const ZoneData& zone)
{
    ByteWriter out;
    out.u32(zone.step);
    out.u32(zone.block);
    out.u32(static_cast<std::uint32_t>(zone.points.size()));
    for (const Point3& p : zone.points) {
        out.f32(p.x);
        out.f32(p.y);
        out.f32(p.z);
    }
    out.u32(static_cast<std::uint32_t>(zone.triangles.size() / 3));
    out.u32s(zone.triangles);
    out.u32(static_cast<std::uint32_t>(zone.lines.size()));
    for (const LineData& line : zone.lines) {
        out.u32(static_cast<std::uint32_t>(line.points.size()));
        out.u32s(line.points);
        out.u8(line.times.empty() ? 0 : 1);
        out.f32s(line.times);
    }
    out.u32(static_cast<std::uint32_t>(zone.values.size()));
    for (const ValueSet& set : zone.values) {
        out.u32(set.variable);
        out.u32(static_cast<std::uint32_t>(set.values.size()));
        out.f32s(set.values);
    }
    return out.take();
}

ZoneData decodeZone(const std::string& payload, const ZoneContext& context)
{
    ByteReader in(payload.data(), payload.size());
    ZoneData zone;
    zone.step = in.u32();
    if (zone.step >= std::max<std::uint32_t>(context.steps, 1))
        throw DataStreamError("a zone of step " + std::to_string(zone.step) + " of " + std::to_string(context.steps));
    zone.block = in.u32();
    zone.points = readPoints(in);
    zone.triangles = in.u32s(3 * in.count(12));
    checkIndices(zone.triangles, zone.points.size());
    // The smallest line: its count, two indices and its flag.
    for (std::uint32_t n = in.count(13); n > 0; --n)
        zone.lines.push_back(readLine(in, zone.points.size()));
    for (std::uint32_t n = in.count(8); n > 0; --n) {
        zone.values.push_back(readValues(in, context, zone));
        const std::uint32_t variable = zone.values.back().variable;
        if (std::count_if(zone.values.begin(), zone.values.end(),
                          [variable](const ValueSet& set) { return set.variable == variable; }) > 1)
            throw DataStreamError("variable " + std::to_string(variable) + " given twice in one zone");
    }
    if (in.left() != 0)
        throw DataStreamError(std::to_string(in.left()) + " bytes left over after a zone");
    return zone;
}

}  // namespace zorhost
