#include "addon/FramePopper.h"

#include "ZorUtil.h"
#include "addon/AddOnId.h"

std::unique_ptr<FramePopperAbstract> FramePopperAbstract::create(bool full)
{
    if (full)
        return std::make_unique<FramePopper>();
    return std::make_unique<FramePopperLightweight>();
}

FramePopperAbstract::FramePopperAbstract()
{
    ZorUtilLockStart(AddOnId);
}

FramePopperAbstract::~FramePopperAbstract()
{
    ZorUtilLockFinish(AddOnId);
}

FramePopper::FramePopper() : startFrameId_(ZorUtilFrameGetUniqueID())
{
    ZorUtilDrawGraphics(false);
    pushesLeft_ = ZorUtilFrameGetCount();
}

FramePopper::~FramePopper()
{
    while (next()) {
    }
    ZorUtilDrawGraphics(true);
}

bool FramePopper::next()
{
    if (!more_)
        return false;
    const bool pushed = ZorUtilFramePushTop();
    --pushesLeft_;
    more_ = pushed && pushesLeft_ > 0 && ZorUtilFrameGetUniqueID() != startFrameId_;
    return more_;
}

FramePopperLightweight::FramePopperLightweight()
    : more_(ZorUtilFrameLightweightPopStart()), stepsLeft_(ZorUtilFrameGetCount() - 1)
{
}

FramePopperLightweight::~FramePopperLightweight()
{
    while (next()) {
    }
    ZorUtilFrameLightweightPopEnd();
}

bool FramePopperLightweight::next()
{
    if (!more_)
        return false;
    more_ = stepsLeft_-- > 0 && ZorUtilFrameLightweightPopNext() > 0;
    return more_;
}
