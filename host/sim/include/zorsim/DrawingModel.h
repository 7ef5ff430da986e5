// Drawing on and off, and the redraws asked for.
#ifndef ZORSIM_DRAWING_MODEL_H
#define ZORSIM_DRAWING_MODEL_H

#include <functional>

namespace zorsim {

class DrawingModel {
public:
    // Off calls nest; drawing is on when every off was matched by an on.
    void setDrawing(bool on);
    bool isDrawing() const { return offDepth_ == 0; }
    int offDepth() const { return offDepth_; }
    // An on without a matching off.
    int unmatchedOns() const { return unmatchedOns_; }

    // Returns false (nothing drawn) while drawing is off.
    bool redraw(bool full);
    int redraws() const { return redraws_; }
    int fullRedraws() const { return fullRedraws_; }

    // Told of every redraw that drew (zorhost draws the frame; tests see
    // what was shown at that moment). The argument is the full flag.
    std::function<void(bool)> onRedraw;

private:
    int offDepth_ = 0;
    int unmatchedOns_ = 0;
    int redraws_ = 0;
    int fullRedraws_ = 0;
};

}  // namespace zorsim

#endif
