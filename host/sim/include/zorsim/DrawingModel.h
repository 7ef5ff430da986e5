// Drawing on and off, the redraws asked for, and the changes a redraw shows.
//
// The models note every change of what the current frame shows (its view,
// the style values, the solution time, its data, the frames themselves).
// A change waits to be shown until a redraw, or a face's own repaint, shows
// it; a face that repaints when told keeps its picture current whether or
// not the add-on or the macro asked for a redraw.
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

    void noteChange();
    // Drawing is on and a change was noted since the picture last shown.
    bool isChangeWaiting() const { return isDrawing() && changes_ != changesShown_; }
    // A face drew the current frame on its own: every change is shown.
    void changesShown() { changesShown_ = changes_; }
    // Told when a change starts to wait: at a change made while drawing is
    // on and nothing waited, or when drawing comes back on after changes
    // made while it was off. A face answers with one repaint once it is
    // idle, however often it was told until then.
    std::function<void()> onChangeWaiting;

private:
    void tellIfWaiting(bool waitedBefore);

    int offDepth_ = 0;
    int unmatchedOns_ = 0;
    int redraws_ = 0;
    int fullRedraws_ = 0;
    unsigned long changes_ = 0;
    unsigned long changesShown_ = 0;
};

}  // namespace zorsim

#endif
