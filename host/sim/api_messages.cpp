// Error messages, message boxes and help.
#include "ApiGuard.h"
#include "ZorUtil.h"

using namespace zorsim;

void ZorUtilDialogErrMsg(const char* message)
{
    guardedVoid(callText("ZorUtilDialogErrMsg", textOrEmpty(message)),
                [&] { host().messages.showError(textOrEmpty(message)); });
}

bool ZorUtilDialogMessageBox(const char* message, int kind)
{
    return guarded(callText("ZorUtilDialogMessageBox", kind, textOrEmpty(message)), false,
                   [&] { return host().messages.showMessageBox(textOrEmpty(message), kind); });
}

void ZorUtilHelp(const char* helpPath, bool /*goToId*/, int /*helpId*/)
{
    guardedVoid(callText("ZorUtilHelp", textOrEmpty(helpPath)),
                [&] { host().messages.showHelp(textOrEmpty(helpPath)); });
}
