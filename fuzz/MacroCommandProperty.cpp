#include "fuzz/MacroCommandProperty.h"

#include <algorithm>
#include <exception>

#include "addon/KeyFrameError.h"
#include "macro/MacroCommandManager.h"

namespace {

using ParameterList = AddOnMacroCommandManager::ParameterList;

// Typed access may refuse a value, but only with the add-on's error, and
// text is given back exactly as parsed (first occurrence).
std::string typedValueViolation(Parameter_e parameter, const ParameterList& parameters, const std::string& firstValue)
{
    const AddOnMacroCommandManager& manager = macroCommandManager();
    std::string text;
    manager.getParameterValue(parameter, parameters, text);
    if (text != firstValue)
        return "text value differs from the parsed value";
    try {
        Destination_e destination = OnScreen;
        manager.getParameterValue(parameter, parameters, destination);
    } catch (const KeyFrameError&) {
    }
    return {};
}

std::string typedValuesViolation(const ParameterList& parameters)
{
    for (auto entry = parameters.begin(); entry != parameters.end(); ++entry) {
        const bool isFirstOccurrence = std::none_of(
            parameters.begin(), entry, [&entry](const auto& earlier) { return earlier.first == entry->first; });
        if (!isFirstOccurrence)
            continue;
        const std::string violation = typedValueViolation(entry->first, parameters, entry->second);
        if (!violation.empty())
            return violation;
    }
    return {};
}

bool holdsAQuote(const ParameterList& parameters)
{
    return std::any_of(parameters.begin(), parameters.end(),
                       [](const auto& entry) { return entry.second.find('"') != std::string::npos; });
}

std::string roundTripViolation(Command_e command, const ParameterList& parameters)
{
    const AddOnMacroCommandManager& manager = macroCommandManager();
    const std::string composed = manager.compose(command, parameters);
    Command_e reparsedCommand = command;
    ParameterList reparsedParameters;
    try {
        manager.parse(composed, reparsedCommand, reparsedParameters);
    } catch (const KeyFrameError& error) {
        return "composed string [" + composed + "] is refused: " + error.what();
    }
    if (reparsedCommand != command || reparsedParameters != parameters)
        return "composed string [" + composed + "] parses differently";
    return {};
}

std::string parsedStringViolation(const std::string& commandString)
{
    Command_e command = Animate;
    ParameterList parameters;
    try {
        macroCommandManager().parse(commandString, command, parameters);
    } catch (const KeyFrameError&) {
        return {};
    }
    std::string violation = typedValuesViolation(parameters);
    if (violation.empty() && !holdsAQuote(parameters))
        violation = roundTripViolation(command, parameters);
    return violation;
}

}  // namespace

std::string macroCommandPropertyViolation(const std::string& commandString)
{
    try {
        return parsedStringViolation(commandString);
    } catch (const std::exception& error) {
        return std::string("unexpected exception: ") + error.what();
    }
}
