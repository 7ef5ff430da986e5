// Reads, writes and records the add-on's macro command strings:
//
//   Animate AnimationDestination=OnScreen
//   OpenSettingsFile FileName="/home/me/my anim.keyframe"
//
// A command name, then parameters name=value, separated by one or more
// delimiters (the add-on uses a single blank). A value that holds a
// delimiter is written in double quotes; a value cannot hold a double quote.
// Names are looked up through enumNameMap<E>() in any letter case. Every
// refusal raises Error with the finished message for the user.
#ifndef KFA_MACRO_MACRO_COMMAND_MANAGER_H
#define KFA_MACRO_MACRO_COMMAND_MANAGER_H

#include <boost/algorithm/string/classification.hpp>
#include <boost/algorithm/string/trim.hpp>
#include <boost/lexical_cast.hpp>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "ZorUtil.h"
#include "addon/AddOnLock.h"
#include "addon/AddOnNames.h"
#include "addon/KeyFrameError.h"
#include "export/EnumNames.h"

template <typename Command, typename Parameter, typename Error>
class MacroCommandManager {
public:
    // Parameters in the order they stand in the command; a parameter may
    // occur more than once, and the typed access uses its first occurrence.
    using ParameterList = std::vector<std::pair<Parameter, std::string>>;

    explicit MacroCommandManager(std::string delimiters) : delimiters_(std::move(delimiters)) {}
    virtual ~MacroCommandManager() = default;
    MacroCommandManager(const MacroCommandManager&) = delete;
    MacroCommandManager& operator=(const MacroCommandManager&) = delete;

    // The words of `commandString`: the first runs to the next delimiter;
    // each later one too, unless the first equals sign at or after its start
    // is followed by a double quote, in which case it runs on to the first
    // delimiter after the closing quote.
    std::vector<std::string> tokenize(const std::string& commandString) const
    {
        std::vector<std::string> words;
        std::size_t start = commandString.find_first_not_of(delimiters_);
        if (start == std::string::npos)
            return words;
        std::size_t end = commandString.find_first_of(delimiters_, start);
        words.push_back(commandString.substr(start, end - start));
        while ((start = commandString.find_first_not_of(delimiters_, end)) != std::string::npos) {
            end = commandString.find_first_of(delimiters_, parameterWordSearchStart(commandString, start));
            words.push_back(commandString.substr(start, end - start));
        }
        return words;
    }

    // Sets `command` and replaces `parameters` by those of `commandString`
    // only when the whole string is valid; a refused string leaves both as
    // they were.
    void parse(const std::string& commandString, Command& command, ParameterList& parameters) const
    {
        const std::vector<std::string> words = tokenize(commandString);
        if (words.empty())
            throw Error("Invalid macro command string.");
        const Command parsedCommand = commandNamed(words.front());
        ParameterList parsedParameters;
        for (auto word = words.begin() + 1; word != words.end(); ++word)
            parsedParameters.push_back(parameterOf(*word));
        command = parsedCommand;
        parameters = std::move(parsedParameters);
    }

    std::string compose(Command command, const ParameterList& parameters) const
    {
        std::string text = enumNameMap<Command>().toString(command);
        for (const auto& [parameter, value] : parameters) {
            text += delimiters_ + enumNameMap<Parameter>().toString(parameter) + "=";
            text += value.find_first_of(delimiters_) == std::string::npos ? value : "\"" + value + "\"";
        }
        return text;
    }

    // The first value of `parameter`, converted with boost::lexical_cast. On
    // a refusal `value` is left as it was.
    template <typename T>
    void getParameterValue(Parameter parameter, const ParameterList& parameters, T& value) const
    {
        const auto found = std::find_if(parameters.begin(), parameters.end(),
                                        [parameter](const auto& entry) { return entry.first == parameter; });
        if (found == parameters.end())
            throw Error("Invalid macro command: missing value for parameter \"" + nameOf(parameter) + "\"");
        try {
            value = boost::lexical_cast<T>(found->second);
        } catch (const boost::bad_lexical_cast&) {
            throw Error("Invalid macro command: invalid value for parameter \"" + nameOf(parameter) + "\"");
        }
    }

    // Records the command in the macro the host is recording, if any, under
    // the add-on's lock.
    void recordCommand(Command command, const ParameterList& parameters) const
    {
        AddOnLock lock;
        record(command, parameters);
    }

    // As recordCommand; takes the lock itself as well, so either may be
    // called with or without the lock held.
    void record(Command command, const ParameterList& parameters) const
    {
        AddOnLock lock;
        if (!ZorUtilMacroIsRecordingActive())
            return;
        ZorUtilMacroRecordExtCommand(AddOnName, compose(command, parameters).c_str());
    }

private:
    // Where the search for the end of a later word starts: at the closing
    // quote of a quoted value, otherwise at the word's start.
    std::size_t parameterWordSearchStart(const std::string& commandString, std::size_t start) const
    {
        const std::size_t equals = commandString.find('=', start);
        if (equals == std::string::npos)
            throw Error("Invalid macro command string format.");
        if (equals + 1 >= commandString.size() || commandString[equals + 1] != '"')
            return start;
        const std::size_t closingQuote = commandString.find('"', equals + 2);
        if (closingQuote == std::string::npos)
            throw Error("Invalid macro command string format. Unmatched quotation mark.");
        return closingQuote;
    }

    static Command commandNamed(const std::string& word)
    {
        try {
            return enumNameMap<Command>().toEnum(word);
        } catch (const std::out_of_range&) {
            throw Error("Unknown macro command: " + word);
        }
    }

    static Parameter parameterNamed(const std::string& name)
    {
        try {
            return enumNameMap<Parameter>().toEnum(name);
        } catch (const std::out_of_range&) {
            throw Error("Unknown macro parameter: " + name);
        }
    }

    static std::pair<Parameter, std::string> parameterOf(const std::string& word)
    {
        const std::size_t equals = word.find('=');
        if (equals == std::string::npos)
            throw Error("Invalid macro parameter string: " + word);
        // Every double quote at either end goes, not just one pair.
        return {parameterNamed(word.substr(0, equals)),
                boost::algorithm::trim_copy_if(word.substr(equals + 1), boost::algorithm::is_any_of("\""))};
    }

    static std::string nameOf(Parameter parameter) { return enumNameMap<Parameter>().toString(parameter); }

    std::string delimiters_;
};

// The add-on's one manager, built on the first call and kept until the
// add-on is unloaded; its delimiter is a single blank.
using AddOnMacroCommandManager = MacroCommandManager<Command_e, Parameter_e, KeyFrameError>;
AddOnMacroCommandManager& macroCommandManager();

#endif
