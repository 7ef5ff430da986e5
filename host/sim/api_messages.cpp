// Error messages, message boxes, file dialogs and help.
#include <cstring>

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

bool ZorUtilDialogGetFileName(int dialogOption, char** fileName, const char* fileTypeName,
                              const char* defaultFileName, const char* defaultFilter)
{
    return guarded(callText("ZorUtilDialogGetFileName", dialogOption, textOrEmpty(defaultFileName)), false, [&] {
        if (fileName == nullptr)
            return false;
        const auto chosen = host().messages.runFileDialog(
            {dialogOption, textOrEmpty(fileTypeName), textOrEmpty(defaultFileName), textOrEmpty(defaultFilter)});
        if (!chosen)
            return false;
        char* handedOut = host().memory.allocString(static_cast<int>(chosen->size()));
        if (handedOut == nullptr)
            return false;
        std::memcpy(handedOut, chosen->c_str(), chosen->size());
        *fileName = handedOut;
        return true;
    });
}

void ZorUtilHelp(const char* helpPath, bool /*goToId*/, int /*helpId*/)
{
    guardedVoid(callText("ZorUtilHelp", textOrEmpty(helpPath)),
                [&] { host().messages.showHelp(textOrEmpty(helpPath)); });
}
