// Reading the host's 3D view into a ThreeDView_s and applying one back.
#ifndef KFA_KEYFRAMES_VIEW_CAPTURE_H
#define KFA_KEYFRAMES_VIEW_CAPTURE_H

#include "keyframes/ThreeDView.h"

// The current frame's view: viewer position, angles in degrees and view
// width. Throws KeyFrameError when the current frame is not a 3D Cartesian
// plot. A host query that fails leaves its fields 0.0. The caller holds the
// add-on lock.
ThreeDView_s captureCurrentView();

// Makes `view` the current frame's 3D view, with drawing suspended. The
// width is set while perspective drawing is off, and the perspective
// setting in force before the call is restored. Takes the add-on lock
// itself; sets the host refuses are ignored.
void applyView(const ThreeDView_s& view);

// Brings `angle` (degrees) into [-180, 180] by whole turns; 180 and -180
// stay as they are, and so does an angle that is not finite.
void normalizeAngle(double& angle);

#endif
