#include "macro/MacroGrammar.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <vector>

#include "macro/ExportKeywords.h"

namespace zorhost {

namespace {

enum class ValueRule { Number, PositiveInteger, Integer, Boolean, Text, Word, Any };

struct ParameterRule {
    std::string key;
    ValueRule rule;
    bool required;
    // The words a Word value may be.
    std::vector<std::string> words;
};

using Kind = MacroValue::Kind;

const std::vector<std::string> plotTypes{"CARTESIAN3D", "CARTESIAN2D", "XYLINE", "POLAR", "SKETCH"};

// "$!EXPORTSETUP" is checked on its own: its key is the export keyword.
const std::map<std::string, std::vector<ParameterRule>>& commandRules()
{
    static const std::map<std::string, std::vector<ParameterRule>> rules{
        {"NEWFRAME", {{"PLOTTYPE", ValueRule::Word, false, plotTypes}}},
        {"FRAMESETUP", {{"PLOTTYPE", ValueRule::Word, true, plotTypes}}},
        {"DELETEFRAME", {}},
        {"LOADSAMPLE",
         {{"NAME", ValueRule::Word, false, {"WAVE"}},
          {"STEPS", ValueRule::PositiveInteger, false, {}},
          {"TIMEMIN", ValueRule::Number, false, {}},
          {"TIMEMAX", ValueRule::Number, false, {}}}},
        {"STYLE", {{"PATH", ValueRule::Text, true, {}}, {"VALUE", ValueRule::Any, true, {}}}},
        {"ROTATE3D",
         {{"AXIS", ValueRule::Word, true, {"PSI", "THETA", "ALPHA"}},
          {"ANGLE", ValueRule::Number, true, {}}}},
        {"SOLUTIONTIME", {{"TIME", ValueRule::Number, true, {}}}},
        {"REDRAW", {}},
        {"ADDONCOMMAND", {{"ADDON", ValueRule::Text, true, {}}, {"COMMAND", ValueRule::Text, true, {}}}},
    };
    return rules;
}

std::string joined(const std::vector<std::string>& words)
{
    std::string text;
    for (const std::string& word : words)
        text += (text.empty() ? "" : ", ") + word;
    return text;
}

std::string written(const MacroValue& value)
{
    return value.kind == Kind::Text ? "\"" + value.text + "\"" : value.text;
}

bool isInteger(const MacroValue& value)
{
    return value.kind == Kind::Number && std::floor(value.number) == value.number &&
           std::fabs(value.number) < 2147483648.0;
}

// What a value that breaks `rule` should have been, or empty when it fits.
std::string expectation(const ParameterRule& rule, const MacroValue& value)
{
    switch (rule.rule) {
    case ValueRule::Number:
        return value.kind == Kind::Number ? "" : "a number";
    case ValueRule::Integer:
        return isInteger(value) ? "" : "a whole number";
    case ValueRule::PositiveInteger:
        return isInteger(value) && value.number >= 1 ? "" : "a whole number of at least 1";
    case ValueRule::Boolean:
        return value.kind == Kind::Boolean ? "" : "TRUE or FALSE";
    case ValueRule::Text:
        return value.kind == Kind::Text ? "" : "text in double quotes";
    case ValueRule::Word:
        for (const std::string& word : rule.words)
            if (value.kind == Kind::Word && value.text == word)
                return "";
        return rule.words.size() == 1 ? rule.words.front() : "one of " + joined(rule.words);
    case ValueRule::Any:
        return "";
    }
    return "";
}

[[noreturn]] void fail(const MacroCommand& command, const std::string& message)
{
    throw MacroError(command.line, "$!" + command.name + ": " + message);
}

void checkValue(const MacroCommand& command, const ParameterRule& rule, const MacroValue& value)
{
    const std::string expected = expectation(rule, value);
    if (!expected.empty())
        fail(command, rule.key + " must be " + expected + ", not " + written(value));
}

ParameterRule exportRule(const std::string& key, const ExportKeyword& keyword)
{
    switch (keyword.kind) {
    case ExportValueKind::Enumeration: {
        ParameterRule rule{key, ValueRule::Word, true, {}};
        for (const auto& [word, hostValue] : keyword.words)
            rule.words.push_back(word);
        return rule;
    }
    case ExportValueKind::Double:
        return {key, ValueRule::Number, true, {}};
    case ExportValueKind::Integer:
        return {key, ValueRule::Integer, true, {}};
    case ExportValueKind::Boolean:
        return {key, ValueRule::Boolean, true, {}};
    case ExportValueKind::Text:
        break;
    }
    return {key, ValueRule::Text, true, {}};
}

void checkExportSetup(const MacroCommand& command)
{
    if (command.parameters.size() != 1)
        fail(command, "expected one export setting KEYWORD = VALUE");
    const MacroParameter& setting = command.parameters.front();
    auto found = exportKeywords().find(setting.key);
    if (found == exportKeywords().end())
        fail(command, "unknown export keyword " + setting.key);
    checkValue(command, exportRule(setting.key, found->second), setting.value);
}

}  // namespace

void checkMacroCommand(const MacroCommand& command)
{
    if (command.name == "EXPORTSETUP")
        return checkExportSetup(command);
    auto found = commandRules().find(command.name);
    if (found == commandRules().end())
        throw MacroError(command.line, "unknown command $!" + command.name);
    const std::vector<ParameterRule>& rules = found->second;
    std::set<std::string> seen;
    for (const MacroParameter& parameter : command.parameters) {
        auto rule = std::find_if(rules.begin(), rules.end(),
                                 [&](const ParameterRule& r) { return r.key == parameter.key; });
        if (rule == rules.end())
            fail(command, "unknown parameter " + parameter.key);
        if (!seen.insert(parameter.key).second)
            fail(command, parameter.key + " is given twice");
        checkValue(command, *rule, parameter.value);
    }
    for (const ParameterRule& rule : rules)
        if (rule.required && seen.count(rule.key) == 0)
            fail(command, "missing " + rule.key);
}

}  // namespace zorhost
