#include "fuzz/HostMacroProperty.h"

#include <algorithm>
#include <sstream>
#include <vector>

#include "macro/MacroLanguage.h"

using zorhost::MacroCommand;
using zorhost::MacroValue;

namespace {

std::string written(const MacroValue& value)
{
    if (value.kind == MacroValue::Kind::Boolean)
        return value.boolean ? "TRUE" : "FALSE";
    if (value.kind != MacroValue::Kind::Text)
        return value.text;
    std::string quoted = "\"";
    for (const char c : value.text) {
        if (c == '"' || c == '\\')
            quoted += '\\';
        quoted += c;
    }
    return quoted + "\"";
}

std::string written(const std::vector<MacroCommand>& commands)
{
    std::string text;
    for (const MacroCommand& command : commands) {
        text += "$!" + command.name;
        for (const auto& parameter : command.parameters)
            text += " " + parameter.key + " = " + written(parameter.value);
        text += "\n";
    }
    return text;
}

bool sameValue(const MacroValue& a, const MacroValue& b)
{
    return a.kind == b.kind && a.text == b.text && a.boolean == b.boolean &&
           (a.kind != MacroValue::Kind::Number || a.number == b.number);
}

bool sameCommands(const std::vector<MacroCommand>& a, const std::vector<MacroCommand>& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const MacroCommand& x, const MacroCommand& y) {
        return x.name == y.name &&
               std::equal(x.parameters.begin(), x.parameters.end(), y.parameters.begin(), y.parameters.end(),
                          [](const auto& p, const auto& q) { return p.key == q.key && sameValue(p.value, q.value); });
    });
}

std::vector<MacroCommand> read(const std::string& text)
{
    std::istringstream in(text);
    return zorhost::readMacro(in);
}

}  // namespace

std::string hostMacroPropertyViolation(const std::string& macroText)
{
    std::vector<MacroCommand> commands;
    try {
        commands = read(macroText);
    } catch (const zorhost::MacroError& error) {
        const auto lines = std::count(macroText.begin(), macroText.end(), '\n') + 1;
        if (error.line() < 1 || error.line() > lines)
            return "refused at line " + std::to_string(error.line()) + " of " + std::to_string(lines);
        if (std::string(error.what()).empty())
            return "refused without a message";
        return "";
    }
    const std::string again = written(commands);
    try {
        if (!sameCommands(commands, read(again)))
            return "written again, it reads differently: " + again;
    } catch (const zorhost::MacroError& error) {
        return "written again, it is refused: " + std::string(error.what()) + " in " + again;
    }
    return "";
}
