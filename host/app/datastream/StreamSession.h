// The host's side of one reading: takes the helper's records in order,
// checks them (order, counts, indices, declared steps and variables) and
// hands every zone on with a summary, so that the zone itself need not be
// kept in memory.
#ifndef ZORHOST_STREAM_SESSION_H
#define ZORHOST_STREAM_SESSION_H

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "datastream/StreamFraming.h"
#include "datastream/ZoneRecord.h"

namespace zorhost {

struct VariableInfo {
    std::string name;
    VariableKind kind = VariableKind::Point;
};

// The smallest and largest finite value; min > max when there is none.
struct VariableRange {
    double min = 1.0;
    double max = 0.0;

    bool empty() const { return min > max; }
    void widen(const VariableRange& other);
};

struct ZoneSummary {
    std::uint32_t step = 0;
    std::uint32_t block = 0;
    Box bounds;
    bool hasSurface = false;
    bool hasLines = false;
    // One a variable (by id); empty when the zone has no values of it.
    std::vector<VariableRange> ranges;
};

class DataStreamSession {
public:
    using ZoneKeeper = std::function<void(const ZoneSummary& summary, std::string&& payload)>;
    explicit DataStreamSession(ZoneKeeper keepZone) : keepZone_(std::move(keepZone)) {}

    // Throws DataStreamError when the record breaks the stream's rules.
    void handle(DataRecord&& record);

    int percent() const { return percent_; }
    // True once the End record came: the data is complete.
    bool ended() const { return ended_; }
    // The helper's reason when it refused the file.
    const std::optional<std::string>& refusal() const { return refusal_; }
    const std::vector<double>& times() const { return context_.steps == 0 ? noTimes_ : times_; }
    const std::vector<VariableInfo>& variables() const { return variables_; }
    const ZoneContext& context() const { return context_; }

private:
    void readTimes(const std::string& payload);
    void readVariable(const std::string& payload);
    void readZone(std::string&& payload);

    ZoneKeeper keepZone_;
    int percent_ = 0;
    bool ended_ = false;
    bool timesSeen_ = false;
    bool zoneSeen_ = false;
    std::optional<std::string> refusal_;
    std::vector<double> times_;
    const std::vector<double> noTimes_;
    std::vector<VariableInfo> variables_;
    ZoneContext context_;
};

// The bounds of the zone's points and the range of each variable's values.
ZoneSummary summarise(const ZoneData& zone, std::size_t variables);

}  // namespace zorhost

#endif
