#include "animation/AnimatorFade.h"

namespace {

const StringList FrameAxisShow{"THREEDAXIS", "FRAMEAXIS", "SHOW"};
const StringList Intensity{"INTENSITY"};
const StringList BackgroundLight{"BACKGROUNDLIGHT"};

uint32_t fadeLength(uint32_t numFrames)
{
    return numFrames > 90 ? 30 : numFrames / 10;
}

// The value at `subPath`, or nothing when the host does not report it.
template <typename T>
std::optional<T> readValue(const StyleValue& style, const StringList& subPath)
{
    T value{};
    if (StyleValue::returnCodeOk(style.get(value, subPath)))
        return value;
    return std::nullopt;
}

// Sets `subPath` to `factor` times the saved value; nothing when none was saved.
void setScaled(StyleValue& style, const StringList& subPath, const std::optional<double>& saved, double factor)
{
    if (saved)
        style.set(factor * *saved, subPath);
}

template <typename T>
void restore(StyleValue& style, const StringList& subPath, std::optional<T>& saved)
{
    if (saved)
        style.set(*saved, subPath);
    saved.reset();
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
    savedIntensity_ = readValue<double>(lightSource_, Intensity);
    savedBackgroundLight_ = readValue<double>(lightSource_, BackgroundLight);
    StyleValue frameAxis(FrameAxisShow);
    savedShowFrameAxis_ = readValue<bool>(frameAxis, StringList());
    if (savedShowFrameAxis_)
        frameAxis.set(false, StringList());
}

AnimatorFade::~AnimatorFade()
{
    restoreHost();
}

void AnimatorFade::restoreHost()
{
    restore(lightSource_, Intensity, savedIntensity_);
    restore(lightSource_, BackgroundLight, savedBackgroundLight_);
    StyleValue frameAxis(FrameAxisShow);
    restore(frameAxis, StringList(), savedShowFrameAxis_);
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
    setScaled(lightSource_, Intensity, savedIntensity_, factor);
    setScaled(lightSource_, BackgroundLight, savedBackgroundLight_, factor);
}
