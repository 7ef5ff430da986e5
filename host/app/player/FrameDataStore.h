// The data each frame shows: the built-in sample or a data file read into
// it. The host model holds a frame's zones (strand, solution time,
// enabled); their surfaces and lines are kept here, under the frame's
// identifier.
#ifndef ZORHOST_FRAME_DATA_STORE_H
#define ZORHOST_FRAME_DATA_STORE_H

#include <map>
#include <memory>
#include <optional>
#include <string>

#include "ZorTypes.h"
#include "data/DataFileReading.h"
#include "render/Scene.h"
#include "sample/SampleData.h"

namespace zorsim {
class Host;
}

namespace zorhost {

class FrameDataStore {
public:
    // Data files are read by the helper within `limits`.
    explicit FrameDataStore(ReaderLimits limits = defaultReaderLimits()) : limits_(std::move(limits)) {}

    // Loads WAVE into the host's current frame: its zones into the frame's
    // data set, the current solution time to the first step, and the view
    // reset to show the whole data. Throws std::out_of_range when there is
    // no frame.
    void loadWave(zorsim::Host& host, int steps, double timeMin, double timeMax);

    // Reads a data file into the current frame in the same way, coloured by
    // the variable `colourBy` (empty: the first the file has); the frame
    // becomes a 3D Cartesian plot. Throws DataReadError, and then the frame
    // keeps what it had; std::out_of_range when there is no frame.
    void loadDataFile(zorsim::Host& host, const std::string& path, const std::string& colourBy);

    // Fits the current frame's view to its data: turning about the data's
    // centre, wide enough to show all of it, at the same angles. False
    // (nothing changed) when there is no frame or it holds no data.
    bool fitView(zorsim::Host& host) const;
    // As fitView, at the angles that loading gave the view.
    bool resetView(zorsim::Host& host) const;

    // Puts what the current frame draws now into `scene`: the zones drawn
    // at the current solution time, the data's bounds and its colouring.
    void describe(const zorsim::Host& host, Scene& scene) const;

    // The data file loaded into the current frame, or null.
    const LoadedDataSet* currentDataFile(const zorsim::Host& host) const;
    // The variable that colours the current frame's data file; -1 when it
    // is coloured by height or there is no data file.
    int colourVariable(const zorsim::Host& host) const;
    // Colours the current frame's data file by `variable` (-1: by height),
    // as COLORBY does when it is read; the next picture shows it. Throws
    // std::out_of_range when there is no data file or no such variable.
    void colourBy(const zorsim::Host& host, int variable);
    // What the current frame's data is called: "WAVE", or the data file's
    // name without its folder; empty when the frame has no data.
    std::string currentDataName(const zorsim::Host& host) const;

private:
    struct FrameData {
        std::string name;
        Box bounds;
        // The view's width over the data's diagonal when it is fitted.
        double fitMargin = 1.1;
        std::optional<SampleDataSet> sample;
        std::shared_ptr<const LoadedDataSet> file;
        // The variable that colours a data file's surfaces; -1: height.
        int colourVariable = -1;
    };

    const FrameData* current(const zorsim::Host& host) const;

    ReaderLimits limits_;
    std::map<ZorUniqueId, FrameData> frames_;
};

}  // namespace zorhost

#endif
