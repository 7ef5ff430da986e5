// The 3D view of one frame: where the viewer stands, how the view is turned
// (psi, theta, alpha in degrees), how it is projected, and the point it
// turns about.
//
// The angles give the view's orientation R = Rz(theta) * Rx(psi) * Rz(alpha):
// R maps the viewer's own axes to the data's axes, and the viewer looks
// along its own -z axis. rotate() turns the orientation and carries the
// viewer position rigidly with it about the rotation origin.
#ifndef ZORSIM_VIEW_STATE_H
#define ZORSIM_VIEW_STATE_H

#include <array>

namespace zorsim {

using Vector3 = std::array<double, 3>;

// Brings an angle in degrees into [-180, 180].
double wrapDegrees(double angle);

struct ViewState {
    // The view of a frame without data: looking at the origin from a
    // distance of 10, tilted by 60 degrees and turned by 30.
    ViewState();

    // Places the viewer at `distance` from `origin` on the line of sight
    // given by the current angles, and makes `origin` the rotation origin.
    void lookAt(const Vector3& origin, double distance);

    // Turns the view about one of its angles (ZOR_ROTATE_PSI, _THETA or
    // _ALPHA) by `degrees`; the angle changes by exactly that amount
    // (wrapped into [-180, 180]) and the viewer position turns with the
    // view. False for an unknown axis. A turn by 0 changes nothing.
    bool rotate(int axis, double degrees);

    double distanceToOrigin() const;

    Vector3 position{};
    double psi = 60.0;
    double theta = 30.0;
    double alpha = 0.0;
    double fieldOfView = 30.0;
    double width = 2.5;
    bool perspective = false;
    Vector3 rotationOrigin{};
};

}  // namespace zorsim

#endif
