// The file dialog.
#include <cstring>

#include "ApiGuard.h"
#include "ZorUtil.h"

using namespace zorsim;

bool ZorUtilDialogGetFileName(int dialogOption, char** fileName, const char* fileTypeName, const char* defaultFileName,
                              const char* defaultFilter)
{
    const std::string call = callText("ZorUtilDialogGetFileName", dialogOption, textOrEmpty(defaultFileName));
    return guarded(call, false, [&] {
        if (fileName == nullptr)
            return false;
        const auto chosen = host().fileDialog.run(
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
