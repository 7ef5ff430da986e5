#include "addon/SuspendGraphics.h"

#include "ZorUtil.h"
#include "addon/AddOnId.h"

SuspendGraphics::SuspendGraphics()
{
    ZorUtilLockStart(AddOnId);
    ZorUtilDrawGraphics(false);
}

SuspendGraphics::~SuspendGraphics()
{
    ZorUtilDrawGraphics(true);
    ZorUtilLockFinish(AddOnId);
}
