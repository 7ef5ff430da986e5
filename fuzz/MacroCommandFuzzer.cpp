// libFuzzer target: any byte string as a macro command string. A violation
// of the rule in MacroCommandProperty.h stops the run with its description.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "fuzz/MacroCommandProperty.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string commandString(reinterpret_cast<const char*>(data), size);
    const std::string violation = macroCommandPropertyViolation(commandString);
    if (!violation.empty()) {
        std::fprintf(stderr, "macro command rule broken: %s\n", violation.c_str());
        std::abort();
    }
    return 0;
}
