#include "macro/MacroGrammar.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <locale>
#include <map>
#include <optional>
#include <set>
#include <sstream>
#include <vector>

#include "macro/ExportKeywords.h"
#include "macro/PrintableText.h"

namespace zorhost {

namespace {

enum class ValueRule { Number, Integer, Boolean, Text, Word, Any };

struct ParameterRule {
    std::string key;
    ValueRule rule;
    bool required;
    // The words a Word value may be.
    std::vector<std::string> words;
    // The numbers a Number or Integer value may be.
    std::optional<ValueRange> range = std::nullopt;
};

const ValueRange intRange{-2147483648.0, true, 2147483647.0};
// Each step of the sample holds about 40 KB.
const ValueRange sampleSteps{1.0, true, 10000.0};

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
          {"STEPS", ValueRule::Integer, false, {}, sampleSteps},
          {"TIMEMIN", ValueRule::Number, false, {}},
          {"TIMEMAX", ValueRule::Number, false, {}}}},
        {"READDATASET", {{"FILENAME", ValueRule::Text, true, {}}, {"COLORBY", ValueRule::Text, false, {}}}},
        {"STYLE", {{"PATH", ValueRule::Text, true, {}}, {"VALUE", ValueRule::Any, true, {}}}},
        {"ROTATE3D",
         {{"AXIS", ValueRule::Word, true, {"PSI", "THETA", "ALPHA"}}, {"ANGLE", ValueRule::Number, true, {}}}},
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
    return printable(value.kind == Kind::Text ? "\"" + value.text + "\"" : value.text);
}

bool isWholeNumber(const MacroValue& value)
{
    return value.kind == Kind::Number && std::floor(value.number) == value.number;
}

std::string numberText(double number)
{
    std::ostringstream text;
    text.imbue(std::locale::classic());
    text << number;
    return text.str();
}

bool inRange(const ValueRange& range, double number)
{
    return (range.lowIncluded ? number >= range.low : number > range.low) && number <= range.high;
}

// "a whole number from 1 to 10000", "a number above 0 and at most 1000".
std::string rangeText(const ParameterRule& rule, const ValueRange& range)
{
    const std::string kind = rule.rule == ValueRule::Integer ? "a whole number" : "a number";
    if (range.lowIncluded)
        return kind + " from " + numberText(range.low) + " to " + numberText(range.high);
    return kind + " above " + numberText(range.low) + " and at most " + numberText(range.high);
}

// What a value that breaks `rule` should have been, or empty when it fits.
std::string expectation(const ParameterRule& rule, const MacroValue& value)
{
    switch (rule.rule) {
    case ValueRule::Number:
        return value.kind == Kind::Number ? "" : "a number";
    case ValueRule::Integer:
        return isWholeNumber(value) ? "" : "a whole number";
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
    const std::optional<ValueRange> range =
        rule.rule == ValueRule::Integer ? rule.range.value_or(intRange) : rule.range;
    if (range && !inRange(*range, value.number))
        fail(command, rule.key + " = " + written(value) + " is out of range: " + rangeText(rule, *range));
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
        return {key, ValueRule::Number, true, {}, keyword.range};
    case ExportValueKind::Integer:
        return {key, ValueRule::Integer, true, {}, keyword.range};
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

// "$!STYLE PATH = "EXPORTSETUP KEYWORD"" sets what "$!EXPORTSETUP KEYWORD"
// sets, and its value is checked alike. An enumeration's value is the
// host's number there, which the host checks.
void checkExportStyle(const MacroCommand& command)
{
    const MacroParameter* const path = command.find("PATH");
    const MacroParameter* const value = command.find("VALUE");
    if (path == nullptr || value == nullptr)
        return;
    std::istringstream words(path->value.text);
    std::string group;
    std::string key;
    std::string more;
    words >> group >> key;
    for (std::string* word : {&group, &key})
        for (char& c : *word)
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    const auto found = exportKeywords().find(key);
    if (group != "EXPORTSETUP" || words >> more || found == exportKeywords().end() ||
        found->second.kind == ExportValueKind::Enumeration)
        return;
    checkValue(command, exportRule(key, found->second), value->value);
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
        auto rule =
            std::find_if(rules.begin(), rules.end(), [&](const ParameterRule& r) { return r.key == parameter.key; });
        if (rule == rules.end())
            fail(command, "unknown parameter " + parameter.key);
        if (!seen.insert(parameter.key).second)
            fail(command, parameter.key + " is given twice");
        checkValue(command, *rule, parameter.value);
    }
    for (const ParameterRule& rule : rules)
        if (rule.required && seen.count(rule.key) == 0)
            fail(command, "missing " + rule.key);
    if (command.name == "STYLE")
        checkExportStyle(command);
}

}  // namespace zorhost
