// The data set of the current frame: zones with their enabled flag, strand
// and solution time; the enabled-zone sets handed out to add-ons; the
// current solution time.
//
// The control face (loadZones, addZone, setZoneEnabled) sets up
// data; the rest serves the host API. Sets handed out are tracked in the
// host's HandedOutMemory, so a test sees one that was not freed or freed
// twice; the model owns their storage and releases it when it is destroyed.
#ifndef ZORSIM_DATA_SET_MODEL_H
#define ZORSIM_DATA_SET_MODEL_H

#include <map>
#include <memory>
#include <vector>

#include "ZorTypes.h"
#include "zorsim/DataSet.h"

namespace zorsim {

class DrawingModel;
class FrameModel;
class HandedOutMemory;

class DataSetModel {
public:
    // Changes of the data and of the solution time are noted in `drawing`.
    DataSetModel(FrameModel& frames, HandedOutMemory& memory, DrawingModel& drawing);
    ~DataSetModel();
    DataSetModel(const DataSetModel&) = delete;
    DataSetModel& operator=(const DataSetModel&) = delete;

    // Control face; each throws std::out_of_range when there is no frame.
    // Replaces the current frame's data by `zones` (possibly none).
    void loadZones(const std::vector<Zone>& zones);
    // Adds a zone (loading a data set first if the frame has none) and
    // returns its number, counted from 1.
    int addZone(int strand, double solutionTime, bool enabled = true);
    // Throws std::out_of_range for a zone that does not exist.
    void setZoneEnabled(int zone, bool enabled);
    const DataSet& current() const;

    // The zones a frame draws at the current solution time, ascending: the
    // static zones and, of each strand, the zone with the latest time not
    // after the current one (the earliest when all are later).
    std::vector<int> drawnZones() const;

    // Host API. No frame or no data set: not available, no set, strand 0,
    // time 0.0.
    bool isAvailable() const;
    // A new set of the enabled zones, or null when there is no data set.
    ZorSet enabledZones();
    // The member after `member` (0: the first), 0 at the end. A set that is
    // not out (freed or never handed out) counts as a fault and has no
    // members.
    ZorSetIndex nextMember(ZorSet set, ZorSetIndex member) const;
    // Frees a handed-out set; a set that is not out counts as a fault and
    // is left alone.
    void freeSet(ZorSet set);
    int strandOf(int zone) const;
    double solutionTimeOf(int zone) const;
    double solutionTime() const;
    // False when there is no frame; any value is accepted otherwise.
    bool setSolutionTime(double solutionTime);

private:
    DataSet& data();
    const Zone* zone(int number) const;

    FrameModel& frames_;
    HandedOutMemory& memory_;
    DrawingModel& drawing_;
    std::map<ZorSet, std::unique_ptr<ZorSet_s>> setsOut_;
    // Freed sets are kept so that no later set reuses an address and hides a
    // second free of the first.
    std::map<ZorSet, std::unique_ptr<ZorSet_s>> setsFreed_;
};

}  // namespace zorsim

#endif
