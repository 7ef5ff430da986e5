// Reads and writes the host's style values: a tree of typed values named by
// paths of upper-case names ("GLOBALTHREED" "LIGHTSOURCE" "INTENSITY").
//
//   StyleValue light(StringList{"GLOBALTHREED", "LIGHTSOURCE"});
//   double intensity = 0.0;
//   if (!StyleValue::returnCodeOk(light.get(intensity, StringList{"INTENSITY"})))
//       ...  // intensity keeps its preset
//
// A get or set on a path the host does not know, or of the wrong type,
// fails with a code that is not OK and leaves the output unchanged.
// Enumerations are read and written as int. The caller holds the lock.
#ifndef ZOR_STYLE_VALUE_H
#define ZOR_STYLE_VALUE_H

#include <string>

#include "ArgList.h"
#include "StringList.h"

enum StyleReturnCode_e {
    StyleReturnCode_Ok = 0,
    StyleReturnCode_UnknownPath = 1,
    StyleReturnCode_WrongType = 2,
    StyleReturnCode_Refused = 3,
};

class StyleValue {
public:
    // `path` is the common start of every value this object reads or writes.
    explicit StyleValue(const StringList& path);

    static bool returnCodeOk(StyleReturnCode_e code) { return code == StyleReturnCode_Ok; }

    StyleReturnCode_e get(double& value, const StringList& subPath = StringList()) const;
    StyleReturnCode_e get(bool& value, const StringList& subPath = StringList()) const;
    StyleReturnCode_e get(int& value, const StringList& subPath = StringList()) const;
    StyleReturnCode_e get(std::string& value, const StringList& subPath = StringList()) const;

    // `args` may hold SV_OBJECTSET, SV_OFFSET1, SV_OFFSET2 and SV_ASSIGNOP;
    // an empty list is a plain assignment.
    StyleReturnCode_e set(double value, const StringList& subPath, const ArgList& args = ArgList());
    StyleReturnCode_e set(bool value, const StringList& subPath, const ArgList& args = ArgList());
    StyleReturnCode_e set(int value, const StringList& subPath, const ArgList& args = ArgList());
    StyleReturnCode_e set(const std::string& value, const StringList& subPath, const ArgList& args = ArgList());

private:
    StringList path_;
};

#endif
