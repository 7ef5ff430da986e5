#include "animation/AnimatorOnScreen.h"

#include "ZorUtil.h"

AnimatorOnScreen::AnimatorOnScreen(const std::vector<KeyFrame_s>& keyFrames) : AnimatorAbstract(keyFrames, nullptr) {}

AnimatorOnScreen::~AnimatorOnScreen() = default;

void AnimatorOnScreen::doAnimateFrame(uint32_t)
{
    ZorUtilRedraw(true);
}
