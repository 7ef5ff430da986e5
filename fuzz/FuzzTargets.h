// The fuzz targets, one input format each: the rule every input of the
// format must keep, and the folders of seeds that the fuzzer starts from and
// the normal test run replays.
#ifndef KFA_FUZZ_FUZZ_TARGETS_H
#define KFA_FUZZ_FUZZ_TARGETS_H

#include <string>
#include <vector>

struct FuzzTarget {
    // The fuzzer program's name.
    const char* name;
    // The seed folders, relative to the source tree: the target's own under
    // fuzz/corpus, and real files of its format elsewhere in the tree.
    std::vector<const char*> seedFolders;
    // What an input stands for, as the fuzzer's failure message names it.
    const char* input;
    // Empty when the rule holds for `input`; otherwise what went wrong.
    std::string (*violation)(const std::string& input);
};

const std::vector<FuzzTarget>& fuzzTargets();
// The target called `name`; throws std::out_of_range when there is none.
const FuzzTarget& fuzzTarget(const std::string& name);

#endif
