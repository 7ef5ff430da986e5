// libFuzzer target: any byte string as a zorhost macro file. A violation of
// the rule in HostMacroProperty.h stops the run with its description.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "fuzz/HostMacroProperty.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string macroText(reinterpret_cast<const char*>(data), size);
    const std::string violation = hostMacroPropertyViolation(macroText);
    if (!violation.empty()) {
        std::fprintf(stderr, "macro file rule broken: %s\n", violation.c_str());
        std::abort();
    }
    return 0;
}
