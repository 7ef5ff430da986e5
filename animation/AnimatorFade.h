// Fades the scene in at the start and out at the end of the animation by
// scaling the light source's intensity and background light. The 3D frame
// axis is hidden from construction to destruction; destruction puts the
// light and the axis back as they were.
//
// The fade lasts a tenth of the list's frames (rounded down), and 30 frames
// for lists longer than 90 frames. Frames between the two fades keep the
// light the last faded frame set; the fade-in wins where both would apply.
// A value the host does not report is left alone: it could not be put back.
#ifndef KFA_ANIMATION_ANIMATOR_FADE_H
#define KFA_ANIMATION_ANIMATOR_FADE_H

#include <memory>
#include <optional>
#include <vector>

#include "StyleValue.h"
#include "animation/AnimationSettings.h"
#include "animation/AnimatorAbstract.h"

class AnimatorFade : public AnimatorAbstract {
public:
    AnimatorFade(const std::vector<KeyFrame_s>& keyFrames, const AnimationSettings_s& settings,
                 std::unique_ptr<AnimatorInterface> inner);
    ~AnimatorFade() override;

protected:
    void doAnimateFrame(uint32_t frameNumber) override;
    void restoreHost() override;

private:
    void setLight(double factor);

    bool fadeIn_;
    uint32_t fadeInFrames_;
    uint32_t fadeOutFrames_;
    // Empty when the host did not report the value, and once restored.
    std::optional<double> savedIntensity_;
    std::optional<double> savedBackgroundLight_;
    std::optional<bool> savedShowFrameAxis_;
    StyleValue lightSource_;
};

#endif
