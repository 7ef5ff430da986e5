#include "zorsim/MacroModel.h"

namespace zorsim {

std::string quoteMacroText(const std::string& text)
{
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\')
            quoted += '\\';
        quoted += c;
    }
    return quoted + "\"";
}

bool MacroModel::recordRaw(const std::string& command)
{
    if (!recording_)
        return false;
    lines_.push_back(command);
    return true;
}

bool MacroModel::recordAddOnCommand(const std::string& addOnName, const std::string& command)
{
    return recordRaw("$!ADDONCOMMAND ADDON = " + quoteMacroText(addOnName) + " COMMAND = " + quoteMacroText(command));
}

}  // namespace zorsim
