// The toolbox's StyleValue, served by the host's style model.
#include "StyleValue.h"

#include "ApiGuard.h"

using namespace zorsim;

namespace {

StylePath fullPath(const StringList& path, const StringList& subPath)
{
    StylePath names = path.strings();
    names.insert(names.end(), subPath.strings().begin(), subPath.strings().end());
    return names;
}

// Only a plain assignment of a single value to the current objects is
// modelled; anything else is refused.
bool isPlainAssignment(const ArgList& args)
{
    return !args.has(SV_OBJECTSET) && args.getInt(SV_OFFSET1, -1) == -1 && args.getInt(SV_OFFSET2, -1) == -1 &&
           args.getInt(SV_ASSIGNOP, AssignOp_PlainAssign) == AssignOp_PlainAssign;
}

template <typename T>
StyleReturnCode_e getValue(const StylePath& path, T& value)
{
    return guarded(callText("StyleValue::get", joinPath(path)), StyleReturnCode_Refused, [&] {
        StyleData held = value;
        const StyleReturnCode_e code = host().styles.get(path, held);
        if (code == StyleReturnCode_Ok)
            value = std::get<T>(held);
        return code;
    });
}

template <typename T>
StyleReturnCode_e setValue(const StylePath& path, const T& value, const ArgList& args)
{
    return guarded(callText("StyleValue::set", joinPath(path), styleDataText(StyleData(value))),
                   StyleReturnCode_Refused, [&] {
                       if (!isPlainAssignment(args))
                           return StyleReturnCode_Refused;
                       return host().styles.set(path, StyleData(value));
                   });
}

}  // namespace

StyleValue::StyleValue(const StringList& path) : path_(path) {}

StyleReturnCode_e StyleValue::get(double& value, const StringList& subPath) const
{
    return getValue(fullPath(path_, subPath), value);
}

StyleReturnCode_e StyleValue::get(bool& value, const StringList& subPath) const
{
    return getValue(fullPath(path_, subPath), value);
}

StyleReturnCode_e StyleValue::get(int& value, const StringList& subPath) const
{
    return getValue(fullPath(path_, subPath), value);
}

StyleReturnCode_e StyleValue::get(std::string& value, const StringList& subPath) const
{
    return getValue(fullPath(path_, subPath), value);
}

StyleReturnCode_e StyleValue::set(double value, const StringList& subPath, const ArgList& args)
{
    return setValue(fullPath(path_, subPath), value, args);
}

StyleReturnCode_e StyleValue::set(bool value, const StringList& subPath, const ArgList& args)
{
    return setValue(fullPath(path_, subPath), value, args);
}

StyleReturnCode_e StyleValue::set(int value, const StringList& subPath, const ArgList& args)
{
    return setValue(fullPath(path_, subPath), value, args);
}

StyleReturnCode_e StyleValue::set(const std::string& value, const StringList& subPath, const ArgList& args)
{
    return setValue(fullPath(path_, subPath), value, args);
}
