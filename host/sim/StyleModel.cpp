#include "zorsim/StyleModel.h"

#include <sstream>
#include <stdexcept>

#include "zorsim/DrawingModel.h"

namespace zorsim {

std::string joinPath(const StylePath& path)
{
    std::string joined;
    for (const std::string& name : path) {
        if (!joined.empty())
            joined += ' ';
        joined += name;
    }
    return joined;
}

bool convertStyleData(const StyleData& held, const StyleData& value, StyleData& converted)
{
    if (held.index() == value.index()) {
        converted = value;
        return true;
    }
    if (std::holds_alternative<double>(held) && std::holds_alternative<int>(value)) {
        converted = static_cast<double>(std::get<int>(value));
        return true;
    }
    return false;
}

std::string styleDataText(const StyleData& value)
{
    std::ostringstream text;
    text << std::boolalpha;
    std::visit([&](const auto& held) { text << held; }, value);
    return text.str();
}

namespace {

StylePath splitPath(const std::string& path)
{
    StylePath names;
    std::istringstream words(path);
    for (std::string name; words >> name;)
        names.push_back(name);
    return names;
}

// The export settings and the interface's own settings change no picture.
bool changesPicture(const StylePath& path)
{
    return path.front() != "EXPORTSETUP" && path.front() != "INTERFACE";
}

}  // namespace

StyleModel::StyleModel(DrawingModel& drawing) : drawing_(drawing)
{
    define("GLOBALTHREED LIGHTSOURCE INTENSITY", 75.0);
    define("GLOBALTHREED LIGHTSOURCE BACKGROUNDLIGHT", 25.0);
    define("THREEDAXIS FRAMEAXIS SHOW", true);
    define("STREAMATTRIBUTES STREAMTIMING SHOWMARKERS", false);
    define("STREAMATTRIBUTES STREAMTIMING SHOWDASHES", false);
    define("STREAMATTRIBUTES STREAMTIMING TIMEANCHOR", 0.0);
    define("STREAMATTRIBUTES STREAMTIMING DELTATIME", 0.5);
    define("INTERFACE USEDISPLAYLISTS", true);
    define("COLORLEGEND SHOW", true);
}

void StyleModel::define(const std::string& path, StyleData value)
{
    values_[path] = std::move(value);
}

void StyleModel::mount(const std::string& topName, StyleProvider* provider)
{
    providers_[topName] = provider;
}

const StyleProvider* StyleModel::providerFor(const StylePath& path) const
{
    if (path.empty())
        return nullptr;
    auto found = providers_.find(path.front());
    return found == providers_.end() ? nullptr : found->second;
}

StyleReturnCode_e StyleModel::get(const StylePath& path, StyleData& value) const
{
    const std::string joined = joinPath(path);
    if (failingGets_.count(joined) != 0)
        return StyleReturnCode_UnknownPath;
    if (const StyleProvider* provider = providerFor(path)) {
        StyleData held = value;
        const StyleReturnCode_e code = provider->get(StylePath(path.begin() + 1, path.end()), held);
        if (code != StyleReturnCode_Ok)
            return code;
        StyleData converted;
        if (!convertStyleData(value, held, converted))
            return StyleReturnCode_WrongType;
        value = converted;
        return StyleReturnCode_Ok;
    }
    auto found = values_.find(joined);
    if (found == values_.end())
        return StyleReturnCode_UnknownPath;
    StyleData converted;
    if (!convertStyleData(value, found->second, converted))
        return StyleReturnCode_WrongType;
    value = converted;
    return StyleReturnCode_Ok;
}

StyleReturnCode_e StyleModel::set(const StylePath& path, const StyleData& value)
{
    const std::string joined = joinPath(path);
    StyleReturnCode_e code = StyleReturnCode_UnknownPath;
    if (StyleProvider* provider = const_cast<StyleProvider*>(providerFor(path))) {
        code = provider->set(StylePath(path.begin() + 1, path.end()), value);
    } else if (auto found = values_.find(joined); found != values_.end()) {
        StyleData converted;
        code = convertStyleData(found->second, value, converted) ? StyleReturnCode_Ok : StyleReturnCode_WrongType;
        if (code == StyleReturnCode_Ok)
            found->second = converted;
    }
    if (code == StyleReturnCode_Ok && changesPicture(path))
        drawing_.noteChange();
    return code;
}

StyleData StyleModel::value(const std::string& path) const
{
    const StylePath names = splitPath(path);
    if (const StyleProvider* provider = providerFor(names)) {
        // Providers type their own values; ask for each type in turn.
        for (StyleData probe : {StyleData(0.0), StyleData(false), StyleData(0), StyleData(std::string())}) {
            StyleData held = probe;
            if (provider->get(StylePath(names.begin() + 1, names.end()), held) == StyleReturnCode_Ok)
                return held;
        }
        throw std::out_of_range("unknown style path " + path);
    }
    auto found = values_.find(path);
    if (found == values_.end())
        throw std::out_of_range("unknown style path " + path);
    return found->second;
}

void StyleModel::setValue(const std::string& path, StyleData value)
{
    if (set(splitPath(path), value) != StyleReturnCode_Ok)
        throw std::out_of_range("cannot set style path " + path);
}

double StyleModel::doubleValue(const std::string& path) const
{
    const StyleData held = value(path);
    if (std::holds_alternative<int>(held))
        return std::get<int>(held);
    return std::get<double>(held);
}

bool StyleModel::boolValue(const std::string& path) const
{
    return std::get<bool>(value(path));
}

int StyleModel::intValue(const std::string& path) const
{
    return std::get<int>(value(path));
}

}  // namespace zorsim
