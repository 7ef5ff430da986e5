#include "addon/AddOnLock.h"

#include "ZorUtil.h"
#include "addon/AddOnId.h"

AddOnLock::AddOnLock()
{
    ZorUtilLockStart(AddOnId);
}

AddOnLock::~AddOnLock()
{
    ZorUtilLockFinish(AddOnId);
}
