// The host's style values: typed values addressed by name paths.
//
// Plain values live in a table with a default for every path the host
// knows. A component can mount a provider on a top-level name ("THREEDVIEW")
// and serve every path below it from its own state.
#ifndef ZORSIM_STYLE_MODEL_H
#define ZORSIM_STYLE_MODEL_H

#include <map>
#include <set>
#include <string>
#include <variant>
#include <vector>

#include "StyleValue.h"

namespace zorsim {

using StyleData = std::variant<double, bool, int, std::string>;
using StylePath = std::vector<std::string>;

// Joins a path with blanks: {"A", "B"} gives "A B".
std::string joinPath(const StylePath& path);

class StyleProvider {
public:
    virtual ~StyleProvider() = default;
    // `rest` is the path below the mounted name.
    virtual StyleReturnCode_e get(const StylePath& rest, StyleData& value) const = 0;
    virtual StyleReturnCode_e set(const StylePath& rest, const StyleData& value) = 0;
};

class DrawingModel;

class StyleModel {
public:
    // A set that changes what a frame shows is noted in `drawing`.
    explicit StyleModel(DrawingModel& drawing);

    // Gets and sets check the type against the value held; an int may be
    // read and written where a double is held.
    StyleReturnCode_e get(const StylePath& path, StyleData& value) const;
    StyleReturnCode_e set(const StylePath& path, const StyleData& value);

    // Adds a path with its default (or replaces its value and type).
    void define(const std::string& path, StyleData value);
    // Serves every path below `topName` from `provider` (not owned).
    void mount(const std::string& topName, StyleProvider* provider);

    // Control face: read or write a value by its blank-joined path; both
    // throw std::out_of_range for a path the host does not know.
    StyleData value(const std::string& path) const;
    void setValue(const std::string& path, StyleData value);
    double doubleValue(const std::string& path) const;
    bool boolValue(const std::string& path) const;
    int intValue(const std::string& path) const;

    // Fault injection: gets of this path fail as if the host did not know it.
    void failGets(const std::string& path) { failingGets_.insert(path); }

private:
    const StyleProvider* providerFor(const StylePath& path) const;

    DrawingModel& drawing_;
    std::map<std::string, StyleData> values_;
    std::map<std::string, StyleProvider*> providers_;
    std::set<std::string> failingGets_;
};

// Converts `value` to the type held in `held`; false when the types do not
// agree (an int converts to a double, nothing else converts).
bool convertStyleData(const StyleData& held, const StyleData& value, StyleData& converted);
std::string styleDataText(const StyleData& value);

}  // namespace zorsim

#endif
