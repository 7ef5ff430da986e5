// A data file as the host holds it once it was read: its solution times,
// variables and zones, each zone summed up in memory (step, bounds, value
// ranges) and kept whole in a temporary file. The zones a frame draws are
// read back on demand, so memory grows with the zones drawn at once, not
// with the number of steps.
#ifndef ZORHOST_LOADED_DATA_SET_H
#define ZORHOST_LOADED_DATA_SET_H

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "data/ZoneCacheFile.h"
#include "datastream/StreamSession.h"

namespace zorhost {

struct LoadedZone {
    ZoneSummary summary;
    // Where its record is in the cache file.
    std::uint64_t offset = 0;
    std::uint64_t length = 0;
};

// Collects what one reading delivers; keep() suits DataStreamSession.
struct LoadedDataBuilder {
    void keep(const ZoneSummary& summary, std::string&& payload);

    std::vector<LoadedZone> zones;
    std::unique_ptr<ZoneCacheFile> cache = std::make_unique<ZoneCacheFile>();
};

class LoadedDataSet {
public:
    LoadedDataSet(const DataStreamSession& session, LoadedDataBuilder&& built);

    const std::vector<double>& times() const { return times_; }
    const std::vector<VariableInfo>& variables() const { return variables_; }
    const std::vector<LoadedZone>& zones() const { return zones_; }
    // Over every zone of every step.
    const Box& bounds() const { return bounds_; }
    // The range of a variable over every zone of every step.
    VariableRange range(int variable) const;
    // The id of the variable called `name`, or -1.
    int variableNamed(const std::string& name) const;

    // The zones (counted from 0) as drawn, coloured by `variable` (-1: none).
    // Zones asked for by this call or the one before stay in memory; others
    // are read back. The pointers hold until the call after next. Throws
    // std::runtime_error when reading back fails.
    std::vector<const ZoneGeometry*> drawn(const std::vector<std::size_t>& zones, int variable) const;
    // How many zones are held in memory now.
    std::size_t zonesInMemory() const;

private:
    std::shared_ptr<const ZoneGeometry> load(std::size_t zone, int variable) const;

    std::vector<double> times_;
    std::vector<VariableInfo> variables_;
    ZoneContext context_;
    std::vector<LoadedZone> zones_;
    std::unique_ptr<ZoneCacheFile> cache_;
    Box bounds_;
    // Lines without times of their own are drawn at this speed.
    double lengthPerTime_ = 1.0;

    mutable int cachedVariable_ = -1;
    mutable std::map<std::size_t, std::shared_ptr<const ZoneGeometry>> recent_;
    mutable std::map<std::size_t, std::shared_ptr<const ZoneGeometry>> older_;
};

}  // namespace zorhost

#endif
