#include "animation/AnimatorFade.h"

namespace {

const StringList FrameAxisShow{"THREEDAXIS", "FRAMEAXIS", "SHOW"};

uint32_t fadeLength(uint32_t numFrames)
{
    return numFrames > 90 ? 30 : numFrames / 10;
}

}  // namespace

AnimatorFade::AnimatorFade(const std::vector<KeyFrame_s>& keyFrames, const AnimationSettings_s& settings,
                           std::unique_ptr<AnimatorInterface> inner)
    : AnimatorAbstract(keyFrames, std::move(inner)),
      fadeIn_(settings.fadeIn),
      fadeInFrames_(settings.fadeIn ? fadeLength(getNumFrames()) : 0),
      fadeOutFrames_(settings.fadeOut ? fadeLength(getNumFrames()) : 0),
      lightSource_(StringList{"GLOBALTHREED", "LIGHTSOURCE"})
{
    lightSource_.get(savedIntensity_, StringList{"INTENSITY"});
    lightSource_.get(savedBackgroundLight_, StringList{"BACKGROUNDLIGHT"});
    StyleValue frameAxis(FrameAxisShow);
    frameAxis.get(savedShowFrameAxis_);
    frameAxis.set(false, StringList());
}

AnimatorFade::~AnimatorFade()
{
    lightSource_.set(savedIntensity_, StringList{"INTENSITY"});
    lightSource_.set(savedBackgroundLight_, StringList{"BACKGROUNDLIGHT"});
    StyleValue(FrameAxisShow).set(savedShowFrameAxis_, StringList());
}

void AnimatorFade::doAnimateFrame(uint32_t frameNumber)
{
    if (fadeIn_ && frameNumber <= fadeInFrames_) {
        // A fade-in too short to have frames leaves the light full.
        setLight(fadeInFrames_ == 0 ? 1.0 : static_cast<double>(frameNumber) / fadeInFrames_);
    } else if (frameNumber >= getNumFrames() - fadeOutFrames_) {
        setLight(static_cast<double>(getNumFrames() - frameNumber - 1) / fadeOutFrames_);
    }
}

void AnimatorFade::setLight(double factor)
{
    lightSource_.set(factor * savedIntensity_, StringList{"INTENSITY"});
    lightSource_.set(factor * savedBackgroundLight_, StringList{"BACKGROUNDLIGHT"});
}
