// libFuzzer's entry for every fuzz target: any byte string as an input of
// the target this program is built for (KFA_FUZZ_TARGET). A violation of
// the target's rule stops the run with its description.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "fuzz/FuzzTargets.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const FuzzTarget& target = fuzzTarget(KFA_FUZZ_TARGET);
    const std::string violation = target.violation(std::string(reinterpret_cast<const char*>(data), size));
    if (!violation.empty()) {
        std::fprintf(stderr, "%s rule broken: %s\n", target.input, violation.c_str());
        std::abort();
    }
    return 0;
}
