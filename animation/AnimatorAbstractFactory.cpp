#include "animation/AnimatorAbstractFactory.h"

#include "animation/AnimatorFade.h"
#include "animation/AnimatorKeyFrame.h"
#include "animation/AnimatorOnScreen.h"
#include "animation/AnimatorStreams.h"
#include "animation/AnimatorTime.h"
#include "animation/AnimatorToFile.h"

std::unique_ptr<AnimatorInterface> AnimatorAbstractFactory::createAnimator(const std::vector<KeyFrame_s>& keyFrames,
                                                                           const AnimationSettings_s& settings)
{
    std::unique_ptr<AnimatorInterface> chain;
    if (settings.destination == OnScreen)
        chain = std::make_unique<AnimatorOnScreen>(keyFrames);
    else
        chain = std::make_unique<AnimatorToFile>(keyFrames);
    if (settings.animateTime)
        chain = std::make_unique<AnimatorTime>(keyFrames, settings, std::move(chain));
    if (settings.animateStreamtraces)
        chain = std::make_unique<AnimatorStreams>(keyFrames, std::move(chain));
    if (settings.fadeIn || settings.fadeOut)
        chain = std::make_unique<AnimatorFade>(keyFrames, settings, std::move(chain));
    return std::make_unique<AnimatorKeyFrame>(keyFrames, std::move(chain));
}
