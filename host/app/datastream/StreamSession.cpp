#include "datastream/StreamSession.h"

#include <algorithm>
#include <cmath>

#include "datastream/ByteCodec.h"

namespace zorhost {

namespace {

constexpr std::size_t maxVariables = 10000;

}  // namespace

void VariableRange::widen(const VariableRange& other)
{
    if (other.empty())
        return;
    min = empty() ? other.min : std::min(min, other.min);
    max = empty() ? other.max : std::max(max, other.max);
}

ZoneSummary summarise(const ZoneData& zone, std::size_t variables)
{
    ZoneSummary summary;
    summary.step = zone.step;
    summary.block = zone.block;
    summary.hasSurface = !zone.triangles.empty();
    summary.hasLines = !zone.lines.empty();
    if (!zone.points.empty())
        summary.bounds = {zone.points.front(), zone.points.front()};
    for (const Point3& p : zone.points) {
        summary.bounds.min = {std::min(summary.bounds.min.x, p.x), std::min(summary.bounds.min.y, p.y),
                              std::min(summary.bounds.min.z, p.z)};
        summary.bounds.max = {std::max(summary.bounds.max.x, p.x), std::max(summary.bounds.max.y, p.y),
                              std::max(summary.bounds.max.z, p.z)};
    }
    summary.ranges.resize(variables);
    for (const ValueSet& set : zone.values) {
        VariableRange& range = summary.ranges[set.variable];
        for (float value : set.values)
            if (std::isfinite(value))
                range.widen({value, value});
    }
    return summary;
}

void DataStreamSession::handle(DataRecord&& record)
{
    if (ended_ || refusal_)
        throw DataStreamError("a record after the end of the data");
    switch (record.type) {
    case RecordType::Progress: {
        ByteReader in(record.payload.data(), record.payload.size());
        const std::uint32_t percent = in.u32();
        if (percent > 100 || in.left() != 0)
            throw DataStreamError("progress of " + std::to_string(percent) + " percent");
        percent_ = static_cast<int>(percent);
        break;
    }
    case RecordType::Times:
        readTimes(record.payload);
        break;
    case RecordType::Variable:
        readVariable(record.payload);
        break;
    case RecordType::Zone:
        readZone(std::move(record.payload));
        break;
    case RecordType::End:
        if (!record.payload.empty())
            throw DataStreamError("an end that holds data");
        ended_ = true;
        break;
    case RecordType::Refusal: {
        ByteReader in(record.payload.data(), record.payload.size());
        refusal_ = in.string(maxNameLength);
        break;
    }
    }
}

void DataStreamSession::readTimes(const std::string& payload)
{
    if (timesSeen_ || zoneSeen_)
        throw DataStreamError("solution times given twice or after a zone");
    timesSeen_ = true;
    ByteReader in(payload.data(), payload.size());
    const std::uint32_t n = in.count(8);
    for (std::uint32_t i = 0; i < n; ++i) {
        times_.push_back(in.f64());
        if (!std::isfinite(times_.back()))
            throw DataStreamError("a solution time that is not a finite number");
    }
    if (in.left() != 0)
        throw DataStreamError("bytes left over after the solution times");
    context_.steps = n;
}

void DataStreamSession::readVariable(const std::string& payload)
{
    ByteReader in(payload.data(), payload.size());
    const std::uint32_t id = in.u32();
    if (id != variables_.size() || id >= maxVariables)
        throw DataStreamError("variable " + std::to_string(id) + " declared out of order");
    const std::uint8_t kind = in.u8();
    if (kind > static_cast<std::uint8_t>(VariableKind::Cell))
        throw DataStreamError("a variable of unknown kind " + std::to_string(kind));
    VariableInfo variable{in.string(maxNameLength), static_cast<VariableKind>(kind)};
    if (in.left() != 0)
        throw DataStreamError("bytes left over after a variable");
    if (std::any_of(variables_.begin(), variables_.end(),
                    [&variable](const VariableInfo& known) { return known.name == variable.name; }))
        throw DataStreamError("the variable \"" + variable.name + "\" declared twice");
    variables_.push_back(variable);
    context_.variables.push_back(variable.kind);
}

void DataStreamSession::readZone(std::string&& payload)
{
    zoneSeen_ = true;
    const ZoneData zone = decodeZone(payload, context_);
    keepZone_(summarise(zone, variables_.size()), std::move(payload));
}

}  // namespace zorhost
