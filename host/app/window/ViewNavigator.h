// The user's hands on the 3D view of the current frame: turning, moving and
// zooming it as the window's mouse does, fitting and resetting it as the
// View menu does. Every change goes through the host model as the macro
// command that would make it, the host then redraws, and while the host
// records a macro the change is recorded as those commands, so that playing
// the recording shows the same views.
#ifndef ZORHOST_VIEW_NAVIGATOR_H
#define ZORHOST_VIEW_NAVIGATOR_H

#include <string>

#include "player/FrameDataStore.h"

namespace zorsim {
class Host;
struct ViewState;
}  // namespace zorsim

namespace zorhost {

class ViewNavigator {
public:
    // A drag to the right takes this many degrees per pixel from theta (the
    // viewer goes round the data to its left), a drag down takes them from
    // psi (the viewer rises): the near side of the data follows the mouse.
    static constexpr double degreesPerPixel = 0.4;
    // One wheel step forward shrinks the view width to this fraction (in
    // perspective, the viewer's distance to the rotation origin).
    static constexpr double zoomPerStep = 0.9;

    ViewNavigator(zorsim::Host& host, const FrameDataStore& frameData) : host_(host), frameData_(frameData) {}

    // True when the current frame has a 3D view to navigate; every change
    // below does nothing otherwise.
    bool canNavigate() const;

    // A drag of (dx, dy) pixels, through the host's own rotation about the
    // rotation origin (as $!ROTATE3D turns the view).
    void turn(int dx, int dy);
    // Moves the viewer so that the data follows a drag of (dx, dy) pixels in
    // a view `viewWidth` pixels wide.
    void move(int dx, int dy, int viewWidth);
    // `steps` wheel steps, forward (zooming in) when positive.
    void zoom(double steps);
    // Fits the view to the data at the same angles; Reset also gives it the
    // angles the data was loaded with. False when there is no sample data.
    bool fit();
    bool reset();

    // Ends a drag: records what it changed, one $!ROTATE3D per angle turned
    // and the viewer's new position.
    void finishGesture();

private:
    zorsim::ViewState& view();
    void redraw();
    // After Fit or Reset: records and shows the view when it changed.
    bool showChanged(bool changed);
    void record(const std::string& line);
    void recordStyle(const std::string& path, double value);
    void recordPosition();
    void recordWholeView();

    zorsim::Host& host_;
    const FrameDataStore& frameData_;
    double psiTurned_ = 0.0;
    double thetaTurned_ = 0.0;
    bool moved_ = false;
};

// A number as macro text: the shortest spelling that reads back the same.
std::string macroNumber(double value);

}  // namespace zorhost

#endif
