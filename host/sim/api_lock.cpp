// The add-on lock and the registration lock.
#include "ApiGuard.h"
#include "ZorUtil.h"

using namespace zorsim;

void ZorUtilLockStart(ZorAddOnId addOnId)
{
    guardedVoid("ZorUtilLockStart", [&] { host().lock.start(addOnId); });
}

void ZorUtilLockFinish(ZorAddOnId addOnId)
{
    guardedVoid("ZorUtilLockFinish", [&] { host().lock.finish(addOnId); });
}

void ZorUtilLockOn(void)
{
    guardedVoid("ZorUtilLockOn", [] { host().lock.lockOn(); });
}

void ZorUtilLockOff(void)
{
    guardedVoid("ZorUtilLockOff", [] { host().lock.lockOff(); });
}
