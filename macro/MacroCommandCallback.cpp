#include "macro/MacroCommandCallback.h"

#include <cstdio>
#include <exception>
#include <memory>
#include <string>

#include "ZorUtil.h"
#include "addon/AddOnLock.h"
#include "addon/AddOnNames.h"
#include "addon/KeyFrameError.h"
#include "macro/CommandExecuterAbstractFactory.h"
#include "macro/MacroCommandManager.h"

namespace {

// Room for the add-on's name, " error:" and the line end around a message.
constexpr std::size_t errorFrameLength = 29;

// Hands the host "<add-on name> error:\n<message>" in a string of its own.
// The string has room for the message plus errorFrameLength characters,
// and the formatting is bounded by that room: a longer add-on name would
// shorten the text, never write past the string.
void handOutErrorText(const std::string& message, char** errorText)
{
    AddOnLock lock;
    const std::size_t room = message.size() + errorFrameLength;
    char* handedOut = ZorUtilStringAlloc(static_cast<int>(room), nullptr);
    if (handedOut == nullptr)
        return;
    std::snprintf(handedOut, room + 1, "%s error:\n%s", AddOnName, message.c_str());
    *errorText = handedOut;
}

void execute(const char* commandText)
{
    Command_e command = OpenSettingsFile;
    AddOnMacroCommandManager::ParameterList parameters;
    macroCommandManager().parse(commandText == nullptr ? "" : commandText, command, parameters);
    const std::unique_ptr<CommandExecuterAbstract> executer = CommandExecuterAbstractFactory::create(command);
    if (executer)
        executer->execute(parameters);
}

}  // namespace

bool macroCommandCallback(const char* commandText, char** errorText)
{
    try {
        execute(commandText);
        return true;
    } catch (const KeyFrameError& error) {
        handOutErrorText(error.what(), errorText);
    } catch (const std::exception& error) {
        handOutErrorText(error.what(), errorText);
    } catch (...) {
    }
    return false;
}
