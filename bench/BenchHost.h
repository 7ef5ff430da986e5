// The stand-in host as the benchmarks use it: fresh, with the add-on loaded
// and one 3D frame current, and key frame lists to animate in it.
#ifndef KFA_BENCH_BENCH_HOST_H
#define KFA_BENCH_BENCH_HOST_H

#include <cstdint>
#include <vector>

#include "keyframes/KeyFrame.h"
#include "keyframes/ThreeDView.h"

// Replaces the process's host by a fresh one (its logs off), calls the
// add-on's entry point and adds a 3D Cartesian frame on top.
void freshHostWithAddOn();

// Two key frames, `numFrames` frames long: the host's current view, and a
// view turned about every angle, moved and zoomed from it. The host is left
// on the current view.
std::vector<KeyFrame_s> keyFramesFromCurrentView(uint32_t numFrames);

// The view `fraction` of the way from `from` to `to`, field by field.
ThreeDView_s viewBetween(const ThreeDView_s& from, const ThreeDView_s& to, double fraction);

// What remains from `from` to `to`, field by field.
ThreeDView_s difference(const ThreeDView_s& from, const ThreeDView_s& to);

#endif
