#include "fuzz/FuzzTargets.h"

#include <algorithm>
#include <stdexcept>

#include "fuzz/DataStreamProperty.h"
#include "fuzz/HostMacroProperty.h"
#include "fuzz/KeyFrameFileProperty.h"
#include "fuzz/MacroCommandProperty.h"

const std::vector<FuzzTarget>& fuzzTargets()
{
    static const std::vector<FuzzTarget> targets = {
        {"MacroCommandFuzzer", {"fuzz/corpus/macro"}, "macro command", macroCommandPropertyViolation},
        {"KeyFrameFileFuzzer", {"fuzz/corpus/keyframe", "examples"}, "settings file", keyFrameFilePropertyViolation},
        {"HostMacroFuzzer", {"fuzz/corpus/hostmacro", "examples"}, "macro file", hostMacroPropertyViolation},
        {"DataStreamFuzzer", {"fuzz/corpus/datastream"}, "reader's stream", dataStreamPropertyViolation},
    };
    return targets;
}

const FuzzTarget& fuzzTarget(const std::string& name)
{
    const std::vector<FuzzTarget>& targets = fuzzTargets();
    const auto found =
        std::find_if(targets.begin(), targets.end(), [&name](const FuzzTarget& target) { return target.name == name; });
    if (found == targets.end())
        throw std::out_of_range("no fuzz target " + name);
    return *found;
}
