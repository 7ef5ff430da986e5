// The geometry of the sample data loaded into each frame. The host model
// holds a frame's zones (strand, solution time, enabled); their surfaces and
// streamtraces live here, under the frame's identifier.
#ifndef ZORHOST_SAMPLE_STORE_H
#define ZORHOST_SAMPLE_STORE_H

#include <map>

#include "ZorTypes.h"
#include "sample/SampleData.h"

namespace zorsim {
class Host;
}

namespace zorhost {

class SampleStore {
public:
    // Loads WAVE into the host's current frame: its zones into the frame's
    // data set, the current solution time to the first step, and the view
    // reset to show the whole data. Throws std::out_of_range when there is
    // no frame.
    void loadWave(zorsim::Host& host, int steps, double timeMin, double timeMax);

    // Fits the current frame's view to its data: turning about the data's
    // centre, wide enough to show all of it, at the same angles. False
    // (nothing changed) when there is no frame or it holds no sample data.
    bool fitView(zorsim::Host& host) const;
    // As fitView, at the angles that loading gave the view.
    bool resetView(zorsim::Host& host) const;

    // The data loaded into frame `frame`, or null.
    const SampleDataSet* find(ZorUniqueId frame) const;
    // The data loaded into the current frame; null without a frame or data.
    const SampleDataSet* currentSample(const zorsim::Host& host) const;

private:
    std::map<ZorUniqueId, SampleDataSet> samples_;
};

}  // namespace zorhost

#endif
