// The stand-in host as the benchmarks use it: fresh, with the add-on loaded
// and one 3D frame current, and key frame lists to animate in it.
#ifndef KFA_BENCH_BENCH_HOST_H
#define KFA_BENCH_BENCH_HOST_H

#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "animation/AnimationManager.h"
#include "keyframes/KeyFrame.h"
#include "keyframes/ThreeDView.h"
#include "zorsim/ViewState.h"

// Replaces the process's host by a fresh one (its logs off), calls the
// add-on's entry point and adds a 3D Cartesian frame on top.
void freshHostWithAddOn();

// Two key frames, `numFrames` frames long: the host's current view, and a
// view turned about every angle, moved and zoomed from it. The host is left
// on the current view.
std::vector<KeyFrame_s> keyFramesFromCurrentView(uint32_t numFrames);

// Plays the manager's frames on screen as the animation driver does, under
// its progress line, which the host checks once a frame.
void playOnScreen(AnimationManager& manager);

// Times playing `keyFrames` on screen once an iteration; making the manager
// and clearing the host's call log stay outside the timing.
void timePlayingOnScreen(benchmark::State& state, const std::vector<KeyFrame_s>& keyFrames);

// The views the host holds at each redraw while `keyFrames` play on screen;
// whatever hears the host's redraws does not hear these.
std::vector<zorsim::ViewState> viewsShown(const std::vector<KeyFrame_s>& keyFrames);

// The view `fraction` of the way from `from` to `to`, field by field.
ThreeDView_s viewBetween(const ThreeDView_s& from, const ThreeDView_s& to, double fraction);

// What remains from `from` to `to`, field by field.
ThreeDView_s difference(const ThreeDView_s& from, const ThreeDView_s& to);

#endif
