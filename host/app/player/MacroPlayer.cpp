#include "player/MacroPlayer.h"

#include <cmath>
#include <sstream>
#include <stdexcept>

#include "ZorTypes.h"
#include "macro/ExportKeywords.h"
#include "macro/PrintableText.h"
#include "zorsim/Host.h"

namespace zorhost {

namespace {

// A failure of one command; play() adds the line. The text is made
// printable here, where it may still hold what a macro line held.
class CommandFailure : public std::runtime_error {
public:
    explicit CommandFailure(const std::string& message) : std::runtime_error(printable(message)) {}
};

const MacroValue* valueOf(const MacroCommand& command, const std::string& key)
{
    const MacroParameter* parameter = command.find(key);
    return parameter == nullptr ? nullptr : &parameter->value;
}

// A parameter the grammar makes sure of.
const MacroValue& required(const MacroCommand& command, const std::string& key)
{
    if (const MacroValue* value = valueOf(command, key))
        return *value;
    throw CommandFailure("$!" + command.name + ": missing " + key);
}

double numberOr(const MacroCommand& command, const std::string& key, double fallback)
{
    const MacroValue* value = valueOf(command, key);
    return value == nullptr ? fallback : value->number;
}

std::string wordOr(const MacroCommand& command, const std::string& key, const std::string& fallback)
{
    const MacroValue* value = valueOf(command, key);
    return value == nullptr ? fallback : value->text;
}

int plotTypeCode(const std::string& word)
{
    if (word == "CARTESIAN2D")
        return ZOR_PLOT_CARTESIAN2D;
    if (word == "XYLINE")
        return ZOR_PLOT_XYLINE;
    if (word == "POLAR")
        return ZOR_PLOT_POLAR;
    if (word == "SKETCH")
        return ZOR_PLOT_SKETCH;
    return ZOR_PLOT_CARTESIAN3D;
}

int rotationAxis(const std::string& word)
{
    return word == "THETA" ? ZOR_ROTATE_THETA : word == "ALPHA" ? ZOR_ROTATE_ALPHA : ZOR_ROTATE_PSI;
}

void needFrame(const zorsim::Host& host)
{
    if (host.frames.empty())
        throw CommandFailure("there is no frame");
}

std::string written(const MacroValue& value)
{
    switch (value.kind) {
    case MacroValue::Kind::Text:
        return zorsim::quoteMacroText(value.text);
    case MacroValue::Kind::Number:
    case MacroValue::Kind::Word:
    case MacroValue::Kind::Boolean:
        break;
    }
    return value.text;
}

// The style value a macro value stands for, in the order to try: a number
// that is whole may be held as an integer.
std::vector<zorsim::StyleData> styleCandidates(const MacroValue& value)
{
    switch (value.kind) {
    case MacroValue::Kind::Number:
        if (std::floor(value.number) == value.number && std::fabs(value.number) < 2147483648.0)
            return {value.number, static_cast<int>(value.number)};
        return {value.number};
    case MacroValue::Kind::Boolean:
        return {value.boolean};
    case MacroValue::Kind::Word:
    case MacroValue::Kind::Text:
        break;
    }
    return {value.text};
}

}  // namespace

std::string macroLineOf(const MacroCommand& command)
{
    std::string line = "$!" + command.name;
    for (const MacroParameter& parameter : command.parameters)
        line += " " + parameter.key + " = " + written(parameter.value);
    return line;
}

void MacroPlayer::play(const std::vector<MacroCommand>& commands)
{
    for (const MacroCommand& command : commands)
        play(command);
}

void MacroPlayer::play(const MacroCommand& command)
{
    try {
        playCommand(command);
    } catch (const CommandFailure& failure) {
        host_.idle.runIdle();
        throw MacroError(command.line, failure.what());
    }
    host_.idle.runIdle();
}

void MacroPlayer::record(const MacroCommand& command)
{
    // An add-on records its own commands when it runs them.
    if (command.name != "ADDONCOMMAND")
        host_.macro.recordRaw(macroLineOf(command));
}

void MacroPlayer::playCommand(const MacroCommand& command)
{
    const std::string& name = command.name;
    if (name == "NEWFRAME") {
        host_.frames.addFrame(plotTypeCode(wordOr(command, "PLOTTYPE", "CARTESIAN3D")));
    } else if (name == "FRAMESETUP") {
        needFrame(host_);
        host_.frames.setPlotType(plotTypeCode(wordOr(command, "PLOTTYPE", "CARTESIAN3D")));
    } else if (name == "DELETEFRAME") {
        needFrame(host_);
        host_.frames.deleteCurrentFrame();
    } else if (name == "LOADSAMPLE") {
        needFrame(host_);
        frameData_.loadWave(host_, static_cast<int>(numberOr(command, "STEPS", 21)), numberOr(command, "TIMEMIN", 0.0),
                            numberOr(command, "TIMEMAX", 2.0));
    } else if (name == "READDATASET") {
        needFrame(host_);
        readDataSet(command);
    } else if (name == "STYLE") {
        setStyle(command);
    } else if (name == "ROTATE3D") {
        if (!host_.view.rotate(rotationAxis(wordOr(command, "AXIS", "PSI")), numberOr(command, "ANGLE", 0.0),
                               {0.0, 0.0, 0.0}, 0))
            throw CommandFailure("the current frame has no 3D view to rotate");
    } else if (name == "SOLUTIONTIME") {
        needFrame(host_);
        host_.dataSet.setSolutionTime(numberOr(command, "TIME", 0.0));
    } else if (name == "REDRAW") {
        host_.drawing.redraw(true);
    } else if (name == "EXPORTSETUP") {
        setExport(command);
    } else if (name == "ADDONCOMMAND") {
        playAddOnCommand(command);
    } else {
        throw CommandFailure("unknown command $!" + name);
    }
    record(command);
}

void MacroPlayer::readDataSet(const MacroCommand& command)
{
    try {
        frameData_.loadDataFile(host_, required(command, "FILENAME").text, wordOr(command, "COLORBY", ""));
    } catch (const DataReadError& error) {
        throw CommandFailure(error.what());
    }
}

void MacroPlayer::setStyle(const MacroCommand& command)
{
    const std::string path = required(command, "PATH").text;
    zorsim::StylePath names;
    std::istringstream words(path);
    for (std::string word; words >> word;) {
        for (char& c : word)
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        names.push_back(word);
    }
    StyleReturnCode_e code = StyleReturnCode_UnknownPath;
    for (const zorsim::StyleData& candidate : styleCandidates(required(command, "VALUE"))) {
        code = host_.styles.set(names, candidate);
        if (code != StyleReturnCode_WrongType)
            break;
    }
    if (code == StyleReturnCode_UnknownPath)
        throw CommandFailure("unknown style value \"" + path + "\"");
    if (code != StyleReturnCode_Ok)
        throw CommandFailure("\"" + path + "\" does not take the value " + written(required(command, "VALUE")));
}

void MacroPlayer::setExport(const MacroCommand& command)
{
    const MacroParameter& setting = command.parameters.front();
    const ExportKeyword& keyword = exportKeywords().at(setting.key);
    double doubleValue = 0.0;
    std::intptr_t intValue = 0;
    switch (keyword.kind) {
    case ExportValueKind::Enumeration:
        intValue = keyword.words.at(setting.value.text);
        break;
    case ExportValueKind::Double:
        doubleValue = setting.value.number;
        break;
    case ExportValueKind::Integer:
        intValue = static_cast<std::intptr_t>(setting.value.number);
        break;
    case ExportValueKind::Boolean:
        intValue = setting.value.boolean ? 1 : 0;
        break;
    case ExportValueKind::Text:
        intValue = reinterpret_cast<std::intptr_t>(setting.value.text.c_str());
        break;
    }
    if (!host_.exports.setup(setting.key, doubleValue, intValue))
        throw CommandFailure("the host does not take " + setting.key + " = " + written(setting.value));
}

void MacroPlayer::playAddOnCommand(const MacroCommand& command)
{
    const std::string addOn = required(command, "ADDON").text;
    if (!host_.registry.hasMacroCallback(addOn))
        throw CommandFailure("no add-on named \"" + addOn + "\" takes macro commands");
    const zorsim::MacroCommandResult result = host_.registry.playAddOnCommand(addOn, required(command, "COMMAND").text);
    if (!result.ok)
        throw CommandFailure(result.hasErrorText ? result.errorText
                                                 : "the add-on \"" + addOn + "\" refused the command");
}

}  // namespace zorhost
