// Movie export.
#include "ApiGuard.h"
#include "ZorUtil.h"

using namespace zorsim;

bool ZorUtilExportSetup(const char* attribute, const char* subAttribute, double doubleValue, ZorArbParam intValue)
{
    return guarded(callText("ZorUtilExportSetup", textOrEmpty(attribute), doubleValue, intValue), false, [&] {
        return attribute != nullptr && subAttribute == nullptr &&
               host().exports.setup(attribute, doubleValue, intValue);
    });
}

bool ZorUtilExportStart(void)
{
    return guarded("ZorUtilExportStart", false, [] { return host().exports.start(); });
}

bool ZorUtilExportNextFrame(void)
{
    return guarded("ZorUtilExportNextFrame", false, [] { return host().exports.nextFrame(); });
}

bool ZorUtilExportFinish(void)
{
    return guarded("ZorUtilExportFinish", false, [] { return host().exports.finish(); });
}

void ZorUtilExportCancel(void)
{
    guardedVoid("ZorUtilExportCancel", [] { host().exports.cancel(); });
}

bool ZorUtilExportIsRecording(void)
{
    return guarded("ZorUtilExportIsRecording", false, [] { return host().exports.isRecording(); });
}
