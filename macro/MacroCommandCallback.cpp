#include "macro/MacroCommandCallback.h"

#include <cstdio>
#include <sstream>
#include <string>

#include "ZorUtil.h"
#include "addon/AddOnLock.h"
#include "addon/AddOnNames.h"

namespace {

// The host's error text: the add-on's name, " error:", a line end and the
// message. The length is bounded by what the host allocated.
void handOutErrorText(const std::string& message, char** errorText)
{
    AddOnLock lock;
    const std::string text = std::string(AddOnName) + " error:\n" + message;
    char* handedOut = ZorUtilStringAlloc(static_cast<int>(text.size()), nullptr);
    if (handedOut == nullptr)
        return;
    std::snprintf(handedOut, text.size() + 1, "%s", text.c_str());
    *errorText = handedOut;
}

std::string firstWord(const char* commandText)
{
    std::istringstream words(commandText == nullptr ? "" : commandText);
    std::string word;
    words >> word;
    return word;
}

}  // namespace

bool macroCommandCallback(const char* commandText, char** errorText)
{
    try {
        const std::string command = firstWord(commandText);
        handOutErrorText(command.empty() ? "Invalid macro command string." : "Unknown macro command: " + command,
                         errorText);
    } catch (...) {
        return false;
    }
    return false;
}
