// The outermost animator of every chain: shows at each frame the view that
// belongs there. All views of the whole key frame list are computed at
// construction, under a cancellable progress line, so that playing a frame
// only applies a stored view.
//
// The views between two key frames are produced by the host's own rotation:
// from the earlier view the host rotates by a fraction of the angle still to
// go, the view it then shows is read back, and position and width are moved
// by the same fraction of what remains. Each step thus starts from the view
// the host really reached.
//
// `views` holds one view per frame, and the view at frame S(k) is key frame
// k's own view for every key frame with a frame of its own; a key frame with
// frame count 0 shares its frame with the next key frame, which is shown.
#ifndef KFA_ANIMATION_ANIMATOR_KEY_FRAME_H
#define KFA_ANIMATION_ANIMATOR_KEY_FRAME_H

#include <memory>
#include <vector>

#include "animation/AnimatorAbstract.h"
#include "keyframes/ThreeDView.h"

class PercentDoneStatus;

class AnimatorKeyFrame : public AnimatorAbstract {
public:
    // Throws KeyFrameError with "Animation canceled." when the user cancels
    // the computation, and as captureCurrentView does when the current
    // frame is not a 3D Cartesian plot. A computation that does not complete
    // puts the user's view back, has the inner animators restore the host
    // and redraws.
    AnimatorKeyFrame(const std::vector<KeyFrame_s>& keyFrames, std::unique_ptr<AnimatorInterface> inner);
    ~AnimatorKeyFrame() override;

protected:
    // Throws std::out_of_range for a frame beyond the list.
    void doAnimateFrame(uint32_t frameNumber) override;

private:
    void computeViews(const std::vector<KeyFrame_s>& keyFrames);
    void putBack(const ThreeDView_s& usersView);
    // Appends `count` views strictly between `from` and `to` to `out`.
    static void interpolateSegment(const ThreeDView_s& from, const ThreeDView_s& to, uint32_t count,
                                   std::vector<ThreeDView_s>& out, PercentDoneStatus& progress);
    // What remains to go from `from` to `to`: the angle differences, each
    // within [-180, 180], and position and width as left after the host has
    // rotated `from` by those angles. Leaves the host rotated.
    static ThreeDView_s viewDifference(const ThreeDView_s& from, const ThreeDView_s& to);
    // Moves the host's view by `step`: angles by rotation, position and
    // width by setting them.
    static void applyViewDelta(const ThreeDView_s& step);

    std::vector<ThreeDView_s> views_;
};

#endif
