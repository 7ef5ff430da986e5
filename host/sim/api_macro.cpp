// Macro recording.
#include "ApiGuard.h"
#include "ZorUtil.h"

using namespace zorsim;

bool ZorUtilMacroIsRecordingActive(void)
{
    return guarded("ZorUtilMacroIsRecordingActive", false, [] { return host().macro.isRecording(); });
}

bool ZorUtilMacroRecordRawCommand(const char* command)
{
    return guarded(callText("ZorUtilMacroRecordRawCommand", textOrEmpty(command)), false,
                   [&] { return command != nullptr && host().macro.recordRaw(command); });
}

bool ZorUtilMacroRecordExtCommand(const char* addOnName, const char* command)
{
    return guarded(callText("ZorUtilMacroRecordExtCommand", textOrEmpty(addOnName), textOrEmpty(command)), false, [&] {
        return addOnName != nullptr && command != nullptr && host().macro.recordAddOnCommand(addOnName, command);
    });
}
