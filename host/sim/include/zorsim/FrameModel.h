// The host's frames: an ordered list whose first frame is the current (top)
// one. Creating or deleting a frame, changing the current frame and changing
// its plot type are announced through the state-change hub.
#ifndef ZORSIM_FRAME_MODEL_H
#define ZORSIM_FRAME_MODEL_H

#include <vector>

#include "ZorTypes.h"
#include "zorsim/DataSet.h"
#include "zorsim/ViewState.h"

namespace zorsim {

struct Frame {
    ZorUniqueId id;
    int plotType;
    // Position (left, top) and size in frame units.
    double x = 1.0;
    double y = 0.5;
    double width = 8.0;
    double height = 6.0;
    ViewState view{};
    DataSet dataSet{};
};

class DrawingModel;

class FrameModel {
public:
    // Every change of the frames is noted in `drawing`.
    explicit FrameModel(DrawingModel& drawing) : drawing_(drawing) {}

    // Adds a frame on top and makes it current; returns its identifier.
    ZorUniqueId addFrame(int plotType = ZOR_PLOT_CARTESIAN3D);
    // Deletes the current frame; the next one becomes current.
    void deleteCurrentFrame();
    void setPlotType(int plotType);

    int count() const { return static_cast<int>(frames_.size()); }
    bool empty() const { return frames_.empty(); }
    // Precondition: !empty().
    Frame& current();
    const Frame& current() const;
    const std::vector<Frame>& frames() const { return frames_; }

    // Moves the top frame to the bottom.
    bool pushTop();

    bool lightweightPopStart();
    int lightweightPopNext();
    void lightweightPopEnd();

    // A face that shows each frame filling a view of `width` x `height`
    // pixels: every frame, and every frame made later, takes that size (in
    // frame units of pixelsPerUnit), and the work area is the view.
    void showIn(int width, int height);

    // Screen pixels per frame unit, and the work area in pixels.
    double pixelsPerUnit = 96.0;
    int workAreaWidth = 1600;
    int workAreaHeight = 1000;

private:
    // Tells the state-change listeners and notes the change.
    void announce(int code);

    DrawingModel& drawing_;
    std::vector<Frame> frames_;
    // The size in frame units of a new frame.
    double newWidth_ = 8.0;
    double newHeight_ = 6.0;
    ZorUniqueId nextId_ = 1;
    // While lightweight popping: the index of the frame shown as current.
    int popIndex_ = -1;
};

}  // namespace zorsim

#endif
